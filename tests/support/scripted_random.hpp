#pragma once
// A random source that replays a fixed list of draws, so a test decides every random choice.

#include "core/random_source.hpp"

#include <gtest/gtest.h>

#include <deque>

namespace kestrel {

class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::deque<int> draws) : m_draws(std::move(draws)) { }

    /// The next scripted draw; a draw outside lo..hi or past the script fails the test.
    int between(int lo, int hi) override
    {
        EXPECT_FALSE(m_draws.empty()) << "ran out of scripted draws";
        if (m_draws.empty())
            return lo;
        const int v = m_draws.front();
        m_draws.pop_front();
        EXPECT_GE(v, lo);
        EXPECT_LE(v, hi);
        return v;
    }

private:
    std::deque<int> m_draws;
};

} // namespace kestrel
