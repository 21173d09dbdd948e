#include "platform/message_icons.h"
#include "test_support.h"

// Each size of the window icon is drawn for its own grid; the message boxes draw their own
// pictures for the device pixels at scale 2.
class TestIcons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

VUVERE_TEST_MAIN(TestIcons)
#include "tst_icons.moc"
