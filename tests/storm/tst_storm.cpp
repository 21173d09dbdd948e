#include "form1_fixture.h"
#include "info_window/qrwlabel.h"
#include "memory/form5.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <numeric>

using Message = ScriptedPlatform::Message;
using Seeds = QList<quint32>;
// A broken invariant is reported by its condition.
#define EXPECT(condition) if (!(condition)) return QStringLiteral(#condition)

namespace {

const QString Prefix = QStringLiteral("Vuvere Rovivudevu: ");
const Message QuitQuestion{QStringLiteral("Dieses Programm jetzt beenden?\r\r"), 276, QStringLiteral("Vuvere Rovivudevu")};

QString randomText(std::mt19937 &rng, int longest)
{
    static const QString odd = QStringLiteral("\u202E\u05D0\r\n\t\x01[*]&<b>😀ß·\u200D 7");
    QString text;
    for (int i = int(rng() % unsigned(longest + 1)); i > 0; --i)
        text += rng() % 2 ? QChar(char16_t(rng())) : odd[rng() % odd.size()];
    return text;
}

Label *card(const Form5 *memory, int k)
{
    return control<Label>(memory, ("Bezeichnung" + QByteArray::number(k)).constData());
}

void click(QWidget *target)
{
    QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {}, target->geometry().center());
}

QList<QWidget *> visibleWindows(Form1 *form)
{
    QList<QWidget *> windows{form, form->memoryWindow(), form->infoWindow()};
    windows.removeIf([](const QWidget *window) { return !window || !window->isVisible(); });
    return windows;
}

// Programs driven by events, each of which follows from its own seed and the program's state.
struct Storm
{
    std::unique_ptr<Form1Fixture> f;
    std::mt19937 rng;
    QString name, failure;
    QStringList list, events;
    qint64 errors = 0, right = 0, programs = 0, games = 0;
    bool declined = false, inGame = false;

    int pick(qsizetype n) { return int(rng() % quint32(n)); }

    void start()
    {
        f.reset();
        f = std::make_unique<Form1Fixture>();
        f->form = std::make_unique<Form1>(f->platform);
        f->platform.showWindow(f->form.get(), false);
        f->platform.onMessage = [this](const Message &message) {
            QQueue<int> &answers = f->platform.answers;
            // Quitting stays rare, so that programs live long enough to reach the warning colour.
            if (message == QuitQuestion && !answers.isEmpty() && pick(8))
                answers.head() = MsgResult::No;
            // A copy question after the name prompt is the new user's, whose "No" empties the list.
            if (message.text.startsWith(QStringLiteral("Die Fehlerliste kopieren?")) && !f->platform.inputPrompts.isEmpty())
                declined = declined || answers.value(0, MsgResult::No) != MsgResult::Yes;
        };
        // Every fourth program starts near the error counter's largest value.
        if (++programs % 4 == 0) {
            f->form->state().ErrorCount = 32759;
            f->pressEnter();
        }
        name = QStringLiteral("Freund und Gast");
        list = f->entries();
        errors = right = 0;
    }

    QString step(quint32 seed)
    {
        rng.seed(seed);
        ScriptedPlatform &p = f->platform;
        p.reseed(seed);
        p.clipboardFails = pick(4) == 0;
        p.answers.clear();
        p.inputs.clear();
        p.inputPrompts.clear();
        for (int i = 0; i < 4; ++i) {
            p.answers << QList<int>{MsgResult::Ok, MsgResult::Yes, MsgResult::No, MsgResult::No}[pick(4)];
            p.inputs << randomText(rng, pick(8) ? 12 : 10000);
        }
        const QStringList inputs = p.inputs;
        const QList<QWidget *> shown = visibleWindows(f->form.get());
        QWidget *window = shown[pick(shown.size())];
        Form5 *memory = f->form->memoryWindow();
        const Modul1 &s = f->form->state();
        QString event = QString::fromLatin1(window->metaObject()->className());
        declined = false;
        const int kind = pick(100), times = pick(4) ? 1 : 1 + pick(30);
        if (kind < 35) {
            const QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            QPoint at = controls[pick(controls.size())]->geometry().center();
            if (pick(4) == 0 || !window->rect().contains(at))
                at = {pick(window->width()), pick(window->height())};
            event += QStringLiteral(" click at %1,%2 x%3").arg(at.x()).arg(at.y()).arg(qMin(times, 2));
            for (int i = 0; i < qMin(times, 2) && window->isVisible(); ++i)
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        } else if (kind < 75) {
            static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter,
                Qt::Key_Escape, Qt::Key_Plus, Qt::Key_Less, Qt::Key_Greater, Qt::Key_Equal, Qt::Key_A,
                Qt::Key_Space, Qt::Key_Tab, Qt::Key_unknown};
            static const QString texts = QStringLiteral("0123456789\b\r\n\x1b+<>=a \t");
            const int which = pick(22);
            const Qt::Key key = keys[which];
            const QString text = key == Qt::Key_Enter ? QString() : which < 21 ? QString(texts[which]) : randomText(rng, 3);
            const auto mods = key == Qt::Key_Enter || (which < 10 && pick(3) == 0) ? Qt::KeypadModifier
                              : pick(6) ? Qt::NoModifier : Qt::ControlModifier;
            event += QStringLiteral(" key %1 text %2 modifiers %3 x%4")
                         .arg(QString::number(key), QLatin1String(text.toUtf8().toPercentEncoding()),
                              QString::number(mods), QString::number(times));
            for (int i = 0; i < times && window->isVisible(); ++i)
                QTest::sendKeyEvent(QTest::Click, window->windowHandle(), key, text, mods);
        } else if (kind < 95 && memory && memory->isVisible()) {
            // Often the card that makes a pair, so that games also end by finding every pair.
            int k = 1 + pick(18);
            for (int j = 1; j <= 18 && s.FirstCard > 0 && s.SecondCard == 0; ++j)
                k = j != s.FirstCard && s.CardValues[size_t(j)] == s.CardValues[size_t(s.FirstCard)] && pick(2) ? j : k;
            event = QStringLiteral("Form5 card %1").arg(k);
            click(card(memory, k));
        } else if (kind < 95 && f->form->isVisible()) {
            event = QStringLiteral("Form1 right answer %1, then %2").arg(s.ExpectedAnswer).arg(times % 3);
            f->type(QStringLiteral("+"));
            QTest::keyClick(f->form->windowHandle(), Qt::Key_Backspace);
            f->type(QString(s.ExpectedAnswer).remove(u'+').remove(u'='));
            if (times % 3 == 2)
                click(control<QWidget>(f->form.get(), "Befehl11"));
            else
                QTest::keyClick(f->form->windowHandle(), times % 3 ? Qt::Key_Return : Qt::Key_Enter,
                                times % 3 ? Qt::NoModifier : Qt::KeypadModifier);
        } else {
            event += QStringLiteral(" closed through its frame");
            window->close();
        }
        const qsizetype used = inputs.size() - p.inputs.size();
        for (qsizetype i = 0; i < used; ++i)
            name = inputs[i].isEmpty() ? name : inputs[i];
        return event + QStringLiteral("; %1 answers, %2 names").arg(4 - p.answers.size()).arg(used);
    }

    QString check()
    {
        ScriptedPlatform &p = f->platform;
        Form1 *form = f->form.get();
        Form5 *memory = form->memoryWindow();
        const bool game = memory && memory->isVisible();
        if (p.ended) {
            EXPECT(visibleWindows(form).isEmpty());
            start();
            return {};
        }
        EXPECT(form->isVisible() != game);
        games += game && !inGame;
        inGame = game;
        const Modul1 &s = form->state();
        const int a = s.Factor, t = s.TensDigit, u = s.UnitsDigit;
        const QString one = QStringLiteral(" %1").arg(a), two = QStringLiteral(" %1 %2").arg(t).arg(u);
        const QString task = f->caption("Bezeichnung1"), dot = QStringLiteral(" ·"), equals = QStringLiteral(" =");
        EXPECT(task == two + dot + one + equals || task == one + dot + two + equals);
        EXPECT(a >= 2 && a <= 9 && t >= 1 && t <= 9 && u >= 1 && u <= 9 && s.Product == a * (10 * t + u));
        EXPECT(f->caption("Bezeichnung5") == QString::number(10 * a * t) && f->caption("Bezeichnung6") == QString::number(a * u));
        EXPECT(s.ExpectedAnswer == QStringLiteral("%1+%2=%3").arg(10 * a * t).arg(a * u).arg(s.Product));
        static const QRegularExpression typed(QStringLiteral("^[<>+=]?[0-9+=]*$"));
        EXPECT(game || (s.TypedAnswer.size() <= 20 && typed.match(s.TypedAnswer).hasMatch()));
        EXPECT(f->caption("Bezeichnung2") == (game ? QString() : s.TypedAnswer));
        EXPECT(f->caption("Bezeichnung3") == QString::number(s.ErrorCount) && s.ErrorCount >= errors);
        EXPECT(f->caption("Bezeichnung4") == QString::number(s.CorrectCount) && s.CorrectCount >= right);
        EXPECT((form->palette().color(QPalette::Window) == QColor(Qt::red)) == (s.ErrorCount > 50));
        errors = s.ErrorCount;
        right = s.CorrectCount;
        const QStringList now = f->entries();
        EXPECT(now.size() <= 1296 && QSet<QString>(now.begin(), now.end()).size() == now.size());
        for (const QString &entry : now)
            EXPECT(entry.size() == 30 && entry.endsWith(QStringLiteral(" _____ + ___ = _____")));
        // Entries leave the list only onto the clipboard, or when a new user declines the copy.
        const QString copy = QStringLiteral("Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n%1\r\n").arg(list.join(QStringLiteral("\r\n")));
        EXPECT(now.mid(0, list.size()) == list || (!p.clipboardFails && p.clipboard == copy) || declined);
        list = now;
        EXPECT(form->windowHandle()->title() == Prefix + name);
        int pairs[10] = {};
        for (int k = 1; memory && k <= Form5::CardCount; ++k) {
            const bool white = card(memory, k)->palette().color(QPalette::Window) == QColor(Qt::white);
            const QString text = card(memory, k)->caption();
            const int value = s.CardValues[size_t(k)];
            EXPECT(game ? value >= 1 && value <= 9 && ++pairs[value] <= 2 : text.isEmpty() && !white);
            EXPECT(!game || (s.TypedAnswer.count(u'0') + s.TypedAnswer.count(u'1') == 18 && white == (s.TypedAnswer[k - 1] == u'0')));
            EXPECT(text.isEmpty() ? !white : text == Form5::cardText(value) && (white || k == s.FirstCard || k == s.SecondCard));
        }
        return {};
    }

    // Runs the events from a fresh program; returns the index of the first that broke an invariant, or -1.
    qsizetype run(const Seeds &seeds, bool record = false)
    {
        start();
        for (qsizetype i = 0; i < seeds.size(); ++i) {
            const QString event = step(seeds[i]);
            if (record)
                events << event + QStringLiteral(" (seed %1)").arg(seeds[i]);
            if (failure = check(); !failure.isEmpty())
                return i;
        }
        return -1;
    }
};

// Delta debugging: drops ever smaller runs of events as long as the same failure stays.
Seeds shrink(Seeds seeds, const QString &failure)
{
    QElapsedTimer clock;
    clock.start();
    for (qsizetype chunk = seeds.size() / 2; chunk >= 1 && clock.elapsed() < 300000; chunk /= 2) {
        for (qsizetype i = 0; i < seeds.size() && clock.elapsed() < 300000;) {
            Seeds trial = seeds;
            trial.remove(i, qMin(chunk, seeds.size() - i));
            Storm storm;
            const qsizetype at = storm.run(trial);
            storm.failure == failure ? void(seeds = trial.mid(0, at + 1)) : void(i += chunk);
        }
    }
    return seeds;
}

}

// Seeded random clicks, keys, answers, names and closes with the invariants checked after each;
// then the faults a child can cause, one by one.
class TestStorm : public QObject
{
    Q_OBJECT
public:
    // A long storm outlasts Qt Test's five minutes for one test function.
    TestStorm()
    {
        if (qEnvironmentVariableIsSet("VUVERE_STORM_EVENTS"))
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

private Q_SLOTS:
    void storm_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("events");
        const QByteArray events = qgetenv("VUVERE_STORM_EVENTS"), seed = qgetenv("VUVERE_STORM_SEED");
        for (const quint32 s : seed.isEmpty() ? Seeds{1, 2, 3} : Seeds{seed.toUInt()})
            QTest::addRow("seed %u", s) << s << (events.isEmpty() ? 20000 : events.toInt());
    }

    void storm()
    {
        QFETCH(quint32, seed);
        QFETCH(int, events);
        std::mt19937 master(seed);
        Seeds seeds(events);
        std::generate(seeds.begin(), seeds.end(), master);
        Storm storm;
        const qsizetype at = storm.run(seeds);
        qInfo("seed %u: %d events, %lld programs, %lld games", seed, events, storm.programs, storm.games);
        if (at < 0)
            return;
        Storm shortest;
        shortest.run(shrink(seeds.mid(0, at + 1), storm.failure), true);
        QFAIL(qPrintable(QStringLiteral("seed %1: %2 broke at event %3; these %4 events do it too:\n%5")
                             .arg(seed).arg(storm.failure).arg(at).arg(shortest.events.size()).arg(shortest.events.join(u'\n'))));
    }

    // Names are taken as typed, whatever they hold.
    void oddNames()
    {
        std::mt19937 rng(7);
        QString units(10000, u' ');
        std::generate(units.begin(), units.end(), [&rng] { return QChar(char16_t(rng())); });
        Form1Fixture f;
        f.open();
        for (const QString &name : {QStringLiteral("A\x01\t\r\n\x1b\x7f") + QChar(0) + u'B', QStringLiteral("\u202Eאנה\u202C علي"),
                                    QStringLiteral("😀👩‍👩‍👧🇩🇪"), QString(QChar(0xDC00)) + QChar(0xD800),
                                    QStringLiteral("[*][*]x[*[*]]"), units}) {
            f.platform.inputs << name;
            click(control<QWidget>(f.form.get(), "Bild9"));
            QCOMPARE(f.form->windowHandle()->title(), Prefix + name);
        }
    }

    void aroundAGame_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("answer");
        const std::tuple<const char *, int, int> stages[] = {
            {"dealt", 0, 0}, {"one card open", 0, 1}, {"pair open", 1, 2}, {"pair found", 0, 2}, {"last card open", 0, 17}};
        for (const auto &[stage, from, count] : stages) {
            QTest::addRow("%s, Memory closed, Ja", stage) << from << count << int(MsgResult::Yes);
            QTest::addRow("%s, Memory closed, Nein", stage) << from << count << int(MsgResult::No);
            QTest::addRow("%s, info window closed", stage) << from << count << 0;
        }
    }

    // With the info window open, a game is played to a stage (cards turned in the order of their
    // numbers) and a window closed through its frame; after the game comes "Info" and quitting.
    void aroundAGame()
    {
        QFETCH(int, from);
        QFETCH(int, count);
        QFETCH(int, answer);
        Form1Fixture f;
        f.open();
        f.form->Bild5_Click();
        for (int i = 0; i < 10; ++i)
            f.answerRight();
        Form5 *memory = f.form->memoryWindow();
        QRWLABEL *info = f.form->infoWindow();
        const Modul1 &s = f.form->state();
        QList<int> byNumber(Form5::CardCount);
        std::iota(byNumber.begin(), byNumber.end(), 1);
        std::stable_sort(byNumber.begin(), byNumber.end(), [&s](int a, int b) { return s.CardValues[size_t(a)] < s.CardValues[size_t(b)]; });
        for (const int k : byNumber.mid(from, count))
            memory->cardClicked(k);
        const auto board = [memory, &s] {
            QStringList texts{s.TypedAnswer};
            for (int k = 1; k <= Form5::CardCount; ++k)
                texts << card(memory, k)->caption() + card(memory, k)->palette().color(QPalette::Window).name();
            return texts;
        };
        const QStringList before = board();
        f.platform.messages.clear();
        f.platform.answers << answer;
        (answer ? static_cast<QWidget *>(memory) : info)->close();
        const bool ends = answer == MsgResult::Yes;
        QCOMPARE(f.platform.messages.size(), answer ? 1 : 0);
        QCOMPARE(board(), ends ? QStringList{QString()} + QStringList(18, QStringLiteral("#000080")) : before);
        QVERIFY(f.form->isVisible() == ends && memory->isVisible() != ends && info->isVisible() == (answer != 0));
        QCOMPARE(f.caption("Bezeichnung4"), QStringLiteral("10"));
        if (!ends)
            return;
        f.form->Bild5_Click();
        if (count % 2) {
            info->close();
            QCOMPARE(visibleWindows(f.form.get()), QList<QWidget *>{f.form.get()});
        }
        // Quitting by "Ende", Esc or the frame ends every window, the info window open or not.
        f.platform.messages.clear();
        f.platform.answers << MsgResult::Yes;
        const int how = count % 3;
        how == 0 ? f.form->Bild1_Click() : how == 1 ? QTest::keyClick(f.form->windowHandle(), Qt::Key_Escape) : void(f.form->close());
        QCOMPARE(f.platform.messages, QList<Message>{QuitQuestion});
        QVERIFY(f.platform.ended && visibleWindows(f.form.get()).isEmpty());
    }
};

VUVERE_TEST_MAIN(TestStorm)
#include "tst_storm.moc"
