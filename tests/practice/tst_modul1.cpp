#include "practice/modul1.h"
#include "test_support.h"

#include <QRegularExpression>

class TestModul1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawsTask_data();
    void drawsTask();
    void bothOrdersExpectTheSameAnswer();
    void rangesHoldOverManyDraws();
    void seedsFromTheClockBeforeEveryTask();
};

void TestModul1::drawsTask_data()
{
    QTest::addColumn<QList<double>>("randoms");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("tens");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("expected");
    const double high = 0.9999999999;
    QTest::newRow("all zeros: 11 x 2") << QList<double>{0, 0, 0, 0} << QStringLiteral(" 1 1 · 2 =")
                                       << QStringLiteral("20") << QStringLiteral("2") << QStringLiteral("20+2=22");
    QTest::newRow("all just below 1: 9 x 99") << QList<double>{high, high, high, high} << QStringLiteral(" 9 · 9 9 =")
                                              << QStringLiteral("810") << QStringLiteral("81")
                                              << QStringLiteral("810+81=891");
    QTest::newRow("47 x 8, two digits first") << QList<double>{6.5 / 8, 6.5 / 9, 3.5 / 9, 0.2}
                                              << QStringLiteral(" 4 7 · 8 =") << QStringLiteral("320")
                                              << QStringLiteral("56") << QStringLiteral("320+56=376");
    QTest::newRow("8 x 47, one digit first") << QList<double>{6.5 / 8, 6.5 / 9, 3.5 / 9, 0.7}
                                             << QStringLiteral(" 8 · 4 7 =") << QStringLiteral("320")
                                             << QStringLiteral("56") << QStringLiteral("320+56=376");
}

void TestModul1::drawsTask()
{
    QFETCH(QList<double>, randoms);
    QFETCH(QString, task);
    QFETCH(QString, tens);
    QFETCH(QString, units);
    QFETCH(QString, expected);
    ScriptedPlatform platform;
    platform.randoms.append(randoms);
    Modul1 state;
    state.TypedAnswer = QStringLiteral("123");
    const TaskTexts texts = NewTask(state, platform);
    QCOMPARE(texts.task, task);
    QCOMPARE(texts.tensPart, tens);
    QCOMPARE(texts.unitsPart, units);
    QCOMPARE(state.ExpectedAnswer, expected);
    QCOMPARE(state.Product, state.Factor * (10 * state.TensDigit + state.UnitsDigit));
    QVERIFY(state.TypedAnswer.isEmpty());
}

void TestModul1::bothOrdersExpectTheSameAnswer()
{
    ScriptedPlatform platform;
    Modul1 first;
    Modul1 second;
    queueTask(platform, 7, 3, 6, false);
    const QString twoDigitsFirst = NewTask(first, platform).task;
    queueTask(platform, 7, 3, 6, true);
    const QString factorFirst = NewTask(second, platform).task;
    QCOMPARE(twoDigitsFirst, QStringLiteral(" 3 6 · 7 ="));
    QCOMPARE(factorFirst, QStringLiteral(" 7 · 3 6 ="));
    QCOMPARE(first.ExpectedAnswer, QStringLiteral("210+42=252"));
    QCOMPARE(second.ExpectedAnswer, first.ExpectedAnswer);
}

void TestModul1::rangesHoldOverManyDraws()
{
    ScriptedPlatform platform;
    platform.reseed(2024);
    Modul1 state;
    const QRegularExpression taskFormat(QStringLiteral("^( [1-9] [1-9] · [2-9]| [2-9] · [1-9] [1-9]) =$"));
    QSet<QString> tasks;
    for (int i = 0; i < 20000; ++i) {
        const TaskTexts texts = NewTask(state, platform);
        QVERIFY(state.Factor >= 2 && state.Factor <= 9);
        QVERIFY(state.TensDigit >= 1 && state.TensDigit <= 9);
        QVERIFY(state.UnitsDigit >= 1 && state.UnitsDigit <= 9);
        QVERIFY2(taskFormat.match(texts.task).hasMatch(), qPrintable(texts.task));
        QCOMPARE(state.ExpectedAnswer, texts.tensPart + u'+' + texts.unitsPart + u'=' + QString::number(state.Product));
        tasks.insert(texts.task);
    }
    // 8 factors, 81 two-digit numbers, 2 orders.
    QCOMPARE(tasks.size(), 1296);
}

void TestModul1::seedsFromTheClockBeforeEveryTask()
{
    ScriptedPlatform platform;
    Modul1 state;
    NewTask(state, platform);
    NewTask(state, platform);
    QCOMPARE(platform.seeds, (QList<double>{platform.timer, platform.timer}));
}

VUVERE_TEST_MAIN(TestModul1)
#include "tst_modul1.moc"
