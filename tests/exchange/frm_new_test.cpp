// The Import-or-create window as a player uses it: a puzzle typed or imported, checked, and
// handed over to the game.
#include "exchange/frm_new.hpp"

#include "app/language_table.hpp"
#include "exchange/frm_import.hpp"
#include "exchange/import_text.hpp"
#include "game/step_log.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

const std::string kSolution
    = "586139427943275168172684953314527689825396714697841235768952341431768592259413876";

class CreateWindow : public ::testing::Test
{
protected:
    CreateWindow()
    {
        english.load(Language::English);
        window.FormCreate();
    }

    // Pastes `text` into the Import window and presses OK.
    void importText(const std::string &text)
    {
        importer.applyLanguage();
        importer.setLines(splitImportLines(text));
        importer.okClick();
    }

    std::string lastInform() const
    {
        const std::vector<Shown> shown = fake.shownOfKind("inform");
        return shown.empty() ? std::string() : shown.back().text;
    }

    FakePlatform fake;
    LanguageTable english;
    TextLookup text = [this](std::string_view key) {
        return english.lookup(key);
    };
    Game game{fake.platform().dialogs, text};
    Tfrm_new window{fake.platform(), text, game};
    TfrmImport importer{fake.platform(), text, window.sdnew()};
};

TEST_F(CreateWindow, CheckReportsEachKindOfPuzzle)
{
    std::string duplicate = kSolution;
    std::swap(duplicate[0], duplicate[1]); // two equal digits in columns 1 and 2
    std::string conflicting = "55" + std::string(79, '.');
    struct Case
    {
        std::string name;
        std::string puzzle;
        CheckResult result;
        std::string message;
    };
    const Case cases[] = {
        {"full correct grid", kSolution, CheckResult::OneSolution, "Check OK"},
        {"full grid with a duplicate", duplicate, CheckResult::NoSolution,
         "Puzzle is not solvable"},
        {"several solutions", "1" + std::string(80, '.'), CheckResult::SeveralSolutions,
         "This puzzle has multiple solution"},
        {"conflicting clues", conflicting, CheckResult::NoSolution, "Puzzle is not solvable"},
        {"one solution",
         "086009000003200000002004903004000000005000700697041230008050001001760000059000006",
         CheckResult::OneSolution, "Check OK"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        importText(c.puzzle);
        const PuzzleCheck found = window.check();
        EXPECT_EQ(found.result, c.result);
        if (c.result == CheckResult::OneSolution) {
            EXPECT_EQ(found.solution, kSolution);
        }
        window.checkPuzzleClick();
        EXPECT_EQ(lastInform(), c.message);
    }
}

TEST_F(CreateWindow, InvalidTextIsRefusedAndTheBoardStaysAsItWas)
{
    importText(kSolution);
    const std::string before = takeSnapshot(window.sdnew());
    importText("not a sudoku");
    EXPECT_EQ(lastInform(), "Invalid format.");
    EXPECT_EQ(takeSnapshot(window.sdnew()), before);
    EXPECT_EQ(fake.windowCalls().back(), "close TfrmImport");
}

TEST_F(CreateWindow, CellPressesPutCluesOnAndTakeThemOff)
{
    window.candidatePress(1, 1, 5, MouseButton::Left);
    EXPECT_EQ(window.sdnew().cell(1, 1).hxs, "5");
    EXPECT_EQ(window.sdnew().cell(1, 1).state, CellState::Placed);
    EXPECT_EQ(window.sdnew().cell(1, 9).hxs, "12346789");
    window.candidatePress(2, 2, 7, MouseButton::Right);
    EXPECT_EQ(window.sdnew().cell(2, 2).hxs, "1234689");
    window.cellPress(1, 1, MouseButton::Left);
    EXPECT_EQ(window.sdnew().cell(1, 1).state, CellState::Open);
    EXPECT_EQ(window.sdnew().cell(1, 1).hxs, "123456789");
    EXPECT_EQ(window.sdnew().cell(1, 9).hxs, "123467895");
}

TEST_F(CreateWindow, PlayPuzzleStartsAGameOfUnknownLevel)
{
    importText("086009000003200000002004903004000000005000700697041230008050001001760000059000006");
    window.playPuzzleClick();
    const TPICSD33 &board = game.board();
    EXPECT_EQ(board.cell(1, 2).state, CellState::Given);
    EXPECT_EQ(board.cell(1, 2).hxs, "8");
    EXPECT_EQ(board.cell(1, 1).state, CellState::Open);
    EXPECT_EQ(board.cell(1, 1).hxs, ""); // computed candidates: Pencil and Paper, unmarked
    EXPECT_EQ(game.mode(), Mode::PencilAndPaper);
    EXPECT_EQ(game.record().solutionString(), kSolution);
    EXPECT_EQ(board.nd, Level::Unknown);
    EXPECT_EQ(game.levelText(), "  Level:Unknown");
    EXPECT_EQ(game.history().lines(), std::vector<std::string>{takeSnapshot(board)});
    EXPECT_EQ(game.clock().MS(), 0);
    EXPECT_TRUE(game.clock().timerenabled());
    EXPECT_EQ(fake.windowCalls().back(), "close Tfrm_new");
}

TEST_F(CreateWindow, EditedCandidatesAreKeptInAllCandidatesMode)
{
    // Example 4's candidates are the computed ones: taking one away makes them the
    // player's own.
    importText(joinImportLines(TfrmImport::exampleLines(4)));
    window.candidatePress(1, 2, 7, MouseButton::Right);
    window.playPuzzleClick();
    EXPECT_EQ(game.mode(), Mode::AllCandidates);
    EXPECT_EQ(game.board().cell(1, 1).state, CellState::Given);
    EXPECT_EQ(game.board().cell(1, 2).hxs, "1389");
    EXPECT_EQ(game.history().lines().size(), 1u);
}

TEST_F(CreateWindow, SeveralSolutionsAreHandedOverOnlyWhenThePlayerAgrees)
{
    importText("1" + std::string(80, '.'));
    fake.answerConfirm(false);
    window.playPuzzleClick();
    EXPECT_EQ(fake.lastShown().text,
              "This Puzzle has multiple solutions,Do you want to solve it anyway?");
    EXPECT_FALSE(game.hasPuzzle());

    fake.answerConfirm(true);
    window.playPuzzleClick();
    EXPECT_TRUE(game.hasPuzzle());
    EXPECT_EQ(game.record().solutionString(), "");
    EXPECT_EQ(game.record().node(1, 1).value, 1);
    EXPECT_EQ(game.record().node(1, 2).value, 0);
}

TEST_F(CreateWindow, UnsolvablePuzzleIsNotHandedOver)
{
    importText("55" + std::string(79, '.'));
    window.playPuzzleClick();
    EXPECT_EQ(lastInform(), "Puzzle is not solvable");
    EXPECT_FALSE(game.hasPuzzle());
}

TEST_F(CreateWindow, RepeatedImportedCandidatesReachTheGameOnce)
{
    // 82 clue digits: format 4; the last group repeats its digits.
    const std::string text = kSolution.substr(0, 80) + " 1 71717";
    importText(text);
    ASSERT_EQ(window.sdnew().cell(9, 9).hxs, "71717");
    fake.answerConfirm(true);
    window.playPuzzleClick();
    EXPECT_TRUE(isValidSnapshot(takeSnapshot(game.board()))) << takeSnapshot(game.board());
}

TEST_F(CreateWindow, LoadPuzzleTakesTheMainBoardsSingleDigits)
{
    importText("1" + std::string(80, '.'));
    fake.answerConfirm(true);
    window.playPuzzleClick();
    window.candidatePress(5, 5, 3, MouseButton::Left);
    window.loadPuzzleClick();
    EXPECT_EQ(window.sdnew().cell(1, 1).hxs, "1");
    EXPECT_EQ(window.sdnew().cell(1, 1).state, CellState::Placed);
    EXPECT_EQ(window.sdnew().cell(5, 5).state, CellState::Open);
    EXPECT_EQ(window.sdnew().cell(1, 2).hxs, "23456789");
}

TEST_F(CreateWindow, ClearGridAsksFirst)
{
    importText(kSolution);
    fake.answerConfirm(false);
    window.clearGridClick();
    EXPECT_EQ(window.sdnew().cell(1, 1).hxs, "5");
    fake.answerConfirm(true);
    window.clearGridClick();
    EXPECT_EQ(window.sdnew().cell(1, 1).hxs, "123456789");
    EXPECT_EQ(fake.lastShown().text, "Clear the puzzle board,Sure?");
}

} // namespace
} // namespace kestrel
