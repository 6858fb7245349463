#include "gfx/gfx_bitmap.h"

#include "gfx/gfx_color.h"
#include "gfx/gfx_encoders.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_image_decode.h"
#include "gfx/gfx_native_graphics.h"
#include "gfx/gfx_native_image.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_text.h"

#include <QPainter>
#include <cmath>
#include <cstring>

namespace {
QImage::Format QtFormatOf(int pixelFormat) {
  switch (pixelFormat) {
    case PixelFormat32bppARGB: return QImage::Format_ARGB32;
    case PixelFormat32bppPARGB: return QImage::Format_ARGB32_Premultiplied;
    case PixelFormat32bppRGB: return QImage::Format_RGB32;
    case PixelFormat24bppRGB: return QImage::Format_RGB888;
    case PixelFormat16bppRGB565: return QImage::Format_RGB16;
    case PixelFormat8bppIndexed: return QImage::Format_Indexed8;
    default: return QImage::Format_Invalid;
  }
}
}  // namespace

bool GfxBitmap::Adopt(QImage image, int pixelFormat) {
  if (image.isNull()) return GfxReport(GfxOutOfMemory);
  auto* native = new GfxNativeImage;
  native->image = std::move(image);
  native->pixelFormat = pixelFormat;
  native->rawFormat = GfxEncoders::kMemoryBmpFormat;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxBitmap::CreateBitmapFromFile(const char* fileName, bool icm) { return LoadImageFromFile(fileName, icm); }
bool GfxBitmap::CreateBitmapFromFile(const QString& fileName, bool icm) { return LoadImageFromFile(fileName, icm); }
bool GfxBitmap::CreateBitmapFromBytes(const QByteArray& bytes, bool icm) { return LoadImageFromBytes(bytes, icm); }

bool GfxBitmap::CreateBitmapFromScan0(int width, int height, int stride, int format, const std::uint8_t* scan0) {
  const QImage::Format qtFormat = QtFormatOf(format);
  if (width <= 0 || height <= 0 || qtFormat == QImage::Format_Invalid || (scan0 && stride == 0))
    return GfxReport(GfxInvalidParameter);
  QImage image(width, height, qtFormat);
  if (image.isNull()) return GfxReport(GfxOutOfMemory);
  if (scan0) {
    const int rowBytes = std::min<int>(std::abs(stride), int(image.bytesPerLine()));
    for (int y = 0; y < height; ++y) std::memcpy(image.scanLine(y), scan0 + std::ptrdiff_t(y) * stride, std::size_t(rowBytes));
  } else {
    image.fill(0);
  }
  return Adopt(std::move(image), format);
}

bool GfxBitmap::CreateBitmapFromGraphics(int width, int height, const GfxGraphics& target) {
  if (!target.Native()) return GfxReport(GfxInvalidParameter);
  if (!CreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB)) return false;
  BitmapSetResolution(float(target.Native()->DpiX()), float(target.Native()->Dpi()));
  return GfxReport(GfxOk);
}

bool GfxBitmap::CreateBitmapFromHBITMAP(const QPixmap& pixmap) {
  if (pixmap.isNull()) return GfxReport(GfxInvalidParameter);
  QImage image = pixmap.toImage();
  return Adopt(image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32) : image.convertToFormat(QImage::Format_RGB32),
               image.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB);
}

bool GfxBitmap::CreateBitmapFromHICON(const QIcon& icon, int size) {
  if (icon.isNull()) return GfxReport(GfxInvalidParameter);
  const QList<QSize> sizes = icon.availableSizes();
  const QSize pick = sizes.isEmpty() ? QSize(size, size) : sizes.contains(QSize(size, size)) ? QSize(size, size) : sizes.last();
  return Adopt(icon.pixmap(pick).toImage().convertToFormat(QImage::Format_ARGB32), PixelFormat32bppARGB);
}

bool GfxBitmap::CreateHBITMAPFromBitmap(QPixmap* pixmap, GfxArgb background) const {
  if (!Native() || !pixmap) return GfxReport(GfxInvalidParameter);
  QImage out(Native()->image.size(), QImage::Format_ARGB32_Premultiplied);
  out.fill(GfxQColor(background));
  QPainter painter(&out);
  painter.drawImage(0, 0, Native()->image);
  painter.end();
  *pixmap = QPixmap::fromImage(out);
  return GfxReport(GfxOk);
}

bool GfxBitmap::CreateHICONFromBitmap(QIcon* icon) const {
  if (!Native() || !icon) return GfxReport(GfxInvalidParameter);
  *icon = QIcon(QPixmap::fromImage(Native()->image));
  return GfxReport(GfxOk);
}

bool GfxBitmap::CloneBitmapArea(float x, float y, float width, float height, int format, GfxBitmap& clone) const {
  return CloneBitmapAreaI(int(x), int(y), int(width), int(height), format, clone);
}

bool GfxBitmap::CloneBitmapAreaI(int x, int y, int width, int height, int format, GfxBitmap& clone) const {
  if (!Native() || width <= 0 || height <= 0 || !QRect(0, 0, Native()->image.width(), Native()->image.height()).contains(QRect(x, y, width, height)))
    return GfxReport(GfxInvalidParameter);
  const QImage::Format qtFormat = QtFormatOf(format);
  QImage part = Native()->image.copy(x, y, width, height);
  if (qtFormat != QImage::Format_Invalid) part = part.convertToFormat(qtFormat);
  return clone.Adopt(std::move(part), qtFormat == QImage::Format_Invalid ? Native()->pixelFormat : format);
}

bool GfxBitmap::BitmapGetPixel(int x, int y, GfxArgb* color) const {
  if (!Native() || !color || !Native()->image.valid(x, y)) return GfxReport(GfxInvalidParameter);
  *color = Native()->image.pixel(x, y);
  return GfxReport(GfxOk);
}

bool GfxBitmap::BitmapSetPixel(int x, int y, GfxArgb color) {
  if (!Native() || !Native()->image.valid(x, y)) return GfxReport(GfxInvalidParameter);
  if (Native()->graphicsOpen) return GfxReport(GfxObjectBusy);
  Native()->image.setPixelColor(x, y, GfxQColor(color));
  return GfxReport(GfxOk);
}

bool GfxBitmap::BitmapSetResolution(float dpiX, float dpiY) {
  if (!Native() || dpiX <= 0 || dpiY <= 0) return GfxReport(GfxInvalidParameter);
  Native()->dpiX = dpiX;
  Native()->dpiY = dpiY;
  return GfxReport(GfxOk);
}

void GfxBitmap::MeasureRotated(float width, float height, int angle, float* newWidth, float* newHeight) {
  const double radians = angle * 3.1415926535 / 180.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const double xs[4] = {0, width * c, width * c - height * s, -height * s};
  const double ys[4] = {0, width * s, width * s + height * c, height * c};
  const auto [minX, maxX] = std::minmax_element(xs, xs + 4);
  const auto [minY, maxY] = std::minmax_element(ys, ys + 4);
  if (newWidth) *newWidth = float(*maxX - *minX);
  if (newHeight) *newHeight = float(*maxY - *minY);
}

bool GfxBitmap::RotateInto(float angle, GfxArgb background, bool useBackground, int interpolation, bool useInterpolation,
                           GfxSizeF targetSize, bool useTargetSize) {
  GfxNativeImage* source = Native();
  if (!source) return GfxReport(GfxInvalidParameter);
  const float width = float(source->image.width()), height = float(source->image.height());
  GfxSizeF size = targetSize;
  if (!useTargetSize) MeasureRotated(width, height, int(angle), &size.Width, &size.Height);
  const int w = std::max(1, int(std::lround(size.Width))), h = std::max(1, int(std::lround(size.Height)));
  QImage turned(w, h, QImage::Format_ARGB32);
  turned.fill(Qt::transparent);
  {
    QPainter painter(&turned);
    if (useBackground) painter.fillRect(QRect(0, 0, w, h), GfxQColor(background));
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          !useInterpolation || interpolation != InterpolationModeNearestNeighbor);
    // To the new centre, turn, back, then the source offset by half the size difference.
    QTransform matrix;
    matrix.translate(w / 2.0, h / 2.0);
    matrix.rotate(angle);
    matrix.translate(-w / 2.0, -h / 2.0);
    matrix.translate((w - width) / 2.0, (h - height) / 2.0);
    painter.setTransform(matrix);
    painter.drawImage(QPointF(0, 0), source->image);
  }
  const float dpiX = source->dpiX, dpiY = source->dpiY;
  if (!Adopt(std::move(turned), PixelFormat32bppARGB)) return false;
  Native()->dpiX = dpiX;
  Native()->dpiY = dpiY;
  return GfxReport(GfxOk);
}
