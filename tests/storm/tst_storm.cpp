#include "test_support.h"

#include "info_window/qrwlabel.h"
#include "memory/form5.h"

#include <QRegularExpression>

using Seeds = QList<quint32>;
// A broken invariant is reported by its condition.
#define EXPECT(condition) if (!(condition)) return QStringLiteral(#condition)

namespace {
// Programs driven by seeded clicks, keys, answers, names and closes; the invariants are checked after each.
struct Storm
{
    std::optional<Form1Fixture> f;
    std::mt19937 rng;
    QStringList list, events;
    QString name, failure;
    qint64 errors = 0, right = 0;
    bool renamed = false;

    int pick(int n) { return int(rng() % quint32(n)); }
    void start() { f.emplace(), name = u"Freund und Gast"_s, list.clear(), errors = right = 0; }
    QList<QWidget *> shown() const
    {
        QList<QWidget *> windows{f->form.get(), f->form->memoryWindow(), f->form->infoWindow()};
        return windows.removeIf([](QWidget *w) { return !w || w->isHidden(); }), windows;
    }

    QString step(quint32 seed)
    {
        rng.seed(seed), f->platform.fallback.seed(seed);
        ScriptedPlatform &p = f->platform;
        p.answers.clear(), p.inputs.clear();
        for (int i = 0; i < 3; ++i)
            p.answers << (pick(8) ? QList<int>{1, 6, 7}[pick(3)] : 7), p.inputs << (pick(2) ? QString() : QString::number(seed, 36));
        p.clipboardFails = pick(4) == 0;
        const QStringList names = p.inputs;
        const QList<QWidget *> windows = shown();
        QWidget *w = windows[pick(int(windows.size()))];
        const int kind = pick(10);
        if (kind < 4) {
            const QList<QWidget *> controls = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            const QPoint at = controls[pick(int(controls.size()))]->geometry().center();
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
        } else if (kind < 8) {
            QTest::keyClick(w->windowHandle(), "0123456789+<>=a\b\r\x1b\t"[pick(19)]);
        } else if (kind < 9 && f->form->isVisible()) {
            f->play(u"R"_s);
        } else {
            w->close();
        }
        renamed = false;
        for (qsizetype i = 0; i < 3 - p.inputs.size(); ++i)
            renamed = renamed || !names[i].isEmpty(), name = names[i].isEmpty() ? name : names[i];
        return u"%1 #%2 in %3"_s.arg(kind).arg(seed).arg(w->objectName());
    }

    QString check()
    {
        if (f->platform.ended)
            return start(), QString();
        const Modul1 &s = f->form->state();
        const bool game = f->form->memoryWindow() && f->form->memoryWindow()->isVisible();
        EXPECT(f->form->isVisible() != game);
        EXPECT(s.ExpectedAnswer == u"%1+%2=%3"_s.arg(10 * s.Factor * s.TensDigit).arg(s.Factor * s.UnitsDigit).arg(s.Product));
        EXPECT(f->caption("Bezeichnung1").remove(u' ') == u"%1%2·%3="_s.arg(s.TensDigit).arg(s.UnitsDigit).arg(s.Factor)
               || f->caption("Bezeichnung1").remove(u' ') == u"%1·%2%3="_s.arg(s.Factor).arg(s.TensDigit).arg(s.UnitsDigit));
        static const QRegularExpression typed(u"^[<>+=]?[0-9+=]{0,19}$"_s);
        EXPECT(game ? s.TypedAnswer.size() == 18 : typed.match(s.TypedAnswer).hasMatch() && f->caption("Bezeichnung2") == s.TypedAnswer);
        EXPECT(f->caption("Bezeichnung3") == QString::number(s.ErrorCount) && s.ErrorCount >= errors);
        EXPECT(f->caption("Bezeichnung4") == QString::number(s.CorrectCount) && s.CorrectCount >= right);
        EXPECT((f->form->palette().window().color() == Qt::red) == (s.ErrorCount > 50));
        const QStringList now = f->entries();
        // Entries leave the list only onto the clipboard, or for a new user.
        const QString copy = u"Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n"_s + list.join(u"\r\n"_s) + u"\r\n"_s;
        EXPECT(now.mid(0, list.size()) == list || f->platform.clipboard == copy || renamed);
        EXPECT(QSet<QString>(now.begin(), now.end()).size() == now.size() && f->form->windowTitle() == u"Vuvere Rovivudevu: "_s + name);
        list = now, errors = s.ErrorCount, right = s.CorrectCount;
        return {};
    }

    // Runs the events from a fresh program; returns the index of the first that broke an invariant, or -1.
    qsizetype run(const Seeds &seeds, bool record = false)
    {
        start();
        for (qsizetype i = 0; i < seeds.size(); ++i) {
            const QString event = step(seeds[i]);
            events << (record ? event : QString());
            if (failure = check(); !failure.isEmpty())
                return i;
        }
        return -1;
    }
};
}

class TestStorm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storm_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void storm()
    {
        QFETCH(quint32, seed);
        const QByteArray count = qgetenv("VUVERE_STORM_EVENTS");
        Seeds seeds(count.isEmpty() ? 20000 : count.toInt());
        std::generate(seeds.begin(), seeds.end(), std::mt19937(seed));
        Storm storm;
        const qsizetype at = storm.run(seeds);
        if (at < 0)
            return;
        // Delta debugging: drops ever smaller runs of events as long as the same failure stays.
        Seeds shortest = seeds.mid(0, at + 1);
        for (qsizetype chunk = shortest.size() / 2; chunk >= 1; chunk /= 2) {
            for (qsizetype i = 0; i < shortest.size();) {
                Seeds trial = shortest;
                trial.remove(i, qMin(chunk, trial.size() - i));
                Storm again;
                const qsizetype end = again.run(trial);
                again.failure == storm.failure ? void(shortest = trial.mid(0, end + 1)) : void(i += chunk);
            }
        }
        Storm replay;
        replay.run(shortest, true);
        QFAIL(qPrintable(u"%1 broke at event %2; these events do it too:\n%3"_s.arg(storm.failure).arg(at).arg(replay.events.join(u'\n'))));
    }
};

VUVERE_TEST_MAIN(TestStorm)
#include "tst_storm.moc"
