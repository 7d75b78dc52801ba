#pragma once

#include <cstdint>

// The colour a side's swatch steps to: the next palette index, once more if that is the other
// side's colour, and 1 after 15, so black (0) is never reached by stepping. The skip comes before
// the wrap, so 15 against 1 gives 1. Used for the sides' current colours and the teacher's
// default colours alike.
std::int16_t colorStep(std::int16_t current, std::int16_t other);
