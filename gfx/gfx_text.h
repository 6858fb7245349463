#pragma once
#include <QString>

// The layer's byte texts are UTF-8 (the system code page here); null reads as empty.
inline QString GfxTextFromBytes(const char* text) { return text ? QString::fromUtf8(text) : QString(); }
// Takes a UTF-16 text with a length (-1: up to the first NUL or the end).
QString GfxTextFromUtf16(const QString& text, int length);
// UTF-8 bytes of at most maxBytes - 1 bytes, never ending inside a multibyte character.
QByteArray GfxBytesLimited(const QString& text, int maxBytes);
