#include "player/movie_picture.h"

#include <QImageReader>

MoviePicture::MoviePicture(const QByteArray &bytes, QObject *parent)
    : QObject(parent), m_bytes(bytes)
{
    m_buffer.setData(m_bytes);
    m_buffer.open(QIODevice::ReadOnly);
    m_movie.setDevice(&m_buffer);
    m_movie.setCacheMode(QMovie::CacheAll);
    connect(&m_movie, &QMovie::frameChanged, this, &MoviePicture::onFrameChanged);
    m_movie.start();
}

bool MoviePicture::IsPicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && !reader.size().isEmpty();
}

int MoviePicture::frameCount() const
{
    return qMax(1, m_movie.frameCount());
}

int MoviePicture::currentFrame() const
{
    return qMax(0, m_movie.currentFrameNumber());
}

bool MoviePicture::jumpToFrame(int frame)
{
    return frame >= 0 && m_movie.jumpToFrame(frame);
}

void MoviePicture::setPlaying(bool playing)
{
    if (playing && m_movie.state() == QMovie::NotRunning)
        m_movie.start();
    else
        m_movie.setPaused(!playing);
}

bool MoviePicture::isPlaying() const
{
    return m_movie.state() == QMovie::Running;
}

void MoviePicture::onFrameChanged(int frame)
{
    if (!m_loop && m_movie.frameCount() > 1 && frame == m_movie.frameCount() - 1)
        m_movie.setPaused(true);
    emit frameChanged();
}

QRect StagePlacement(QSize content, QRect area, int scaleMode, int alignBits)
{
    if (content.isEmpty() || area.isEmpty())
        return area;
    QSize placed = content;
    switch (scaleMode) {
    case ScaleExactFit:
        return area;
    case ScaleNoBorder:
        placed = content.scaled(area.size(), Qt::KeepAspectRatioByExpanding);
        break;
    case ScaleNoScale:
        break;
    default:
        placed = content.scaled(area.size(), Qt::KeepAspectRatio);
        break;
    }
    int x = area.left() + (area.width() - placed.width()) / 2;
    int y = area.top() + (area.height() - placed.height()) / 2;
    if (alignBits & AlignLeftBit)
        x = area.left();
    else if (alignBits & AlignRightBit)
        x = area.right() + 1 - placed.width();
    if (alignBits & AlignTopBit)
        y = area.top();
    else if (alignBits & AlignBottomBit)
        y = area.bottom() + 1 - placed.height();
    return QRect(QPoint(x, y), placed);
}
