#pragma once
// The program-wide objects: created empty at start-up, released at exit in a fixed order.

class FlashControl;
class FlashHost;
class LoadDialog;

namespace Globals {
// The player host that runs the player movie in the video area.
extern FlashHost *PlayerHost;
// The second control over the video area: the logo, until a video starts.
extern FlashControl *LogoControl;
// The two set-ups of the loading animation dialog.
extern LoadDialog *FirstLoadDialog;
extern LoadDialog *SecondLoadDialog;
}  // namespace Globals

// Allocates the player host (its control constructed with it), then the logo control.
// Objects already present (placed by a caller beforehand) are kept.
void CreateGlobalObjects();

// Sets up the second loading-dialog instance, then the first.
void SetUpLoadDialogs();

// Player host first, then the logo control, each with its automation object released
// before its memory is freed; then the loading dialogs' identifiers (first, then second);
// the right-click hook's table last. A second call does nothing more.
void ReleaseGlobalObjects();
