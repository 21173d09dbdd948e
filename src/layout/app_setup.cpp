#include "layout/app_setup.h"

#include <QApplication>
#include <QIcon>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("vuvere-rovivudevu"));
    QApplication::setOrganizationName(QStringLiteral("QRW"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.qrw.VuvereRovivudevu"));
    // Finished pictures from the build, each drawn for its size; QIcon reads a file only when
    // its size is asked for. Twice a size serves scale 2.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 96, 128})
        icon.addFile(QStringLiteral(":/icons/abacus-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}
