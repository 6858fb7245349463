#pragma once
// A shown window with a FlashHost initialised over it, as the main window does it, and
// ways to reach the running movie's own objects.

#include "player/flash_host.h"

#include <QString>
#include <QWidget>

class NetStream;
class MovieSound;
class QQuickItem;

class PlayerWindow {
public:
    // Video area at 140, 120 of a 640 x 480 window; an empty path loads the player movie.
    explicit PlayerWindow(const QString &moviePath = {});

    FlashHost &host() { return m_host; }
    QWidget &window() { return m_window; }
    QWidget *videoArea();
    QQuickItem *movieRoot();
    NetStream *stream();
    MovieSound *sound();

    // Waits (spinning the event loop) until State() gives state; false on timeout.
    bool waitForState(PlayerState state, int timeoutMs = 20000);

private:
    QWidget m_window;
    FlashHost m_host;
};

// The request texts the bridge sends, for tests that look at the raw replies.
QString InvokeRequest(const char *name);
