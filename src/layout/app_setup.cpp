#include "layout/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void setUpApplication()
{
    // Liberation Sans has the metrics the twip layout was made for; DejaVu Sans is too wide.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setApplicationName(QStringLiteral("vuvere-rovivudevu"));
    QApplication::setOrganizationName(QStringLiteral("QRW"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.qrw.VuvereRovivudevu"));
    // Drawn once at its design size: a scalable icon is drawn at four sizes, up to 128 x 128,
    // for every window frame, which cost a fifth of the start-up.
    QIcon icon;
    icon.addPixmap(QIcon(QStringLiteral(":/pictures/abacus.svg")).pixmap(32, 32));
    QApplication::setWindowIcon(icon);
}
