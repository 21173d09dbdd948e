#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QWidget;

// Message-box style numbers: a button set, an icon and the default button, added up.
namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton2 = 256;
}

// A box keeps clear of the owner's children that carry this property set to true: what it
// talks about stays visible while it is open.
inline constexpr char KeepClearProperty[] = "keepClear";

// Button numbers a message box returns.
namespace MsgResult {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
}

// Every service of the runtime the windows use. One Qt implementation runs the program;
// the tests use a scripted double.
class Platform
{
public:
    virtual ~Platform() = default;

    // Modal and owned by the window that opens it, so that it stays with that window even
    // when no window is active; returns MsgResult::Ok, Yes or No.
    virtual int rtcMsgBox(QWidget *owner, const QString &text, int style, const QString &title) = 0;
    // Modal one-line entry, owned like a message box; empty on Cancel.
    virtual QString rtcInputBox(QWidget *owner, const QString &prompt, const QString &title) = 0;
    virtual void rtcBeep() = 0;
    // Tells a screen reader a message that no box or focus change says: the owner is the
    // window it belongs to.
    virtual void announce(QWidget *owner, const QString &text) = 0;
    // What a screen reader reads with the control whenever the focus comes to it. A change is
    // never said by itself, even on the focused control: announce() tells what is new.
    virtual void describe(QWidget *control, const QString &name, const QString &description) = 0;
    virtual void rtcRandomize(double seed) = 0;
    // Uniform on [0, 1).
    virtual double rtcRandomNext() = 0;
    // Seconds since midnight.
    virtual double rtcGetTimer() = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString &text) = 0;
    // What the clipboard holds now, to check that a write really arrived.
    virtual QString clipboardText() = 0;

    // The screen the window belongs to, in twips of the virtual desktop: a screen right of
    // or below another one has a non-zero origin.
    virtual QRectF screenRectTwips(const QWidget *window) = 0;
    // Shows the window, or brings an open one to the front and activates it.
    virtual void showWindow(QWidget *window, bool modal) = 0;
    virtual void hideWindow(QWidget *window) = 0;
    // Closes every window, hidden ones too, and ends the process with status 0.
    virtual void endProgram() = 0;

    // Pure conversions, the same for every implementation.
    static QColor rtcQBColor(int number);
    // A blank before a number of 0 or more: 4 -> " 4", -4 -> "-4".
    static QString rtcStrFromVar(qint64 number);
    static QString plainNumberText(qint64 number);
    // The leading number of a text, 0 if there is none.
    static double rtcR8ValFromBstr(const QString &text);
    // Whole part, rounded towards minus infinity.
    static qint64 rtcInt(double value);
};
