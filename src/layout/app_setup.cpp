#include "layout/app_setup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QResource>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("vuvere-rovivudevu"));
    QApplication::setOrganizationName(QStringLiteral("QRW"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.qrw.VuvereRovivudevu"));
    // Pixels drawn by the build and used in place: no picture is drawn and no image file
    // decoded at start-up. Each size has its own drawing; twice a size serves scale 2.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 96, 128}) {
        const QResource pixels(QStringLiteral(":/icons/abacus-%1.argb").arg(size));
        if (pixels.compressionAlgorithm() == QResource::NoCompression && pixels.size() == size * size * 4)
            icon.addPixmap(QPixmap::fromImage(
                QImage(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
    }
    QApplication::setWindowIcon(icon);
}
