#include "test_support.h"

// The Memory game, played through the real windows after the tenth right answer, by the mouse
// and by the keys alone.
class TestForm5 : public QObject
{
    Q_OBJECT
    std::optional<Form1Fixture> f;
    bool byKeys = false;

    Form5 *memory() const { return f->form->memoryWindow(); }
    Label *card(int k) const
    {
        return control<Label>(memory(), ("Bezeichnung" + QByteArray::number(k)).constData());
    }
    // The card with the window's focus, 0 for STOP.
    int focused() const { return memory()->focusWidget()->objectName().mid(11).toInt(); }
    void key(Qt::Key key) { QTest::keyClick(memory()->windowHandle(), key); }
    // Opens a card by a click, or by the arrows from the focused card and then Space or Enter.
    void open(int k)
    {
        if (!byKeys) {
            QTest::mouseClick(card(k), Qt::LeftButton);
            return;
        }
        for (int step = 0; step < 8 && focused() != k; ++step) {
            const int right = (k - 1) % 6 - (focused() - 1) % 6;
            const int down = (k - 1) / 6 - (focused() - 1) / 6;
            const Qt::Key arrow = right > 0 ? Qt::Key_Right
                : right < 0                 ? Qt::Key_Left
                : down > 0                  ? Qt::Key_Down
                                            : Qt::Key_Up;
            key(arrow);
        }
        QCOMPARE(focused(), k);
        key(k % 2 ? Qt::Key_Space : Qt::Key_Return);
    }
    // STOP by its button, or by Esc.
    void stop()
    {
        if (byKeys)
            key(Qt::Key_Escape);
        else
            QTest::mouseClick(control<QPushButton>(memory(), "Befehl1"), Qt::LeftButton);
    }
    // The turn counter, the card status, and each card's text, back colour and spoken state.
    QStringList board() const
    {
        QStringList items {control<Label>(memory(), "Bezeichnung21")->caption(),
                           f->form->state().TypedAnswer};
        for (int k = 1; k <= Form5::CardCount; ++k) {
            const QString back = card(k)->palette().window().color().name();
            const QString state = card(k)->accessibleName().section(u", "_s, 1);
            items << card(k)->caption() + u' ' + back + u' ' + state;
        }
        return items;
    }
    // The first or second card of a number.
    int cardOf(int number, int which = 0) const
    {
        const auto &values = f->form->state().CardValues;
        const auto first = std::find(values.begin() + 1, values.end(), number);
        const auto card = which == 0 ? first : std::find(first + 1, values.end(), number);
        return int(card - values.begin());
    }
    static QString faceUp(int n) { return u"%1                %1 #0000c0 %1"_s.arg(n); }

private Q_SLOTS:
    void init() { failOnWarnings(); }

    void turns_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::newRow("mouse") << false;
        QTest::newRow("keys") << true;
    }

    void turns()
    {
        QFETCH(bool, keys);
        byKeys = keys;
        // A screen right of and below another.
        f.emplace(QRectF {1280 * 15.0, 300 * 15.0, 800 * 15.0, 600 * 15.0});
        f->answerRight(9);
        // The deal forgets the cards open before it, and the focus starts on the first card.
        f->form->state().FirstCard = 3;
        f->form->state().SecondCard = 3;
        f->form->state().ClickedCard = 3;
        f->answerRight();
        QCOMPARE(f->form->state().FirstCard + f->form->state().SecondCard, 0);
        QCOMPARE(f->form->state().ClickedCard, 0);
        QCOMPARE(focused(), 1);
        // Both windows are centred on their screen by their frames.
        const QWidget *windows[] = {f->form.get(), memory()};
        for (const QWidget *window : windows) {
            QVERIFY(window->frameGeometry() != window->geometry());
            QVERIFY((window->frameGeometry().center() - QPoint(1680, 600)).manhattanLength() <= 1);
        }
        // Keys for the hidden main window touch neither the card status nor the check.
        f->type(u"5"_s);
        f->press(Qt::Key_Return);
        const int one = cardOf(1);
        const int two = cardOf(2);
        const int three = cardOf(3);
        const int partner = cardOf(3, 1);
        f->platform.spoken.clear();
        // The right mouse button turns nothing; open cards ignore clicks; an unmatched pair stays
        // open until the next face-down card, which opens in the same click; a found pair stays.
        QTest::mouseClick(card(three), Qt::RightButton);
        for (const int k : {one, one, two, two, one, three, partner, one, partner})
            open(k);
        QString status(18, u'1');
        status[three - 1] = u'0';
        status[partner - 1] = u'0';
        const QString found = u"3                3 #ffffff gefunden"_s;
        const QStringList now = board();
        QCOMPARE((QStringList {now[0], now[1], now[one + 1], now[two + 1], now[three + 1]}),
                 (QStringList {u"3"_s, status, faceUp(1), u" #0000c0 verdeckt"_s, found}));
        QCOMPARE(now[partner + 1], found);
        const QString turned = u"Form5: Karte %1: %2"_s;
        QCOMPARE(
            f->platform.spoken,
            (QStringList {turned.arg(one).arg(1), turned.arg(two).arg(2) + u". Kein Paar."_s,
                          turned.arg(three).arg(3), turned.arg(partner).arg(3) + u". Ein Paar!"_s,
                          turned.arg(one).arg(1)}));
        QCOMPARE(card(three)->accessibleName(), u"Karte %1, gefunden"_s.arg(three));
        // Nein to STOP, and to closing the window or to STOP reached by Tab, leaves the game as it
        // was; Backtab goes back to the card Tab came from.
        f->platform.answers << MsgResult::No << MsgResult::No;
        stop();
        if (byKeys) {
            key(Qt::Key_Tab);
            key(Qt::Key_Return);
            key(Qt::Key_Backtab);
            QCOMPARE(focused(), partner);
        } else {
            memory()->close();
        }
        QCOMPARE(board(), now);
        QVERIFY(memory()->isVisible());
        const Message asked {u"  Das Spiel jetzt beenden?"_s, 20, u"Memory"_s};
        QCOMPARE(f->platform.messages.size(), 3);
        QCOMPARE(f->platform.messages.count(asked), 2);
        // The turn that finds the last pair is not counted; then the board is reset.
        f->platform.onMessage = [this](const Message &) { QCOMPARE(board().first(), u"10"_s); };
        open(cardOf(1, 1));
        for (const int number : {2, 4, 5, 6, 7, 8, 9}) {
            open(cardOf(number));
            open(cardOf(number, 1));
        }
        QCOMPARE(f->platform.messages.last(),
                 (Message {u"  Das Spiel ist beendet!"_s, 0, u"Memory"_s}));
        const QStringList reset
            = QStringList({u"1"_s, QString()}) + QStringList(18, u" #000080 verdeckt"_s);
        QCOMPARE(board(), reset);
        QVERIFY(memory()->isHidden() && f->form->isVisible());
        // The next game starts on the first card again; Ja to STOP ends it at once.
        f->platform.onMessage = nullptr;
        f->answerRight(10);
        QCOMPARE(focused(), 1);
        open(cardOf(5));
        f->platform.answers << MsgResult::Yes;
        stop();
        QCOMPARE(f->platform.messages.last(), asked);
        QCOMPARE(board(), reset);
        QVERIFY(memory()->isHidden() && f->form->isVisible());
    }
};

VUVERE_TEST_MAIN(TestForm5)
#include "tst_form5.moc"
