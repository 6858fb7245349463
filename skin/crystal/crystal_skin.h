#pragma once
// The crystal control skin: a glossy two-tone look for the push buttons, progress bars,
// combo boxes, item views (with their headers) and tooltip windows inside a window, and
// the magenta colour key that makes a window's magenta pixels see-through.

class QWidget;

// Creates the skin font and reads the button-face colour; run once at program start,
// before the first window (the skin also creates them on first use).
void CrystalSkinInit();

// Skins `root` and every widget below it, parents before children. Colour styles 1..7
// (6 silver, 7 black); any other value keeps a control's stored style, or style 1.
// `flag` is accepted for callers' sake and has no effect.
void ApplyCrystalSkin(QWidget *root, int colorStyle, int flag);

// Skins one widget when its kind is recognised; true when it was skinned. Skinning a
// widget again installs no second filter; a style greater than 0 replaces the stored one.
bool SkinControl(QWidget *widget, int colorStyle, int flag);

// Makes the pixels of `window` that are drawn exactly magenta (0xFF00FF) see-through with
// a window mask taken from the window as drawn, children included. The mask follows the
// window when it is shown or resized, changes palette, style or window state, or when a
// direct child is shown, hidden, moved or resized. Calling it twice is harmless.
void MakeColorKeyed(QWidget *window);

// Recomputes the colour-key mask of `window` at once, e.g. after it changed the
// background it paints; does nothing for a window that is not colour-keyed.
void RefreshColorKey(QWidget *window);
