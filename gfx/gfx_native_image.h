#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_native_stream.h"
#include "gfx/gfx_values.h"

#include <QImage>
#include <QString>
#include <map>
#include <vector>

struct GfxPropertyItem {
  int type = 0;
  QByteArray value;
};

// An image or bitmap: its pixels (the active frame), every frame of an animation, its resolution,
// the format it was read from, its properties, and the stream it was loaded from (held while the
// image lives).
class GfxNativeImage : public GfxNative {
 public:
  ~GfxNativeImage() override { GfxRelease(stream); }

  QImage image;
  std::vector<QImage> frames;  // empty for a single-frame image
  int activeFrame = 0;
  int type = ImageTypeBitmap;
  int pixelFormat = PixelFormat32bppARGB;
  QString rawFormat;  // format identifier text
  float dpiX = 96, dpiY = 96;
  std::map<int, GfxPropertyItem> properties;
  GfxNativeStream* stream = nullptr;
  int graphicsOpen = 0;  // graphics drawing into the image right now
};
