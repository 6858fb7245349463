#include "player/mpv_video_renderer.h"

#include "player/mpv_video_item.h"

#include <QOpenGLContext>
#include <QQuickWindow>
#include <mpv/render_gl.h>

namespace {

void *GetProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

}  // namespace

MpvVideoRenderer::MpvVideoRenderer(MpvVideoItem *item) : m_item(item) {}

MpvVideoRenderer::~MpvVideoRenderer()
{
    freeRenderContext();
}

void MpvVideoRenderer::synchronize(const MpvCorePtr &core, const QSize &target, bool shown)
{
    if (core != m_core) {
        freeRenderContext();
        m_core = core;
    }
    m_target = target;
    m_shown = shown;
}

void MpvVideoRenderer::render(QQuickWindow *window)
{
    if (!m_shown || !m_core || m_target.isEmpty())
        return;
    QOpenGLContext *gl = QOpenGLContext::currentContext();
    if (!gl)
        return;
    window->beginExternalCommands();
    if (!m_context)
        createRenderContext();
    if (m_context) {
        mpv_render_context_update(m_context);
        mpv_opengl_fbo target{static_cast<int>(gl->defaultFramebufferObject()), m_target.width(),
                              m_target.height(), 0};
        int flipY = 1;  // a window's own frame has its origin at the bottom
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_OPENGL_FBO, &target},
            {MPV_RENDER_PARAM_FLIP_Y, &flipY},
            {MPV_RENDER_PARAM_INVALID, nullptr},
        };
        mpv_render_context_render(m_context, params);
    }
    window->endExternalCommands();
}

void MpvVideoRenderer::createRenderContext()
{
    mpv_opengl_init_params glInit{&GetProcAddress, nullptr};
    const char *api = MPV_RENDER_API_TYPE_OPENGL;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(api)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&m_context, m_core->mpv, params) < 0) {
        m_context = nullptr;
        m_core.reset();  // no second try for this stream
        return;
    }
    mpv_render_context_set_update_callback(m_context, &MpvVideoRenderer::OnMpvUpdate, this);
    m_core->renderContextReady = true;
}

void MpvVideoRenderer::freeRenderContext()
{
    if (m_context) {
        m_core->renderContextReady = false;
        mpv_render_context_set_update_callback(m_context, nullptr, nullptr);
        mpv_render_context_free(m_context);
        m_context = nullptr;
    }
    m_core.reset();
}

void MpvVideoRenderer::OnMpvUpdate(void *context)
{
    // Any thread, never after the callback is cleared.
    MpvVideoItem::RequestFrame(static_cast<MpvVideoRenderer *>(context)->m_item);
}
