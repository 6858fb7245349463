// The main window's background: a dark tablet frame with rounded corners, a soft bevel
// lit from the top left, a recessed screen area, a camera dot and a home button, on
// exact magenta. The outer edge is not anti-aliased: a pixel is magenta or frame.

#include "generated_assets.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Width = 1024;
constexpr int Height = 664;

struct Vec {
    double x, y;
};

// Signed distance to a rounded rectangle: negative inside.
double RoundedBoxDistance(Vec p, Vec centre, Vec half, double radius)
{
    const double qx = std::abs(p.x - centre.x) - half.x + radius;
    const double qy = std::abs(p.y - centre.y) - half.y + radius;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

struct Box {
    Vec centre, half;
    double radius;
    double distance(Vec p) const { return RoundedBoxDistance(p, centre, half, radius); }
    // Outward normal, from the distance field.
    Vec normal(Vec p) const
    {
        const double e = 0.5;
        const double dx = distance({p.x + e, p.y}) - distance({p.x - e, p.y});
        const double dy = distance({p.x, p.y + e}) - distance({p.x, p.y - e});
        const double length = std::hypot(dx, dy);
        return length > 0 ? Vec{dx / length, dy / length} : Vec{0, 0};
    }
};

// Pixel edges of the frame (66,48)-(970,624) and the screen (155,111)-(884,561), inclusive.
const Box Frame{{(66 + 971) / 2.0, (48 + 625) / 2.0}, {(971 - 66) / 2.0, (625 - 48) / 2.0}, 44};
const Box Screen{{(155 + 885) / 2.0, (111 + 562) / 2.0}, {(885 - 155) / 2.0, (562 - 111) / 2.0}, 3};
const Vec Light{-0.447, -0.894};

double Smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct Rgb {
    double r, g, b;
    Rgb operator+(double v) const { return {r + v, g + v, b + v}; }
};

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

QRgb ToPixel(Rgb c)
{
    const auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

Rgb FramePixel(Vec p)
{
    const double depth = -Frame.distance(p);
    const double down = (p.y - 48) / 577.0;
    Rgb colour = Mix({0x25, 0x27, 0x2d}, {0x10, 0x11, 0x14}, down);

    // A faint gloss over the upper left of the bezel.
    const double diagonal = (p.x - 66) / 905.0 * 0.55 + down * 0.45;
    colour = colour + 9.0 * (1.0 - Smoothstep(0.05, 0.45, diagonal));

    if (depth < 1.0)
        return {0x3c, 0x3f, 0x47};
    if (depth < 8.0) {
        const Vec n = Frame.normal(p);
        const double lit = n.x * Light.x + n.y * Light.y;
        colour = colour + lit * 28.0 * (1.0 - (depth - 1.0) / 7.0);
    }

    const double gap = Screen.distance(p);
    if (gap < 6.0) {
        // A recess: the walls facing the light are those on the far side of the screen.
        const Vec n = Screen.normal(p);
        const double lit = -(n.x * Light.x + n.y * Light.y);
        colour = colour + lit * 16.0 * (1.0 - gap / 6.0);
        if (gap < 1.5)
            colour = Mix(colour, {0x06, 0x06, 0x08}, 0.6);
    }

    // Camera dot above the screen.
    const double camera = std::hypot(p.x - 518.5, p.y - 80.0);
    if (camera < 4.5) {
        const double glint = std::hypot(p.x - 517.3, p.y - 78.8);
        return glint < 1.4 ? Rgb{0x2c, 0x3a, 0x58} : Rgb{0x07, 0x08, 0x0b};
    }
    if (camera < 5.6)
        return Mix({0x36, 0x39, 0x41}, colour, Smoothstep(4.5, 5.6, camera));

    // Home button on the right bezel.
    const double button = std::hypot(p.x - 928.0, p.y - 336.5);
    if (button < 17.0) {
        const double rim = Smoothstep(14.0, 15.5, button) * (1.0 - Smoothstep(16.0, 17.0, button));
        const Vec n{(p.x - 928.0) / std::max(button, 1.0), (p.y - 336.5) / std::max(button, 1.0)};
        const double lit = -(n.x * Light.x + n.y * Light.y);
        Rgb inside = Mix({0x14, 0x15, 0x19}, {0x1c, 0x1e, 0x23}, (p.y - 319.5) / 34.0) + lit * 5.0;
        return Mix(inside, Rgb{0x30, 0x33, 0x3a} + lit * -8.0, rim);
    }
    return colour;
}

}  // namespace

QImage MakeBackground()
{
    QImage image(Width, Height, QImage::Format_RGB888);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const Vec p{x + 0.5, y + 0.5};
            QRgb pixel;
            if (Frame.distance(p) > 0)
                pixel = qRgb(0xFF, 0x00, 0xFF);
            else if (Screen.distance(p) <= 0)
                pixel = ToPixel(Mix({0x07, 0x08, 0x0a}, {0x03, 0x03, 0x04}, (p.y - 111) / 451.0));
            else
                pixel = ToPixel(FramePixel(p));
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}
