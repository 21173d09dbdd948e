#include "scripted_platform.h"

#include <QApplication>
#include <QWidget>

int ScriptedPlatform::rtcMsgBox(QWidget *, const QString &text, int style, const QString &title)
{
    const Message message{text, style, title};
    messages.append(message);
    if (onMessage)
        onMessage(message);
    if (!answers.isEmpty())
        return answers.dequeue();
    if ((style & 0x0F) != MsgStyle::YesNo)
        return MsgResult::Ok;
    return (style & MsgStyle::DefaultButton2) ? MsgResult::No : MsgResult::Yes;
}

QString ScriptedPlatform::rtcInputBox(QWidget *, const QString &prompt, const QString &title)
{
    inputPrompts.append({prompt, title});
    return inputs.isEmpty() ? QString() : inputs.dequeue();
}

double ScriptedPlatform::rtcRandomNext()
{
    if (!randoms.isEmpty())
        return randoms.dequeue();
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_fallback);
}

void ScriptedPlatform::clearClipboard()
{
    ++clipboardClears;
    if (!clipboardFails)
        clipboard.clear();
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboardWrites.append(text);
    if (!clipboardFails)
        clipboard = text;
}

void ScriptedPlatform::showWindow(QWidget *window, bool modal)
{
    windowCalls << (modal ? QStringLiteral("show modal ") : QStringLiteral("show ")) + window->objectName();
    window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    window->show();
    window->activateWindow();
}

void ScriptedPlatform::hideWindow(QWidget *window)
{
    windowCalls << QStringLiteral("hide ") + window->objectName();
    window->hide();
}

void ScriptedPlatform::endProgram()
{
    ended = true;
    windowCalls << QStringLiteral("end");
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
}
