#pragma once

#include <cstdint>

#include <functional>
#include <random>

// The program's one sequence of random numbers, shared by every pattern that needs chance. The
// random-lines pattern continues it; the line-removal pattern restarts it from the clock first.
class RandomSequence
{
public:
    // Where restart takes its seed from; tests pass a clock of their own.
    using SeedClock = std::function<std::uint32_t()>;

    // Seeded from the system clock, so every run starts somewhere new.
    RandomSequence();
    explicit RandomSequence(SeedClock clock);

    // Uniform in [0, 1), strictly below 1: 24 random bits scaled by 2^-24 are exact in a float.
    float next();

    // Starts the sequence anew from a seed read from the clock.
    void restart();

    // Starts the sequence anew from a given seed; restart is seed(clock()).
    void seed(std::uint32_t value);

private:
    SeedClock m_clock;
    std::mt19937 m_engine;
};

// The system clock folded into 32 bits, with the number of calls mixed in: two restarts a moment
// apart differ, also where the clock moves in milliseconds.
std::uint32_t systemClockSeed();
