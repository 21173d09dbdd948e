#include "test_support.h"

#include "layout/shape.h"
#include "platform/qt_platform.h"

#include <QTimer>

namespace {
enum Window { Main, Memory, Info };

// Answers the next real box as the keyboard and the mouse do: types, then presses the key, else
// clicks the button, else closes the box by its frame. A box that ignores its answer is closed
// after a while, and the test fails.
struct Answering
{
    QTimer answering;
    QTimer watchdog;
    bool answered = false;
    bool stuck = false;

    Answering(const QString &typed, Qt::Key key, const QString &button)
    {
        QObject::connect(&answering, &QTimer::timeout, [=, this] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || std::exchange(answered, true))
                return;
            for (const QChar c : typed)
                QTest::keyClick(box->windowHandle(), c.toLatin1());
            const auto buttons = box->findChildren<QPushButton *>();
            const auto clicked = std::ranges::find(buttons, button, &QPushButton::text);
            const Qt::KeyboardModifiers keypad
                = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            if (key != Qt::Key_unknown)
                QTest::keyClick(box->windowHandle(), key, keypad);
            else if (clicked != buttons.end())
                QTest::mouseClick(*clicked, Qt::LeftButton);
            else
                box->close();
        });
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            stuck = QApplication::activeModalWidget();
            if (stuck)
                QApplication::activeModalWidget()->close();
        });
        answering.start(5);
        watchdog.start(3000);
    }
};
}

// What the layout tables cannot vouch for: texts that fit the real fonts, controls that do not
// overlap, focus rings and tab stops, the info window's showing and closing; the real boxes and
// where they go; line breaks, Qt's texts in German and the real random numbers.
class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }

    void windows_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("Form1") << int(Main);
        QTest::newRow("Form5") << int(Memory);
        QTest::newRow("QRWLABEL") << int(Info);
    }

    // Each window shown with its longest texts.
    void windows()
    {
        QFETCH(int, window);
        Form1Fixture f;
        f.form->state().ExpectedAnswer = u"810+81=891"_s;
        QWidget *w = f.form.get();
        if (window == Main) {
            f.type(u"81081891"_s);
            // The error list is a tab stop only while the export shows it.
            QWidget *reached = nullptr;
            f.platform.onMessage = [&](const Message &) {
                QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
                reached = QApplication::focusWidget();
            };
            f.press(Qt::Key_F4);
            QCOMPARE(reached, f.get<QWidget>("Liste1"));
        }
        if (window == Memory) {
            f.answerRight(10);
            w = f.form->memoryWindow();
        }
        if (window == Info) {
            f.press(Qt::Key_F8);
            w = f.form->infoWindow();
        }
        QVERIFY(QTest::qWaitForWindowActive(w));
        // Tab lands only on controls in sight: OK alone, the cards and STOP, the flag.
        QSet<QWidget *> stops;
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
            QTest::keyClick(w->windowHandle(), key);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus && focus->window() == w && focus->isVisible());
            QVERIFY(w->rect().contains(focus->geometry()));
            stops << focus;
        }
        QCOMPARE(stops.size(), window == Memory ? 2 : 1);
        // The focus shows where the window opens it: on OK, the first card, the flag.
        QWidget *focus = QApplication::focusWidget();
        const QImage ringed = focus->grab().toImage();
        focus->clearFocus();
        QVERIFY(focus->grab().toImage() != ringed);

        const QList<QWidget *> children = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            const QByteArray name = child->objectName().toLatin1();
            const QFontMetrics metrics(child->font());
            if (auto *label = qobject_cast<QLabel *>(child); label && !label->text().isEmpty()) {
                // Inside a frame QLabel indents the text by half an "x" on its aligned sides.
                const int in = label->frameWidth() > 0 ? metrics.horizontalAdvance(u'x') / 2 : 0;
                const QRect area = label->contentsRect().adjusted(
                    in, label->alignment() & Qt::AlignTop ? in : 0, -in, 0);
                const int flags
                    = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
                QVERIFY2(area.contains(metrics.boundingRect(area, flags, label->text())),
                         name + " clips its text");
            } else if (auto *button = qobject_cast<QPushButton *>(child)) {
                QVERIFY2(metrics.horizontalAdvance(button->text()) + 4 <= button->width(), name);
                QVERIFY2(metrics.height() + 4 <= button->height(), name);
            }
            const QRect place = child->geometry();
            QVERIFY2(w->rect().contains(place) || !w->rect().intersects(place) || name == "Figur2",
                     name + " is cut by the edge");
            for (QWidget *other : children) {
                const QRect overlap = place & other->geometry();
                const bool shape = qobject_cast<Shape *>(child) || qobject_cast<Shape *>(other);
                QVERIFY2(child == other || shape || overlap.width() <= 1 || overlap.height() <= 1,
                         name + " covers " + other->objectName().toLatin1());
            }
        }
    }

    // One info window, centred at each showing; these close it.
    void infoWindow_data()
    {
        QTest::addColumn<QByteArray>("clicked");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("O k a y") << "Bezeichnung1"_ba << Qt::Key_unknown;
        QTest::newRow("the flag") << "Bild1"_ba << Qt::Key_unknown;
        QTest::newRow("the frame") << QByteArray() << Qt::Key_unknown;
        QTest::newRow("Enter") << QByteArray() << Qt::Key_Return;
        QTest::newRow("Space") << QByteArray() << Qt::Key_Space;
        QTest::newRow("Esc") << QByteArray() << Qt::Key_Escape;
    }

    void infoWindow()
    {
        QFETCH(QByteArray, clicked);
        QFETCH(Qt::Key, key);
        Form1Fixture f;
        for (int showing = 0; showing < 2; ++showing) {
            f.press(Qt::Key_F8);
            QWidget *info = f.form->infoWindow();
            QVERIFY(QTest::qWaitForWindowActive(info));
            QCOMPARE(info->frameGeometry().center(), QPoint(639, 511));
            info->move(10, 10);
            if (key != Qt::Key_unknown)
                QTest::keyClick(info->windowHandle(), key);
            else if (!clicked.isEmpty())
                QTest::mouseClick(control<QWidget>(info, clicked.constData()), Qt::LeftButton);
            else
                info->close();
            QVERIFY(info->isHidden());
            QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        }
        QVERIFY(f.platform.messages.isEmpty());
    }

    void boxes_data()
    {
        // A message box's style, or -1 for the input box; what is typed, the key pressed, else
        // the button clicked, else the frame's close button; what the box gives back.
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        const Qt::Key none = Qt::Key_unknown;
        QTest::newRow("Nein is the default") << 276 << "" << Qt::Key_Return << ""
                                             << "7";
        QTest::newRow("Nein is the default, keypad") << 276 << "" << Qt::Key_Enter << ""
                                                     << "7";
        QTest::newRow("Ja is the default") << 36 << "" << Qt::Key_Return << ""
                                           << "6";
        QTest::newRow("Ja is the default, keypad") << 36 << "" << Qt::Key_Enter << ""
                                                   << "6";
        QTest::newRow("Esc answers Nein") << 36 << "" << Qt::Key_Escape << ""
                                          << "7";
        QTest::newRow("closing answers Nein") << 36 << "" << none << ""
                                              << "7";
        QTest::newRow("Ja clicked") << 276 << "" << none << "Ja"
                                    << "6";
        QTest::newRow("OK by Esc") << 48 << "" << Qt::Key_Escape << ""
                                   << "1";
        QTest::newRow("OK by closing") << 64 << "" << none << ""
                                       << "1";
        QTest::newRow("OK clicked") << 0 << "" << none << "OK"
                                    << "1";
        QTest::newRow("a name") << -1 << "Anna" << Qt::Key_Return << ""
                                << "Anna";
        QTest::newRow("a name, keypad") << -1 << "Anna" << Qt::Key_Enter << ""
                                        << "Anna";
        QTest::newRow("blanks") << -1 << "   " << none << "OK"
                                << "   ";
        QTest::newRow("no name") << -1 << "" << Qt::Key_Return << ""
                                 << "";
        QTest::newRow("Abbrechen") << -1 << "Anna" << none << "Abbrechen"
                                   << "";
        QTest::newRow("Esc cancels") << -1 << "Anna" << Qt::Key_Escape << ""
                                     << "";
        QTest::newRow("closing cancels") << -1 << "Anna" << none << ""
                                         << "";
    }

    void boxes()
    {
        QFETCH(int, style);
        QFETCH(QString, typed);
        QFETCH(Qt::Key, key);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QtPlatform platform;
        QWidget owner;
        owner.show();
        const Answering answering(typed, key, button);
        const QString given = style < 0
            ? platform.rtcInputBox(&owner, u"Name eingeben:"_s, u"Neuer Benutzer"_s)
            : QString::number(platform.rtcMsgBox(&owner, u"Frage"_s, style, u"Titel"_s));
        QCOMPARE(given, result);
        QVERIFY(answering.answered && !answering.stuck);
    }

    // A box keeps clear of the task, the answer and the error list.
    void marks()
    {
        Form1Fixture f;
        QStringList marked;
        for (const QWidget *child : f.form->findChildren<QWidget *>()) {
            if (child->property(KeepClearProperty).toBool())
                marked << child->objectName();
        }
        marked.sort();
        QCOMPARE(marked, (QStringList {u"Bezeichnung1"_s, u"Bezeichnung2"_s, u"Liste1"_s}));
    }

    void placement_data()
    {
        // The marked control, in parts of the box's owner, which covers the screen; where the box
        // goes.
        QTest::addColumn<QRectF>("marked");
        QTest::addColumn<QString>("side");
        QTest::newRow("below") << QRectF(0, 0, 1, 0.2) << u"below"_s;
        QTest::newRow("no room below: left") << QRectF(0.5, 0, 0.5, 1) << u"left"_s;
        QTest::newRow("no room left: right") << QRectF(0, 0, 0.5, 1) << u"right"_s;
        QTest::newRow("no room beside: above") << QRectF(0, 0.5, 1, 0.5) << u"above"_s;
        QTest::newRow("no room at all: below, on the screen") << QRectF(0, 0, 1, 1) << u"bottom"_s;
    }

    // A box keeps clear of its owner's marked controls, 8 pixels off, give or take a frame;
    // unmarked ones are no obstacle. Where all is covered, it goes to the first place.
    void placement()
    {
        QFETCH(QRectF, marked);
        QFETCH(QString, side);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        QWidget area(&owner);
        QWidget unmarked(&owner);
        owner.setGeometry(screen.adjusted(-20, -20, 20, 20));
        const QSize size = owner.size();
        area.setGeometry(QRectF(marked.x() * size.width(), marked.y() * size.height(),
                                marked.width() * size.width(), marked.height() * size.height())
                             .toRect());
        area.setProperty(KeepClearProperty, true);
        unmarked.setGeometry(0, area.geometry().bottom() + 1, size.width(), size.height());
        owner.show();
        QRect box;
        int textWidth = 0;
        QTimer::singleShot(0, [&box, &textWidth] {
            QWidget *shown = QApplication::activeModalWidget();
            box = shown->frameGeometry();
            textWidth = shown->findChild<QLabel *>(u"qt_msgbox_label"_s)->width();
            shown->close();
        });
        // The title gets room in the window manager's bold title font, beside the frame's buttons.
        const QString title = u"Fehlerliste kopieren"_s;
        QtPlatform().rtcMsgBox(&owner, u"Frage"_s, MsgStyle::OkOnly, title);
        QFont titleFont = QApplication::font();
        titleFont.setPointSizeF(10);
        titleFont.setBold(true);
        QVERIFY(textWidth >= QFontMetrics(titleFont).horizontalAdvance(title) + 120);
        const QRect clear(area.mapToGlobal(QPoint()), area.size());
        const QHash<QString, int> off {{u"below"_s, box.top() - clear.bottom()},
                                       {u"left"_s, clear.left() - box.right()},
                                       {u"right"_s, box.left() - clear.right()},
                                       {u"above"_s, clear.top() - box.bottom()},
                                       {u"bottom"_s, screen.bottom() - box.bottom() + 9}};
        // Clamped, it stands right on the screen's edge.
        QVERIFY2(qAbs(off[side] - 9) <= (side == u"bottom"_s ? 0 : 2),
                 qPrintable(QString::number(off[side])));
        // Beside the marked control it stands at the owner's middle height, else at its middle
        // (give or take the frame and a rounding).
        const QPoint middle = owner.frameGeometry().center() - box.center();
        QVERIFY(qAbs(side == u"left"_s || side == u"right"_s ? middle.y() : middle.x()) <= 3);
    }

    // The longest answer a child can type shows whole, or its end after an ellipsis, and no
    // character is cut at the label's edge. CTest runs this at scale 1 and 2.
    void longAnswer()
    {
        Form1Fixture f;
        f.type(u"32056376376376376376"_s);
        Label *answer = f.get("Bezeichnung2");
        const QString typed = f.form->state().TypedAnswer;
        const QString shown = answer->shownText();
        QCOMPARE(typed.size(), 20);
        QVERIFY2(
            shown == typed
                || (shown.startsWith(u'…') && typed.endsWith(shown.mid(1)) && shown.size() > 15),
            qPrintable(shown));
        QVERIFY(answer->fontMetrics().horizontalAdvance(shown) <= answer->contentsRect().width());
        const QImage image = answer->grab().toImage();
        QCOMPARE(image.devicePixelRatio(),
                 qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble());
        const QImage edge = image.copy(image.width() - 2, 0, 2, image.height())
                                .convertToFormat(QImage::Format_Indexed8);
        QCOMPARE(edge.colorTable(), QList<QRgb> {qRgb(128, 255, 255)});
    }

    // Line breaks for the boxes, Qt's own texts in German, and random numbers in [0, 1).
    void textsAndRandomNumbers()
    {
        QCOMPARE(displayText(u"A\rB\n\rC\r\nD"_s), u"A\nB\nC\nD"_s);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), u"&Rückgängig"_s);
        QtPlatform platform;
        QList<double> numbers(100000);
        std::generate(numbers.begin(), numbers.end(),
                      [&platform] { return platform.rtcRandomNext(); });
        const auto [low, high] = std::ranges::minmax(numbers);
        QVERIFY(low >= 0.0 && low < 0.001 && high > 0.999 && high < 1.0);
        // The same clock twice still gives new numbers.
        platform.rtcRandomize(1000.5);
        const double first = platform.rtcRandomNext();
        platform.rtcRandomize(1000.5);
        QVERIFY(platform.rtcRandomNext() != first);
    }
};

VUVERE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
