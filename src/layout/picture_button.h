#pragma once

#include <QAbstractButton>
#include <QColor>

class QSvgRenderer;

// A flat, focus-less button that shows a 32 x 32 picture on its background colour.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(const QString &picture, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_picture;
};
