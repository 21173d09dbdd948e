#include "layout/app_setup.h"
#include "main_window/form1.h"
#include "platform/qt_platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    QtPlatform platform;
    Form1 form1(platform);
    platform.showWindow(&form1, false);
    return QApplication::exec();
}
