#pragma once
// One blocking HTTP/1.0 GET to the parse service.

#include <cstddef>
#include <string>

namespace Resolver {

struct ExchangeLimits {
    long connectTimeoutMs = 10'000;         // to open the connection
    long exchangeTimeoutMs = 30'000;        // for the whole exchange, connection included
    std::size_t maxBodyBytes = 4u << 20;    // reading stops here
};

// The body the service answers at address: GET, HTTP/1.0, the fixed user agent, "Accept: */*",
// "Pragma: no-cache" and "Cache-Control: no-cache", straight to the host whatever the proxy
// settings of the environment. A failed connection or an error status gives "", a broken-off
// or timed-out transfer gives what had arrived, and reading stops after maxBodyBytes.
std::string FetchBody(const std::string &address, const ExchangeLimits &limits);

}  // namespace Resolver
