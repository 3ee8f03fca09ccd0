#include "season/RandomGenerator.h"

#include <bit>
#include <cstring>

double RandomGenerator::next()
{
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<double>(state_) / 16777216.0;
}

double RandomGenerator::reset()
{
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(-1.0f);
    state_ = (bits + (bits >> 24)) & 0xFFFFFFu;
    return next();
}

void RandomGenerator::seed(double value)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const std::int32_t high = static_cast<std::int32_t>(bits >> 32);
    const std::int32_t mixed = (high & 0xFFFF) ^ (high >> 16);  // arithmetic shift keeps the sign
    const std::uint32_t shifted = static_cast<std::uint32_t>(mixed) << 8;
    state_ = (state_ & 0xFF0000FFu) | shifted;
}
