// The game's pseudo-random generator: splitmix64, a fixed start and clock reseeds.
#include "puzzle/random.h"

#include <chrono>

namespace taremo {

namespace {

constexpr std::uint64_t kStartState = 0x5EED0F7A2E3D0ULL;

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

Random::Random(Clock clock) : m_clock(std::move(clock)), m_state(kStartState) {}

double Random::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    // 53 random bits scaled into [0, 1): never reaches 1.
    return static_cast<double>(mix(m_state) >> 11) * 0x1.0p-53;
}

void Random::reseed()
{
    // The clock is folded into a state that keeps moving, so an unchanged clock still
    // leads to new values.
    m_state = mix(m_state ^ mix(m_clock())) + 0x9E3779B97F4A7C15ULL;
}

std::uint64_t Random::systemClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace taremo
