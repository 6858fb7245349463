#include "platform/interval_timer.h"

IntervalTimer::IntervalTimer(int interval, QObject *parent) : QObject(parent)
{
    // Ticks at the written period, not at a rounded-off one.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::tick);
    SetInterval(interval);
}

void IntervalTimer::SetInterval(int interval)
{
    if (interval < 0)
        interval = 0;
    if (interval == m_interval)
        return;
    m_interval = interval;
    if (interval == 0)
        m_timer.stop();
    else
        m_timer.start(interval);
}
