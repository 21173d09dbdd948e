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
    // Opens the cards by clicks, or by the arrows from the focused card and then Space or Enter.
    void click(std::initializer_list<int> cards)
    {
        for (const int k : cards) {
            if (!byKeys) {
                QTest::mouseClick(card(k), Qt::LeftButton);
                continue;
            }
            for (int step = 0; step < 8 && focused() != k; ++step) {
                const int right = (k - 1) % 6 - (focused() - 1) % 6,
                          down = (k - 1) / 6 - (focused() - 1) / 6;
                key(right > 0       ? Qt::Key_Right
                        : right < 0 ? Qt::Key_Left
                        : down > 0  ? Qt::Key_Down
                                    : Qt::Key_Up);
            }
            QCOMPARE(focused(), k);
            key(k % 2 ? Qt::Key_Space : Qt::Key_Return);
        }
    }
    // STOP by its button, or by Esc.
    void pressStop()
    {
        byKeys ? key(Qt::Key_Escape)
               : QTest::mouseClick(control<QPushButton>(memory(), "Befehl1"), Qt::LeftButton);
    }
    // The turn counter, the card status, and each card as text, back colour and spoken description.
    QStringList board() const
    {
        QStringList items {control<Label>(memory(), "Bezeichnung21")->caption(),
                           f->form->state().TypedAnswer};
        for (int k = 1; k <= Form5::CardCount; ++k)
            items << card(k)->caption() + card(k)->palette().window().color().name()
                    + card(k)->accessibleDescription();
        return items;
    }
    // The first or second card of a number.
    int cardOf(int number, int which = 0) const
    {
        const auto &values = f->form->state().CardValues;
        const auto first = std::find(values.begin() + 1, values.end(), number);
        return int((which ? std::find(first + 1, values.end(), number) : first) - values.begin());
    }
    static QString up(int n, bool found = false)
    {
        return u"%1                %1%2"_s.arg(n).arg(found ? u"#ffffffgefunden"_s
                                                            : u"#0000c0"_s + QString::number(n));
    }

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
        // Both windows are centred on their screen by their frames;
        // keys queued for the hidden main window touch neither the card status nor the check.
        // The deal forgets the cards open before it.
        f->play(QString(9, u'R'));
        f->form->state().FirstCard = f->form->state().SecondCard = f->form->state().ClickedCard = 3;
        f->play(u"R"_s);
        QCOMPARE(f->form->state().FirstCard + f->form->state().SecondCard
                     + f->form->state().ClickedCard,
                 0);
        // The focus starts on the first card.
        QCOMPARE(focused(), 1);
        for (const QWidget *window :
             std::initializer_list<const QWidget *> {f->form.get(), memory()})
            QVERIFY(window->frameGeometry() != window->geometry()
                    && (window->frameGeometry().center() - QPoint(1680, 600)).manhattanLength()
                        <= 1);
        for (const int key : {Qt::Key_5, Qt::Key_Return})
            QCoreApplication::postEvent(
                f->form->windowHandle(),
                new QKeyEvent(QEvent::KeyPress, key, {}, key == Qt::Key_5 ? u"5"_s : QString()));
        QCoreApplication::processEvents();
        const int one = cardOf(1), two = cardOf(2), three = cardOf(3), partner = cardOf(3, 1);
        // Open cards ignore clicks; an unmatched pair stays open until the next face-down card,
        // which opens in the same click; a found pair stays white.
        // The right mouse button turns nothing.
        QTest::mouseClick(card(three), Qt::RightButton);
        click({one, one, two, two, one, three, partner, one, partner});
        QString status(18, u'1');
        status[three - 1] = status[partner - 1] = u'0';
        const QStringList now = board();
        QCOMPARE(
            (QStringList {now[0], now[1], now[one + 1], now[two + 1], now[three + 1],
                          now[partner + 1]}),
            (QStringList {u"3"_s, status, up(1), u"#0000c0verdeckt"_s, up(3, true), up(3, true)}));
        // Nein to STOP, or to closing the window, leaves the game as it was. Tab goes to STOP and
        // back to the card it came from.
        f->platform.answers << MsgResult::No << MsgResult::No;
        pressStop();
        if (byKeys) {
            key(Qt::Key_Tab), key(Qt::Key_Return), key(Qt::Key_Backtab);
            QCOMPARE(focused(), partner);
        } else {
            memory()->close();
        }
        QCOMPARE(board(), now);
        const Message stop {u"  Das Spiel jetzt beenden?"_s, 20, u"Memory"_s};
        QCOMPARE(f->platform.messages,
                 (QList<Message> {
                     {u"Jetzt gibt es eine Belohnung."_s, 64, u"Memoryspiel"_s}, stop, stop}));
        // The turn that finds the last pair is not counted; then the board is reset for the next
        // game.
        f->platform.onMessage = [this](const Message &) { QCOMPARE(board().first(), u"10"_s); };
        click({cardOf(1, 1)});
        for (const int number : {2, 4, 5, 6, 7, 8, 9})
            click({cardOf(number), cardOf(number, 1)});
        QCOMPARE(f->platform.messages.last(),
                 (Message {u"  Das Spiel ist beendet!"_s, 0, u"Memory"_s}));
        const QStringList reset
            = QStringList({u"1"_s, QString()}) + QStringList(18, u"#000080verdeckt"_s);
        QCOMPARE(board(), reset);
        QVERIFY(memory()->isHidden() && f->form->isVisible());
        // The next game starts on the first card again; Ja to STOP ends it at once.
        f->platform.onMessage = nullptr;
        f->play(QString(10, u'R'));
        QCOMPARE(focused(), 1);
        click({cardOf(5)});
        f->platform.answers << MsgResult::Yes;
        pressStop();
        QCOMPARE(f->platform.messages.last(), stop);
        QCOMPARE(board(), reset);
        QVERIFY(memory()->isHidden() && f->form->isVisible());
    }

    // A card turned says what it shows, and the second of a turn whether it makes a pair; a
    // focused card is read without its description, by its name, which tells its state.
    void told()
    {
        byKeys = false;
        f.emplace();
        f->play(QString(10, u'R'));
        const int first = cardOf(1), other = cardOf(1, 1), stranger = cardOf(2);
        f->platform.spoken.clear();
        click({first, stranger, other, first});
        const QString turned = u"Form5: Karte %1: %2"_s;
        QCOMPARE(
            f->platform.spoken,
            (QStringList {turned.arg(first).arg(1), turned.arg(stranger).arg(2) + u". Kein Paar."_s,
                          turned.arg(other).arg(1), turned.arg(first).arg(1) + u". Ein Paar!"_s}));
        QCOMPARE(card(first)->accessibleName(), u"Karte %1, gefunden"_s.arg(first));
    }
};

VUVERE_TEST_MAIN(TestForm5)
#include "tst_form5.moc"
