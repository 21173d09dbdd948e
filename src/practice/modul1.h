#pragma once

#include <QString>

#include <array>
#include <cstdint>

class Platform;

// The texts of one task, as the main window shows them.
struct TaskTexts
{
    QString task; // e.g. " 4 7 · 8 =", always 10 characters
    QString tensPart; // e.g. "320"
    QString unitsPart; // e.g. "56"
};

// The practice state shared by the main window, the task generator and the Memory game.
struct Modul1
{
    // While a Memory game runs, this holds the game's card status: "1" per card still
    // hidden, "0" per card whose pair was found.
    QString TypedAnswer;
    QString ExpectedAnswer;
    std::int16_t ErrorCount = 0;
    std::int64_t CorrectCount = 0;
    int Factor = 0;
    int TensDigit = 0;
    int UnitsDigit = 0;
    int Product = 0;

    // Memory game: the number under card k is CardValues[k], k = 1..18.
    std::array<std::int16_t, 21> CardValues {};
    int FirstCard = 0;
    int SecondCard = 0;
    std::int16_t ClickedCard = 0;
};

// Draws the next task into state and returns the texts to show. Empties TypedAnswer.
TaskTexts NewTask(Modul1 &state, Platform &platform);

// The multiplication sign of the task texts.
inline constexpr char16_t MiddleDot = u'\u00B7';
