#pragma once
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QTextLayout>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class GfxNativeStringFormat;

// Lays a string out in a rectangle the way the flat API's string functions do: side padding of a
// sixth of the em (none for typographic formats), word wrap unless the format forbids it, lines a
// line spacing apart, horizontal and line alignment, a line limit, trimming of the last visible line
// and the hotkey prefix. A rectangle of zero width or height is unbounded that way and aligns
// around its origin.
class GfxTextLayout {
 public:
  GfxTextLayout(const QString& text, const QFont& font, const QRectF& rect, const GfxNativeStringFormat* format,
                double emPixels, QPaintDevice* device = nullptr);

  QRectF Bounds() const { return bounds_; }
  int CodepointsFitted() const { return fitted_; }
  int LinesFilled() const { return static_cast<int>(lines_.size()); }
  void Draw(QPainter& painter) const;
  void AddToPath(QPainterPath& path) const;
  // The area covered by the characters first .. first + length - 1 of the original text.
  QPainterPath RangeArea(int first, int length) const;

 private:
  struct Line {
    QTextLayout* layout;  // the main layout, or the trimmed one for a trimmed last line
    int lineIndex;
    QPointF offset;
    int displayStart, displayLength;
  };
  void Trim(Line& line, double width);

  QString display_;
  std::vector<int> originalIndex_;  // display index -> index in the caller's text
  QFont font_;
  QRectF rect_;
  int flags_ = 0, trimming_ = 0;
  bool clip_ = false;
  QPaintDevice* device_;
  std::unique_ptr<QTextLayout> layout_, trimmed_;
  std::vector<Line> lines_;
  QRectF bounds_;
  int fitted_ = 0;
};
