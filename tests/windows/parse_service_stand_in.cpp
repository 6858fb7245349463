#include "tests/windows/parse_service_stand_in.h"

#include <QMutexLocker>

ParseServiceStandIn::ParseServiceStandIn()
{
    m_server.route("/getFlv.php", [this](const TestHttpServer::Request &request) {
        TestHttpServer::Response response;
        response.contentType = "text/plain; charset=utf-8";
        QByteArray query = request.query();
        const QString page = QString::fromUtf8(query.startsWith("url=") ? query.mid(4) : query);
        QMutexLocker lock(&m_mutex);
        response.body = m_answers.value(page);
        return response;
    });
}

void ParseServiceStandIn::answer(const QString &pageAddress, const QByteArray &body)
{
    QMutexLocker lock(&m_mutex);
    m_answers.insert(pageAddress, body);
}

QStringList ParseServiceStandIn::askedAddresses() const
{
    QStringList asked;
    for (const TestHttpServer::Request &request : m_server.requests()) {
        if (request.path() == "/getFlv.php") {
            const QByteArray query = request.query();
            asked << QString::fromUtf8(query.startsWith("url=") ? query.mid(4) : query);
        }
    }
    return asked;
}

void ParseServiceStandIn::clear()
{
    m_server.clearRequests();
}

QByteArray MediaAnswer(const QString &type, const QString &address)
{
    return QStringLiteral("{\"status\":\"ok\",\"type\":\"%1\",\"url\":\"%2\"}").arg(type, address).toUtf8();
}
