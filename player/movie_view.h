#pragma once
// Shows a QML movie's root item in a native child window of its own. Each video frame is
// drawn straight to that window's surface, so the host window is not redrawn and
// recomposed for every frame. The window takes no input: clicks, wheel turns and drops
// fall through to the host's widgets, as they would on a plain widget.

#include <QColor>
#include <QPointer>
#include <QWidget>

class QQuickItem;
class QQuickWindow;

class MovieView : public QWidget {
    Q_OBJECT
public:
    // Takes root (created with C++ ownership) and sizes it to the view from now on.
    MovieView(QQuickItem *root, const QColor &color, QWidget *parent);
    ~MovieView() override;

    QQuickItem *rootItem() const { return m_root; }
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<QQuickItem> m_root;
    QQuickWindow *m_window = nullptr;  // owned by m_container
    QWidget *m_container = nullptr;
    QColor m_color;
};
