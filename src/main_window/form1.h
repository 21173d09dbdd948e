#pragma once

#include "layout/control_table.h"
#include "practice/modul1.h"

#include <QWidget>

#include <memory>
#include <span>

class Form5;
class Label;
class Platform;
class QButtonGroup;
class QListWidget;
class QPushButton;
class QRWLABEL;

// The main window: the task, the answer entry, the counters and the row of commands.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    static std::span<const ControlSpec> controls();

    Modul1 &state() { return m_state; }
    // Created at the first reward and at the first "Info"; null until then.
    Form5 *memoryWindow() const { return m_memory.get(); }
    QRWLABEL *infoWindow() const { return m_info.get(); }

    // Brings the main window back; while a Memory game runs, the game comes to the front
    // instead, so that the answer entry cannot touch the game's card status.
    void showMainWindow();

    void Befehl11_Click();
    void Befehl18_Click();
    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void Bild5_Click();
    void Bild6_Click();
    void Bild7_Click();
    void Bild8_Click();
    void Bild9_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    bool Form_KeyDown(int key);
    void Form_KeyPress(const QString &text);
    void appendDigit(int digit);
    void enterSign(QChar sign);
    void ShowTypedAnswer();
    // Says the task and the answer as it stands, for a child who cannot see them.
    void tellTaskAndAnswer();
    void showCount(Label *counter, qint64 count, const char *what);
    void NewTask();
    void CheckReward();
    qint64 rightAnswersShown() const;
    void ShowErrorWarning();
    void moveErrorList(int leftTwips);
    // False when a copy was asked for but did not reach the clipboard.
    bool exportErrorList();
    void setCaptionName(const QString &name);

    Platform &m_platform;
    Modul1 m_state;

    Label *Bezeichnung1;
    Label *Bezeichnung2;
    Label *Bezeichnung3;
    Label *Bezeichnung4;
    Label *Bezeichnung5;
    Label *Bezeichnung6;
    QPushButton *Befehl11;
    QPushButton *Befehl18;
    QListWidget *Liste1;
    QButtonGroup *m_digits;

    std::unique_ptr<Form5> m_memory;
    std::unique_ptr<QRWLABEL> m_info;
};
