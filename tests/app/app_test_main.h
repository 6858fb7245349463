#pragma once
// Test entry for the app tests: the graphics sharing the program sets up before its
// QApplication exists is set up here the same way.

#include "app/program.h"

#include <QApplication>
#include <QTest>

#define QL_APP_TEST_MAIN(TestClass)                        \
    int main(int argc, char *argv[])                       \
    {                                                      \
        PrepareGraphics();                                 \
        QApplication application(argc, argv);              \
        application.setQuitOnLastWindowClosed(false);      \
        TestClass test;                                    \
        return QTest::qExec(&test, argc, argv);            \
    }
