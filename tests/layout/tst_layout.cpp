#include "test_support.h"

#include "layout/shape.h"
#include "platform/qt_platform.h"

#include <QTimer>

namespace {
enum Window { Main, Memory, Info };

// A message box's style, or the input box; what is typed, the key pressed, else the button
// clicked, else the frame's close button; what the box gives back.
struct BoxCase
{
    const char *name;
    int style = -1;
    QString typed {};
    Qt::Key key = Qt::Key_unknown;
    QString button {};
    QString result {};
};
const BoxCase BoxCases[] = {
    {.name = "Nein is the default", .style = 276, .key = Qt::Key_Return, .result = u"7"_s},
    {.name = "Nein is the default, keypad", .style = 276, .key = Qt::Key_Enter, .result = u"7"_s},
    {.name = "Ja is the default", .style = 36, .key = Qt::Key_Return, .result = u"6"_s},
    {.name = "Esc answers Nein", .style = 36, .key = Qt::Key_Escape, .result = u"7"_s},
    {.name = "closing answers Nein", .style = 36, .result = u"7"_s},
    {.name = "Ja clicked", .style = 276, .button = u"Ja"_s, .result = u"6"_s},
    {.name = "OK by Esc", .style = 48, .key = Qt::Key_Escape, .result = u"1"_s},
    {.name = "OK by closing", .style = 64, .result = u"1"_s},
    {.name = "OK clicked", .style = 0, .button = u"OK"_s, .result = u"1"_s},
    {.name = "a name", .typed = u"Anna"_s, .key = Qt::Key_Return, .result = u"Anna"_s},
    {.name = "a name, keypad", .typed = u"Anna"_s, .key = Qt::Key_Enter, .result = u"Anna"_s},
    {.name = "blanks", .typed = u"   "_s, .button = u"OK"_s, .result = u"   "_s},
    {.name = "Abbrechen", .typed = u"Anna"_s, .button = u"Abbrechen"_s},
    {.name = "Esc cancels", .typed = u"Anna"_s, .key = Qt::Key_Escape},
    {.name = "closing cancels", .typed = u"Anna"_s},
};
// What each window shows, control by control, with its longest texts.
const QStringList ShownTexts[] = {
    {u"Ende"_s, u"0"_s,      u"0"_s,    u"Hilfe"_s,      u"Check"_s,      u"Name"_s,
     u"Memo"_s, u"Tasten"_s, u"Info"_s, u" 4 7 · 8 ="_s, u"810+81=891"_s, u"1"_s,
     u"2"_s,    u"3"_s,      u"4"_s,    u"5"_s,          u"6"_s,          u"7"_s,
     u"8"_s,    u"9"_s,      u"0"_s,    u"<---   "_s,    u"OK"_s},
    {u"STOP"_s,
     u" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an und suche alle "
     u"Zahlenpaare !"_s,
     u"1"_s, u". Runde"_s},
    {u"Q"_s, u"R"_s, u"W"_s, u" 1 x 1 groß"_s, u" \n"_s,
     u"QRW, Version 1.0, 2026\nE-Mail: info@qrw.example"_s, u"www.qrw.example"_s, u"O k a y"_s},
};
}

// What the layout tables cannot vouch for: texts that fit the real fonts, controls that do not
// overlap, focus rings and tab stops; the real boxes and where they go; line breaks, Qt's texts
// in German and the real random numbers.
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
        if (window == Main)
            f.type(u"81081891"_s);
        if (window == Memory) {
            f.answerRight(10);
            w = f.form->memoryWindow();
        }
        if (window == Info) {
            f.press(Qt::Key_F8);
            w = f.form->infoWindow();
        }
        QVERIFY(QTest::qWaitForWindowActive(w));
        // The focus shows where the window opens it, before any Tab: on OK, the first card, the
        // flag.
        QWidget *opened = QApplication::focusWidget();
        const QImage ringed = opened->grab().toImage();
        // The ring: the highlight on OK; black, then yellow on the cards and the flag.
        const int middle = ringed.height() / 2;
        const QColor inner
            = window == Main ? QApplication::palette().highlight().color() : QColor(Qt::yellow);
        QCOMPARE(ringed.pixelColor(2, middle), inner);
        if (window != Main)
            QCOMPARE(ringed.pixelColor(1, middle), QColor(Qt::black));
        opened->clearFocus();
        QVERIFY(opened->grab().toImage() != ringed);
        opened->setFocus();
        if (window == Main) {
            // The error list is a tab stop only while the export shows it.
            QWidget *reached = nullptr;
            f.platform.onMessage = [&](const Message &) {
                QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
                reached = QApplication::focusWidget();
            };
            f.press(Qt::Key_F4);
            QCOMPARE(reached, f.get<QWidget>("Liste1"));
            // A box keeps clear of the task, the answer and the error list.
            QStringList marked;
            for (const QWidget *child : w->findChildren<QWidget *>()) {
                if (child->property(KeepClearProperty).toBool())
                    marked << child->objectName();
            }
            marked.sort();
            QCOMPARE(marked, (QStringList {u"Bezeichnung1"_s, u"Bezeichnung2"_s, u"Liste1"_s}));
        }
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
        // Every text fits its control in the real fonts; no control is cut by the window's edge
        // or covers another but a shape, which is drawn behind them.
        const QList<QWidget *> children = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QStringList texts;
        for (QWidget *child : children) {
            const auto *label = qobject_cast<QLabel *>(child);
            if (label && label->isVisible() && !label->text().isEmpty())
                texts << label->text();
            if (const auto *button = qobject_cast<QPushButton *>(child))
                texts << button->text();
        }
        QCOMPARE(texts, ShownTexts[window]);
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

    // A window centred on the real platform's screen before it has a frame is centred again by
    // its frame once it is shown.
    void centring()
    {
        QWidget window;
        window.resize(200, 100);
        centreWindow(&window, QtPlatform().screenRectTwips(nullptr));
        window.show();
        const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
        QTRY_COMPARE(window.frameGeometry().center(), middle);
        QVERIFY(window.frameGeometry() != window.geometry());
    }

    void boxes_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(BoxCases)); ++row)
            QTest::newRow(BoxCases[row].name) << row;
    }

    // The real boxes, answered through their windows as the keyboard and the mouse do.
    void boxes()
    {
        QFETCH(int, row);
        const BoxCase &box = BoxCases[row];
        QtPlatform platform;
        QWidget owner;
        owner.show();
        // Types, then presses the key, else clicks the button, else closes the box by its frame.
        // A box still open at the next look ignored its answer: it is closed and the row fails.
        bool answered = false;
        bool stuck = false;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            if (!shown)
                return;
            if (answered) {
                stuck = true;
                shown->close();
                return;
            }
            answered = true;
            for (const QChar c : box.typed)
                QTest::keyClick(shown->windowHandle(), c.toLatin1());
            const auto buttons = shown->findChildren<QPushButton *>();
            const auto clicked = std::ranges::find(buttons, box.button, &QPushButton::text);
            const Qt::KeyboardModifiers keypad
                = box.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            if (box.key != Qt::Key_unknown)
                QTest::keyClick(shown->windowHandle(), box.key, keypad);
            else if (box.button.isEmpty())
                shown->close();
            else if (clicked != buttons.end())
                QTest::mouseClick(*clicked, Qt::LeftButton);
        });
        answering.start(5);
        const QString given = box.style < 0
            ? platform.rtcInputBox(&owner, u"Name eingeben:"_s, u"Neuer Benutzer"_s)
            : QString::number(platform.rtcMsgBox(&owner, u"Frage"_s, box.style, u"Titel"_s));
        QCOMPARE(given, box.result);
        QVERIFY(answered && !stuck);
    }

    void placement_data()
    {
        // The marked control, in parts of the box's owner, which covers the screen.
        QTest::addColumn<QRectF>("marked");
        QTest::newRow("below") << QRectF(0, 0, 1, 0.2);
        QTest::newRow("no room below: left") << QRectF(0.5, 0, 0.5, 1);
        QTest::newRow("no room left: right") << QRectF(0, 0, 0.5, 1);
        QTest::newRow("no room beside: above") << QRectF(0, 0.5, 1, 0.5);
        QTest::newRow("no room at all: below, on the screen") << QRectF(0, 0, 1, 1);
    }

    // A box keeps clear of its owner's marked controls, 8 pixels off, give or take a frame, at the
    // only place there is room; unmarked ones are no obstacle. Where all is covered, it goes
    // below, to the screen's edge. Its title gets room in the window manager's bold title font,
    // beside the frame's buttons.
    void placement()
    {
        QFETCH(QRectF, marked);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        QWidget area(&owner);
        QWidget unmarked(&owner);
        owner.setGeometry(screen.adjusted(-20, -20, 20, 20));
        const QTransform inOwner = QTransform::fromScale(owner.width(), owner.height());
        area.setGeometry(inOwner.mapRect(marked).toRect());
        area.setProperty(KeepClearProperty, true);
        unmarked.setGeometry(0, area.geometry().bottom() + 1, owner.width(), owner.height());
        owner.show();
        QRect box;
        int textWidth = 0;
        QTimer::singleShot(0, [&box, &textWidth] {
            QWidget *shown = QApplication::activeModalWidget();
            box = shown->frameGeometry();
            textWidth = shown->findChild<QLabel *>(u"qt_msgbox_label"_s)->width();
            shown->close();
        });
        const QString title = u"Fehlerliste kopieren"_s;
        QtPlatform().rtcMsgBox(&owner, u"Frage"_s, MsgStyle::OkOnly, title);
        QFont titleFont = QApplication::font();
        titleFont.setPointSizeF(10);
        titleFont.setBold(true);
        QVERIFY(textWidth >= QFontMetrics(titleFont).horizontalAdvance(title) + 120);
        const QRect clear(area.mapToGlobal(QPoint()), area.size());
        const int gap = std::max({box.top() - clear.bottom(), clear.left() - box.right(),
                                  box.left() - clear.right(), clear.top() - box.bottom()});
        if (marked == QRectF(0, 0, 1, 1))
            QCOMPARE(box.bottom(), screen.bottom());
        else
            QVERIFY2(qAbs(gap - 9) <= 2, qPrintable(QString::number(gap)));
        // Beside the marked control it stands at the owner's middle height, else at its middle
        // (give or take the frame and a rounding).
        const bool beside = box.left() > clear.right() || box.right() < clear.left();
        const QPoint middle = owner.frameGeometry().center() - box.center();
        QVERIFY(qAbs(beside ? middle.y() : middle.x()) <= 3);
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
        // The window icon has the sizes drawn for it.
        for (const int size : {16, 32, 48})
            QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(size, size)));
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
