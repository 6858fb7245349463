// The bridge between the program and the player movie: commands are single setVariable
// calls on the movie's command properties, queries are fixed invoke requests whose
// "<string>" replies are unwrapped.

#include "player/flash_host.h"

#include <QStringList>
#include <climits>

namespace {

const QString PlayCodeRequest = QStringLiteral("<invoke name='qbfzt' returntype='xml'></invoke>");
const QString UrlRequest = QStringLiteral("<invoke name='qurl' returntype='xml'></invoke>");
const QString TotalTimeRequest = QStringLiteral("<invoke name='qbfzsj' returntype='xml'></invoke>");
const QString PositionRequest = QStringLiteral("<invoke name='qbfsj' returntype='xml'></invoke>");
const QString TimeTextRequest = QStringLiteral("<invoke name='qbfsjwb' returntype='xml'></invoke>");
const QString StreamStatusRequest = QStringLiteral("<invoke name='flvbfzt' returntype='xml'></invoke>");

const QString StringBegin = QStringLiteral("<string>");
const QString StringEnd = QStringLiteral("</string>");

QChar FoldAscii(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + (u'a' - u'A'))) : c;
}

// First position of needle in haystack at or after from, ASCII letters folded; -1 if none.
qsizetype IndexOfAsciiFolded(const QString &haystack, const QString &needle, qsizetype from)
{
    const qsizetype last = haystack.size() - needle.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype k = 0;
        while (k < needle.size() && FoldAscii(haystack[i + k]) == FoldAscii(needle[k]))
            ++k;
        if (k == needle.size())
            return i;
    }
    return -1;
}

int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'\uFF10' && u <= u'\uFF19')  // full-width digits
        return u - u'\uFF10';
    return -1;
}

bool IsCBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

// The leading decimal number as atoi reads it; saturates instead of overflowing.
int TextToInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && IsCBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0)
            break;
        value = value * 10 + digit;
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// "mm:ss" to seconds: exactly two parts around the colons, anything else is 0. A piece
// before a colon counts even when empty; an empty rest after the last colon does not.
int TimeTextToSeconds(const QString &text)
{
    QStringList parts = text.split(u':');
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    if (parts.size() != 2)
        return 0;
    return TextToInteger(parts[0]) * 60 + TextToInteger(parts[1]);
}

}  // namespace

void FlashHost::TogglePlay()
{
    m_control.SetVariable(QStringLiteral("playkz"), QStringLiteral("play"));
}

void FlashHost::Stop()
{
    m_control.SetVariable(QStringLiteral("playkz"), QStringLiteral("stop"));
}

void FlashHost::OpenUrl(const QString &url)
{
    m_control.SetVariable(QStringLiteral("flvurl"), url);
}

void FlashHost::SetVolume(int volume)
{
    m_control.SetVariable(QStringLiteral("playvolume"), QString::number(volume));
}

void FlashHost::Seek(int seconds)
{
    m_control.SetVariable(QStringLiteral("playkj"), QString::number(seconds));
}

QString FlashHost::TextBetween(const QString &text, const QString &begin, const QString &end)
{
    const qsizetype at = IndexOfAsciiFolded(text, begin, 0);
    if (at < 0)
        return QString();
    const qsizetype restStart = at + begin.size();
    const qsizetype stop = IndexOfAsciiFolded(text, end, restStart);
    if (stop < 0)
        return QString();
    return text.mid(restStart, stop - restStart);
}

int FlashHost::QueryPlayCode()
{
    return TextToInteger(TextBetween(m_control.CallFunction(PlayCodeRequest), StringBegin, StringEnd));
}

QString FlashHost::QueryUrl()
{
    return TextBetween(m_control.CallFunction(UrlRequest), StringBegin, StringEnd);
}

QString FlashHost::QueryTotalTimeText()
{
    return TextBetween(m_control.CallFunction(TotalTimeRequest), StringBegin, StringEnd);
}

QString FlashHost::QueryPositionText()
{
    return TextBetween(m_control.CallFunction(PositionRequest), StringBegin, StringEnd);
}

QString FlashHost::QueryTimeText()
{
    return TextBetween(m_control.CallFunction(TimeTextRequest), StringBegin, StringEnd);
}

QString FlashHost::QueryStreamStatus()
{
    return TextBetween(m_control.CallFunction(StreamStatusRequest), StringBegin, StringEnd);
}

int FlashHost::TotalSeconds()
{
    return TimeTextToSeconds(QueryTotalTimeText());
}

int FlashHost::PositionSeconds()
{
    return TimeTextToSeconds(QueryPositionText());
}

// Five reads of the play code, one before each test; the last matching test wins.
PlayerState FlashHost::State()
{
    PlayerState state = 0;
    if (QueryPlayCode() == 0)
        state = 0;
    if (QueryPlayCode() == 1) {
        if (QueryStreamStatus() == QLatin1String("NetStream.Buffer.Full"))
            state = 1;
        else if (QueryStreamStatus() == QLatin1String("NetStream.Buffer.Empty"))
            state = 3;
        else
            state = 5;
    }
    if (QueryPlayCode() == 2)
        state = 2;
    if (QueryPlayCode() == 3)
        state = 3;
    if (QueryPlayCode() == 4)
        state = 4;
    return state;
}
