#pragma once
// The background the secondary windows share with the main window: the colour key
// magenta, which the window mask turns transparent once the window is colour-keyed.

class QWidget;

inline constexpr unsigned ColorKeyRgb = 0xFF00FF;

// Fills window's own background with the colour key; its child controls keep the
// application's colours.
void FillWithColorKey(QWidget &window);
