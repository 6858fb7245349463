#include "bench_player_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

BenchPlayerWindow::BenchPlayerWindow(const QSize &size)
{
    m_window.resize(size);
    m_window.show();
    (void)QTest::qWaitForWindowExposed(&m_window);
    const QSize area = VideoAreaOf(size);
    m_host.Init(&m_window, 140, 120, area.width(), area.height(), {});
    QTest::qWait(200);
}

double BenchPlayerWindow::waitForState(PlayerState state, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (m_host.State() == state)
            return clock.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    return -1;
}

double Median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
