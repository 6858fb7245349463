#pragma once
// The movie's video instance: shows the picture of the NetStream attached to it, drawn by
// mpv's render API into the item's framebuffer object, scaled into the item.

#include "player/net_stream.h"

#include <QPointer>
#include <QQuickFramebufferObject>

class MpvVideoItem : public QQuickFramebufferObject {
    Q_OBJECT
    Q_PROPERTY(NetStream *stream READ stream WRITE attachVideo NOTIFY streamChanged)
    Q_PROPERTY(bool smoothing READ smoothing WRITE setSmoothing NOTIFY smoothingChanged)
public:
    explicit MpvVideoItem(QQuickItem *parent = nullptr);
    ~MpvVideoItem() override;

    Renderer *createRenderer() const override;

    // Shows stream (null detaches). One item a stream: mpv renders to one context.
    Q_INVOKABLE void attachVideo(NetStream *stream);
    NetStream *stream() const { return m_stream; }
    bool smoothing() const { return m_smoothing; }
    void setSmoothing(bool smoothing);

signals:
    void streamChanged();
    void smoothingChanged();

private:
    QPointer<NetStream> m_stream;
    bool m_smoothing = false;
};
