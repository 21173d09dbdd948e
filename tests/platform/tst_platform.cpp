#include "layout/label.h"
#include "platform/qt_platform.h"
#include "test_support.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numberTexts_data();
    void numberTexts();
    void leadingNumber_data();
    void leadingNumber();
    void wholePartRoundsDown();
    void colourNumbers();
    void lineBreaksAreNormalisedForDisplayOnly();
    void randomNumbersStayInRange();
    void reseedingWithTheSameClockGivesNewNumbers();
    void messageBoxButtons_data();
    void messageBoxButtons();
    void inputBoxCancelGivesEmptyText();

private:
    // Runs action on the next modal dialog, with a watchdog so a failed check cannot hang.
    static void onModal(const std::function<void(QWidget *)> &action);
};

void TestPlatform::numberTexts_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("padded");
    QTest::addColumn<QString>("plain");
    QTest::newRow("zero") << qint64(0) << QStringLiteral(" 0") << QStringLiteral("0");
    QTest::newRow("digit") << qint64(4) << QStringLiteral(" 4") << QStringLiteral("4");
    QTest::newRow("large") << qint64(3276700) << QStringLiteral(" 3276700") << QStringLiteral("3276700");
    QTest::newRow("negative") << qint64(-4) << QStringLiteral("-4") << QStringLiteral("-4");
}

void TestPlatform::numberTexts()
{
    QFETCH(qint64, number);
    QTEST(Platform::rtcStrFromVar(number), "padded");
    QTEST(Platform::plainNumberText(number), "plain");
}

void TestPlatform::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << QStringLiteral("20") << 20.0;
    QTest::newRow("leading blanks") << QStringLiteral("  17") << 17.0;
    QTest::newRow("trailing text") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("decimal") << QStringLiteral("2.5x") << 2.5;
    QTest::newRow("signed") << QStringLiteral("-3") << -3.0;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("no number") << QStringLiteral("Runde") << 0.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("overflow") << QStringLiteral("1e999") << 0.0;
}

void TestPlatform::leadingNumber()
{
    QFETCH(QString, text);
    QTEST(Platform::rtcR8ValFromBstr(text), "value");
}

void TestPlatform::wholePartRoundsDown()
{
    QCOMPARE(Platform::rtcInt(7.999), qint64(7));
    QCOMPARE(Platform::rtcInt(-0.5), qint64(-1));
}

void TestPlatform::colourNumbers()
{
    QCOMPARE(Platform::rtcQBColor(0), QColor(0, 0, 0));
    QCOMPARE(Platform::rtcQBColor(1), QColor(0, 0, 128));
    QCOMPARE(Platform::rtcQBColor(7), QColor(192, 192, 192));
    QCOMPARE(Platform::rtcQBColor(12), QColor(255, 0, 0));
    QCOMPARE(Platform::rtcQBColor(15), QColor(255, 255, 255));
    QVERIFY(!Platform::rtcQBColor(16).isValid());
}

void TestPlatform::lineBreaksAreNormalisedForDisplayOnly()
{
    QCOMPARE(displayText(QStringLiteral("A\rB\n\rC\r\nD")), QStringLiteral("A\nB\nC\nD"));
    Label label;
    label.setCaption(QStringLiteral("A\r\nB"));
    QCOMPARE(label.caption(), QStringLiteral("A\r\nB"));
    QCOMPARE(label.text(), QStringLiteral("A\nB"));
}

void TestPlatform::randomNumbersStayInRange()
{
    QtPlatform platform;
    double low = 1;
    double high = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = platform.rtcRandomNext();
        QVERIFY(r >= 0.0 && r < 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    QVERIFY(low < 0.001);
    QVERIFY(high > 0.999);
}

void TestPlatform::reseedingWithTheSameClockGivesNewNumbers()
{
    QtPlatform platform;
    QList<double> first;
    QList<double> second;
    platform.rtcRandomize(1000.5);
    for (int i = 0; i < 4; ++i)
        first << platform.rtcRandomNext();
    platform.rtcRandomize(1000.5);
    for (int i = 0; i < 4; ++i)
        second << platform.rtcRandomNext();
    QVERIFY(first != second);
}

void TestPlatform::onModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action] {
        if (QWidget *modal = QApplication::activeModalWidget())
            action(modal);
    });
    QTimer::singleShot(5000, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
}

void TestPlatform::messageBoxButtons_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("onEnter");
    QTest::addColumn<int>("onEscape");
    QTest::newRow("OK") << 0 << QStringList{QStringLiteral("OK")} << 1 << 1;
    QTest::newRow("yes and no") << 20 << QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")} << 6 << 7;
    QTest::newRow("no is the default") << 292 << QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")} << 7 << 7;
}

void TestPlatform::messageBoxButtons()
{
    QFETCH(int, style);
    QFETCH(QStringList, buttons);
    QFETCH(int, onEnter);
    QFETCH(int, onEscape);
    QtPlatform platform;
    for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
        QStringList captions;
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        onModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                captions << button->text();
            shownText = box->text();
            format = box->textFormat();
            QTest::keyClick(box, key);
        });
        const int result = platform.rtcMsgBox(nullptr, QStringLiteral("<b>Frage</b>\r\r"), style, QStringLiteral("Titel"));
        captions.sort();
        QStringList expected = buttons;
        expected.sort();
        QCOMPARE(captions, expected);
        QCOMPARE(shownText, QStringLiteral("<b>Frage</b>\n\n"));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(result, key == Qt::Key_Return ? onEnter : onEscape);
    }
}

void TestPlatform::inputBoxCancelGivesEmptyText()
{
    QtPlatform platform;
    onModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("Anna"));
        dialog->reject();
    });
    QCOMPARE(platform.rtcInputBox(nullptr, QStringLiteral("Name eingeben:"), QStringLiteral("Neuer Benutzer")), QString());
    onModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral(" Anna "));
        dialog->accept();
    });
    QCOMPARE(platform.rtcInputBox(nullptr, QStringLiteral("Name eingeben:"), QStringLiteral("Neuer Benutzer")),
             QStringLiteral(" Anna "));
}

VUVERE_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
