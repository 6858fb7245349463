#include "resolver/answer_reading.h"

#include <algorithm>

namespace Resolver {

namespace {

constexpr std::string_view Scheme = "http://";

bool MentionsMediaType(std::string_view answer)
{
    return std::any_of(std::begin(MediaMarkers), std::end(MediaMarkers),
                       [answer](std::string_view marker) { return answer.find(marker) != answer.npos; });
}

}  // namespace

std::string ReadAnswer(std::string_view body)
{
    const std::string_view answer = body.substr(0, body.find('\0'));
    if (!MentionsMediaType(answer))
        return {};
    const size_t first = answer.find(Scheme);
    // An answer without an address has nothing to give; one that begins with it is refused.
    if (first == answer.npos || first == 0)
        return {};
    const size_t start = first + Scheme.size();
    const size_t next = answer.find(Scheme, start);
    std::string_view piece = answer.substr(start, next == answer.npos ? answer.npos : next - start);
    // "http://" at the very end (the only piece is the text before it) or right before
    // another "http://" names no address.
    if (piece.empty())
        return {};
    piece = piece.substr(0, piece.find('"'));
    std::string result;
    result.reserve(Scheme.size() + piece.size());
    result.append(Scheme).append(piece);
    return result;
}

}  // namespace Resolver
