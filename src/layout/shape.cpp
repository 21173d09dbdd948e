#include "layout/shape.h"

#include <QPainter>

Shape::Shape(const QColor &fill, const QColor &outline, QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
    , m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    painter.setPen(m_outline.isValid() ? m_outline : palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
