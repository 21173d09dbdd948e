#pragma once

#include <QLabel>

class QPainter;

// Message boxes and labels show CR, CR LF and LF CR alike, as one line break.
QString displayText(const QString &text);

// A label as the windows use it: it keeps its caption exactly (line breaks included),
// shows it with normalised line breaks, and raises a click. A label that takes the focus
// shows it with a ring.
class Label : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // A one-line text too wide for the label shows its end, after an ellipsis.
    void setShowEnd(bool showEnd) { m_showEnd = showEnd; }
    // The text as drawn.
    QString shownText() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    bool m_pressed = false;
    bool m_showEnd = false;
};

// The keyboard focus as a ring that shows on any background: yellow inside a black line.
void drawFocusRing(QPainter &painter, const QRect &rect);
