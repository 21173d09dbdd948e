#include "info_window/qrwlabel.h"

#include "layout/label.h"
#include "layout/picture_button.h"
#include "platform/platform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QWindow>

QRWLABEL::QRWLABEL(Platform &platform, std::function<void()> showMainWindow, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_showMainWindow(std::move(showMainWindow))
{
    setUpWindow(this, "QRWLABEL", QStringLiteral("Programm-Info"), {3510, 3510},
                QColor(128, 255, 255));
    buildControls(this, controls());
    Bezeichnung6 = control<Label>(this, "Bezeichnung6");
    Bezeichnung7 = control<Label>(this, "Bezeichnung7");

    auto *flag = control<PictureButton>(this, "Bild1");
    flag->setFocusPolicy(Qt::StrongFocus);
    connect(flag, &PictureButton::clicked, this, &QRWLABEL::Bild1_Click);
    auto *okay = control<Label>(this, "Bezeichnung1");
    okay->setAccessibleName(QStringLiteral("Okay"));
    connect(okay, &Label::clicked, this, &QRWLABEL::Bild1_Click);

    // Activation events arrive before this signal, so it still holds the window active before.
    m_previousActive = QGuiApplication::focusWindow();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow *window) { m_previousActive = window; });
}

QString QRWLABEL::freewareText()
{
    return QString() + QStringLiteral(" ") + QStringLiteral("\r\n") + QString();
}

QString QRWLABEL::authorText()
{
    return QStringLiteral("QRW, Version 1.0, 2026") + QStringLiteral("\r\n")
        + QStringLiteral("E-Mail: info@qrw.example");
}

bool QRWLABEL::event(QEvent *event)
{
    // The texts are set on showing as well, so that they are there before the first paint.
    // Activation from another window of the program centres the window; the whole program
    // coming back from another application finds no active window before and leaves it.
    if (event->type() == QEvent::Show
        || (event->type() == QEvent::WindowActivate && m_previousActive))
        Form_Activate();
    return QWidget::event(event);
}

void QRWLABEL::Form_Activate()
{
    centreWindow(this, m_platform.screenRectTwips(this));
    Bezeichnung6->setCaption(freewareText());
    Bezeichnung7->setCaption(authorText());
    // The focus is on the flag when the window opens: a screen reader reads the window's
    // text with it, a line a sentence.
    QString title;
    for (const char *letter : {"Bezeichnung2", "Bezeichnung3", "Bezeichnung4", "Bezeichnung5"})
        title += control<Label>(this, letter)->caption();
    QStringList lines {title};
    for (const char *name : {"Bezeichnung6", "Bezeichnung7", "Bezeichnung8"})
        lines += control<Label>(this, name)
                     ->caption()
                     .split(QRegularExpression(QStringLiteral("[\\r\\n]+")));
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    control<PictureButton>(this, "Bild1")
        ->setAccessibleDescription(lines.join(QStringLiteral(". ")));
}

void QRWLABEL::Bild1_Click()
{
    m_platform.hideWindow(this);
    m_showMainWindow();
}

void QRWLABEL::closeEvent(QCloseEvent *event)
{
    // Closing through the frame is "O k a y".
    event->ignore();
    Bild1_Click();
}

void QRWLABEL::keyPressEvent(QKeyEvent *event)
{
    // Enter, Space and Esc close the window, as "O k a y" does; Space on the flag presses it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        Bild1_Click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
