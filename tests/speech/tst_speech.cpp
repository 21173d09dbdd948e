#include "test_support.h"

#include <QRegularExpression>

// What a screen reader finds in the windows' names, the picture commands' keys, and the Memory
// game told; the walk checks what the main window tells.
class TestSpeech : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
