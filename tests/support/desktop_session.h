#pragma once
// Desktop pieces that a bare Xvfb display lacks: a window manager (activation, stacking)
// and a tray host (the notification area). Each is started once per test process when
// asked for and stopped when the process ends.

namespace DesktopSession {

// Starts openbox on the current display unless a window manager already runs; true when one runs.
bool EnsureWindowManager();
// Starts trayer (a system-tray host) on the current display; true when it runs.
bool EnsureTrayHost();

}  // namespace DesktopSession
