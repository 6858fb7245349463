#pragma once
// The menu commands that open the secondary windows, and the docking of the mobile
// browser beside the main window.

class MainWindow;
class FlashHost;

// Connects the secondary-window menu items of window's menu and its moved signal.
void InstallSecondaryWindowCommands(MainWindow &window, FlashHost &host);
