#include "core/random_source.hpp"

#include <chrono>

namespace kestrel {

MersenneRandom::MersenneRandom()
{
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                      device(), device()};
    m_engine.seed(seq);
}

int MersenneRandom::between(int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(m_engine);
}

} // namespace kestrel
