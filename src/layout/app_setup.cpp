#include "layout/app_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QResource>
#include <QStyleOption>
#include <QTranslator>

namespace {

// The system style draws a button's focus only after Tab; a child must see from the start
// which button has the keyboard focus.
class FocusFrameStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        const QRect inner = subElementRect(SE_PushButtonFocusRect, option, widget);
        painter->drawRect(QRectF(inner).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("vuvere-rovivudevu"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.qrw.VuvereRovivudevu"));
    QApplication::setStyle(new FocusFrameStyle);
    // Qt's own texts (context menus, standard buttons) in German, whatever the locale says.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // Pixels drawn by the build and used in place: no picture is drawn and no image file
    // decoded at start-up. The sizes below 32 have drawings of their own, the others are
    // whole multiples of one; twice a size serves scale 2.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 96, 128}) {
        const QResource pixels(QStringLiteral(":/icons/abacus-%1.argb").arg(size));
        if (pixels.compressionAlgorithm() == QResource::NoCompression
            && pixels.size() == size * size * 4)
            icon.addPixmap(QPixmap::fromImage(
                QImage(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
    }
    QApplication::setWindowIcon(icon);
}
