#include "test_support.h"

#include <QRegularExpression>

// What a screen reader is told, step by step, and what it finds in the windows' names.
class TestSpeech : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void told_data()
    {
        // Steps of the fixture's script, each followed by what it tells: "keys>message;message".
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("task");
        QTest::newRow("the signs, then a right answer")
            << u"3|2|0>plus|5|6>gleich|3|7|6|E>Richtig! 1 richtig. Neue Aufgabe: 9 mal 12"_s << u"9 mal 12"_s;
        QTest::newRow("the answer so far")
            << u"F9>Aufgabe: 47 mal 8. Deine Antwort: noch leer|k3k2k0>plus|F9>Aufgabe: 47 mal 8. Deine Antwort: 320 plus"
               "|56>gleich|37b6|F9>Aufgabe: 47 mal 8. Deine Antwort: 320 plus 56 gleich 36"_s << u"47 mal 8"_s;
        QTest::newRow("buttons, a wrong answer, and the count")
            << u"D>plus;gleich|O|32d|P7|E|R>plus;gleich;Richtig! 1 richtig. Neue Aufgabe: 9 mal 12"_s << u"9 mal 12"_s;
    }

    // Each message belongs to the step that tells it; OK carries the task.
    void told()
    {
        QFETCH(QString, steps);
        QFETCH(QString, task);
        Form1Fixture f;
        QCOMPARE(f.get<QWidget>("Befehl11")->accessibleDescription(), u"Aufgabe: 47 mal 8"_s);
        for (const QString &step : steps.split(u'|')) {
            f.platform.spoken.clear();
            f.play(step.section(u'>', 0, 0));
            QStringList told = step.section(u'>', 1).split(u';', Qt::SkipEmptyParts);
            for (QString &message : told)
                message.prepend(u"Form1: "_s);
            QVERIFY2(f.platform.spoken == told, qPrintable(step + u" told "_s + f.platform.spoken.join(u';')));
        }
        QCOMPARE(f.get<QWidget>("Befehl11")->accessibleDescription(), u"Aufgabe: "_s + task);
    }

    // Each picture command's key is in its tooltip and told with it, and does what a click does.
    void keys()
    {
        QStringList keys;
        for (const QChar picture : u"123456789"_s) {
            Form1Fixture clicked, pressed;
            const QWidget *button = clicked.get<QWidget>(qPrintable(u"Bild"_s + picture));
            const QString key = button->accessibleDescription().section(u"Taste "_s, 1);
            QCOMPARE(button->toolTip(), button->accessibleName() + u" ("_s + key + u')');
            keys << key;
            // The window opened last is the active one: the key goes first.
            pressed.play(u"E"_s);
            QTest::keyClick(pressed.form->windowHandle(), QKeySequence(key)[0].key());
            clicked.play(u"EP"_s + picture);
            QCOMPARE(pressed.platform.messages, clicked.platform.messages);
            QCOMPARE(pressed.platform.prompts, clicked.platform.prompts);
            QCOMPARE(bool(pressed.form->infoWindow()), bool(clicked.form->infoWindow()));
            QCOMPARE(pressed.platform.messages.size() + pressed.platform.prompts.size() + bool(pressed.form->infoWindow()), 2);
        }
        // Ende has Esc, Hilfe F1, the rest a function key each: digits, signs, Enter and Backspace stay free.
        QCOMPARE(keys[0] + keys[6], u"EscF1"_s);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), 9);
        QCOMPARE(keys.filter(QRegularExpression(u"^F[2-9]$"_s)).size(), 7);
    }

    // The counters say what they count, the list is named and reads its tasks as said; back in
    // the window, the focus is on OK.
    void review()
    {
        Form1Fixture f;
        f.play(u"RER"_s);
        QCOMPARE(f.get("Bezeichnung4")->accessibleName() + u'/' + f.get("Bezeichnung3")->accessibleName(), u"2 richtig/1 Fehler"_s);
        auto *list = f.get<QListWidget>("Liste1");
        QCOMPARE(list->accessibleName(), u"Fehlerliste"_s);
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

    // A card turned says what it shows, and the second of a turn whether it makes a pair.
    void memory()
    {
        Form1Fixture f;
        f.play(QString(10, u'R'));
        QCOMPARE(f.platform.spoken.last(), u"Form1: Richtig! 10 richtig. Neue Aufgabe: 9 mal 12"_s);
        const auto &values = f.form->state().CardValues;
        const int first = 1, other = int(std::find(values.begin() + 2, values.end(), values[1]) - values.begin());
        const int stranger = other == 2 ? 3 : 2;
        f.platform.spoken.clear();
        for (const int k : {first, stranger, other, first})
            QTest::mouseClick(control<Label>(f.form->memoryWindow(), ("Bezeichnung" + QByteArray::number(k)).constData()), Qt::LeftButton);
        const QString card = u"Form5: Karte %1: %2"_s;
        QCOMPARE(f.platform.spoken, (QStringList{card.arg(first).arg(values[1]), card.arg(stranger).arg(values[stranger]) + u". Kein Paar."_s,
                                                 card.arg(other).arg(values[1]), card.arg(first).arg(values[1]) + u". Ein Paar!"_s}));
        // A focused label is read without its description: the name tells the card's state.
        QCOMPARE(control<Label>(f.form->memoryWindow(), "Bezeichnung1")->accessibleName(), u"Karte 1, gefunden"_s);
    }
};

VUVERE_TEST_MAIN(TestSpeech)
#include "tst_speech.moc"
