#include "memory/form5.h"

#include <array>

namespace {

constexpr QColor LightCyan(128, 255, 255);
constexpr QColor CardBlue(0, 0, 192);
constexpr QColor White(255, 255, 255);
constexpr double CounterFont = 9.75;
constexpr double CardFont = 13.5;

constexpr const char *CardNames[Form5::CardCount] = {
    "Bezeichnung1",  "Bezeichnung2",  "Bezeichnung3",  "Bezeichnung4",  "Bezeichnung5",
    "Bezeichnung6",  "Bezeichnung7",  "Bezeichnung8",  "Bezeichnung9",  "Bezeichnung10",
    "Bezeichnung11", "Bezeichnung12", "Bezeichnung13", "Bezeichnung14", "Bezeichnung15",
    "Bezeichnung16", "Bezeichnung17", "Bezeichnung18",
};

// Card k lies in column (k - 1) mod 6 and row (k - 1) div 6.
constexpr ControlSpec card(int k)
{
    const int column = (k - 1) % 6;
    const int row = (k - 1) / 6;
    return {.name = CardNames[k - 1],
            .kind = ControlKind::Label,
            .twips = {480 + 840 * column, 1080 + 1320 * row, 615, 1095},
            .back = CardBlue,
            .fore = White,
            .pointSize = CardFont,
            .flags = ControlFlag::Border | ControlFlag::WordWrap};
}

constexpr std::array<ControlSpec, 23> makeControls()
{
    std::array<ControlSpec, 23> table = {{
        {.name = "Figur1", .kind = ControlKind::Shape, .twips = {240, 840, 5295, 4215}},
        {.name = "Befehl1",
         .kind = ControlKind::Button,
         .twips = {240, 120, 855, 495},
         .caption = "STOP"},
        {.name = "Bezeichnung19",
         .kind = ControlKind::Label,
         .twips = {1200, 120, 4335, 495},
         .back = LightCyan,
         .fore = CardBlue,
         .flags = ControlFlag::Border | ControlFlag::WordWrap},
        {.name = "Bezeichnung21",
         .kind = ControlKind::Label,
         .twips = {2160, 5160, 495, 255},
         .back = LightCyan,
         .pointSize = CounterFont,
         .align = Qt::AlignRight | Qt::AlignTop,
         .caption = "1"},
        {.name = "Bezeichnung20",
         .kind = ControlKind::Label,
         .twips = {2640, 5160, 1095, 255},
         .back = LightCyan,
         .pointSize = CounterFont,
         .caption = ". Runde"},
    }};
    for (int k = 1; k <= Form5::CardCount; ++k)
        table[static_cast<size_t>(4 + k)] = card(k);
    return table;
}

constexpr std::array<ControlSpec, 23> Form5Controls = makeControls();

static_assert(onPixelGrid(Form5Controls));

}

std::span<const ControlSpec> Form5::controls()
{
    return Form5Controls;
}
