#include "platform/single_window.h"

#include <QSignalSpy>
#include <QTest>

class SingleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnceAndBringsTheOpenWindowForward()
    {
        int made = 0;
        SingleWindow<QWidget> window([&] {
            ++made;
            auto *w = new QWidget;
            w->resize(200, 100);
            return w;
        });
        QVERIFY(!window.IsOpen());
        QWidget *first = window.Open();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->parentWidget());
        QVERIFY(!first->isModal());
        first->hide();
        QCOMPARE(window.Open(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(made, 1);
        window.Close();
    }

    void closingDestroysAndTheNextOpenStartsFromTheTemplate()
    {
        int made = 0;
        SingleWindow<QWidget> window([&] {
            ++made;
            auto *w = new QWidget;
            w->setWindowTitle(QStringLiteral("template"));
            return w;
        });
        QPointer<QWidget> first = window.Open();
        first->setWindowTitle(QStringLiteral("changed"));
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!window.IsOpen());
        QCOMPARE(window.Current(), nullptr);
        QWidget *second = window.Open();
        QCOMPARE(made, 2);
        QCOMPARE(second->windowTitle(), QStringLiteral("template"));
        window.Close();
    }

    void defaultFactoryMakesTheWindowType()
    {
        SingleWindow<QWidget> window;
        QVERIFY(window.Open());
        window.Close();
        QTRY_VERIFY(!window.IsOpen());
    }
};

QTEST_MAIN(SingleWindowTest)
#include "tst_single_window.moc"
