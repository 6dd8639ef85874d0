// The move history through the main window: stepping, game files, continue, replays and
// branches.
#include "game/step_log.hpp"
#include "support/play_session.hpp"

namespace kestrel {
namespace {

using HistoryTest = PlaySession;

TEST_F(HistoryTest, EveryChangeIsAStepAndAMoveAfterStepsBackCutsTheRest)
{
    form.newGame(Level::VeryEasy);
    EXPECT_EQ(form.game().history().lines().size(), 1u);
    const auto open = openCells();
    place(open[0]);
    place(open[1]);
    place(open[2]);
    EXPECT_EQ(form.game().history().lines().size(), 4u);
    EXPECT_TRUE(form.control(ControlId::btback).enabled);
    EXPECT_FALSE(form.control(ControlId::btnext).enabled);

    // A click that changes nothing adds no step.
    const CellPos given = firstGiven();
    form.cellClick(given.row, given.col, MouseButton::Left);
    EXPECT_EQ(form.game().history().lines().size(), 4u);

    form.game().btbackClick();
    form.game().btbackClick();
    EXPECT_EQ(cell(open[2]).state, CellState::Open);
    EXPECT_EQ(cell(open[1]).state, CellState::Open);
    EXPECT_EQ(cell(open[0]).state, CellState::Placed);
    EXPECT_TRUE(form.control(ControlId::btnext).enabled);
    place(open[5]);
    EXPECT_EQ(form.game().history().lines().size(), 3u) << "the two undone steps are gone";
    EXPECT_FALSE(form.control(ControlId::btnext).enabled);
    EXPECT_FALSE(form.control(ControlId::btlast).enabled);

    form.game().btfirstClick();
    EXPECT_EQ(cell(open[0]).state, CellState::Open);
    EXPECT_FALSE(form.control(ControlId::btfirst).enabled);
    form.game().btlastClick();
    EXPECT_EQ(cell(open[5]).state, CellState::Placed);
}

TEST_F(HistoryTest, AStepWithCandidatesEverywhereComesBackInAllCandidatesMode)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    const CellPos p = openCells().front();
    form.game().candidateClick(p.row, p.col, solution(p), MouseButton::Left);
    clickMode(Mode::PencilAndPaper); // computed candidates: dropped silently
    place(openCells().front());
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
    form.game().btbackClick();
    form.game().btbackClick();
    EXPECT_EQ(form.game().mode(), Mode::AllCandidates);
    form.game().btlastClick();
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
}

TEST_F(HistoryTest, MarksSurviveNavigationAndVanishWithANewGame)
{
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    form.checkBoxClick(ControlId::chkcolor, true);
    form.game().setMarkingColour(13);
    form.cellClick(open[3].row, open[3].col, MouseButton::Left);
    form.checkBoxClick(ControlId::chkcolor, false);
    place(open[0]);
    form.game().btbackClick();
    EXPECT_EQ(cell(open[3]).color, Game::colorGridColours()[13]);
    fake.answerConfirm(true); // abandon the game in progress
    form.newGame(Level::Gentle);
    EXPECT_EQ(form.game().marks().at(open[3].row, open[3].col, 0), ColourMarks::kNoMark);
    EXPECT_NE(cell(open[3]).color, Game::colorGridColours()[13]);
}

TEST_F(HistoryTest, ReplayFileHasTheGameFileLayoutAndLoadsBackToTheSameGame)
{
    form.newGame(Level::Tough);
    place(openCells()[0]);
    place(openCells()[0]);
    const std::string path = fake.dataDirectory() + "/replay/mine.txt";
    fake.answerSave(path);
    form.savetClick();
    const auto bytes = fake.fileBytes(path);
    ASSERT_TRUE(bytes.has_value());
    const std::string expected = "3 " + board().givensString() + "\r\n"
        + form.game().record().solutionString() + "\r\n" + form.game().history().lines()[0] + "\r\n"
        + form.game().history().lines()[1] + "\r\n" + form.game().history().lines()[2] + "\r\n";
    EXPECT_EQ(*bytes, expected);

    const auto steps = form.game().history().lines();
    const std::string board3 = takeSnapshot(board());
    fake.answerConfirm(true); // abandon the game in progress
    form.newGame(Level::VeryEasy);
    fake.answerOpen(path);
    form.mnLoadReplayClick();
    EXPECT_TRUE(fake.shownOfKind("error").empty());
    EXPECT_EQ(form.game().history().lines(), steps);
    EXPECT_EQ(takeSnapshot(board()), board3);
    EXPECT_EQ(board().nd, Level::Tough) << "the replay keeps its own level";
    EXPECT_EQ(form.control(ControlId::ndtxt).caption, "  Level:Tough");

    // Written again, the file is byte for byte the same.
    fake.answerSave(path);
    fake.answerConfirm(true); // overwrite
    form.savetClick();
    EXPECT_EQ(fake.fileBytes(path), bytes);
}

TEST_F(HistoryTest, SaveReplayAsksBeforeOverwriting)
{
    form.newGame(Level::VeryEasy);
    const std::string path = fake.dataDirectory() + "/replay/old.txt";
    fake.addFile(path, "keep me");
    fake.answerSave(path);
    fake.answerConfirm(false);
    form.savetClick();
    EXPECT_EQ(fake.lastShown().text, "This File name already exits,OK to overwrite it?");
    EXPECT_EQ(fake.fileBytes(path), "keep me");
}

TEST_F(HistoryTest, AMalformedReplayLeavesTheGameUntouchedAndSaysWhy)
{
    form.newGame(Level::Moderate);
    place(openCells().front());
    const std::string before = takeSnapshot(board());
    const auto stepsBefore = form.game().history().lines();
    const std::string path = fake.dataDirectory() + "/replay/broken.txt";
    GameFile game = form.game().currentGameFile();
    auto lines = gameFileLines(game);
    lines[3] = lines[3].substr(0, lines[3].rfind(',')); // 80 cells
    fake.addTextFile(path, lines);

    fake.answerConfirm(true); // abandon the game in progress
    fake.answerOpen(path);
    form.mnLoadReplayClick();
    ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_NE(fake.lastShown().text.find("broken.txt"), std::string::npos);
    EXPECT_NE(fake.lastShown().text.find("line 4"), std::string::npos);
    EXPECT_EQ(takeSnapshot(board()), before);
    EXPECT_EQ(form.game().history().lines(), stepsBefore);
    EXPECT_TRUE(form.game().clock().timerenabled()) << "the clock goes on";
    EXPECT_EQ(levelNumber(board().nd), 2);
}

TEST_F(HistoryTest, ClosingWithoutAGameKeepsTheLastGameFile)
{
    const std::string path = fake.dataDirectory() + "/lastgame.dat";
    fake.addFile(path, "yesterday's game");
    form.FormClose();
    EXPECT_EQ(fake.fileBytes(path), "yesterday's game");
}

TEST_F(HistoryTest, ClosingWithoutAGameAndNoFileWritesTheEmptyOne)
{
    form.FormClose();
    const auto lines = fake.fileLines(fake.dataDirectory() + "/lastgame.dat");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ((*lines)[0], "0 " + std::string(81, '0'));
    EXPECT_EQ((*lines)[2], "memostep");
    // Continue on it leaves the window as it is, without a word.
    form.mnContinueClick();
    EXPECT_FALSE(board().enabled);
    EXPECT_TRUE(fake.shown().empty());
}

TEST_F(HistoryTest, ContinueRestoresTheLastGameWithItsSteps)
{
    form.newGame(Level::Diabolical);
    place(openCells()[0]);
    place(openCells()[0]);
    clickMode(Mode::AllCandidates);
    const auto steps = form.game().history().lines();
    const std::string shown = takeSnapshot(board());
    form.FormClose();

    FakePlatform &files = fake;
    TForm1 next(files.platform());
    next.FormCreate();
    next.mnContinueClick();
    EXPECT_EQ(next.game().history().lines(), steps);
    EXPECT_EQ(takeSnapshot(next.game().board()), shown);
    EXPECT_EQ(next.game().mode(), Mode::AllCandidates);
    EXPECT_EQ(next.game().board().nd, Level::Diabolical);
    EXPECT_TRUE(next.game().board().enabled);
    EXPECT_TRUE(next.game().clock().timerenabled());
}

TEST_F(HistoryTest, ContinueReadsBlanksInAHandEditedFileAsTheCheckDoes)
{
    form.newGame(Level::Gentle);
    const auto steps = form.game().history().lines();
    const std::string last = steps.back();
    form.FormClose();
    auto lines = *fake.fileLines(fake.dataDirectory() + "/lastgame.dat");
    // Blanks before every field: a given read as an open cell would lose its digit.
    std::string spaced = " \t";
    for (const char ch : last)
        spaced += ch == ',' ? std::string(" ,\t") : std::string(1, ch);
    lines.back() = spaced + " ";
    std::string edited;
    for (const std::string &line : lines)
        edited += line + "\r\n";
    fake.addFile(fake.dataDirectory() + "/lastgame.dat", edited);

    TForm1 next(fake.platform());
    next.FormCreate();
    next.mnContinueClick();
    EXPECT_EQ(takeSnapshot(next.game().board()), last);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(next.game().board().cell(r, c).state, board().cell(r, c).state);
    EXPECT_EQ(next.game().history().lines().back(), last);
}

TEST_F(HistoryTest, ContinueWithABrokenFileChangesNothingAndSaysNothing)
{
    form.newGame(Level::Gentle);
    const std::string before = takeSnapshot(board());
    fake.addFile(fake.dataDirectory() + "/lastgame.dat", "1 123\r\n");
    form.mnContinueClick();
    EXPECT_EQ(takeSnapshot(board()), before);
    EXPECT_TRUE(fake.shown().empty());
}

TEST_F(HistoryTest, RejectBranchRestoresPencilMarksExactlyAndKeepsTheBranchMoves)
{
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    // Pencil marks the player wrote: 2 candidates in one cell.
    cell(open[4]).hxs = "27";
    form.game().refreshProgressBars();
    const std::string atStart = takeSnapshot(board());
    form.game().btStartBranchClick();
    EXPECT_FALSE(form.control(ControlId::btStartBranch).enabled);
    EXPECT_TRUE(form.control(ControlId::btRejectBranch).enabled);
    place(open[0]);
    place(open[1]);
    const auto stepsInBranch = form.game().history().lines().size();
    form.game().btAcceptClick();
    EXPECT_FALSE(form.control(ControlId::btStartBranch).enabled) << "Accept changes nothing";

    form.game().btRejectBranchClick();
    EXPECT_EQ(takeSnapshot(board()), atStart);
    EXPECT_EQ(cell(open[4]).hxs, "27");
    EXPECT_EQ(form.game().history().lines().size(), stepsInBranch + 1)
        << "the restored board is a new step";
    EXPECT_EQ(form.game().history().lines().back(), atStart);
    EXPECT_TRUE(form.control(ControlId::btStartBranch).enabled);
    EXPECT_FALSE(form.control(ControlId::btAccept).enabled);
    EXPECT_EQ(form.game().branch().snapshot, "");
}

TEST_F(HistoryTest, ANewGameClosesAnOpenBranch)
{
    form.newGame(Level::VeryEasy);
    form.game().btStartBranchClick();
    form.newGame(Level::Gentle);
    EXPECT_TRUE(form.control(ControlId::btStartBranch).enabled);
    EXPECT_FALSE(form.control(ControlId::btAccept).enabled);
    EXPECT_FALSE(form.control(ControlId::btRejectBranch).enabled);
}

} // namespace
} // namespace kestrel
