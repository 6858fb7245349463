#pragma once
// Drawing pieces shared by the skin's painters, in the skin's coordinate conventions:
// rectangles are (left, top, right, bottom) with right and bottom exclusive.
#include "skin/crystal/skin_palette.h"

#include <QFont>
#include <QRect>
#include <QRegion>
#include <functional>

class QEvent;
class QObject;
class QPainter;
class QString;
class QWidget;

// The font of every text the skin draws (the CJK face at 12 pixels), created once.
const QFont &SkinFont();
// The button-face colour, read once from the application palette.
QColor FaceColor();
// Creates the two values above; later calls keep the first ones.
void CreateSkinResources();

inline QRect SkinRect(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

// The colour of step `i` of `steps` from c1 towards c2 (16-bit channels, truncated): step 0 is
// exactly c1, the far vertex c2 lies just beyond the last step.
ColorRef GradientColorAt(ColorRef c1, ColorRef c2, int i, int steps);

// Fills (x1, y1)-(x2, y2) with a two-vertex gradient from c1 to c2, running left to right when
// `horizontal`, top to bottom otherwise. An empty rectangle draws nothing.
void GradientBand(QPainter &p, int x1, int y1, int x2, int y2, ColorRef c1, ColorRef c2, bool horizontal);

// One-pixel outline of (left, top, right, bottom).
void FrameRectangle(QPainter &p, int left, int top, int right, int bottom, ColorRef color);

// At each corner: the corner pixel and its two edge neighbours in the face colour, the inner
// diagonal neighbour in `frame`.
void RoundOffCorners(QPainter &p, int width, int height, ColorRef frame);

// Text in the skin font and `color`, clipped to `rect`, with Qt alignment/text flags.
void DrawSkinText(QPainter &p, const QRect &rect, int flags, const QString &text, ColorRef color);

// The embossed text of bars and buttons: a light pass in track[0] at (3, 3, w-1, h-1), the
// text colour one pixel up and left of it, both moved by `shift`; centred, one line, elided.
// `mnemonic` treats '&' as the shortcut marker (button texts).
void DrawEmbossedText(QPainter &p, int width, int height, const QString &text, const SkinPalette &palette,
                      int shift, bool mnemonic);

// The rounded window region: the widget's rectangle without the three pixels at each corner
// that RoundOffCorners paints in the face colour.
QRegion RoundRegion(int width, int height);
void SetRoundRegion(QWidget *widget);

// Paints `draw(painter, width, height)` into an off-screen pixmap of the widget's size and
// draws that onto the widget in one go.
void PaintOffscreen(QWidget *widget, const std::function<void(QPainter &, int, int)> &draw);

// Hands the event to the widget's own handler, past any filter (the "previous procedure").
bool ForwardEvent(QObject *watched, QEvent *event);

// The text a widget shows: its "text" property when it has one, else its window title.
QString WindowText(const QWidget *widget);
