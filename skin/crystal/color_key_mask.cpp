#include "skin/crystal/color_key_mask.h"

#include "skin/crystal/crystal_skin.h"

#include <QChildEvent>
#include <QEvent>
#include <QImage>
#include <QWidget>
#include <algorithm>

namespace {

constexpr QRgb kColorKey = 0xFFFF00FF;

// Children whose pixels come from a GPU surface or a native window of their own may render
// as nothing off-screen; what they cover is kept rather than guessed.
bool DrawsOffWidget(const QObject *object)
{
    return object->inherits("QOpenGLWidget") || object->inherits("QQuickWidget")
        || object->inherits("QWindowContainer");
}

// The pixels of `image` not of `key`, as runs per row; equal rows that follow each other
// share one band, so a picture with plain surroundings costs a handful of rectangles.
QRegion RegionWithoutColor(const QImage &image, QRgb key)
{
    QList<QRect> rects;
    QList<QRect> previousRow;
    qsizetype bandStart = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QList<QRect> row;
        for (int x = 0; x < image.width();) {
            if ((line[x] | 0xFF000000u) == key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && (line[x] | 0xFF000000u) != key)
                ++x;
            row.append(QRect(start, y, x - start, 1));
        }
        const bool sameAsAbove = y > 0 && row.size() == previousRow.size()
            && std::equal(row.cbegin(), row.cend(), previousRow.cbegin(),
                          [](const QRect &a, const QRect &b) { return a.left() == b.left() && a.right() == b.right(); });
        if (sameAsAbove) {
            for (qsizetype i = bandStart; i < rects.size(); ++i)
                rects[i].setBottom(y);
        } else {
            bandStart = rects.size();
            rects.append(row);
        }
        previousRow = row;
    }
    QRegion region;
    region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

}  // namespace

ColorKeyMask::ColorKeyMask(QWidget *window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("ColorKeyMask"));
}

void ColorKeyMask::Attach(QWidget *window)
{
    if (!window)
        return;
    if (ColorKeyMask *existing = Of(window)) {
        existing->Refresh();
        return;
    }
    auto *key = new ColorKeyMask(window);
    window->installEventFilter(key);
    for (QObject *child : window->children())
        key->Watch(child);
    if (window->isVisible())
        key->Refresh();
}

ColorKeyMask *ColorKeyMask::Of(const QWidget *window)
{
    return window ? window->findChild<ColorKeyMask *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QRegion ColorKeyMask::OpaqueRegion(QWidget *window)
{
    const QSize size = window->size();
    if (size.isEmpty())
        return QRegion();
    QImage drawn(size, QImage::Format_RGB32);
    drawn.fill(Qt::black);
    window->render(&drawn, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    QRegion kept = RegionWithoutColor(drawn, kColorKey);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (DrawsOffWidget(child) && child->isVisible() && !child->isWindow())
            kept += QRect(child->mapTo(window, QPoint(0, 0)), child->size());
    }
    return kept;
}

void ColorKeyMask::Refresh()
{
    if (!window_ || refreshing_)
        return;
    refreshing_ = true;
    const QRegion kept = OpaqueRegion(window_);
    const QRect whole = window_->rect();
    if (kept.isEmpty() && whole.isEmpty()) {
        // nothing drawn yet
    } else if (kept.rectCount() == 1 && kept.boundingRect() == whole) {
        if (!window_->mask().isEmpty())
            window_->clearMask();
    } else if (kept != window_->mask()) {
        window_->setMask(kept);
    }
    refreshing_ = false;
}

void ColorKeyMask::Watch(QObject *child)
{
    auto *widget = qobject_cast<QWidget *>(child);
    if (widget && !widget->isWindow())
        widget->installEventFilter(this);
}

void ColorKeyMask::ScheduleRefresh()
{
    if (refreshPending_ || refreshing_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            if (window_ && window_->isVisible())
                Refresh();
        },
        Qt::QueuedConnection);
}

bool ColorKeyMask::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Show:
            // Before the window reaches the screen, so no magenta shows for a moment; then
            // again once the window's own show handling has run.
            Refresh();
            ScheduleRefresh();
            break;
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved: {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (!child->isWidgetType())
                break;
            if (event->type() == QEvent::ChildAdded)
                Watch(child);
            ScheduleRefresh();
            break;
        }
        case QEvent::Resize:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::WindowStateChange:
            ScheduleRefresh();
            break;
        default:
            break;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        ScheduleRefresh();
        break;
    default:
        break;
    }
    return false;
}

void MakeColorKeyed(QWidget *window)
{
    ColorKeyMask::Attach(window);
}

void RefreshColorKey(QWidget *window)
{
    if (ColorKeyMask *key = ColorKeyMask::Of(window))
        key->Refresh();
}
