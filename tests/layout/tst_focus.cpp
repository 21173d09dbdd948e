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
        struct Step
        {
            Qt::Key key;
            QList<Qt::Key> boxKeys = {};
            const char *focus;
            bool right = false;
        };
        const Step steps[] = {
            {.key = Qt::Key_Return, .boxKeys = {Qt::Key_Return}, .focus = "Befehl11"},
            {.key = Qt::Key_F1, .boxKeys = {Qt::Key_Return}, .focus = "Befehl11"},
            {.key = Qt::Key_F5, .boxKeys = {Qt::Key_Escape}, .focus = "Befehl11"},
            {.key = Qt::Key_F8, .focus = "Bild1"},
            {.key = Qt::Key_Escape, .focus = "Befehl11"},
            {.key = Qt::Key_Return,
             .boxKeys = {Qt::Key_Return},
             .focus = "Bezeichnung1",
             .right = true},
            {.key = Qt::Key_Right, .focus = "Bezeichnung2"},
            {.key = Qt::Key_Escape, .boxKeys = {Qt::Key_Escape}, .focus = "Bezeichnung2"},
            {.key = Qt::Key_Tab, .focus = "Befehl1"},
            {.key = Qt::Key_Return, .boxKeys = {Qt::Key_Escape}, .focus = "Befehl1"},
            {.key = Qt::Key_Escape, .boxKeys = {Qt::Key_Return}, .focus = "Befehl11"},
        };
        QtPlatform platform;
        Form1 form(platform);
        platform.showWindow(&form, false);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QList<Qt::Key> boxKeys;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&boxKeys] {
            QWidget *box = QApplication::activeModalWidget();
            // A box left without an answer is closed, and the step fails.
            if (box)
                QTest::keyClick(box->windowHandle(),
                                boxKeys.isEmpty() ? Qt::Key_Escape : boxKeys.takeFirst());
        });
        answering.start(5);
        QWidget *window = &form;
        for (const Step &step : steps) {
            boxKeys = step.boxKeys;
            if (step.right) {
                form.state().CorrectCount = 9;
                form.state().TypedAnswer = form.state().ExpectedAnswer;
            }
            QTest::keyClick(window->windowHandle(), step.key);
            QVERIFY(boxKeys.isEmpty());
            const auto focused = [] {
                const QWidget *focus = QApplication::focusWidget();
                return focus && focus->window()->isVisible() ? focus->objectName() : QString();
            };
            QTRY_COMPARE(focused(), QLatin1String(step.focus));
            window = QApplication::focusWidget()->window();
        }
    }
};

VUVERE_TEST_MAIN(TestFocus)
#include "tst_focus.moc"
