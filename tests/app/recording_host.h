#pragma once
// The real player host, with every command and the state queries written to a log as they
// pass on to the real movie.

#include "player/flash_host.h"

#include <QRegularExpression>
#include <QStringList>

class RecordingHost : public FlashHost {
public:
    QStringList calls;  // "OpenUrl <url>", "TogglePlay", "Stop", "SetVolume 50", "Seek 12"
    bool recordState = false;  // State() is polled every second: logged only when asked

    void OpenUrl(const QString &url) override
    {
        calls << QStringLiteral("OpenUrl ") + url;
        FlashHost::OpenUrl(url);
    }
    void TogglePlay() override
    {
        calls << QStringLiteral("TogglePlay");
        FlashHost::TogglePlay();
    }
    void Stop() override
    {
        calls << QStringLiteral("Stop");
        FlashHost::Stop();
    }
    void SetVolume(int volume) override
    {
        calls << QStringLiteral("SetVolume %1").arg(volume);
        FlashHost::SetVolume(volume);
    }
    void Seek(int seconds) override
    {
        calls << QStringLiteral("Seek %1").arg(seconds);
        FlashHost::Seek(seconds);
    }
    PlayerState State() override
    {
        const PlayerState state = FlashHost::State();
        if (recordState)
            calls << QStringLiteral("State %1").arg(state);
        return state;
    }
    void Move(int x, int y, int width, int height) override
    {
        calls << QStringLiteral("Move %1 %2 %3 %4").arg(x).arg(y).arg(width).arg(height);
        FlashHost::Move(x, y, width, height);
    }

    // The calls that start with prefix.
    QStringList Calls(const QString &prefix) const
    {
        return calls.filter(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(prefix)));
    }
};
