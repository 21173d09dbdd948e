#include "test_support.h"

namespace {

const QString Gaps = u" _____ + ___ = _____"_s;
const QString Prefix = u"Vuvere Rovivudevu: "_s;
// The walk's screen, right of and below another.
const QRect Screen(1280, 300, 800, 600);
// Centred by its frame, give or take a pixel's rounding.
QString placed(const QWidget *window)
{
    const QPoint off = window->frameGeometry().center() - Screen.center();
    return std::max(qAbs(off.x()), qAbs(off.y())) <= 1 ? u"centred"_s : u"off centre"_s;
}
const QString Head = u"Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n"_s;
const QString Flag
    = u"QRW 1 x 1 groß. QRW, Version 1.0, 2026. E-Mail: info@qrw.example. www.qrw.example"_s;
const Message Wrong {u"Das ist leider falsch!\r"_s, 0, u"Rechenfehler"_s};
const Message Quit {u"Dieses Programm jetzt beenden?\r\r"_s, 276, u"Vuvere Rovivudevu"_s};
const Message NoRight {u"Du hast noch keine richtige Lösung!"_s, 64, u"Fehler"_s};
const Message NoErrors {u"Es sind keine Fehler vorhanden!\r\r"_s, 0, u"Fehlerliste abbrechen"_s};
const Message Ask {u"Die Fehlerliste kopieren?\r\r"_s, 292, u"Fehlerliste kopieren"_s};
const Message Copied {
    u"Die Fehlerliste wurde kopiert und kann nun\rin die Textverarbeitung eingefügt werden.\r"_s, 0,
    u"Fehlerliste kopieren"_s};
const Message NotCopied {u"Die Fehlerliste konnte nicht kopiert werden."_s, 48,
                         u"Fehlerliste kopieren"_s};
const Message Reward {u"Jetzt gibt es eine Belohnung."_s, 64, u"Memoryspiel"_s};
const Message Stop {u"  Das Spiel jetzt beenden?"_s, 20, u"Memory"_s};
const Message GameOver {u"  Das Spiel ist beendet!"_s, 0, u"Memory"_s};

// The picture commands that only tell something, each with its box.
const std::pair<const char *, Message> Looks[] = {
    {"Bild3", {u"Nach 10 Aufgaben gibt es eine Spielrunde!"_s, 64, u"Belohnung"_s}},
    {"Bild7",
     {u"Rechne so:\r\r73 · 6 = 420 + 18 = 438\r\r8 · 47 = 320 + 56 = 376\r\r"_s, 0,
      u"Zerlegungsaufgabe"_s}},
    {"Bild8",
     {u"Klicke mit der Maus auf die Knöpfe am unteren Bildschirmrand\roder gib die Ziffern "
      u"direkt über die Tastatur ein. Zum Löschen\rnimmst du die Pfeil-Löschtaste und zur "
      u"Eingabe die Entertaste.\r\r"_s,
      0, u"Tasteneingabe"_s}},
};

// Each picture command's key; digits, signs, Enter and Backspace stay free for the answer.
struct PictureKey
{
    std::string_view button;
    Qt::Key key;
};
const PictureKey PictureKeys[] = {
    {"Bild1", Qt::Key_Escape}, {"Bild2", Qt::Key_F3}, {"Bild3", Qt::Key_F2},
    {"Bild4", Qt::Key_F6},     {"Bild5", Qt::Key_F8}, {"Bild6", Qt::Key_F4},
    {"Bild7", Qt::Key_F1},     {"Bild8", Qt::Key_F7}, {"Bild9", Qt::Key_F5},
};

// The evaluation's bands start at these error rates, in per cent; the verdicts go from the
// lowest rate up.
const int Limits[] = {5, 10, 20, 30, 40, 50, 60, 70};
const char *const Verdicts[]
    = {"Das ist einfach Spitze!",    "Das hast du prima gemacht!", "Das hast du gut gemacht!",
       "Das klappt schon fast gut!", "Schon recht ordentlich!",    "Das geht gerade noch so!",
       "Du musst noch etwas üben!",  "Du musst viel mehr üben!",   "Du machst zu viele Fehler!"};
const char Signs[] = {'<', '>', '+', '='};
const QString Names[] = {u"Anna"_s, QString(), u"   "_s, u"[*]"_s, u"Ben Öz"_s};

// What every walk reaches: answers too long and too short, a task listed again after another,
// both ends of each random range and both orders, the counters' limits, every band and its
// limits, three games and more than 60 errors in one program.
const char *const Depths[]
    = {"too long",    "too short", "repeats", "factor 2",     "factor 9",    "tens 1",
       "tens 9",      "units 1",   "units 9", "factor first", "factor last", "counter limits",
       "band limits", "band 0",    "band 1",  "band 2",       "band 3",      "band 4",
       "band 5",      "band 6",    "band 7",  "band 8",       "three games", "over 60 errors",
       "game won",    "redrawn",   "STOP Ja", "STOP Nein"};
// How a wrong answer is made.
const char *const Spoils[] = {"too long", "too short", "a digit changed", "a leading zero"};
// The keys of the game window.
const Qt::Key GameKeys[]
    = {Qt::Key_Left,    Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Tab,
       Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
// Keys that leave the answer as it is.
const QKeyCombination Idle[] = {Qt::Key_A, Qt::ControlModifier | Qt::Key_5};

struct Task
{
    int factor;
    int tens;
    int units;
    bool factorFirst;
    bool operator==(const Task &) const = default;
};
// The tasks the walk hands the generator most often: few, so that they come back.
const Task Pool[] = {{8, 4, 7, false}, {9, 1, 2, true}, {2, 9, 9, false}};

// The task from four draws in [0, 1): the factor from 2 to 9, the units and the tens digit
// from 1 to 9, and the order.
Task drawn(const QList<double> &draws)
{
    return {2 + int(draws[0] * 8), 1 + int(draws[2] * 9), 1 + int(draws[1] * 9), draws[3] >= 0.5};
}
QString inOrder(const Task &task, const QString &number, const QString &factor, const QString &op)
{
    return task.factorFirst ? factor + op + number : number + op + factor;
}
// " 4 7 · 8 =", read as "47 mal 8".
QString shown(const Task &task)
{
    const QString digits = u" %1 %2"_s.arg(task.tens).arg(task.units);
    return inOrder(task, digits, u" %1"_s.arg(task.factor), u" ·"_s) + u" ="_s;
}
QString said(const Task &task)
{
    const QString number = QString::number(10 * task.tens + task.units);
    return inOrder(task, number, QString::number(task.factor), u" mal "_s);
}

QString show(const Message &message)
{
    return u"%1|%2|%3"_s.arg(message.text, QString::number(message.style), message.title);
}

// The Memory game as the child knows it: 18 cards, each number from 1 to 9 under two. Two cards
// make a turn; a pair stays found, in white; two that differ stay open until the next card is
// turned. The turn that finds the last pair ends the game uncounted.
struct Game
{
    int numbers[19] = {};
    bool found[19] = {};
    int first = 0;
    int second = 0;
    int turn = 1;
    // The card with the focus, 0 for STOP, and the card that Tab goes back to.
    int focus = 1;
    int last = 1;

    bool faceUp(int k) const { return found[k] || k == first || k == second; }
    bool over() const { return std::ranges::count(found, true) == 18; }
    // Each card draws from 1 to 18 until it has a number no card before it has; 10 to 18 are
    // the pairs of 1 to 9.
    void deal(const QList<double> &draws)
    {
        QList<int> drawn;
        for (const double draw : draws) {
            const int n = 1 + int(draw * 18);
            if (!drawn.contains(n))
                drawn << n;
        }
        for (int k = 1; k <= 18; ++k)
            numbers[k] = drawn[k - 1] > 9 ? drawn[k - 1] - 9 : drawn[k - 1];
    }
};

// The rules as the child and the teacher know them.
struct Model
{
    Task task = Pool[0];
    QString typed;
    QString name = u"Freund und Gast"_s;
    QString clipboard;
    int errors = 0;
    qint64 right = 0;
    // The generator is seeded from the clock at the start and for each task.
    int seeds = 2;
    bool game = false;
    Game cards;
    // Games won, and STOP answered Nein and Ja.
    int won = 0;
    int stops[2] = {};
    bool ended = false;
    // The delete button keeps the focus while it leaves something to delete; else it is on OK.
    bool onDelete = false;
    QList<Task> list;
    int beeps = 0;
    // What the screen reader is told, the input boxes asked, and for each message the windows
    // in view, whether the error list is shown, and the caption.
    QStringList spoken;
    QStringList prompts;
    QStringList scenes;

    QString expected() const
    {
        const int f = task.factor;
        return u"%1+%2=%3"_s.arg(f * task.tens * 10)
            .arg(f * task.units)
            .arg(f * (10 * task.tens + task.units));
    }
    void say(const Message &message, bool listInView = false)
    {
        const QString inView = listInView ? u" list"_s : QString();
        const QString turn = game ? u" turn %1"_s.arg(cards.turn) : QString();
        scenes << show(message) + u" over "_s + (game ? u"game"_s : u"main"_s) + turn + inView
                + u' ' + Prefix + name;
    }
    // A digit is added, up to 20 characters; a sign replaces the answer. Once the answer
    // reaches the place of a sign in the right answer, the sign follows.
    void type(QChar c)
    {
        onDelete = false;
        typed = c.isDigit() ? (typed + c).left(20) : QString(c);
        const QString want = expected();
        if (typed.size() < want.size() && !want[typed.size()].isDigit()) {
            typed += want[typed.size()];
            spoken << (typed.endsWith(u'+') ? u"Form1: plus"_s : u"Form1: gleich"_s);
        }
    }
    void tellTaskAndAnswer()
    {
        QString answer = QString(typed).replace(u'+', u" plus "_s).replace(u'=', u" gleich "_s);
        if (typed.isEmpty())
            answer = u"noch leer"_s;
        spoken << u"Form1: Aufgabe: %1. Deine Antwort: %2"_s.arg(said(task), answer.trimmed());
    }
    void check(const Task &next, const QList<double> &deal)
    {
        if (typed == expected()) {
            task = next;
            ++right;
            ++seeds;
            spoken << u"Form1: Richtig! %1 richtig. Neue Aufgabe: %2"_s.arg(right).arg(said(task));
            if (right % 10 == 0) {
                say(Reward);
                game = true;
                cards.deal(deal);
            }
        } else {
            say(Wrong);
            ++beeps;
            errors = std::min(errors + 1, 32767);
            if (!list.contains(task))
                list << task;
        }
        typed.clear();
    }
    // A click, Space or Enter on card k.
    void open(int k)
    {
        Game &g = cards;
        g.focus = k;
        g.last = k;
        if (g.faceUp(k))
            return;
        if (g.second != 0) {
            g.first = 0;
            g.second = 0;
        }
        const QString turned = u"Form5: Karte %1: %2"_s.arg(k).arg(g.numbers[k]);
        if (g.first == 0) {
            g.first = k;
            spoken << turned;
            return;
        }
        g.second = k;
        const bool pair = g.numbers[g.first] == g.numbers[k];
        spoken << turned + (pair ? u". Ein Paar!"_s : u". Kein Paar."_s);
        g.found[g.first] = pair;
        g.found[k] = pair;
        if (!g.over()) {
            ++g.turn;
            return;
        }
        say(GameOver);
        ++won;
        endGame();
    }
    // The arrows move over the 3 rows of 6 and stop at the edge; from STOP they go back to the
    // card left last, as Tab does. Space and Enter press what has the focus; Esc is STOP.
    void gameKey(Qt::Key key, bool yes)
    {
        Game &g = cards;
        const int right = int(key == Qt::Key_Right) - int(key == Qt::Key_Left);
        const int down = int(key == Qt::Key_Down) - int(key == Qt::Key_Up);
        const bool arrow = right != 0 || down != 0;
        if (arrow && g.focus != 0) {
            const int column = std::clamp((g.focus - 1) % 6 + right, 0, 5);
            const int row = std::clamp((g.focus - 1) / 6 + down, 0, 2);
            g.last = 1 + 6 * row + column;
        }
        if (arrow)
            g.focus = g.last;
        else if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            g.focus = g.focus == 0 ? g.last : 0;
        else if (key == Qt::Key_Escape || g.focus == 0)
            stop(yes);
        else
            open(g.focus);
    }
    // Nein leaves the game as it is.
    void stop(bool yes)
    {
        say(Stop);
        ++stops[int(yes)];
        if (yes)
            endGame();
    }
    // The cards are turned back and the main window comes back, with the focus on OK.
    void endGame()
    {
        game = false;
        cards = Game();
        onDelete = false;
    }
    // Returns the band of the verdict, or -1 before the first right answer.
    int evaluate()
    {
        if (right == 0) {
            say(NoRight);
            return -1;
        }
        const double percent = double(errors) / double(right) * 100;
        const auto band
            = std::ranges::count_if(Limits, [percent](int from) { return percent >= from; });
        const QString verdict = QString::fromUtf8(Verdicts[band]);
        say({u"Du hast %1% Fehler:\n\r\n\r"_s.arg(qint64(percent)) + verdict, 64, u"Fehler"_s});
        return int(band);
    }
    // False when the copy failed, so that the list must stay.
    bool exportList(bool yes, bool fails)
    {
        if (list.isEmpty()) {
            say(NoErrors, true);
            return true;
        }
        say(Ask, true);
        if (!yes)
            return true;
        if (fails) {
            say(NotCopied);
            return false;
        }
        clipboard = Head;
        for (const Task &entry : list)
            clipboard += shown(entry) + Gaps + u"\r\n"_s;
        list.clear();
        say(Copied);
        return true;
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

enum class Kind { Right, Wrong, Evaluate, Edit, Look, Check, Name, Stay, Info, Limits, Huge, End };

struct Walk;
// How often a kind of step comes: its weight, growing with the square of the progress through
// the run, from a part of the run on.
struct KindSpec
{
    Kind kind;
    const char *name;
    double weight = 0;
    double rising = 0;
    double from = 0;
    void (Walk::*run)();

    double weightAt(double late) const { return late >= from ? weight + rising * late * late : 0; }
};

// Drives the program and the model side by side, a new program after each end.
struct Walk
{
    std::optional<Form1Fixture> f;
    Model m;
    // How often the walk reached each depth, by name.
    QMap<QString, int> reached;
    QStringList log;
    QStringList scenes;
    std::mt19937 rng;
    bool yes = false;
    bool fails = false;

    int pick(int n) { return int(rng() % quint32(n)); }
    void click(QWidget *window, const char *name)
    {
        log << u"click "_s + QLatin1String(name);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          control<QWidget>(window, name)->geometry().center());
    }
    // A key into the main window, or into another.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, QWidget *window = nullptr)
    {
        log << QKeySequence(modifiers | key).toString();
        QTest::keyClick((window ? window : f->form.get())->windowHandle(), key, modifiers);
    }
    // A picture command by its click or its key; a shortcut needs the window active, as it is
    // long before a child presses one.
    void picture(std::string_view name)
    {
        if (pick(2) == 0) {
            click(f->form.get(), name.data());
        } else {
            (void)QTest::qWaitForWindowActive(f->form.get());
            press(std::ranges::find(PictureKeys, name, &PictureKey::button)->key);
        }
    }
    void answerBox()
    {
        log << (yes ? u"answered Ja"_s : u"answered Nein"_s);
        f->platform.answers << (yes ? MsgResult::Yes : MsgResult::No);
    }
    void clickDelete()
    {
        click(f->form.get(), "Befehl18");
        m.typed.chop(1);
        m.onDelete = !m.typed.isEmpty();
    }
    void key(QChar c, Qt::KeyboardModifiers modifiers = {})
    {
        log << (modifiers == Qt::KeypadModifier ? u"keypad "_s : u"key "_s) + c;
        QTest::keyClick(f->form->windowHandle(), c.toLatin1(), modifiers);
        m.type(c);
    }
    // A digit from the top row, the keypad or the digit buttons.
    void digit(QChar c)
    {
        if (pick(3) == 0) {
            const int d = c.digitValue();
            click(f->form.get(), ("Befehl" + QByteArray::number(d == 0 ? 10 : d)).constData());
            m.type(c);
        } else {
            key(c, pick(2) == 0 ? Qt::KeypadModifier : Qt::NoModifier);
        }
    }
    void erase()
    {
        if (pick(2) == 0) {
            clickDelete();
            return;
        }
        press(Qt::Key_Backspace, pick(2) == 0 ? Qt::ControlModifier : Qt::NoModifier);
        m.typed.chop(1);
    }
    void tell()
    {
        (void)QTest::qWaitForWindowActive(f->form.get());
        press(Qt::Key_F9);
        m.tellTaskAndAnswer();
    }
    QChar anyDigit() { return QChar(u'0' + pick(10)); }
    // One end of [0, 1), or anywhere in it.
    double openDraw()
    {
        const double draws[] = {0.0, 0.99999999, double(rng()) / 4294967296.0};
        return draws[pick(3)];
    }
    QString windowsShown() const
    {
        QStringList names;
        if (f->form->isVisible())
            names << u"main"_s;
        if (memory() && memory()->isVisible())
            names << u"game"_s;
        if (f->form->infoWindow() && f->form->infoWindow()->isVisible())
            names << u"info"_s;
        if (f->platform.ended)
            names << u"ended"_s;
        return names.join(u' ');
    }

    void start()
    {
        f.emplace(QRectF(Screen.topLeft() * 15.0, Screen.size() * 15.0));
        m = Model();
        f->platform.onMessage = [this](const Message &message) {
            const QString list = f->get<QListWidget>("Liste1")->x() == 240 ? u" list"_s : QString();
            const QString title = f->form->windowHandle()->title();
            QString turn;
            if (memory() && memory()->isVisible())
                turn = u" turn "_s + control<Label>(memory(), "Bezeichnung21")->caption();
            scenes << show(message) + u" over "_s + windowsShown() + turn + list + u' ' + title;
        };
        ++reached[u"programs"_s];
    }

    // A wrong answer: a digit too many or too few, one digit changed, or a leading zero.
    void spoil(QString &digits)
    {
        const int at = pick(digits.size());
        const int how = pick(4);
        ++reached[QLatin1String(Spoils[how])];
        if (how == 0)
            digits += anyDigit();
        else if (how == 1)
            digits.chop(1);
        else if (how == 2)
            digits[at] = QChar(u'0' + (digits[at].digitValue() + 1 + pick(9)) % 10);
        else
            digits.prepend(u'0');
    }
    // Types an answer after deleting what stands, then sends it.
    void answer(bool right)
    {
        QString digits = m.expected().remove(u'+').remove(u'=');
        if (!right)
            spoil(digits);
        while (!m.typed.isEmpty())
            erase();
        for (const QChar c : digits)
            digit(c);
        // A digit too many taken back by the delete button, which keeps the focus: Enter checks
        // once.
        if (pick(4) == 0) {
            digit(anyDigit());
            clickDelete();
        }
        // The next task: one of the pool, or four open draws, each end of their ranges reached.
        const bool open = pick(4) == 0;
        const Task &pooled = Pool[pick(3)];
        f->platform.queueTask(pooled.factor, pooled.tens, pooled.units, pooled.factorFirst);
        for (int i = 0; i < 4 && open; ++i)
            f->platform.randoms[i] = openDraw();
        const Task next = drawn(f->platform.randoms);
        // A right answer that earns a game deals the cards from the next draws.
        const QList<double> deal = right && m.right % 10 == 9 ? dealt() : QList<double>();
        f->platform.randoms << deal;
        const int send = pick(3);
        m.onDelete = m.onDelete && send < 2;
        if (send == 0)
            press(Qt::Key_Return);
        else if (send == 1)
            press(Qt::Key_Enter, Qt::KeypadModifier);
        else
            click(f->form.get(), "Befehl11");
        f->platform.randoms.clear();
        if (m.typed != m.expected() && m.list.contains(m.task) && m.list.last() != m.task)
            ++reached[u"repeats"_s];
        if (m.typed == m.expected() && open) {
            ++reached[u"factor %1"_s.arg(next.factor)];
            ++reached[u"tens %1"_s.arg(next.tens)];
            ++reached[u"units %1"_s.arg(next.units)];
            ++reached[next.factorFirst ? u"factor first"_s : u"factor last"_s];
        }
        m.check(next, deal);
        if (m.game)
            ++reached[u"games"_s];
    }
    void right() { answer(true); }
    void wrong() { answer(false); }

    // Keys and clicks that edit the answer without sending it.
    void edit()
    {
        for (int n = 1 + pick(12); n > 0; --n) {
            const int what = pick(8);
            const QKeyCombination idle = Idle[pick(2)];
            if (what == 4)
                key(QLatin1Char(Signs[pick(4)]));
            else if (what == 5)
                erase();
            else if (what == 6)
                press(idle.key(), idle.keyboardModifiers());
            else if (what == 7)
                tell();
            else
                digit(anyDigit());
        }
    }
    void evaluate()
    {
        picture("Bild2");
        const int band = m.evaluate();
        if (band >= 0)
            ++reached[u"band %1"_s.arg(band)];
    }
    // Memo, the reward rule, the help and the keys.
    void look()
    {
        const int which = pick(4);
        const QString left = QString::number(10 - m.right % 10);
        Message message {u"Noch "_s + left + u" Aufgaben bis zur Spielrunde!"_s, 48,
                         u"Belohnung"_s};
        if (which < 3)
            message = Looks[which].second;
        picture(which < 3 ? Looks[which].first : "Bild4");
        m.say(message);
    }
    void check()
    {
        answerBox();
        picture("Bild6");
        m.exportList(yes, fails);
    }
    void name()
    {
        const QString given = Names[pick(5)];
        log << u"name \"%1\""_s.arg(given);
        f->platform.inputs << given;
        answerBox();
        picture("Bild9");
        m.rename(given, yes, fails);
    }
    void stay() { quit(false); }
    void end() { quit(true); }
    void quit(bool end)
    {
        yes = end;
        answerBox();
        if (pick(3) == 0) {
            log << u"the close button"_s;
            f->form->close();
        } else {
            picture("Bild1");
        }
        m.say(Quit);
        m.ended = end;
    }
    // The info window, centred at each showing in front of the main window, tells what its flag
    // shows. Closed by "O k a y", the flag, Enter, Space, Esc or its frame, it gives the focus back
    // to OK.
    void info()
    {
        picture("Bild5");
        QWidget *window = f->form->infoWindow();
        if (!window)
            return;
        (void)QTest::qWaitForWindowActive(window);
        const QString flag = control<QWidget>(window, "Bild1")->accessibleDescription();
        const QString okay = control<QWidget>(window, "Bezeichnung1")->accessibleName();
        scenes << windowsShown() + u' ' + placed(window) + u", the flag told as "_s + flag + u", "_s
                + okay;
        window->move(0, 0);
        const int how = pick(6);
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape};
        if (how < 2) {
            click(window, how == 0 ? "Bezeichnung1" : "Bild1");
        } else if (how < 5) {
            press(keys[how - 2], {}, window);
        } else {
            log << u"the info window's close button"_s;
            window->close();
        }
        (void)QTest::qWaitForWindowActive(f->form.get());
        m.onDelete = false;
        m.scenes << u"main info centred, the flag told as "_s + Flag + u", Okay"_s;
    }
    // Evaluations with the counters at each band's very limit and one error below it, and at 29
    // and 57 in 100, where the quotient times 100 falls just short of a whole number.
    void atLimits()
    {
        QList<std::pair<int, qint64>> counters = {{29, 100}, {57, 100}};
        for (const int limit : Limits) {
            const qint64 right = 20 * (1 + pick(20));
            counters << std::pair {int(limit * right / 100), right};
            counters << std::pair {int(limit * right / 100) - 1, right};
        }
        const std::pair before {m.errors, m.right};
        for (const auto &[errors, right] : counters) {
            setCounters(errors, right);
            picture("Bild2");
            m.evaluate();
        }
        ++reached[u"band limits"_s];
        setCounters(before.first, before.second);
    }
    // In the program and in the model; the captions stay.
    void setCounters(int errors, qint64 right)
    {
        log << u"the counters set to %1 errors, %2 right"_s.arg(errors).arg(right);
        f->form->state().ErrorCount = std::int16_t(errors);
        f->form->state().CorrectCount = right;
        m.errors = errors;
        m.right = right;
    }
    // The error counter stops at 32767, but still beeps and lists; right answers go past 16 bits.
    void huge()
    {
        setCounters(32766, 32767);
        answer(false);
        answer(true);
        answer(false);
        ++reached[u"counter limits"_s];
    }
    // The draws for 1 to 18 in a random order, some drawn twice in a row.
    QList<double> dealt()
    {
        QList<int> order(18);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        QList<double> draws;
        for (const int n : order) {
            if (pick(4) == 0 && !draws.isEmpty()) {
                draws << draws.last();
                ++reached[u"redrawn"_s];
            }
            draws << (n + 0.5) / 18;
        }
        return draws;
    }
    Form5 *memory() const { return f->form->memoryWindow(); }
    QByteArray card(int k) const { return "Bezeichnung" + QByteArray::number(k); }
    // In the game: a turn by clicks, a key, the right button, the frame's close button, or keys
    // for the hidden main window.
    void inGame()
    {
        const int what = pick(12);
        Game &g = m.cards;
        const int k = 1 + pick(18);
        answerBox();
        if (what < 6) {
            clickCard();
            clickCard();
        } else if (what < 9) {
            const Qt::Key key = GameKeys[pick(int(std::size(GameKeys)))];
            press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier, memory());
            m.gameKey(key, yes);
        } else if (what == 9) {
            log << u"right click "_s + QLatin1String(card(k));
            QTest::mouseClick(memory()->windowHandle(), Qt::RightButton, {},
                              control<QWidget>(memory(), card(k).constData())->geometry().center());
            // It gives the card the focus, as any click does, and turns nothing.
            g.focus = k;
        } else if (what == 10) {
            log << u"the game's close button"_s;
            memory()->close();
            m.stop(yes);
        } else {
            press(Qt::Key_5);
            press(Qt::Key_Space);
            press(Qt::Key_Return);
        }
        // Back in the main window, active again.
        if (!m.game)
            (void)QTest::qWaitForWindowActive(f->form.get());
    }
    // A card face down, often the partner of the one open; now and then any card, or STOP (0).
    void clickCard()
    {
        const Game &g = m.cards;
        QList<int> down;
        for (int k = 1; k <= 18 && m.game; ++k) {
            if (!g.faceUp(k))
                down << k;
        }
        if (down.isEmpty())
            return;
        int k = pick(8) == 0 ? pick(19) : down[pick(int(down.size()))];
        for (const int other : down) {
            if (g.first != 0 && g.second == 0 && other != g.first
                && g.numbers[other] == g.numbers[g.first] && pick(4) != 0)
                k = other;
        }
        if (k == 0) {
            click(memory(), "Befehl1");
            m.cards.focus = 0;
            m.stop(yes);
        } else {
            click(memory(), card(k).constData());
            m.open(k);
        }
    }

    QString step(Kind kind, quint32 seed);
    QString compare();
};

const KindSpec Kinds[] = {
    {.kind = Kind::Right, .name = "right answer", .weight = 5, .run = &Walk::right},
    // Wrong answers ever faster, so that the error rate grows from 0 to about 130 per cent, as
    // the square of the time, and stays in each band of the evaluation for dozens of steps.
    {.kind = Kind::Wrong, .name = "wrong answer", .rising = 20, .run = &Walk::wrong},
    {.kind = Kind::Evaluate, .name = "evaluation", .weight = 3, .run = &Walk::evaluate},
    {.kind = Kind::Edit, .name = "edit", .weight = 1.2, .run = &Walk::edit},
    {.kind = Kind::Look, .name = "look", .weight = 1, .run = &Walk::look},
    {.kind = Kind::Check, .name = "Check", .weight = 0.6, .run = &Walk::check},
    {.kind = Kind::Name, .name = "Name", .weight = 0.5, .run = &Walk::name},
    {.kind = Kind::Stay, .name = "quit, no", .weight = 0.3, .run = &Walk::stay},
    {.kind = Kind::Info, .name = "Info", .weight = 0.15, .run = &Walk::info},
    {.kind = Kind::Limits, .name = "at the limits", .weight = 0.2, .run = &Walk::atLimits},
    {.kind = Kind::Huge, .name = "huge counters", .weight = 3, .from = 0.9, .run = &Walk::huge},
    // One program lives to near the end, and then is ended.
    {.kind = Kind::End, .name = "quit", .weight = 0.5, .from = 0.96, .run = &Walk::end},
};

// One step: what the child or the teacher does, its details drawn from its own seed.
QString Walk::step(Kind kind, quint32 seed)
{
    rng.seed(seed);
    if (!f || m.ended)
        start();
    yes = pick(2) == 0;
    fails = pick(3) == 0 && (kind == Kind::Check || kind == Kind::Name);
    if (fails) {
        // A clipboard that fails keeps what another program put there.
        log << u"the clipboard fails"_s;
        f->platform.clipboardFails = true;
        f->platform.clipboard = u"etwas anderes"_s;
        m.clipboard = f->platform.clipboard;
    }
    const KindSpec &row = *std::ranges::find(Kinds, kind, &KindSpec::kind);
    log << QString::fromLatin1(row.name);
    (this->*row.run)();
    f->platform.clipboardFails = false;
    f->platform.answers.clear();
    f->platform.inputs.clear();
    QString failure = compare();
    // A game is played before the next step, to its end or to STOP answered Ja.
    while (failure.isEmpty() && m.game) {
        yes = pick(2) == 0;
        log << u"in the game"_s;
        inGame();
        f->platform.answers.clear();
        failure = compare();
    }
    // Errors made one by one, not those from the counters' limits.
    if (m.errors > 60 && m.errors < 32767)
        reached[u"over 60 errors"_s] = m.errors;
    reached[u"game won"_s] += std::exchange(m.won, 0);
    reached[u"STOP Nein"_s] += std::exchange(m.stops[0], 0);
    reached[u"STOP Ja"_s] += std::exchange(m.stops[1], 0);
    if (reached.value(u"games"_s) >= 3)
        reached[u"three games"_s] = 1;
    return failure;
}

// What was recorded since the last comparison, cleared for the next.
template<typename T> T taken(T &recorded)
{
    return std::exchange(recorded, T());
}

// Everything the child and the teacher can see or hear, against the model; names the first
// difference.
QString Walk::compare()
{
    ScriptedPlatform &p = f->platform;
    const auto colour = [](const QWidget *w) { return w->palette().window().color().name(); };
    const auto counter = [this](const char *name) {
        return f->caption(name) + u", told "_s + f->get(name)->accessibleName();
    };
    const QString background = m.errors > 50 ? u"#ff0000"_s : u"#80ffff"_s;
    const QWidget *digitKey = f->get<QWidget>("Befehl5");
    const auto stored = [this](const char *name) {
        return f->caption(name) + (f->get(name)->isHidden() ? QString() : u" in sight"_s);
    };
    // The window in front: the game, or the main window, which is centred on its screen by its
    // frame and has no focus the model knows after the end.
    const QWidget *front = m.game ? static_cast<QWidget *>(memory()) : f->form.get();
    const QWidget *focused = front->focusWidget();
    const QString focus = focused ? focused->objectName() : u"nothing"_s;
    const QString onOk = m.onDelete ? u"Befehl18"_s : u"Befehl11"_s;
    const QString onCard = m.cards.focus == 0 ? u"Befehl1"_s : QLatin1String(card(m.cards.focus));
    const QString wantedFocus = m.ended ? focus : m.game ? onCard : onOk;
    QString list;
    const QListWidget *items = f->get<QListWidget>("Liste1");
    for (int i = 0; i < items->count(); ++i) {
        const QString told = items->item(i)->data(Qt::AccessibleTextRole).toString();
        list += items->item(i)->text() + u" read as "_s + told + u'\n';
    }
    QString wantedList;
    for (const Task &task : m.list)
        wantedList += shown(task) + Gaps + u" read as "_s + said(task) + u'\n';
    // Each picture button's key, in its tooltip and told with it.
    QString keys;
    QString wantedKeys;
    for (const auto &[button, key] : PictureKeys) {
        const QWidget *widget = f->get<QWidget>(button.data());
        const QString keyName = QKeySequence(key).toString();
        keys += widget->toolTip() + u", told "_s + widget->accessibleDescription() + u'\n';
        wantedKeys
            += widget->accessibleName() + u" ("_s + keyName + u"), told Taste "_s + keyName + u'\n';
    }
    // Counted before the rows take what was recorded.
    const qsizetype clockSeeds = p.seeds.count(43200.0);
    const QString wantedWindows = m.ended ? u"ended"_s : m.game ? u"game"_s : u"main"_s;
    // The game's cards and turn, once there is a game window.
    QString board;
    QString wantedBoard;
    if (const Form5 *game = memory()) {
        const Game &g = m.cards;
        for (int k = 1; k <= 18; ++k) {
            const Label *label = control<Label>(game, card(k).constData());
            const QString found = colour(label) == u"#ffffff"_s ? u" found"_s : QString();
            board += label->caption() + found + u", told "_s + label->accessibleName() + u'\n';
            const QString number = QString::number(g.numbers[k]);
            const QString state = g.found[k] ? u"gefunden"_s : g.faceUp(k) ? number : u"verdeckt"_s;
            const QString text = g.faceUp(k) ? u"%1                %1"_s.arg(number) : QString();
            wantedBoard += text + (g.found[k] ? u" found"_s : QString())
                + u", told Karte %1, %2\n"_s.arg(k).arg(state);
        }
        board += u"turn "_s + control<Label>(game, "Bezeichnung21")->caption();
        wantedBoard += u"turn %1"_s.arg(g.turn);
    }
    struct Row
    {
        QString what;
        QString actual;
        QString expected;
    };
    const Row rows[] = {
        {u"answer"_s, f->caption("Bezeichnung2"), m.typed},
        {u"task"_s, f->caption("Bezeichnung1"), shown(m.task)},
        {u"parts of the answer, out of sight"_s,
         stored("Bezeichnung5") + u'+' + stored("Bezeichnung6"), m.expected().section(u'=', 0, 0)},
        {u"errors"_s, counter("Bezeichnung3"), u"%1, told %1 Fehler"_s.arg(m.errors)},
        {u"right answers"_s, counter("Bezeichnung4"), u"%1, told %1 richtig"_s.arg(m.right)},
        {u"error list"_s, list, wantedList},
        {u"colours"_s,
         colour(f->form.get()) + colour(f->get("Bezeichnung1")) + colour(f->get("Bezeichnung2"))
             + colour(digitKey),
         background.repeated(3) + QApplication::palette(digitKey).window().color().name()},
        {u"caption"_s, f->form->windowHandle()->title(), Prefix + m.name},
        {u"focus"_s, focus, wantedFocus},
        {u"beeps"_s, QString::number(taken(p.beeps)), QString::number(taken(m.beeps))},
        {u"boxes and windows in front"_s, taken(scenes).join(u'\n'), taken(m.scenes).join(u'\n')},
        {u"told"_s, taken(p.spoken).join(u'\n'), taken(m.spoken).join(u'\n')},
        {u"input boxes"_s, taken(p.prompts).join(u'\n'), taken(m.prompts).join(u'\n')},
        {u"clipboard"_s, p.clipboard, m.clipboard},
        {u"seeds from the clock"_s, u"%1 of %2"_s.arg(clockSeeds).arg(taken(p.seeds).size()),
         u"%1 of %1"_s.arg(taken(m.seeds))},
        {u"keys"_s, keys, wantedKeys},
        {u"windows"_s, windowsShown(), wantedWindows},
        {u"cards"_s, board, wantedBoard},
        {u"window in front"_s, m.ended ? u"centred"_s : placed(front), u"centred"_s},
    };
    for (const Row &row : rows) {
        if (row.actual != row.expected)
            return u"%1: \"%2\", the model says \"%3\""_s.arg(row.what, row.actual, row.expected);
    }
    return {};
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
        QList<quint32> seeds = {1, 2, 3};
        if (const int chosen = qEnvironmentVariableIntValue("VUVERE_WALK_SEED"); chosen > 0)
            seeds = {quint32(chosen)};
        for (const quint32 seed : seeds)
            QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
    }

    // Each step's kind drawn by its weight at that point of the run, and its details from a seed
    // of its own. The program and the model are compared after every step.
    void walk()
    {
        QFETCH(quint32, seed);
        const int chosen = qEnvironmentVariableIntValue("VUVERE_WALK_STEPS");
        const int count = chosen > 0 ? chosen : 600;
        std::mt19937 rng(seed);
        Walk w;
        for (int i = 0; i < count; ++i) {
            QList<double> weights;
            for (const KindSpec &row : Kinds)
                weights << row.weightAt(double(i) / count);
            std::discrete_distribution<int> kinds(weights.begin(), weights.end());
            const Kind kind = Kinds[kinds(rng)].kind;
            const QString failure = w.step(kind, quint32(rng()));
            if (!failure.isEmpty()) {
                const QString steps = w.log.mid(std::max(0, int(w.log.size()) - 60)).join(u'\n');
                QFAIL(qPrintable(u"%1\nat step %2, after:\n%3"_s.arg(failure).arg(i).arg(steps)));
            }
        }
        qInfo() << "seed" << seed << "reached" << w.reached;
        QStringList missing;
        for (const char *depth : Depths) {
            if (w.reached.value(QLatin1String(depth)) == 0)
                missing << QLatin1String(depth);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s) + u" not reached"_s));
    }
};

VUVERE_TEST_MAIN(TestWalk)
#include "tst_walk.moc"
