#pragma once

class RandomSequence;
class Surface;
struct GameSettings;

// Nine straight lines at random: five from the top edge to the bottom edge, then four from the
// left edge to the right edge. Continues the sequence without restarting it and takes exactly
// 18 numbers from it, each line's first end before its second.
void makeRandomLines(Surface &board, Surface &strip, const GameSettings &settings,
                     RandomSequence &random);
