#pragma once
// The player as the program sets it up: a shown window with FlashHost initialised over it.

#include "player/flash_host.h"

#include <QWidget>

class BenchPlayerWindow {
public:
    BenchPlayerWindow();
    FlashHost &host() { return m_host; }

    // Spins the event loop until State() gives state; the milliseconds it took, or -1.
    double waitForState(PlayerState state, int timeoutMs = 30000);

private:
    QWidget m_window;
    FlashHost m_host;
};

// Median of the values (0 for none).
double Median(QList<double> values);
