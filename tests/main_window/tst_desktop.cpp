#include "form1_fixture.h"
#include "memory/form5.h"
#include "platform/qt_platform.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

// The program on a desktop: real boxes, palettes, screens and the hidden main window.
class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxesKeepClearAndBelongToTheirWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("listed"); // one wrong answer first
        QTest::addColumn<bool>("yes");
        // Each box: its title and how many marked areas it kept clear of; an input box adds
        // the context menu of its field.
        QTest::addColumn<QStringList>("boxes");
        const QString copy = u"Fehlerliste kopieren"_s;
        QTest::newRow("wrong answer") << u"Befehl11"_s << false << false << QStringList{u"Rechenfehler 2"_s};
        QTest::newRow("help") << u"Bild7"_s << false << false << QStringList{u"Zerlegungsaufgabe 2"_s};
        QTest::newRow("keys") << u"Bild8"_s << false << false << QStringList{u"Tasteneingabe 2"_s};
        QTest::newRow("quit") << u"Bild1"_s << false << false << QStringList{u"Vuvere Rovivudevu 2"_s};
        QTest::newRow("evaluation") << u"Bild2"_s << false << false << QStringList{u"Fehler 2"_s};
        QTest::newRow("export, empty list") << u"Bild6"_s << false << false << QStringList{u"Fehlerliste abbrechen 3"_s};
        QTest::newRow("export, question and copy notice") << u"Bild6"_s << true << true
                                                          << QStringList{copy + u" 3"_s, copy + u" 2"_s};
        QTest::newRow("copy question after the name")
            << u"Bild9"_s << true << false
            << QStringList{u"Neuer Benutzer 2 Rückgängig Wiederherstellen Ausschneiden Kopieren Einfügen Löschen "
                           u"Alles auswählen"_s,
                           copy + u" 3"_s};
    }

    void boxesKeepClearAndBelongToTheirWindow()
    {
        QFETCH(QString, button);
        QFETCH(bool, listed);
        QFETCH(bool, yes);
        QFETCH(QStringList, boxes);
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
            const QFont titleFont(QApplication::font().family(), 10, QFont::Bold);
            QString shown = box->windowTitle() + u' ' + QString::number(kept);
            if (box->parentWidget() != &form)
                shown += u" not owned"_s;
            if (box->width() < QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 120)
                shown += u" too narrow"_s;
            if (auto *input = qobject_cast<QInputDialog *>(box)) {
                const std::unique_ptr<QMenu> menu(input->findChild<QLineEdit *>()->createStandardContextMenu());
                for (const QAction *action : menu->actions())
                    shown += action->isSeparator() ? QString() : u' ' + action->text().section(u'\t', 0, 0).remove(u'&');
                input->setTextValue(u"Anna"_s);
                input->accept();
            } else if (auto *message = qobject_cast<QMessageBox *>(box)) {
                QAbstractButton *answer = message->escapeButton();
                for (QAbstractButton *candidate : message->buttons())
                    answer = yes && candidate->text() == u"Ja"_s ? candidate : answer;
                answer->click();
            }
            seen << shown;
        });
        poll.start(10);
        // A watchdog: a box left open would hold the test for ever.
        QTimer::singleShot(5000, this, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        if (listed)
            form.Befehl11_Click();
        seen.clear();
        control<QAbstractButton>(&form, button.toLatin1().constData())->click();
        QCOMPARE(seen, boxes);
    }

    void warningLeavesTheKeypad()
    {
        Form1Fixture f;
        f.open();
        for (int i = 0; i < 51; ++i)
            f.pressEnter();
        const QColor red(Qt::red);
        QCOMPARE(f.form->palette().color(QPalette::Window), red);
        for (const char *label : {"Bezeichnung1", "Bezeichnung2"})
            QCOMPARE(control<QWidget>(f.form.get(), label)->palette().color(QPalette::Window), red);
        for (const QPushButton *button : f.form->findChildren<QPushButton *>())
            QCOMPARE(button->palette().color(QPalette::Window), QApplication::palette(button).color(QPalette::Window));
    }

    void gameOnASecondScreenTakesNoKeys()
    {
        // A screen right of and below the primary one.
        Form1Fixture f;
        f.platform.screenOriginTwips = {1280 * 15.0, 300 * 15.0};
        f.platform.screenTwips = {800 * 15.0, 600 * 15.0};
        f.open();
        for (int i = 0; i < 10; ++i)
            f.answerRight();
        QVERIFY(!f.form->isVisible() && QTest::qWaitForWindowExposed(f.form->memoryWindow()));
        // Both windows are centred there by their outer frames.
        for (const QWidget *window : std::initializer_list<const QWidget *>{f.form.get(), f.form->memoryWindow()}) {
            const QRect frame = window->frameGeometry();
            QVERIFY(frame.size() != window->size());
            QVERIFY2((frame.center() - QPoint(1280 + 400, 300 + 300)).manhattanLength() <= 1, qPrintable(window->objectName()));
        }
        const QString cards(18, u'1');
        QCOMPARE(f.form->state().TypedAnswer, cards);
        const qsizetype messages = f.platform.messages.size();
        // Keys already queued for the main window when it was hidden.
        for (const int key : {Qt::Key_5, Qt::Key_Return, Qt::Key_Backspace})
            QCoreApplication::postEvent(f.form->windowHandle(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier,
                                                                              key == Qt::Key_5 ? u"5"_s : QString()));
        QCoreApplication::processEvents();
        QCOMPARE(f.form->state().TypedAnswer, cards);
        QCOMPARE(f.platform.messages.size(), messages);
        QCOMPARE(f.form->state().ErrorCount, 0);
    }
};

VUVERE_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
