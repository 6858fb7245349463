#pragma once
// The three status timers of MainWindow: StateTimer polls the player state and switches
// the other two; ProgressTimer copies position and duration to SeekBar and StatusLabel;
// IdleTimer starts the default video once when nothing has played.

#include <QObject>

class MainWindow;

class StatusTimers : public QObject {
    Q_OBJECT

public:
    explicit StatusTimers(MainWindow &window);

    void Connect();

    void OnStateTick();
    void OnProgressTick();
    void OnIdleTick();

private:
    void CollapseLogo();
    void EnablePlaybackItems();

    MainWindow &m_window;
};
