// Build-time helper: draws an SVG picture into a square PNG file of the given size and, if
// asked, into a file of raw premultiplied ARGB32 pixels that the program uses in place.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fputs("usage: svg_to_png PICTURE.svg SIZE OUT.png [OUT.argb]\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = std::atoi(argv[2]);
    if (!renderer.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[3])))
        return 1;
    if (argc == 5) {
        QFile raw(QString::fromLocal8Bit(argv[4]));
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        if (!raw.open(QIODevice::WriteOnly)
            || raw.write(reinterpret_cast<const char *>(image.constBits()), bytes) != bytes)
            return 1;
    }
    return 0;
}
