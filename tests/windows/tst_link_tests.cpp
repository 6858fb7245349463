// The address tests of the hand-off and the mobile browser: media markers and the mobile
// stream formats, all case-sensitive and found anywhere in the text.

#include "windows/media_address.h"
#include "windows/mobile_link_filter.h"

#include <QTest>

Q_DECLARE_METATYPE(MobileLinkAction)

class LinkTests : public QObject {
    Q_OBJECT
private slots:
    void mediaMarkerAnywhereMakesMediaAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("media");
        QTest::newRow("flv file") << "http://127.0.0.1/a/clip.flv" << true;
        QTest::newRow("mp4 in query") << "http://h/get?f=mp4&id=3" << true;
        QTest::newRow("pfv") << "http://h/v.pfv" << true;
        QTest::newRow("f4v") << "http://h/v.f4v" << true;
        QTest::newRow("flv?key") << "http://h/play.flv?key=abc" << true;
        QTest::newRow("marker in host") << "http://flv.example/video" << true;
        QTest::newRow("capitals only") << "http://h/CLIP.FLV" << false;
        QTest::newRow("mixed case") << "http://h/clip.Mp4" << false;
        QTest::newRow("no marker") << "http://h/page.html" << false;
        QTest::newRow("3gphd is not media here") << "http://h/v?format=3gphd" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("split marker") << "fl v" << false;
    }
    void mediaMarkerAnywhereMakesMediaAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, media);
        QCOMPARE(IsMediaAddress(text), media);
    }

    void mobileLinkFilterChoosesByFormat_data()
    {
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<MobileLinkAction>("action");
        QTest::newRow("3gphd plays") << "http://m.h/pvs?id=1&format=3gphd" << MobileLinkAction::Play;
        QTest::newRow("3gphd wins over 3gp") << "http://m.h/3gp/v?format=3gphd" << MobileLinkAction::Play;
        QTest::newRow("3gp only is ignored") << "http://m.h/pvs?id=1&format=3gp" << MobileLinkAction::Ignore;
        QTest::newRow("3GPHD in capitals is 3gp-free") << "http://m.h/pvs?format=3GPHD" << MobileLinkAction::Navigate;
        QTest::newRow("3GP in capitals navigates") << "http://m.h/v.3GP" << MobileLinkAction::Navigate;
        QTest::newRow("ordinary page") << "http://m.h/list.html" << MobileLinkAction::Navigate;
        QTest::newRow("empty status text") << "" << MobileLinkAction::Navigate;
    }
    void mobileLinkFilterChoosesByFormat()
    {
        QFETCH(QString, statusText);
        QFETCH(MobileLinkAction, action);
        QCOMPARE(MobileLinkFilter(statusText), action);
    }
};

QTEST_GUILESS_MAIN(LinkTests)
#include "tst_link_tests.moc"
