#pragma once

class RandomSequence;
class Surface;
struct GameSettings;

// The fine 16 x 12 grid drawn one cell wall at a time, each wall kept at random: a horizontal
// wall when its number is below Rate[0], a vertical one below Rate[1]. Restarts the sequence
// from the clock, then takes exactly 356 numbers: horizontal walls column by column, then
// vertical walls row by row, one number per wall whether it is drawn or not.
void makeLineRemoval(Surface &board, Surface &strip, const GameSettings &settings,
                     RandomSequence &random);
