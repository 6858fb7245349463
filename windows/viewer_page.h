#pragma once
// A web page for the program's viewers: it remembers the status-bar text (the address of
// the link under the pointer) and hands navigation and new-window requests to its owner.

#include <QString>
#include <QWebEnginePage>
#include <functional>

class ViewerPage : public QWebEnginePage {
    Q_OBJECT
public:
    // Answers an about-to-navigate request: false cancels it. Must not nest an event loop
    // or change the engine's state; defer such work to the next event-loop turn.
    using NavigationHandler = std::function<bool(const QUrl &url, NavigationType type, bool isMainFrame)>;
    // Told of a new-window request, which is always refused; the same rules apply.
    using NewWindowHandler = std::function<void()>;

    explicit ViewerPage(QObject *parent = nullptr);

    // The last hovered link's address; empty once the pointer has left the link.
    const QString &StatusText() const { return m_statusText; }

    void SetNavigationHandler(NavigationHandler handler) { m_navigationHandler = std::move(handler); }
    void SetNewWindowHandler(NewWindowHandler handler) { m_newWindowHandler = std::move(handler); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    QString m_statusText;
    NavigationHandler m_navigationHandler;
    NewWindowHandler m_newWindowHandler;
};
