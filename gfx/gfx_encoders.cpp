#include "gfx/gfx_encoders.h"

#include <QImageWriter>

std::vector<GfxEncoderInfo> GfxEncoders::Installed() {
  static const std::vector<GfxEncoderInfo> installed = [] {
    const std::vector<GfxEncoderInfo> known = {
        {"{557CF400-1A04-11D3-9A73-0000F81EF32E}", kBmpFormat, "image/bmp", "bmp"},
        {"{557CF401-1A04-11D3-9A73-0000F81EF32E}", kJpegFormat, "image/jpeg", "jpeg"},
        {"{557CF402-1A04-11D3-9A73-0000F81EF32E}", kGifFormat, "image/gif", "gif"},
        {"{557CF405-1A04-11D3-9A73-0000F81EF32E}", kTiffFormat, "image/tiff", "tiff"},
        {"{557CF406-1A04-11D3-9A73-0000F81EF32E}", kPngFormat, "image/png", "png"},
    };
    const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
    std::vector<GfxEncoderInfo> result;
    for (const GfxEncoderInfo& encoder : known)
      if (writable.contains(encoder.writerFormat)) result.push_back(encoder);
    return result;
  }();
  return installed;
}

const GfxEncoderInfo* GfxEncoders::ByFormat(const QString& formatId) {
  static const std::vector<GfxEncoderInfo> installed = Installed();
  for (const GfxEncoderInfo& encoder : installed)
    if (encoder.formatId == formatId) return &encoder;  // exact text, as the identifiers are compared
  return nullptr;
}

QString GfxEncoders::FormatOfReader(const QByteArray& readerFormat) {
  if (readerFormat == "png") return kPngFormat;
  if (readerFormat == "jpeg" || readerFormat == "jpg") return kJpegFormat;
  if (readerFormat == "gif") return kGifFormat;
  if (readerFormat == "bmp") return kBmpFormat;
  if (readerFormat == "tiff" || readerFormat == "tif") return kTiffFormat;
  if (readerFormat == "ico") return kIconFormat;
  return kMemoryBmpFormat;
}
