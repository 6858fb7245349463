#pragma once
// The movie's video instance: shows the picture of the NetStream attached to it. mpv's
// render API draws the picture straight into the window's frame, under the scene (before
// the scene graph draws its items), placed in the item's rectangle; the parts of the
// window outside the item get the window's colour. Items above the video show over the
// picture; an item below it that paints would cover it, so nothing below it should.

#include "player/net_stream.h"

#include <QColor>
#include <QMarginsF>
#include <QPointer>
#include <QQuickItem>

class MpvVideoRenderer;

class MpvVideoItem : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(NetStream *stream READ stream WRITE attachVideo NOTIFY streamChanged)
    Q_PROPERTY(bool smoothing READ smoothing WRITE setSmoothing NOTIFY smoothingChanged)
public:
    explicit MpvVideoItem(QQuickItem *parent = nullptr);
    ~MpvVideoItem() override;

    // Shows stream (null detaches). One video item a window: mpv draws the whole frame.
    Q_INVOKABLE void attachVideo(NetStream *stream);
    NetStream *stream() const { return m_stream; }
    bool smoothing() const { return m_smoothing; }
    void setSmoothing(bool smoothing);

    // Asks the window for a new frame; safe from any thread, also after the item is gone.
    static void RequestFrame(const QPointer<MpvVideoItem> &item);

signals:
    void streamChanged();
    void smoothingChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void releaseResources() override;

private:
    void watchWindow(QQuickWindow *window);
    void synchronize();  // render thread, with the GUI thread blocked
    void placePicture();
    void releaseRenderer();

    QPointer<NetStream> m_stream;
    bool m_smoothing = false;
    QPointer<QQuickWindow> m_window;
    QPointer<MpvVideoRenderer> m_renderer;  // lives and dies on the render thread
    QMarginsF m_placedMargins{-1, -1, -1, -1};
    QColor m_placedBackground;
};
