#include "info_window/qrwlabel.h"
#include "layout/label.h"
#include "main_window/form1.h"
#include "memory/form5.h"
#include "practice/modul1.h"
#include "test_support.h"

#include <QFontInfo>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

// The three windows in the program's own fonts: every text fits its control, every control
// sits where the design puts it, and no two controls cover each other.
class TestLayoutFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void window_data();
    void window();
};

void TestLayoutFit::initTestCase()
{
    // Any other font is wider than the design's and clips the captions.
    QCOMPARE(QFontInfo(designFont(8.25, true)).family(), QStringLiteral("Liberation Sans"));
}

void TestLayoutFit::window_data()
{
    QTest::addColumn<QString>("runtimeLabel");
    QTest::addColumn<QString>("runtimeText");
    QTest::newRow("Form1") << QStringLiteral("Bezeichnung2") << QStringLiteral("810+81=891");
    QTest::newRow("Form5") << QStringLiteral("Bezeichnung19")
                           << QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes "
                                             "Einzelfeld an und suche alle Zahlenpaare !");
    QTest::newRow("QRWLABEL") << QStringLiteral("Bezeichnung7") << QRWLABEL::authorText();
}

void TestLayoutFit::window()
{
    QFETCH(QString, runtimeLabel);
    QFETCH(QString, runtimeText);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    ScriptedPlatform platform;
    Modul1 state;
    std::unique_ptr<QWidget> window;
    std::span<const ControlSpec> table;
    if (name == u"Form1") {
        queueTask(platform, 9, 9, 9);
        window = std::make_unique<Form1>(platform);
        table = Form1::controls();
    } else if (name == u"Form5") {
        window = std::make_unique<Form5>(state, platform, [] {});
        table = Form5::controls();
    } else {
        window = std::make_unique<QRWLABEL>(platform, [] {});
        table = QRWLABEL::controls();
    }
    platform.showWindow(window.get(), false);
    if (auto *memory = qobject_cast<Form5 *>(window.get()))
        memory->DealCards();
    if (name == u"Form1") { // the longest answer there is
        for (const char digit : QByteArrayLiteral("81081891"))
            QTest::keyClick(window->windowHandle(), digit);
    }
    QCOMPARE(control<Label>(window.get(), runtimeLabel.toLatin1().constData())->caption(), runtimeText);

    const QRect client = window->rect();
    for (const ControlSpec &row : table) {
        auto *widget = control<QWidget>(window.get(), row.name);
        const QRect g = widget->geometry();
        const QByteArray where = row.name;
        QVERIFY2(QRect(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15) == row.twips, where);
        // Only a decoration band may run past the window's edge (Form1's Figur2 does).
        QVERIFY2(row.kind == ControlKind::Shape || client.contains(g) || !client.intersects(g),
                 where + " is cut by the window edge");
        QVERIFY2(QFontInfo(widget->font()).family() == u"Liberation Sans", where);
        const QFontMetrics metrics(widget->font());
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            // Inside a frame QLabel indents the text by half an "x" on its aligned sides.
            const Qt::Alignment align = label->alignment();
            const int in = label->frameWidth() > 0 && label->indent() < 0 ? metrics.horizontalAdvance(u'x') / 2 : 0;
            const QRect area = label->contentsRect().adjusted(
                align & Qt::AlignLeft ? in : 0, align & Qt::AlignTop ? in : 0, align & Qt::AlignRight ? -in : 0,
                align & Qt::AlignBottom ? -in : 0);
            const int flags = int(align) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
            const QRect text = metrics.boundingRect(area, flags, label->text());
            QVERIFY2(area.contains(text), where + " clips its text");
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(metrics.horizontalAdvance(button->text()) + margin <= button->width()
                         && metrics.height() + margin <= button->height(),
                     where + " clips its caption");
        }
    }

    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t j = i + 1; j < table.size(); ++j) {
            if (table[i].kind == ControlKind::Shape || table[j].kind == ControlKind::Shape)
                continue;
            // Neighbours on the design's grid share at most one row or column of pixels.
            const QRect overlap = control<QWidget>(window.get(), table[i].name)->geometry()
                                  & control<QWidget>(window.get(), table[j].name)->geometry();
            QVERIFY2(overlap.isEmpty() || overlap.width() == 1 || overlap.height() == 1,
                     QByteArray(table[i].name) + " covers " + table[j].name);
        }
    }
}

VUVERE_TEST_MAIN(TestLayoutFit)
#include "tst_layout_fit.moc"
