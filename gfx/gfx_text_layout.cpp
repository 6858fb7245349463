#include "gfx/gfx_text_layout.h"

#include "gfx/gfx_native_string_format.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <numeric>

namespace {
constexpr double kUnbounded = 1e7;
}

GfxTextLayout::GfxTextLayout(const QString& text, const QFont& font, const QRectF& rect,
                             const GfxNativeStringFormat* format, double emPixels, QPaintDevice* device)
    : font_(font), rect_(rect), device_(device) {
  const GfxNativeStringFormat defaults;
  const GfxNativeStringFormat& f = format ? *format : defaults;
  flags_ = f.flags;
  trimming_ = f.trimming;

  // Hotkey prefix: "&x" marks x ("&&" is a plain "&"). Without one the text shows as it is.
  int underline = -1;
  if (f.hotkeyPrefix == HotkeyPrefixNone) {
    display_ = text;
    originalIndex_.resize(text.size() + 1);
    std::iota(originalIndex_.begin(), originalIndex_.end(), 0);
  } else {
    display_.reserve(text.size());
    originalIndex_.reserve(text.size() + 1);
    for (int i = 0; i < text.size(); ++i) {
      if (text[i] == u'&' && i + 1 < text.size()) {
        ++i;
        if (text[i] != u'&' && f.hotkeyPrefix == HotkeyPrefixShow && underline < 0) underline = int(display_.size());
      }
      display_ += text[i];
      originalIndex_.push_back(i);
    }
    originalIndex_.push_back(int(text.size()));
  }

  layout_ = std::make_unique<QTextLayout>(display_, font_, device_);
  // Keeps the glyphs shaped for line breaking, or drawing would shape the text a second time.
  layout_->setCacheEnabled(true);
  QTextOption option;
  option.setWrapMode((flags_ & StringFormatFlagsNoWrap) || rect.width() <= 0 ? QTextOption::NoWrap
                                                                               : QTextOption::WrapAtWordBoundaryOrAnywhere);
  if (flags_ & StringFormatFlagsDirectionRightToLeft) option.setTextDirection(Qt::RightToLeft);
  layout_->setTextOption(option);
  if (underline >= 0) {
    QTextLayout::FormatRange range{underline, 1, {}};
    range.format.setFontUnderline(true);
    layout_->setFormats({range});
  }

  const double padding = f.typographic ? 0.0 : emPixels / 6.0;
  const bool boundedWidth = rect.width() > 0, boundedHeight = rect.height() > 0;
  const double available = boundedWidth ? std::max(0.0, rect.width() - 2 * padding) : kUnbounded;
  const QFontMetricsF metrics(font_, device_);
  const double spacing = metrics.lineSpacing();

  layout_->beginLayout();
  std::vector<QTextLine> all;
  for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
    line.setLineWidth(available);
    line.setPosition(QPointF(0, 0));
    all.push_back(line);
  }
  layout_->endLayout();

  // Which lines show: whole lines only under a line limit or trimming, otherwise any that start inside.
  const bool wholeLinesOnly = (flags_ & StringFormatFlagsLineLimit) || trimming_ != StringTrimmingNone;
  std::size_t visible = all.size();
  if (boundedHeight) {
    visible = 0;
    while (visible < all.size()) {
      const double top = visible * spacing;
      if (wholeLinesOnly ? top + spacing > rect.height() + 1e-3 : top >= rect.height()) break;
      ++visible;
    }
    if (visible == 0 && !(flags_ & StringFormatFlagsLineLimit) && !all.empty()) visible = 1;
  }
  for (std::size_t i = 0; i < visible; ++i)
    lines_.push_back({layout_.get(), int(i), {}, all[i].textStart(), all[i].textLength()});

  const bool overflows = visible < all.size() ||
                         (!lines_.empty() && boundedWidth && all[visible - 1].naturalTextWidth() > available + 1e-3);
  if (overflows && boundedWidth && trimming_ != StringTrimmingNone && !lines_.empty()) Trim(lines_.back(), available);

  // Place the lines.
  const double total = lines_.size() * spacing;
  double top = rect.y();
  if (f.lineAlign == StringAlignmentCenter) top = boundedHeight ? rect.y() + (rect.height() - total) / 2 : rect.y() - total / 2;
  if (f.lineAlign == StringAlignmentFar) top = boundedHeight ? rect.bottom() - total : rect.y() - total;
  int align = f.align;
  if (flags_ & StringFormatFlagsDirectionRightToLeft) align = align == StringAlignmentNear ? StringAlignmentFar
                                                             : align == StringAlignmentFar ? StringAlignmentNear : align;
  double left = 1e30, right = -1e30;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& line = lines_[i];
    const double width = line.layout->lineAt(line.lineIndex).naturalTextWidth();
    double x;
    if (boundedWidth) {
      x = align == StringAlignmentCenter ? rect.x() + (rect.width() - width) / 2
          : align == StringAlignmentFar  ? rect.right() - padding - width
                                         : rect.x() + padding;
    } else {
      x = align == StringAlignmentCenter ? rect.x() - width / 2
          : align == StringAlignmentFar  ? rect.x() - padding - width
                                         : rect.x() + padding;
    }
    line.offset = QPointF(x - line.layout->lineAt(line.lineIndex).x(), top + i * spacing);
    left = std::min(left, x - padding);
    right = std::max(right, x + width + padding);
    fitted_ = originalIndex_[line.displayStart + line.displayLength] ;
  }
  if (lines_.empty()) {
    bounds_ = QRectF(rect.x(), rect.y(), 0, 0);
  } else {
    bounds_ = QRectF(left, top, right - left, total);
    if (boundedWidth && bounds_.width() > rect.width()) bounds_.setWidth(rect.width());
  }
  if (lines_.empty()) fitted_ = 0;
  clip_ = boundedWidth && boundedHeight && !(flags_ & StringFormatFlagsNoClip) &&
          !rect.contains(QRectF(left + padding, top, right - left - 2 * padding, total));
}

void GfxTextLayout::Trim(Line& line, double width) {
  const QString rest = display_.mid(line.displayStart);
  const QFontMetricsF metrics(font_, device_);
  QString shown;
  auto fitsPrefix = [&](bool wordsOnly, const QString& suffix) {
    QTextBoundaryFinder finder(wordsOnly ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Grapheme, rest);
    qsizetype best = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
      if (metrics.horizontalAdvance(rest.left(at).trimmed() + suffix) > width) break;
      best = at;
    }
    if (best == 0 && wordsOnly) return QString();
    return rest.left(best).trimmed() + suffix;
  };
  switch (trimming_) {
    case StringTrimmingCharacter: shown = fitsPrefix(false, QString()); break;
    case StringTrimmingWord: shown = fitsPrefix(true, QString()); if (shown.isEmpty()) shown = fitsPrefix(false, QString()); break;
    case StringTrimmingEllipsisCharacter: shown = metrics.elidedText(rest, Qt::ElideRight, width); break;
    case StringTrimmingEllipsisWord: shown = fitsPrefix(true, QStringLiteral("\u2026")); if (shown.isEmpty()) shown = metrics.elidedText(rest, Qt::ElideRight, width); break;
    case StringTrimmingEllipsisPath: shown = metrics.elidedText(rest, Qt::ElideMiddle, width); break;
    default: return;
  }
  trimmed_ = std::make_unique<QTextLayout>(shown, font_, device_);
  trimmed_->setCacheEnabled(true);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  if (flags_ & StringFormatFlagsDirectionRightToLeft) option.setTextDirection(Qt::RightToLeft);
  trimmed_->setTextOption(option);
  trimmed_->beginLayout();
  QTextLine single = trimmed_->createLine();
  if (single.isValid()) {
    single.setLineWidth(kUnbounded);
    single.setPosition(QPointF(0, 0));
  }
  trimmed_->endLayout();
  if (!single.isValid()) return;
  line.layout = trimmed_.get();
  line.lineIndex = 0;
  // Count the characters of the original that remain shown (an ellipsis stands for none).
  int kept = 0;
  while (kept < shown.size() && kept < rest.size() && shown[kept] == rest[kept]) ++kept;
  line.displayLength = kept;
}

void GfxTextLayout::Draw(QPainter& painter) const {
  if (lines_.empty()) return;
  if (clip_) {
    painter.save();
    painter.setClipRect(rect_, Qt::IntersectClip);
  }
  for (const Line& line : lines_) line.layout->lineAt(line.lineIndex).draw(&painter, line.offset);
  if (clip_) painter.restore();
}

void GfxTextLayout::AddToPath(QPainterPath& path) const {
  for (const Line& line : lines_) {
    const QTextLine textLine = line.layout->lineAt(line.lineIndex);
    for (const QGlyphRun& run : textLine.glyphRuns()) {
      const QRawFont raw = run.rawFont();
      const auto glyphs = run.glyphIndexes();
      const auto positions = run.positions();
      for (int i = 0; i < glyphs.size(); ++i) {
        QPainterPath glyph = raw.pathForGlyph(glyphs[i]);
        glyph.translate(positions[i] + line.offset + textLine.position());
        path.addPath(glyph);
      }
    }
  }
}

QPainterPath GfxTextLayout::RangeArea(int first, int length) const {
  QPainterPath area;
  if (length <= 0) return area;
  // Original indices to display indices.
  auto toDisplay = [&](int original) {
    const auto it = std::lower_bound(originalIndex_.begin(), originalIndex_.end(), original);
    return int(it - originalIndex_.begin());
  };
  const int from = toDisplay(first), to = toDisplay(first + length);
  const double spacing = QFontMetricsF(font_, device_).lineSpacing();
  for (const Line& line : lines_) {
    const int start = std::max(from, line.displayStart), end = std::min(to, line.displayStart + line.displayLength);
    if (start >= end) continue;
    const QTextLine textLine = line.layout->lineAt(line.lineIndex);
    const int base = line.layout == layout_.get() ? 0 : line.displayStart;
    const double x1 = textLine.cursorToX(start - base), x2 = textLine.cursorToX(end - base);
    area.addRect(QRectF(line.offset.x() + std::min(x1, x2), line.offset.y(), std::abs(x2 - x1), spacing));
  }
  return area.simplified();
}
