#include "test_support.h"

#include "info_window/qrwlabel.h"
#include "layout/picture_button.h"

// The info window: one instance, centred and filled at each showing, closed back to the main window.
class TestQrwlabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closing_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::newRow("O k a y") << "Bezeichnung1"_ba;
        QTest::newRow("flag") << "Bild1"_ba;
        QTest::newRow("frame") << QByteArray();
    }

    void closing()
    {
        QFETCH(QByteArray, how);
        Form1Fixture f({1000 * 15.0, 800 * 15.0});
        QTest::mouseClick(f.get<QWidget>("Bild5"), Qt::LeftButton);
        QRWLABEL *info = f.form->infoWindow();
        QVERIFY(QTest::qWaitForWindowActive(info));
        QCOMPARE(control<Label>(info, "Bezeichnung6")->caption() + control<Label>(info, "Bezeichnung7")->caption(),
                 u" \r\nQRW, Version 1.0, 2026\r\nE-Mail: info@qrw.example"_s);
        QCOMPARE(info->frameGeometry().center(), QPoint(499, 399));
        info->move(10, 10);
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QTest::mouseClick(f.get<QWidget>("Bild5"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(info));
        QCOMPARE(f.form->infoWindow(), info);
        QCOMPARE(info->frameGeometry().center(), QPoint(499, 399));
        how.isEmpty() ? void(info->close()) : QTest::mouseClick(control<QWidget>(info, how.constData()), Qt::LeftButton);
        QVERIFY(info->isHidden());
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QVERIFY(f.platform.messages.isEmpty());
    }
};

VUVERE_TEST_MAIN(TestQrwlabel)
#include "tst_qrwlabel.moc"
