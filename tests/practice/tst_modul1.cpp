#include "practice/modul1.h"
#include "test_support.h"

#include <QRegularExpression>

class TestModul1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The lowest and highest draws, then every one of the 1296 tasks (8 factors, 81 two-digit
    // numbers, 2 orders) in its form, each drawn after seeding from the clock.
    void everyTaskCanCome()
    {
        ScriptedPlatform platform;
        platform.randoms << 0 << 0 << 0 << 0 << QList<double>(4, 0.9999999999);
        Modul1 state;
        const QRegularExpression format(u"^( [1-9] [1-9] · [2-9]| [2-9] · [1-9] [1-9]) =$"_s);
        QStringList tasks;
        QSet<QString> all;
        for (int i = 0; i < 20000; ++i) {
            state.TypedAnswer = u"1"_s;
            const TaskTexts texts = NewTask(state, platform);
            tasks << texts.task + state.ExpectedAnswer + state.TypedAnswer;
            QVERIFY2(format.match(texts.task).hasMatch(), qPrintable(texts.task));
            QCOMPARE(texts.tensPart + u'+' + texts.unitsPart + u'=' + QString::number(state.Product), state.ExpectedAnswer);
            QCOMPARE(state.Product, state.Factor * (10 * state.TensDigit + state.UnitsDigit));
            all.insert(texts.task);
        }
        QCOMPARE(tasks.mid(0, 2), (QStringList{u" 1 1 · 2 =20+2=22"_s, u" 9 · 9 9 =810+81=891"_s}));
        QCOMPARE(all.size(), 1296);
        QCOMPARE(platform.seeds, QList<double>(20000, 43200.0));
    }
};

VUVERE_TEST_MAIN(TestModul1)
#include "tst_modul1.moc"
