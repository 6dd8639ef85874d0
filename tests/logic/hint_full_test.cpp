// The second ladder: each rung on its own is sound on real stuck positions and fires on some of
// them, the engine finishes every hard puzzle with it, and it says so instead of guessing on a
// puzzle with several solutions or with candidates that lost the solution.
#include "core/solver.hpp"
#include "logic/hint_engine.hpp"
#include "logic/hint_full.hpp"
#include "logic/hint_tool.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// Hard puzzles with one solution: ten well-known ones and a few of their variants.
constexpr std::array<std::string_view, 24> kHardPuzzles = {
    "..9.........67....382..........32...6......1..5......8.1.8.5......4...........3..",
    "..4....283...6.5...6..74..99...2.........7...4.7..9..6..36..75.68.....1.....3....",
    "........3....2.......8.......9..3.....7...24......65..16........2..5.8...3.7.....",
    "..4...8.......2...3....9............97......3....1.6......8...7.......32..164....",
    "358....6.....6..........2.11.6..9..4.3.....75.7...8....9.2.4.1.6.7..5..........93",
    "....7.....5....1.....69........8..6..2...5.9..41......9......7......24..8........",
    "7.......4...1....26.58...........3.........6..2.......3....6.7.....94........28..",
    "........1......8....4.......3.....7.....2..4.91..6.......7.5....8.1....3...4..6..",
    "....6.75.......6...8..5.4...7..24...86.......2..8.......14.2..9.4.....7......1..2",
    "..9.7.5...53..8..1..2.......8..17......3...89....4...2.3...4.2.........67..53.8..",
    ".3.5....1......6....4....7.....64.2...9..2.6....8....31.......998.1.......2..7...",
    ".4.7...........3......9.2..2.9.6.....8...............59.3.........5...87..6.....4",
    "..94......4...8...1...9.....3...9..2..75...6.5...1.4....57...9.....6.8...2...1..3",
    "9...8...1..4...57..5.......1..2.......6..78.....89...........5.3..9....2.....476.",
    ".2...7..........54........3...2.8...4....97..5.......1....1.....8....9..3...4....",
    ".8.2...166.....2..2...7.98..1..8..3....7.68....9.3.........9...3.5.6....4.8..5.7.",
    "........9..47.........3...6..8......1.7...4......62....3.......92......3...1..8..",
    "9..3.7...24....1..........8...97...146......9.3...6...6..4.23.5......61....7.....",
    "...........9.23....4....5...7..1............3.....6.92...47.1.....5.....6.2......",
    ".5.63..2.8.....1.36..2...54.....62.8.9..47..1.1........63..9..54......8....4.....",
    "....43..193........57..........1...3.6.3..79...8..76.2......1.6..5..8...7..6..82.",
    "3...6.518.2...........39.......1.6...5....8.27..4.8...537...........17...8.3....9",
    "...4...9..28.3.....3..1....4........7.9..6.........1.2....8.3..6......7..........",
    "....5..9...3...4......61.5....4.....69..........2.3..7...........27......5.....1.",
};

constexpr int gridIndex(int e)
{
    return (HintEngine::boardRow(e) - 1) * 9 + HintEngine::boardCol(e) - 1;
}

/// A position of a run, with the puzzle's solution.
struct StuckPosition
{
    MaskGrid masks{};
    ValueGrid values{};
    std::string solution;
};

/// Positions of full-ladder runs of the hard puzzles: every one where the described ladder was
/// stuck, and every eighth one besides (the described chains cover most small patterns, so
/// those show up mostly before the described ladder ends).
std::vector<StuckPosition> stuckPositions()
{
    std::vector<StuckPosition> positions;
    const auto engine = std::make_unique<HintEngine>();
    const auto described = std::make_unique<HintEngine>();
    for (const std::string_view puzzle : kHardPuzzles) {
        const std::string solution = countSolutions(puzzle).first;
        engine->setLadder(HintLadder::Full);
        engine->reset();
        engine->loadPuzzle(puzzle);
        for (int step = 0; step < 1000; ++step) {
            // The position before this step, as the described ladder would see it.
            CandidateGrid grid{};
            StuckPosition position;
            position.solution = solution;
            for (int e = 0; e < 81; ++e) {
                CandidateCell &cell = grid[static_cast<std::size_t>(gridIndex(e))];
                cell.hasValue = engine->value(e) != 0;
                cell.value = engine->value(e);
                cell.candidates = engine->candidates(e);
                position.masks[e] = engine->candidates(e).bits();
                position.values[e] = static_cast<std::uint8_t>(engine->value(e));
            }
            described->load(grid, GridLoad::WithCandidates);
            if (described->findNextHint() == HintOutcome::Stuck || step % 8 == 0)
                positions.push_back(position);
            if (engine->findNextHint() != HintOutcome::Found)
                break;
            engine->carryOut();
        }
    }
    return positions;
}

/// The deduction removes no solution digit and places only the solution's.
void expectSound(const StuckPosition &position, const Deduction &deduction)
{
    for (int e = 0; e < 81; ++e) {
        const int digit = position.solution[static_cast<std::size_t>(gridIndex(e))] - '0';
        EXPECT_FALSE(deduction.removals[e] & (1 << (digit - 1)))
            << HintEngine::cellName(e) << " loses its solution digit " << digit;
    }
    if (deduction.placeCell >= 0) {
        EXPECT_EQ(deduction.placeDigit,
                  position.solution[static_cast<std::size_t>(gridIndex(deduction.placeCell))]
                      - '0');
    }
    EXPECT_TRUE(deduction.removesSomething() || deduction.placeCell >= 0);
}

TEST(HintFullLadder, EveryRungIsSoundAndFiresOnRealPositions)
{
    static const std::vector<StuckPosition> positions = stuckPositions();
    ASSERT_GT(positions.size(), 50u);
    const auto scratch
        = std::unique_ptr<ForcingScratch, ForcingScratchDeleter>(makeForcingScratch());
    using Rung = std::function<bool(const StuckPosition &, Deduction &)>;
    struct Case
    {
        const char *name;
        Rung find;
    };
    const Case cases[] = {
        {"remote pair",
         [](const StuckPosition &p, Deduction &d) {
             return findRemotePair(p.masks, d);
         }},
        {"x-wing",
         [](const StuckPosition &p, Deduction &d) {
             return findFish(p.masks, 2, d);
         }},
        {"swordfish",
         [](const StuckPosition &p, Deduction &d) {
             return findFish(p.masks, 3, d);
         }},
        {"jellyfish",
         [](const StuckPosition &p, Deduction &d) {
             return findFish(p.masks, 4, d);
         }},
        {"skyscraper",
         [](const StuckPosition &p, Deduction &d) {
             return findSkyscraper(p.masks, d);
         }},
        {"kite",
         [](const StuckPosition &p, Deduction &d) {
             return findTwoStringKite(p.masks, d);
         }},
        {"colouring",
         [](const StuckPosition &p, Deduction &d) {
             return findSimpleColouring(p.masks, d);
         }},
        {"xy-wing",
         [](const StuckPosition &p, Deduction &d) {
             return findXYWing(p.masks, d);
         }},
        {"xyz-wing",
         [](const StuckPosition &p, Deduction &d) {
             return findXYZWing(p.masks, d);
         }},
        {"w-wing",
         [](const StuckPosition &p, Deduction &d) {
             return findWWing(p.masks, d);
         }},
        {"grouped aic",
         [](const StuckPosition &p, Deduction &d) {
             return findGroupedAic(p.masks, d);
         }},
        {"als-xz",
         [](const StuckPosition &p, Deduction &d) {
             return findAlsXz(p.masks, d);
         }},
        {"forcing",
         [&scratch](const StuckPosition &p, Deduction &d) {
             return findForcingChain(p.masks, p.values, *scratch, d);
         }},
        {"dynamic forcing",
         [&scratch](const StuckPosition &p, Deduction &d) {
             return findDynamicForcingChain(p.masks, p.values, *scratch, d);
         }},
        {"nested forcing",
         [&scratch](const StuckPosition &p, Deduction &d) {
             return findNestedForcingChain(p.masks, p.values, *scratch, d);
         }},
        {"trial",
         [](const StuckPosition &p, Deduction &d) {
             return findTrial(p.masks, p.solution, d);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        int fired = 0;
        for (const StuckPosition &position : positions) {
            Deduction deduction;
            if (!c.find(position, deduction))
                continue;
            ++fired;
            expectSound(position, deduction);
        }
        EXPECT_GT(fired, 0) << "never fired on " << positions.size() << " positions";
    }
}

TEST(HintFullLadder, FinishesEveryHardPuzzleWithItsSolution)
{
    for (const std::string_view puzzle : kHardPuzzles) {
        SCOPED_TRACE(puzzle);
        const GradeResult described = gradePuzzle(puzzle);
        const GradeResult full = gradePuzzle(puzzle, HintLadder::Full);
        EXPECT_EQ(full.status, GradeStatus::Solved);
        EXPECT_EQ(full.cells, countSolutions(puzzle).first);
        // The described ladder's steps come first and are counted alike.
        EXPECT_GE(full.difficultyScore,
                  described.status == GradeStatus::Solved ? described.difficultyScore : 0);
        EXPECT_NE(full.hardestTechnique, "none");
        // The forcing chains leave the trial nothing to do.
        EXPECT_EQ(full.fullTechniqueCount[static_cast<std::size_t>(FullTechnique::Trial)], 0);
    }
}

TEST(HintFullLadder, SaysWhatItFoundInsteadOfGuessing)
{
    // The first hard puzzle without its first clue has several solutions.
    std::string several(kHardPuzzles[0]);
    several[2] = '.';
    ASSERT_EQ(countSolutions(several).result, UniqueResult::Several);
    const auto engine = std::make_unique<HintEngine>();
    engine->setLadder(HintLadder::Full);
    engine->loadPuzzle(several);
    HintOutcome outcome = HintOutcome::Found;
    for (int step = 0; step < 1000 && outcome == HintOutcome::Found; ++step) {
        outcome = engine->findNextHint();
        engine->carryOut();
    }
    EXPECT_EQ(outcome, HintOutcome::SeveralSolutions);

    // Candidates that lost the solution's digit are reported, not taught from.
    const std::string_view puzzle = kHardPuzzles[0];
    const std::string solution = countSolutions(puzzle).first;
    CandidateGrid grid{};
    for (int i = 0; i < 81; ++i) {
        grid[static_cast<std::size_t>(i)].hasValue = puzzle[static_cast<std::size_t>(i)] != '.';
        grid[static_cast<std::size_t>(i)].value = grid[static_cast<std::size_t>(i)].hasValue
            ? puzzle[static_cast<std::size_t>(i)] - '0'
            : 0;
        grid[static_cast<std::size_t>(i)].candidates = DigitSet::all();
    }
    const std::size_t open = puzzle.find('.');
    grid[open].candidates = DigitSet::all();
    grid[open].candidates.remove(solution[open] - '0');
    engine->reset();
    engine->load(grid, GridLoad::WithCandidates);
    outcome = HintOutcome::Found;
    for (int step = 0; step < 1000 && outcome == HintOutcome::Found; ++step) {
        outcome = engine->findNextHint();
        engine->carryOut();
    }
    EXPECT_EQ(outcome, HintOutcome::NoSolution);
}

} // namespace
} // namespace kestrel
