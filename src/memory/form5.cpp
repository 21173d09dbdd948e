#include "memory/form5.h"

#include "layout/label.h"
#include "platform/platform.h"
#include "practice/modul1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>

namespace {

const QColor FoundColour = Platform::rtcQBColor(15);
const QColor PlayedBackColour = Platform::rtcQBColor(1);
const QString Title = QStringLiteral("Memory");

QString allCards(QChar status)
{
    return QString(Form5::CardCount, status);
}

// The card next to card k in the arrow's direction; k itself at the edge of the grid.
int neighbour(int k, int arrow)
{
    const int column = (k - 1) % 6;
    const int row = (k - 1) / 6;
    switch (arrow) {
    case Qt::Key_Left:
        return column > 0 ? k - 1 : k;
    case Qt::Key_Right:
        return column < 5 ? k + 1 : k;
    case Qt::Key_Up:
        return row > 0 ? k - 6 : k;
    default:
        return row < 2 ? k + 6 : k;
    }
}

}

Form5::Form5(Modul1 &state, Platform &platform, std::function<void()> showMainWindow,
             QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_platform(platform)
    , m_showMainWindow(std::move(showMainWindow))
{
    setUpWindow(this, "Form5", Title, {5805, 5655}, QColor(128, 255, 255));
    buildControls(this, controls());
    Bezeichnung19 = control<Label>(this, "Bezeichnung19");
    Bezeichnung21 = control<Label>(this, "Bezeichnung21");
    for (int k = 1; k <= CardCount; ++k) {
        const QByteArray name = "Bezeichnung" + QByteArray::number(k);
        Label *card = control<Label>(this, name.constData());
        // The cards are one stop for Tab; the arrows move among them.
        card->setFocusPolicy(Qt::ClickFocus);
        connect(card, &Label::clicked, this, [this, k] { cardClicked(k); });
        m_cards[static_cast<size_t>(k)] = card;
        describeCard(k);
    }
    Befehl1 = control<QPushButton>(this, "Befehl1");
    Befehl1->setFocusPolicy(Qt::StrongFocus);
    connect(Befehl1, &QPushButton::clicked, this, &Form5::Befehl1_Click);
    // Key preview, as in the main window: the QWindow sees every key once.
    winId();
    windowHandle()->installEventFilter(this);
    Form_Load();
}

void Form5::Form_Load()
{
    centreWindow(this, m_platform.screenRectTwips(this));
}

QString Form5::cardText(int number)
{
    return Platform::rtcStrFromVar(number).mid(1) + QString(15, QLatin1Char(' '))
        + Platform::rtcStrFromVar(number);
}

void Form5::DealCards()
{
    auto &values = m_state.CardValues;
    // A random arrangement of 1 to 18: redraw until the number is new.
    for (int i = 1; i <= CardCount; ++i) {
        bool repeated = true;
        while (repeated) {
            values[static_cast<size_t>(i)] = static_cast<std::int16_t>(
                Platform::rtcInt(m_platform.rtcRandomNext() * CardCount) + 1);
            repeated = false;
            for (int j = 1; j < i && !repeated; ++j)
                repeated = values[static_cast<size_t>(j)] == values[static_cast<size_t>(i)];
        }
    }
    // d and d + 9 become the pair of d.
    for (int i = 1; i <= CardCount; ++i) {
        if (values[static_cast<size_t>(i)] > 9)
            values[static_cast<size_t>(i)] -= 9;
    }
    Bezeichnung19->setCaption(
        QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld "
                       "an und suche alle Zahlenpaare !"));
    m_state.ClickedCard = 0;
    m_state.FirstCard = 0;
    m_state.SecondCard = 0;
    m_state.TypedAnswer = allCards(QLatin1Char('1'));
    focusCard(1);
}

bool Form5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress)
        return Form_KeyDown(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

// The arrows move over the cards, Tab between them and STOP; Space and Enter press what has
// the focus, as a click does; Esc is STOP. Returns true for the keys used up here.
bool Form5::Form_KeyDown(int key)
{
    const int k = focusedCard();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        focusCard(k == 0 ? m_lastCard : neighbour(k, key));
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        k == 0 ? focusCard(m_lastCard) : Befehl1->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        k == 0 ? Befehl1_Click() : cardClicked(k);
        return true;
    case Qt::Key_Escape:
        Befehl1_Click();
        return true;
    default:
        return false;
    }
}

// The card with the focus in this window, or 0.
int Form5::focusedCard() const
{
    const auto card = std::find(m_cards.begin() + 1, m_cards.end(), focusWidget());
    return card == m_cards.end() ? 0 : int(card - m_cards.begin());
}

void Form5::focusCard(int k)
{
    m_lastCard = k;
    m_cards[static_cast<size_t>(k)]->setFocus(Qt::TabFocusReason);
}

void Form5::cardClicked(int k)
{
    m_lastCard = k;
    // Without a dealt game there is no card status to play on.
    if (m_state.TypedAnswer.size() != CardCount)
        return;
    // Face-up and found cards carry text and ignore clicks.
    if (!m_cards[static_cast<size_t>(k)]->caption().isEmpty())
        return;
    m_state.ClickedCard = static_cast<std::int16_t>(k);
    OpenCard();
}

void Form5::OpenCard()
{
    const int m = m_state.ClickedCard;
    if (m_state.FirstCard > 0 && m_state.SecondCard > 0)
        TurnBackPair();
    const auto &values = m_state.CardValues;
    setCardText(m, cardText(values[static_cast<size_t>(m)]));
    const QString turned
        = QStringLiteral("Karte %1: %2").arg(m).arg(values[static_cast<size_t>(m)]);
    if (m_state.FirstCard == 0) {
        m_state.FirstCard = m;
        m_platform.announce(this, turned);
        return;
    }
    if (m_state.SecondCard == 0)
        m_state.SecondCard = m;
    const bool pair = values[static_cast<size_t>(m_state.FirstCard)]
        == values[static_cast<size_t>(m_state.SecondCard)];
    m_platform.announce(
        this, turned + (pair ? QStringLiteral(". Ein Paar!") : QStringLiteral(". Kein Paar.")));
    if (pair) {
        m_state.TypedAnswer[m_state.FirstCard - 1] = QLatin1Char('0');
        m_state.TypedAnswer[m_state.SecondCard - 1] = QLatin1Char('0');
        MarkPairFound();
    }
    if (m_state.TypedAnswer == allCards(QLatin1Char('0'))) {
        AnnounceGameOver();
        return;
    }
    const qint64 turn = Platform::rtcInt(Platform::rtcR8ValFromBstr(Bezeichnung21->caption()));
    Bezeichnung21->setCaption(Platform::plainNumberText(turn + 1));
}

bool Form5::isOpenCard(int k) const
{
    return k == m_state.FirstCard || k == m_state.SecondCard;
}

void Form5::TurnBackPair()
{
    const bool found = m_state.TypedAnswer[m_state.FirstCard - 1] == QLatin1Char('0')
        && m_state.TypedAnswer[m_state.SecondCard - 1] == QLatin1Char('0');
    if (!found) {
        for (int k = 1; k <= CardCount; ++k) {
            if (isOpenCard(k))
                setCardText(k, QString());
        }
    }
    m_state.FirstCard = 0;
    m_state.SecondCard = 0;
}

void Form5::MarkPairFound()
{
    for (int k = 1; k <= CardCount; ++k) {
        if (isOpenCard(k))
            setCardBack(k, FoundColour);
    }
}

void Form5::AnnounceGameOver()
{
    m_platform.rtcMsgBox(this, QStringLiteral("  Das Spiel ist beendet!"), MsgStyle::OkOnly, Title);
    EndMemoryGame();
}

void Form5::EndMemoryGame()
{
    for (int k = 1; k <= CardCount; ++k) {
        setCardBack(k, PlayedBackColour);
        setCardText(k, QString());
    }
    m_platform.hideWindow(this);
    m_showMainWindow();
    m_state.TypedAnswer.clear();
    Bezeichnung21->setCaption(QStringLiteral("1"));
}

void Form5::Befehl1_Click()
{
    const int answer = m_platform.rtcMsgBox(this, QStringLiteral("  Das Spiel jetzt beenden?"),
                                            MsgStyle::YesNo | MsgStyle::Critical, Title);
    if (answer == MsgResult::Yes)
        EndMemoryGame();
}

void Form5::closeEvent(QCloseEvent *event)
{
    // Closing through the frame is "STOP": it must never leave the child without a window.
    event->ignore();
    Befehl1_Click();
}

void Form5::setCardText(int k, const QString &text)
{
    m_cards[static_cast<size_t>(k)]->setCaption(text);
    describeCard(k);
}

void Form5::setCardBack(int k, const QColor &colour)
{
    setBackColour(m_cards[static_cast<size_t>(k)], colour);
    describeCard(k);
}

// What a screen reader says of the card, in its name: its number and state, never the hidden
// number. A focused label's description is read by some screen readers and not by others.
void Form5::describeCard(int k)
{
    const Label *card = m_cards[static_cast<size_t>(k)];
    QString state;
    if (card->caption().isEmpty())
        state = QStringLiteral("verdeckt");
    else if (card->palette().color(QPalette::Window) == FoundColour)
        state = QStringLiteral("gefunden");
    else
        state = card->caption().trimmed().left(1);
    m_platform.describe(m_cards[static_cast<size_t>(k)],
                        QStringLiteral("Karte %1, %2").arg(k).arg(state), QString());
}
