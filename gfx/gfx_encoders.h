#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

// An installed image encoder: its class and format identifier texts (braced, upper case), and the
// writer format that does the work.
struct GfxEncoderInfo {
  QString classId;
  QString formatId;
  QString mimeType;
  QByteArray writerFormat;
};

class GfxEncoders {
 public:
  static constexpr const char* kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
  static constexpr const char* kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
  static constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
  static constexpr const char* kGifFormat = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
  static constexpr const char* kTiffFormat = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
  static constexpr const char* kMemoryBmpFormat = "{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";
  static constexpr const char* kIconFormat = "{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}";
  // Encoder parameter: JPEG quality 0..100.
  static constexpr const char* kQualityParameter = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";

  // The encoders this system has a writer for.
  static std::vector<GfxEncoderInfo> Installed();
  // The encoder whose format identifier text is exactly formatId; null when none is.
  static const GfxEncoderInfo* ByFormat(const QString& formatId);
  // The format identifier of a reader format name ("png"), or the memory-bitmap one.
  static QString FormatOfReader(const QByteArray& readerFormat);
};
