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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/abacus.svg")));
}
