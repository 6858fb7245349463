#include "windows/mobile_browser_window.h"

#include "ui_mobile_browser_window.h"

#include "app/builtin_addresses.h"
#include "skin/crystal/crystal_skin.h"
#include "player/flash_host.h"
#include "windows/mobile_link_filter.h"
#include "windows/viewer_page.h"
#include "windows/window_background.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

MobileBrowserWindow::MobileBrowserWindow(FlashHost &host, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::MobileBrowserWindow>()), m_host(host)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    FillWithColorKey(*this);
    QFont tabFont = m_ui->MobileTabs->font();
    tabFont.setPixelSize(12);
    m_ui->MobileTabs->setFont(tabFont);

    connect(m_ui->CloseButton, &QPushButton::clicked, this, &QWidget::close);
    m_youkuPage = AttachPage(*m_ui->YoukuViewer, BuiltinAddresses::YoukuMobileUrl);
    m_tudouPage = AttachPage(*m_ui->TudouViewer, BuiltinAddresses::TudouMobileUrl);

    MakeColorKeyed(this);
    ApplyCrystalSkin(this, 7, 1);
    // Centred until it is docked beside the main window.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

MobileBrowserWindow::~MobileBrowserWindow()
{
    // The pages (children of their viewers) may outlive this body.
    for (ViewerPage *page : {m_youkuPage, m_tudouPage})
        page->SetNavigationHandler({});
}

ViewerPage *MobileBrowserWindow::AttachPage(QWebEngineView &viewer, const QString &startAddress)
{
    auto *page = new ViewerPage(&viewer);
    viewer.setPage(page);
    page->SetNavigationHandler([this, page](const QUrl &, QWebEnginePage::NavigationType, bool isMainFrame) {
        if (!isMainFrame)
            return true;
        const QString address = page->StatusText();
        switch (MobileLinkFilter(address)) {
        case MobileLinkAction::Play:
            // The player is not driven from inside the engine's callback.
            QTimer::singleShot(0, this, [this, address] { m_host.OpenUrl(address); });
            return false;
        case MobileLinkAction::Ignore:
            return false;
        case MobileLinkAction::Navigate:
            break;
        }
        return true;
    });
    // New windows are refused and nothing else happens (the page's default).
    viewer.setUrl(QUrl(startAddress));
    return page;
}

void MobileBrowserWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlaceViewersInTabArea();
}

void MobileBrowserWindow::PlaceViewersInTabArea()
{
    // The viewers' template positions are measured from the tab control's corner, the tab
    // row included; a tab page starts below that row.
    if (m_viewersPlaced)
        return;
    m_viewersPlaced = true;
    for (QWebEngineView *viewer : {m_ui->YoukuViewer, m_ui->TudouViewer}) {
        QWidget *page = viewer->parentWidget();
        const QPoint pageCorner = page->mapTo(m_ui->MobileTabs, QPoint(0, 0));
        viewer->move(viewer->pos() - pageCorner);
    }
}
