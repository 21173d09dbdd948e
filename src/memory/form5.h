#pragma once

#include "layout/control_table.h"

#include <QWidget>

#include <array>
#include <functional>
#include <span>

class Label;
class Platform;
class QPushButton;
struct Modul1;

// The Memory window: 18 cards in 3 rows of 6, every number 1 to 9 under two of them.
class Form5 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int CardCount = 18;

    Form5(Modul1 &state, Platform &platform, std::function<void()> showMainWindow,
          QWidget *parent = nullptr);

    static std::span<const ControlSpec> controls();
    // The digit, 16 blanks and the digit again.
    static QString cardText(int number);

    void DealCards();
    // A click on card k, 1 to 18.
    void cardClicked(int k);
    void Befehl1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void OpenCard();
    void TurnBackPair();
    void MarkPairFound();
    void AnnounceGameOver();
    void EndMemoryGame();
    void setCardText(int k, const QString &text);
    void setCardBack(int k, const QColor &colour);
    void describeCard(int k);
    bool isOpenCard(int k) const;
    bool Form_KeyDown(int key);
    int focusedCard() const;
    void focusCard(int k);

    Modul1 &m_state;
    Platform &m_platform;
    std::function<void()> m_showMainWindow;
    std::array<Label *, CardCount + 1> m_cards {};
    Label *Bezeichnung19;
    Label *Bezeichnung21;
    QPushButton *Befehl1;
    // The card that Tab goes back to from STOP.
    int m_lastCard = 1;
};
