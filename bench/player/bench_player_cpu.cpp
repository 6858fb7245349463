// CPU seconds the program uses in 30 s with nothing playing and in 30 s of playing a file,
// beside mpv's own player playing the same file (with no output, and drawing its picture
// through OpenGL into a window of the video area's size, as the program does).

#include "bench_player_window.h"
#include "mpv_cli_run.h"
#include "tests/support/media_fixtures.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr double Seconds = 30;

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

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString file = MediaFixtures::Flv(Seconds + 8);
    if (file.isEmpty()) {
        std::fprintf(stderr, "ffmpeg could not make the media file\n");
        return 1;
    }
    BenchPlayerWindow player;
    std::printf("CPU seconds in %.0f s (share of one core)\n", Seconds);

    const double idle = CpuOver(Seconds);
    std::printf("%-36s %8.3f  (%.2f %%)\n", "ours, idle", idle, idle / Seconds * 100);
    std::fflush(stdout);

    player.host().OpenUrl(file);
    if (player.waitForState(1) < 0) {
        std::fprintf(stderr, "the file did not start\n");
        return 1;
    }
    const double playing = CpuOver(Seconds);
    player.host().Stop();
    std::printf("%-36s %8.3f  (%.2f %%)\n", "ours, playing", playing, playing / Seconds * 100);
    std::fflush(stdout);

    const double mpvNull = MpvCli::PlayCpuSeconds(file, Seconds, {"--vo=null", "--ao=null"});
    std::printf("%-36s %8.3f  (%.2f %%)\n", "mpv --vo=null --ao=null", mpvNull, mpvNull / Seconds * 100);
    const double mpvGpu = MpvCli::PlayCpuSeconds(
        file, Seconds, {"--vo=gpu", "--gpu-context=x11egl", "--ao=null", "--geometry=375x240"});
    std::printf("%-36s %8.3f  (%.2f %%)\n", "mpv --vo=gpu x11egl 375x240", mpvGpu, mpvGpu / Seconds * 100);
    std::printf("playing ratio, ours / mpv drawing: %.2f   ours / mpv without output: %.2f\n",
                mpvGpu > 0 ? playing / mpvGpu : 0.0, mpvNull > 0 ? playing / mpvNull : 0.0);
    return 0;
}
