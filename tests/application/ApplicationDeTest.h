// The main function of the window's Qt Test programs: the tool's application
// object stands in for Qt's, and message boxes and the open dialog are
// answered by the tests, never by a person.
#pragma once

#include "application/qt/Application.h"

#include <QTest>

#define MAIN_TEST_FENETRE(ClasseDeTest)          \
    int main(int argc, char** argv) {            \
        TApplication application(argc, argv);    \
        ClasseDeTest tests;                      \
        return QTest::qExec(&tests, argc, argv); \
    }
