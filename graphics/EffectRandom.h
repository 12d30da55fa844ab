#pragma once
// A small seeded generator for effects that must repeat the same sequence at every step of a
// transition (the seed is the grid size): a 32-bit linear congruential generator.
#include <cstdint>

class TteRandom {
public:
    explicit TteRandom(std::uint32_t seed) : seed_(seed) {}

    // Uniform in 0 … range − 1; range > 0.
    int Next(int range)
    {
        seed_ = seed_ * 0x08088405u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(range)) >> 32);
    }

private:
    std::uint32_t seed_;
};
