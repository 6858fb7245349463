#pragma once
// The address the parse service is asked: "http://" + host + "/getFlv.php?url=" + page address.

#include <string>
#include <string_view>

namespace Resolver {

// The page address as the value of the query's "url" parameter: percent-encodes every byte
// that would cut the request or the value short ('&', '#', '+', '%', spaces, control and
// non-ASCII bytes, ...), so a service that decodes its query once sees the address byte for
// byte. Letters, digits and "-._~:/?=@!$'()*,;" travel unchanged.
std::string EscapePageAddress(std::string_view pageAddress);

// The request address for host ("name" or "name:port") and a page address.
std::string BuildRequestAddress(std::string_view host, std::string_view pageAddress);

}  // namespace Resolver
