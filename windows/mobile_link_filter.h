#pragma once
// What the mobile browser does with a followed link, decided by its address alone.

#include <QString>

// Mobile stream formats: "3gphd" plays in the main window, plain "3gp" does not play here.
inline constexpr char PlayableMobileMarker[] = "3gphd";
inline constexpr char MobileStreamMarker[] = "3gp";

enum class MobileLinkAction {
    Navigate,  // an ordinary page: let the viewer go there
    Play,      // a "3gphd" stream: play it, the viewer stays
    Ignore,    // another "3gp" stream: nothing happens
};

// statusText is the viewer's status-bar text: the address of the link being followed.
MobileLinkAction MobileLinkFilter(const QString &statusText);
