#include "test_support.h"

// What the walk leaves out: the state at the start, the counters' limits, and the names and
// keys a screen reader reads.
class TestForm1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }

    // The start and the counters' limits.
    void counters()
    {
        Form1Fixture f;
        QCOMPARE(f.form->state().ExpectedAnswer + f.caption("Bezeichnung1")
                     + f.caption("Bezeichnung5") + f.caption("Bezeichnung6"),
                 u"320+56=376 4 7 · 8 =32056"_s);
        QCOMPARE(f.platform.seeds, (QList<double> {43200.0, 43200.0}));
        // The error counter stops at its largest value; the answer is still beeped and listed.
        f.form->state().ErrorCount = 32766;
        f.press(Qt::Key_Return);
        f.answerRight();
        f.press(Qt::Key_Return);
        QCOMPARE(f.caption("Bezeichnung3") + u'/' + f.caption("Bezeichnung4")
                     + QString::number(f.platform.beeps),
                 u"32767/12"_s);
        QCOMPARE(f.entries(),
                 (QStringList {u" 4 7 · 8 = _____ + ___ = _____"_s,
                               u" 9 · 1 2 = _____ + ___ = _____"_s}));
        // Right answers have no 16-bit limit.
        f.form->state().CorrectCount = 32767;
        f.get("Bezeichnung4")->setCaption(u"32767"_s);
        f.answerRight();
        QCOMPARE(f.caption("Bezeichnung4"), u"32768"_s);
    }

    // Each picture command's key, the one the walk presses, is in its tooltip and told with it.
    void keys()
    {
        Form1Fixture f;
        QStringList keys;
        for (const QChar picture : u"123456789"_s) {
            const QWidget *button = f.get<QWidget>(qPrintable(u"Bild"_s + picture));
            keys << button->accessibleDescription().section(u"Taste "_s, 1);
            QCOMPARE(button->toolTip(), button->accessibleName() + u" ("_s + keys.last() + u')');
        }
        // Digits, signs, Enter and Backspace stay free for the answer.
        QCOMPARE(keys.join(u' '), u"Esc F3 F2 F6 F8 F4 F1 F7 F5"_s);
    }

    // The counters say what they count, the list reads its tasks as said; back in
    // the window, the focus is on OK.
    void review()
    {
        Form1Fixture f;
        f.answerRight();
        f.press(Qt::Key_Return);
        f.answerRight();
        QCOMPARE(f.get("Bezeichnung4")->accessibleName() + u'/'
                     + f.get("Bezeichnung3")->accessibleName(),
                 u"2 richtig/1 Fehler"_s);
        auto *list = f.get<QListWidget>("Liste1");
        QCOMPARE(list->item(0)->data(Qt::AccessibleTextRole).toString() + u'/'
                     + list->item(0)->text(),
                 u"9 mal 12/ 9 · 1 2 = _____ + ___ = _____"_s);
        list->setFocus();
        f.press(Qt::Key_F8);
        QVERIFY(QTest::qWaitForWindowActive(f.form->infoWindow()));
        QCOMPARE(
            f.form->infoWindow()->findChild<QWidget *>(u"Bild1"_s)->accessibleDescription(),
            u"QRW 1 x 1 groß. QRW, Version 1.0, 2026. E-Mail: info@qrw.example. www.qrw.example"_s);
        f.form->infoWindow()->Bild1_Click();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QCOMPARE(f.form->focusWidget(), f.get<QWidget>("Befehl11"));
    }
};

VUVERE_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
