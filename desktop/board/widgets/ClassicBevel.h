#pragma once

#include <QPalette>

// The four shades of the classic bevelled edges (white, light grey, grey, black) for qDrawWinPanel,
// so that the board's, the strip's and the swatches' edges look the same under every widget style.
QPalette classicBevelPalette();
