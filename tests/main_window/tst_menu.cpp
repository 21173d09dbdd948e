#include "form1_fixture.h"
#include "info_window/qrwlabel.h"

#include <QPushButton>

using Message = ScriptedPlatform::Message;

namespace {
const QString Entry1 = QStringLiteral(" 4 7 · 8 = _____ + ___ = _____");
const QString Entry2 = QStringLiteral(" 1 2 · 9 = _____ + ___ = _____");
const QString Heading = QStringLiteral("Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n");
const Message CopyQuestion{QStringLiteral("Die Fehlerliste kopieren?\r\r"), 292, QStringLiteral("Fehlerliste kopieren")};
const Message Copied{QStringLiteral("Die Fehlerliste wurde kopiert und kann nun\rin die Textverarbeitung eingefügt werden.\r"),
                     0, QStringLiteral("Fehlerliste kopieren")};
const Message CopyFailed{QStringLiteral("Die Fehlerliste konnte nicht kopiert werden."), 48,
                         QStringLiteral("Fehlerliste kopieren")};
const Message NoErrors{QStringLiteral("Es sind keine Fehler vorhanden!\r\r"), 0, QStringLiteral("Fehlerliste abbrechen")};
const Message QuitQuestion{QStringLiteral("Dieses Programm jetzt beenden?\r\r"), 276, QStringLiteral("Vuvere Rovivudevu")};
}

// The picture-button commands of the main window, and Enter and Esc.
class TestMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void evaluation_data();
    void evaluation();
    void exportList_data();
    void exportList();
    void failedCopyKeepsTheList();
    void newUser_data();
    void newUser();
    void quit_data();
    void quit();
    void helpTexts();
    void enterChecksOncePerPress_data();
    void enterChecksOncePerPress();
    void escapeThenNoKeepsTheAnswer();

private:
    // Opens the window and lists the given number of tasks (0 to 2) as wrong.
    void openWithErrors(int count);
    std::unique_ptr<Form1Fixture> f;
};

void TestMenu::init()
{
    f = std::make_unique<Form1Fixture>();
}

void TestMenu::openWithErrors(int count)
{
    f->open(8, 4, 7);
    if (count > 0)
        f->pressEnter();
    if (count > 1) {
        f->answerRight(9, 1, 2);
        f->pressEnter();
    }
    f->platform.messages.clear();
}

void TestMenu::evaluation_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("text");
    const QString none = QStringLiteral("Du hast noch keine richtige Lösung!");
    auto verdict = [](const char *percent, const char *words) {
        return QStringLiteral("Du hast %1% Fehler:\n\r\n\r%2").arg(QLatin1String(percent), QString::fromUtf8(words));
    };
    QTest::newRow("nothing answered") << 0 << 0 << none;
    QTest::newRow("only wrong answers") << 5 << 0 << none;
    QTest::newRow("no errors") << 0 << 1 << verdict("0", "Das ist einfach Spitze!");
    QTest::newRow("5 % belongs to the upper band") << 1 << 20 << verdict("5", "Das hast du prima gemacht!");
    QTest::newRow("10 %") << 1 << 10 << verdict("10", "Das hast du gut gemacht!");
    QTest::newRow("25 %") << 1 << 4 << verdict("25", "Das klappt schon fast gut!");
    QTest::newRow("70 %") << 7 << 10 << verdict("70", "Du machst zu viele Fehler!");
    QTest::newRow("66.7 % is cut, not rounded") << 2 << 3 << verdict("66", "Du musst viel mehr üben!");
    QTest::newRow("29 of 50 gives 57.99...") << 29 << 50 << verdict("57", "Du musst noch etwas üben!");
    QTest::newRow("29 of 100 gives 28.99...") << 29 << 100 << verdict("28", "Das klappt schon fast gut!");
    QTest::newRow("more wrong than right") << 60 << 10 << verdict("600", "Du machst zu viele Fehler!");
    QTest::newRow("40 %") << 2 << 5 << verdict("40", "Das geht gerade noch so!");
    QTest::newRow("30 %") << 3 << 10 << verdict("30", "Schon recht ordentlich!");
}

void TestMenu::evaluation()
{
    QFETCH(int, errors);
    QFETCH(int, right);
    QFETCH(QString, text);
    f->open();
    f->form->state().ErrorCount = static_cast<std::int16_t>(errors);
    f->form->state().CorrectCount = right;
    f->form->Bild2_Click();
    f->form->Bild2_Click();
    const Message expected{text, 64, QStringLiteral("Fehler")};
    QCOMPARE(f->platform.messages, (QList<Message>{expected, expected}));
    QCOMPARE(f->form->state().ErrorCount, errors);
}

void TestMenu::exportList_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<Message>>("messages");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("left");
    QTest::newRow("empty list") << 0 << 1 << QList<Message>{NoErrors} << QString() << 0;
    QTest::newRow("no keeps the list") << 2 << int(MsgResult::No) << QList<Message>{CopyQuestion} << QString() << 2;
    QTest::newRow("one entry") << 1 << int(MsgResult::Yes) << QList<Message>{CopyQuestion, Copied}
                               << Heading + Entry1 + QStringLiteral("\r\n") << 0;
    QTest::newRow("two entries in order") << 2 << int(MsgResult::Yes) << QList<Message>{CopyQuestion, Copied}
                                          << Heading + Entry1 + QStringLiteral("\r\n") + Entry2 + QStringLiteral("\r\n")
                                          << 0;
}

void TestMenu::exportList()
{
    QFETCH(int, errors);
    QFETCH(int, answer);
    openWithErrors(errors);
    f->platform.answers << answer;
    int leftWhileOpen = 0;
    f->platform.onMessage = [this, &leftWhileOpen](const Message &) {
        if (!leftWhileOpen)
            leftWhileOpen = f->errorList()->x();
    };
    f->form->Bild6_Click();
    QTEST(f->platform.messages, "messages");
    QTEST(f->platform.clipboard, "clipboard");
    QTEST(int(f->entries().size()), "left");
    QCOMPARE(leftWhileOpen, 3600 / 15);
    QCOMPARE(f->errorList()->x(), 8400 / 15);
}

void TestMenu::failedCopyKeepsTheList()
{
    openWithErrors(2);
    f->platform.clipboardFails = true;
    f->platform.answers << MsgResult::Yes;
    f->form->Bild6_Click();
    QCOMPARE(f->platform.messages, (QList<Message>{CopyQuestion, CopyFailed}));
    QCOMPARE(f->entries(), (QStringList{Entry1, Entry2}));
    QCOMPARE(f->errorList()->x(), 8400 / 15);
    // A new user keeps it too, rather than losing it.
    f->platform.inputs << QStringLiteral("Anna");
    f->platform.answers << MsgResult::Yes;
    f->form->Bild9_Click();
    QCOMPARE(f->entries().size(), 2);
}

void TestMenu::newUser_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("left");
    const QString guest = QStringLiteral("Vuvere Rovivudevu: Freund und Gast");
    QTest::newRow("cancel") << QString() << 2 << QList<int>{} << guest << 2;
    QTest::newRow("empty list") << QStringLiteral("Anna") << 0 << QList<int>{}
                                << QStringLiteral("Vuvere Rovivudevu: Anna") << 0;
    QTest::newRow("no still empties the list") << QStringLiteral("Anna") << 2 << QList<int>{MsgResult::No}
                                               << QStringLiteral("Vuvere Rovivudevu: Anna") << 0;
    QTest::newRow("yes copies") << QStringLiteral("Ben") << 1 << QList<int>{MsgResult::Yes}
                                << QStringLiteral("Vuvere Rovivudevu: Ben") << 0;
    QTest::newRow("blanks only") << QStringLiteral("   ") << 0 << QList<int>{} << QStringLiteral("Vuvere Rovivudevu:    ")
                                 << 0;
    QTest::newRow("modified marker") << QStringLiteral("[*]") << 0 << QList<int>{}
                                     << QStringLiteral("Vuvere Rovivudevu: [*]") << 0;
    QTest::newRow("10,000 characters") << QString(10000, u'ß') << 0 << QList<int>{}
                                       << QStringLiteral("Vuvere Rovivudevu: ") + QString(10000, u'ß') << 0;
}

void TestMenu::newUser()
{
    QFETCH(QString, name);
    QFETCH(int, errors);
    QFETCH(QList<int>, answers);
    QFETCH(QString, title);
    openWithErrors(errors);
    f->type(QStringLiteral("3"));
    const QStringList kept{f->caption("Bezeichnung1"), f->caption("Bezeichnung3"), f->caption("Bezeichnung4")};
    f->platform.inputs << name;
    f->platform.answers.append(answers);
    QString titleAtQuestion;
    f->platform.onMessage = [this, &titleAtQuestion](const Message &) {
        titleAtQuestion = f->form->windowHandle()->title();
    };
    f->form->Bild9_Click();
    QCOMPARE(f->platform.inputPrompts.first(), qMakePair(QStringLiteral("Name eingeben:"), QStringLiteral("Neuer Benutzer")));
    QCOMPARE(f->form->windowHandle()->title(), title);
    QTEST(int(f->entries().size()), "left");
    QCOMPARE(f->platform.messages.size(), answers.isEmpty() ? 0 : answers.size() + (answers.first() == MsgResult::Yes));
    if (!answers.isEmpty())
        QCOMPARE(titleAtQuestion, title);
    // The task, the counters and the typed answer carry over.
    QCOMPARE((QStringList{f->caption("Bezeichnung1"), f->caption("Bezeichnung3"), f->caption("Bezeichnung4")}), kept);
    QCOMPARE(f->caption("Bezeichnung2"), QStringLiteral("3"));
}

void TestMenu::quit_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("viaFrame");
    QTest::newRow("Ende, no") << int(MsgResult::No) << false;
    QTest::newRow("Ende, yes") << int(MsgResult::Yes) << false;
    QTest::newRow("frame, no") << int(MsgResult::No) << true;
    QTest::newRow("frame, yes") << int(MsgResult::Yes) << true;
}

void TestMenu::quit()
{
    QFETCH(int, answer);
    QFETCH(bool, viaFrame);
    openWithErrors(1);
    f->form->Bild5_Click();
    f->platform.answers << answer;
    viaFrame ? void(f->form->close()) : f->form->Bild1_Click();
    QCOMPARE(f->platform.messages, QList<Message>{QuitQuestion});
    const bool yes = answer == MsgResult::Yes;
    QCOMPARE(f->platform.ended, yes);
    QCOMPARE(f->form->isVisible(), !yes);
    QCOMPARE(f->form->infoWindow()->isVisible(), !yes);
    QCOMPARE(f->entries().size(), 1);
}

void TestMenu::helpTexts()
{
    f->open();
    f->form->Bild7_Click();
    f->form->Bild8_Click();
    f->form->Bild3_Click();
    const QList<Message> expected{
        {QStringLiteral("Rechne so:\r\r73 · 6 = 420 + 18 = 438\r\r8 · 47 = 320 + 56 = 376\r\r"), 0,
         QStringLiteral("Zerlegungsaufgabe")},
        {QStringLiteral("Klicke mit der Maus auf die Knöpfe am unteren Bildschirmrand\roder gib die Ziffern direkt über "
                        "die Tastatur ein. Zum Löschen\rnimmst du die Pfeil-Löschtaste und zur Eingabe die Entertaste.\r\r"),
         0, QStringLiteral("Tasteneingabe")},
        {QStringLiteral("Nach 10 Aufgaben gibt es eine Spielrunde!"), 64, QStringLiteral("Belohnung")},
    };
    QCOMPARE(f->platform.messages, expected);
    QCOMPARE(expected.first().text.count(QChar(0xB7)), 2);
}

void TestMenu::enterChecksOncePerPress_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("OK, Return") << QStringLiteral("Befehl11") << Qt::Key_Return;
    QTest::newRow("OK, keypad Enter") << QStringLiteral("Befehl11") << Qt::Key_Enter;
    QTest::newRow("delete button") << QStringLiteral("Befehl18") << Qt::Key_Return;
    QTest::newRow("nothing") << QString() << Qt::Key_Return;
}

void TestMenu::enterChecksOncePerPress()
{
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    f->open();
    f->type(QStringLiteral("32"));
    if (focus.isEmpty())
        QApplication::focusWidget()->clearFocus();
    else if (focus == QLatin1String("Befehl18"))
        QTest::mouseClick(f->form->findChild<QPushButton *>(focus), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);
    QTest::keyClick(f->form->windowHandle(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->form->state().ErrorCount, 1);
}

void TestMenu::escapeThenNoKeepsTheAnswer()
{
    f->open();
    f->type(QStringLiteral("32"));
    QTest::keyClick(f->form->windowHandle(), Qt::Key_Escape);
    QCOMPARE(f->platform.messages, QList<Message>{QuitQuestion});
    QVERIFY(!f->platform.ended);
    QCOMPARE(f->caption("Bezeichnung2"), QStringLiteral("32"));
    QCOMPARE(f->caption("Bezeichnung1"), QStringLiteral(" 4 7 · 8 ="));
}

VUVERE_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
