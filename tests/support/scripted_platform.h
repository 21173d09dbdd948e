#pragma once

#include "platform/platform.h"

#include <QApplication>
#include <QQueue>
#include <QWidget>

#include <functional>
#include <random>

// The platform for tests: dialogs answer from queues, the clock stands still, and every
// message, beep and clipboard write is recorded. Windows are really shown and hidden.
class ScriptedPlatform final : public Platform
{
public:
    struct Message { QString text; int style; QString title; bool operator==(const Message &) const = default; };

    // Answers for the Ja/Nein boxes; when empty, a box answers with its default button, an
    // input box with Cancel, and a seeded generator gives the random numbers.
    QQueue<int> answers;
    QQueue<QString> inputs;
    QQueue<double> randoms;
    std::mt19937 fallback{12345};
    QRectF screenTwips;
    bool clipboardFails = false;
    // Runs while a message box is "open", to look at the windows behind it.
    std::function<void(const Message &)> onMessage;

    QList<Message> messages;
    QStringList prompts;
    QList<double> seeds;
    QString clipboard;
    int beeps = 0;
    bool ended = false;

    int rtcMsgBox(QWidget *, const QString &text, int style, const QString &title) override
    {
        messages.append({text, style, title});
        onMessage ? onMessage(messages.last()) : void();
        if ((style & 0x0F) != MsgStyle::YesNo)
            return MsgResult::Ok;
        return !answers.isEmpty() ? answers.dequeue() : style & MsgStyle::DefaultButton2 ? MsgResult::No : MsgResult::Yes;
    }
    QString rtcInputBox(QWidget *, const QString &prompt, const QString &title) override
    {
        prompts << prompt + u'|' + title;
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
    void rtcBeep() override { ++beeps; }
    void rtcRandomize(double seed) override { seeds << seed; }
    double rtcRandomNext() override { return randoms.isEmpty() ? std::uniform_real_distribution<double>(0, 1)(fallback) : randoms.dequeue(); }
    double rtcGetTimer() override { return 43200.0; }
    void clearClipboard() override { clipboard = clipboardFails ? clipboard : QString(); }
    void setClipboardText(const QString &text) override { clipboard = clipboardFails ? clipboard : text; }
    QString clipboardText() override { return clipboard; }
    QRectF screenRectTwips(const QWidget *) override { return screenTwips; }
    void showWindow(QWidget *window, bool) override { window->show(), window->activateWindow(); }
    void hideWindow(QWidget *window) override { window->hide(); }
    void endProgram() override
    {
        ended = true;
        for (QWidget *window : QApplication::topLevelWidgets())
            window->hide();
    }
};
