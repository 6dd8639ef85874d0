#pragma once
// Uniform random integers for the program's random choices (puzzle shuffles, bank draws).
// An interface so that tests can script the draws.

#include <cstdint>
#include <random>

namespace kestrel {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    /// A uniformly drawn integer in lo..hi (both included; lo <= hi).
    virtual int between(int lo, int hi) = 0;
};

/// Mersenne twister behind the RandomSource interface.
class MersenneRandom final : public RandomSource
{
public:
    /// Seeded from the clock and the system's entropy source.
    MersenneRandom();
    explicit MersenneRandom(std::uint64_t seed) : m_engine(seed) { }
    int between(int lo, int hi) override;

private:
    std::mt19937_64 m_engine;
};

} // namespace kestrel
