#pragma once

// Marks a function whose loops work in vector registers so that on x86-64 it is also compiled
// for AVX2, the copy being chosen when the program starts on a CPU that has it. Only for
// functions of internal linkage: clang wants the mark on every declaration of the function.
//
// The AVX2 copy uses the VEX encoding, and that is the point more than its wider registers: Qt's
// own AVX2 routines (QImage::fill, QPainter) leave the upper halves of the vector registers
// marked in use, and on some CPUs every SSE instruction that writes a register then also waits
// for that register's previous value, which makes a loop of loads and compares about three times
// slower. The AVX2 copy neither suffers from this nor leaves it behind (it clears the upper
// halves on return).
//
// MORVANE_PLAIN_ONLY builds the plain copy alone, to compare it with other builds.
#if defined(__x86_64__) && defined(__linux__) && !defined(MORVANE_PLAIN_ONLY)
#define MORVANE_ALSO_FOR_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define MORVANE_ALSO_FOR_AVX2
#endif
