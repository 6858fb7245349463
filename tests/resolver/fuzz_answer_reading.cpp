// libFuzzer target: any answer body is read without fault, and what comes out is either
// nothing or an address taken whole from the answer.

#include "resolver/answer_reading.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view body(reinterpret_cast<const char *>(data), size);
    const std::string result = Resolver::ReadAnswer(body);
    if (result.empty())
        return 0;
    const std::string_view answer = body.substr(0, body.find('\0'));
    const std::size_t first = answer.find("http://");
    bool mentionsMedia = false;
    for (std::string_view marker : Resolver::MediaMarkers)
        mentionsMedia = mentionsMedia || answer.find(marker) != answer.npos;
    // The result is the answer from its first "http://" on, cut before a quote or the next one.
    const bool wellFormed = mentionsMedia && first != answer.npos && first > 0 &&
                            answer.substr(first).starts_with(result) &&
                            result.starts_with("http://") && result.find('"') == result.npos &&
                            result.find("http://", 1) == result.npos;
    if (!wellFormed)
        __builtin_trap();
    return 0;
}
