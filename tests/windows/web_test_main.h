#pragma once
// main() for the tests that show web viewers: QtWebEngine wants shared GL contexts set
// before the application object exists.

#include <QApplication>
#include <QTest>

#define QINGLAN_WEB_TEST_MAIN(TestClass)                                 \
    int main(int argc, char **argv)                                      \
    {                                                                    \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);      \
        QApplication app(argc, argv);                                    \
        app.setAttribute(Qt::AA_Use96Dpi, true);                         \
        TestClass test;                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                       \
        return QTest::qExec(&test, argc, argv);                          \
    }
