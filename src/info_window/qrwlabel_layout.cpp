#include "info_window/qrwlabel.h"

namespace {

constexpr QColor Navy(0, 0, 128);
constexpr QColor LightCyan(128, 255, 255);
constexpr QColor White(255, 255, 255);
constexpr double TitleFont = 18;
constexpr auto Centre = Qt::AlignHCenter | Qt::AlignTop;

constexpr ControlSpec QrwlabelControls[] = {
    {.name = "Figur1",
     .kind = ControlKind::Shape,
     .twips = {120, 120, 3255, 2535},
     .back = Navy,
     .fore = Navy},
    {.name = "Bezeichnung2",
     .kind = ControlKind::Label,
     .twips = {240, 240, 375, 615},
     .back = Navy,
     .fore = QColor(255, 0, 255),
     .pointSize = TitleFont,
     .align = Centre,
     .caption = "Q"},
    {.name = "Bezeichnung3",
     .kind = ControlKind::Label,
     .twips = {600, 240, 375, 615},
     .back = Navy,
     .fore = QColor(0, 255, 255),
     .pointSize = TitleFont,
     .align = Centre,
     .caption = "R"},
    {.name = "Bezeichnung4",
     .kind = ControlKind::Label,
     .twips = {960, 240, 375, 615},
     .back = Navy,
     .fore = QColor(128, 255, 128),
     .pointSize = TitleFont,
     .align = Centre,
     .caption = "W"},
    {.name = "Bezeichnung5",
     .kind = ControlKind::Label,
     .twips = {1320, 240, 1935, 615},
     .back = Navy,
     .fore = White,
     .pointSize = TitleFont,
     .caption = " 1 x 1 groß"},
    {.name = "Bezeichnung6",
     .kind = ControlKind::Label,
     .twips = {240, 840, 3015, 975},
     .back = Navy,
     .fore = White,
     .pointSize = 8.25,
     .bold = false,
     .flags = ControlFlag::WordWrap},
    // Centred vertically too: a top-aligned framed label indents its two lines so far that
    // the second one's descenders are cut by the border.
    {.name = "Bezeichnung7",
     .kind = ControlKind::Label,
     .twips = {240, 1800, 3015, 495},
     .back = LightCyan,
     .fore = QColor(0, 0, 0),
     .pointSize = 9.75,
     .bold = false,
     .align = Qt::AlignCenter,
     .flags = ControlFlag::WordWrap | ControlFlag::Border},
    {.name = "Bezeichnung8",
     .kind = ControlKind::Label,
     .twips = {120, 2400, 3255, 255},
     .back = Navy,
     .fore = LightCyan,
     .align = Centre,
     .caption = "www.qrw.example"},
    {.name = "Bild1",
     .kind = ControlKind::PictureButton,
     .twips = {2400, 2880, 495, 495},
     .back = LightCyan,
     .picture = ":/pictures/flag.svg",
     .accessibleName = "Schließen"},
    {.name = "Bezeichnung1",
     .kind = ControlKind::Label,
     .twips = {600, 2880, 1815, 495},
     .back = LightCyan,
     .fore = Navy,
     .pointSize = TitleFont,
     .align = Centre,
     .caption = "O k a y"},
};

static_assert(onPixelGrid(QrwlabelControls));

}

std::span<const ControlSpec> QRWLABEL::controls()
{
    return QrwlabelControls;
}
