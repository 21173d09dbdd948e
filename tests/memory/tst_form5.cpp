#include "info_window/qrwlabel.h"
#include "layout/label.h"
#include "layout/picture_button.h"
#include "main_window/form1.h"
#include "memory/form5.h"
#include "test_support.h"

#include <QPushButton>
#include <QWindow>

#include <algorithm>

using Message = ScriptedPlatform::Message;

namespace {

const QColor DesignBack(0, 0, 192);
const QColor PlayedBack(0, 0, 128);
const QString Dealt(18, u'1');

// What a card shows and says: its text, back colour and accessible description.
QString face(const QString &text, const QColor &back, const QString &description)
{
    return text + u'|' + back.name() + u'|' + description;
}
const QString Down = face(QString(), DesignBack, QStringLiteral("verdeckt"));
// Face-up on the first game's backs, or found: white with the text kept.
QString up(int number, bool found = false)
{
    const QString digit = QString::number(number);
    return face(digit + QString(16, u' ') + digit, found ? QColor(Qt::white) : DesignBack,
                found ? QStringLiteral("gefunden") : digit);
}
// A board before its first click: the turn counter, the card status and the 18 cards.
QStringList freshBoard(const QString &status, const QColor &back)
{
    return QStringList{QStringLiteral("1"), status}
           + QStringList(Form5::CardCount, face(QString(), back, QStringLiteral("verdeckt")));
}

}

// The reward trigger and the Memory game, played through the real windows.
class TestMemory : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<Form1> m_form;

    Form5 *memory() const { return m_form->memoryWindow(); }
    bool playing() const { return memory() && memory()->isVisible(); }
    Label *card(int k) const { return control<Label>(memory(), ("Bezeichnung" + QByteArray::number(k)).constData()); }
    QColor back(int k) const { return card(k)->palette().color(QPalette::Window); }
    QString faceOf(int k) const { return face(card(k)->caption(), back(k), card(k)->accessibleDescription()); }
    QString counter() const { return control<Label>(memory(), "Bezeichnung21")->caption(); }
    QString label(const char *name) const { return control<Label>(m_form.get(), name)->caption(); }
    void click(int k) { QTest::mouseClick(card(k), Qt::LeftButton); }
    void clickStop() { QTest::mouseClick(control<QPushButton>(memory(), "Befehl1"), Qt::LeftButton); }
    // Enter with nothing typed is a wrong answer.
    void pressEnter() { QTest::keyClick(m_form->windowHandle(), Qt::Key_Return); }
    void answerRight()
    {
        for (const QChar c : m_form->state().ExpectedAnswer) {
            if (c.isDigit())
                QTest::keyClick(m_form->windowHandle(), c.toLatin1());
        }
        pressEnter();
    }
    // Right answers until the Memory window has taken the main window's place.
    bool startGame()
    {
        for (int i = 0; i < 10 && !playing(); ++i)
            answerRight();
        return playing() && m_form->isHidden();
    }
    // The first or second card of a number.
    int cardOf(int number, int which = 0) const
    {
        const auto &values = m_form->state().CardValues;
        auto found = std::find(values.begin() + 1, values.end(), number);
        if (which == 1 && found != values.end())
            found = std::find(found + 1, values.end(), number);
        return int(found - values.begin());
    }
    // The message a picture button of the main window shows.
    Message clickPicture(const char *name)
    {
        m_platform->messages.clear();
        QTest::mouseClick(control<PictureButton>(m_form.get(), name), Qt::LeftButton);
        return m_platform->messages.value(0);
    }
    QStringList board() const
    {
        QStringList items{counter(), m_form->state().TypedAnswer};
        for (int k = 1; k <= Form5::CardCount; ++k)
            items << faceOf(k);
        return items;
    }
    bool unchangedBy(const QList<int> &cards)
    {
        const QStringList before = board();
        for (const int k : cards)
            click(k);
        return board() == before;
    }

private Q_SLOTS:
    void init()
    {
        m_form.reset();
        m_platform = std::make_unique<ScriptedPlatform>();
        m_form = std::make_unique<Form1>(*m_platform);
        m_platform->showWindow(m_form.get(), false);
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void rewardEveryTenthRightAnswer()
    {
        const Message reward{QStringLiteral("Jetzt gibt es eine Belohnung."), 64, QStringLiteral("Memoryspiel")};
        int announced = 0;
        // The announcement comes while the main window is still up.
        m_platform->onMessage = [&](const Message &m) {
            announced += m == reward && m_form->isVisible() && !playing();
        };
        const QString title = QStringLiteral("Belohnung");
        const auto tasksLeft = [&](int n) {
            return Message{QStringLiteral("Noch %1 Aufgaben bis zur Spielrunde!").arg(n), 48, title};
        };
        QCOMPARE(clickPicture("Bild3"),
                 (Message{QStringLiteral("Nach 10 Aufgaben gibt es eine Spielrunde!"), 64, title}));
        QCOMPARE(clickPicture("Bild4"), tasksLeft(10));
        const QMap<int, int> left{{3, 7}, {9, 1}, {10, 10}};
        for (int right = 1; right <= 20; ++right) {
            // Wrong answers neither bring a game nor move the next one.
            if (right % 3 == 1)
                pressEnter();
            m_platform->messages.clear();
            answerRight();
            QCOMPARE(announced, right / 10);
            QCOMPARE(m_platform->messages.size(), right % 10 == 0 ? 1 : 0);
            QCOMPARE(m_form->isVisible(), right % 10 != 0);
            if (right % 10 == 0) {
                // The first game has the design's card backs, every later one the darker ones.
                QVERIFY(playing());
                QCOMPARE(board(), freshBoard(Dealt, right == 10 ? DesignBack : PlayedBack));
                const QString task = label("Bezeichnung1");
                m_platform->answers << MsgResult::Yes;
                clickStop();
                QCOMPARE(label("Bezeichnung1"), task);
            }
            if (left.contains(right))
                QCOMPARE(clickPicture("Bild4"), tasksLeft(left[right]));
        }
        QCOMPARE(label("Bezeichnung3"), QStringLiteral("7"));
        m_platform->onMessage = nullptr;
    }

    void deals()
    {
        Modul1 state;
        Form5 form(state, *m_platform, [] {});
        // A repeated draw is drawn again: 1, 1 again, then 18, which becomes 9.
        m_platform->randoms << 0.0 << 0.01 << 0.99;
        for (unsigned seed = 0; seed < 300; ++seed) {
            m_platform->reseed(seed);
            state.FirstCard = state.SecondCard = state.ClickedCard = 3;
            form.DealCards();
            QList<int> values(state.CardValues.begin() + 1, state.CardValues.begin() + 19);
            if (seed == 0)
                QCOMPARE(values.mid(0, 2), (QList<int>{1, 9}));
            std::ranges::sort(values);
            QCOMPARE(values, (QList<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9}));
            QCOMPARE(state.TypedAnswer, Dealt);
            QCOMPARE(state.FirstCard + state.SecondCard + state.ClickedCard, 0);
        }
        QCOMPARE(control<Label>(&form, "Bezeichnung19")->caption(),
                 QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an und suche "
                                "alle Zahlenpaare !"));
    }

    void perfectGame()
    {
        QVERIFY(startGame());
        const QString task = label("Bezeichnung1");
        m_platform->onMessage = [this](const Message &) { QCOMPARE(counter(), QStringLiteral("9")); };
        for (int number = 1; number <= 9; ++number) {
            click(cardOf(number));
            QCOMPARE(counter() + faceOf(cardOf(number)), QString::number(number) + up(number));
            click(cardOf(number, 1));
            if (number < 9)
                QCOMPARE(counter() + faceOf(cardOf(number)), QString::number(number + 1) + up(number, true));
        }
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages.last(),
                 (Message{QStringLiteral("  Das Spiel ist beendet!"), 0, QStringLiteral("Memory")}));
        QCOMPARE(board(), freshBoard(QString(), PlayedBack));
        QVERIFY(memory()->isHidden() && m_form->isVisible());
        QCOMPARE(label("Bezeichnung1"), task);
        QCOMPARE(label("Bezeichnung4") + label("Bezeichnung3"), QStringLiteral("100"));
    }

    void turns()
    {
        // An info window left open is the one way back to the main window during a game.
        QTest::mouseClick(control<PictureButton>(m_form.get(), "Bild5"), Qt::LeftButton);
        QVERIFY(startGame());
        const int one = cardOf(1), two = cardOf(2), three = cardOf(3), partner = cardOf(3, 1);
        click(one);
        QVERIFY(unchangedBy({one}));
        click(two);
        QCOMPARE(counter() + faceOf(two), QStringLiteral("2") + up(2));
        // An unmatched pair stays open until the next face-down card, which opens in the same click.
        QVERIFY(unchangedBy({one, two}));
        click(three);
        QCOMPARE((QStringList{counter(), faceOf(one), faceOf(two), faceOf(three)}),
                 (QStringList{QStringLiteral("2"), Down, Down, up(3)}));
        click(partner);
        QString status = Dealt;
        status[three - 1] = status[partner - 1] = u'0';
        QCOMPARE(counter() + m_form->state().TypedAnswer, QStringLiteral("3") + status);
        QVERIFY(unchangedBy({three, partner}));
        // A found pair stays white when the next turn starts.
        click(one);
        QCOMPARE((QStringList{faceOf(one), faceOf(three), faceOf(partner)}),
                 (QStringList{up(1), up(3, true), up(3, true)}));
        QVERIFY(unchangedBy({partner}));
        // It brings the game to the front instead, so that the answer entry cannot touch the card status.
        const QStringList before = board();
        m_form->infoWindow()->Bild1_Click();
        m_form->showMainWindow();
        QVERIFY(m_form->isHidden() && m_form->infoWindow()->isHidden() && memory()->isVisible());
        QCOMPARE(board(), before);
        QCOMPARE(m_platform->messages.size(), 1);
    }

    void stop_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<int>("answer");
        for (const bool frame : {false, true}) {
            QTest::addRow("%s, Nein", frame ? "frame" : "STOP") << frame << int(MsgResult::No);
            QTest::addRow("%s, Ja", frame ? "frame" : "STOP") << frame << int(MsgResult::Yes);
        }
    }

    void stop()
    {
        QFETCH(bool, frame);
        QFETCH(int, answer);
        QVERIFY(startGame());
        click(cardOf(4));
        click(cardOf(4, 1));
        click(cardOf(5));
        const QStringList before = board();
        m_platform->answers << answer;
        if (frame)
            memory()->close();
        else
            clickStop();
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages.last(),
                 (Message{QStringLiteral("  Das Spiel jetzt beenden?"), 20, QStringLiteral("Memory")}));
        if (answer == MsgResult::Yes) {
            QCOMPARE(board(), freshBoard(QString(), PlayedBack));
            QVERIFY(memory()->isHidden() && m_form->isVisible());
            return;
        }
        QCOMPARE(board(), before);
        QVERIFY(memory()->isVisible() && m_form->isHidden());
        // The game goes on where it was.
        click(cardOf(5, 1));
        QCOMPARE(faceOf(cardOf(5)), up(5, true));
    }
};

VUVERE_TEST_MAIN(TestMemory)
#include "tst_form5.moc"
