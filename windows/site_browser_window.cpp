#include "windows/site_browser_window.h"

#include "ui_site_browser_window.h"

#include "app/builtin_addresses.h"
#include "skin/crystal/crystal_skin.h"
#include "windows/viewer_page.h"
#include "windows/web_video_hand_off.h"
#include "windows/window_background.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

// Typed text as the user means it ("www.56.com" is a web address); empty stays empty.
QUrl AddressFromText(const QString &text)
{
    return text.isEmpty() ? QUrl() : QUrl::fromUserInput(text);
}

void CentreOnScreen(QWidget &window)
{
    QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.x() + area.width() / 2 - window.width() / 2, area.y() + area.height() / 2 - window.height() / 2);
}

}  // namespace

SiteBrowserWindow::SiteBrowserWindow(FlashHost &host, QWidget *mainWindow, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SiteBrowserWindow>())
{
    m_ui->setupUi(this);
    // A tool window stays out of the taskbar but keeps its title bar and buttons.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::ClickFocus);
    FillWithColorKey(*this);

    m_page = new ViewerPage(m_ui->SiteViewer);
    m_ui->SiteViewer->setPage(m_page);
    m_handOff = new WebVideoHandOff(*m_page, host, mainWindow, this);
    m_page->SetNavigationHandler([this](const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame) {
        return m_handOff->OnSiteViewerNavigating(url, type, isMainFrame);
    });
    m_page->SetNewWindowHandler([this] { OpenNewWindowRequestHere(); });

    m_ui->AddressBox->addItems(BuiltinAddresses::VideoSiteUrls);
    m_ui->AddressBox->setCurrentIndex(-1);
    m_ui->AddressBox->clearEditText();
    m_ui->AddressBox->installEventFilter(this);
    if (QLineEdit *edit = m_ui->AddressBox->lineEdit())
        edit->installEventFilter(this);
    // Raised after the box has taken the entry's text.
    connect(m_ui->AddressBox, &QComboBox::activated, this, &SiteBrowserWindow::GoToAddress);

    connect(m_ui->ForwardButton, &QPushButton::clicked, m_ui->SiteViewer, &QWebEngineView::forward);
    connect(m_ui->RefreshButton, &QPushButton::clicked, m_ui->SiteViewer, &QWebEngineView::reload);
    connect(m_ui->StopButton, &QPushButton::clicked, m_ui->SiteViewer, &QWebEngineView::stop);
    connect(m_ui->BackButton, &QPushButton::clicked, m_ui->SiteViewer, &QWebEngineView::back);
    connect(m_ui->GoButton, &QPushButton::clicked, this, &SiteBrowserWindow::GoToAddress);

    MakeColorKeyed(this);
    ApplyCrystalSkin(this, 6, 1);
    CentreOnScreen(*this);
    m_ui->SiteViewer->setUrl(QUrl(BuiltinAddresses::LogoMovieUrl));
}

SiteBrowserWindow::~SiteBrowserWindow()
{
    // The page (the viewer's child) may outlive this body; its handlers reach members.
    m_page->SetNavigationHandler({});
    m_page->SetNewWindowHandler({});
}

void SiteBrowserWindow::GoToAddress()
{
    m_ui->SiteViewer->setUrl(AddressFromText(m_ui->AddressBox->currentText()));
}

void SiteBrowserWindow::OpenNewWindowRequestHere()
{
    // The link under the pointer, read now; the viewer is changed on the next turn, never
    // inside the engine's callback.
    const QUrl address = AddressFromText(m_page->StatusText());
    QTimer::singleShot(0, m_ui->SiteViewer, [viewer = m_ui->SiteViewer, address] { viewer->setUrl(address); });
}

bool SiteBrowserWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GoToAddress();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SiteBrowserWindow::LayOut()
{
    // The window's outer size, border included.
    const QSize outer = frameGeometry().size();
    m_ui->SiteViewer->resize(outer.width() - 32, outer.height() - 80);
    m_ui->AddressBox->resize(outer.width() - 320, m_ui->AddressBox->height());
    m_ui->GoButton->move(outer.width() - m_ui->GoButton->width() - 15, m_ui->GoButton->y());
}

void SiteBrowserWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void SiteBrowserWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    LayOut();
}

void SiteBrowserWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager's frame, part of the outer size, arrives as a move after showing.
    LayOut();
}

void SiteBrowserWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        activateWindow();
        setFocus(Qt::MouseFocusReason);
    }
    QWidget::mousePressEvent(event);
}
