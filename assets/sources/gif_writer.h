#pragma once
// A small animated-GIF writer: one global palette made by median cut over all frames,
// LZW-compressed full frames, endless loop.

#include <QByteArray>
#include <QImage>
#include <QList>

QByteArray EncodeAnimatedGif(const QList<QImage> &frames, int delayMs);
