// Draws the rounded glossy button 10,000 times through the graphics layer and the same drawing
// written directly with QPainter, and prints both times and their ratio.
#include "gfx/gfx_font.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_linear_brush.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_solid_brush.h"
#include "gfx/gfx_string_format.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRounds = 10000;

void LayerButton(QImage& image, const GfxFont& font, const GfxStringFormat& format) {
  GfxGraphics g;
  g.CreateFromHDC(&image);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  g.SetPixelOffsetMode(PixelOffsetModeHalf);
  g.GraphicsClear(0x00000000);
  GfxPath path;
  path.CreatePath();
  path.AddRoundRectangle(2, 2, 116, 24, 40);
  GfxLinearBrush body, gloss;
  body.CreateLineBrush({0, 2}, {0, 26}, 0xFF3A7BD5, 0xFF1E4A8C);
  gloss.CreateLineBrush({0, 2}, {0, 14}, 0xA0FFFFFF, 0x10FFFFFF);
  g.FillPath(body, path);
  g.FillPath(gloss, path);
  const GfxArgb glow[3] = {0x60FFFFFF, 0x40FFFFFF, 0x20FFFFFF};
  for (int i = 0; i < 3; ++i) {
    GfxPen pen;
    pen.CreatePen1(glow[i], 1.0f + i);
    g.DrawPath(pen, path);
  }
  GfxSolidBrush text;
  text.CreateSolidFill(0xFFFFFFFF);
  g.DrawString("Play", font, {0, 0, 120, 28}, &format, text);
}

void PlainButton(QImage& image, const QFont& font) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(image.rect(), Qt::transparent);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  QPainterPath path;
  path.addRoundedRect(QRectF(2, 2, 116, 24), 23.0, 4.5);
  QLinearGradient body(0, 2, 0, 26), gloss(0, 2, 0, 14);
  body.setColorAt(0, QColor::fromRgba(0xFF3A7BD5));
  body.setColorAt(1, QColor::fromRgba(0xFF1E4A8C));
  body.setSpread(QGradient::RepeatSpread);
  gloss.setColorAt(0, QColor::fromRgba(0xA0FFFFFF));
  gloss.setColorAt(1, QColor::fromRgba(0x10FFFFFF));
  gloss.setSpread(QGradient::RepeatSpread);
  p.fillPath(path, body);
  p.fillPath(path, gloss);
  const QRgb glow[3] = {0x60FFFFFF, 0x40FFFFFF, 0x20FFFFFF};
  for (int i = 0; i < 3; ++i) p.strokePath(path, QPen(QColor::fromRgba(glow[i]), 1.0 + i, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 120, 28), Qt::AlignCenter, QStringLiteral("Play"));
}
}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QImage image(120, 28, QImage::Format_ARGB32_Premultiplied);
  GfxFont font;
  font.CreateFontFromDefault();
  GfxStringFormat format;
  format.CreateStringFormat();
  format.SetStringFormatAlign(StringAlignmentCenter);
  format.SetStringFormatLineAlign(StringAlignmentCenter);
  QFont plainFont;
  font.GetLogFont(&plainFont);

  // The two sides run in alternating batches, so a burst of load from elsewhere on the
  // machine falls on both alike; the median batch ratio is the figure to trust.
  constexpr int kBatches = 20;
  constexpr int kBatchRounds = kRounds / kBatches;
  double plain = 0, layer = 0;
  std::vector<double> ratios;
  QElapsedTimer timer;
  for (int b = 0; b < kBatches; ++b) {
    timer.start();
    for (int i = 0; i < kBatchRounds; ++i) PlainButton(image, plainFont);
    const double plainBatch = timer.nsecsElapsed() / 1e6;
    timer.restart();
    for (int i = 0; i < kBatchRounds; ++i) LayerButton(image, font, format);
    const double layerBatch = timer.nsecsElapsed() / 1e6;
    plain += plainBatch;
    layer += layerBatch;
    ratios.push_back(layerBatch / plainBatch);
  }
  std::sort(ratios.begin(), ratios.end());
  const double median = (ratios[kBatches / 2 - 1] + ratios[kBatches / 2]) / 2;
  std::printf("glossy button 120x28, %d rounds a side in %d alternating batches\n", kRounds, kBatches);
  std::printf("plain QPainter: %.1f ms (%.1f us each)\n", plain, plain * 1000 / kRounds);
  std::printf("graphics layer: %.1f ms (%.1f us each)\n", layer, layer * 1000 / kRounds);
  std::printf("ratio layer/plain: %.2f overall, %.2f median batch (goal <= 1.10)\n", layer / plain, median);
  return 0;
}
