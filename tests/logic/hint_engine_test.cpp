// The engine on its own: numbering, loading, how a step ends, its values grid and its
// highlights, all without a board.
#include "logic/hint_engine.hpp"

#include "logic/hint_test_grid.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kestrel {
namespace {

using test::EngineFixture;
using test::HintGrid;

// A bank line: digits are givens, letters A..I are open cells with solution digits 1..9.
constexpr std::string_view kBankLine
    = "91DFH25C7FHBEC71DIE37AIDF2819F4GEBH38253A9G6D7D3H2F9AE371I6HDE2D6I2E3HGA2EH74AC9F";
// A Tough bank line: singles, a box/line intersection and a one-digit chain.
constexpr std::string_view kToughLine
    = "196GB3ED828G4EAIFCEDC8F9B173AHFD5GBI7FD9CBAH5IE2A7H43FD35BH76IA6G13ID85B82IEA6C7D";
constexpr std::string_view kEasterMonster
    = "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";

std::string solutionOf(std::string_view bankLine)
{
    std::string digits(bankLine);
    for (char &ch : digits) {
        if (ch >= 'A' && ch <= 'I')
            ch = static_cast<char>('1' + (ch - 'A'));
    }
    return digits;
}

std::string puzzleOf(std::string_view bankLine)
{
    std::string puzzle(bankLine);
    for (char &ch : puzzle) {
        if (ch < '1' || ch > '9')
            ch = '.';
    }
    return puzzle;
}

/// A grid of a puzzle: digits hold values, every other cell is open with `marks`.
CandidateGrid gridOf(std::string_view puzzle, std::string_view marks)
{
    CandidateGrid grid{};
    for (int i = 0; i < 81; ++i) {
        const char ch = puzzle[i];
        if (ch >= '1' && ch <= '9')
            grid[i] = CandidateCell{true, ch - '0', DigitSet()};
        else
            grid[i].candidates = DigitSet::fromText(marks);
    }
    return grid;
}

std::string whiteCells(const HintEngine &engine)
{
    return test::cellNames([&](int row, int col) {
        return engine.highlight(HintEngine::engineCell(row, col)) == kHintWhite;
    });
}

TEST(HintEngineFrame, EngineNumberingFollowsTheBoardColumnsOneFourSeven)
{
    const int boardColumns[9] = {1, 4, 7, 2, 5, 8, 3, 6, 9};
    for (int e = 0; e < 81; ++e) {
        SCOPED_TRACE(e);
        EXPECT_EQ(HintEngine::boardRow(e), e / 9 + 1);
        EXPECT_EQ(HintEngine::boardCol(e), boardColumns[e % 9]);
        EXPECT_EQ(HintEngine::engineCell(HintEngine::boardRow(e), HintEngine::boardCol(e)), e);
    }
    EXPECT_EQ(HintEngine::cellName(4), "A5");
    EXPECT_EQ(HintEngine::cellName(80), "I9");
    EXPECT_EQ(HintEngine::cellName(1), "A4");
}

TEST(HintEngineFrame, PeersAreTheTwentyCellsOfRowColumnAndBoxAscending)
{
    EngineFixture f;
    for (int e = 0; e < 81; ++e) {
        SCOPED_TRACE(e);
        const auto &peers = f.engine->peers(e);
        EXPECT_TRUE(std::is_sorted(peers.begin(), peers.end()));
        for (int p : peers) {
            const int r = HintEngine::boardRow(e), c = HintEngine::boardCol(e);
            EXPECT_TRUE(isPeer(r, c, HintEngine::boardRow(p), HintEngine::boardCol(p)));
        }
        EXPECT_EQ(std::adjacent_find(peers.begin(), peers.end()), peers.end());
    }
}

TEST(HintEngineFrame, UnitTextNamesTheUnitAndHighlightsItCyan)
{
    struct Case
    {
        int first, stride;
        const char *text;
        const char *cells;
    };
    const Case cases[] = {
        {72, 1, "在行I", "I1 I2 I3 I4 I5 I6 I7 I8 I9"},
        {8, 9, "在列9", "A9 B9 C9 D9 E9 F9 G9 H9 I9"},
        {1, 9, "在列4", "A4 B4 C4 D4 E4 F4 G4 H4 I4"},
        {56, 3, "在右下九宫格", "G7 G8 G9 H7 H8 H9 I7 I8 I9"},
        {1, 3, "在中上九宫格", "A4 A5 A6 B4 B5 B6 C4 C5 C6"},
        {27, 3, "在左中九宫格", "D1 D2 D3 E1 E2 E3 F1 F2 F3"},
        {28, 3, "在中间九宫格", "D4 D5 D6 E4 E5 E6 F4 F5 F6"},
    };
    EngineFixture f;
    f.engine->highlightCell(0, kHintMagenta);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(f.engine->unitText(c.first, c.stride), c.text);
        EXPECT_EQ(f.painted(kHintCyan), c.cells);
        EXPECT_EQ(f.painted(kHintMagenta), "");
    }
}

TEST(HintEngineLoad, ValuesOnlyIgnoresCandidatesAndWithCandidatesReadsThemInEngineOrder)
{
    // A4 (engine cell 1) holds 5; every open cell is marked "12" or with all digits.
    CandidateGrid marked = HintGrid().given("A4", '5').cells();
    CandidateGrid twoMarks = marked;
    for (CandidateCell &cell : twoMarks) {
        if (!cell.hasValue)
            cell.candidates = DigitSet::fromText("12");
    }
    EngineFixture f;

    f.engine->load(twoMarks, GridLoad::ValuesOnly);
    EXPECT_EQ(f.cand("A1"), "12346789") << "the marks are ignored";
    EXPECT_EQ(f.cand("A2"), "12346789") << "whatever the order the cells are read in";
    EXPECT_EQ(f.cand("I9"), "123456789");

    f.engine->load(marked, GridLoad::WithCandidates);
    EXPECT_EQ(f.cand("A1"), "12346789") << "engine cell 0 is read before A4";
    EXPECT_EQ(f.cand("A2"), "123456789") << "engine cell 3 is read after A4";
    f.engine->load(twoMarks, GridLoad::WithCandidates);
    EXPECT_EQ(f.cand("I9"), "12");

    for (GridLoad how : {GridLoad::ValuesOnly, GridLoad::WithCandidates}) {
        f.engine->load(marked, how);
        EXPECT_EQ(f.cand("A4"), "");
        EXPECT_EQ(f.engine->placedCount(), 1);
        EXPECT_EQ(f.engine->value(HintEngine::engineCell(1, 4)), 5);
        EXPECT_EQ(f.engine->boxOpen(1), DigitSet::all() & ~DigitSet::of(5));
        EXPECT_EQ(f.engine->valuesText(), "...5" + std::string(77, '.'));
    }

    // A cell that holds a value without a digit counts as placed and takes nothing away.
    CandidateGrid noDigit = marked;
    noDigit[80] = CandidateCell{true, 0, DigitSet()};
    f.engine->load(noDigit, GridLoad::WithCandidates);
    EXPECT_EQ(f.engine->placedCount(), 2);
    EXPECT_EQ(f.cand("I8"), "123456789");
    EXPECT_EQ(f.engine->valuesText()[80], '.');
}

TEST(HintEngineLoad, PuzzleTextLoadsItsValuesOnly)
{
    EngineFixture f;
    const std::string puzzle = puzzleOf(kBankLine);
    ASSERT_TRUE(f.engine->loadPuzzle(puzzle));
    EXPECT_EQ(f.engine->valuesText(), puzzle);
    EXPECT_EQ(f.engine->placedCount(), 81 - std::count(puzzle.begin(), puzzle.end(), '.'));

    EXPECT_FALSE(f.engine->loadPuzzle(puzzle.substr(1)));
    EXPECT_EQ(f.engine->valuesText(), puzzle) << "a text of another length loads nothing";
    ASSERT_TRUE(f.engine->loadPuzzle(std::string(81, '0')));
    EXPECT_EQ(f.engine->placedCount(), 0) << "\"0\" is an open cell";
}

TEST(HintEngineRun, EachStepEndsWithAnOutcomeValueAndItsText)
{
    const std::string solution = solutionOf(kBankLine);
    std::string oneEmpty = solution;
    oneEmpty[40] = '.';

    struct Case
    {
        const char *name;
        CandidateGrid grid;
        GridLoad how;
        HintOutcome outcome;
        std::string_view text; ///< empty: the text of a hint
        int score;
    };
    const Case cases[] = {
        {"full grid", gridOf(solution, ""), GridLoad::WithCandidates, HintOutcome::Solved,
         kHintSolvedText, 0},
        {"open cell without candidates", gridOf(oneEmpty, ""), GridLoad::WithCandidates,
         HintOutcome::NoSolution, kHintNoSolutionText, 0},
        {"ladder exhausted", gridOf(kEasterMonster, ""), GridLoad::ValuesOnly, HintOutcome::Stuck,
         kHintStuckText, 800},
        {"a hint", gridOf(puzzleOf(kBankLine), ""), GridLoad::ValuesOnly, HintOutcome::Found, "",
         1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EngineFixture f;
        f.engine->load(c.grid, c.how);
        EXPECT_EQ(f.engine->findNextHint(), c.outcome);
        EXPECT_EQ(f.engine->outcome(), c.outcome);
        EXPECT_EQ(f.engine->hintShown(), c.outcome == HintOutcome::Found);
        EXPECT_EQ(f.engine->difficultyScore(), c.score);
        if (c.outcome == HintOutcome::Found) {
            EXPECT_EQ(f.engine->text(), "在行I, I7 一定是 3");
            EXPECT_TRUE(f.engine->pendingPlacement());
            continue;
        }
        EXPECT_EQ(f.engine->text(), c.text);
        EXPECT_EQ(whiteCells(*f.engine).size(), 81u * 3 - 1) << "nothing is highlighted";
        EXPECT_EQ(f.engine->findNextHint(), c.outcome) << "asking again repeats the outcome";
        EXPECT_EQ(f.engine->difficultyScore(), 2 * c.score);
    }
}

TEST(HintEngineRun, SolvesAPuzzleInItsOwnValuesGridWithoutABoard)
{
    EngineFixture f;
    ASSERT_TRUE(f.engine->loadPuzzle(puzzleOf(kToughLine)));
    const std::string solution = solutionOf(kToughLine);
    int singles = 0;
    int removals = 0;
    while (f.engine->findNextHint() == HintOutcome::Found) {
        ASSERT_LT(singles + removals, 200);
        SCOPED_TRACE(f.engine->text());
        EXPECT_NE(f.painted(kHintMagenta), "") << "a hint highlights its conclusion";
        const std::string valuesBefore = f.engine->valuesText();
        const auto candidatesBefore = f.candidates();
        const bool single = f.engine->pendingPlacement();
        const int cell = f.engine->pendingCell();
        const int digit = f.engine->pendingDigit();
        f.engine->carryOut();
        EXPECT_FALSE(f.engine->hintShown());
        EXPECT_FALSE(f.engine->pendingPlacement());
        EXPECT_EQ(f.engine->text(), "");
        EXPECT_EQ(whiteCells(*f.engine).size(), 81u * 3 - 1) << "carrying out clears highlights";
        if (single) {
            ++singles;
            const int row = HintEngine::boardRow(cell), col = HintEngine::boardCol(cell);
            EXPECT_EQ(f.engine->value(cell), digit);
            EXPECT_EQ(f.engine->valuesText()[(row - 1) * 9 + col - 1],
                      solution[(row - 1) * 9 + col - 1]);
        } else {
            ++removals;
            EXPECT_EQ(f.engine->valuesText(), valuesBefore);
            EXPECT_EQ(f.candidates(), candidatesBefore) << "the removals were made when found";
        }
    }
    EXPECT_EQ(f.engine->outcome(), HintOutcome::Solved);
    EXPECT_EQ(f.engine->valuesText(), solution);
    EXPECT_EQ(singles, std::count_if(kToughLine.begin(), kToughLine.end(), [](char ch) {
                  return ch >= 'A' && ch <= 'I';
              }));
    EXPECT_EQ(removals, 2);
    EXPECT_EQ(f.engine->difficultyScore(), 120);
}

} // namespace
} // namespace kestrel
