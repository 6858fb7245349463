#include "bench/resolver/loopback_service.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

LoopbackService::LoopbackService(std::uint16_t port, std::string body)
{
    m_response = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                 std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(m_listener, 128) != 0) {
        close(m_listener);
        m_listener = -1;
        return;
    }
    m_thread = std::thread([this] { serve(); });
}

LoopbackService::~LoopbackService()
{
    m_stopping = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listener >= 0)
        close(m_listener);
}

void LoopbackService::serve()
{
    while (!m_stopping) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0)
            continue;
        const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0)
            answer(connection);
    }
}

void LoopbackService::answer(int connection)
{
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = read(connection, buffer, sizeof buffer);
        if (got <= 0)
            break;
        head.append(buffer, static_cast<size_t>(got));
    }
    for (size_t sent = 0; sent < m_response.size();) {
        const ssize_t put = write(connection, m_response.data() + sent, m_response.size() - sent);
        if (put <= 0)
            break;
        sent += static_cast<size_t>(put);
    }
    ++m_requests;
    shutdown(connection, SHUT_WR);
    close(connection);
}
