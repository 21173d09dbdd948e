#include "layout/label.h"

#include <QMouseEvent>
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

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
