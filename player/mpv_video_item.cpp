#include "player/mpv_video_item.h"

#include "player/mpv_video_renderer.h"
#include "player/net_stream.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QRunnable>

namespace {

// Frees a renderer on the render thread, where its GL context is current.
class ReleaseRendererJob : public QRunnable {
public:
    explicit ReleaseRendererJob(MpvVideoRenderer *renderer) : m_renderer(renderer) {}
    void run() override { delete m_renderer; }

private:
    QPointer<MpvVideoRenderer> m_renderer;  // null if the scene graph went first
};

}  // namespace

MpvVideoItem::MpvVideoItem(QQuickItem *parent) : QQuickItem(parent) {}

MpvVideoItem::~MpvVideoItem()
{
    releaseRenderer();
    if (m_stream)
        m_stream->setVideoAttached(false);
}

void MpvVideoItem::attachVideo(NetStream *stream)
{
    if (stream == m_stream)
        return;
    if (m_stream)
        m_stream->setVideoAttached(false);
    m_stream = stream;
    m_placedMargins = QMarginsF(-1, -1, -1, -1);
    m_placedBackground = QColor();
    if (m_stream) {
        m_stream->setVideoAttached(true);
        m_stream->setSmoothing(m_smoothing);
        placePicture();
    }
    if (m_window)
        m_window->update();
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

void MpvVideoItem::RequestFrame(const QPointer<MpvVideoItem> &item)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [item] {
            if (item && item->window())
                item->window()->update();
        },
        Qt::QueuedConnection);
}

void MpvVideoItem::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemSceneChange)
        watchWindow(data.window);
    else if (change == ItemVisibleHasChanged && m_window)
        m_window->update();
    QQuickItem::itemChange(change, data);
}

void MpvVideoItem::watchWindow(QQuickWindow *window)
{
    if (window == m_window)
        return;
    if (m_window) {
        releaseRenderer();
        m_window->disconnect(this);
    }
    m_window = window;
    if (!window)
        return;
    connect(window, &QQuickWindow::beforeSynchronizing, this, &MpvVideoItem::synchronize,
            Qt::DirectConnection);
    // Every frame, on this thread before the render thread syncs: cheap unless the place
    // of the picture changed.
    connect(window, &QQuickWindow::afterAnimating, this, &MpvVideoItem::placePicture);
    window->update();
}

void MpvVideoItem::synchronize()
{
    if (!m_renderer) {
        m_renderer = new MpvVideoRenderer(this);
        connect(m_window, &QQuickWindow::beforeRenderPassRecording, m_renderer,
                [renderer = m_renderer.data(), window = m_window.data()] { renderer->render(window); },
                Qt::DirectConnection);
        connect(m_window, &QQuickWindow::sceneGraphInvalidated, m_renderer,
                [renderer = m_renderer.data()] { delete renderer; }, Qt::DirectConnection);
    }
    const QSize target = m_window->size() * m_window->effectiveDevicePixelRatio();
    const bool shown = isVisible() && width() > 0 && height() > 0;
    m_renderer->synchronize(m_stream ? m_stream->core() : MpvCorePtr(), target, shown);
}

void MpvVideoItem::placePicture()
{
    if (!m_stream || !m_window || m_window->width() <= 0 || m_window->height() <= 0)
        return;
    // The item's share of the window, as margins around it; mpv fills them with the
    // window's colour.
    const double w = m_window->width(), h = m_window->height();
    const QRectF area = mapRectToScene(boundingRect()).intersected(QRectF(0, 0, w, h));
    const QMarginsF margins = area.isEmpty()
        ? QMarginsF()
        : QMarginsF(area.left() / w, area.top() / h, (w - area.right()) / w, (h - area.bottom()) / h);
    if (margins != m_placedMargins) {
        m_placedMargins = margins;
        m_stream->setVideoMargins(margins);
    }
    if (m_window->color() != m_placedBackground) {
        m_placedBackground = m_window->color();
        m_stream->setVideoBackground(m_placedBackground);
    }
}

void MpvVideoItem::releaseResources()
{
    releaseRenderer();
}

void MpvVideoItem::releaseRenderer()
{
    if (m_renderer && m_window)
        m_window->scheduleRenderJob(new ReleaseRendererJob(m_renderer), QQuickWindow::BeforeSynchronizingStage);
    m_renderer = nullptr;
}
