#pragma once
// A window that exists at most once: opening it creates it from its template (the factory)
// when it is not open, and brings the open one forward otherwise. Closing destroys it, so
// the next opening starts from the template again.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

template <typename Window>
class SingleWindow {
public:
    using Factory = std::function<Window *()>;

    SingleWindow() : m_factory([] { return new Window; }) {}
    explicit SingleWindow(Factory factory) : m_factory(std::move(factory)) {}

    // The open window, created and shown when there was none, else raised and activated.
    // Windows opened here have no owner and are not modal.
    Window *Open()
    {
        if (m_window) {
            if (m_window->isMinimized())
                m_window->showNormal();
            else
                m_window->show();
            m_window->raise();
            m_window->activateWindow();
            return m_window;
        }
        Window *window = m_factory ? m_factory() : nullptr;
        if (!window)
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_window = window;
        window->show();
        return window;
    }

    // The open window, or null when it is not open.
    Window *Current() const { return m_window.data(); }
    bool IsOpen() const { return !m_window.isNull(); }

    // Closes (and so destroys) the open window; nothing when none is open.
    void Close()
    {
        if (m_window)
            m_window->close();
    }

private:
    Factory m_factory;
    QPointer<Window> m_window;
};
