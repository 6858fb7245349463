#include "app/layout.h"

#include <QGuiApplication>
#include <QScreen>

namespace MainLayout {

QRect VideoRect(int cw, int ch)
{
    return {VideoLeft, VideoTop, cw - 265, ch - 240};
}

QPoint CentredPosition(const QSize &screen, const QSize &window)
{
    // int() truncates toward zero, also for the negative results of a small screen.
    return {int(screen.width() / 2.0 - window.width() / 2.0),
            int(screen.height() / 2.0 - window.height() / 2.0)};
}

QRect StatusPlacement(int cw, int ch, int labelHeight)
{
    return {140, ch - 110, cw - 265, labelHeight};
}

QRect FullScreenStatusPlacement(int cw, int ch, int labelHeight)
{
    return {140, ch - 80, cw - 265, labelHeight};
}

QRect SeekBarPlacement(int cw, int h, int barHeight)
{
    return {140, h - barHeight - 105, cw - 265, barHeight};
}

QRect FullScreenSeekBarPlacement(const QSize &screen, int bottomReserved, int barHeight)
{
    return {0, screen.height() - bottomReserved - barHeight, screen.width(), barHeight};
}

QPoint VolumeBarPosition(int w, int h, int barHeight)
{
    return {w - 120, h - barHeight - 120};
}

QRect FullScreenVideoRect(const QSize &screen)
{
    return {0, 50, screen.width(), screen.height() - 130};
}

int BottomReservedHeight(const QRect &screen, const QRect &workArea)
{
    return (screen.y() + screen.height()) - (workArea.y() + workArea.height());
}

int BottomReservedHeight()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return BottomReservedHeight(screen->geometry(), screen->availableGeometry());
}

}  // namespace MainLayout
