// The hint engine never teaches a wrong deduction: over a few thousand puzzles with one
// solution, every digit it places is the solution's and no cell ever loses its solution digit.
// The window climbs the full ladder, so it also finishes every one of them.
#include "core/board.hpp"
#include "core/solver.hpp"
#include "logic/hint_session.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kestrel {
namespace {

/// A puzzle with exactly one solution, thinned from a random grid while it stays unique.
/// `keepAtLeast` stops the thinning early, for easier puzzles.
std::string uniquePuzzle(std::mt19937 &rng, int keepAtLeast, std::string &solution)
{
    while (true) {
        std::string seed(81, '.');
        for (int i = 0; i < 11; ++i)
            seed[rng() % 81] = static_cast<char>('1' + rng() % 9);
        const UniqueOutcome grid = countSolutions(seed);
        if (grid.result != UniqueResult::Unique && grid.result != UniqueResult::Several)
            continue;
        solution = grid.first;
        std::string puzzle = solution;
        std::vector<int> order(81);
        for (int i = 0; i < 81; ++i)
            order[static_cast<std::size_t>(i)] = i;
        std::shuffle(order.begin(), order.end(), rng);
        int clues = 81;
        for (const int k : order) {
            if (clues <= keepAtLeast)
                break;
            const char kept = puzzle[static_cast<std::size_t>(k)];
            puzzle[static_cast<std::size_t>(k)] = '.';
            if (countSolutions(puzzle).result == UniqueResult::Unique)
                --clues;
            else
                puzzle[static_cast<std::size_t>(k)] = kept;
        }
        return puzzle;
    }
}

TEST(HintEngineSoundness, NeverPlacesAWrongDigitNorDropsTheSolutionsDigit)
{
    std::mt19937 rng(4242);
    int solved = 0;
    const int puzzles = 2000;
    for (int n = 0; n < puzzles; ++n) {
        std::string solution;
        const std::string puzzle = uniquePuzzle(rng, n % 2 == 0 ? 17 : 26 + n % 10, solution);
        SCOPED_TRACE(puzzle);
        TPICSD33 board;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const char ch = puzzle[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
                board.cell(r, c).state = ch == '.' ? CellState::Open : CellState::Given;
                board.cell(r, c).hxs = ch == '.' ? std::string() : std::string(1, ch);
            }
        }
        Tfrmsolover window(board);
        window.isPencilAndPaperMode = [] {
            return true;
        };
        const HintEngine &engine = window.engine();
        window.openWindow();
        for (int press = 0; press < 400 && engine.placedCount() < 81; ++press) {
            // Every open cell of the engine's grid still allows its solution digit.
            for (int e = 0; e < 81; ++e) {
                const int row = HintEngine::boardRow(e), col = HintEngine::boardCol(e);
                const int digit = solution[static_cast<std::size_t>((row - 1) * 9 + col - 1)] - '0';
                const DigitSet candidates = engine.candidates(e);
                if (engine.value(e) == 0) {
                    ASSERT_FALSE(candidates.isEmpty()) << "cell " << row << col << " emptied";
                }
                if (!candidates.isEmpty()) {
                    ASSERT_TRUE(candidates.has(digit))
                        << "cell " << row << col << " lost " << digit;
                }
                if (board.cell(row, col).state != CellState::Open) {
                    ASSERT_EQ(board.cell(row, col).hxs,
                              std::string(1, static_cast<char>('0' + digit)))
                        << "cell " << row << col;
                }
            }
            const bool carryOut = engine.hintShown() || engine.pendingPlacement();
            window.bthintClick();
            if (!carryOut && !engine.hintShown() && !engine.pendingPlacement())
                break; // the ladder found nothing more (or everything is placed)
        }
        solved += engine.placedCount() == 81 ? 1 : 0;
    }
    // The second ladder ends in forcing chains and a trial, so no one-solution puzzle is left.
    EXPECT_EQ(solved, puzzles);
}

} // namespace
} // namespace kestrel
