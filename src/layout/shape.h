#pragma once

#include <QColor>
#include <QWidget>

// A rectangle drawn behind the controls: a fill (none if invalid) and a one-pixel outline.
class Shape : public QWidget
{
    Q_OBJECT
public:
    Shape(const QColor &fill, const QColor &outline, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
};
