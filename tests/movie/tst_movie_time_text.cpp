// The player movie's own time-text function, evaluated in the movie as the program ships
// it: mm:ss with at least two minute digits, three from 100 minutes on, NaN:NaN without
// a duration.

#include "player/movie_host.h"
#include "player/movie_types.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

class MovieTimeTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterMovieTypes();
        m_context = std::make_unique<QQmlContext>(m_engine.rootContext());
        m_context->setContextProperty(QStringLiteral("MovieHost"), &m_host);
        QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/assets/movie/player_movie.qml")));
        m_movie.reset(component.create(m_context.get()));
        QVERIFY2(m_movie, qPrintable(component.errorString()));
    }

    void cleanupTestCase() { m_movie.reset(); }

    void timeText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "00:00";
        QTest::newRow("fraction is cut") << 65.7 << "01:05";
        QTest::newRow("just under a minute") << 59.99 << "00:59";
        QTest::newRow("ten minutes") << 600.0 << "10:00";
        QTest::newRow("last two-digit") << 5999.0 << "99:59";
        QTest::newRow("hundred minutes") << 6000.0 << "100:00";
        QTest::newRow("100:05") << 6005.0 << "100:05";
        QTest::newRow("125:03") << 7503.0 << "125:03";
        QTest::newRow("thousand minutes") << 60000.0 << "1000:00";
        QTest::newRow("no duration") << std::numeric_limits<double>::quiet_NaN() << "NaN:NaN";
    }

    void timeText()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(m_movie.get(), "timeText", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(QVariant, seconds)));
        QCOMPARE(result.toString(), text);
    }

    void functionsAreRegisteredForOutsideCallers()
    {
        for (const char *name : {"qurl", "qbfzt", "qbfzsj", "qbfsj", "qbfsjwb", "flvbfzt", "huanchong"})
            QVERIFY2(m_host.hasCallback(QLatin1String(name)), name);
    }

    void commandPropertiesGiveNothing()
    {
        for (const char *name : {"flvurl", "playkz", "playvolume", "playkj"})
            QCOMPARE(m_host.readVariable(QLatin1String(name)), QString());
    }

private:
    QQmlEngine m_engine;
    MovieHost m_host;
    std::unique_ptr<QQmlContext> m_context;
    std::unique_ptr<QObject> m_movie;
};

QTEST_MAIN(MovieTimeTextTest)
#include "tst_movie_time_text.moc"
