#pragma once
// The player as the program sets it up: a shown window with FlashHost initialised over it.

#include "player/flash_host.h"

#include <QSize>
#include <QWidget>

class BenchPlayerWindow {
public:
    explicit BenchPlayerWindow(const QSize &size = QSize(640, 480));
    // The video area of a window of this size: at 140, 120, 265 x 240 smaller.
    static QSize VideoAreaOf(const QSize &window) { return window - QSize(265, 240); }
    FlashHost &host() { return m_host; }

    // Spins the event loop until State() gives state; the milliseconds it took, or -1.
    double waitForState(PlayerState state, int timeoutMs = 30000);

private:
    QWidget m_window;
    FlashHost m_host;
};

// Median of the values (0 for none).
double Median(QList<double> values);
