#include "gfx/gfx_image_decode.h"

#include "gfx/gfx_encoders.h"
#include "gfx/gfx_native_image.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

int GfxPixelFormatOf(int qtFormat) {
  switch (QImage::Format(qtFormat)) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return PixelFormat1bppIndexed;
    case QImage::Format_Indexed8: return PixelFormat8bppIndexed;
    case QImage::Format_RGB16: return PixelFormat16bppRGB565;
    case QImage::Format_RGB888: return PixelFormat24bppRGB;
    case QImage::Format_RGB32: return PixelFormat32bppRGB;
    case QImage::Format_ARGB32_Premultiplied: return PixelFormat32bppPARGB;
    default: return PixelFormat32bppARGB;
  }
}

GfxNativeImage* GfxDecodeImage(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QByteArray format = reader.format();
  std::vector<QImage> frames;
  QByteArray delays;
  for (;;) {
    QImage frame = reader.read();
    if (frame.isNull()) break;
    const int delay = std::max(0, reader.nextImageDelay()) / 10;
    const qint32 little = qToLittleEndian<qint32>(delay);
    delays.append(reinterpret_cast<const char*>(&little), 4);
    frames.push_back(std::move(frame));
    if (!reader.supportsAnimation() || frames.size() > 10000) break;
  }
  if (frames.empty()) return nullptr;
  auto* native = new GfxNativeImage;
  native->image = frames.front();
  if (native->image.format() != QImage::Format_ARGB32 && native->image.hasAlphaChannel())
    native->image = native->image.convertToFormat(QImage::Format_ARGB32);
  native->pixelFormat = native->image.hasAlphaChannel() ? PixelFormat32bppARGB : GfxPixelFormatOf(native->image.format());
  native->rawFormat = GfxEncoders::FormatOfReader(format);
  if (native->image.dotsPerMeterX() > 0) native->dpiX = float(native->image.dotsPerMeterX() * 0.0254);
  if (native->image.dotsPerMeterY() > 0) native->dpiY = float(native->image.dotsPerMeterY() * 0.0254);
  if (frames.size() > 1 || reader.supportsAnimation()) {
    native->properties[PropertyTagFrameDelay] = {PropertyTagTypeLong, delays};
    const qint16 loops = qToLittleEndian<qint16>(qint16(std::max(0, reader.loopCount())));
    native->properties[PropertyTagLoopCount] = {PropertyTagTypeShort, QByteArray(reinterpret_cast<const char*>(&loops), 2)};
  }
  if (frames.size() > 1) native->frames = std::move(frames);
  return native;
}
