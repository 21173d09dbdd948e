#include "platform/message_icons.h"
#include "platform/qt_platform.h"
#include "test_support.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        for (const auto &[text, value] : {std::pair{u"20"_s, 20.0}, {u"  17abc"_s, 17.0}, {u"2.5x"_s, 2.5}, {u"-3"_s, -3.0},
                                          {u"1e3"_s, 1000.0}, {u"Runde"_s, 0.0}, {u"-"_s, 0.0}, {u"1e999"_s, 0.0}})
            QTest::newRow(qPrintable(text)) << text << value;
    }

    // The leading number of a text, its whole part rounded down, and the padded and plain number texts.
    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Platform::rtcR8ValFromBstr(text), value);
        const qint64 whole = Platform::rtcInt(value - 0.5);
        QCOMPARE(whole, qint64(std::floor(value - 0.5)));
        QCOMPARE(Platform::rtcStrFromVar(whole) + u'|' + Platform::plainNumberText(whole),
                 (whole >= 0 ? u" "_s : QString()) + QString::number(whole) + u'|' + QString::number(whole));
    }

    // Line breaks for the boxes, Qt's own texts in German, and random numbers in [0, 1).
    void textsAndRandomNumbers()
    {
        QCOMPARE(displayText(u"A\rB\n\rC\r\nD"_s), u"A\nB\nC\nD"_s);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), u"&Rückgängig"_s);
        QtPlatform platform;
        QList<double> numbers(100000);
        std::generate(numbers.begin(), numbers.end(), [&platform] { return platform.rtcRandomNext(); });
        const auto [low, high] = std::ranges::minmax(numbers);
        QVERIFY(low >= 0.0 && low < 0.001 && high > 0.999 && high < 1.0);
        // The same clock twice still gives new numbers.
        const auto reseeded = [&platform] { return platform.rtcRandomize(1000.5), platform.rtcRandomNext(); };
        QVERIFY(reseeded() != reseeded());
    }

    // Each size of the window icon is drawn for its own grid; the message boxes draw their own
    // pictures for the device pixels at scale 2.
    void icons()
    {
        const QIcon icon = QApplication::windowIcon();
        for (const int size : {16, 32, 48}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)) && icon.availableSizes().contains(QSize(2 * size, 2 * size)));
            const QImage own = icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888);
            const QImage scaled = icon.pixmap(size == 32 ? 48 : 32).toImage().convertToFormat(QImage::Format_RGBA8888).scaled(
                size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            // A picture merely rescaled from another size would differ from it by rounding only.
            qsizetype differing = 0;
            for (qsizetype i = 0; i < own.sizeInBytes(); ++i)
                differing += qAbs(own.constBits()[i] - scaled.constBits()[i]) > 48;
            QVERIFY2(differing > size * size / 10, qPrintable(QString::number(size)));
        }
        // One point of each picture in its colour, at twice its place.
        const std::tuple<int, QPoint, QColor> rows[] = {{MsgStyle::Critical, {6, 16}, Qt::red}, {MsgStyle::Question | MsgStyle::YesNo, {6, 16}, Qt::darkCyan},
                                                        {MsgStyle::Exclamation, {16, 16}, Qt::black}, {MsgStyle::Information, {6, 16}, Qt::blue}};
        for (const auto &[style, point, colour] : rows)
            QCOMPARE(messageIcon(style, 32, 2.0).toImage().pixelColor(point * 2 + QPoint(1, 1)), colour);
        QCOMPARE(messageIcon(MsgStyle::Critical, 32, 2.0).devicePixelRatio(), 2.0);
    }
};

VUVERE_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
