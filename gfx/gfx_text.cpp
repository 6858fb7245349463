#include "gfx/gfx_text.h"

QString GfxTextFromUtf16(const QString& text, int length) {
  QString result = text;
  const qsizetype nul = result.indexOf(QChar(0));
  if (nul >= 0) result.truncate(nul);
  if (length >= 0 && length < result.size()) result.truncate(length);
  return result;
}

QByteArray GfxBytesLimited(const QString& text, int maxBytes) {
  QByteArray bytes = text.toUtf8();
  if (maxBytes <= 0) return {};
  if (bytes.size() < maxBytes) return bytes;
  qsizetype cut = maxBytes - 1;
  while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;  // continuation byte
  bytes.truncate(cut);
  return bytes;
}
