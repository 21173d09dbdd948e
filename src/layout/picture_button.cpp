#include "layout/picture_button.h"

#include "layout/label.h"

#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString &picture, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(new QSvgRenderer(picture, this))
{
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Button);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    // Drawn from the vector picture at the device's pixel ratio, so it stays crisp when scaled.
    const int offset = isDown() ? 1 : 0;
    QRectF target(0, 0, 32, 32);
    target.moveCenter(QRectF(rect()).center() + QPointF(offset, offset));
    m_picture->render(&painter, target);
    if (isDown()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus())
        drawFocusRing(painter, rect());
}
