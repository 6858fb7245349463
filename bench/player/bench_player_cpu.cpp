// CPU seconds the program uses in 30 s with nothing playing and in 30 s of playing a file,
// beside mpv's own player playing the same file (with no output, and drawing its picture
// through OpenGL into a window of the video area's size, as the program does). The playing
// figures are taken at two window sizes, the program's own among them.

#include "bench_player_window.h"
#include "mpv_cli_run.h"
#include "tests/support/media_fixtures.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

double OwnCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
           + usage.ru_stime.tv_usec / 1e6;
}

// Runs the event loop as the program does (QTest::qWait would wake every 10 ms).
double CpuOver(double seconds)
{
    const double before = OwnCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(qRound(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    return OwnCpuSeconds() - before;
}

void PrintCpu(const char *what, double cpu, double seconds)
{
    std::printf("%-40s %8.3f  (%.2f %%)\n", what, cpu, cpu / seconds * 100);
    std::fflush(stdout);
}

struct PlayingCpu {
    double ours = 0;
    double mpv = 0;
};

// Plays file in a window of the given size, laid out as the main window is, beside mpv
// drawing into a window of the video area's size. The two take turns in `slices` equal
// slices, the program paused while mpv runs, so a slow spell of the machine falls on
// both; the sums over all slices are returned (-1 when the file did not start).
PlayingCpu PlayingCpuOf(const QString &file, const QSize &window, double seconds, int slices)
{
    BenchPlayerWindow player(window);
    player.host().OpenUrl(file);
    if (player.waitForState(1) < 0)
        return {-1, -1};
    const QSize area = BenchPlayerWindow::VideoAreaOf(window);
    const QString geometry = QStringLiteral("--geometry=%1x%2").arg(area.width()).arg(area.height());
    PlayingCpu cpu;
    const double slice = seconds / slices;
    for (int i = 0; i < slices; ++i) {
        if (i > 0) {
            player.host().TogglePlay();  // resume
            CpuOver(0.5);                // back to a steady pace before counting
        }
        cpu.ours += CpuOver(slice);
        player.host().TogglePlay();  // pause
        cpu.mpv += MpvCli::PlayCpuSeconds(
            file, slice, {"--vo=gpu", "--gpu-context=x11egl", "--ao=null", geometry});
    }
    player.host().Stop();
    return cpu;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // An optional first argument shortens the runs, for quick comparisons.
    const double seconds = argc > 1 && std::atof(argv[1]) > 0 ? std::atof(argv[1]) : 30;
    const QString file = MediaFixtures::Flv(seconds + 8);
    if (file.isEmpty()) {
        std::fprintf(stderr, "ffmpeg could not make the media file\n");
        return 1;
    }
    std::printf("CPU seconds in %.0f s (share of one core)\n", seconds);
    {
        BenchPlayerWindow player;
        PrintCpu("ours, idle", CpuOver(seconds), seconds);
    }
    const double mpvNull = MpvCli::PlayCpuSeconds(file, seconds, {"--vo=null", "--ao=null"});
    PrintCpu("mpv --vo=null --ao=null", mpvNull, seconds);

    // A small window, and the program's own (946 x 666, video area 681 x 426).
    for (const QSize window : {QSize(640, 480), QSize(946, 666)}) {
        const QSize area = BenchPlayerWindow::VideoAreaOf(window);
        const PlayingCpu cpu = PlayingCpuOf(file, window, seconds, 3);
        if (cpu.ours < 0) {
            std::fprintf(stderr, "the file did not start\n");
            return 1;
        }
        const QString size = QStringLiteral("%1x%2").arg(area.width()).arg(area.height());
        PrintCpu(qPrintable(QStringLiteral("ours, playing, video area ") + size), cpu.ours, seconds);
        PrintCpu(qPrintable(QStringLiteral("mpv --vo=gpu x11egl ") + size), cpu.mpv, seconds);
        std::printf("playing ratio at %s, ours / mpv drawing: %.2f   ours / mpv without output: %.2f\n",
                    qPrintable(size), cpu.mpv > 0 ? cpu.ours / cpu.mpv : 0.0,
                    mpvNull > 0 ? cpu.ours / mpvNull : 0.0);
    }
    return 0;
}
