#include "player/mpv_video_item.h"

#include "player/mpv_video_renderer.h"
#include "player/net_stream.h"

MpvVideoItem::MpvVideoItem(QQuickItem *parent) : QQuickFramebufferObject(parent) {}

MpvVideoItem::~MpvVideoItem()
{
    if (m_stream)
        m_stream->setVideoAttached(false);
}

QQuickFramebufferObject::Renderer *MpvVideoItem::createRenderer() const
{
    return new MpvVideoRenderer;
}

void MpvVideoItem::attachVideo(NetStream *stream)
{
    if (stream == m_stream)
        return;
    if (m_stream)
        m_stream->setVideoAttached(false);
    m_stream = stream;
    if (m_stream) {
        m_stream->setVideoAttached(true);
        m_stream->setSmoothing(m_smoothing);
    }
    update();
    emit streamChanged();
}

void MpvVideoItem::setSmoothing(bool smoothing)
{
    if (smoothing == m_smoothing)
        return;
    m_smoothing = smoothing;
    if (m_stream)
        m_stream->setSmoothing(smoothing);
    emit smoothingChanged();
}
