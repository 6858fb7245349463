#include "app/main_window.h"

#include "app/builtin_addresses.h"
#include "app/context_menu.h"
#include "app/layout.h"
#include "app/playback_commands.h"
#include "app/program_icon.h"
#include "app/secondary_window_commands.h"
#include "app/status_timers.h"
#include "platform/interval_timer.h"
#include "platform/multi_function_bar.h"
#include "platform/skinned_message_box.h"
#include "platform/tray_icon.h"
#include "platform/url_drop_target.h"
#include "platform/window_dragger.h"
#include "player/flash_control.h"
#include "player/flash_host.h"
#include "skin/crystal/crystal_skin.h"
#include "ui_main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

const QColor ColorKey(0xFF, 0x00, 0xFF);
const QString TrayTip = QStringLiteral("青岚播放器V1.0");

QSize ScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

IntervalTimer *MakeTimer(const char *name, int interval, QObject *parent)
{
    auto *timer = new IntervalTimer(interval, parent);
    timer->setObjectName(QString::fromLatin1(name));
    return timer;
}

}  // namespace

MainWindow::MainWindow(FlashHost &host, FlashControl &logo, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::MainWindow>()),
      m_host(host),
      m_logo(logo),
      m_background(QStringLiteral(":/assets/main/background.bmp")),
      m_backgroundColor(ColorKey)
{
    m_ui->setupUi(this);
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);

    QFont font = StatusLabel()->font();
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(16);
    font.setBold(true);
    StatusLabel()->setFont(font);
    // Created disabled, so clicks go through to the window (drag-anywhere); its text keeps
    // the readable colour of an enabled label.
    QPalette palette = StatusLabel()->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, QColor(0xd8, 0xde, 0xe6));
    StatusLabel()->setPalette(palette);

    m_progressTimer = MakeTimer("ProgressTimer", ProgressInterval, this);
    m_idleTimer = MakeTimer("IdleTimer", IdleInterval, this);
    m_stateTimer = MakeTimer("StateTimer", StateInterval, this);
    m_dropTarget = new UrlDropTarget(this);
    m_dropTarget->setObjectName(QStringLiteral("UrlDropTarget"));
    m_contextMenu = BuildContextMenu(this);
    m_tray = new TrayIcon(this);
    m_tray->setObjectName(QStringLiteral("TrayIcon"));
    m_dragger = new WindowDragger(this);

    m_commands = std::make_unique<PlaybackCommands>(*this);
    m_commands->Connect();
    m_timers = std::make_unique<StatusTimers>(*this);
    m_timers->Connect();

    connect(MenuItem("FullScreenItem"), &QAction::triggered, this, &MainWindow::ToggleFullScreen);
    connect(MenuItem("TopmostItem"), &QAction::triggered, this, &MainWindow::ToggleTopmost);
    connect(MenuItem("ExitItem"), &QAction::triggered, this, &MainWindow::ConfirmExit);
    connect(m_tray, &TrayIcon::rightClicked, this, &MainWindow::PopUpMenuFromTray);

    OnCreated();
}

MainWindow::~MainWindow()
{
    // The commands and timers refer to the controls: they go first.
    m_timers.reset();
    m_commands.reset();
}

void MainWindow::OnCreated()
{
    const QRect video = MainLayout::VideoRect(width(), height());
    m_host.Init(this, video.x(), video.y(), video.width(), video.height(),
                [this](int, int, int) { PopUpMenuAtCursor(); });
    m_commands->InitVolume();
    m_dropTarget->Register(this);
    ApplyCrystalSkin(this, 7, 1);
    MakeColorKeyed(this);

    move(MainLayout::CentredPosition(ScreenSize(), size()));
    m_normalWidth = width();
    m_normalHeight = height();
    StatusLabel()->setGeometry(
        MainLayout::StatusPlacement(width(), height(), StatusLabel()->height()));
    m_tray->Show(ProgramIcon(), TrayTip);

    const QRect logo = MainLayout::VideoRect(width(), height());
    m_logo.Create(this, logo.x(), logo.y(), logo.width(), logo.height());
    m_logo.SetMovie(BuiltinAddresses::LogoMovieUrl);

    VolumeBar()->SetPosition(50);
    VolumeBar()->move(MainLayout::VolumeBarPosition(width(), height(), VolumeBar()->height()));
    PlaceSeekBarNormally();

    InstallSecondaryWindowCommands(*this, m_host);
}

MultiFunctionBar *MainWindow::SeekBar() const
{
    return m_ui->SeekBar;
}

MultiFunctionBar *MainWindow::VolumeBar() const
{
    return m_ui->VolumeBar;
}

QLabel *MainWindow::StatusLabel() const
{
    return m_ui->StatusLabel;
}

QAction *MainWindow::MenuItem(const char *objectName) const
{
    return FindMenuItem(m_contextMenu, objectName);
}

bool MainWindow::IsMovable() const
{
    return m_dragger->IsEnabled();
}

bool MainWindow::IsTopmost() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainWindow::SetMovable(bool movable)
{
    m_dragger->SetEnabled(movable);
}

void MainWindow::PlaceSeekBarNormally()
{
    SeekBar()->setGeometry(MainLayout::SeekBarPlacement(width(), height(), SeekBar()->height()));
}

void MainWindow::ToggleFullScreen()
{
    // Full screen is recognised by position alone.
    if (IsFullScreenLayout()) {
        LeaveFullScreen();
        PlaceSeekBarNormally();
        StatusLabel()->setVisible(true);
    } else {
        StatusLabel()->setVisible(false);
        EnterFullScreen();
        SeekBar()->setGeometry(MainLayout::FullScreenSeekBarPlacement(
            ScreenSize(), MainLayout::BottomReservedHeight(), SeekBar()->height()));
    }
}

void MainWindow::EnterFullScreen()
{
    SetMovable(false);
    const QSize screen = ScreenSize();
    move(0, 0);
    resize(screen);
    const QRect video = MainLayout::FullScreenVideoRect(screen);
    m_host.Move(video.x(), video.y(), video.width(), video.height());
    m_backgroundColor = Qt::black;
    update();
    StatusLabel()->setGeometry(
        MainLayout::FullScreenStatusPlacement(width(), height(), StatusLabel()->height()));
    RefreshColorKey(this);
}

void MainWindow::LeaveFullScreen()
{
    m_backgroundColor = ColorKey;
    update();
    resize(m_normalWidth, m_normalHeight);
    move(MainLayout::CentredPosition(ScreenSize(), size()));
    const QRect video = MainLayout::VideoRect(width(), height());
    m_host.Move(video.x(), video.y(), video.width(), video.height());
    SetMovable(true);
    StatusLabel()->setGeometry(
        MainLayout::StatusPlacement(width(), height(), StatusLabel()->height()));
    RefreshColorKey(this);
}

void MainWindow::ToggleTopmost()
{
    const bool topmost = !IsTopmost();
    // Told to the window system directly: re-creating the window would hide it.
    overrideWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost));
    if (QWindow *handle = windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    MenuItem("TopmostItem")->setText(topmost ? QStringLiteral("窗口已置顶")
                                             : QStringLiteral("窗口非置顶"));
}

void MainWindow::ConfirmExit()
{
    const int answer = SkinnedMessageBox(this, QStringLiteral("您确定要退出青岚播放器？"),
                                         BoxStyle::YesNo | BoxStyle::IconExclamation,
                                         QStringLiteral("温馨提示"));
    if (answer == BoxResult::Yes)
        EndProgram();
}

void MainWindow::EndProgram()
{
    m_tray->Remove();
    // The shutdown sequence runs as the application's event loop returns.
    QCoreApplication::exit(0);
}

void MainWindow::PopUpMenuAtCursor()
{
    m_contextMenu->popup(QCursor::pos() + QPoint(3, 3));
}

void MainWindow::PopUpMenuFromTray()
{
    raise();
    activateWindow();
    const QPoint anchor = QCursor::pos() - QPoint(5, 5);
    m_contextMenu->ensurePolished();
    m_contextMenu->popup(QPoint(anchor.x() - m_contextMenu->sizeHint().width(), anchor.y()));
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backgroundColor);
    if (!m_background.isNull()) {
        // Centred, as the template draws its picture; int() truncates toward zero.
        const int left = int(width() / 2.0 - m_background.width() / 2.0);
        const int top = int(height() / 2.0 - m_background.height() / 2.0);
        painter.drawImage(left, top, m_background);
    }
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    emit windowMoved();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closed by the window system (taskbar, window manager): the same orderly end as the
    // menu's exit, without the question.
    event->ignore();
    EndProgram();
}
