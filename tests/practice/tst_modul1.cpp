#include "practice/modul1.h"
#include "test_support.h"

#include <QRegularExpression>

class TestModul1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawsTask_data()
    {
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("expected");
        const double high = 0.9999999999;
        QTest::newRow("all zeros: 11 x 2") << QList<double>{0, 0, 0, 0} << u" 1 1 · 2 ="_s << u"20+2=22"_s;
        QTest::newRow("all just below 1: 9 x 99") << QList<double>(4, high) << u" 9 · 9 9 ="_s << u"810+81=891"_s;
        QTest::newRow("47 x 8, two digits first") << QList<double>{6.5 / 8, 6.5 / 9, 3.5 / 9, 0.2} << u" 4 7 · 8 ="_s << u"320+56=376"_s;
        QTest::newRow("8 x 47, one digit first") << QList<double>{6.5 / 8, 6.5 / 9, 3.5 / 9, 0.7} << u" 8 · 4 7 ="_s << u"320+56=376"_s;
    }

    void drawsTask()
    {
        QFETCH(QList<double>, randoms);
        QFETCH(QString, expected);
        ScriptedPlatform platform;
        platform.randoms.append(randoms);
        Modul1 state;
        state.TypedAnswer = u"123"_s;
        const TaskTexts texts = NewTask(state, platform);
        QTEST(texts.task, "task");
        QCOMPARE(texts.tensPart + u'+' + texts.unitsPart + u'=' + QString::number(state.Product), expected);
        QCOMPARE(state.ExpectedAnswer + state.TypedAnswer, expected);
        QCOMPARE(platform.seeds, QList<double>{43200.0});
    }

    void everyTaskCanCome()
    {
        ScriptedPlatform platform;
        Modul1 state;
        const QRegularExpression format(u"^( [1-9] [1-9] · [2-9]| [2-9] · [1-9] [1-9]) =$"_s);
        QSet<QString> tasks;
        for (int i = 0; i < 20000; ++i) {
            const QString task = NewTask(state, platform).task;
            QVERIFY2(format.match(task).hasMatch(), qPrintable(task));
            QCOMPARE(state.Product, state.Factor * (10 * state.TensDigit + state.UnitsDigit));
            tasks.insert(task);
        }
        // 8 factors, 81 two-digit numbers, 2 orders.
        QCOMPARE(tasks.size(), 1296);
    }
};

VUVERE_TEST_MAIN(TestModul1)
#include "tst_modul1.moc"
