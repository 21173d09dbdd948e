#include "platform/qt_platform.h"
#include "test_support.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

class TestPlatform : public QObject
{
    Q_OBJECT
    // Runs action on the next modal dialog, with a watchdog so that a failed check cannot hang.
    static void onModal(const std::function<void(QWidget *)> &action)
    {
        QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
        QTimer::singleShot(5000, [] { QApplication::activeModalWidget() ? void(QApplication::activeModalWidget()->close()) : void(); });
    }

private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << u"20"_s << 20.0;
        QTest::newRow("blanks, then text") << u"  17abc"_s << 17.0;
        QTest::newRow("decimal") << u"2.5x"_s << 2.5;
        QTest::newRow("signed") << u"-3"_s << -3.0;
        QTest::newRow("exponent") << u"1e3"_s << 1000.0;
        QTest::newRow("no number") << u"Runde"_s << 0.0;
        QTest::newRow("sign alone") << u"-"_s << 0.0;
        QTest::newRow("overflow") << u"1e999"_s << 0.0;
    }

    // Reading the leading number back, and the padded and plain number texts.
    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Platform::rtcR8ValFromBstr(text), value);
        const qint64 whole = Platform::rtcInt(value - 0.5);
        QCOMPARE(whole, qint64(std::floor(value - 0.5)));
        QCOMPARE(Platform::rtcStrFromVar(whole), (whole >= 0 ? u" "_s : QString()) + QString::number(whole));
        QCOMPARE(Platform::plainNumberText(whole), QString::number(whole));
    }

    void colourNumbersAndLineBreaks()
    {
        QStringList colours;
        for (int n = 0; n <= 16; ++n)
            colours << (Platform::rtcQBColor(n).isValid() ? Platform::rtcQBColor(n).name() : QString());
        QCOMPARE(colours.join(u' '), u"#000000 #000080 #008000 #008080 #800000 #800080 #808000 #c0c0c0 #808080 #0000ff #00ff00 "
                                     "#00ffff #ff0000 #ff00ff #ffff00 #ffffff "_s);
        QCOMPARE(displayText(u"A\rB\n\rC\r\nD"_s), u"A\nB\nC\nD"_s);
    }

    void randomNumbers()
    {
        QtPlatform platform;
        double low = 1, high = 0;
        for (int i = 0; i < 100000; ++i) {
            const double r = platform.rtcRandomNext();
            QVERIFY(r >= 0.0 && r < 1.0);
            low = std::min(low, r), high = std::max(high, r);
        }
        QVERIFY(low < 0.001 && high > 0.999);
        // The same clock twice still gives new numbers.
        platform.rtcRandomize(1000.5);
        const double first = platform.rtcRandomNext();
        platform.rtcRandomize(1000.5);
        QVERIFY(platform.rtcRandomNext() != first);
    }

    void messageBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<int>("onEnter");
        QTest::addColumn<int>("onEscape");
        QTest::newRow("OK") << 0 << u"OK"_s << 1 << 1;
        QTest::newRow("Ja and Nein") << 20 << u"Ja Nein"_s << 6 << 7;
        QTest::newRow("Nein is the default") << 292 << u"Ja Nein"_s << 7 << 7;
    }

    // Real boxes: German buttons, plain text with its line breaks, the button numbers.
    void messageBox()
    {
        QFETCH(int, style);
        QtPlatform platform;
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            QStringList seen;
            onModal([&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                for (QAbstractButton *button : box->buttons())
                    seen << button->text();
                seen.sort();
                seen << box->text() << QString::number(box->textFormat());
                QTest::keyClick(box, key);
            });
            const int result = platform.rtcMsgBox(u"<b>Frage</b>\r\r"_s, style, u"Titel"_s);
            QFETCH(QString, buttons);
            const QStringList expected = buttons.split(u' ') + QStringList{u"<b>Frage</b>\n\n"_s, QString::number(Qt::PlainText)};
            QCOMPARE(seen, expected);
            QFETCH(int, onEnter);
            QFETCH(int, onEscape);
            QCOMPARE(result, key == Qt::Key_Return ? onEnter : onEscape);
        }
    }

    void inputBox()
    {
        QtPlatform platform;
        for (const bool accept : {false, true}) {
            onModal([accept](QWidget *modal) {
                auto *dialog = qobject_cast<QInputDialog *>(modal);
                dialog->findChild<QLineEdit *>()->setText(u" Anna "_s);
                accept ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(platform.rtcInputBox(u"Name eingeben:"_s, u"Neuer Benutzer"_s), accept ? u" Anna "_s : QString());
        }
    }
};

VUVERE_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
