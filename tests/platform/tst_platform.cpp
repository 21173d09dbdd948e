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

    void colourNumbersAndLineBreaks()
    {
        QStringList colours;
        for (int n = 0; n <= 16; ++n)
            colours << (Platform::rtcQBColor(n).isValid() ? Platform::rtcQBColor(n).name() : QString());
        QCOMPARE(colours.join(u' '), u"#000000 #000080 #008000 #008080 #800000 #800080 #808000 #c0c0c0 #808080 #0000ff #00ff00 "
                                     "#00ffff #ff0000 #ff00ff #ffff00 #ffffff "_s);
        QCOMPARE(displayText(u"A\rB\n\rC\r\nD"_s), u"A\nB\nC\nD"_s);
    }

    void randomNumbers()
    {
        QtPlatform platform;
        QList<double> numbers(100000);
        std::generate(numbers.begin(), numbers.end(), [&platform] { return platform.rtcRandomNext(); });
        const auto [low, high] = std::ranges::minmax(numbers);
        QVERIFY(low >= 0.0 && low < 0.001 && high > 0.999 && high < 1.0);
        // The same clock twice still gives new numbers.
        platform.rtcRandomize(1000.5);
        const double first = platform.rtcRandomNext();
        platform.rtcRandomize(1000.5);
        QVERIFY(platform.rtcRandomNext() != first);
    }
};

VUVERE_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
