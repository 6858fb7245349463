#pragma once
// A timer driven by its interval: writing 0 stops it, writing a different positive value
// (re)starts it with that period, writing the value it already has changes nothing.

#include <QObject>
#include <QTimer>

class IntervalTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int interval READ Interval WRITE SetInterval)

public:
    // Runs from construction when interval is positive.
    explicit IntervalTimer(int interval = 0, QObject *parent = nullptr);

    int Interval() const { return m_interval; }
    // A negative interval counts as 0 and stops the timer.
    void SetInterval(int interval);
    bool IsRunning() const { return m_timer.isActive(); }
    // Milliseconds to the next tick; -1 while stopped.
    int RemainingTime() const { return m_timer.remainingTime(); }

signals:
    void tick();

private:
    QTimer m_timer;
    int m_interval = 0;
};
