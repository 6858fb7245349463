// The export of libqinglan.so: one exchange with the parse service per call, the answer read
// into the last result, which the library keeps until the next call or its unload.

#include "resolver/qinglan.h"

#include "resolver/answer_reading.h"
#include "resolver/http_exchange.h"
#include "resolver/request_address.h"

#include <curl/curl.h>

#include <mutex>
#include <string>

#ifndef QINGLAN_PARSE_HOST
#error "QINGLAN_PARSE_HOST must name the parse service's host"
#endif

namespace {

#ifdef QINGLAN_SHORT_TIMEOUTS
// Test builds only: a silent service is given up after 3 s instead of half a minute.
constexpr Resolver::ExchangeLimits Limits{2'000, 3'000, 4u << 20};
#else
constexpr Resolver::ExchangeLimits Limits{};
#endif

std::mutex lastResultMutex;
std::string *lastResult = nullptr;

__attribute__((constructor)) void OnLoad()
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

__attribute__((destructor)) void OnUnload()
{
    delete lastResult;
    lastResult = nullptr;
    curl_global_cleanup();
}

}  // namespace

extern "C" const char *qinglan(const char *pageAddress)
{
    try {
        const std::string address =
            Resolver::BuildRequestAddress(QINGLAN_PARSE_HOST, pageAddress ? pageAddress : "");
        auto *result = new std::string(Resolver::ReadAnswer(Resolver::FetchBody(address, Limits)));
        const std::lock_guard lock(lastResultMutex);
        delete lastResult;
        lastResult = result;
        return lastResult->c_str();
    } catch (...) {
        // Out of memory: the empty text, and the previous result stays valid.
        return "";
    }
}
