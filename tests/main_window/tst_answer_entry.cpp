#include "layout/label.h"
#include "main_window/form1.h"
#include "test_support.h"

#include <QListWidget>
#include <QPushButton>
#include <QWindow>

// Typing into the real main window through its QWindow, as the keyboard does.
class TestAnswerEntry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startState();
    void centredOnTheScreen();
    void typing_data();
    void typing();
    void focusAfterEachStep();
    void keypadDigitsType();
    void otherKeysChangeNothing();
    void backspaceWorksWithModifiers();

private:
    // A window with the task 47 x 8 (expected answer 320+56=376).
    void open();
    QString shown() const { return control<Label>(m_form.get(), "Bezeichnung2")->caption(); }
    QWidget *button(const char *name) const { return control<QPushButton>(m_form.get(), name); }

    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<Form1> m_form;
};

void TestAnswerEntry::init()
{
    m_platform = std::make_unique<ScriptedPlatform>();
    open();
}

void TestAnswerEntry::cleanup()
{
    m_form.reset();
    m_platform.reset();
}

void TestAnswerEntry::open()
{
    queueTask(*m_platform, 8, 4, 7);
    m_form = std::make_unique<Form1>(*m_platform);
    m_platform->showWindow(m_form.get(), false);
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestAnswerEntry::startState()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Vuvere Rovivudevu: Freund und Gast"));
    QCOMPARE(m_form->size(), QSize(515, 247));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(control<Label>(m_form.get(), "Bezeichnung3")->caption(), QStringLiteral("0"));
    QCOMPARE(control<Label>(m_form.get(), "Bezeichnung4")->caption(), QStringLiteral("0"));
    QCOMPARE(control<Label>(m_form.get(), "Bezeichnung1")->caption(), QStringLiteral(" 4 7 · 8 ="));
    QCOMPARE(m_form->state().ExpectedAnswer, QStringLiteral("320+56=376"));
    QCOMPARE(shown(), QString());
    QCOMPARE(QApplication::focusWidget(), button("Befehl11"));
    // The store controls lie outside the client area.
    for (const char *name : {"Liste1", "Bezeichnung5", "Bezeichnung6"}) {
        auto *store = m_form->findChild<QWidget *>(QLatin1String(name));
        QVERIFY(!m_form->rect().intersects(store->geometry()));
    }
    QCOMPARE(control<Label>(m_form.get(), "Bezeichnung5")->caption(), QStringLiteral("320"));
    // Nor can a screen reader find the partial products.
    QVERIFY(!control<Label>(m_form.get(), "Bezeichnung5")->isVisible());
    QVERIFY(!control<Label>(m_form.get(), "Bezeichnung6")->isVisible());
    QCOMPARE(control<Label>(m_form.get(), "Bezeichnung6")->caption(), QStringLiteral("56"));
    // Only OK and the list take the focus through Tab.
    QStringList tabStops;
    for (QWidget *child : m_form->findChildren<QWidget *>()) {
        if (child->focusPolicy() & Qt::TabFocus)
            tabStops << child->objectName();
    }
    tabStops.sort();
    QCOMPARE(tabStops, (QStringList{QStringLiteral("Befehl11"), QStringLiteral("Liste1")}));
}

void TestAnswerEntry::centredOnTheScreen()
{
    m_form.reset();
    m_platform->screenTwips = {800 * 15.0, 600 * 15.0};
    open();
    // The window's centre is the screen's, give or take the frame, which is only known once shown.
    auto offCentre = [this](QSize screen) {
        const QRect frame = m_form->frameGeometry();
        return QPoint(2 * frame.x() + frame.width() - screen.width(), 2 * frame.y() + frame.height() - screen.height());
    };
    QVERIFY(offCentre({800, 600}).manhattanLength() <= 8);
    // A screen smaller than the window gives negative edges; nothing clamps them.
    m_form.reset();
    m_platform->screenTwips = {300 * 15.0, 200 * 15.0};
    open();
    QVERIFY(m_form->frameGeometry().x() < 0 && m_form->frameGeometry().y() < 0);
    QVERIFY(offCentre({300, 200}).manhattanLength() <= 8);
}

void TestAnswerEntry::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    // b stands for Backspace, d for the delete button, digits in brackets for the digit buttons.
    QTest::newRow("separators follow the length") << QStringLiteral("320") << QStringLiteral("320+");
    QTest::newRow("whole answer") << QStringLiteral("32056376") << QStringLiteral("320+56=376");
    QTest::newRow("wrong digits get separators too") << QStringLiteral("999") << QStringLiteral("999+");
    QTest::newRow("deleted separator is not put back") << QStringLiteral("320b5") << QStringLiteral("3205");
    QTest::newRow("separator returns with its digit") << QStringLiteral("320bb0") << QStringLiteral("320+");
    QTest::newRow("delete button removes one") << QStringLiteral("3205d") << QStringLiteral("320+");
    QTest::newRow("delete button on one character") << QStringLiteral("3d") << QString();
    QTest::newRow("backspace on empty") << QStringLiteral("b") << QString();
    QTest::newRow("greater sign replaces all") << QStringLiteral("3205>") << QStringLiteral(">");
    QTest::newRow("plus sign replaces all") << QStringLiteral("3205+") << QStringLiteral("+");
    QTest::newRow("digits after a sign") << QStringLiteral("<12") << QStringLiteral("<12+");
    QTest::newRow("equals sign") << QStringLiteral("1=") << QStringLiteral("=");
    QTest::newRow("twenty characters at most") << QStringLiteral("320563761111111111111111")
                                               << QStringLiteral("320+56=3761111111111");
}

void TestAnswerEntry::typing()
{
    QFETCH(QString, keys);
    QWindow *window = m_form->windowHandle();
    for (const QChar key : keys) {
        if (key == u'b')
            QTest::keyClick(window, Qt::Key_Backspace);
        else if (key == u'd')
            QTest::mouseClick(button("Befehl18"), Qt::LeftButton);
        else
            QTest::keyClick(window, key.toLatin1());
    }
    QTEST(shown(), "shown");
    QCOMPARE(m_form->state().TypedAnswer, shown());
}

void TestAnswerEntry::focusAfterEachStep()
{
    QWidget *ok = button("Befehl11");
    QWidget *erase = button("Befehl18");
    QTest::mouseClick(button("Befehl3"), Qt::LeftButton);
    QTest::mouseClick(button("Befehl2"), Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("32"));
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::mouseClick(erase, Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("3"));
    QCOMPARE(QApplication::focusWidget(), erase);
    QTest::keyClick(m_form->windowHandle(), Qt::Key_Backspace);
    QCOMPARE(shown(), QString());
    QCOMPARE(QApplication::focusWidget(), erase);
    QTest::keyClick(m_form->windowHandle(), '7');
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::mouseClick(erase, Qt::LeftButton);
    QCOMPARE(shown(), QString());
    QCOMPARE(QApplication::focusWidget(), ok);
}

void TestAnswerEntry::keypadDigitsType()
{
    QWindow *window = m_form->windowHandle();
    for (const char digit : {'3', '2', '0', '5'})
        QTest::keyClick(window, Qt::Key(Qt::Key_0 + (digit - '0')), Qt::KeypadModifier);
    QTest::keyClick(window, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(shown(), QStringLiteral("+"));
}

void TestAnswerEntry::otherKeysChangeNothing()
{
    QWindow *window = m_form->windowHandle();
    QTest::keyClick(window, '1');
    for (const char key : {'a', 'X', '-', '*', '.', ','})
        QTest::keyClick(window, key);
    QTest::keyClick(window, Qt::Key_Left);
    QTest::keyClick(window, Qt::Key_Delete);
    QTest::keyClick(window, Qt::Key_2, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(shown(), QStringLiteral("1"));
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestAnswerEntry::backspaceWorksWithModifiers()
{
    QWindow *window = m_form->windowHandle();
    for (const char key : {'3', '2', '0', '5'})
        QTest::keyClick(window, key);
    QTest::keyClick(window, Qt::Key_Backspace, Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_Backspace, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(shown(), QStringLiteral("320"));
}

VUVERE_TEST_MAIN(TestAnswerEntry)
#include "tst_answer_entry.moc"
