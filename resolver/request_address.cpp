#include "resolver/request_address.h"

namespace Resolver {

namespace {

bool TravelsUnchanged(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("-._~:/?=@!$'()*,;").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::string EscapePageAddress(std::string_view pageAddress)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(pageAddress.size() + pageAddress.size() / 4);
    for (const char ch : pageAddress) {
        const auto c = static_cast<unsigned char>(ch);
        if (TravelsUnchanged(c)) {
            escaped += ch;
        } else {
            escaped += '%';
            escaped += Hex[c >> 4];
            escaped += Hex[c & 0x0F];
        }
    }
    return escaped;
}

std::string BuildRequestAddress(std::string_view host, std::string_view pageAddress)
{
    std::string address = "http://";
    address.append(host).append("/getFlv.php?url=").append(EscapePageAddress(pageAddress));
    return address;
}

}  // namespace Resolver
