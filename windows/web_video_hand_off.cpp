#include "windows/web_video_hand_off.h"

#include "platform/skinned_message_box.h"
#include "player/flash_host.h"
#include "windows/media_address.h"
#include "windows/qinglan_library.h"
#include "windows/resolve_worker.h"
#include "windows/viewer_page.h"

#include <QTimer>
#include <QWebEngineView>
#include <QWidget>
#include <utility>

namespace {

bool StartedByUser(QWebEnginePage::NavigationType type)
{
    return type == QWebEnginePage::NavigationTypeLinkClicked || type == QWebEnginePage::NavigationTypeTyped
        || type == QWebEnginePage::NavigationTypeBackForward || type == QWebEnginePage::NavigationTypeReload
        || type == QWebEnginePage::NavigationTypeFormSubmitted;
}

}  // namespace

WebVideoHandOff::WebVideoHandOff(ViewerPage &viewer, FlashHost &host, QWidget *mainWindow, QObject *parent)
    : QObject(parent), m_viewer(viewer), m_host(host), m_mainWindow(mainWindow)
{
}

bool WebVideoHandOff::OnSiteViewerNavigating(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return true;
    if (!m_passOnce.isEmpty() && std::exchange(m_passOnce, QUrl()) == url)
        return true;

    QinglanLibrary &library = QinglanLibrary::Program();
    QString failure;
    if (!library.Bind(&failure)) {
        ReportBindFailure(failure);
        return true;
    }

    const bool hold = type == QWebEnginePage::NavigationTypeLinkClicked || type == QWebEnginePage::NavigationTypeTyped;
    if (StartedByUser(type))
        ++m_userNavigation;
    const quint64 navigation = m_userNavigation;
    const QString statusText = m_viewer.StatusText();
    ResolveWorker::Program().Resolve(library, statusText, this,
                                     [this, url, hold, navigation, statusText](const QString &mediaAddress) {
                                         emit Resolved(statusText, mediaAddress);
                                         if (IsMediaAddress(mediaAddress))
                                             Play(mediaAddress);
                                         else if (hold && navigation == m_userNavigation)
                                             Resume(url);
                                     });
    return !hold;
}

void WebVideoHandOff::Play(const QString &mediaAddress)
{
    if (m_mainWindow) {
        QWidget *window = m_mainWindow->window();
        window->raise();
        window->activateWindow();
        window->setFocus(Qt::OtherFocusReason);
    }
    m_host.OpenUrl(mediaAddress);
}

void WebVideoHandOff::Resume(const QUrl &url)
{
    m_passOnce = url;
    m_viewer.load(url);
}

void WebVideoHandOff::ReportBindFailure(const QString &failure)
{
    // Once per program: browsing goes on without the hand-off, and each later navigation
    // tries to bind again.
    static bool reported = false;
    if (std::exchange(reported, true))
        return;
    const QString text =
        QStringLiteral("找不到视频解析库“%1”或其中的例程“%2”。\n"
                       "网页照常打开，但视频链接不会交给播放器播放。\n\n%3")
            .arg(QLatin1String(QinglanLibrary::FileName), QLatin1String(QinglanLibrary::RoutineName), failure);
    QWebEngineView *view = QWebEngineView::forPage(&m_viewer);
    QPointer<QWidget> owner = view ? view->window() : nullptr;
    // A message box runs an event loop of its own: never inside the engine's callback.
    QTimer::singleShot(0, this, [owner, text] {
        SkinnedMessageBox(owner, text, BoxStyle::IconStop | BoxStyle::Ok, QStringLiteral("青岚播放器"));
    });
}
