#pragma once
// The parse service the test build of the resolver library asks, on its fixed loopback
// port: it answers "/getFlv.php?url=<page>" with the body set for that page.

#include "tests/support/test_http_server.h"

#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QStringList>

// The port the test build of the library was built to ask.
inline constexpr quint16 ParseServicePort = QINGLAN_WINDOWS_TEST_SERVICE_PORT;

class ParseServiceStandIn {
public:
    ParseServiceStandIn();

    // The answer body for one page address (exactly as the library sends it); pages
    // without one get an empty answer.
    void answer(const QString &pageAddress, const QByteArray &body);
    // The page addresses asked about, oldest first.
    QStringList askedAddresses() const;
    void clear();

    TestHttpServer &server() { return m_server; }

private:
    mutable QMutex m_mutex;
    QMap<QString, QByteArray> m_answers;
    TestHttpServer m_server{ParseServicePort};
};

// A service answer naming media address (as a parse service would: the address quoted).
QByteArray MediaAnswer(const QString &type, const QString &address);
