#pragma once
// Draws one NetStream's picture through an mpv render context straight into the frame of
// the window an MpvVideoItem is in, before the scene graph draws the scene. Lives on the
// scene graph's render thread and is deleted there, with the GL context current; mpv's
// update callback only asks the item for a new frame.

#include "player/mpv_core.h"

#include <QObject>
#include <QPointer>
#include <QSize>

class MpvVideoItem;
class QQuickWindow;
struct mpv_render_context;

class MpvVideoRenderer : public QObject {
public:
    explicit MpvVideoRenderer(MpvVideoItem *item);
    ~MpvVideoRenderer() override;

    // With the GUI thread blocked: what to draw, into a frame of target pixels.
    void synchronize(const MpvCorePtr &core, const QSize &target, bool shown);
    // Before the scene graph records its pass, which has cleared the frame already.
    void render(QQuickWindow *window);

private:
    static void OnMpvUpdate(void *context);
    void createRenderContext();
    void freeRenderContext();

    const QPointer<MpvVideoItem> m_item;  // set once; read by mpv's update callback
    MpvCorePtr m_core;  // keeps the handle alive while the render context exists
    QSize m_target;
    bool m_shown = false;
    mpv_render_context *m_context = nullptr;
};
