// Start-up to window shown: starts the real program ten times on the current display
// and prints the median time from process start to the main window's first paint.
// Run on an X display, e.g. under xvfb-run.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 10;

// Milliseconds until the program reports its window shown; -1 when it never does.
double TimeToShown()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QINGLAN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(QINGLAN_PLAYER_BINARY), {});
    if (!program.waitForStarted(10000))
        return -1;
    QByteArray output;
    double shownAt = -1;
    while (shownAt < 0 && program.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
        program.waitForReadyRead(100);
        output += program.readAllStandardOutput();
        if (output.contains("main window shown"))
            shownAt = clock.nsecsElapsed() / 1e6;
    }
    program.waitForFinished(30000);
    if (shownAt < 0) {
        output += program.readAllStandardOutput();
        if (output.contains("main window shown"))
            shownAt = clock.nsecsElapsed() / 1e6;
    }
    return shownAt;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    std::vector<double> times;
    TimeToShown();  // warms the file cache; not counted
    for (int i = 0; i < Runs; ++i) {
        const double ms = TimeToShown();
        if (ms < 0) {
            std::fprintf(stderr, "run %d: the window was not shown\n", i + 1);
            return 1;
        }
        std::printf("run %2d: %.1f ms\n", i + 1, ms);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const double median = (times[Runs / 2 - 1] + times[Runs / 2]) / 2;
    std::printf("start-up to window shown, median of %d: %.1f ms\n", Runs, median);
    return 0;
}
