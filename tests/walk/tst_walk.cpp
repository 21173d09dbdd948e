#include "test_support.h"

#include <QElapsedTimer>

#include <numeric>

namespace {

const QString Gaps = u" _____ + ___ = _____"_s, Prefix = u"Vuvere Rovivudevu: "_s;
const QString Head = u"Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n"_s;
const Message Wrong {u"Das ist leider falsch!\r"_s, 0, u"Rechenfehler"_s};
const Message Quit {u"Dieses Programm jetzt beenden?\r\r"_s, 276, u"Vuvere Rovivudevu"_s};
const Message NoErrors {u"Es sind keine Fehler vorhanden!\r\r"_s, 0, u"Fehlerliste abbrechen"_s};
const Message Ask {u"Die Fehlerliste kopieren?\r\r"_s, 292, u"Fehlerliste kopieren"_s};
const Message Copied {
    u"Die Fehlerliste wurde kopiert und kann nun\rin die Textverarbeitung eingefügt werden.\r"_s, 0,
    u"Fehlerliste kopieren"_s};
const Message NotCopied {u"Die Fehlerliste konnte nicht kopiert werden."_s, 48,
                         u"Fehlerliste kopieren"_s};
const Message Reward {u"Jetzt gibt es eine Belohnung."_s, 64, u"Memoryspiel"_s};
const Message Stop {u"  Das Spiel jetzt beenden?"_s, 20, u"Memory"_s};
const Message Pictures[]
    = {{u"Nach 10 Aufgaben gibt es eine Spielrunde!"_s, 64, u"Belohnung"_s},
       {u"Rechne so:\r\r73 · 6 = 420 + 18 = 438\r\r8 · 47 = 320 + 56 = 376\r\r"_s, 0,
        u"Zerlegungsaufgabe"_s},
       {u"Klicke mit der Maus auf die Knöpfe am unteren Bildschirmrand\roder gib die Ziffern "
        u"direkt über die Tastatur ein. "
        "Zum Löschen\rnimmst du die Pfeil-Löschtaste und zur Eingabe die Entertaste.\r\r"_s,
        0, u"Tasteneingabe"_s}};
// The verdicts from the lowest error rate up; a band starts at 5, 10, 20, ... 70 per cent.
const char *const Verdicts[]
    = {"Das ist einfach Spitze!",    "Das hast du prima gemacht!", "Das hast du gut gemacht!",
       "Das klappt schon fast gut!", "Schon recht ordentlich!",    "Das geht gerade noch so!",
       "Du musst noch etwas üben!",  "Du musst viel mehr üben!",   "Du machst zu viele Fehler!"};
const QString Names[] = {u"Anna"_s, QString(), u"   "_s, u"[*]"_s, u"Ben Öz"_s};

struct Task
{
    int factor, tens, units;
    bool factorFirst;
};
// The tasks the walk hands the generator: few, so that they come back.
const Task Pool[] = {{8, 4, 7, false}, {9, 1, 2, true}, {2, 9, 9, false}};

// The rules as the child and the teacher know them.
struct Model
{
    Task task = Pool[0];
    QString typed, name = u"Freund und Gast"_s, clipboard;
    int errors = 0;
    qint64 right = 0;
    bool game = false, ended = false;
    // The delete button keeps the focus while it leaves something to delete; else it is on OK.
    // Unknown after another window was in front: the window manager gives the focus back.
    std::optional<bool> onDelete = false;
    QList<Message> messages;
    // The list, what the screen reader is told, the input boxes asked, and for each message: the
    // window behind it, whether the error list is in view, and the caption.
    QStringList list, spoken, prompts, scenes;

    QString expected() const
    {
        const int f = task.factor;
        return u"%1+%2=%3"_s.arg(f * task.tens * 10)
            .arg(f * task.units)
            .arg(f * (10 * task.tens + task.units));
    }
    QString taskText() const
    {
        const QString digits = u" %1 %2"_s.arg(task.tens).arg(task.units),
                      factor = u" %1"_s.arg(task.factor);
        return (task.factorFirst ? factor + u" ·"_s + digits : digits + u" ·"_s + factor) + u" ="_s;
    }
    QString spokenTask() const
    {
        const QString number = QString::number(10 * task.tens + task.units),
                      factor = QString::number(task.factor);
        return u"Form1: Aufgabe: "_s
            + (task.factorFirst ? factor + u" mal "_s + number : number + u" mal "_s + factor);
    }
    void say(const Message &message, bool listInView = false)
    {
        messages << message;
        scenes << (game ? u"game "_s : u"main "_s) + (listInView ? u"list "_s : QString()) + Prefix
                + name;
    }
    QString spokenAnswer() const
    {
        return typed.isEmpty()
            ? u"noch leer"_s
            : QString(typed).replace(u'+', u" plus "_s).replace(u'=', u" gleich "_s).trimmed();
    }
    // A digit is added, up to 20 characters; a sign replaces the answer. Once the answer
    // reaches the place of a sign in the right answer, the sign follows.
    void type(QChar c)
    {
        onDelete = false;
        typed = c.isDigit() ? (typed + c).left(20) : QString(c);
        const QString want = expected();
        if (typed.size() < want.size() && !want[typed.size()].isDigit())
            typed += want[typed.size()],
                spoken << (typed.endsWith(u'+') ? u"Form1: plus"_s : u"Form1: gleich"_s);
    }
    void check(const Task &next)
    {
        if (typed != expected()) {
            say(Wrong);
            errors = std::min(errors + 1, 32767);
            if (!list.contains(taskText() + Gaps))
                list << taskText() + Gaps;
        } else {
            task = next;
            spoken << u"Form1: Richtig! %1 richtig. Neue "_s.arg(++right) + spokenTask().mid(7);
            if (right % 10 == 0)
                say(Reward), game = true;
        }
        typed.clear();
    }
    // Returns the band of the verdict, or -1 before the first right answer.
    int evaluate()
    {
        if (right == 0)
            return say({u"Du hast noch keine richtige Lösung!"_s, 64, u"Fehler"_s}), -1;
        const double percent = double(errors) / double(right) * 100;
        int band = 0;
        for (const int from : {5, 10, 20, 30, 40, 50, 60, 70})
            band += percent >= from;
        say({u"Du hast %1% Fehler:\n\r\n\r"_s.arg(qint64(percent))
                 + QString::fromUtf8(Verdicts[band]),
             64, u"Fehler"_s});
        return band;
    }
    // False when the copy failed, so that the list must stay.
    bool exportList(bool yes, bool fails)
    {
        if (list.isEmpty())
            return say(NoErrors, true), true;
        say(Ask, true);
        if (!yes)
            return true;
        if (fails)
            return say(NotCopied), false;
        clipboard = Head + list.join(u"\r\n"_s) + u"\r\n"_s;
        list.clear();
        return say(Copied), true;
    }
    void rename(const QString &given, bool yes, bool fails)
    {
        prompts << u"Name eingeben:|Neuer Benutzer"_s;
        if (given.isEmpty())
            return;
        name = given;
        if (!list.isEmpty() && exportList(yes, fails))
            list.clear();
    }
};

// How deep a walk went: games, the most errors in one program, bands of the evaluation,
// repeated tasks, answers too long and too short, the ends of the random ranges.
using Reached = QMap<QString, int>;

// One step: what the child or the teacher does, its details drawn from its own seed.
struct Step
{
    char kind;
    quint32 seed;
};

// Drives the program and the model side by side, a new program after each end.
struct Walk
{
    std::optional<Form1Fixture> f;
    Model m;
    Reached reached;
    QStringList log, scenes;
    std::mt19937 rng;

    int pick(int n) { return int(rng() % quint32(n)); }
    void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          control<QWidget>(window, name)->geometry().center());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(f->form->windowHandle(), Qt::Key(key), modifiers);
    }
    // A picture command by its click or its key; a shortcut needs the window active, as it is
    // long before a child presses one.
    void picture(const char *name, Qt::Key shortcut)
    {
        pick(2) ? click(f->form.get(), name)
                : (void(QTest::qWaitForWindowActive(f->form.get())), key(shortcut));
    }
    void deleteByButton()
    {
        click(f->form.get(), "Befehl18"), m.typed.chop(1), m.onDelete = !m.typed.isEmpty();
    }
    // A digit from the top row, the keypad or the digit buttons.
    void digit(QChar c)
    {
        const int d = c.digitValue(), how = pick(3);
        how == 2 ? click(f->form.get(), ("Befehl" + QByteArray::number(d ? d : 10)).constData())
                 : QTest::keyClick(f->form->windowHandle(), char(c.toLatin1()),
                                   how ? Qt::KeypadModifier : Qt::NoModifier);
        m.type(c);
    }

    void start()
    {
        f.emplace();
        m = Model();
        f->platform.onMessage = [this](const Message &) {
            const bool game = f->form->memoryWindow() && f->form->memoryWindow()->isVisible();
            scenes << (f->form->isVisible() && !game ? u"main "_s
                           : game                    ? u"game "_s
                                                     : u"none "_s)
                    + (f->get<QListWidget>("Liste1")->x() == 240 ? u"list "_s : QString())
                    + f->form->windowHandle()->title();
        };
    }

    // Types an answer after deleting what stands, then sends it; returns a failure or nothing.
    QString answer(bool right)
    {
        QString digits = m.expected().remove(u'+').remove(u'=');
        const int variant = right ? 0 : 1 + pick(4);
        if (variant == 1)
            digits += QChar(u'0' + pick(10)), ++reached[u"too long"_s];
        else if (variant == 2)
            digits.chop(1), ++reached[u"too short"_s];
        else if (const int at = pick(digits.size()); variant == 3)
            digits[at] = QChar(u'0' + (digits[at].digitValue() + 1 + pick(9)) % 10);
        else if (variant == 4)
            digits.prepend(u'0');
        while (!m.typed.isEmpty())
            pick(2) ? key(Qt::Key_Backspace), void(m.typed.chop(1)) : deleteByButton();
        for (const QChar c : digits)
            digit(c);
        // A digit too many taken back by the delete button, which keeps the focus: Enter checks
        // once.
        if (!pick(4))
            digit(QChar(u'0' + pick(10))), deleteByButton();
        // The next task: one of the pool, or four open random numbers, at the ends of their range
        // or anywhere.
        const int from = pick(4);
        const Task &pooled = Pool[from % 3];
        if (from < 3)
            f->platform.queueTask(pooled.factor, pooled.tens, pooled.units, pooled.factorFirst);
        for (int i = 0; i < 4 && from == 3; ++i)
            f->platform.randoms << std::array {0.0, 0.99999999,
                                               double(rng()) / 4294967296.0}[pick(3)];
        const int send = pick(3);
        log << u"answer %1, sent by %2"_s.arg(
            m.typed, std::array {u"Enter"_s, u"keypad Enter"_s, u"OK"_s}[send]);
        m.onDelete = m.onDelete && *m.onDelete && send < 2;
        send == 2 ? click(f->form.get(), "Befehl11")
                  : key(send ? Qt::Key_Enter : Qt::Key_Return,
                        send ? Qt::KeypadModifier : Qt::NoModifier);
        f->platform.randoms.clear();
        const bool listed
            = m.list.contains(m.taskText() + Gaps) && m.list.last() != m.taskText() + Gaps;
        if (m.typed != m.expected()) {
            reached[u"repeats"_s] += listed;
            return m.check({}), QString();
        }
        // The task drawn, read back: its numbers in their ranges, and each end of them reached.
        const QString text = f->caption("Bezeichnung1"),
                      drawn = QString(text).remove(QRegularExpression(u"\\D"_s));
        const bool first = text.indexOf(u'·') == 3;
        const Task next {drawn.right(first ? 3 : 1).left(1).toInt(),
                         drawn.mid(first ? 1 : 0, 1).toInt(), drawn.mid(first ? 2 : 1, 1).toInt(),
                         first};
        for (const auto &[part, value, low] : {std::tuple {"factor ", next.factor, 2},
                                               {"tens ", next.tens, 1},
                                               {"units ", next.units, 1}}) {
            if (value < low || value > 9)
                return u"task drawn out of range: "_s + text;
            if (from == 3 && (value == low || value == 9))
                ++reached[QString::fromLatin1(part) + QString::number(value)];
        }
        if (from == 3)
            ++reached[first ? u"factor first"_s : u"factor last"_s];
        m.check(from == 3 ? next : pooled);
        reached[u"games"_s] += m.game;
        return {};
    }

    // Keys and clicks that edit the answer without sending it.
    void edit()
    {
        QString done;
        for (int n = 1 + pick(12); n > 0; --n) {
            const int what = pick(10);
            const QChar sign = u"<>+="[pick(4)];
            if (what < 4)
                digit(QChar(u'0' + pick(10))), done += u'd';
            else if (what == 4)
                QTest::keyClick(f->form->windowHandle(), char(sign.toLatin1())), m.type(sign),
                    done += sign;
            else if (what == 5)
                key(Qt::Key_Backspace, pick(2) ? Qt::ControlModifier : Qt::NoModifier),
                    m.typed.chop(1), done += u'b';
            else if (what == 6)
                deleteByButton(), done += u"<---"_s;
            else if (what == 9)
                void(QTest::qWaitForWindowActive(f->form.get())), key(Qt::Key_F9),
                    m.spoken << m.spokenTask() + u". Deine Antwort: "_s + m.spokenAnswer(),
                    done += u"F9"_s;
            else
                QTest::keyClick(f->form->windowHandle(), "a-5"[what - 7],
                                what == 8 ? Qt::ControlModifier : Qt::NoModifier),
                    done += u'x';
        }
        log << u"edit %1 to %2"_s.arg(done, m.typed);
    }

    QString step(Step s)
    {
        rng.seed(s.seed);
        if (!f || m.ended)
            start(), ++reached[u"programs"_s];
        ScriptedPlatform &p = f->platform;
        const bool yes = pick(2), fails = !pick(3) && (s.kind == 'c' || s.kind == 'n');
        // A clipboard that fails keeps what another program put there.
        if (fails)
            p.clipboardFails = true, p.clipboard = m.clipboard = u"etwas anderes"_s;
        if (m.game) {
            // In the game: STOP or the frame's close button, answered; or keys for the hidden main
            // window.
            const int via = pick(3);
            log << u"in the game: %1, %2"_s.arg(std::array {u"STOP"_s, u"close"_s, u"keys"_s}[via],
                                                yes ? u"Ja"_s : u"Nein"_s);
            if (via < 2) {
                f->platform.answers << (yes ? MsgResult::Yes : MsgResult::No);
                via ? void(f->form->memoryWindow()->close())
                    : click(f->form->memoryWindow(), "Befehl1");
                m.say(Stop);
                m.game = !yes;
                m.onDelete.reset();
            } else {
                key(Qt::Key_5), key(Qt::Key_Space), key(Qt::Key_Return);
            }
        } else if (s.kind == 'r' || s.kind == 'w') {
            if (const QString failure = answer(s.kind == 'r'); !failure.isEmpty())
                return failure;
        } else if (s.kind == 'e') {
            edit();
        } else if (s.kind == 'v') {
            log << u"evaluation"_s;
            picture("Bild2", Qt::Key_F3);
            if (const int band = m.evaluate(); band >= 0)
                ++reached[u"band %1"_s.arg(band)];
        } else if (s.kind == 'l') {
            // Memo, the reward rule, the help and the keys.
            const int which = pick(4);
            log << u"picture %1"_s.arg(
                QString::fromLatin1(std::array {"Memo", "reward rule", "help", "keys"}[which]));
            picture(std::array {"Bild4", "Bild3", "Bild7", "Bild8"}[which],
                    std::array {Qt::Key_F6, Qt::Key_F2, Qt::Key_F1, Qt::Key_F7}[which]);
            which ? m.say(Pictures[which - 1])
                  : m.say({u"Noch %1 Aufgaben bis zur Spielrunde!"_s.arg(10 - m.right % 10), 48,
                           u"Belohnung"_s});
        } else if (s.kind == 'c') {
            log << u"Check, %1%2"_s.arg(yes ? u"Ja"_s : u"Nein"_s,
                                        fails ? u", clipboard fails"_s : QString());
            p.answers << (yes ? MsgResult::Yes : MsgResult::No);
            picture("Bild6", Qt::Key_F4);
            m.exportList(yes, fails);
        } else if (s.kind == 'n') {
            const QString name = Names[pick(5)];
            log << u"Name \"%1\", %2%3"_s.arg(name, yes ? u"Ja"_s : u"Nein"_s,
                                              fails ? u", clipboard fails"_s : QString());
            p.inputs << name, p.answers << (yes ? MsgResult::Yes : MsgResult::No);
            picture("Bild9", Qt::Key_F5);
            m.rename(name, yes, fails);
        } else if (s.kind == 'j') {
            // For one evaluation the counters stand at a band's very limit or one error below it;
            // or at 29 or 57 in 100, where the quotient times 100 falls just short of a whole
            // number.
            const bool justShort = !pick(4);
            const qint64 right = justShort ? 100 : 20 * (1 + pick(20));
            const int limit = std::array {5, 10, 20, 30, 40, 50, 60, 70}[pick(8)];
            const int errors = justShort ? 29 + 28 * pick(2) : int(limit * right / 100) - pick(2);
            log << u"evaluation at %1 errors, %2 right"_s.arg(errors).arg(right);
            Modul1 &state = f->form->state();
            const auto [errorsBefore, rightBefore]
                = std::pair(state.ErrorCount, state.CorrectCount);
            const auto [modelErrors, modelRight] = std::pair(m.errors, m.right);
            state.ErrorCount = std::int16_t(errors), state.CorrectCount = right, m.errors = errors,
            m.right = right;
            picture("Bild2", Qt::Key_F3);
            reached[u"band limits"_s] += m.evaluate() >= 0;
            state.ErrorCount = errorsBefore, state.CorrectCount = rightBefore,
            m.errors = modelErrors, m.right = modelRight;
        } else if (s.kind == 'q' || s.kind == 'x') {
            const bool end = s.kind == 'x';
            const int via = pick(3);
            log << u"%1, %2"_s.arg(std::array {u"Esc"_s, u"Ende"_s, u"close"_s}[via],
                                   end ? u"Ja"_s : u"Nein"_s);
            p.answers << (end ? MsgResult::Yes : MsgResult::No);
            via == 0       ? key(Qt::Key_Escape)
                : via == 1 ? click(f->form.get(), "Bild1")
                           : void(f->form->close());
            m.say(Quit);
            m.ended = end;
        } else {
            log << u"Info"_s;
            picture("Bild5", Qt::Key_F8);
            if (!f->form->infoWindow()->isVisible() || !f->form->isVisible())
                return u"info window"_s;
            f->form->infoWindow()->close();
            m.onDelete.reset();
        }
        p.clipboardFails = false;
        p.answers.clear(), p.inputs.clear();
        reached[u"errors"_s] = std::max(reached[u"errors"_s], m.errors);
        return compare();
    }

    // Everything the child and the teacher can see, against the model; names the first difference.
    QString compare()
    {
        ScriptedPlatform &p = f->platform;
        const auto colour = [](const QWidget *w) { return w->palette().window().color().name(); };
        const QString background = m.errors > 50 ? u"#ff0000"_s : u"#80ffff"_s;
        const QWidget *key = f->get<QWidget>("Befehl5");
        const auto windows = [](auto... shown) { return (QString::number(shown) + ...); };
        // The focus, where the model knows it.
        const QString focus = m.onDelete ? f->form->focusWidget()->objectName() : QString();
        const QString shown[][3] = {
            {u"answer"_s, f->caption("Bezeichnung2"), m.typed},
            {u"task"_s, f->caption("Bezeichnung1"), m.taskText()},
            {u"errors"_s, f->caption("Bezeichnung3"), QString::number(m.errors)},
            {u"right answers"_s, f->caption("Bezeichnung4"), QString::number(m.right)},
            {u"error list"_s, f->entries().join(u'\n'), m.list.join(u'\n')},
            {u"colours"_s,
             colour(f->form.get()) + colour(f->get("Bezeichnung1")) + colour(f->get("Bezeichnung2"))
                 + colour(key),
             background.repeated(3) + QApplication::palette(key).window().color().name()},
            {u"caption"_s, f->form->windowHandle()->title(), Prefix + m.name},
            {u"focus"_s, focus,
             !m.onDelete       ? QString()
                 : *m.onDelete ? u"Befehl18"_s
                               : u"Befehl11"_s},
            {u"messages"_s, show(p.messages), show(m.messages)},
            {u"behind the messages"_s, scenes.join(u'\n'), m.scenes.join(u'\n')},
            {u"told"_s, p.spoken.join(u'\n'), m.spoken.join(u'\n')},
            {u"input boxes"_s, p.prompts.join(u'\n'), m.prompts.join(u'\n')},
            {u"beeps"_s, QString::number(p.beeps), QString::number(m.messages.count(Wrong))},
            {u"clipboard"_s, p.clipboard, m.clipboard},
            {u"windows"_s,
             windows(f->form->isVisible(),
                     f->form->memoryWindow() && f->form->memoryWindow()->isVisible(),
                     f->form->infoWindow() && f->form->infoWindow()->isVisible(), p.ended),
             windows(!m.game && !m.ended, m.game && !m.ended, false, m.ended)},
        };
        p.messages.clear(), m.messages.clear(), scenes.clear(), m.scenes.clear(), p.spoken.clear(),
            m.spoken.clear(), p.prompts.clear(), m.prompts.clear(), p.beeps = 0;
        for (const auto &[what, actual, expected] : shown) {
            if (actual != expected)
                return what + u": \""_s + actual + u"\", the model says \""_s + expected + u'"';
        }
        return {};
    }
    static QString show(const QList<Message> &messages)
    {
        return std::accumulate(
            messages.begin(), messages.end(), QString(),
            [](const QString &lines, const Message &m) {
                return lines + u"%1|%2|%3\n"_s.arg(m.text, QString::number(m.style), m.title);
            });
    }
};

// Walks the steps on a fresh program; gives the index of the first step after which the
// program and the model differ, with the difference, or -1.
std::pair<qsizetype, QString> walk(const QList<Step> &steps, Reached &reached, QStringList &log)
{
    Walk w;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (const QString failure = w.step(steps[i]); !failure.isEmpty()) {
            log = w.log;
            return {i, failure};
        }
    }
    reached = w.reached, log = w.log;
    return {-1, {}};
}

// A run of steps. Right answers come at an even pace and wrong ones ever faster, so that the
// error rate grows from 0 to about 130 per cent, as the square of the time, and stays in each
// band of the evaluation for dozens of steps; the evaluation is asked often. One program lives
// to near the end, and then is ended.
QList<Step> steps(quint32 seed, int count)
{
    std::mt19937 rng(seed);
    QList<Step> steps;
    for (int i = 0; i < count; ++i) {
        const double late = double(i) / count;
        // Right, wrong, evaluation, edit, look, Check, Name, quit (Nein), Info, counters jump, end
        // (only at the end).
        std::discrete_distribution<int> kinds {
            5, 20 * late * late, 3, 1.2, 1, 0.6, 0.5, 0.3, 0.15, 0.4, late > 0.96 ? 0.5 : 0};
        steps << Step {"rwvelcnqijx"[kinds(rng)], quint32(rng())};
    }
    return steps;
}

}

class TestWalk : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }

    void walk_data()
    {
        QTest::addColumn<quint32>("seed");
        const int chosen = qEnvironmentVariableIntValue("VUVERE_WALK_SEED");
        for (const quint32 seed :
             chosen ? QList<quint32> {quint32(chosen)} : QList<quint32> {1, 2, 3})
            QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
    }

    void walk()
    {
        QFETCH(quint32, seed);
        const int count = qEnvironmentVariableIntValue("VUVERE_WALK_STEPS");
        QList<Step> run = steps(seed, count ? count : 600);
        Reached reached;
        QStringList log;
        const auto [at, failure] = ::walk(run, reached, log);
        if (at >= 0) {
            // Shrinking: drops the steps of one kind, then ever smaller runs of steps, as long as
            // the same kind of difference stays; it stops after ten seconds in all, with what it
            // has.
            static QElapsedTimer spent;
            spent.isValid() ? void() : spent.start();
            const QString kind = failure.section(u':', 0, 0);
            // Keeps the run without the steps that drop says, if it still fails the same way.
            const auto keep = [&](const std::function<bool(qsizetype, Step)> &drop) {
                QList<Step> trial;
                for (qsizetype i = 0; i < run.size(); ++i)
                    drop(i, run[i]) ? void() : trial.append(run[i]);
                const auto [end, again] = ::walk(trial, reached, log);
                return end >= 0 && again.section(u':', 0, 0) == kind
                    ? (run = trial.mid(0, end + 1), true)
                    : false;
            };
            run.resize(at + 1);
            for (const char stepKind : std::string_view("rwvelcnqijx"))
                keep([stepKind](qsizetype, Step s) { return s.kind == stepKind; });
            for (qsizetype chunk = run.size() / 2; chunk >= 1 && spent.elapsed() < 10000;
                 chunk /= 2) {
                for (qsizetype i = 0; i < run.size() && spent.elapsed() < 10000;)
                    keep([i, chunk](qsizetype j, Step) { return j >= i && j < i + chunk; })
                        ? void()
                        : void(i += chunk);
            }
            const auto [end, last] = ::walk(run, reached, log);
            QFAIL(qPrintable(u"%1\nafter these steps:\n%2"_s.arg(last, log.join(u'\n'))));
        }
        QStringList tally;
        for (const auto &[what, count] : reached.asKeyValueRange())
            tally << u"%1: %2"_s.arg(what).arg(count);
        qInfo("seed %u reached %s", seed, qPrintable(tally.join(u", "_s)));
        QVERIFY(reached[u"games"_s] >= 3 && reached[u"errors"_s] > 60 && reached[u"repeats"_s] > 0);
        // Every band and its limits, answers too long and too short, both ends of each random range
        // and both orders.
        QCOMPARE(reached.size(), 24);
    }
};

VUVERE_TEST_MAIN(TestWalk)
#include "tst_walk.moc"
