#include "form1_fixture.h"
#include "info_window/qrwlabel.h"
#include "layout/picture_button.h"

// The info window: one instance, centred at each activation, closed back to the main window.
class TestQrwlabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closing_data();
    void closing();
    void oneWindowCentredAtEachShowing();
};

void TestQrwlabel::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("O k a y") << QStringLiteral("okay");
    QTest::newRow("flag") << QStringLiteral("flag");
    QTest::newRow("frame") << QStringLiteral("frame");
}

void TestQrwlabel::closing()
{
    QFETCH(QString, how);
    Form1Fixture f;
    f.open();
    f.form->Bild5_Click();
    QRWLABEL *info = f.form->infoWindow();
    QVERIFY(QTest::qWaitForWindowActive(info));
    QCOMPARE(control<Label>(info, "Bezeichnung6")->caption(), QStringLiteral(" \r\n"));
    QCOMPARE(control<Label>(info, "Bezeichnung7")->caption(), QRWLABEL::authorText());
    QVERIFY(QRWLABEL::authorText().contains(QStringLiteral("\r\n")));
    if (how == QLatin1String("okay"))
        QTest::mouseClick(control<Label>(info, "Bezeichnung1"), Qt::LeftButton);
    else if (how == QLatin1String("flag"))
        QTest::mouseClick(control<PictureButton>(info, "Bild1"), Qt::LeftButton);
    else
        info->close();
    QVERIFY(!info->isVisible());
    QVERIFY(f.form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QVERIFY(f.platform.messages.isEmpty());
}

void TestQrwlabel::oneWindowCentredAtEachShowing()
{
    Form1Fixture f;
    f.platform.screenTwips = {1000 * 15.0, 800 * 15.0};
    f.open();
    f.form->Bild5_Click();
    QRWLABEL *info = f.form->infoWindow();
    QVERIFY(QTest::qWaitForWindowActive(info));
    QCOMPARE(info->size(), QSize(234, 234));
    const QPoint centre = info->frameGeometry().center();
    QVERIFY((centre - QPoint(500, 400)).manhattanLength() <= 2);
    info->move(10, 10);
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.form->Bild5_Click();
    QVERIFY(QTest::qWaitForWindowActive(info));
    QCOMPARE(f.form->infoWindow(), info);
    QCOMPARE(info->frameGeometry().center(), centre);
    int infoWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        infoWindows += window->windowTitle() == QLatin1String("Programm-Info");
    QCOMPARE(infoWindows, 1);
}

VUVERE_TEST_MAIN(TestQrwlabel)
#include "tst_qrwlabel.moc"
