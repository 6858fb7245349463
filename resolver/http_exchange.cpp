#include "resolver/http_exchange.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace Resolver {

namespace {

constexpr char UserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// Largest chunk read at once; the whole body is still read to its end or to the cap.
constexpr long ChunkBytes = 100 * 1024;

struct BodySink {
    CURL *handle;
    std::size_t maxBytes;
    std::string body;
};

std::size_t AppendChunk(char *data, std::size_t size, std::size_t count, void *userData)
{
    auto *sink = static_cast<BodySink *>(userData);
    const std::size_t length = size * count;
    const std::size_t room = sink->maxBytes - sink->body.size();
    try {
        if (sink->body.empty()) {
            curl_off_t announced = -1;
            curl_easy_getinfo(sink->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
            if (announced > 0)
                sink->body.reserve(std::min(static_cast<std::size_t>(announced), sink->maxBytes));
        }
        sink->body.append(data, std::min(length, room));
    } catch (...) {
        return 0;  // out of memory: keep what arrived, no exception through libcurl
    }
    // Returning less than was given ends the transfer: the cap is reached.
    return length <= room ? length : 0;
}

struct EasyDeleter {
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

curl_slist *RequestHeaders()
{
    curl_slist *list = nullptr;
    for (const char *line : {"Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"}) {
        curl_slist *grown = curl_slist_append(list, line);
        if (!grown) {
            curl_slist_free_all(list);
            return nullptr;
        }
        list = grown;
    }
    return list;
}

}  // namespace

std::string FetchBody(const std::string &address, const ExchangeLimits &limits)
{
    std::unique_ptr<CURL, EasyDeleter> handle(curl_easy_init());
    std::unique_ptr<curl_slist, HeaderListDeleter> headers(RequestHeaders());
    if (!handle || !headers)
        return {};
    CURL *h = handle.get();
    BodySink sink{h, limits.maxBodyBytes, {}};
    curl_easy_setopt(h, CURLOPT_URL, address.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(h, CURLOPT_USERAGENT, UserAgent);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    // An empty proxy name means a direct connection, whatever http_proxy and friends say.
    curl_easy_setopt(h, CURLOPT_PROXY, "");
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limits.exchangeTimeoutMs);
    // The caller may be any thread of a program with its own signal handlers.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_BUFFERSIZE, ChunkBytes);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, AppendChunk);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
    const CURLcode code = curl_easy_perform(h);
    if (code == CURLE_HTTP_RETURNED_ERROR)
        return {};
    // Anything else that went wrong after the first bytes (time-out, broken connection, the
    // cap) leaves what had arrived; before them, nothing has.
    return std::move(sink.body);
}

}  // namespace Resolver
