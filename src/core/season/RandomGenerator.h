#pragma once

#include <cstdint>

// The generator of the random weekly winners: a 24-bit linear congruential generator that can be
// put back into a fixed state and seeded, so that a seed always gives the same sequence.
class RandomGenerator {
public:
    static constexpr std::uint32_t StartState = 0x50000;

    RandomGenerator() = default;
    explicit RandomGenerator(std::uint32_t state) : state_(state) {}

    // Puts the generator into its fixed state (derived from -1.0) and returns the number that
    // this yields.
    double reset();
    // Mixes a seed value into the state; the next number depends on it.
    void seed(double value);
    // The next uniform number in [0, 1).
    double next();

    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = StartState;
};
