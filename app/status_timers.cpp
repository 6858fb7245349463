#include "app/status_timers.h"

#include "app/builtin_addresses.h"
#include "app/greeting_line.h"
#include "app/main_window.h"
#include "platform/interval_timer.h"
#include "platform/multi_function_bar.h"
#include "player/flash_control.h"
#include "player/flash_host.h"

#include <QAction>
#include <QLabel>

StatusTimers::StatusTimers(MainWindow &window) : QObject(&window), m_window(window)
{
}

void StatusTimers::Connect()
{
    connect(m_window.StateTimer(), &IntervalTimer::tick, this, &StatusTimers::OnStateTick);
    connect(m_window.ProgressTimer(), &IntervalTimer::tick, this, &StatusTimers::OnProgressTick);
    connect(m_window.IdleTimer(), &IntervalTimer::tick, this, &StatusTimers::OnIdleTick);
}

void StatusTimers::OnStateTick()
{
    if (m_window.Host().State() == 1) {
        m_window.ProgressTimer()->SetInterval(MainWindow::ProgressInterval);
        m_window.IdleTimer()->SetInterval(0);
        CollapseLogo();
        EnablePlaybackItems();
    } else {
        m_window.ProgressTimer()->SetInterval(0);
        m_window.StatusLabel()->setText(GreetingLine());
    }
}

void StatusTimers::OnProgressTick()
{
    FlashHost &host = m_window.Host();
    MultiFunctionBar *seek = m_window.SeekBar();
    seek->SetMaximum(host.TotalSeconds());
    seek->SetPosition(host.PositionSeconds());
    m_window.StatusLabel()->setText(QStringLiteral("视频总时间：") + host.QueryTimeText());
}

void StatusTimers::OnIdleTick()
{
    m_window.IdleTimer()->SetInterval(0);
    CollapseLogo();
    EnablePlaybackItems();
    m_window.Host().OpenUrl(BuiltinAddresses::DefaultVideoUrl);
}

void StatusTimers::CollapseLogo()
{
    // Collapsed, not destroyed: the logo is never shown again.
    m_window.Logo().Move(0, 0, 0, 0);
}

void StatusTimers::EnablePlaybackItems()
{
    for (const char *name : {"FullScreenItem", "PropertiesItem"})
        if (QAction *item = m_window.MenuItem(name))
            item->setEnabled(true);
}
