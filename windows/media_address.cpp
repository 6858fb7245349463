#include "windows/media_address.h"

bool IsMediaAddress(const QString &text)
{
    for (const QLatin1String &marker : MediaMarkers) {
        if (text.contains(marker, Qt::CaseSensitive))
            return true;
    }
    return false;
}
