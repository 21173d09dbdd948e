#include "test_support.h"

#include "memory/form5.h"

#include <optional>

namespace {
const QString Dealt(18, u'1');
// What a card shows and says: its text, back colour and spoken description.
QString face(int number, const char *back, const QString &said)
{
    const QString digit = number ? QString::number(number) : QString();
    return digit + QString(number ? 16 : 0, u' ') + digit + u'|' + QLatin1String(back) + u'|' + said;
}
QString up(int number) { return face(number, "#0000c0", QString::number(number)); }
QString found(int number) { return face(number, "#ffffff", u"gefunden"_s); }
}

// The reward trigger and the Memory game, played through the real windows.
class TestForm5 : public QObject
{
    Q_OBJECT
    std::optional<Form1Fixture> f;

    Form5 *memory() const { return f->form->memoryWindow(); }
    Label *card(int k) const { return control<Label>(memory(), ("Bezeichnung" + QByteArray::number(k)).constData()); }
    QString face(int k) const { return card(k)->caption() + u'|' + card(k)->palette().window().color().name() + u'|' + card(k)->accessibleDescription(); }
    QString counter() const { return control<Label>(memory(), "Bezeichnung21")->caption(); }
    bool playing() const { return memory() && memory()->isVisible() && f->form->isHidden(); }
    void click(std::initializer_list<int> cards) { for (const int k : cards) QTest::mouseClick(card(k), Qt::LeftButton); }
    void stop() { QTest::mouseClick(control<QPushButton>(memory(), "Befehl1"), Qt::LeftButton); }
    // The first or second card of a number.
    int cardOf(int number, int which = 0) const
    {
        const auto &values = f->form->state().CardValues;
        const auto first = std::find(values.begin() + 1, values.end(), number);
        return int((which ? std::find(first + 1, values.end(), number) : first) - values.begin());
    }
    QStringList board() const
    {
        QStringList items{counter(), f->form->state().TypedAnswer};
        for (int k = 1; k <= Form5::CardCount; ++k)
            items << face(k);
        return items;
    }
    QStringList fresh(const QString &status, const char *back) const
    {
        return QStringList{u"1"_s, status} + QStringList(Form5::CardCount, ::face(0, back, u"verdeckt"_s));
    }

private Q_SLOTS:
    void init() { f.emplace(); }

    // A game after every tenth right answer, announced while the main window is still up;
    // the first game on the design's card backs, every later one on darker ones.
    void reward()
    {
        QStringList seen;
        f->platform.onMessage = [&](const Message &m) { seen << m.text + (f->form->isVisible() ? u""_s : u" (hidden)"_s); };
        for (int right = 1; right <= 20; ++right) {
            f->play(right % 3 ? u"R"_s : u"ER"_s);
            QCOMPARE(playing(), right % 10 == 0);
            f->play(right == 3 || right == 12 ? u"P4"_s : QString());
            if (right % 10 == 0) {
                QCOMPARE(board(), fresh(Dealt, right == 10 ? "#0000c0" : "#000080"));
                const QString task = f->caption("Bezeichnung1");
                f->platform.answers << MsgResult::Yes;
                right == 10 ? stop() : void(memory()->close());
                QCOMPARE(f->caption("Bezeichnung1") + f->form->state().TypedAnswer, task);
            }
        }
        f->play(u"P3"_s);
        const QString announced = u"Jetzt gibt es eine Belohnung."_s;
        QCOMPARE(seen.filter(u"Aufgaben"_s) + seen.filter(u"Jetzt"_s) + seen.filter(u"Spiel jetzt"_s),
                 (QStringList{u"Noch 7 Aufgaben bis zur Spielrunde!"_s, u"Noch 8 Aufgaben bis zur Spielrunde!"_s,
                              u"Nach 10 Aufgaben gibt es eine Spielrunde!"_s, announced, announced,
                              u"  Das Spiel jetzt beenden? (hidden)"_s, u"  Das Spiel jetzt beenden? (hidden)"_s}));
        QVERIFY(f->platform.messages.contains(Message{announced, 64, u"Memoryspiel"_s}));
        QVERIFY(f->platform.messages.contains(Message{u"Noch 7 Aufgaben bis zur Spielrunde!"_s, 48, u"Belohnung"_s}));
        QCOMPARE(f->caption("Bezeichnung3") + f->caption("Bezeichnung4"), u"620"_s);
    }

    void deals()
    {
        Form5 form(f->form->state(), f->platform, [] {});
        Modul1 &s = f->form->state();
        // A repeated draw is drawn again: 1, 1 again, then 18, which becomes 9.
        f->platform.randoms << 0.0 << 0.01 << 0.99;
        for (unsigned seed = 0; seed < 300; ++seed) {
            f->platform.fallback.seed(seed);
            s.FirstCard = s.SecondCard = s.ClickedCard = 3;
            form.DealCards();
            QList<int> values(s.CardValues.begin() + 1, s.CardValues.begin() + 19);
            QVERIFY(seed || values.mid(0, 2) == QList<int>({1, 9}));
            std::ranges::sort(values);
            QCOMPARE(values, (QList<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9}));
            QCOMPARE(s.TypedAnswer + QString::number(s.FirstCard + s.SecondCard + s.ClickedCard), Dealt + u'0');
        }
        QCOMPARE(control<Label>(&form, "Bezeichnung19")->caption(),
                 u" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an und suche alle Zahlenpaare !"_s);
    }

    void turns()
    {
        while (!playing())
            f->play(u"R"_s);
        const int one = cardOf(1), two = cardOf(2), three = cardOf(3), partner = cardOf(3, 1);
        // Clicks on open cards change nothing; an unmatched pair stays open until the next
        // face-down card, which opens in the same click.
        click({one, one, two});
        const QStringList pairOpen = board();
        click({one, two});
        QCOMPARE(board(), pairOpen);
        QCOMPARE(counter() + face(two), u"2"_s + up(2));
        click({three});
        const QString down = ::face(0, "#0000c0", u"verdeckt"_s);
        QCOMPARE((QStringList{counter(), face(one), face(two), face(three)}), (QStringList{u"2"_s, down, down, up(3)}));
        click({partner});
        QString status = Dealt;
        status[three - 1] = status[partner - 1] = u'0';
        QCOMPARE(counter() + f->form->state().TypedAnswer, u"3"_s + status);
        // A found pair stays white when the next turn starts, and ignores clicks.
        click({one, partner});
        QCOMPARE((QStringList{counter(), face(one), face(three), face(partner)}), (QStringList{u"3"_s, up(1), found(3), found(3)}));
        // Nein to STOP, or to closing the window, leaves the game as it was.
        const QStringList before = board();
        f->platform.answers << MsgResult::No << MsgResult::No;
        stop(), memory()->close();
        QCOMPARE(board(), before);
        QCOMPARE(f->platform.messages.last(), (Message{u"  Das Spiel jetzt beenden?"_s, 20, u"Memory"_s}));
        // The turn that finds the last pair is not counted; then the board is reset for the next game.
        f->platform.onMessage = [this](const Message &) { QCOMPARE(counter(), u"10"_s); };
        click({cardOf(1, 1)});
        for (const int number : {2, 4, 5, 6, 7, 8, 9})
            click({cardOf(number), cardOf(number, 1)});
        QCOMPARE(f->platform.messages.last(), (Message{u"  Das Spiel ist beendet!"_s, 0, u"Memory"_s}));
        QCOMPARE(board(), fresh(QString(), "#000080"));
        QVERIFY(memory()->isHidden() && f->form->isVisible());
    }
};

VUVERE_TEST_MAIN(TestForm5)
#include "tst_form5.moc"
