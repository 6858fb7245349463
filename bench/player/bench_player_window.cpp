#include "bench_player_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

BenchPlayerWindow::BenchPlayerWindow()
{
    m_window.resize(640, 480);
    m_window.show();
    (void)QTest::qWaitForWindowExposed(&m_window);
    m_host.Init(&m_window, 140, 120, m_window.width() - 265, m_window.height() - 240, {});
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
