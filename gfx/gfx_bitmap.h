#pragma once
#include "gfx/gfx_image.h"

#include <QIcon>
#include <QPixmap>

class GfxGraphics;

// A bitmap: an image with pixels to make, read, write and turn.
class GfxBitmap : public GfxImage {
 public:
  bool CreateBitmapFromFile(const char* fileName, bool icm = false);
  bool CreateBitmapFromFile(const QString& fileName, bool icm = false);
  bool CreateBitmapFromBytes(const QByteArray& bytes, bool icm = false);
  // stride 0 and no scan0: the layer allocates cleared pixels.
  bool CreateBitmapFromScan0(int width, int height, int stride = 0, int format = PixelFormat32bppARGB,
                             const std::uint8_t* scan0 = nullptr);
  bool CreateBitmapFromGraphics(int width, int height, const GfxGraphics& target);
  bool CreateBitmapFromHBITMAP(const QPixmap& pixmap);
  bool CreateBitmapFromHICON(const QIcon& icon, int size = 32);
  // A pixmap of the bitmap over the background colour.
  bool CreateHBITMAPFromBitmap(QPixmap* pixmap, GfxArgb background) const;
  bool CreateHICONFromBitmap(QIcon* icon) const;
  bool CloneBitmapArea(float x, float y, float width, float height, int format, GfxBitmap& clone) const;
  bool CloneBitmapAreaI(int x, int y, int width, int height, int format, GfxBitmap& clone) const;
  bool BitmapGetPixel(int x, int y, GfxArgb* color) const;
  bool BitmapSetPixel(int x, int y, GfxArgb color);
  bool BitmapSetResolution(float dpiX, float dpiY);
  // Turns the bitmap by angle degrees into a new 32-bit bitmap of targetSize (or the turned size),
  // optionally cleared to background first and drawn with the interpolation given.
  bool RotateInto(float angle, GfxArgb background, bool useBackground, int interpolation, bool useInterpolation,
                  GfxSizeF targetSize = {}, bool useTargetSize = false);
  // The axis-aligned size of a width x height rectangle turned by angle whole degrees.
  static void MeasureRotated(float width, float height, int angle, float* newWidth, float* newHeight);

 private:
  bool Adopt(QImage image, int pixelFormat);
};
