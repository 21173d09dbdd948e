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

namespace {

// What was seen of one real box while it was open.
struct SeenBox
{
    QString title;
    const QWidget *owner;
    int keptClear; // the marked areas shown in the window, -1 when the box covered one
    bool wideEnough;
};

int titleRoom(const QString &title)
{
    QFont font = QApplication::font();
    font.setPointSizeF(10);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 120;
}

}

// The program on a desktop: real boxes, palettes, screens and the hidden main window.
class TestDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void boxesKeepClearAndBelongToTheirWindow_data();
    void boxesKeepClearAndBelongToTheirWindow();
    void nameFieldMenuIsGerman();
    void warningLeavesTheKeypad();
    void gameOnASecondScreenTakesNoKeys();

private:
    // Calls answer for every modal box while it is open; the watchdog ends a box left open.
    void onEveryBox(const std::function<void(QWidget *)> &answer);
    QTimer m_poll;
    QTimer m_watchdog;
};

void TestDesktop::initTestCase()
{
    connect(&m_watchdog, &QTimer::timeout, this, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    m_watchdog.start(5000);
}

void TestDesktop::onEveryBox(const std::function<void(QWidget *)> &answer)
{
    m_poll.disconnect();
    connect(&m_poll, &QTimer::timeout, this, [answer] {
        if (QWidget *box = QApplication::activeModalWidget())
            answer(box);
    });
    m_poll.start(10);
}

void TestDesktop::boxesKeepClearAndBelongToTheirWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("listed"); // one wrong answer first
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("areas");
    QTest::newRow("wrong answer") << u"Befehl11"_s << false << false << QStringList{u"Rechenfehler"_s} << QList{2};
    QTest::newRow("help") << u"Bild7"_s << false << false << QStringList{u"Zerlegungsaufgabe"_s} << QList{2};
    QTest::newRow("keys") << u"Bild8"_s << false << false << QStringList{u"Tasteneingabe"_s} << QList{2};
    QTest::newRow("quit") << u"Bild1"_s << false << false << QStringList{u"Vuvere Rovivudevu"_s} << QList{2};
    QTest::newRow("evaluation") << u"Bild2"_s << false << false << QStringList{u"Fehler"_s} << QList{2};
    QTest::newRow("export, empty list") << u"Bild6"_s << false << false << QStringList{u"Fehlerliste abbrechen"_s}
                                        << QList{3};
    QTest::newRow("export, question and copy notice")
        << u"Bild6"_s << true << true << QStringList{u"Fehlerliste kopieren"_s, u"Fehlerliste kopieren"_s} << QList{3, 2};
    QTest::newRow("copy question after the name")
        << u"Bild9"_s << true << false << QStringList{u"Neuer Benutzer"_s, u"Fehlerliste kopieren"_s} << QList{2, 3};
}

void TestDesktop::boxesKeepClearAndBelongToTheirWindow()
{
    QFETCH(QString, button);
    QFETCH(bool, listed);
    QFETCH(bool, yes);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, areas);
    QtPlatform platform;
    Form1 form(platform);
    platform.showWindow(&form, false);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QList<SeenBox> seen;
    onEveryBox([&](QWidget *box) {
        QList<QRect> shown;
        for (const char *name : {"Bezeichnung1", "Bezeichnung2", "Liste1"}) {
            const auto *area = control<QWidget>(&form, name);
            if (form.rect().intersects(area->geometry()))
                shown << QRect(area->mapToGlobal(QPoint(0, 0)), area->size());
        }
        const bool clear = std::none_of(shown.begin(), shown.end(),
                                        [box](const QRect &area) { return box->frameGeometry().intersects(area); });
        seen.append({box->windowTitle(), box->parentWidget(), clear ? int(shown.size()) : -1,
                     box->width() >= titleRoom(box->windowTitle())});
        if (auto *input = qobject_cast<QInputDialog *>(box)) {
            input->setTextValue(u"Anna"_s);
            input->accept();
        } else if (auto *message = qobject_cast<QMessageBox *>(box)) {
            QAbstractButton *answer = message->escapeButton();
            for (QAbstractButton *candidate : message->buttons())
                answer = yes && candidate->text() == u"Ja"_s ? candidate : answer;
            answer->click();
        }
    });
    if (listed)
        form.Befehl11_Click();
    seen.clear();
    control<QAbstractButton>(&form, button.toLatin1().constData())->click();
    m_poll.stop();
    QCOMPARE(seen.size(), titles.size());
    for (qsizetype i = 0; i < seen.size(); ++i) {
        QCOMPARE(seen[i].title, titles[i]);
        QCOMPARE(seen[i].owner, &form);
        QCOMPARE(seen[i].keptClear, areas[i]);
        QVERIFY2(seen[i].wideEnough, qPrintable(titles[i]));
    }
}

void TestDesktop::nameFieldMenuIsGerman()
{
    QStringList texts;
    onEveryBox([&texts](QWidget *box) {
        const std::unique_ptr<QMenu> menu(box->findChild<QLineEdit *>()->createStandardContextMenu());
        for (const QAction *action : menu->actions())
            texts << action->text().section(u'\t', 0, 0).remove(u'&');
        box->close();
    });
    QtPlatform platform;
    platform.rtcInputBox(nullptr, u"Name eingeben:"_s, u"Neuer Benutzer"_s);
    m_poll.stop();
    texts.removeAll(QString());
    QCOMPARE(texts, (QStringList{u"Rückgängig"_s, u"Wiederherstellen"_s, u"Ausschneiden"_s, u"Kopieren"_s,
                                 u"Einfügen"_s, u"Löschen"_s, u"Alles auswählen"_s}));
}

void TestDesktop::warningLeavesTheKeypad()
{
    Form1Fixture f;
    f.open();
    for (int i = 0; i < 51; ++i)
        f.pressEnter();
    const QColor red(255, 0, 0);
    QCOMPARE(f.form->palette().color(QPalette::Window), red);
    for (const char *label : {"Bezeichnung1", "Bezeichnung2"})
        QCOMPARE(control<QWidget>(f.form.get(), label)->palette().color(QPalette::Window), red);
    for (const QPushButton *button : f.form->findChildren<QPushButton *>())
        QCOMPARE(button->palette().color(QPalette::Window), QApplication::palette(button).color(QPalette::Window));
}

void TestDesktop::gameOnASecondScreenTakesNoKeys()
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
        QCoreApplication::postEvent(f.form->windowHandle(),
                                    new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_5 ? u"5"_s : QString()));
    QCoreApplication::processEvents();
    QCOMPARE(f.form->state().TypedAnswer, cards);
    QCOMPARE(f.platform.messages.size(), messages);
    QCOMPARE(f.form->state().ErrorCount, 0);
}

VUVERE_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
