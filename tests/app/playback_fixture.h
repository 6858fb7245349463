#pragma once
// Real media on a loopback server, for driving the real player movie.

#include "tests/support/media_fixtures.h"
#include "tests/support/test_http_server.h"

#include <QTest>

struct ServedMedia {
    TestHttpServer server;
    QString flv;  // a five-second FLV
    QString droppableFlv;  // the same, at an address carrying the playable-link marker
    QString slowDroppableFlv;  // the same, trickled: the player stays short of state 1 a while

    ServedMedia()
    {
        const QString file = MediaFixtures::Flv(5);
        if (file.isEmpty())
            return;
        server.serveFile("/clip.flv", file, "video/x-flv");
        server.serveFile("/wap/3gphd/clip.flv", file, "video/x-flv");
        flv = server.url(QStringLiteral("/clip.flv"));
        server.serveFile("/wap/3gphd/slow.flv", file, "video/x-flv", 40000);
        droppableFlv = server.url(QStringLiteral("/wap/3gphd/clip.flv?format=3gphd"));
        slowDroppableFlv = server.url(QStringLiteral("/wap/3gphd/slow.flv?format=3gphd"));
    }
};
