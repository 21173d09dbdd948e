#include "test_support.h"

namespace {
const QString E1 = u" 4 7 · 8 = _____ + ___ = _____"_s, E2 = u" 9 · 1 2 = _____ + ___ = _____"_s;
const QString Copy = u"Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n"_s + E1 + u"\r\n"_s + E2 + u"\r\n"_s;
// The main window's messages, a letter each.
const QMap<QChar, Message> Messages{
    {u'W', {u"Das ist leider falsch!\r"_s, 0, u"Rechenfehler"_s}},
    {u'Q', {u"Dieses Programm jetzt beenden?\r\r"_s, 276, u"Vuvere Rovivudevu"_s}},
    {u'N', {u"Es sind keine Fehler vorhanden!\r\r"_s, 0, u"Fehlerliste abbrechen"_s}},
    {u'C', {u"Die Fehlerliste kopieren?\r\r"_s, 292, u"Fehlerliste kopieren"_s}},
    {u'K', {u"Die Fehlerliste wurde kopiert und kann nun\rin die Textverarbeitung eingefügt werden.\r"_s, 0, u"Fehlerliste kopieren"_s}},
    {u'F', {u"Die Fehlerliste konnte nicht kopiert werden."_s, 48, u"Fehlerliste kopieren"_s}},
    {u'H', {u"Rechne so:\r\r73 · 6 = 420 + 18 = 438\r\r8 · 47 = 320 + 56 = 376\r\r"_s, 0, u"Zerlegungsaufgabe"_s}},
    {u'M', {u"Noch 7 Aufgaben bis zur Spielrunde!"_s, 48, u"Belohnung"_s}},
    {u'B', {u"Nach 10 Aufgaben gibt es eine Spielrunde!"_s, 64, u"Belohnung"_s}},
    {u'T', {u"Klicke mit der Maus auf die Knöpfe am unteren Bildschirmrand\roder gib die Ziffern direkt über die Tastatur ein. "
            "Zum Löschen\rnimmst du die Pfeil-Löschtaste und zur Eingabe die Entertaste.\r\r"_s, 0, u"Tasteneingabe"_s}},
};
}

// The main window driven as the child drives it: keys into its QWindow, clicks on its buttons.
class TestForm1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void play_data()
    {
        QTest::addColumn<QString>("script");
        // The answers, y or n | the name typed | ! for a clipboard that fails.
        QTest::addColumn<QString>("given");
        // The answer shown | wrong/right answers counted | entries listed | the messages | d: the
        // delete button keeps the focus, e: the program has ended.
        QTest::addColumn<QString>("outcome");
        QTest::newRow("keypad digits") << u"k3k2k0k5k6k3k7k6"_s << QString() << u"320+56=376|0/0|0"_s;
        QTest::newRow("deleted separator stays out") << u"320b5"_s << QString() << u"3205|0/0|0"_s;
        QTest::newRow("separator returns with its digit") << u"320bb0"_s << QString() << u"320+|0/0|0"_s;
        QTest::newRow("delete button removes one") << u"3205d"_s << QString() << u"320+|0/0|0||d"_s;
        QTest::newRow("backspace with Ctrl, and on empty") << u"32cbbb"_s << QString() << u"|0/0|0"_s;
        QTest::newRow("a sign replaces all") << u"3205>"_s << QString() << u">|0/0|0"_s;
        QTest::newRow("digits after a sign") << u"<12"_s << QString() << u"<12+|0/0|0"_s;
        QTest::newRow("equals sign") << u"7="_s << QString() << u"=|0/0|0"_s;
        QTest::newRow("twenty characters at most") << u"320563761111111111111111"_s << QString() << u"320+56=3761111111111|0/0|0"_s;
        QTest::newRow("other keys change nothing") << u"1a-*.,c2"_s << QString() << u"1|0/0|0"_s;
        QTest::newRow("digit buttons") << u"D"_s << QString() << u"123+45=67890|0/0|0"_s;
        QTest::newRow("a leading zero is wrong") << u"032056376E"_s << QString() << u"|1/0|1|W"_s;
        QTest::newRow("OK checks once") << u"32O"_s << QString() << u"|1/0|1|W"_s;
        QTest::newRow("Enter on the delete button checks once") << u"32dE"_s << QString() << u"|1/0|1|W|d"_s;
        QTest::newRow("each task listed once, in order") << u"ERERE"_s << QString() << u"|3/2|2|WWW"_s;
        QTest::newRow("Esc, then Nein, keeps the answer") << u"32X"_s << QString() << u"32|0/0|0|Q"_s;
        QTest::newRow("Ende, Ja") << u"3P1"_s << u"y"_s << u"3|0/0|0|Q|e"_s;
        QTest::newRow("help and keys") << u"3P7P8"_s << QString() << u"3|0/0|0|HT"_s;
        QTest::newRow("Memo and Belohnung") << u"RRRP4P3"_s << QString() << u"|0/3|0|MB"_s;
        QTest::newRow("Check, empty list") << u"P6"_s << QString() << u"|0/0|0|N"_s;
        QTest::newRow("Check, Nein") << u"EREP6"_s << u"n"_s << u"|2/1|2|WWC"_s;
        QTest::newRow("Check, Ja, then again") << u"EREP6P6"_s << u"y"_s << u"|2/1|0|WWCKN"_s;
        QTest::newRow("Name, cancelled") << u"E3P9"_s << QString() << u"3|1/0|1|W"_s;
        QTest::newRow("Name, Nein empties the list") << u"EREP9"_s << u"n|Anna"_s << u"|2/1|0|WWC"_s;
        QTest::newRow("Name, Ja copies") << u"EREP9"_s << u"y|Ben"_s << u"|2/1|0|WWCK"_s;
        QTest::newRow("Name, a failed copy keeps the list") << u"EREP9"_s << u"y|Ben|!"_s << u"|2/1|2|WWCF"_s;
        QTest::newRow("Name with the modified marker") << u"P9"_s << u"|[*]"_s << u"|0/0|0"_s;
    }

    // While the export asks, the list is shown and the new name is already in the title.
    void play()
    {
        QFETCH(QString, script);
        QFETCH(QString, given);
        QFETCH(QString, outcome);
        const QStringList in = (given + u"||"_s).split(u'|'), out = (outcome + u"||"_s).split(u'|');
        Form1Fixture f;
        for (const QChar answer : in[0])
            f.platform.answers << (answer == u'y' ? MsgResult::Yes : MsgResult::No);
        f.platform.inputs << in[1];
        f.platform.clipboardFails = in[2] == u"!";
        const QString title = u"Vuvere Rovivudevu: "_s + (in[1].isEmpty() ? u"Freund und Gast"_s : in[1]);
        QString export_;
        f.platform.onMessage = [&](const Message &m) {
            if (m.title.startsWith(u"Fehlerliste"_s))
                export_ += QString::number(f.get<QListWidget>("Liste1")->x()) + (f.form->windowHandle()->title() == title ? u" "_s : u"? "_s);
        };
        f.play(script);
        QCOMPARE(f.caption("Bezeichnung2"), out[0]);
        QCOMPARE(f.caption("Bezeichnung3") + u'/' + f.caption("Bezeichnung4"), out[1]);
        QCOMPARE(f.entries(), QStringList({E1, E2}).mid(0, out[2].toInt()));
        QList<Message> messages;
        for (const QChar letter : out[3])
            messages << Messages[letter];
        QCOMPARE(f.platform.messages, messages);
        QCOMPARE(f.platform.beeps, out[3].count(u'W'));
        QCOMPARE(f.platform.clipboard, out[3].contains(u'K') ? Copy : QString());
        QCOMPARE(export_.count(u'?') + f.get<QListWidget>("Liste1")->x(), 560);
        QCOMPARE(export_.count(u"240"_s), out[3].count(u'C') + out[3].count(u'N'));
        QCOMPARE(f.platform.prompts, QStringList(script.count(u"P9"_s), u"Name eingeben:|Neuer Benutzer"_s));
        QCOMPARE(f.form->windowHandle()->title(), title);
        QCOMPARE(f.form->state().TypedAnswer, f.platform.ended ? out[0] : f.caption("Bezeichnung2"));
        QCOMPARE(f.platform.ended, out[4] == u"e");
        QCOMPARE(f.form->focusWidget(), f.get<QWidget>(out[4] == u"d" ? "Befehl18" : "Befehl11"));
    }

    // The start, the warning colours after the 51st error, and the counters' limits.
    void counters()
    {
        Form1Fixture f;
        QCOMPARE(f.form->state().ExpectedAnswer + f.caption("Bezeichnung1") + f.caption("Bezeichnung5") + f.caption("Bezeichnung6"),
                 u"320+56=376 4 7 · 8 =32056"_s);
        QCOMPARE(f.platform.seeds, (QList<double>{43200.0, 43200.0}));
        const auto colours = [&f] {
            return QStringList{f.form->palette().window().color().name(), f.get("Bezeichnung1")->palette().window().color().name(),
                               f.get("Bezeichnung2")->palette().window().color().name()};
        };
        f.play(QString(50, u'E'));
        QCOMPARE(colours(), QStringList(3, u"#80ffff"_s));
        f.play(u"ERE"_s);
        QCOMPARE(colours(), QStringList(3, u"#ff0000"_s));
        for (const QPushButton *key : f.form->findChildren<QPushButton *>())
            QCOMPARE(key->palette().window().color(), QApplication::palette(key).window().color());
        // The error counter stops at its largest value; the answer is still beeped and listed.
        f.form->state().ErrorCount = 32766;
        f.play(u"ERE"_s);
        QCOMPARE(f.caption("Bezeichnung3") + u'/' + f.caption("Bezeichnung4") + QString::number(f.platform.beeps), u"32767/254"_s);
        QCOMPARE(f.entries(), (QStringList{E1, E2}));
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
};

VUVERE_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
