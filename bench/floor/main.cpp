#include <QApplication>
#include <QLabel>
#include <QPushButton>

// A bare window of the main window's size and colour with a few labels and buttons.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(515, 247);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(128, 255, 255));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    for (int i = 0; i < 3; ++i) {
        (new QLabel(QStringLiteral("Label %1").arg(i), &window))
            ->setGeometry(16 + 100 * i, 40, 90, 17);
        (new QPushButton(QString::number(i), &window))->setGeometry(16 + 40 * i, 200, 33, 33);
    }
    window.show();
    return QApplication::exec();
}
