#pragma once

#include "platform/platform.h"

#include <QList>
#include <QQueue>

#include <functional>
#include <random>

// The platform for tests: dialogs answer from queues, the clock stands still, and every
// message, beep and clipboard write is recorded. Windows are really shown and hidden.
class ScriptedPlatform final : public Platform
{
public:
    struct Message
    {
        QString text;
        int style;
        QString title;
        bool operator==(const Message &) const = default;
    };

    // Queued answers; when empty, a box answers with its default button and an input box
    // with Cancel.
    QQueue<int> answers;
    QQueue<QString> inputs;
    // Queued random numbers; when empty, a seeded generator takes over.
    QQueue<double> randoms;
    double timer = 43200.0;
    QSizeF screenTwips = {1280 * 15.0, 1024 * 15.0};
    QPointF screenOriginTwips;
    bool clipboardFails = false;
    // Runs while a message box is "open", to look at the windows behind it.
    std::function<void(const Message &)> onMessage;

    QList<Message> messages;
    QList<QPair<QString, QString>> inputPrompts;
    QList<double> seeds;
    int beeps = 0;
    int clipboardClears = 0;
    QStringList clipboardWrites;
    QString clipboard;
    // "show Form5", "hide Form1", … in call order.
    QStringList windowCalls;
    bool ended = false;

    int rtcMsgBox(QWidget *owner, const QString &text, int style, const QString &title) override;
    QString rtcInputBox(QWidget *owner, const QString &prompt, const QString &title) override;
    void rtcBeep() override { ++beeps; }
    void rtcRandomize(double seed) override { seeds.append(seed); }
    double rtcRandomNext() override;
    double rtcGetTimer() override { return timer; }
    void clearClipboard() override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override { return clipboard; }
    QRectF screenRectTwips(const QWidget *) override { return {screenOriginTwips, screenTwips}; }
    void showWindow(QWidget *window, bool modal) override;
    void hideWindow(QWidget *window) override;
    void endProgram() override;

    void reseed(unsigned seed) { m_fallback.seed(seed); }

private:
    std::mt19937 m_fallback{12345};
};
