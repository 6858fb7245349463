#pragma once
// Renders one NetStream's picture through an mpv render context into the FBO of an
// MpvVideoItem. Lives on the scene graph's render thread; mpv's update callback only
// queues a re-render there.

#include "player/net_stream.h"

#include <QObject>
#include <QPointer>
#include <QQuickFramebufferObject>

struct mpv_render_context;

class MpvVideoRenderer : public QQuickFramebufferObject::Renderer {
public:
    MpvVideoRenderer();
    ~MpvVideoRenderer() override;

    QOpenGLFramebufferObject *createFramebufferObject(const QSize &size) override;
    void synchronize(QQuickFramebufferObject *item) override;
    void render() override;

private:
    static void OnMpvUpdate(void *context);
    void createRenderContext();
    void freeRenderContext();

    MpvCorePtr m_core;             // keeps the handle alive while the render context exists
    QPointer<NetStream> m_stream;  // touched only in synchronize (GUI thread blocked)
    mpv_render_context *m_context = nullptr;
    QObject m_relay;  // receiver of mpv's queued update requests on the render thread
};
