#include "app/program.h"

#include "app/global_objects.h"
#include "app/main_window.h"
#include "player/flash_control.h"
#include "player/flash_host.h"
#include "platform/skinned_message_box.h"
#include "skin/crystal/crystal_skin.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSurfaceFormat>
#include <QTimer>
#include <cstdio>

namespace {

// For measuring start-up only: QINGLAN_EXIT_WHEN_SHOWN set, the program prints one line
// once MainWindow has been painted on screen and ends through its usual exit.
class ShownReporter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            std::printf("main window shown\n");
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void SkinMessageBox(QMessageBox &box)
{
    MakeColorKeyed(&box);
    ApplyCrystalSkin(&box, 7, 1);
}

void PrepareGraphics()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);
}

int RunProgram()
{
    CreateGlobalObjects();
    // The window system's close and the exit command both end the event loop; the
    // release runs then, once.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &OnProcessExit);
    qApp->setQuitOnLastWindowClosed(false);

    CrystalSkinInit();
    SetUpLoadDialogs();
    // Every message box of the program is skinned like its windows.
    SetBoxSkinner(SkinMessageBox);

    MainWindow window(*Globals::PlayerHost, *Globals::LogoControl);
    if (qEnvironmentVariableIsSet("QINGLAN_EXIT_WHEN_SHOWN"))
        window.installEventFilter(new ShownReporter(&window));
    window.show();
    QApplication::exec();
    OnProcessExit();
    return 0;
}

void OnProcessExit()
{
    static bool released = false;
    if (released)
        return;
    released = true;
    ReleaseGlobalObjects();
}
