#pragma once

#include "info_window/qrwlabel.h"
#include "layout/app_setup.h"
#include "layout/label.h"
#include "main_window/form1.h"
#include "memory/form5.h"
#include "platform/platform.h"

#include <QListWidget>
#include <QPushButton>
#include <QQueue>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <random>

using namespace Qt::Literals::StringLiterals;

struct Message
{
    QString text;
    int style;
    QString title;
};

// The platform for tests: dialogs answer from queues, the clock stands still, and every
// message, beep and clipboard write is recorded. Windows are really shown and hidden.
class ScriptedPlatform final : public Platform
{
public:
    // Answers for the Ja/Nein boxes; when empty, a box answers with its default button, an
    // input box with Cancel, and a seeded generator gives the random numbers.
    QQueue<int> answers;
    QQueue<QString> inputs;
    QQueue<double> randoms;
    std::mt19937 fallback {12345};
    QRectF screenTwips;
    bool clipboardFails = false;
    bool ended = false;
    // Runs while a message box is "open", to look at the windows behind it.
    std::function<void(const Message &)> onMessage;
    // What was told to the screen reader, each message after the window it belongs to.
    QStringList spoken;
    QStringList prompts;
    QList<double> seeds;
    QString clipboard;
    int beeps = 0;

    int rtcMsgBox(QWidget *, const QString &text, int style, const QString &title) override
    {
        if (onMessage)
            onMessage({text, style, title});
        if ((style & 0x0F) != MsgStyle::YesNo)
            return MsgResult::Ok;
        if (!answers.isEmpty())
            return answers.dequeue();
        return style & MsgStyle::DefaultButton2 ? MsgResult::No : MsgResult::Yes;
    }
    QString rtcInputBox(QWidget *, const QString &prompt, const QString &title) override
    {
        prompts << prompt + u'|' + title;
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
    void rtcBeep() override { ++beeps; }
    void announce(QWidget *owner, const QString &text) override
    {
        spoken << owner->objectName() + u": "_s + text;
    }
    void describe(QWidget *control, const QString &name, const QString &description) override
    {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    }
    void rtcRandomize(double seed) override { seeds << seed; }
    double rtcRandomNext() override
    {
        if (!randoms.isEmpty())
            return randoms.dequeue();
        return std::uniform_real_distribution<double>(0, 1)(fallback);
    }
    double rtcGetTimer() override { return 43200.0; }
    void clearClipboard() override { setClipboardText({}); }
    // A clipboard that fails keeps what it had.
    void setClipboardText(const QString &text) override
    {
        if (!clipboardFails)
            clipboard = text;
    }
    QString clipboardText() override { return clipboard; }
    QRectF screenRectTwips(const QWidget *) override { return screenTwips; }
    void showWindow(QWidget *window, bool) override
    {
        window->show();
        window->activateWindow();
    }
    void hideWindow(QWidget *window) override { window->hide(); }
    void endProgram() override
    {
        ended = true;
        for (QWidget *window : QApplication::topLevelWidgets())
            window->hide();
    }

    // Queues the four draws of one task: the one-digit factor, the two digits and the order; each
    // in the middle of its interval, so that the whole part lands on the wanted value.
    void queueTask(int factor, int tens, int units, bool factorFirst)
    {
        randoms << (factor - 1.5) / 8 << (units - 0.5) / 9 << (tens - 0.5) / 9
                << (factorFirst ? 0.75 : 0.25);
    }
};

// A shown main window on the scripted platform with the task 47 · 8, that is 320+56=376.
struct Form1Fixture
{
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;

    explicit Form1Fixture(QRectF screenTwips = {0, 0, 1280 * 15.0, 1024 * 15.0})
    {
        platform.screenTwips = screenTwips;
        platform.queueTask(8, 4, 7, false);
        form = std::make_unique<Form1>(platform);
        platform.showWindow(form.get(), false);
        (void)QTest::qWaitForWindowActive(form.get());
    }
    template<typename T = Label> T *get(const char *name) const
    {
        return control<T>(form.get(), name);
    }
    QString caption(const char *label) const { return get(label)->caption(); }
    // Each character one key click into the main window's QWindow.
    void type(const QString &keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(form->windowHandle(), key.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    // Each time: 9 · 12 queued as the next task, the right answer typed and Return.
    void answerRight(int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            platform.queueTask(9, 1, 2, true);
            type(QString(form->state().ExpectedAnswer).remove(u'+').remove(u'='));
            press(Qt::Key_Return);
        }
    }
};

// Any warning fails the test function, but the offscreen platform's own about what it lacks.
inline void failOnWarnings()
{
    QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support )"_s));
}

// A test main with the program's application set-up (fonts, icon).
#define VUVERE_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        setUpApplication();                                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
