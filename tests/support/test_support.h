#pragma once

#include "layout/app_setup.h"
#include "layout/label.h"
#include "main_window/form1.h"
#include "scripted_platform.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;
using Message = ScriptedPlatform::Message;

// Queues the four draws of one task: the one-digit factor, the two digits and the order.
inline void queueTask(ScriptedPlatform &platform, int factor, int tens, int units, bool factorFirst = false)
{
    // The middle of each draw's interval, so that the whole part lands on the wanted value.
    platform.randoms << (factor - 1.5) / 8 << (units - 0.5) / 9 << (tens - 0.5) / 9 << (factorFirst ? 0.75 : 0.25);
}

// A shown main window on the scripted platform with the task 47 · 8, that is 320+56=376.
struct Form1Fixture
{
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;

    explicit Form1Fixture(QRectF screenTwips = {0, 0, 1280 * 15.0, 1024 * 15.0})
    {
        platform.screenTwips = screenTwips;
        queueTask(platform, 8, 4, 7);
        form = std::make_unique<Form1>(platform);
        platform.showWindow(form.get(), false);
        (void)QTest::qWaitForWindowActive(form.get());
    }
    template<typename T = Label>
    T *get(const char *name) const { return control<T>(form.get(), name); }
    QString caption(const char *label) const { return get(label)->caption(); }
    QStringList entries() const
    {
        QStringList items;
        for (int i = 0; i < get<QListWidget>("Liste1")->count(); ++i)
            items << get<QListWidget>("Liste1")->item(i)->text();
        return items;
    }
    // Keys and clicks, one a character: digits and signs are typed; k and c put the keypad and
    // Ctrl on the next key; b Backspace, E Enter, K keypad Enter, X Esc; d and O click the delete
    // and the OK button, D the ten digit buttons, P and a digit that picture button; R answers
    // right, with 9 · 12 to follow.
    void play(const QString &script)
    {
        QWindow *window = form->windowHandle();
        Qt::KeyboardModifiers modifiers;
        // Clicks go through the QWindow, as the mouse's do.
        const auto click = [&](const QByteArray &name) {
            QTest::mouseClick(window, Qt::LeftButton, {}, get<QWidget>(name.constData())->geometry().center());
        };
        for (qsizetype i = 0; i < script.size(); ++i) {
            switch (const char c = script[i].toLatin1()) {
            case 'k': modifiers = Qt::KeypadModifier; continue;
            case 'c': modifiers = Qt::ControlModifier; continue;
            case 'b': QTest::keyClick(window, Qt::Key_Backspace, modifiers); break;
            case 'E': QTest::keyClick(window, Qt::Key_Return); break;
            case 'K': QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier); break;
            case 'X': QTest::keyClick(window, Qt::Key_Escape); break;
            case 'd': click("Befehl18"); break;
            case 'O': click("Befehl11"); break;
            case 'P': click("Bild" + script.sliced(++i, 1).toLatin1()); break;
            case 'D':
                for (int k = 1; k <= 10; ++k)
                    click("Befehl" + QByteArray::number(k));
                break;
            case 'R':
                queueTask(platform, 9, 1, 2, true);
                play(QString(form->state().ExpectedAnswer).remove(u'+').remove(u'=') + u'E');
                break;
            default: QTest::keyClick(window, c, modifiers);
            }
            modifiers = {};
        }
    }
};

// A test main with the program's application set-up (fonts, icon).
#define VUVERE_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QApplication app(argc, argv);                                                             \
        setUpApplication();                                                                       \
        TestClass test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                   \
    }
