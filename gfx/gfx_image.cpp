#include "gfx/gfx_image.h"

#include "gfx/gfx_encoders.h"
#include "gfx/gfx_image_decode.h"
#include "gfx/gfx_native_image.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_text.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>

void GfxImage::OnSetNativeHandle(void* handle) { image_ = static_cast<GfxNativeImage*>(handle); }

GfxImage::~GfxImage() {
  ReleaseNativeHandle();  // the image first: it may read from the stream to the end
  stream_.Release();
}

bool GfxImage::DisposeImage() {
  if (!image_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxImage::LoadFromOwnStream() {
  GfxNativeImage* native = GfxDecodeImage(stream_.ReadAllBytes());
  if (!native) return GfxReport(GfxUnknownImageFormat);
  native->stream = stream_.GetStream();
  GfxRetain(native->stream);
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxImage::LoadImageFromFile(const char* fileName, bool icm) { return LoadImageFromFile(GfxTextFromBytes(fileName), icm); }

bool GfxImage::LoadImageFromFile(const QString& fileName, bool) {
  QFile file(fileName);
  if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) return GfxReport(fileName.isEmpty() ? GfxInvalidParameter : GfxFileNotFound);
  GfxNativeImage* native = GfxDecodeImage(file.readAll());
  if (!native) return GfxReport(GfxOutOfMemory);  // what the flat API answers for a file that is no image
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxImage::LoadImageFromBytes(const QByteArray& bytes, bool) {
  if (bytes.isEmpty()) return GfxReport(GfxInvalidParameter);
  stream_.CreateFromBytes(bytes);
  return LoadFromOwnStream();
}

bool GfxImage::CloneImage(GfxImage& clone) const {
  if (!image_) return GfxReport(GfxInvalidParameter);
  auto* copy = new GfxNativeImage;
  copy->image = image_->image.copy();
  copy->frames = image_->frames;
  copy->activeFrame = image_->activeFrame;
  copy->type = image_->type;
  copy->pixelFormat = image_->pixelFormat;
  copy->rawFormat = image_->rawFormat;
  copy->dpiX = image_->dpiX;
  copy->dpiY = image_->dpiY;
  copy->properties = image_->properties;
  clone.AdoptNativeHandle(copy);
  return GfxReport(GfxOk);
}

bool GfxImage::Save(QIODevice& device, const QString& formatId, const std::vector<GfxEncoderParameter>& parameters) const {
  const GfxEncoderInfo* encoder = GfxEncoders::ByFormat(formatId.isEmpty() ? QString(GfxEncoders::kBmpFormat) : formatId);
  if (!encoder) return GfxReport(GfxInvalidParameter);
  QImageWriter writer(&device, encoder->writerFormat);
  for (const GfxEncoderParameter& parameter : parameters)
    if (parameter.id == GfxEncoders::kQualityParameter) writer.setQuality(int(std::clamp<qint64>(parameter.value, 0, 100)));
  QImage out = image_->image;
  out.setDotsPerMeterX(qRound(image_->dpiX / 0.0254));
  out.setDotsPerMeterY(qRound(image_->dpiY / 0.0254));
  return GfxReport(writer.write(out) ? GfxOk : GfxWin32Error);
}

bool GfxImage::SaveImageToFile(const char* fileName, const QString& formatId, const std::vector<GfxEncoderParameter>& parameters) const {
  return SaveImageToFile(GfxTextFromBytes(fileName), formatId, parameters);
}

bool GfxImage::SaveImageToFile(const QString& fileName, const QString& formatId, const std::vector<GfxEncoderParameter>& parameters) const {
  if (!image_ || fileName.isEmpty()) return GfxReport(GfxInvalidParameter);
  // Checked before the file is touched: an unknown format writes nothing at all.
  if (!GfxEncoders::ByFormat(formatId.isEmpty() ? QString(GfxEncoders::kBmpFormat) : formatId)) return GfxReport(GfxInvalidParameter);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return GfxReport(GfxAccessDenied);
  if (!Save(file, formatId, parameters)) return false;
  return GfxReport(file.commit() ? GfxOk : GfxWin32Error);
}

bool GfxImage::SaveImageToStream(GfxMemStream& stream, const QString& formatId, const std::vector<GfxEncoderParameter>& parameters) const {
  if (!image_) return GfxReport(GfxInvalidParameter);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!Save(buffer, formatId, parameters)) return false;
  stream.CreateFromBytes(buffer.data());
  return GfxReport(GfxOk);
}

namespace {
template <class T, class F>
T Read(const GfxNativeImage* image, F read) {
  if (!image) {
    GfxReport(GfxInvalidParameter);
    return T{};
  }
  GfxReport(GfxOk);
  return read(*image);
}
}  // namespace

int GfxImage::GetImageType() const { return Read<int>(image_, [](auto& i) { return i.type; }); }

bool GfxImage::GetImageDimension(float* width, float* height) const {
  if (!image_ || !width || !height) return GfxReport(GfxInvalidParameter);
  *width = float(image_->image.width());
  *height = float(image_->image.height());
  return GfxReport(GfxOk);
}

bool GfxImage::GetImageBounds(GfxRectF* bounds, int* unit) const {
  if (!image_ || !bounds || !unit) return GfxReport(GfxInvalidParameter);
  *bounds = {0, 0, float(image_->image.width()), float(image_->image.height())};
  *unit = UnitPixel;
  return GfxReport(GfxOk);
}

unsigned GfxImage::GetImageWidth() const { return Read<unsigned>(image_, [](auto& i) { return unsigned(i.image.width()); }); }
unsigned GfxImage::GetImageHeight() const { return Read<unsigned>(image_, [](auto& i) { return unsigned(i.image.height()); }); }
float GfxImage::GetImageHorizontalResolution() const { return Read<float>(image_, [](auto& i) { return i.dpiX; }); }
float GfxImage::GetImageVerticalResolution() const { return Read<float>(image_, [](auto& i) { return i.dpiY; }); }
QString GfxImage::GetImageRawFormat() const { return Read<QString>(image_, [](auto& i) { return i.rawFormat; }); }
int GfxImage::GetImagePixelFormat() const { return Read<int>(image_, [](auto& i) { return i.pixelFormat; }); }

bool GfxImage::GetImageThumbnail(unsigned width, unsigned height, GfxImage& thumbnail) const {
  if (!image_) return GfxReport(GfxInvalidParameter);
  auto* small = new GfxNativeImage;
  small->image = image_->image.scaled(width ? int(width) : 120, height ? int(height) : 120, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
  small->rawFormat = GfxEncoders::kMemoryBmpFormat;
  thumbnail.AdoptNativeHandle(small);
  return GfxReport(GfxOk);
}

unsigned GfxImage::ImageGetFrameCount(const QString& dimension) const {
  if (!image_) return Read<unsigned>(image_, [](auto&) { return 0u; });
  if (!dimension.isEmpty() && dimension != kTimeDimension && dimension != kPageDimension) {
    GfxReport(GfxInvalidParameter);
    return 0;
  }
  GfxReport(GfxOk);
  return image_->frames.empty() ? 1u : unsigned(image_->frames.size());
}

bool GfxImage::ImageSelectActiveFrame(const QString& dimension, unsigned index) {
  if (!image_ || (!dimension.isEmpty() && dimension != kTimeDimension && dimension != kPageDimension))
    return GfxReport(GfxInvalidParameter);
  const std::size_t count = image_->frames.empty() ? 1 : image_->frames.size();
  if (index >= count) return GfxReport(GfxInvalidParameter);
  if (!image_->frames.empty()) image_->image = image_->frames[index];
  image_->activeFrame = int(index);
  return GfxReport(GfxOk);
}

bool GfxImage::ImageRotateFlip(int type) {
  if (!image_ || type < 0 || type > 7) return GfxReport(GfxInvalidParameter);
  if (image_->graphicsOpen) return GfxReport(GfxObjectBusy);
  QTransform turn;
  turn.rotate(90 * (type % 4));
  QImage result = image_->image.transformed(turn);
  if (type >= 4) result = result.mirrored(true, false);
  image_->image = result;
  return GfxReport(GfxOk);
}

std::vector<qint32> GfxImage::GetFrameDelays() const {
  std::vector<qint32> delays;
  int type = 0;
  QByteArray value;
  if (!GetPropertyItem(PropertyTagFrameDelay, &type, &value)) return delays;
  for (qsizetype at = 0; at + 4 <= value.size(); at += 4) delays.push_back(qFromLittleEndian<qint32>(value.constData() + at));
  return delays;
}

unsigned GfxImage::GetPropertyItemSize(int id) const {
  int type = 0;
  QByteArray value;
  if (!GetPropertyItem(id, &type, &value)) return 0;
  return unsigned(value.size() + 16);  // the item record plus its value
}

bool GfxImage::GetPropertyItem(int id, int* type, QByteArray* value) const {
  if (!image_ || !type || !value) return GfxReport(GfxInvalidParameter);
  const auto it = image_->properties.find(id);
  if (it == image_->properties.end()) return GfxReport(GfxPropertyNotFound);
  *type = it->second.type;
  *value = it->second.value;
  return GfxReport(GfxOk);
}

bool GfxImage::SetPropertyItem(int id, int type, const QByteArray& value) {
  if (!image_) return GfxReport(GfxInvalidParameter);
  image_->properties[id] = {type, value};
  return GfxReport(GfxOk);
}

bool GfxImage::RemovePropertyItem(int id) {
  if (!image_) return GfxReport(GfxInvalidParameter);
  return GfxReport(image_->properties.erase(id) ? GfxOk : GfxPropertyNotFound);
}

std::vector<int> GfxImage::GetPropertyIdList() const {
  std::vector<int> ids;
  if (!image_) return GfxReport(GfxInvalidParameter), ids;
  for (const auto& [id, item] : image_->properties) ids.push_back(id);
  GfxReport(GfxOk);
  return ids;
}
