#pragma once
// Every web address the program has built in. Nothing here is read at run time; tests may
// point an address at a loopback server before the window that uses it is created.
// (The resolver library's parse-service host is a build option of that library.)

#include <QString>

namespace BuiltinAddresses {

// Animated logo shown over the video area until a video starts; a control and a web view
// can both show it.
inline QString LogoMovieUrl = QStringLiteral("qrc:/assets/logo/logo.gif");

// The video played when nothing has played for 51 seconds, and the address box's start text.
inline QString DefaultVideoUrl =
    QStringLiteral("http://m.tudou.com/wap/pvs?id=XNjEyNzU4MTMy&format=3gphd");

// Maker's web address and support group number in the welcome line.
inline QString MakerWebAddress = QStringLiteral("http://www.qinglan-player.cn");
inline QString SupportGroupNumber = QStringLiteral("180250136");

}  // namespace BuiltinAddresses
