#include "windows/mobile_link_filter.h"

MobileLinkAction MobileLinkFilter(const QString &statusText)
{
    if (statusText.contains(QLatin1String(PlayableMobileMarker), Qt::CaseSensitive))
        return MobileLinkAction::Play;
    if (statusText.contains(QLatin1String(MobileStreamMarker), Qt::CaseSensitive))
        return MobileLinkAction::Ignore;
    return MobileLinkAction::Navigate;
}
