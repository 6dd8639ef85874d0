// The hint engine never teaches a wrong deduction: over a few thousand puzzles with one
// solution, every digit it places is the solution's and no cell ever loses its solution digit.
// The window climbs the full ladder, so it also finishes every one of them, and the famous hard
// puzzles and the bench's hard sets too, without the trial.
#include "core/board.hpp"
#include "core/solver.hpp"
#include "logic/hint_full.hpp"
#include "logic/hint_session.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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

/// Plays `puzzle` through the hint window, pressing Hint until the engine stops, and checks
/// before every press that each open cell keeps its solution digit and each placed cell holds
/// it. Returns the engine's counters of the second ladder, and whether all 81 cells were placed.
struct Playthrough
{
    bool solved = false;
    std::array<int, kFullTechniqueCount> fullTechniqueCount{};
};

Playthrough playThrough(const std::string &puzzle, const std::string &solution)
{
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
    Playthrough result;
    for (int press = 0; press < 1000 && engine.placedCount() < 81; ++press) {
        // Every open cell of the engine's grid still allows its solution digit.
        for (int e = 0; e < 81; ++e) {
            const int row = HintEngine::boardRow(e), col = HintEngine::boardCol(e);
            const int digit = solution[static_cast<std::size_t>((row - 1) * 9 + col - 1)] - '0';
            const DigitSet candidates = engine.candidates(e);
            if (engine.value(e) == 0) {
                EXPECT_FALSE(candidates.isEmpty()) << "cell " << row << col << " emptied";
            }
            if (!candidates.isEmpty()) {
                EXPECT_TRUE(candidates.has(digit)) << "cell " << row << col << " lost " << digit;
            }
            if (board.cell(row, col).state != CellState::Open) {
                EXPECT_EQ(board.cell(row, col).hxs, std::string(1, static_cast<char>('0' + digit)))
                    << "cell " << row << col;
            }
        }
        if (::testing::Test::HasFailure())
            return result;
        const bool carryOut = engine.hintShown() || engine.pendingPlacement();
        window.bthintClick();
        if (!carryOut && !engine.hintShown() && !engine.pendingPlacement())
            break; // the ladder found nothing more (or everything is placed)
    }
    result.solved = engine.placedCount() == 81;
    result.fullTechniqueCount = engine.fullTechniqueCount();
    return result;
}

TEST(HintEngineSoundness, NeverPlacesAWrongDigitNorDropsTheSolutionsDigit)
{
    std::mt19937 rng(4242);
    int solved = 0;
    const int puzzles = 2000;
    for (int n = 0; n < puzzles; ++n) {
        std::string solution;
        const std::string puzzle = uniquePuzzle(rng, n % 2 == 0 ? 17 : 26 + n % 10, solution);
        const Playthrough run = playThrough(puzzle, solution);
        ASSERT_FALSE(::testing::Test::HasFailure());
        solved += run.solved ? 1 : 0;
    }
    // The second ladder ends in forcing chains and a trial, so no one-solution puzzle is left.
    EXPECT_EQ(solved, puzzles);
}

/// The puzzles of a file of bench/data (one a line, '#' lines skipped), every `stride`-th one.
std::vector<std::string> benchPuzzles(const std::string &name, int stride)
{
    std::vector<std::string> puzzles;
    std::ifstream in(std::string(KESTREL_BENCH_DATA_DIR) + "/" + name);
    int line = 0;
    for (std::string text; std::getline(in, text);) {
        if (text.size() < 81 || text[0] == '#')
            continue;
        if (line++ % stride == 0)
            puzzles.push_back(text.substr(0, 81));
    }
    return puzzles;
}

// The hardest puzzles the program is measured on: the forcing chains finish every one, so the
// trial that reads the solution is never reached. The famous ones and a sample of the others
// always run; KESTREL_FULL_SWEEP=1 runs every puzzle of the files.
TEST(HintEngineSoundness, FinishesTheHardSetsSoundlyWithoutTheTrial)
{
    const bool full = std::getenv("KESTREL_FULL_SWEEP") != nullptr;
    const struct
    {
        const char *file;
        int stride;
    } sets[] = {
        {"famous.txt", 1},
        {"hard.txt", full ? 1 : 30},
        {"qqwing_expert.txt", full ? 1 : 500},
    };
    for (const auto &set : sets) {
        SCOPED_TRACE(set.file);
        const std::vector<std::string> puzzles = benchPuzzles(set.file, set.stride);
        ASSERT_FALSE(puzzles.empty());
        for (const std::string &puzzle : puzzles) {
            const UniqueOutcome outcome = countSolutions(puzzle);
            ASSERT_EQ(outcome.result, UniqueResult::Unique) << puzzle;
            const Playthrough run = playThrough(puzzle, outcome.first);
            ASSERT_FALSE(::testing::Test::HasFailure());
            EXPECT_TRUE(run.solved) << puzzle;
            EXPECT_EQ(run.fullTechniqueCount[static_cast<std::size_t>(FullTechnique::Trial)], 0)
                << puzzle;
        }
    }
}

} // namespace
} // namespace kestrel
