#include "form1_fixture.h"

// The "OK" action: wrong answers are beeped, counted and listed once; right ones move on.
class TestAnswerCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wrongAnswer_data();
    void wrongAnswer();
    void eachTaskIsListedOnce();
    void listedAgainAfterTheListWasEmptied();
    void warningColourFromTheFiftyFirstError();
    void errorCountStopsAtItsLargestValue();
    void rightAnswer();
};

void TestAnswerCheck::wrongAnswer_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty answer") << QString();
    QTest::newRow("one digit short") << QStringLiteral("3205637");
    QTest::newRow("leading zero") << QStringLiteral("0320");
    QTest::newRow("sign in front") << QStringLiteral(">32056376");
}

void TestAnswerCheck::wrongAnswer()
{
    QFETCH(QString, typed);
    Form1Fixture f;
    f.open();
    f.type(typed);
    const QString shownTyped = f.caption("Bezeichnung2");
    QString shownWhileOpen;
    f.platform.onMessage = [&](const auto &) { shownWhileOpen = f.caption("Bezeichnung2"); };
    f.pressEnter();

    const QList<ScriptedPlatform::Message> expected{
        {QStringLiteral("Das ist leider falsch!\r"), 0, QStringLiteral("Rechenfehler")}};
    QCOMPARE(f.platform.messages, expected);
    QCOMPARE(f.platform.beeps, 1);
    QCOMPARE(shownWhileOpen, shownTyped);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("1"));
    QCOMPARE(f.caption("Bezeichnung4"), QStringLiteral("0"));
    QCOMPARE(f.entries(), QStringList{QStringLiteral(" 4 7 · 8 = _____ + ___ = _____")});
    QCOMPARE(f.entries().first().size(), 30);
    QCOMPARE(f.caption("Bezeichnung2"), QString());
    QVERIFY(f.form->state().TypedAnswer.isEmpty());
    // The task stays for another try.
    QCOMPARE(f.caption("Bezeichnung1"), QStringLiteral(" 4 7 · 8 ="));
    QCOMPARE(f.form->state().ExpectedAnswer, QStringLiteral("320+56=376"));
}

void TestAnswerCheck::eachTaskIsListedOnce()
{
    Form1Fixture f;
    f.open(8, 4, 7);
    for (int i = 0; i < 3; ++i)
        f.pressEnter();
    f.answerRight(9, 1, 2);
    f.pressEnter();
    f.answerRight(8, 4, 7);
    f.pressEnter();
    QCOMPARE(f.form->state().ErrorCount, 5);
    QCOMPARE(f.entries(), (QStringList{QStringLiteral(" 4 7 · 8 = _____ + ___ = _____"),
                                       QStringLiteral(" 1 2 · 9 = _____ + ___ = _____")}));
}

void TestAnswerCheck::listedAgainAfterTheListWasEmptied()
{
    Form1Fixture f;
    f.open();
    f.pressEnter();
    f.platform.answers << MsgResult::Yes;
    f.form->Bild6_Click();
    QVERIFY(f.entries().isEmpty());
    f.pressEnter();
    QCOMPARE(f.entries().size(), 1);
}

void TestAnswerCheck::warningColourFromTheFiftyFirstError()
{
    Form1Fixture f;
    f.open();
    auto colours = [&f] {
        return QList<QColor>{f.form->palette().color(QPalette::Window),
                             control<Label>(f.form.get(), "Bezeichnung1")->palette().color(QPalette::Window),
                             control<Label>(f.form.get(), "Bezeichnung2")->palette().color(QPalette::Window)};
    };
    const QList<QColor> start = colours();
    QCOMPARE(start.first(), QColor(128, 255, 255));
    for (int i = 0; i < 50; ++i)
        f.pressEnter();
    QCOMPARE(colours(), start);
    f.pressEnter();
    const QColor red(255, 0, 0);
    QCOMPARE(colours(), (QList<QColor>{red, red, red}));
    f.answerRight();
    QCOMPARE(colours(), (QList<QColor>{red, red, red}));
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("51"));
}

void TestAnswerCheck::errorCountStopsAtItsLargestValue()
{
    Form1Fixture f;
    f.open();
    f.form->state().ErrorCount = 32766;
    f.pressEnter();
    f.answerRight(9, 9, 9);
    f.pressEnter();
    QCOMPARE(f.form->state().ErrorCount, 32767);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("32767"));
    QCOMPARE(f.platform.beeps, 2);
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.entries().size(), 2);
}

void TestAnswerCheck::rightAnswer()
{
    Form1Fixture f;
    f.open();
    f.form->state().CorrectCount = 32767;
    control<Label>(f.form.get(), "Bezeichnung4")->setCaption(QStringLiteral("32767"));
    f.answerRight(5, 6, 3);
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.platform.beeps, 0);
    // No 16-bit limit on right answers.
    QCOMPARE(f.caption("Bezeichnung4"), QStringLiteral("32768"));
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("0"));
    QCOMPARE(f.caption("Bezeichnung1"), QStringLiteral(" 6 3 · 5 ="));
    QCOMPARE(f.caption("Bezeichnung2"), QString());
    QVERIFY(f.entries().isEmpty());
}

VUVERE_TEST_MAIN(TestAnswerCheck)
#include "tst_answer_check.moc"
