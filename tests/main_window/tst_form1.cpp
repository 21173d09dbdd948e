#include "test_support.h"

// What the walk leaves out: the state at the start, the counters' limits,
// the evaluation's bands from their very limits, and the names and keys a screen reader reads.
class TestForm1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }

    // The start, the keys under the warning, and the counters' limits.
    void counters()
    {
        Form1Fixture f;
        QCOMPARE(f.form->state().ExpectedAnswer + f.caption("Bezeichnung1") + f.caption("Bezeichnung5") + f.caption("Bezeichnung6"),
                 u"320+56=376 4 7 · 8 =32056"_s);
        QCOMPARE(f.platform.seeds, (QList<double>{43200.0, 43200.0}));
        // The warning leaves the keys as they were.
        f.play(QString(51, u'E'));
        for (const QPushButton *key : f.form->findChildren<QPushButton *>())
            QCOMPARE(key->palette().window().color(), QApplication::palette(key).window().color());
        // The error counter stops at its largest value; the answer is still beeped and listed.
        f.form->state().ErrorCount = 32766;
        f.play(u"ERE"_s);
        QCOMPARE(f.caption("Bezeichnung3") + u'/' + f.caption("Bezeichnung4") + QString::number(f.platform.beeps), u"32767/153"_s);
        QCOMPARE(f.entries(), (QStringList{u" 4 7 · 8 = _____ + ___ = _____"_s, u" 9 · 1 2 = _____ + ___ = _____"_s}));
        // Right answers have no 16-bit limit.
        f.form->state().CorrectCount = 32767;
        f.get("Bezeichnung4")->setCaption(u"32767"_s);
        f.play(u"R"_s);
        QCOMPARE(f.caption("Bezeichnung4"), u"32768"_s);
    }

    // The errors, the right answers and the text.
    void evaluation_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"5 0 Du hast noch keine richtige Lösung!", "0 1 Du hast 0% Fehler:\n\r\n\rDas ist einfach Spitze!",
                                "1 20 Du hast 5% Fehler:\n\r\n\rDas hast du prima gemacht!", "1 10 Du hast 10% Fehler:\n\r\n\rDas hast du gut gemacht!",
                                "29 100 Du hast 28% Fehler:\n\r\n\rDas klappt schon fast gut!", "3 10 Du hast 30% Fehler:\n\r\n\rSchon recht ordentlich!",
                                "2 5 Du hast 40% Fehler:\n\r\n\rDas geht gerade noch so!", "29 50 Du hast 57% Fehler:\n\r\n\rDu musst noch etwas üben!",
                                "2 3 Du hast 66% Fehler:\n\r\n\rDu musst viel mehr üben!", "60 10 Du hast 600% Fehler:\n\r\n\rDu machst zu viele Fehler!"})
            QTest::newRow(qPrintable(QString::fromUtf8(row).section(u' ', 0, 1))) << QString::fromUtf8(row);
    }

    // The percentage is the quotient times 100, cut, not rounded; each band starts at its limit.
    void evaluation()
    {
        QFETCH(QString, row);
        Form1Fixture f;
        f.form->state().ErrorCount = std::int16_t(row.section(u' ', 0, 0).toInt());
        f.form->state().CorrectCount = row.section(u' ', 1, 1).toInt();
        f.play(u"P2"_s);
        QCOMPARE(f.platform.messages, (QList<Message>{{row.section(u' ', 2), 64, u"Fehler"_s}}));
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
        f.play(u"RER"_s);
        QCOMPARE(f.get("Bezeichnung4")->accessibleName() + u'/' + f.get("Bezeichnung3")->accessibleName(), u"2 richtig/1 Fehler"_s);
        auto *list = f.get<QListWidget>("Liste1");
        QCOMPARE(list->item(0)->data(Qt::AccessibleTextRole).toString() + u'/' + list->item(0)->text(),
                 u"9 mal 12/ 9 · 1 2 = _____ + ___ = _____"_s);
        list->setFocus();
        f.play(u"F8"_s);
        QVERIFY(QTest::qWaitForWindowActive(f.form->infoWindow()));
        QCOMPARE(f.form->infoWindow()->findChild<QWidget *>(u"Bild1"_s)->accessibleDescription(),
                 u"QRW 1 x 1 groß. QRW, Version 1.0, 2026. E-Mail: info@qrw.example. www.qrw.example"_s);
        f.form->infoWindow()->Bild1_Click();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QCOMPARE(f.form->focusWidget(), f.get<QWidget>("Befehl11"));
    }
};

VUVERE_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
