#pragma once
// Right clicks anywhere in a widget tree go to one callback and never reach the widgets:
// every widget of the tree that exists at install time gets an event filter of its own.

#include "player/flash_host.h"

#include <QList>
#include <QPointer>
#include <QWidget>

struct HookRecord {
    QPointer<QWidget> window;  // null once the widget is gone, so it never matches again
    QObject *filter = nullptr;  // the event filter installed on window
    RightClickCallback callback;  // empty: presses are swallowed without a call
};

// The process-wide list of hooked widgets; records are appended and never removed.
class HookTable {
public:
    static QList<HookRecord> &Records();
    // The first record of window, or -1.
    static qsizetype Find(const QWidget *window);
};

// Hooks window and, depth first, every child widget below it (not separate windows); a
// widget hooked before keeps its first record.
void InstallRightClickHook(QWidget *window, const RightClickCallback &callback);
