#include "windows/viewer_page.h"

#include "windows/browser_profile.h"

ViewerPage::ViewerPage(QObject *parent) : QWebEnginePage(BrowserProfile(), parent)
{
    connect(this, &QWebEnginePage::linkHovered, this, [this](const QString &url) { m_statusText = url; });
}

bool ViewerPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (m_navigationHandler)
        return m_navigationHandler(url, type, isMainFrame);
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage *ViewerPage::createWindow(WebWindowType)
{
    if (m_newWindowHandler)
        m_newWindowHandler();
    return nullptr;
}
