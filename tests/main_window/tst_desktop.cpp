#include "test_support.h"

#include "memory/form5.h"
#include "platform/qt_platform.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

// The main window with its real boxes: they keep clear of the task, the answer and the shown
// list, belong to the window, fit their titles, and speak German.
class TestDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boxes_data()
    {
        QTest::addColumn<QByteArray>("button");
        // Each box: its title, how many marked areas it kept clear of, its buttons; an input box
        // adds the context menu of its field. Boxes are answered with Enter, or with "Ja" after a *.
        QTest::addColumn<QStringList>("boxes");
        const QString copy = u"Fehlerliste kopieren 3 Ja Nein"_s, menu = u"Neuer Benutzer 2 Rückgängig Wiederherstellen Ausschneiden "
                                                                         "Kopieren Einfügen Löschen Alles auswählen"_s;
        QTest::newRow("wrong answer") << "Befehl11"_ba << QStringList{u"Rechenfehler 2 OK"_s};
        QTest::newRow("help") << "Bild7"_ba << QStringList{u"Zerlegungsaufgabe 2 OK"_s};
        QTest::newRow("quit, Nein by default") << "Bild1"_ba << QStringList{u"Vuvere Rovivudevu 2 Ja Nein"_s};
        QTest::newRow("evaluation") << "Bild2"_ba << QStringList{u"Fehler 2 OK"_s};
        QTest::newRow("export, empty list") << "Bild6"_ba << QStringList{u"Fehlerliste abbrechen 3 OK"_s};
        QTest::newRow("export, question and copy notice") << "*Bild6"_ba << QStringList{copy, u"Fehlerliste kopieren 2 OK"_s};
        QTest::newRow("copy question after the name") << "-Bild9"_ba << QStringList{menu, copy};
    }

    void boxes()
    {
        QFETCH(QByteArray, button);
        const bool listed = !std::isalpha(button[0]), yes = button[0] == '*';
        QtPlatform platform;
        Form1 form(platform);
        platform.showWindow(&form, false);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            int kept = 0;
            for (const char *name : {"Bezeichnung1", "Bezeichnung2", "Liste1"}) {
                const auto *area = control<QWidget>(&form, name);
                if (form.rect().intersects(area->geometry()))
                    kept += box->frameGeometry().intersects(QRect(area->mapToGlobal(QPoint(0, 0)), area->size())) ? -9 : 1;
            }
            QString shown = box->windowTitle() + u' ' + QString::number(kept) + (box->parentWidget() == &form ? u""_s : u" not owned"_s);
            const QFont titleFont(QApplication::font().family(), 10, QFont::Bold);
            shown += box->width() < QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 120 ? u" too narrow"_s : u""_s;
            if (auto *input = qobject_cast<QInputDialog *>(box)) {
                const std::unique_ptr<QMenu> menu(input->findChild<QLineEdit *>()->createStandardContextMenu());
                for (const QAction *action : menu->actions())
                    shown += action->isSeparator() ? QString() : u' ' + action->text().section(u'\t', 0, 0).remove(u'&');
                input->setTextValue(u"Anna"_s), input->accept();
            } else if (auto *message = qobject_cast<QMessageBox *>(box)) {
                QAbstractButton *ja = nullptr;
                for (QAbstractButton *answer : message->buttons()) {
                    shown += u' ' + answer->text() + (message->textFormat() == Qt::PlainText ? u""_s : u" as rich text"_s);
                    ja = answer->text() == u"Ja" && yes ? answer : ja;
                }
                ja ? ja->click() : QTest::keyClick(message, Qt::Key_Return);
            }
            seen << shown;
        });
        poll.start(10);
        // A watchdog: a box left open would hold the test for ever.
        QTimer::singleShot(5000, this, [] { QApplication::activeModalWidget() ? void(QApplication::activeModalWidget()->close()) : void(); });
        if (listed)
            form.Befehl11_Click(), button.remove(0, 1);
        seen.clear();
        control<QAbstractButton>(&form, button.constData())->click();
        QFETCH(QStringList, boxes);
        QCOMPARE(seen, boxes);
        QVERIFY(form.isVisible());
    }
};

VUVERE_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
