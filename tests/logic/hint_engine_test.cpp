#include "logic/hint_engine.hpp"

#include "logic/hint_test_grid.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace kestrel {
namespace {

using test::HintFixture;
using test::HintGrid;

// A bank line: digits are givens, letters A..I are open cells with solution digits 1..9.
constexpr std::string_view kBankLine
    = "91DFH25C7FHBEC71DIE37AIDF2819F4GEBH38253A9G6D7D3H2F9AE371I6HDE2D6I2E3HGA2EH74AC9F";
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

/// Puts a puzzle on the board: digits as givens (or placed), every other cell open with `marks`.
void putPuzzle(TPICSD33 &board, std::string_view puzzle, std::string_view marks, CellState valueState)
{
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const char ch = puzzle[(row - 1) * 9 + col - 1];
            TPicNode &cell = board.cell(row, col);
            if (ch >= '1' && ch <= '9') {
                cell.state = valueState;
                cell.hxs = std::string(1, ch);
            } else {
                cell.state = CellState::Open;
                cell.hxs = std::string(marks);
            }
        }
    }
}

TEST(HintEngineFrame, EngineNumberingFollowsTheBoardColumnsOneFourSeven)
{
    const int boardColumns[9] = {1, 4, 7, 2, 5, 8, 3, 6, 9};
    for (int e = 0; e < 81; ++e) {
        SCOPED_TRACE(e);
        EXPECT_EQ(Tfrmsolover::boardRow(e), e / 9 + 1);
        EXPECT_EQ(Tfrmsolover::boardCol(e), boardColumns[e % 9]);
        EXPECT_EQ(Tfrmsolover::engineCell(Tfrmsolover::boardRow(e), Tfrmsolover::boardCol(e)), e);
    }
    HintFixture f;
    EXPECT_EQ(f.engine->cellName(4), "A5");
    EXPECT_EQ(f.engine->cellName(80), "I9");
    EXPECT_EQ(f.engine->cellName(1), "A4");
}

TEST(HintEngineFrame, PeersAreTheTwentyCellsOfRowColumnAndBoxAscending)
{
    HintFixture f;
    for (int e = 0; e < 81; ++e) {
        SCOPED_TRACE(e);
        const auto &peers = f.engine->peers(e);
        EXPECT_TRUE(std::is_sorted(peers.begin(), peers.end()));
        for (int p : peers) {
            const int r = Tfrmsolover::boardRow(e), c = Tfrmsolover::boardCol(e);
            EXPECT_TRUE(isPeer(r, c, Tfrmsolover::boardRow(p), Tfrmsolover::boardCol(p)));
        }
        EXPECT_EQ(std::adjacent_find(peers.begin(), peers.end()), peers.end());
    }
}

TEST(HintEngineFrame, UnitTextNamesTheUnitAndPaintsItCyan)
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
    HintFixture f;
    f.engine->highlightCell(0, kHintMagenta);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(f.engine->unitText(c.first, c.stride), c.text);
        EXPECT_EQ(f.painted(kHintCyan), c.cells);
        EXPECT_EQ(f.painted(kHintMagenta), "");
        const auto first = test::cellPos(std::string_view(c.cells).substr(0, 2));
        EXPECT_EQ(f.board->cell(first.row, first.col).hxsPanels[9].color, kHintCyan);
    }
}

TEST(HintEngineFrame, NakedSingleIsShownThenPlacedByTheSecondPress)
{
    HintFixture f;
    HintGrid().set("E5", "3").applyTo(*f.board);
    int moves = 0;
    f.engine->recordMove = [&] {
        ++moves;
    };

    f.engine->openWindow();
    EXPECT_EQ(f.engine->memoText, "E5只能是 3");
    EXPECT_EQ(f.painted(kHintMagenta), "E5");
    EXPECT_EQ(f.painted(kHintCyan), "");
    EXPECT_EQ(f.cell("E5").hxsPanels[3].color, kHintMagenta);
    EXPECT_EQ(f.engine->bthintCaption, "Do It For Me");
    EXPECT_EQ(f.engine->difficultyScore(), 10);
    EXPECT_EQ(f.engine->techniqueCount()[1], 1);
    EXPECT_EQ(f.cell("E5").state, CellState::Open) << "a hint changes the board only at the next press";

    f.engine->bthintClick();
    EXPECT_EQ(f.cell("E5").state, CellState::Placed);
    EXPECT_EQ(f.cell("E5").hxs, "3");
    EXPECT_EQ(f.cell("E5").caption, "3");
    EXPECT_EQ(f.cell("E5").fontColor, f.board->FONTColor2);
    EXPECT_FALSE(f.cell("E5").hxsPanels[3].visible);
    EXPECT_EQ(f.cell("E1").hxs, "12456789") << "the write-back shows the peers' candidates";
    EXPECT_EQ(f.cell("A1").hxs, "123456789");
    EXPECT_EQ(f.engine->bthintCaption, "Next Hint");
    EXPECT_EQ(f.engine->memoText, "");
    EXPECT_EQ(f.painted(kHintWhite).size(), 81u * 3 - 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(f.engine->placedCount(), 1);
}

TEST(HintEngineFrame, HiddenSinglesComeFirstInTheUnitOrderOfTheScan)
{
    struct Case
    {
        const char *name;
        std::function<void(HintGrid &)> build;
        const char *text;
        const char *cell;
    };
    auto rowI = [](HintGrid &g) {
        g.removeFromRow('I', '7', {"I2"});
    };
    auto column9 = [](HintGrid &g) {
        g.removeFromColumn(9, '2', {"A9"});
    };
    auto box9 = [](HintGrid &g) {
        g.removeFromBox("I9", '4', {"G7"});
    };
    auto rowH = [](HintGrid &g) {
        g.removeFromRow('H', '6', {"H1"});
    };
    auto column6 = [](HintGrid &g) {
        g.removeFromColumn(6, '8', {"B6"});
    };
    auto box8 = [](HintGrid &g) {
        g.removeFromBox("I5", '3', {"I5"});
    };
    const Case cases[] = {
        {"row I before column 9", [&](HintGrid &g) { column9(g), rowI(g); }, "在行I, I2 一定是 7",
         "I2"},
        {"column 9 before the box", [&](HintGrid &g) { box9(g), rowH(g), column9(g); },
         "在列9, A9 一定是 2", "A9"},
        {"box before row H", [&](HintGrid &g) { rowH(g), box9(g); }, "在右下九宫格, G7 一定是 4",
         "G7"},
        {"row H before column 6", [&](HintGrid &g) { column6(g), rowH(g); }, "在行H, H1 一定是 6",
         "H1"},
        {"column 6 before the bottom-middle box", [&](HintGrid &g) { box8(g), column6(g); },
         "在列6, B6 一定是 8", "B6"},
        {"lower digit of one unit",
         [&](HintGrid &g) {
             rowI(g);
             g.removeFromRow('I', '3', {"I8"});
         },
         "在行I, I8 一定是 3", "I8"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HintFixture f;
        HintGrid grid;
        grid.set("A1", "5"); // a naked single, found only after every hidden single
        c.build(grid);
        grid.applyTo(*f.board);
        f.engine->openWindow();
        EXPECT_EQ(f.engine->memoText, c.text);
        EXPECT_EQ(f.painted(kHintMagenta), c.cell);
        EXPECT_EQ(f.painted(kHintCyan).size(), 8u * 3 - 1);
        EXPECT_EQ(f.engine->difficultyScore(), 1);
        EXPECT_EQ(f.engine->bthintCaption, "Do It For Me");
    }
}

TEST(HintEngineFrame, PencilAndPaperModeIgnoresMarksAndWritesOnlyValues)
{
    const std::string puzzle(kBankLine);
    const std::string solution = solutionOf(kBankLine);
    // The first open cell gets one mark, its solution digit: it loads as a value.
    const std::size_t oneMark = puzzle.find_first_of("ABCDEFGHI");
    std::string withValue = puzzle;
    withValue[oneMark] = solution[oneMark];

    HintFixture marked;
    putPuzzle(*marked.board, puzzle, "12", CellState::Given);
    marked.board->cell(static_cast<int>(oneMark) / 9 + 1, static_cast<int>(oneMark) % 9 + 1).hxs
        = std::string(1, solution[oneMark]);
    marked.engine->isPencilAndPaperMode = [] {
        return true;
    };

    HintFixture plain;
    putPuzzle(*plain.board, withValue, "", CellState::Given);
    plain.engine->isPencilAndPaperMode = [] {
        return true;
    };

    const int givens = static_cast<int>(
        std::count_if(puzzle.begin(), puzzle.end(), [](char ch) { return ch <= '9'; }));
    marked.engine->openWindow();
    plain.engine->openWindow();
    EXPECT_EQ(marked.engine->placedCount(), givens + 1);
    EXPECT_EQ(marked.engine->memoText, plain.engine->memoText);

    for (int press = 0; press < 20; ++press) {
        marked.engine->bthintClick();
        plain.engine->bthintClick();
        ASSERT_EQ(marked.engine->memoText, plain.engine->memoText) << press;
    }
    int placed = 0;
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const TPicNode &cell = marked.board->cell(row, col);
            if (cell.state == CellState::Placed) {
                ++placed;
                EXPECT_EQ(cell.hxs[0], solution[(row - 1) * 9 + col - 1]);
            } else if (cell.state == CellState::Open && (row - 1) * 9 + col - 1 != static_cast<int>(oneMark)) {
                EXPECT_EQ(cell.hxs, "12") << "marks stay as the player wrote them";
            }
        }
    }
    EXPECT_EQ(placed, 10);
}

TEST(HintEngineFrame, CandidateModeLoadsMarksAsTheBoardShowsThem)
{
    // A candidate cell read after a placed peer keeps what its marks show; one read before
    // loses the digit.
    HintFixture f;
    HintGrid().given("A4", '5').applyTo(*f.board); // engine cell 1
    f.engine->loadFromBoard();
    EXPECT_EQ(f.cand("A1"), "12346789") << "engine cell 0 is read before A4";
    EXPECT_EQ(f.cand("A2"), "123456789") << "engine cell 3 is read after A4";
    EXPECT_EQ(f.cand("A4"), "");
    EXPECT_EQ(f.engine->placedCount(), 1);
    EXPECT_EQ(f.engine->boxOpen()[1], 511 & ~(1 << 4));
}

TEST(HintEngineFrame, ReopeningReloadsSoEliminationsNotCarriedOutAreFoundAgain)
{
    HintFixture f;
    HintGrid().removeFromBox("A1", '5', {"A1", "A2"}).applyTo(*f.board);
    int moves = 0;
    f.engine->recordMove = [&] {
        ++moves;
    };

    f.engine->openWindow();
    const std::string first = f.engine->memoText;
    EXPECT_EQ(first, "在左上九宫格, 单元格 A1, A2 中一定包含 5");
    EXPECT_EQ(f.cand("A9"), "12346789");
    EXPECT_EQ(f.cell("A9").hxs, "123456789");

    f.engine->openWindow();
    EXPECT_EQ(f.engine->memoText, first);
    EXPECT_EQ(f.engine->difficultyScore(), 5) << "the score restarts at every opening";
    EXPECT_EQ(f.engine->techniqueCount()[2], 2) << "the counters do not";

    f.engine->bthintClick();
    EXPECT_EQ(f.engine->memoText, "");
    EXPECT_EQ(f.cell("A9").hxs, "12346789");
    EXPECT_EQ(f.engine->bthintCaption, "Next Hint");
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(f.painted(kHintMagenta), "");
}

TEST(HintEngineFrame, FinalTexts)
{
    const std::string solution = solutionOf(kBankLine);
    std::string oneEmpty = solution;
    oneEmpty[40] = '.';

    struct Case
    {
        const char *name;
        std::string puzzle;
        bool pencilAndPaper;
        std::string_view text;
        int score;
    };
    const Case cases[] = {
        {"full board", solution, false, kHintSolvedText, 0},
        {"open cell without candidates", oneEmpty, false, kHintNoSolutionText, 0},
        {"ladder exhausted", std::string(kEasterMonster), true, kHintStuckText, 800},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HintFixture f;
        putPuzzle(*f.board, c.puzzle, "", CellState::Placed);
        f.engine->isPencilAndPaperMode = [&] {
            return c.pencilAndPaper;
        };
        f.engine->openWindow();
        EXPECT_EQ(f.engine->memoText, c.text);
        EXPECT_FALSE(f.engine->hintShown());
        EXPECT_EQ(f.engine->difficultyScore(), c.score);
        f.engine->bthintClick();
        EXPECT_EQ(f.engine->memoText, c.text) << "pressing again repeats the result";
        EXPECT_EQ(f.engine->difficultyScore(), 2 * c.score);
        EXPECT_EQ(f.engine->bthintCaption, "Next Hint");
    }
}

TEST(HintEngineFrame, ButtonTextsComeFromTheLanguageLookup)
{
    HintFixture f;
    HintGrid().set("E5", "3").applyTo(*f.board);
    f.engine->lookup = [](std::string_view key) {
        return "<" + std::string(key) + ">";
    };
    f.engine->FormCreate();
    EXPECT_EQ(f.engine->caption, "<frmsolover.caption>");
    EXPECT_EQ(f.engine->button2Caption, "<frmsolover.button2.caption>");
    EXPECT_EQ(f.engine->bthintCaption, "<frmsolover.nexthint>");
    f.engine->showNextHint();
    EXPECT_EQ(f.engine->bthintCaption, "<frmsolover.doitforme>");
    f.engine->bthintClick();
    EXPECT_EQ(f.engine->bthintCaption, "<frmsolover.nexthint>");

    HintFixture solved;
    putPuzzle(*solved.board, solutionOf(kBankLine), "", CellState::Given);
    solved.engine->lookup = [&](std::string_view key) {
        return std::string(key);
    };
    solved.engine->showNextHint();
    EXPECT_EQ(solved.engine->memoText, kHintSolvedText) << "the result replaces the waiting text";
}

} // namespace
} // namespace kestrel
