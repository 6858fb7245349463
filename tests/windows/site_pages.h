#pragma once
// The loopback web the browser tests use: a page of video links, the pages behind them,
// a page with a frame, and an FLV clip that the player can play.

#include "tests/support/test_http_server.h"
#include "tests/windows/parse_service_stand_in.h"

// Serves the pages on pages and tells service what to answer for each video link.
void ServeSitePages(TestHttpServer &pages, ParseServiceStandIn &service);

// Link ids on "/videos.html", with the addresses they lead to.
namespace SitePages {
inline constexpr char Flv[] = "#flv";               // answered with the FLV clip
inline constexpr char Plain[] = "#plain";           // answered with no media address
inline constexpr char Capitals[] = "#capitals";     // answered with "…/CLIP.FLV"
inline constexpr char NewWindow[] = "#blank";       // target=_blank, answered with nothing
inline constexpr char MediaPath[] = "/media/clip.flv";
}  // namespace SitePages
