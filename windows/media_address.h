#pragma once
// The playability test for addresses the resolver library answers with.

#include <QLatin1String>
#include <QString>

// Markers of a direct media address, tested in this order.
inline constexpr QLatin1String MediaMarkers[] = {
    QLatin1String("mp4"), QLatin1String("flv"),     QLatin1String("pfv"),
    QLatin1String("f4v"), QLatin1String("flv?key"), QLatin1String(".flv"),
};

// True when one of the media markers occurs anywhere in text (case-sensitive).
bool IsMediaAddress(const QString &text);
