// The game's one pseudo-random generator.
#pragma once

#include <cstdint>
#include <functional>

namespace taremo {

class Random {
public:
    using Clock = std::function<std::uint64_t()>;

    // Starts from the same fixed state every time; `clock` feeds the reseeds.
    explicit Random(Clock clock = systemClock);
    Random(const Random&) = default;
    Random& operator=(const Random&) = default;
    // A generator of another kind (a fixed sequence, say) can stand in wherever one is drawn.
    virtual ~Random() = default;

    // A uniform value in [0, 1).
    virtual double next();

    // Mixes the clock into the state. Draws never repeat because of a reseed, even when the
    // clock has not moved since the last one.
    virtual void reseed();

    // Nanoseconds of the system clock.
    static std::uint64_t systemClock();

private:
    Clock m_clock;
    std::uint64_t m_state;
};

} // namespace taremo
