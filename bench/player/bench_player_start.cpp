// Time from OpenUrl to State() = 1 (playing with a full buffer), for a local file and a
// loopback HTTP address, median of 10, beside mpv's own player reaching its first
// playback restart on the same address.

#include "bench_player_window.h"
#include "mpv_cli_run.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/test_http_server.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

constexpr int Runs = 10;

// A fresh player each run: a later stream of the same movie would count the previous
// stream's full buffer until it reports its own.
double OursMedian(const QString &address)
{
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        auto player = std::make_unique<BenchPlayerWindow>();
        player->host().OpenUrl(address);
        times << player->waitForState(1);
    }
    return Median(times);
}

double MpvMedian(const QString &address)
{
    QList<double> times;
    for (int run = 0; run < Runs; ++run)
        times << MpvCli::StartMilliseconds(address);
    return Median(times);
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString file = MediaFixtures::Flv(10);
    if (file.isEmpty()) {
        std::fprintf(stderr, "ffmpeg could not make the media file\n");
        return 1;
    }
    TestHttpServer server;
    server.serveFile("/pattern.flv", file, "video/x-flv");

    std::printf("start time, OpenUrl to State 1 vs mpv to its first playback restart (median of %d)\n", Runs);
    std::printf("%-10s %12s %12s %8s\n", "address", "ours ms", "mpv ms", "ratio");
    const QList<QPair<const char *, QString>> cases{{"local", file},
                                                    {"loopback", server.url("/pattern.flv")}};
    for (const auto &[label, address] : cases) {
        const double ours = OursMedian(address);
        const double mpv = MpvMedian(address);
        std::printf("%-10s %12.1f %12.1f %8.2f\n", label, ours, mpv, mpv > 0 ? ours / mpv : 0.0);
        std::fflush(stdout);
    }
    return 0;
}
