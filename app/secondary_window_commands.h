#pragma once
// The menu commands that open the secondary windows, and the docking of the mobile
// browser beside the main window.

class MainWindow;
class FlashHost;

// Connects the secondary-window menu items of window's menu and its moved signal. Each
// secondary window exists at most once; opening an open one brings it forward.
void InstallSecondaryWindowCommands(MainWindow &window, FlashHost &host);

// MobileBrowserWindow.left := MainWindow.left + MainWindow.width − 50;
// MobileBrowserWindow.top := MainWindow.top + 70. No effect while the mobile window is not
// open (it is docked again when opened).
void DockMobileWindow();
