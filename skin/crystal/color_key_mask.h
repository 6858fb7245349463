#pragma once
#include <QObject>
#include <QPointer>
#include <QRegion>

class QWidget;

// The colour key of one window: a mask that leaves out every pixel the window draws in
// exactly magenta. It is taken from the window as drawn (background and children), when
// the window is shown and again whenever its look may have changed, never on every paint.
class ColorKeyMask : public QObject {
    Q_OBJECT
public:
    // Keys `window` (once; a second call just refreshes).
    static void Attach(QWidget *window);
    // The key of `window`, or none.
    static ColorKeyMask *Of(const QWidget *window);

    // The region a window of this look keeps: everything but its exactly-magenta pixels,
    // plus the areas of children that draw outside the window's own painting (GL, Quick).
    static QRegion OpaqueRegion(QWidget *window);

    // Takes the mask from the window now.
    void Refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ColorKeyMask(QWidget *window);
    void Watch(QObject *child);
    // One refresh after the current events have been handled, however many asked for it.
    void ScheduleRefresh();

    QPointer<QWidget> window_;
    bool refreshPending_ = false;
    bool refreshing_ = false;
};
