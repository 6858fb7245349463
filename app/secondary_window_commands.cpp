#include "app/secondary_window_commands.h"

#include "app/main_window.h"
#include "platform/single_window.h"
#include "windows/about_window.h"
#include "windows/mobile_browser_window.h"
#include "windows/site_browser_window.h"

#include <QAction>
#include <QPointer>
#include <functional>

namespace {

// The three secondary windows of one main window; a child of it.
class SecondaryWindows : public QObject {
public:
    SecondaryWindows(MainWindow &window, FlashHost &host)
        : QObject(&window),
          mainWindow(window),
          siteBrowser([&window, &host] { return new SiteBrowserWindow(host, &window); }),
          mobileBrowser([&host] { return new MobileBrowserWindow(host); }),
          about([] { return new AboutWindow; })
    {
    }

    MainWindow &mainWindow;
    SingleWindow<SiteBrowserWindow> siteBrowser;
    SingleWindow<MobileBrowserWindow> mobileBrowser;
    SingleWindow<AboutWindow> about;
};

QPointer<SecondaryWindows> &Installed()
{
    static QPointer<SecondaryWindows> windows;
    return windows;
}

void OnItem(MainWindow &window, SecondaryWindows *windows, const char *objectName, std::function<void()> command)
{
    if (QAction *item = window.MenuItem(objectName))
        QObject::connect(item, &QAction::triggered, windows, std::move(command));
}

}  // namespace

void InstallSecondaryWindowCommands(MainWindow &window, FlashHost &host)
{
    SecondaryWindows *windows = new SecondaryWindows(window, host);
    Installed() = windows;

    OnItem(window, windows, "OpenSiteBrowserItem", [windows] { windows->siteBrowser.Open(); });
    OnItem(window, windows, "OpenMobileBrowserItem", [windows] {
        windows->mobileBrowser.Open();
        DockMobileWindow();
    });
    for (const char *item : {"OfficialSiteItem", "DonateItem", "ForumItem", "HelpItem"})
        OnItem(window, windows, item, [windows] { windows->about.Open(); });
    QObject::connect(&window, &MainWindow::windowMoved, windows, [] { DockMobileWindow(); });
}

void DockMobileWindow()
{
    SecondaryWindows *windows = Installed();
    if (!windows)
        return;
    MobileBrowserWindow *mobile = windows->mobileBrowser.Current();
    if (!mobile)
        return;
    const QRect main = windows->mainWindow.frameGeometry();
    mobile->move(main.left() + main.width() - 50, main.top() + 70);
}
