#include "layout/label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

QString displayText(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n\r|\r"));
    QString shown = text;
    return shown.replace(lineBreak, QStringLiteral("\n"));
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(displayText(caption));
}

QString Label::shownText() const
{
    const int width = contentsRect().width();
    if (!m_showEnd || fontMetrics().horizontalAdvance(text()) <= width)
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideLeft, width);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void Label::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    if (shown == text())
        QLabel::paintEvent(event);
    QPainter painter(this);
    if (shown != text()) {
        drawFrame(&painter);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(contentsRect(), int(alignment()), shown);
    }
    if (hasFocus())
        drawFocusRing(painter, rect());
}

void drawFocusRing(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(Qt::yellow, 2));
    painter.drawRect(QRectF(rect).adjusted(3, 3, -3, -3));
    painter.restore();
}
