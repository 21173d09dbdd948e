#pragma once

#include "layout/twips.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <span>

enum class ControlKind { Label, Button, PictureButton, ListBox, Shape };

// Label flags.
namespace ControlFlag {
constexpr unsigned Border = 1;
constexpr unsigned WordWrap = 2;
}

// One control of a window as the designer placed it. Geometry is in twips; an invalid
// colour keeps the system colour; a font size of 0 keeps the window font.
struct ControlSpec
{
    const char *name;
    ControlKind kind;
    QRect twips;
    QColor back = {};
    QColor fore = {};
    double pointSize = 0;
    bool bold = true;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    const char *caption = "";
    unsigned flags = 0;
    const char *picture = nullptr;
    const char *accessibleName = nullptr;
};

// The design places every control on whole pixels: a twip value off that grid is a typo, and
// a table holding one does not compile.
consteval bool onPixelGrid(std::span<const ControlSpec> controls)
{
    for (const ControlSpec &entry : controls) {
        for (const int twips :
             {entry.twips.x(), entry.twips.y(), entry.twips.width(), entry.twips.height()}) {
            if (twips % static_cast<int>(TwipsPerPixel) != 0)
                throw "a control off the pixel grid";
        }
    }
    return true;
}

// The designer's font; it is mapped to a metric-compatible font installed on the system.
QFont designFont(double pointSize, bool bold);

// Names the window, sets its caption, client size, colour and font, and fixes its size.
void setUpWindow(QWidget *window, const char *name, const QString &caption, QSize clientTwips,
                 const QColor &back);

// Creates the controls as children of parent, in table order, named after their entries.
void buildControls(QWidget *parent, std::span<const ControlSpec> controls);

// The named control; the table guarantees it exists.
template<typename T> T *control(const QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(widget);
    return widget;
}

// Puts the window's outer frame in the middle of the screen rectangle (twips of the virtual
// desktop); a screen smaller than the window gives edges outside it. A window the window
// manager has not framed yet is placed by the frame of the program's other windows, and is
// centred again once its own frame is known.
void centreWindow(QWidget *window, const QRectF &screenTwips);

void setWindowColour(QWidget *window, const QColor &colour);
void setBackColour(QWidget *widget, const QColor &colour);
void setForeColour(QWidget *widget, const QColor &colour);
