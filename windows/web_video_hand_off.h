#pragma once
// The site viewer's hand-off of followed links: the status-bar text goes to the resolver
// library, and a media answer plays in the main window while the viewer stays on its page.

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>

class FlashHost;
class QWidget;
class ViewerPage;

class WebVideoHandOff : public QObject {
    Q_OBJECT
public:
    // mainWindow gets the focus when a video plays; it may be null.
    WebVideoHandOff(ViewerPage &viewer, FlashHost &host, QWidget *mainWindow, QObject *parent = nullptr);

    // The viewer's about-to-navigate answer, given at once. A link click or a typed address
    // is held (false) until the library has answered: a media answer plays and the viewer
    // stays, any other answer lets exactly that navigation go ahead. Other main-frame
    // navigations go ahead at once, and a media answer for them still plays.
    bool OnSiteViewerNavigating(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame);

signals:
    // The library gave its answer for one navigation (for tests and diagnostics).
    void Resolved(const QString &statusText, const QString &mediaAddress);

private:
    void Play(const QString &mediaAddress);
    void Resume(const QUrl &url);
    void ReportBindFailure(const QString &failure);

    ViewerPage &m_viewer;
    FlashHost &m_host;
    QPointer<QWidget> m_mainWindow;
    QUrl m_passOnce;            // a held navigation let go: its next request is not asked about
    quint64 m_userNavigation = 0;  // counts navigations the user started; a newer one wins
};
