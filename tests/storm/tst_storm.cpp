#include "test_support.h"

#include <QRegularExpression>

// A broken invariant is reported by the event's index and its condition.
#define EXPECT(condition) if (!(condition)) return {i, QStringLiteral(#condition)}

namespace {
// Drives programs by seeded clicks, keys, answers, names and closes, a new one after each end,
// and checks them after each event; gives the first event that broke an invariant, or -1, and
// describes each event of the run in events.
std::pair<qsizetype, QString> runStorm(const QList<quint32> &seeds, QStringList &events)
{
    std::optional<Form1Fixture> f;
    QStringList list;
    events.clear();
    QString name;
    static const QRegularExpression answer(u"^[<>+=]?[0-9+=]{0,19}$"_s);
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        if (!f || f->platform.ended)
            f.emplace(), name = u"Freund und Gast"_s, list.clear();
        std::mt19937 rng(seeds[i]);
        const auto pick = [&rng](qsizetype n) { return int(rng() % quint32(n)); };
        ScriptedPlatform &p = f->platform;
        p.fallback.seed(seeds[i]), p.answers.clear(), p.inputs.clear();
        p.answers << (pick(8) ? 7 : 6) << (pick(2) ? 6 : 7) << 7;
        const QString typed = pick(2) ? QString() : QString::number(seeds[i], 36);
        p.inputs << typed, p.clipboardFails = pick(4) == 0;
        QList<QWidget *> windows{f->form.get(), f->form->memoryWindow(), f->form->infoWindow()};
        windows.removeIf([](QWidget *w) { return !w || w->isHidden(); });
        QWidget *w = windows[pick(windows.size())];
        const QList<QWidget *> controls = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        const int kind = pick(10);
        events << u"%1 in %2 (seed %3)"_s.arg(kind).arg(w->objectName()).arg(seeds[i]);
        kind < 4   ? QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, controls[pick(controls.size())]->geometry().center())
        : kind < 8 ? QTest::keyClick(w->windowHandle(), "0123456789+<>=a\b\r\x1b\t"[pick(19)])
        : kind < 9 && f->form->isVisible() ? f->play(u"R"_s)
                                           : void(w->close());
        // A new user may start with an empty list.
        if (p.inputs.isEmpty() && !typed.isEmpty())
            name = typed, list.clear();
        const Modul1 &s = f->form->state();
        const bool game = f->form->memoryWindow() && f->form->memoryWindow()->isVisible();
        const QStringList now = f->entries();
        EXPECT(f->form->isVisible() != game || (p.ended && !game));
        EXPECT(game ? s.TypedAnswer.size() == 18 : answer.match(s.TypedAnswer).hasMatch() && f->caption("Bezeichnung2") == s.TypedAnswer);
        EXPECT(f->caption("Bezeichnung3").toLongLong() == s.ErrorCount && f->caption("Bezeichnung4").toLongLong() == s.CorrectCount);
        EXPECT((f->form->palette().window().color() == Qt::red) == (s.ErrorCount > 50));
        // Entries leave the list only onto the clipboard.
        EXPECT(now.mid(0, list.size()) == list || p.clipboard == u"Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n"_s + list.join(u"\r\n"_s) + u"\r\n"_s);
        EXPECT(QSet<QString>(now.begin(), now.end()).size() == now.size() && f->form->windowTitle() == u"Vuvere Rovivudevu: "_s + name);
        list = now;
    }
    return {-1, {}};
}
}

class TestStorm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storm()
    {
        const int count = qEnvironmentVariableIntValue("VUVERE_STORM_EVENTS");
        for (const quint32 seed : {1u, 2u, 3u}) {
            QList<quint32> seeds(count ? count : 12000);
            std::generate(seeds.begin(), seeds.end(), std::mt19937(seed));
            QStringList events;
            const auto [at, failure] = runStorm(seeds, events);
            // Delta debugging: drops ever smaller runs of events as long as the same failure stays.
            seeds.resize(at + 1);
            for (qsizetype chunk = seeds.size() / 2; chunk >= 1; chunk /= 2) {
                for (qsizetype i = 0; i < seeds.size();) {
                    QList<quint32> trial = seeds;
                    trial.remove(i, qMin(chunk, trial.size() - i));
                    const auto [end, again] = runStorm(trial, events);
                    again == failure ? void(seeds = trial.mid(0, end + 1)) : void(i += chunk);
                }
            }
            runStorm(seeds, events);
            QVERIFY2(at < 0, qPrintable(u"%1 broke at event %2; these events do it too:\n%3"_s.arg(failure).arg(at).arg(events.join(u'\n'))));
        }
    }
};

VUVERE_TEST_MAIN(TestStorm)
#include "tst_storm.moc"
