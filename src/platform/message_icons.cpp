#include "platform/message_icons.h"

#include "platform/platform.h"

#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>
#include <QWidget>

QPixmap messageIcon(int style, int size, qreal devicePixelRatio)
{
    const char *picture = nullptr;
    switch (style & 0x70) {
    case MsgStyle::Critical:
        picture = ":/icons/stop.svg";
        break;
    case MsgStyle::Question:
        picture = ":/icons/question.svg";
        break;
    case MsgStyle::Exclamation:
        picture = ":/icons/exclamation.svg";
        break;
    case MsgStyle::Information:
        picture = ":/icons/information.svg";
        break;
    default:
        return {};
    }
    // Drawn for the device pixels themselves, so that it stays sharp at scale 2.
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QString::fromLatin1(picture)).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QPixmap messageIcon(int style, const QWidget &box)
{
    return messageIcon(style,
                       box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box),
                       box.devicePixelRatio());
}
