#pragma once

#include <QLabel>

// Message boxes and labels show CR, CR LF and LF CR alike, as one line break.
QString displayText(const QString &text);

// A label as the windows use it: it keeps its caption exactly (line breaks included),
// shows it with normalised line breaks, and raises a click.
class Label : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    bool m_pressed = false;
};
