#pragma once
// Every web address the program has built in. Nothing here is read at run time; tests may
// point an address at a loopback server before the window that uses it is created.
// (The resolver library's parse-service host is a build option of that library.)

#include <QString>
#include <QStringList>

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

// Home pages of the video sites in the site browser's address list, in list order:
// M1905, Joy, PPS, QQ Video, Youku, 56, Tudou, Ku6, Aipai.
inline QStringList VideoSiteUrls = {
    QStringLiteral("http://www.m1905.com/"), QStringLiteral("http://www.joy.cn/"),
    QStringLiteral("http://www.pps.tv/"),    QStringLiteral("http://v.qq.com/"),
    QStringLiteral("http://www.youku.com/"), QStringLiteral("http://www.56.com/"),
    QStringLiteral("http://www.tudou.com/"), QStringLiteral("http://www.ku6.com/"),
    QStringLiteral("http://www.aipai.com/"),
};

// Start pages of the mobile browser's two tabs.
inline QString YoukuMobileUrl = QStringLiteral("http://m.youku.com/");
inline QString TudouMobileUrl = QStringLiteral("http://m.tudou.com/");

// Targets of the about window's links: user group (a short link), donation page, the
// maker's site and its forum.
inline QString UserGroupUrl = QStringLiteral("http://url.cn/qinglan-qq");
inline QString DonateUrl = QStringLiteral("https://me.alipay.com/qinglanplayer");
inline QString OfficialSiteUrl = QStringLiteral("http://www.qinglan-player.cn/");
inline QString ForumUrl = QStringLiteral("http://www.qinglan-player.cn/indexlt.html");

}  // namespace BuiltinAddresses
