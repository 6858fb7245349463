#include "tests/support/test_http_server.h"

#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 206: return "Partial Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 404: return "Not Found";
    case 416: return "Range Not Satisfiable";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

bool parseHead(const QByteArray &head, TestHttpServer::Request &request)
{
    const QList<QByteArray> lines = head.split('\n');
    if (lines.isEmpty())
        return false;
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    if (first.size() < 3)
        return false;
    request.method = first[0];
    request.target = first[1];
    request.version = first[2];
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    request.raw = head;
    return true;
}

}  // namespace

QByteArray TestHttpServer::Request::path() const
{
    const int q = target.indexOf('?');
    return q < 0 ? target : target.left(q);
}

QByteArray TestHttpServer::Request::query() const
{
    const int q = target.indexOf('?');
    return q < 0 ? QByteArray() : target.mid(q + 1);
}

QByteArray TestHttpServer::Request::header(const QByteArray &name) const
{
    for (const auto &h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return {};
}

bool TestHttpServer::Request::hasHeader(const QByteArray &name) const
{
    for (const auto &h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Lives on the server thread; owns the listening socket and the connections.
class TestHttpServerWorker : public QObject {
public:
    explicit TestHttpServerWorker(TestHttpServer *owner) : m_owner(owner) {}

    quint16 listen(quint16 port)
    {
        m_server = new QTcpServer(this);
        if (!m_server->listen(QHostAddress::LocalHost, port))
            return 0;
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection())
                serve(socket);
        });
        return m_server->serverPort();
    }

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            if (socket->property("answered").toBool()) {
                socket->readAll();
                return;
            }
            buffer->append(socket->readAll());
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            socket->setProperty("answered", true);
            TestHttpServer::Request request;
            if (!parseHead(buffer->left(end + 2), request)) {
                socket->disconnectFromHost();
                return;
            }
            m_owner->record(request);
            answer(socket, request, m_owner->respond(request));
        });
    }

    void answer(QTcpSocket *socket, const TestHttpServer::Request &request,
                TestHttpServer::Response response)
    {
        if (response.silent)
            return;  // the connection stays open, unanswered, until the server goes
        QByteArray body = response.body;
        int status = response.status;
        QByteArray head;
        const QByteArray range = request.header("Range");
        const qint64 total = body.size();
        if (response.honourRange && range.startsWith("bytes=")) {
            const QList<QByteArray> bounds = range.mid(6).split('-');
            const qint64 from = bounds.value(0).toLongLong();
            qint64 to = bounds.value(1).isEmpty() ? total - 1 : bounds.value(1).toLongLong();
            to = std::min(to, total - 1);
            if (from >= total) {
                status = 416;
                body.clear();
                head += "Content-Range: bytes */" + QByteArray::number(total) + "\r\n";
            } else {
                status = 206;
                body = body.mid(from, to - from + 1);
                head += "Content-Range: bytes " + QByteArray::number(from) + "-" +
                        QByteArray::number(to) + "/" + QByteArray::number(total) + "\r\n";
            }
        }
        if (response.honourRange)
            head += "Accept-Ranges: bytes\r\n";
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + " " + reasonPhrase(status) + "\r\n";
        out += "Content-Type: " + response.contentType + "\r\n";
        if (response.sendContentLength)
            out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        for (const auto &h : response.extraHeaders)
            out += h.first + ": " + h.second + "\r\n";
        out += head + "Connection: close\r\n\r\n";
        socket->write(out);
        if (request.method == "HEAD")
            body.clear();
        if (response.bytesPerSecond <= 0) {
            socket->write(body);
            socket->disconnectFromHost();
            return;
        }
        trickle(socket, body, response.bytesPerSecond);
    }

    // Sends the body in small slices every 50 ms: a slow server whose client's buffer runs dry.
    void trickle(QTcpSocket *socket, const QByteArray &body, int bytesPerSecond)
    {
        auto *timer = new QTimer(socket);
        auto offset = std::make_shared<qint64>(0);
        const qint64 slice = std::max(1, bytesPerSecond / 20);
        QPointer<QTcpSocket> guard(socket);
        connect(timer, &QTimer::timeout, socket, [guard, timer, body, offset, slice] {
            if (!guard)
                return;
            if (guard->state() != QAbstractSocket::ConnectedState) {
                timer->stop();
                return;
            }
            if (guard->bytesToWrite() > slice * 4)
                return;  // the client is not reading: do not queue up the whole file
            guard->write(body.mid(*offset, slice));
            *offset += slice;
            if (*offset >= body.size()) {
                timer->stop();
                guard->disconnectFromHost();
            }
        });
        timer->start(50);
    }

    TestHttpServer *m_owner;
    QTcpServer *m_server = nullptr;
};

TestHttpServer::TestHttpServer(quint16 port)
{
    m_thread = new QThread;
    m_thread->setObjectName("TestHttpServer");
    m_worker = new TestHttpServerWorker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start();
    QSemaphore ready;
    QMetaObject::invokeMethod(m_worker, [this, port, &ready] {
        m_port = m_worker->listen(port);
        ready.release();
    });
    ready.acquire();
}

TestHttpServer::~TestHttpServer()
{
    QMetaObject::invokeMethod(m_worker, [this] { delete m_worker; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void TestHttpServer::route(const QByteArray &path, Handler handler)
{
    QMutexLocker lock(&m_mutex);
    m_routes[path] = std::move(handler);
}

void TestHttpServer::serveFile(const QByteArray &path, const QString &filePath,
                               const QByteArray &contentType, int bytesPerSecond)
{
    QFile file(filePath);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    route(path, [bytes, contentType, bytesPerSecond](const Request &) {
        Response r;
        r.contentType = contentType;
        r.body = bytes;
        r.bytesPerSecond = bytesPerSecond;
        r.honourRange = true;
        return r;
    });
}

void TestHttpServer::serveText(const QByteArray &path, const QByteArray &body,
                               const QByteArray &contentType)
{
    route(path, [body, contentType](const Request &) {
        Response r;
        r.contentType = contentType;
        r.body = body;
        return r;
    });
}

QString TestHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QString TestHttpServer::url(const QString &path) const
{
    return baseUrl() + path;
}

QList<TestHttpServer::Request> TestHttpServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

int TestHttpServer::requestCount(const QByteArray &path) const
{
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const Request &r : m_requests)
        n += r.path() == path;
    return n;
}

void TestHttpServer::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

void TestHttpServer::record(const Request &request)
{
    QMutexLocker lock(&m_mutex);
    m_requests.append(request);
}

TestHttpServer::Response TestHttpServer::respond(const Request &request)
{
    Handler handler;
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_routes.find(request.path());
        if (it == m_routes.end())
            it = m_routes.find(QByteArray());
        if (it != m_routes.end())
            handler = it->second;
    }
    if (!handler) {
        Response notFound;
        notFound.status = 404;
        notFound.body = "not found";
        return notFound;
    }
    return handler(request);
}
