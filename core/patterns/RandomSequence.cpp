#include "core/patterns/RandomSequence.h"

#include <chrono>
#include <utility>

std::uint32_t systemClockSeed()
{
    // A browser's clock moves in milliseconds, or coarser: a count of the restarts, spread over
    // the bits, keeps two restarts in one tick of the clock apart.
    static std::uint32_t restarts = 0;
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    return static_cast<std::uint32_t>(bits ^ (bits >> 32)) ^ (++restarts * 0x9e3779b9U);
}

RandomSequence::RandomSequence()
    : RandomSequence(systemClockSeed)
{}

RandomSequence::RandomSequence(SeedClock clock)
    : m_clock(std::move(clock))
{
    restart();
}

float RandomSequence::next()
{
    // std::generate_canonical may round up to 1.0f; the top 24 bits of a draw never do.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(m_engine() >> 8) * scale;
}

void RandomSequence::restart()
{
    seed(m_clock());
}

void RandomSequence::seed(std::uint32_t value)
{
    m_engine.seed(value);
}
