#pragma once

#include <cstdint>

// Which of the teacher dialog's option buttons stands for a printer code, and back. Paper options:
// 0 "B5" (13), 1 "A4" (9), 2 "B4" (12); a paper the game does not know shows as "B4".
// Orientation options: 0 "縦方向" (1), 1 "横方向" (2); any other code shows as portrait.
namespace PrinterOptions {

constexpr int PaperOptionCount = 3;
constexpr int OrientationOptionCount = 2;

int paperOption(int paperCode);
// Precondition: 0 <= option < PaperOptionCount.
std::int16_t paperCode(int option);

int orientationOption(int orientationCode);
// Precondition: 0 <= option < OrientationOptionCount.
std::int16_t orientationCode(int option);

} // namespace PrinterOptions
