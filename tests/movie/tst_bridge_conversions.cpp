// FlashHost::TextBetween: the text between two markers, ASCII letters compared without
// case, nothing decoded, empty when either marker is missing.

#include "player/flash_host.h"

#include <QtTest>

class BridgeConversionsTest : public QObject {
    Q_OBJECT

private slots:
    void textBetween_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("result");
        const QString b = QStringLiteral("<string>"), e = QStringLiteral("</string>");
        QTest::newRow("string reply") << "<string>1</string>" << b << e << "1";
        QTest::newRow("capital markers") << "<STRING>12</STRING>" << b << e << "12";
        QTest::newRow("mixed-case markers") << "<String>x</sTrInG>" << b << e << "x";
        QTest::newRow("markers given in capitals") << "<string>y</string>" << "<STRING>" << "</STRING>" << "y";
        QTest::newRow("no end marker") << "<string>1" << b << e << "";
        QTest::newRow("no begin marker") << "1</string>" << b << e << "";
        QTest::newRow("number reply") << "<number>1</number>" << b << e << "";
        QTest::newRow("undefined reply") << "<undefined/>" << b << e << "";
        QTest::newRow("no reply") << "" << b << e << "";
        QTest::newRow("empty string") << "<string></string>" << b << e << "";
        QTest::newRow("first begin, first end after it")
            << "</string><string>a</string>b</string>" << b << e << "a";
        QTest::newRow("references stay") << "<string>a&amp;b&lt;</string>" << b << e << "a&amp;b&lt;";
        QTest::newRow("text around") << "xx<string>00:05/00:05</string>yy" << b << e << "00:05/00:05";
        QTest::newRow("chinese text") << QStringLiteral("<string>视频总时间</string>") << b << e
                                      << QStringLiteral("视频总时间");
        // Only ASCII letters are folded.
        QTest::newRow("non-ascii compared as is")
            << QStringLiteral("[Ä]x[/Ä]") << QStringLiteral("[ä]") << QStringLiteral("[/ä]") << "";
        QTest::newRow("non-ascii same") << QStringLiteral("[Ä]x[/Ä]") << QStringLiteral("[Ä]")
                                        << QStringLiteral("[/Ä]") << "x";
        QTest::newRow("empty markers") << "abc" << "" << "" << "";
        QTest::newRow("empty end marker") << "abc" << "a" << "" << "";
    }

    void textBetween()
    {
        QFETCH(QString, text);
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(QString, result);
        FlashHost host;
        QCOMPARE(host.TextBetween(text, begin, end), result);
    }
};

QTEST_MAIN(BridgeConversionsTest)
#include "tst_bridge_conversions.moc"
