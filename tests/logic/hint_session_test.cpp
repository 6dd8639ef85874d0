// The hint window on the main board: loading from the board in both modes, the press logic,
// what it paints and writes on the board, its captions and its texts.
#include "logic/hint_session.hpp"

#include "app/language_table.hpp"
#include "logic/hint_test_grid.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace kestrel {
namespace {

using test::HintGrid;
using test::SessionFixture;

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
void putPuzzle(TPICSD33 &board, std::string_view puzzle, std::string_view marks,
               CellState valueState)
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

TEST(HintWindow, NakedSingleIsShownThenPlacedByTheSecondPress)
{
    SessionFixture f;
    HintGrid().set("E5", "3").applyTo(*f.board);
    int moves = 0;
    f.window->recordMove = [&] {
        ++moves;
    };

    f.window->openWindow();
    EXPECT_EQ(f.window->memoText, "E5只能是 3");
    EXPECT_EQ(f.painted(kHintMagenta), "E5");
    EXPECT_EQ(f.painted(kHintCyan), "");
    EXPECT_EQ(f.cell("E5").hxsPanels[3].color, kHintMagenta);
    EXPECT_EQ(f.window->bthintCaption, "Do It For Me");
    EXPECT_EQ(f.window->engine().difficultyScore(), 10);
    EXPECT_EQ(f.window->engine().techniqueCount()[1], 1);
    EXPECT_EQ(f.cell("E5").state, CellState::Open)
        << "a hint changes the board only at the next press";

    f.window->bthintClick();
    EXPECT_EQ(f.cell("E5").state, CellState::Placed);
    EXPECT_EQ(f.cell("E5").hxs, "3");
    EXPECT_EQ(f.cell("E5").caption, "3");
    EXPECT_EQ(f.cell("E5").fontColor, f.board->FONTColor2);
    EXPECT_FALSE(f.cell("E5").hxsPanels[3].visible);
    EXPECT_EQ(f.cell("E1").hxs, "12456789") << "the write-back shows the peers' candidates";
    EXPECT_EQ(f.cell("A1").hxs, "123456789");
    EXPECT_EQ(f.window->bthintCaption, "Next Hint");
    EXPECT_EQ(f.window->memoText, "");
    EXPECT_EQ(f.painted(kHintWhite).size(), 81u * 3 - 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(f.window->engine().placedCount(), 1);
}

TEST(HintWindow, HiddenSinglesComeFirstInTheUnitOrderOfTheScan)
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
        SessionFixture f;
        HintGrid grid;
        grid.set("A1", "5"); // a naked single, found only after every hidden single
        c.build(grid);
        grid.applyTo(*f.board);
        f.window->openWindow();
        EXPECT_EQ(f.window->memoText, c.text);
        EXPECT_EQ(f.painted(kHintMagenta), c.cell);
        EXPECT_EQ(f.painted(kHintCyan).size(), 8u * 3 - 1);
        EXPECT_TRUE(f.panelsHaveTheirCellsColour());
        EXPECT_EQ(f.window->engine().difficultyScore(), 1);
        EXPECT_EQ(f.window->bthintCaption, "Do It For Me");
    }
}

TEST(HintWindow, PencilAndPaperModeIgnoresMarksAndWritesOnlyValues)
{
    const std::string puzzle(kBankLine);
    const std::string solution = solutionOf(kBankLine);
    // The first open cell gets one mark, its solution digit: it loads as a value.
    const std::size_t oneMark = puzzle.find_first_of("ABCDEFGHI");
    std::string withValue = puzzle;
    withValue[oneMark] = solution[oneMark];

    SessionFixture marked;
    putPuzzle(*marked.board, puzzle, "12", CellState::Given);
    marked.board->cell(static_cast<int>(oneMark) / 9 + 1, static_cast<int>(oneMark) % 9 + 1).hxs
        = std::string(1, solution[oneMark]);
    marked.window->isPencilAndPaperMode = [] {
        return true;
    };

    SessionFixture plain;
    putPuzzle(*plain.board, withValue, "", CellState::Given);
    plain.window->isPencilAndPaperMode = [] {
        return true;
    };

    const int givens = static_cast<int>(
        std::count_if(puzzle.begin(), puzzle.end(), [](char ch) { return ch <= '9'; }));
    marked.window->openWindow();
    plain.window->openWindow();
    EXPECT_EQ(marked.window->engine().placedCount(), givens + 1);
    EXPECT_EQ(marked.window->memoText, plain.window->memoText);

    for (int press = 0; press < 20; ++press) {
        marked.window->bthintClick();
        plain.window->bthintClick();
        ASSERT_EQ(marked.window->memoText, plain.window->memoText) << press;
    }
    int placed = 0;
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const TPicNode &cell = marked.board->cell(row, col);
            if (cell.state == CellState::Placed) {
                ++placed;
                EXPECT_EQ(cell.hxs[0], solution[(row - 1) * 9 + col - 1]);
            } else if (cell.state == CellState::Open
                       && (row - 1) * 9 + col - 1 != static_cast<int>(oneMark)) {
                EXPECT_EQ(cell.hxs, "12") << "marks stay as the player wrote them";
            }
        }
    }
    EXPECT_EQ(placed, 10);
}

TEST(HintWindow, CandidateModeLoadsMarksAsTheBoardShowsThem)
{
    // A candidate cell read after a placed peer keeps what its marks show; one read before
    // loses the digit.
    SessionFixture f;
    HintGrid().given("A4", '5').applyTo(*f.board); // engine cell 1
    f.window->loadFromBoard();
    EXPECT_EQ(f.cand("A1"), "12346789") << "engine cell 0 is read before A4";
    EXPECT_EQ(f.cand("A2"), "123456789") << "engine cell 3 is read after A4";
    EXPECT_EQ(f.cand("A4"), "");
    EXPECT_EQ(f.window->engine().placedCount(), 1);
    EXPECT_EQ(f.window->engine().boxOpen(1).bits(), 511 & ~(1 << 4));
}

TEST(HintWindow, ReopeningReloadsSoEliminationsNotCarriedOutAreFoundAgain)
{
    SessionFixture f;
    HintGrid().removeFromBox("A1", '5', {"A1", "A2"}).applyTo(*f.board);
    int moves = 0;
    f.window->recordMove = [&] {
        ++moves;
    };

    f.window->openWindow();
    const std::string first = f.window->memoText;
    EXPECT_EQ(first, "在左上九宫格, 单元格 A1, A2 中一定包含 5");
    EXPECT_EQ(f.cand("A9"), "12346789");
    EXPECT_EQ(f.cell("A9").hxs, "123456789");

    f.window->openWindow();
    EXPECT_EQ(f.window->memoText, first);
    EXPECT_EQ(f.window->engine().difficultyScore(), 5) << "the score restarts at every opening";
    EXPECT_EQ(f.window->engine().techniqueCount()[2], 2) << "the counters do not";

    f.window->bthintClick();
    EXPECT_EQ(f.window->memoText, "");
    EXPECT_EQ(f.cell("A9").hxs, "12346789");
    EXPECT_EQ(f.window->bthintCaption, "Next Hint");
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(f.painted(kHintMagenta), "");
}

TEST(HintWindow, FinalTexts)
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
        SessionFixture f;
        // The described ladder's final texts; the window's own ladder goes on past them.
        f.window->engine().setLadder(HintLadder::Described);
        putPuzzle(*f.board, c.puzzle, "", CellState::Placed);
        f.window->isPencilAndPaperMode = [&] {
            return c.pencilAndPaper;
        };
        f.window->openWindow();
        EXPECT_EQ(f.window->memoText, c.text);
        EXPECT_FALSE(f.window->engine().hintShown());
        EXPECT_EQ(f.window->engine().difficultyScore(), c.score);
        f.window->bthintClick();
        EXPECT_EQ(f.window->memoText, c.text) << "pressing again repeats the result";
        EXPECT_EQ(f.window->engine().difficultyScore(), 2 * c.score);
        EXPECT_EQ(f.window->bthintCaption, "Next Hint");
    }
}

TEST(HintWindow, ButtonTextsComeFromTheLanguageLookup)
{
    SessionFixture f;
    HintGrid().set("E5", "3").applyTo(*f.board);
    f.window->lookup = [](std::string_view key) {
        return "<" + std::string(key) + ">";
    };
    f.window->FormCreate();
    EXPECT_EQ(f.window->caption, "<frmsolover.caption>");
    EXPECT_EQ(f.window->button2Caption, "<frmsolover.button2.caption>");
    EXPECT_EQ(f.window->bthintCaption, "<frmsolover.nexthint>");
    f.window->openWindow();
    EXPECT_EQ(f.window->bthintCaption, "<frmsolover.doitforme>");
    f.window->bthintClick();
    EXPECT_EQ(f.window->bthintCaption, "<frmsolover.nexthint>");

    SessionFixture solved;
    putPuzzle(*solved.board, solutionOf(kBankLine), "", CellState::Given);
    solved.window->lookup = [&](std::string_view key) {
        return std::string(key);
    };
    solved.window->openWindow();
    EXPECT_EQ(solved.window->memoText, kHintSolvedText) << "the result replaces the waiting text";
}

/// Presses the button once and tells whether the press carried a hint out, which the window
/// records as a move of the history.
bool pressCarriesOut(SessionFixture &f, int &moves)
{
    const int before = moves;
    f.window->bthintClick();
    return moves == before + 1;
}

TEST(HintWindow, HintButtonSaysWhatItsNextPressDoesAsSoonAsTheWindowOpens)
{
    struct Case
    {
        const char *name;
        std::function<void(SessionFixture &)> position;
        bool carriesOut; ///< the first press carries the shown hint out
    };
    const auto single = [](SessionFixture &f) {
        HintGrid().set("E5", "3").applyTo(*f.board);
    };
    const auto removal = [](SessionFixture &f) {
        HintGrid().removeFromBox("A1", '5', {"A1", "A2"}).applyTo(*f.board);
    };
    const auto solved = [](SessionFixture &f) {
        putPuzzle(*f.board, solutionOf(kBankLine), "", CellState::Given);
    };
    const auto stuck = [](SessionFixture &f) {
        f.window->engine().setLadder(HintLadder::Described);
        putPuzzle(*f.board, kEasterMonster, "", CellState::Given);
        f.window->isPencilAndPaperMode = [] {
            return true;
        };
    };
    const Case cases[] = {
        {"a single", single, true},
        {"a hint that removes candidates", removal, true},
        {"a solved board", solved, false},
        {"a puzzle beyond the ladder", stuck, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SessionFixture f;
        int moves = 0;
        f.window->recordMove = [&] {
            ++moves;
        };
        f.window->lookup = [](std::string_view key) {
            return "<" + std::string(key) + ">";
        };
        f.window->FormCreate();
        // The window was last open on the other kind of position and closed without a press.
        (c.carriesOut ? solved : single)(f);
        f.window->openWindow();
        c.position(f);

        f.window->openWindow();
        EXPECT_EQ(f.window->bthintCaption,
                  c.carriesOut ? "<frmsolover.doitforme>" : "<frmsolover.nexthint>");
        const std::string shown = f.window->memoText;
        EXPECT_EQ(pressCarriesOut(f, moves), c.carriesOut);
        if (c.carriesOut)
            EXPECT_EQ(f.window->memoText, "") << "the hint is carried out, not explained again";
        else
            EXPECT_EQ(f.window->memoText, shown) << "the result is shown again";
        EXPECT_EQ(f.window->bthintCaption, "<frmsolover.nexthint>");
    }
}

TEST(HintWindow, StuckTextComesFromTheLanguageTable)
{
    for (Language language : {Language::Chinese, Language::English, Language::Japanese}) {
        SCOPED_TRACE(static_cast<int>(language));
        LanguageTable table;
        table.load(language);
        SessionFixture f;
        f.window->engine().setLadder(HintLadder::Described);
        putPuzzle(*f.board, kEasterMonster, "", CellState::Given);
        f.window->isPencilAndPaperMode = [] {
            return true;
        };
        f.window->lookup = [&](std::string_view key) {
            return table.lookup(key);
        };
        f.window->openWindow();
        EXPECT_EQ(f.window->engine().outcome(), HintOutcome::Stuck);
        EXPECT_EQ(f.window->memoText, table.lookup("frmsolover.stuck"));
        EXPECT_NE(f.window->memoText.find("techniques.htm"), std::string::npos);
        if (language == Language::Chinese)
            EXPECT_EQ(f.window->memoText, kHintStuckText);
        else
            EXPECT_NE(f.window->memoText, kHintStuckText);
    }
}

} // namespace
} // namespace kestrel
