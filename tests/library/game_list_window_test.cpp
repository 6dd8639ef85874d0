// The game list: the grid, Delete and Rename with their questions and failures, and OK
// loading a saved game into the live game.
#include "library/game_list_window.hpp"
#include "library/save_window.hpp"

#include "game/step_log.hpp"
#include "library_session.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class GameListTest : public LibrarySession
{
protected:
    GameListTest() { setGivens(30); }

    void save(const std::string &name, int level)
    {
        Tfrmsave window(game, fake, fake, std::string(kStore), lookup(), "Sudoku");
        ASSERT_TRUE(window.FormCreate());
        window.nameText = name;
        window.levelIndex = level;
        window.Button1Click();
    }
    bool open() { return list.open(std::string(kStore), "Sudoku"); }
    std::vector<std::string> rowNames() const
    {
        std::vector<std::string> names;
        for (const GameListRow &row : list.rows())
            names.push_back(row.name);
        return names;
    }

    Tfrmgamelist list{game, fake, fake, lookup()};
};

TEST_F(GameListTest, TheGridShowsNamesAndLevelTexts)
{
    fake.addTextFile(kStore, {"Name=a", "0 ", "", "", "", "", "", "", "", "", "", "", "",
                              "Name=b", "5 ", "", "", "", "", "", "", "", "", "", "", "",
                              "Name=c", " 7", "", "", "", "", "", "", "", "", "", "", "",
                              "Name=d", "?"});
    ASSERT_TRUE(open());
    EXPECT_EQ(list.caption, "Choose a sudoku");
    EXPECT_EQ(list.header, (GameListRow{"Game Name", "Difficulty"}));
    EXPECT_EQ(list.rows(),
              (std::vector<GameListRow>{
                  {"a", "Very Easy"}, {"b", "Unknown or N/A"}, {"c", "7"}, {"d", ""}}));
}

TEST_F(GameListTest, AnEmptyStoreShowsOneEmptyRowAndOkKeepsTheGame)
{
    board().cell(9, 9).state = CellState::Placed;
    board().cell(9, 9).hxs = "9";
    const std::string before = takeSnapshot(board());
    ASSERT_TRUE(open());
    EXPECT_EQ(list.rows(), std::vector<GameListRow>{GameListRow{}});
    list.Button1Click(); // Delete: nothing to ask
    EXPECT_TRUE(fake.shownOfKind("confirm").empty());
    EXPECT_EQ(list.loadSelected(), GameListLoad::None);
    EXPECT_TRUE(list.closeRequested());
    EXPECT_EQ(takeSnapshot(board()), before);
}

TEST_F(GameListTest, DeleteAsksAndEmptiesTheLastRowInsteadOfRemovingIt)
{
    save("one", 0);
    save("two", 1);
    ASSERT_TRUE(open());
    fake.answerConfirm(false);
    list.Button1Click();
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"one", "two"}));

    fake.answerConfirm(true);
    list.Button1Click();
    EXPECT_EQ(fake.lastShown(), (Shown{"confirm", "OK to delete it?", "Sudoku"}));
    EXPECT_EQ(rowNames(), std::vector<std::string>{"two"});
    fake.answerConfirm(true);
    list.Button1Click();
    EXPECT_EQ(list.rows(), std::vector<GameListRow>{GameListRow{}});
    EXPECT_EQ(fake.fileBytes(kStore), "");
}

TEST_F(GameListTest, RenameAsksAgainForATakenNameAndTheSameNameWritesNothing)
{
    save("one", 0);
    save("two", 1);
    ASSERT_TRUE(open());
    // Any write now would fail and show an error: the same name must write nothing.
    fake.failWritesUnder(kStore);
    fake.answerInput("one");
    list.Button2Click();
    fake.answerInput(std::nullopt); // cancel returns the name unchanged
    list.Button2Click();
    EXPECT_TRUE(fake.shownOfKind("error").empty());

    fake.allowWrites();
    fake.answerInput("two");
    fake.answerInput("three");
    list.Button2Click();
    EXPECT_EQ(fake.shownOfKind("inform").back().text, "This Game board name already exits");
    const auto inputs = fake.shownOfKind("input");
    ASSERT_EQ(inputs.size(), 4u);
    EXPECT_EQ(inputs.back(), (Shown{"input", "Enter New Game Name", "Sudoku", "one"}));
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"three", "two"}));
    EXPECT_EQ(fake.fileLines(kStore).value()[0], "Name=three");
}

TEST_F(GameListTest, ARefusedWriteOnDeleteOrRenameKeepsFileAndGrid)
{
    save("one", 0);
    save("two", 1);
    ASSERT_TRUE(open());
    const auto before = fake.fileBytes(kStore);
    fake.failWritesUnder(kStore, "No space left on device");
    fake.answerConfirm(true);
    list.Button1Click();
    fake.answerInput("new");
    list.Button2Click();
    EXPECT_EQ(fake.shownOfKind("error").size(), 2u);
    EXPECT_NE(fake.lastShown().text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(fake.fileBytes(kStore), before);
    EXPECT_EQ(list.store()->find("one"), 1);
}

// Loading: the whole sequence on the live game.
TEST_F(GameListTest, LoadingPrunedCandidatesSelectsAllCandidatesAndKeepsThem)
{
    game.record().loadValues(kSolution);
    markAllCandidates();
    std::string pruned = board().allowedHxs(9, 9);
    ASSERT_GE(pruned.size(), 2u);
    pruned.erase(0, 1);
    board().cell(9, 9).hxs = pruned;
    std::string unsorted = board().allowedHxs(9, 8);
    std::reverse(unsorted.begin(), unsorted.end());
    board().cell(9, 8).hxs = unsorted;
    board().cell(4, 1).state = CellState::Placed;
    board().cell(4, 1).hxs = "8";
    const std::string saved = takeSnapshot(board());
    save("pruned", 3);
    const auto bytes = fake.fileBytes(kStore);

    // Another game in between, in Pencil and Paper without a solution.
    setGivens(5);
    game.record().clearValues();
    game.btStartBranchClick();
    ASSERT_TRUE(open());
    EXPECT_EQ(list.loadSelected(), GameListLoad::Loaded);

    EXPECT_EQ(takeSnapshot(board()), saved);
    EXPECT_EQ(game.mode(), Mode::AllCandidates);
    EXPECT_EQ(game.record().solutionString(), kSolution);
    EXPECT_TRUE(game.record().node(1, 1).given);
    EXPECT_FALSE(game.record().node(4, 1).given);
    EXPECT_EQ(board().nd, Level::Tough);
    EXPECT_EQ(game.levelText(), "  Level:Tough");
    EXPECT_TRUE(board().enabled);
    EXPECT_FALSE(game.solvedMarkerVisible());
    EXPECT_EQ(game.selectedDigit(), 1);
    EXPECT_TRUE(game.digitsExclusive());
    EXPECT_EQ(game.history().lines(), std::vector<std::string>{saved});
    const StepButtons &steps = game.stepButtons();
    EXPECT_FALSE(steps.first || steps.back || steps.next || steps.last);
    EXPECT_TRUE(game.clock().timerenabled());
    EXPECT_EQ(game.clock().MS(), 0);
    EXPECT_EQ(game.clock().timeinterval(), 1000);
    EXPECT_TRUE(game.branch().canStart);
    EXPECT_FALSE(game.branch().canAccept || game.branch().canReject);
    EXPECT_TRUE(game.branch().snapshot.empty());

    // Saved again unchanged: the same bytes.
    fake.answerConfirm(true);
    save("pruned", 3);
    EXPECT_EQ(fake.fileBytes(kStore), bytes);
}

TEST_F(GameListTest, LoadingFullOrPartialCandidatesStartsInPencilAndPaper)
{
    const struct
    {
        const char *what;
        bool emptyCell;
    } cases[] = {{"every open cell its full set", false}, {"one open cell empty", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        setGivens(30);
        markAllCandidates();
        if (c.emptyCell)
            board().cell(9, 9).hxs.clear();
        board().cell(4, 1).state = CellState::Placed;
        board().cell(4, 1).hxs = "8";
        fake.answerConfirm(true);
        save("g", 5);
        game.radioClick(Mode::AllCandidates);
        ASSERT_TRUE(open());
        EXPECT_EQ(list.loadSelected(), GameListLoad::Loaded);
        EXPECT_EQ(game.mode(), Mode::PencilAndPaper);
        EXPECT_EQ(board().cell(4, 1).hxs, "8");
        EXPECT_EQ(board().cell(1, 1).hxs, "5");
        EXPECT_EQ(board().cell(9, 8).hxs, "");
        // A record without solution: every solution digit 0.
        EXPECT_EQ(game.record().node(9, 8).value, 0);
        EXPECT_EQ(game.levelText(), "  Level:Unknown");
    }
}

TEST_F(GameListTest, ADamagedRecordLoadsWhatIsReadableAndSaysWhatIsNot)
{
    save("broken", 2);
    auto lines = fake.fileLines(kStore).value();
    lines[1] = "x";
    lines[2].replace(30, 10, "9?        "); // cell A4
    lines.resize(10); // row 9 is gone
    fake.addTextFile(kStore, lines);
    game.board().nd = Level::Gentle;
    ASSERT_TRUE(open());
    EXPECT_EQ(list.loadSelected(), GameListLoad::LoadedDamaged);
    const Shown told = fake.lastShown();
    EXPECT_EQ(told.kind, "inform");
    EXPECT_NE(told.text.find("\"broken\""), std::string::npos);
    EXPECT_NE(told.text.find("the level"), std::string::npos);
    EXPECT_NE(told.text.find("A4 I1"), std::string::npos);
    // The unreadable cells are open; their candidates are cleared with the others when the
    // board starts in Pencil and Paper.
    EXPECT_EQ(board().cell(1, 4).state, CellState::Open);
    EXPECT_EQ(board().cell(1, 1).hxs, "5");
    EXPECT_EQ(board().nd, Level::Gentle);
}

} // namespace
} // namespace kestrel
