#include "test_support.h"

#include "info_window/qrwlabel.h"

// The info window: one instance, centred and filled at each showing, closed back to the main window
// by "O k a y", the flag and the frame alike.
class TestQrwlabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showingAndClosing()
    {
        Form1Fixture f({0, 0, 1000 * 15.0, 800 * 15.0});
        f.play(u"P5"_s);
        QRWLABEL *const info = f.form->infoWindow();
        for (const char *closer : {"Bezeichnung1", "Bild1", ""}) {
            f.play(u"P5"_s);
            QVERIFY(QTest::qWaitForWindowActive(info) && f.form->infoWindow() == info);
            QCOMPARE(control<Label>(info, "Bezeichnung6")->caption() + control<Label>(info, "Bezeichnung7")->caption(),
                     u" \r\nQRW, Version 1.0, 2026\r\nE-Mail: info@qrw.example"_s);
            QCOMPARE(info->frameGeometry().center(), QPoint(499, 399));
            info->move(10, 10);
            *closer ? QTest::mouseClick(control<QWidget>(info, closer), Qt::LeftButton) : void(info->close());
            QVERIFY(info->isHidden() && QTest::qWaitForWindowActive(f.form.get()));
        }
        QVERIFY(f.platform.messages.isEmpty());
    }
};

VUVERE_TEST_MAIN(TestQrwlabel)
#include "tst_qrwlabel.moc"
