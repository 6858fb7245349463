#pragma once
// Reading the parse service's answer: from the raw body to the direct media address.

#include <string>
#include <string_view>

namespace Resolver {

// The media types an answer must mention before an address is taken from it, in test order.
inline constexpr std::string_view MediaMarkers[] = {"mp4", "flv", "pfv", "f4v", "flv?key", ".flv"};

// The direct media address in a raw answer body, or "" when it names none: the body up to
// its first zero byte must mention a media marker (case-sensitively) and must not begin with
// "http://"; the result is "http://" plus the text after the first "http://", up to the next
// "http://" or the end, cut before its first double quote.
std::string ReadAnswer(std::string_view body);

}  // namespace Resolver
