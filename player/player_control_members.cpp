// The player control's stage settings and playback members, with the text forms of the
// numeric settings (Quality2, Scale, SAlign, BGColor) kept in step with them.

#include "player/movie_picture.h"
#include "player/movie_view.h"
#include "player/player_control.h"

#include <QColor>
#include <QQuickItem>
#include <array>
#include <utility>

namespace {

// Quality codes 0-3 are the numeric Quality values; Quality2 also knows Medium and Best.
constexpr std::array<std::pair<int, const char *>, 6> QualityNames{{
    {0, "Low"}, {1, "High"}, {2, "AutoLow"}, {3, "AutoHigh"}, {4, "Medium"}, {5, "Best"}}};

constexpr std::array<const char *, 4> ScaleNames{"ShowAll", "NoBorder", "ExactFit", "NoScale"};

constexpr std::array<const char *, 3> WindowModes{"Window", "Opaque", "Transparent"};

// The version of movie content this control plays, major version in the high word.
constexpr int PlayerVersion = 8 << 16;

}  // namespace

int PlayerControl::readyState() const
{
    return hasMovie() ? 4 : 0;  // complete, or loading/nothing
}

int PlayerControl::totalFrames() const
{
    if (m_picture)
        return m_picture->frameCount();
    return rootItem() ? 1 : 0;
}

bool PlayerControl::playing() const
{
    if (m_picture)
        return m_picture->isPlaying();
    return rootItem() && m_playing;
}

void PlayerControl::setPlaying(bool playing)
{
    m_playing = playing;
    if (m_picture)
        m_picture->setPlaying(playing);
}

void PlayerControl::setQuality(int quality)
{
    if (quality >= 0 && quality < int(QualityNames.size())) {
        m_quality = quality;
        update();
    }
}

QString PlayerControl::quality2() const
{
    return QString::fromLatin1(QualityNames[m_quality].second);
}

void PlayerControl::setQuality2(const QString &quality)
{
    for (const auto &[code, name] : QualityNames)
        if (quality.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            setQuality(code);
}

void PlayerControl::setScaleMode(int mode)
{
    if (mode >= 0 && mode < int(ScaleNames.size())) {
        m_scaleMode = mode;
        update();
    }
}

QString PlayerControl::scale() const
{
    return QString::fromLatin1(ScaleNames[m_scaleMode]);
}

void PlayerControl::setScale(const QString &scale)
{
    for (int i = 0; i < int(ScaleNames.size()); ++i)
        if (scale.compare(QLatin1String(ScaleNames[i]), Qt::CaseInsensitive) == 0)
            setScaleMode(i);
}

void PlayerControl::setAlignMode(int bits)
{
    m_alignMode = bits & (AlignLeftBit | AlignRightBit | AlignTopBit | AlignBottomBit);
    update();
}

QString PlayerControl::salign() const
{
    QString text;
    if (m_alignMode & AlignTopBit)
        text += u'T';
    if (m_alignMode & AlignBottomBit)
        text += u'B';
    if (m_alignMode & AlignLeftBit)
        text += u'L';
    if (m_alignMode & AlignRightBit)
        text += u'R';
    return text;
}

void PlayerControl::setSAlign(const QString &align)
{
    int bits = 0;
    for (const QChar c : align.toUpper()) {
        if (c == u'L')
            bits |= AlignLeftBit;
        else if (c == u'R')
            bits |= AlignRightBit;
        else if (c == u'T')
            bits |= AlignTopBit;
        else if (c == u'B')
            bits |= AlignBottomBit;
    }
    setAlignMode(bits);
}

void PlayerControl::setBackgroundColor(int rgb)
{
    m_backgroundColor = rgb < 0 ? -1 : (rgb & 0xFFFFFF);
    if (m_view)
        m_view->setColor(stageColor());
    update();
}

QString PlayerControl::bgcolor() const
{
    if (m_backgroundColor < 0)
        return {};
    return QStringLiteral("#%1").arg(m_backgroundColor, 6, 16, QLatin1Char('0')).toUpper();
}

void PlayerControl::setBGColor(const QString &color)
{
    QString text = color.trimmed();
    if (text.isEmpty()) {
        setBackgroundColor(-1);
        return;
    }
    if (!text.startsWith(u'#'))
        text.prepend(u'#');
    const QColor parsed = QColor::fromString(text);
    if (parsed.isValid())
        setBackgroundColor(int(parsed.rgb() & 0xFFFFFF));
}

QColor PlayerControl::stageColor() const
{
    return m_backgroundColor < 0 ? QColor(Qt::black) : QColor(QRgb(m_backgroundColor));
}

void PlayerControl::setLoop(bool loop)
{
    m_loop = loop;
    if (m_picture)
        m_picture->setLoop(loop);
}

void PlayerControl::setFrameNum(int frame)
{
    if (m_picture)
        m_picture->jumpToFrame(frame);
}

void PlayerControl::setWMode(const QString &mode)
{
    for (const char *name : WindowModes)
        if (mode.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            m_wmode = QString::fromLatin1(name);
    update();
}

bool PlayerControl::isTransparent() const
{
    return m_wmode == u"Transparent";
}

int PlayerControl::CurrentFrame() const
{
    return m_picture ? m_picture->currentFrame() : 0;
}

bool PlayerControl::IsPlaying() const
{
    return playing();
}

int PlayerControl::PercentLoaded() const
{
    if (hasMovie())
        return 100;
    if (m_fetching && m_fetchTotal > 0)
        return int(qBound(qint64(0), m_fetchReceived * 100 / m_fetchTotal, qint64(99)));
    return 0;
}

bool PlayerControl::FrameLoaded(int frame) const
{
    return hasMovie() && frame >= 0 && frame < totalFrames();
}

int PlayerControl::FlashVersion() const
{
    return PlayerVersion;
}
