#pragma once
// A real HTTP/1.x server on 127.0.0.1 for tests. It runs on a thread of its own, so a
// test may call blocking clients (the resolver library, curl) from the test thread.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <functional>
#include <map>
#include <memory>

class QThread;
class TestHttpServerWorker;

class TestHttpServer {
public:
    struct Request {
        QByteArray method;   // "GET"
        QByteArray target;   // "/path?query", exactly as sent
        QByteArray version;  // "HTTP/1.0"
        QList<QPair<QByteArray, QByteArray>> headers;  // in the order received
        QByteArray raw;      // the whole request head, as received
        QByteArray path() const;   // target without the query
        QByteArray query() const;  // after the first "?", empty when none
        QByteArray header(const QByteArray &name) const;  // case-insensitive, first match
        bool hasHeader(const QByteArray &name) const;
    };

    struct Response {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> extraHeaders;
        bool silent = false;           // accept the request, then never answer
        int bytesPerSecond = 0;        // 0: send at once; else trickle the body
        bool sendContentLength = true;
        bool honourRange = false;      // answer "Range: bytes=N-" with 206
    };

    using Handler = std::function<Response(const Request &)>;

    // port 0 picks a free port; a fixed port serves a client built against that port.
    explicit TestHttpServer(quint16 port = 0);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer &) = delete;
    TestHttpServer &operator=(const TestHttpServer &) = delete;

    // Handler for a path (no query); "" is the fallback. Unrouted paths get 404.
    // Handlers run on the server thread.
    void route(const QByteArray &path, Handler handler);
    // Serve a file's bytes at path, with Range support, optionally throttled.
    void serveFile(const QByteArray &path, const QString &filePath,
                   const QByteArray &contentType = "application/octet-stream",
                   int bytesPerSecond = 0);
    void serveText(const QByteArray &path, const QByteArray &body,
                   const QByteArray &contentType = "text/html; charset=utf-8");

    quint16 port() const { return m_port; }
    QString baseUrl() const;               // "http://127.0.0.1:PORT"
    QString url(const QString &path) const;  // baseUrl() + path
    QList<Request> requests() const;       // every request so far, oldest first
    int requestCount(const QByteArray &path) const;
    void clearRequests();

private:
    friend class TestHttpServerWorker;
    Response respond(const Request &request);
    void record(const Request &request);

    mutable QMutex m_mutex;
    std::map<QByteArray, Handler> m_routes;
    QList<Request> m_requests;
    quint16 m_port = 0;
    QThread *m_thread = nullptr;
    TestHttpServerWorker *m_worker = nullptr;
};
