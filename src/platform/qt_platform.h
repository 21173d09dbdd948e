#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>

#include <random>

struct ca_context;

// The platform services on Qt: real dialogs, the sound theme, the system clipboard.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    int rtcMsgBox(QWidget *owner, const QString &text, int style, const QString &title) override;
    QString rtcInputBox(QWidget *owner, const QString &prompt, const QString &title) override;
    void rtcBeep() override;
    void announce(QWidget *owner, const QString &text) override;
    void describe(QWidget *control, const QString &name, const QString &description) override;
    void rtcRandomize(double seed) override;
    double rtcRandomNext() override;
    double rtcGetTimer() override;
    void clearClipboard() override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    QRectF screenRectTwips(const QWidget *window) override;
    void showWindow(QWidget *window, bool modal) override;
    void hideWindow(QWidget *window) override;
    void endProgram() override;

private:
    static ca_context *openSoundContext();
    void waitForAnnouncement();

    // Since the last announcement, if it may still wait in the screen reader's queue.
    QElapsedTimer m_announced;

    std::mt19937_64 m_generator;
    ca_context *m_sound = nullptr;
    bool m_soundTried = false;
};
