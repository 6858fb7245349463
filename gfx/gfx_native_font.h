#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_values.h"

#include <QFont>

// A font: family, em size in its unit and style bits.
class GfxNativeFont : public GfxNative {
 public:
  QString family;
  float emSize = 12;
  int style = FontStyleRegular;
  int unit = UnitPoint;

  // The Qt font whose em is emPixels pixels on a device of the given resolution.
  QFont QtFont(double emPixels, double dpi) const {
    if (dpi != cachedDpi_ || emPixels != cachedEm_) {
      cachedFont_ = QFont(family);
      cachedFont_.setPointSizeF(qMax(0.01, emPixels * 72.0 / dpi));
      cachedFont_.setBold(style & FontStyleBold);
      cachedFont_.setItalic(style & FontStyleItalic);
      cachedFont_.setUnderline(style & FontStyleUnderline);
      cachedFont_.setStrikeOut(style & FontStyleStrikeout);
      cachedDpi_ = dpi;
      cachedEm_ = emPixels;
    }
    return cachedFont_;
  }

 private:
  mutable QFont cachedFont_;
  mutable double cachedDpi_ = -1, cachedEm_ = -1;
};
