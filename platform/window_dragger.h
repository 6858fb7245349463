#pragma once
// Drag-anywhere: a left press-and-drag on any point of a window that no control takes
// moves the window, while the dragger is enabled.

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

class WindowDragger : public QObject {
    Q_OBJECT

public:
    explicit WindowDragger(QWidget *window);

    void SetEnabled(bool enabled);
    bool IsEnabled() const { return m_enabled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    bool m_enabled = true;
    bool m_pressed = false;
    bool m_manualMove = false;
    QPoint m_pressGlobal;
    QPoint m_windowAtPress;
};
