#pragma once

#include "layout/control_table.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <span>

class Label;
class Platform;
class QWindow;

// The program information window.
class QRWLABEL : public QWidget
{
    Q_OBJECT
public:
    QRWLABEL(Platform &platform, std::function<void()> showMainWindow, QWidget *parent = nullptr);

    static std::span<const ControlSpec> controls();
    static QString freewareText();
    static QString authorText();

    void Bild1_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Activate();

    Platform &m_platform;
    std::function<void()> m_showMainWindow;
    Label *Bezeichnung6;
    Label *Bezeichnung7;
    QPointer<QWindow> m_previousActive;
};
