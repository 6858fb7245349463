#include "tests/support/desktop_session.h"

#include <QProcess>
#include <QThread>
#include <memory>

namespace DesktopSession {
namespace {

// Kept for the life of the process; the child is ended with it.
struct Helper {
    std::unique_ptr<QProcess> process;
    ~Helper()
    {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(2000))
                process->kill();
            process->waitForFinished(2000);
        }
    }
};

bool start(Helper &helper, const QString &program, const QStringList &args, int settleMs)
{
    if (helper.process && helper.process->state() == QProcess::Running)
        return true;
    helper.process = std::make_unique<QProcess>();
    helper.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.process->setStandardOutputFile(QProcess::nullDevice());
    helper.process->start(program, args);
    if (!helper.process->waitForStarted(5000))
        return false;
    QThread::msleep(settleMs);
    return helper.process->state() == QProcess::Running;
}

}  // namespace

bool EnsureWindowManager()
{
    static Helper wm;
    return start(wm, "openbox", {"--sm-disable"}, 700);
}

bool EnsureTrayHost()
{
    static Helper tray;
    return start(tray, "trayer", {"--edge", "top", "--align", "right", "--widthtype", "pixel",
                                  "--width", "120", "--height", "24"}, 700);
}

}  // namespace DesktopSession
