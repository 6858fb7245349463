#pragma once
#include "gfx/gfx_mem_stream.h"
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

#include <QByteArray>
#include <QString>
#include <vector>

class GfxNativeImage;
class QIODevice;

struct GfxEncoderParameter {
  QString id;  // parameter identifier text
  qint64 value = 0;
};

// An image, with the stream of the bytes it was loaded from (kept as long as the image).
class GfxImage : public GfxObject {
 public:
  GfxImage() = default;
  GfxImage(const GfxImage&) = default;
  GfxImage& operator=(const GfxImage&) = default;
  ~GfxImage() override;

  GfxNativeImage* Native() const { return image_; }

  bool DisposeImage();
  bool LoadImageFromFile(const char* fileName, bool icm = false);
  bool LoadImageFromFile(const QString& fileName, bool icm = false);
  // The bytes are copied into the wrapper's own stream; the caller may drop its copy at once.
  bool LoadImageFromBytes(const QByteArray& bytes, bool icm = false);
  bool CloneImage(GfxImage& clone) const;
  // Saves with the encoder whose format identifier text is formatId (BMP by default); false
  // and nothing written when no encoder has it.
  bool SaveImageToFile(const char* fileName, const QString& formatId = QString(), const std::vector<GfxEncoderParameter>& parameters = {}) const;
  bool SaveImageToFile(const QString& fileName, const QString& formatId = QString(), const std::vector<GfxEncoderParameter>& parameters = {}) const;
  bool SaveImageToStream(GfxMemStream& stream, const QString& formatId = QString(), const std::vector<GfxEncoderParameter>& parameters = {}) const;
  int GetImageType() const;
  bool GetImageDimension(float* width, float* height) const;
  bool GetImageBounds(GfxRectF* bounds, int* unit) const;
  unsigned GetImageWidth() const;
  unsigned GetImageHeight() const;
  float GetImageHorizontalResolution() const;
  float GetImageVerticalResolution() const;
  QString GetImageRawFormat() const;
  int GetImagePixelFormat() const;
  bool GetImageThumbnail(unsigned width, unsigned height, GfxImage& thumbnail) const;
  unsigned ImageGetFrameCount(const QString& dimension = QString()) const;
  bool ImageSelectActiveFrame(const QString& dimension, unsigned index);
  bool ImageRotateFlip(int type);
  // Delay of each frame in hundredths of a second; empty (PropertyNotFound) for a still image.
  std::vector<qint32> GetFrameDelays() const;
  unsigned GetPropertyItemSize(int id) const;
  bool GetPropertyItem(int id, int* type, QByteArray* value) const;
  bool SetPropertyItem(int id, int type, const QByteArray& value);
  bool RemovePropertyItem(int id);
  std::vector<int> GetPropertyIdList() const;

  static constexpr const char* kTimeDimension = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
  static constexpr const char* kPageDimension = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";

 protected:
  void OnSetNativeHandle(void* handle) override;
  bool LoadFromOwnStream();
  GfxMemStream stream_;

 private:
  bool Save(QIODevice& device, const QString& formatId, const std::vector<GfxEncoderParameter>& parameters) const;
  GfxNativeImage* image_ = nullptr;
};
