#include "mpv_cli_run.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <unistd.h>

namespace MpvCli {

namespace {

// utime + stime of a live process, in seconds.
double ProcessCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the parenthesised command name; utime and stime are fields 14 and 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double ticks = fields[11].toDouble() + fields[12].toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK));
}

}  // namespace

double StartMilliseconds(const QString &address)
{
    QProcess mpv;
    mpv.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    mpv.start(QStringLiteral("mpv"), {"--no-config", "--vo=null", "--ao=null", "--end=0.3",
                                      "--msg-level=all=no,cplayer=v", address});
    double result = -1;
    QByteArray output;
    while (mpv.state() != QProcess::NotRunning || mpv.bytesAvailable()) {
        mpv.waitForReadyRead(5);
        output += mpv.readAll();
        if (output.contains("playback restart complete")) {
            result = clock.nsecsElapsed() / 1e6;
            break;
        }
        if (clock.elapsed() > 30000)
            break;
    }
    mpv.kill();
    mpv.waitForFinished(5000);
    return result;
}

double PlayCpuSeconds(const QString &address, double seconds, const QStringList &options,
                      double warmUp)
{
    QProcess mpv;
    mpv.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mpv.setStandardOutputFile(QProcess::nullDevice());
    QStringList args{"--no-config", "--really-quiet"};
    args << options << address;
    mpv.start(QStringLiteral("mpv"), args);
    if (!mpv.waitForStarted(5000))
        return -1;
    QThread::msleep(qRound(warmUp * 1000));
    const double before = ProcessCpuSeconds(mpv.processId());
    QThread::msleep(qRound(seconds * 1000));
    const double after = ProcessCpuSeconds(mpv.processId());
    const double cpu = before < 0 || after < 0 ? -1 : after - before;
    mpv.kill();
    mpv.waitForFinished(5000);
    return cpu;
}

}  // namespace MpvCli
