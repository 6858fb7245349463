#pragma once
// Small white canvases the graphics tests draw on, and the pixel checks they share.

#include <QImage>

inline QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::white);
  return image;
}

inline bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
