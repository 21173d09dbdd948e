#include "test_support.h"

#include "platform/qt_platform.h"

#include <QTimer>

// With the real boxes and no window manager to hand the focus back: after every box, and when a
// window comes back, the focus is in the shown window, on the control that had it.
class TestFocus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }

    void backAfterBoxes()
    {
        constexpr Qt::Key NoBox = Qt::Key_unknown;
        struct Step
        {
            Qt::Key key;
            Qt::Key boxAnswer;
            const char *focus;
            bool right = false;
        };
        const Step steps[] = {
            {Qt::Key_Return, Qt::Key_Return, "Befehl11"},
            {Qt::Key_F1, Qt::Key_Return, "Befehl11"},
            {Qt::Key_F5, Qt::Key_Escape, "Befehl11"},
            {Qt::Key_F8, NoBox, "Bild1"},
            {Qt::Key_Escape, NoBox, "Befehl11"},
            // The tenth right answer: the reward box, then the game.
            {Qt::Key_Return, Qt::Key_Return, "Bezeichnung1", true},
            {Qt::Key_Right, NoBox, "Bezeichnung2"},
            {Qt::Key_Escape, Qt::Key_Escape, "Bezeichnung2"},
            {Qt::Key_Tab, NoBox, "Befehl1"},
            {Qt::Key_Return, Qt::Key_Escape, "Befehl1"},
            {Qt::Key_Escape, Qt::Key_Return, "Befehl11"},
        };
        QtPlatform platform;
        Form1 form(platform);
        platform.showWindow(&form, false);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Qt::Key boxAnswer = NoBox;
        bool unasked = false;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            // A box that should not have opened is closed, and the step fails.
            unasked = unasked || boxAnswer == NoBox;
            QTest::keyClick(box->windowHandle(), unasked ? Qt::Key_Escape : boxAnswer);
            boxAnswer = NoBox;
        });
        answering.start(5);
        const auto focused = [] {
            const QWidget *focus = QApplication::focusWidget();
            return focus && focus->window()->isVisible() ? focus->objectName() : QString();
        };
        // The next right answer is the tenth.
        form.state().CorrectCount = 9;
        QWidget *window = &form;
        for (const Step &step : steps) {
            boxAnswer = step.boxAnswer;
            if (step.right)
                form.state().TypedAnswer = form.state().ExpectedAnswer;
            QTest::keyClick(window->windowHandle(), step.key);
            QVERIFY(boxAnswer == NoBox && !unasked);
            QTRY_COMPARE(focused(), QLatin1String(step.focus));
            window = QApplication::focusWidget()->window();
        }
    }
};

VUVERE_TEST_MAIN(TestFocus)
#include "tst_focus.moc"
