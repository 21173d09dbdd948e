#include "main_window/form1.h"

namespace {

constexpr QColor Cyan(0, 255, 255);
constexpr QColor LightCyan(128, 255, 255);
constexpr QColor Teal(0, 192, 192);
constexpr QColor Navy(0, 0, 128);
constexpr QColor Black(0, 0, 0);

constexpr auto Centre = Qt::AlignHCenter | Qt::AlignTop;
constexpr double DigitFont = 9.75;
constexpr double BigFont = 24;

// Created in this order: the two rectangles first, so that they lie behind the rest.
constexpr ControlSpec Form1Controls[] = {
    {.name = "Figur1", .kind = ControlKind::Shape, .twips = {0, 0, 7695, 975}, .back = Teal, .fore = Cyan},
    {.name = "Figur2", .kind = ControlKind::Shape, .twips = {0, 2760, 7695, 975}, .back = Teal, .fore = Cyan},

    {.name = "Bild1", .kind = ControlKind::PictureButton, .twips = {240, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/end.svg", .accessibleName = "Ende"},
    {.name = "Bild3", .kind = ControlKind::PictureButton, .twips = {1080, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/smile.svg", .accessibleName = "Belohnung"},
    {.name = "Bild2", .kind = ControlKind::PictureButton, .twips = {1920, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/neutral.svg", .accessibleName = "Auswertung"},
    {.name = "Bild7", .kind = ControlKind::PictureButton, .twips = {2760, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/help.svg", .accessibleName = "Hilfe"},
    {.name = "Bild6", .kind = ControlKind::PictureButton, .twips = {3600, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/check.svg", .accessibleName = "Check"},
    {.name = "Bild9", .kind = ControlKind::PictureButton, .twips = {4440, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/name.svg", .accessibleName = "Name"},
    {.name = "Bild4", .kind = ControlKind::PictureButton, .twips = {5280, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/memo.svg", .accessibleName = "Memo"},
    {.name = "Bild8", .kind = ControlKind::PictureButton, .twips = {6120, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/keys.svg", .accessibleName = "Tasten"},
    {.name = "Bild5", .kind = ControlKind::PictureButton, .twips = {6960, 120, 495, 495}, .back = Cyan,
     .picture = ":/pictures/info.svg", .accessibleName = "Info"},

    {.name = "Bezeichnung10", .kind = ControlKind::Label, .twips = {120, 600, 735, 255}, .back = Cyan, .align = Centre, .caption = "Ende"},
    {.name = "Bezeichnung4", .kind = ControlKind::Label, .twips = {1080, 600, 495, 255}, .back = Cyan, .align = Centre, .caption = "0"},
    {.name = "Bezeichnung3", .kind = ControlKind::Label, .twips = {1920, 600, 495, 255}, .back = Cyan, .align = Centre, .caption = "0"},
    {.name = "Bezeichnung14", .kind = ControlKind::Label, .twips = {2640, 600, 735, 255}, .back = Cyan, .align = Centre, .caption = "Hilfe"},
    {.name = "Bezeichnung12", .kind = ControlKind::Label, .twips = {3480, 600, 735, 255}, .back = Cyan, .align = Centre, .caption = "Check"},
    {.name = "Bezeichnung7", .kind = ControlKind::Label, .twips = {4320, 600, 735, 255}, .back = Cyan, .align = Centre, .caption = "Name"},
    {.name = "Bezeichnung11", .kind = ControlKind::Label, .twips = {5160, 600, 735, 255}, .back = Cyan, .align = Centre, .caption = "Memo"},
    {.name = "Bezeichnung15", .kind = ControlKind::Label, .twips = {6000, 600, 735, 255}, .back = Cyan, .align = Centre, .caption = "Tasten"},
    {.name = "Bezeichnung16", .kind = ControlKind::Label, .twips = {6960, 600, 495, 255}, .back = Cyan, .align = Centre, .caption = "Info"},

    {.name = "Bezeichnung1", .kind = ControlKind::Label, .twips = {240, 1560, 2295, 615}, .back = LightCyan, .fore = Navy,
     .pointSize = BigFont, .align = Qt::AlignRight | Qt::AlignTop},
    {.name = "Bezeichnung2", .kind = ControlKind::Label, .twips = {2640, 1560, 4815, 615}, .back = LightCyan, .fore = Black,
     .pointSize = BigFont},

    {.name = "Befehl1", .kind = ControlKind::Button, .twips = {240, 3000, 495, 495}, .pointSize = DigitFont, .caption = "1"},
    {.name = "Befehl2", .kind = ControlKind::Button, .twips = {840, 3000, 495, 495}, .pointSize = DigitFont, .caption = "2"},
    {.name = "Befehl3", .kind = ControlKind::Button, .twips = {1440, 3000, 495, 495}, .pointSize = DigitFont, .caption = "3"},
    {.name = "Befehl4", .kind = ControlKind::Button, .twips = {2040, 3000, 495, 495}, .pointSize = DigitFont, .caption = "4"},
    {.name = "Befehl5", .kind = ControlKind::Button, .twips = {2640, 3000, 495, 495}, .pointSize = DigitFont, .caption = "5"},
    {.name = "Befehl6", .kind = ControlKind::Button, .twips = {3240, 3000, 495, 495}, .pointSize = DigitFont, .caption = "6"},
    {.name = "Befehl7", .kind = ControlKind::Button, .twips = {3840, 3000, 495, 495}, .pointSize = DigitFont, .caption = "7"},
    {.name = "Befehl8", .kind = ControlKind::Button, .twips = {4440, 3000, 495, 495}, .pointSize = DigitFont, .caption = "8"},
    {.name = "Befehl9", .kind = ControlKind::Button, .twips = {5040, 3000, 495, 495}, .pointSize = DigitFont, .caption = "9"},
    {.name = "Befehl10", .kind = ControlKind::Button, .twips = {5640, 3000, 495, 495}, .pointSize = DigitFont, .caption = "0"},
    {.name = "Befehl18", .kind = ControlKind::Button, .twips = {6240, 3000, 615, 495}, .caption = "<---   "},
    {.name = "Befehl11", .kind = ControlKind::Button, .twips = {6960, 3000, 495, 495}, .caption = "OK"},

    // Storage, outside the client area.
    {.name = "Liste1", .kind = ControlKind::ListBox, .twips = {8400, 840, 2655, 2760}, .back = Cyan},
    {.name = "Bezeichnung5", .kind = ControlKind::Label, .twips = {8400, 3720, 2295, 255}, .caption = "Bezeichnung5"},
    {.name = "Bezeichnung6", .kind = ControlKind::Label, .twips = {8400, 4080, 2295, 255}, .caption = "Bezeichnung6"},
};

static_assert(onPixelGrid(Form1Controls));

}

std::span<const ControlSpec> Form1::controls()
{
    return Form1Controls;
}
