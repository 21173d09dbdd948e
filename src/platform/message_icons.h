#pragma once

#include <QPixmap>

class QWidget;

// The icon of a message-box style number (stop sign, question mark, exclamation mark,
// information), drawn from the program's own pictures for `size` logical pixels at the
// screen's pixel ratio. A style without an icon gives a null pixmap.
QPixmap messageIcon(int style, int size, qreal devicePixelRatio);

// The same at the box's icon size and on the box's screen.
QPixmap messageIcon(int style, const QWidget &box);
