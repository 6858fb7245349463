#pragma once
// The player host: one FlashControl running the built-in player movie, the right-click
// hook over its parent's widget tree, and the bridge commands and queries to the movie.

#include "player/flash_control.h"

#include <QString>
#include <functional>

class QWidget;

// Called with the press position (client coordinates of the widget pressed) and 0.
using RightClickCallback = std::function<void(int x, int y, int reserved)>;

// 0 idle, 1 playing with a full buffer, 2 paused, 3 buffering, 4 not found, 5 other status.
using PlayerState = int;

class FlashHost {
public:
    FlashHost();
    virtual ~FlashHost();
    FlashHost(const FlashHost &other);
    FlashHost &operator=(const FlashHost &other);

    // Writes the movie file, loads it into the control, deletes it, and hooks right clicks
    // on parent's tree (an empty callback swallows them).
    virtual void Init(QWidget *parent, int x, int y, int width, int height,
                      RightClickCallback callback);
    virtual QWidget *ParentWindow() const;
    virtual void Move(int x, int y, int width, int height);

    // Commands (one setVariable each).
    virtual void TogglePlay();
    virtual void Stop();
    virtual void OpenUrl(const QString &url);
    virtual void SetVolume(int volume);

    virtual QString TextBetween(const QString &text, const QString &begin, const QString &end);

    // Queries (one CallFunction each).
    virtual int QueryPlayCode();
    virtual QString QueryUrl();
    virtual QString QueryTotalTimeText();
    virtual QString QueryPositionText();
    virtual QString QueryTimeText();

    virtual void Seek(int seconds);
    virtual int TotalSeconds();
    virtual int PositionSeconds();
    virtual QString QueryStreamStatus();
    virtual PlayerState State();

    FlashControl &Control() { return m_control; }
    const QString &MoviePath() const { return m_moviePath; }

private:
    FlashControl m_control;
    QString m_moviePath;
};
