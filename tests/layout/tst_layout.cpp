#include "test_support.h"

#include "layout/picture_button.h"
#include "layout/shape.h"
#include "platform/message_icons.h"
#include "platform/qt_platform.h"

#include <QFontInfo>
#include <QTimer>

namespace {
// name | back | text colour | points, b for bold | l, r or c aligned, b bordered, w wrapped | text
// | spoken name
const char *const Form1Looks[] = {"Form1|#80ffff",
                                  "Bezeichnung1|#80ffff|#000080|24b|r",
                                  "Bezeichnung2|#80ffff|#000000|24b|l",
                                  "Liste1|#00ffff|||||Fehlerliste",
                                  "Befehl1|||9.75b||1",
                                  "Befehl10|||9.75b||0",
                                  "Befehl18|||8.25b||<---   |Löschen",
                                  "Befehl11|||8.25b||OK",
                                  "Bild1||||||Ende",
                                  "Bild3||||||Belohnung",
                                  "Bild2||||||Auswertung",
                                  "Bild7||||||Hilfe",
                                  "Bild6||||||Check",
                                  "Bild9||||||Name",
                                  "Bild4||||||Memo",
                                  "Bild8||||||Tasten",
                                  "Bild5||||||Info"};
const char *const Form5Looks[]
    = {"Form5|#80ffff",
       "Befehl1|||8.25b||STOP",
       "Bezeichnung19|#80ffff|#0000c0|8.25b|lbw| Immer zwei Felder haben die gleiche Zahl, klicke  "
       " jedes Einzelfeld an und suche alle Zahlenpaare !",
       "Bezeichnung21|#80ffff||9.75b|r|1",
       "Bezeichnung20|#80ffff||9.75b|l|. Runde",
       "Bezeichnung18|#0000c0|#ffffff|13.5b|lbw||Karte 18, verdeckt"};
const char *const QrwlabelLooks[]
    = {"QRWLABEL|#80ffff",
       "Bezeichnung2|#000080|#ff00ff|18b|c|Q",
       "Bezeichnung3|#000080|#00ffff|18b|c|R",
       "Bezeichnung4|#000080|#80ff80|18b|c|W",
       "Bezeichnung5|#000080|#ffffff|18b|l| 1 x 1 groß",
       "Bezeichnung6|#000080|#ffffff|8.25|lw| \r\n",
       "Bezeichnung7|#80ffff|#000000|9.75|cbw|QRW, Version 1.0, 2026\r\nE-Mail: info@qrw.example",
       "Bezeichnung8|#000080|#80ffff|8.25b|c|www.qrw.example",
       "Bild1|#80ffff|||||Schließen",
       "Bezeichnung1|#80ffff|#000080|18b|c|O k a y|Okay"};

QString look(QWidget *w)
{
    const auto *label = qobject_cast<Label *>(w);
    const Qt::Alignment align = label ? label->alignment() : Qt::Alignment();
    const QString flags = !label ? QString()
                                 : QString(align & Qt::AlignRight         ? u'r'
                                               : align & Qt::AlignHCenter ? u'c'
                                                                          : u'l')
            + QString(label->frameShape() == QFrame::Box, u'b') + QString(label->wordWrap(), u'w');
    return QStringList {w->objectName(),
                        w->palette().window().color().name(),
                        w->palette().windowText().color().name(),
                        QString::number(w->font().pointSizeF()) + QString(w->font().bold(), u'b'),
                        flags,
                        label ? label->caption() : w->property("text").toString(),
                        w->accessibleName()}
        .join(u'|');
}
}

// The windows checked for what their tables cannot vouch for themselves: the design's colours,
// fonts, names, texts and regular rows, texts that fit, controls that do not overlap, and the
// painting; the info window's showing and closing; and what the platform hands the windows:
// pictures, line breaks, Qt's texts in German and random numbers.
class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }

    void windows_data()
    {
        QTest::addColumn<int>("window");
        for (const int window : {0, 1, 2})
            QTest::newRow(std::array {"Form1", "Form5", "QRWLABEL"}[window]) << window;
    }

    void windows()
    {
        QFETCH(int, window);
        Form1Fixture f;
        // The longest answer there is.
        f.form->state().ExpectedAnswer = u"810+81=891"_s;
        f.play(QStringList {u"81081891"_s, QString(10, u'R'), u"F8"_s}[window]);
        QWidget *w
            = QList<QWidget *> {f.form.get(), f.form->memoryWindow(), f.form->infoWindow()}[window];
        QCOMPARE(QFontInfo(w->font()).family(), u"Liberation Sans"_s);
        // One info window, centred and filled at each showing; "O k a y", the flag, the frame,
        // Enter, Space and Esc close it.
        const std::pair<const char *, int> closers[]
            = {{"Bezeichnung1", 0},  {"Bild1", 0},        {"", 0},
               {"", Qt::Key_Return}, {"", Qt::Key_Enter}, {"", Qt::Key_Space},
               {"", Qt::Key_Escape}};
        for (const auto &[closer, key] :
             std::span(closers).first(window < 2 ? 0 : std::size(closers))) {
            QCOMPARE(w->frameGeometry().center(), QPoint(639, 511));
            w->move(10, 10);
            key           ? QTest::keyClick(w->windowHandle(), Qt::Key(key))
                : *closer ? QTest::mouseClick(control<QWidget>(w, closer), Qt::LeftButton)
                          : void(w->close());
            QVERIFY(w->isHidden() && QTest::qWaitForWindowActive(f.form.get()));
            f.play(u"F8"_s);
            QVERIFY(QTest::qWaitForWindowActive(w) && f.form->infoWindow() == w
                    && f.platform.messages.isEmpty());
        }
        // Tab lands only on controls in sight in the shown window: OK alone, the Memory game's
        // cards and STOP, the flag. The error list is a stop only while the export shows it.
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (window == 0) {
            QWidget *reached = nullptr;
            f.platform.onMessage = [&](const Message &) {
                QTest::keyClick(w->windowHandle(), Qt::Key_Tab),
                    reached = QApplication::focusWidget();
            };
            f.play(u"F4"_s);
            QCOMPARE(reached, f.get<QWidget>("Liste1"));
        }
        QSet<QWidget *> stops;
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
            QTest::keyClick(w->windowHandle(), key);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus && focus->window() == w && focus->isVisible()
                    && w->rect().contains(focus->geometry()));
            stops << focus;
        }
        QCOMPARE(stops.size(), window == 1 ? 2 : 1);
        const std::span<const char *const> looks
            = QList<std::span<const char *const>> {Form1Looks, Form5Looks, QrwlabelLooks}[window];
        for (const char *row : looks) {
            const QStringList expected = QString::fromUtf8(row).split(u'|');
            QWidget *widget = expected[0] == w->objectName()
                ? w
                : control<QWidget>(w, expected[0].toLatin1().constData());
            const QStringList actual = look(widget).split(u'|');
            for (qsizetype i = 1; i < expected.size(); ++i)
                QVERIFY2(expected[i].isEmpty() || actual[i] == expected[i],
                         qPrintable(look(widget) + u" is not "_s + QString::fromUtf8(row)));
        }
        // Regular rows: picture buttons, their labels, keys and cards.
        const auto at = [w](const char *prefix, int n) {
            return control<QWidget>(w, (prefix + QByteArray::number(n)).constData());
        };
        const int pictures[] = {1, 3, 2, 7, 6, 9, 4, 8, 5},
                  labels[] = {10, 4, 3, 14, 12, 7, 11, 15, 16};
        for (int i = 0; i < 9 && window == 0; ++i) {
            QCOMPARE(at("Bild", pictures[i])->geometry(), QRect(16 + 56 * i, 8, 33, 33));
            QCOMPARE(at("Bezeichnung", labels[i])->geometry().center().x(), 32 + 56 * i);
            QCOMPARE(look(at("Bezeichnung", labels[i])).section(u'|', 1, 3),
                     u"#00ffff|#000000|8.25b"_s);
            QCOMPARE(at("Befehl", i + 1)->geometry(), QRect(16 + 40 * i, 200, 33, 33));
        }
        for (int k = 1; k <= 18 && window == 1; ++k)
            QCOMPARE(at("Bezeichnung", k)->geometry(),
                     QRect(32 + 56 * ((k - 1) % 6), 72 + 88 * ((k - 1) / 6), 41, 73));
        // STOP stands level with the rules, at the window's left.
        QVERIFY(window != 1 || at("Befehl", 1)->geometry() == QRect(16, 8, 57, 33));
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
                QVERIFY2(metrics.horizontalAdvance(button->text()) + 4 <= button->width()
                             && metrics.height() + 4 <= button->height(),
                         name);
            }
            QVERIFY2(!qobject_cast<PictureButton *>(child) || child->size() == QSize(33, 33), name);
            QVERIFY2(w->rect().contains(child->geometry())
                         || !w->rect().intersects(child->geometry()) || name == "Figur2",
                     name + " is cut by the edge");
            for (QWidget *other : children) {
                const QRect overlap = child->geometry() & other->geometry();
                QVERIFY2(child == other || qobject_cast<Shape *>(child)
                             || qobject_cast<Shape *>(other) || overlap.width() <= 1
                             || overlap.height() <= 1,
                         name + " covers " + other->objectName().toLatin1());
            }
        }
    }

    // Probes of the painted windows: the bands' fill and outline, labels on their own background,
    // the pictures, a picture button's pressed look and the focus rings.
    void painting()
    {
        Form1Fixture f;
        const QImage image = f.form->grab().toImage();
        const auto pixel = [&image](int x, int y) { return image.pixelColor(x, y).name(); };
        QCOMPARE((QStringList {pixel(3, 3), pixel(0, 0), pixel(512, 30), pixel(3, 190),
                               pixel(9, 41), pixel(32, 24)}),
                 (QStringList {u"#00c0c0"_s, u"#00ffff"_s, u"#00ffff"_s, u"#00c0c0"_s, u"#00ffff"_s,
                               u"#ff0000"_s}));
        auto *smile = f.get<PictureButton>("Bild3");
        const QImage up = smile->grab().toImage();
        QTest::mousePress(smile, Qt::LeftButton);
        const QImage down = smile->grab().toImage();
        QTest::mouseRelease(smile, Qt::LeftButton);
        QCOMPARE(down.pixelColor(0, 0).name(), smile->palette().dark().color().name());
        QVERIFY(down.copy(1, 1, 31, 31) == up.copy(0, 0, 31, 31) && up != down);
        // The focus shows where each window opens it: on OK, the first Memory card and the info
        // window's flag. The ring's colours 1 to 4 pixels in from the left edge at half the height,
        // then 1 to 4 in from the bottom edge at half the width; empty without the focus.
        const auto ringed = [](QWidget *widget) {
            const QImage ring = QTest::qWaitForWindowActive(widget->window()) && widget->hasFocus()
                ? widget->grab().toImage()
                : QImage();
            widget->clearFocus();
            QString colours;
            for (int in = 1; in < 9 && !ring.isNull() && widget->grab().toImage() != ring; ++in) {
                const QPoint probe = in < 5
                    ? QPoint(in, ring.height() / 2)
                    : QPoint(ring.width() / 2, ring.height() - 1 - (in - 4));
                colours += ring.pixelColor(probe).name() + u' ';
            }
            return colours;
        };
        const QString highlight = QApplication::palette().highlight().color().name() + u' ';
        QCOMPARE(ringed(f.get<QWidget>("Befehl11")).section(u' ', 1, 2) + u' ',
                 highlight + highlight);
        f.play(QString(10, u'R'));
        QCOMPARE(ringed(control<QWidget>(f.form->memoryWindow(), "Bezeichnung1")),
                 u"#000000 #ffff00 #ffff00 #0000c0 #000000 #ffff00 #ffff00 #0000c0 "_s);
        f.form->Bild5_Click();
        QVERIFY(ringed(control<QWidget>(f.form->infoWindow(), "Bild1"))
                    .startsWith(u"#000000 #ffff00 #ffff00 "_s));
        // The Memory window's frame is an outline around the cards; the info window's panel is
        // filled.
        const QImage memory = f.form->memoryWindow()->grab().toImage(),
                     info = f.form->infoWindow()->grab().toImage();
        QCOMPARE((QStringList {memory.pixelColor(16, 56).name(), memory.pixelColor(17, 57).name(),
                               memory.pixelColor(89, 74).name(), info.pixelColor(9, 100).name()}),
                 (QStringList {u"#000000"_s, u"#80ffff"_s, u"#0000c0"_s, u"#000080"_s}));
    }

    // The longest answer a child can type shows whole, or its end after an ellipsis, and no
    // character is cut at the label's edge. CTest runs this at scale 1 and 2.
    void longAnswer()
    {
        Form1Fixture f;
        f.play(u"32056376376376376376"_s);
        Label *answer = f.get("Bezeichnung2");
        const QString typed = f.form->state().TypedAnswer, shown = answer->shownText();
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
        const auto reseeded
            = [&platform] { return platform.rtcRandomize(1000.5), platform.rtcRandomNext(); };
        QVERIFY(reseeded() != reseeded());
    }

    // The real platform's windows, clipboard, screen and clock.
    void services()
    {
        QtPlatform platform;
        QWidget window;
        platform.showWindow(&window, true);
        // A shown window keeps its modality.
        platform.showWindow(&window, false);
        QVERIFY(window.isVisible() && window.windowModality() == Qt::ApplicationModal);
        platform.hideWindow(&window);
        QVERIFY(window.isHidden());
        platform.setClipboardText(u"Liste"_s);
        const QString copied = platform.clipboardText();
        platform.clearClipboard();
        QCOMPARE(copied + u'|' + platform.clipboardText(), u"Liste|"_s);
        const QRectF screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(platform.screenRectTwips(nullptr),
                 QRectF(screen.topLeft() * 15, screen.size() * 15));
        QVERIFY(qAbs(platform.rtcGetTimer() - QTime::currentTime().msecsSinceStartOfDay() / 1000.0)
                < 1);
    }

    // A window centred before it has a frame is centred again by its frame once it is shown.
    void centring()
    {
        QWidget window;
        window.resize(200, 100);
        centreWindow(&window, QRectF(300 * 15.0, 200 * 15.0, 800 * 15.0, 600 * 15.0));
        window.show();
        QTRY_COMPARE(window.frameGeometry().center(), QPoint(699, 499));
        QVERIFY(window.frameGeometry() != window.geometry());
    }

    void boxes_data()
    {
        // A message box's style, or -1 for the input box; what is typed; the answer: a key
        // (Return, Enter from the keypad, Escape), "close" for the frame's button, or a button's
        // text.
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("result");
        for (const char *row :
             {"Nein is the default|276||Return|7", "Nein is the default, keypad|276||Enter|7",
              "Ja is the default|36||Return|6", "Ja is the default, keypad|36||Enter|6",
              "Esc answers Nein|36||Escape|7", "closing answers Nein|36||close|7",
              "Ja clicked|276||Ja|6", "OK by Esc|48||Escape|1", "OK by closing|64||close|1",
              "OK clicked|0||OK|1", "a name|-1|Anna|Return|Anna",
              "a name, keypad|-1|Anna|Enter|Anna", "blanks|-1|   |OK|   ", "no name|-1||Return|",
              "Abbrechen|-1|Anna|Abbrechen|", "Esc cancels|-1|Anna|Escape|",
              "closing cancels|-1|Anna|close|"}) {
            const QStringList cells = QString::fromUtf8(row).split(u'|');
            QTest::newRow(qPrintable(cells[0]))
                << cells[1].toInt() << cells[2] << cells[3] << cells[4];
        }
    }

    // The real boxes, answered through their windows as the keyboard and the mouse do.
    void boxes()
    {
        QFETCH(int, style);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, result);
        QtPlatform platform;
        QWidget owner;
        owner.show();
        bool answered = false, stuck = false;
        QTimer answering, watchdog;
        connect(&answering, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || std::exchange(answered, true))
                return;
            for (const QChar c : typed)
                QTest::keyClick(box->windowHandle(), c.toLatin1());
            const QHash<QString, Qt::Key> keys {{u"Return"_s, Qt::Key_Return},
                                                {u"Enter"_s, Qt::Key_Enter},
                                                {u"Escape"_s, Qt::Key_Escape}};
            if (keys.contains(answer))
                QTest::keyClick(box->windowHandle(), keys[answer],
                                answer == u"Enter"_s ? Qt::KeypadModifier : Qt::NoModifier);
            else if (answer == u"close"_s)
                box->close();
            for (QPushButton *button : box->findChildren<QPushButton *>())
                button->text() == answer ? QTest::mouseClick(button, Qt::LeftButton) : void();
        });
        // A box that ignores its answer is closed, and the row fails.
        connect(&watchdog, &QTimer::timeout, [&] {
            if (QWidget *box = QApplication::activeModalWidget())
                stuck = true, box->close();
        });
        answering.start(5);
        watchdog.start(3000);
        const QString given = style < 0
            ? platform.rtcInputBox(&owner, u"Name eingeben:"_s, u"Neuer Benutzer"_s)
            : QString::number(platform.rtcMsgBox(&owner, u"Frage"_s, style, u"Titel"_s));
        QCOMPARE(given, result);
        QVERIFY(answered && !stuck);
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
        QWidget owner, area(&owner), unmarked(&owner);
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
        titleFont.setPointSizeF(10), titleFont.setBold(true);
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

    // Each size of the window icon is drawn for its own grid; the message boxes draw their own
    // pictures for the device pixels at scale 2.
    void icons()
    {
        const QIcon icon = QApplication::windowIcon();
        for (const int size : {16, 32, 48}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size))
                    && icon.availableSizes().contains(QSize(2 * size, 2 * size)));
            const QImage own = icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888);
            const QImage scaled
                = icon.pixmap(size == 32 ? 48 : 32)
                      .toImage()
                      .convertToFormat(QImage::Format_RGBA8888)
                      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            // A picture merely rescaled from another size would differ from it by rounding only.
            qsizetype differing = 0;
            for (qsizetype i = 0; i < own.sizeInBytes(); ++i)
                differing += qAbs(own.constBits()[i] - scaled.constBits()[i]) > 48;
            QVERIFY2(differing > size * size / 10, qPrintable(QString::number(size)));
        }
        // One point of each picture in its colour, at twice its place.
        const std::tuple<int, QPoint, QColor> rows[]
            = {{MsgStyle::Critical, {6, 16}, Qt::red},
               {MsgStyle::Question | MsgStyle::YesNo, {6, 16}, Qt::darkCyan},
               {MsgStyle::Exclamation, {16, 16}, Qt::black},
               {MsgStyle::Information, {6, 16}, Qt::blue}};
        for (const auto &[style, point, colour] : rows)
            QCOMPARE(messageIcon(style, 32, 2.0).toImage().pixelColor(point * 2 + QPoint(1, 1)),
                     colour);
        QCOMPARE(messageIcon(MsgStyle::Critical, 32, 2.0).devicePixelRatio(), 2.0);
    }
};

VUVERE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
