#pragma once
// The pictures the generator makes.

#include <QImage>
#include <QList>

// 1024 x 664, no alpha: the tablet frame, its screen area, exact magenta around it.
QImage MakeBackground();
// The program icon at size x size, with alpha.
QImage MakeIcon(int size);
// The frames of the animated logo (all the same size) and their delay in milliseconds.
QList<QImage> MakeLogoFrames(int &delayMs);
