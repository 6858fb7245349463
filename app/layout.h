#pragma once
// The main window's layout arithmetic: double precision, stored by truncation toward zero.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace MainLayout {

constexpr int VideoLeft = 140;
constexpr int VideoTop = 120;

// The video (and logo) rectangle of the normal layout, for a client size cw x ch.
QRect VideoRect(int cw, int ch);
// Top-left that centres a window of size window on a screen of size screen.
QPoint CentredPosition(const QSize &screen, const QSize &window);

// StatusLabel: left, top and width of the normal and the full-screen layout.
QRect StatusPlacement(int cw, int ch, int labelHeight);
QRect FullScreenStatusPlacement(int cw, int ch, int labelHeight);
// SeekBar of the normal layout (window size w x h).
QRect SeekBarPlacement(int cw, int h, int barHeight);
// SeekBar of full screen: the whole width, on the bottom edge of the work area.
QRect FullScreenSeekBarPlacement(const QSize &screen, int bottomReserved, int barHeight);
// VolumeBar, for a window of size w x h.
QPoint VolumeBarPosition(int w, int h, int barHeight);
// The video rectangle of full screen.
QRect FullScreenVideoRect(const QSize &screen);

// Screen height minus the bottom edge of the work area: the height a bottom panel takes.
int BottomReservedHeight(const QRect &screen, const QRect &workArea);
// The same for the primary screen.
int BottomReservedHeight();

}  // namespace MainLayout
