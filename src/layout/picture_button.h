#pragma once

#include <QAbstractButton>
#include <QColor>

class QSvgRenderer;

// A flat button that shows a 32 x 32 picture on its background colour. It takes no focus
// unless its window gives it one, and then shows it with a ring.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(const QString &picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_picture;
};
