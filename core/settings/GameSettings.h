#pragma once

#include <cstdint>

#include <array>

// The game's record of switches and values, held by the session for the whole run. Index 1 of the
// colour arrays is the left mouse button's side, index 2 the right's; index 0 is unused.
struct GameSettings
{
    std::array<float, 2> Rate{}; // line-removal densities: 0 horizontal, 1 vertical
    bool PrintModeFlag = false;
    bool ScreenModeFlag = false;
    bool CanColorChange = false;
    bool CanSelectButton = false;
    bool CanOpenFile = false;
    bool CanSearchButton = false;
    std::array<std::int16_t, 3> PaintColor{};   // the teacher's default colours
    std::array<std::int16_t, 3> CurrentColor{}; // the colours the two sides paint with now
    std::int16_t PaperSize = 0;                 // 9 A4, 12 B4, 13 B5
    std::int16_t Orientation = 0;               // 1 portrait, 2 landscape
    std::int16_t LineWidth = 0;                 // pen width of pattern lines: 1 or 2
    // The game's size in percent (ZoomSizes): the teacher's choice for the next start, and the
    // size this run was started at, which is smaller when the chosen one did not fit the screen.
    std::int16_t Zoom = 0;
    std::int16_t ZoomInEffect = 100; // not persisted; set by the start-up before the main window
    // Whether the check button also shows the unit squares and regions each side holds.
    bool ShowSquares = false;
};
