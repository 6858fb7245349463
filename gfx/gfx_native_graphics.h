#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_native_image.h"
#include "gfx/gfx_units.h"
#include "gfx/gfx_values.h"

#include <QPainter>
#include <QTransform>

// A graphics surface: a painter on a paint target with the flat API's modes. The painter's
// transform is world, then page, then the pixel offset (without the half-pixel offset modes a
// coordinate names a pixel's centre, as the flat API has it).
class GfxNativeGraphics : public GfxNative {
 public:
  ~GfxNativeGraphics() override {
    if (painter.isActive()) painter.end();
    if (image) --image->graphicsOpen;
    GfxRelease(image);
  }

  QPainter painter;
  QPaintDevice* device = nullptr;
  GfxNativeImage* image = nullptr;  // held while drawing into an image
  int smoothing = SmoothingModeNone;
  int interpolation = InterpolationModeBilinear;
  int pixelOffset = PixelOffsetModeDefault;
  int compositingMode = CompositingModeSourceOver;
  int compositingQuality = CompositingQualityDefault;
  int textHint = TextRenderingHintSystemDefault;
  int textContrast = 4;
  int pageUnit = UnitDisplay;
  float pageScale = 1;
  QPoint renderingOrigin;
  QTransform world;

  double Dpi() const { return device ? device->logicalDpiY() : 96.0; }
  double DpiX() const { return device ? device->logicalDpiX() : 96.0; }
  // Pixels per world unit from the page settings.
  double PagePixels() const { return GfxPixelsPerUnit(pageUnit, Dpi()) * pageScale; }
  bool HalfPixelOffset() const { return pixelOffset == PixelOffsetModeHalf || pixelOffset == PixelOffsetModeHighQuality; }
  // The painter is only told what changed: every change makes the paint engine recompute its state.
  void ApplyTransform() {
    const double page = PagePixels();
    const double shift = HalfPixelOffset() ? 0.0 : 0.5;
    const QTransform wanted = world * QTransform(page, 0, 0, page, shift, shift);
    if (painter.transform() != wanted) painter.setTransform(wanted);
  }
  void ApplyHints() {
    const bool smooth = smoothing == SmoothingModeHighQuality || smoothing == SmoothingModeAntiAlias || smoothing == SmoothingModeAntiAlias8x8;
    const bool textSmooth = textHint != TextRenderingHintSingleBitPerPixel && textHint != TextRenderingHintSingleBitPerPixelGridFit;
    constexpr QPainter::RenderHints kOurs = QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing;
    QPainter::RenderHints wanted;
    wanted.setFlag(QPainter::Antialiasing, smooth);
    wanted.setFlag(QPainter::SmoothPixmapTransform, interpolation != InterpolationModeNearestNeighbor);
    wanted.setFlag(QPainter::TextAntialiasing, textSmooth);
    const QPainter::RenderHints current = painter.renderHints() & kOurs;
    if (current & ~wanted) painter.setRenderHints(current & ~wanted, false);
    if (wanted & ~current) painter.setRenderHints(wanted & ~current, true);
    const QPainter::CompositionMode mode = compositingMode == CompositingModeSourceCopy ? QPainter::CompositionMode_Source
                                                                                        : QPainter::CompositionMode_SourceOver;
    if (painter.compositionMode() != mode) painter.setCompositionMode(mode);
  }
  // Device scale of the current transform, for sizing rendered gradients.
  double DeviceScale() const {
    const QTransform t = painter.transform();
    return std::sqrt(std::max(1e-6, std::abs(t.determinant())));
  }
};
