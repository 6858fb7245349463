#include "platform/window_dragger.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDragger::WindowDragger(QWidget *window) : QObject(window), m_window(window)
{
    // Presses that no child accepted propagate up to the window itself and pass here.
    window->installEventFilter(this);
}

void WindowDragger::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    m_pressed = false;
    m_manualMove = false;
}

bool WindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || !m_enabled)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_pressed = true;
            m_manualMove = false;
            m_pressGlobal = mouse->globalPosition().toPoint();
            m_windowAtPress = m_window->pos();
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_pressed || !(mouse->buttons() & Qt::LeftButton))
            break;
        const QPoint delta = mouse->globalPosition().toPoint() - m_pressGlobal;
        if (m_manualMove) {
            m_window->move(m_windowAtPress + delta);
            return true;
        }
        if (delta.manhattanLength() < QApplication::startDragDistance())
            break;
        // The window manager moves the window; without one we follow the mouse ourselves.
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemMove()) {
            m_pressed = false;
        } else {
            m_manualMove = true;
            m_window->move(m_windowAtPress + delta);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_pressed = false;
            m_manualMove = false;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
