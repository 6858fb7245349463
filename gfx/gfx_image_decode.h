#pragma once
#include <QByteArray>

class GfxNativeImage;

// Reads an image with every frame, its delays (frame-delay property in hundredths of a second),
// loop count, resolution and source format; null when the bytes are no image.
GfxNativeImage* GfxDecodeImage(const QByteArray& bytes);
// The pixel format number of a Qt image format.
int GfxPixelFormatOf(int qtFormat);
