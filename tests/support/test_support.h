#pragma once

#include "layout/app_setup.h"
#include "scripted_platform.h"

#include <QApplication>
#include <QTest>

// Queues the four draws of one task: the one-digit factor, the two digits and the order.
inline void queueTask(ScriptedPlatform &platform, int factor, int tens, int units, bool factorFirst = false)
{
    // The middle of each draw's interval, so that the whole part lands on the wanted value.
    platform.randoms << (factor - 2 + 0.5) / 8 << (units - 1 + 0.5) / 9 << (tens - 1 + 0.5) / 9
                     << (factorFirst ? 0.75 : 0.25);
}

// A test main with the program's application set-up (fonts, icon).
#define VUVERE_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QApplication app(argc, argv);                                                             \
        setUpApplication();                                                                       \
        TestClass test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                   \
    }
