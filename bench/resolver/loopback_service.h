#pragma once
// A minimal HTTP service on 127.0.0.1 for the benchmark: every request gets the same answer.
// Plain sockets on a thread of its own, so its cost per request stays small and equal for
// every client measured against it.

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

class LoopbackService {
public:
    LoopbackService(std::uint16_t port, std::string body);
    ~LoopbackService();
    LoopbackService(const LoopbackService &) = delete;
    LoopbackService &operator=(const LoopbackService &) = delete;

    bool isListening() const { return m_listener >= 0; }
    long requestCount() const { return m_requests.load(); }

private:
    void serve();
    void answer(int connection);

    std::string m_response;
    int m_listener = -1;
    std::atomic<bool> m_stopping{false};
    std::atomic<long> m_requests{0};
    std::thread m_thread;
};
