#include "player/mpv_video_renderer.h"

#include "player/mpv_video_item.h"

#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <mpv/render_gl.h>

namespace {

void *GetProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

}  // namespace

MpvVideoRenderer::MpvVideoRenderer() = default;

MpvVideoRenderer::~MpvVideoRenderer()
{
    freeRenderContext();
}

QOpenGLFramebufferObject *MpvVideoRenderer::createFramebufferObject(const QSize &size)
{
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::NoAttachment);
    return new QOpenGLFramebufferObject(size, format);
}

void MpvVideoRenderer::synchronize(QQuickFramebufferObject *item)
{
    auto *video = static_cast<MpvVideoItem *>(item);
    NetStream *stream = video->stream();
    if (stream != m_stream) {
        freeRenderContext();
        m_stream = stream;
        m_core = stream ? stream->core() : MpvCorePtr();
    }
}

void MpvVideoRenderer::render()
{
    if (!m_context && m_core)
        createRenderContext();
    QOpenGLFramebufferObject *fbo = framebufferObject();
    if (!m_context) {
        QOpenGLFunctions *gl = QOpenGLContext::currentContext()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    mpv_render_context_update(m_context);
    mpv_opengl_fbo target{static_cast<int>(fbo->handle()), fbo->width(), fbo->height(), 0};
    int flipY = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &target},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_context, params);
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
    // Any thread: hand the request to the render thread; m_relay's death drops it.
    auto *self = static_cast<MpvVideoRenderer *>(context);
    QMetaObject::invokeMethod(&self->m_relay, [self] { self->update(); }, Qt::QueuedConnection);
}
