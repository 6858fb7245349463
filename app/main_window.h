#pragma once
// MainWindow: the borderless, skinned frame of the player with the video area, SeekBar,
// StatusLabel and VolumeBar, the three status timers, the link drop target, the tray icon
// and ContextMenu with every command.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>

class FlashControl;
class FlashHost;
class IntervalTimer;
class MultiFunctionBar;
class PlaybackCommands;
class QAction;
class QLabel;
class QMenu;
class StatusTimers;
class TrayIcon;
class UrlDropTarget;
class WindowDragger;

namespace Ui {
class MainWindow;
}

class MainWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int ProgressInterval = 1000;
    static constexpr int IdleInterval = 51000;
    static constexpr int StateInterval = 1000;

    // Creates the window from its template and runs its created handler: the player host
    // is initialised inside it and the logo control created over the video area.
    MainWindow(FlashHost &host, FlashControl &logo, QWidget *parent = nullptr);
    ~MainWindow() override;

    FlashHost &Host() const { return m_host; }
    FlashControl &Logo() const { return m_logo; }
    MultiFunctionBar *SeekBar() const;
    MultiFunctionBar *VolumeBar() const;
    QLabel *StatusLabel() const;
    IntervalTimer *ProgressTimer() const { return m_progressTimer; }
    IntervalTimer *IdleTimer() const { return m_idleTimer; }
    IntervalTimer *StateTimer() const { return m_stateTimer; }
    UrlDropTarget *DropTarget() const { return m_dropTarget; }
    QMenu *ContextMenu() const { return m_contextMenu; }
    TrayIcon *Tray() const { return m_tray; }
    PlaybackCommands &Commands() const { return *m_commands; }
    // The ContextMenu item with that objectName (see context_menu.h); null when none.
    QAction *MenuItem(const char *objectName) const;

    // Size at creation, restored when leaving full screen.
    int NormalWidth() const { return m_normalWidth; }
    int NormalHeight() const { return m_normalHeight; }

    bool IsFullScreenLayout() const { return x() == 0 && y() == 0; }
    bool IsMovable() const;
    bool IsTopmost() const;
    QColor BackgroundColor() const { return m_backgroundColor; }

    // Menu commands of the window itself.
    void ToggleFullScreen();
    void EnterFullScreen();
    void LeaveFullScreen();
    void ToggleTopmost();
    // Asks "您确定要退出青岚播放器？"; on Yes removes the tray icon and ends the program
    // with code 0.
    void ConfirmExit();

    // ContextMenu at the cursor + (3, 3): a right click inside the window.
    void PopUpMenuAtCursor();
    // ContextMenu right-aligned at the cursor − (5, 5), window brought forward: the tray icon.
    void PopUpMenuFromTray();

signals:
    void windowMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void OnCreated();
    void SetMovable(bool movable);
    void PlaceSeekBarNormally();
    void EndProgram();

    std::unique_ptr<Ui::MainWindow> m_ui;
    FlashHost &m_host;
    FlashControl &m_logo;
    IntervalTimer *m_progressTimer = nullptr;
    IntervalTimer *m_idleTimer = nullptr;
    IntervalTimer *m_stateTimer = nullptr;
    UrlDropTarget *m_dropTarget = nullptr;
    QMenu *m_contextMenu = nullptr;
    TrayIcon *m_tray = nullptr;
    WindowDragger *m_dragger = nullptr;
    std::unique_ptr<PlaybackCommands> m_commands;
    std::unique_ptr<StatusTimers> m_timers;
    QImage m_background;
    QColor m_backgroundColor;
    int m_normalWidth = 0;
    int m_normalHeight = 0;
};
