// The move history through the main window: stepping, game files, continue, replays and
// branches.
#include "app/step_log.hpp"
#include "support/play_session.hpp"

namespace kestrel {
namespace {

using HistoryTest = PlaySession;

TEST_F(HistoryTest, EveryChangeIsAStepAndAMoveAfterStepsBackCutsTheRest)
{
    form.newGame(0);
    EXPECT_EQ(form.stepLog().lines().size(), 1u);
    const auto open = openCells();
    place(open[0]);
    place(open[1]);
    place(open[2]);
    EXPECT_EQ(form.stepLog().lines().size(), 4u);
    EXPECT_TRUE(form.control("btback").enabled);
    EXPECT_FALSE(form.control("btnext").enabled);

    // A click that changes nothing adds no step.
    const CellPos given = firstGiven();
    form.cellClick(given.row, given.col, MouseButton::Left);
    EXPECT_EQ(form.stepLog().lines().size(), 4u);

    form.btbackClick();
    form.btbackClick();
    EXPECT_EQ(cell(open[2]).state, CellState::Open);
    EXPECT_EQ(cell(open[1]).state, CellState::Open);
    EXPECT_EQ(cell(open[0]).state, CellState::Placed);
    EXPECT_TRUE(form.control("btnext").enabled);
    place(open[5]);
    EXPECT_EQ(form.stepLog().lines().size(), 3u) << "the two undone steps are gone";
    EXPECT_FALSE(form.control("btnext").enabled);
    EXPECT_FALSE(form.control("btlast").enabled);

    form.btfirstClick();
    EXPECT_EQ(cell(open[0]).state, CellState::Open);
    EXPECT_FALSE(form.control("btfirst").enabled);
    form.btlastClick();
    EXPECT_EQ(cell(open[5]).state, CellState::Placed);
}

TEST_F(HistoryTest, AStepWithCandidatesEverywhereComesBackInAllCandidatesMode)
{
    form.newGame(0);
    clickMode(Mode::AllCandidates);
    const CellPos p = openCells().front();
    form.candidateClick(p.row, p.col, solution(p), MouseButton::Left);
    clickMode(Mode::PencilAndPaper); // computed candidates: dropped silently
    place(openCells().front());
    EXPECT_EQ(form.mode(), Mode::PencilAndPaper);
    form.btbackClick();
    form.btbackClick();
    EXPECT_EQ(form.mode(), Mode::AllCandidates);
    form.btlastClick();
    EXPECT_EQ(form.mode(), Mode::PencilAndPaper);
}

TEST_F(HistoryTest, MarksSurviveNavigationAndVanishWithANewGame)
{
    form.newGame(0);
    const auto open = openCells();
    form.checkBoxClick("chkcolor", true);
    form.colorGridSelect(13);
    form.cellClick(open[3].row, open[3].col, MouseButton::Left);
    form.checkBoxClick("chkcolor", false);
    place(open[0]);
    form.btbackClick();
    EXPECT_EQ(cell(open[3]).color, TForm1::colorGridColours()[13]);
    form.newGame(1);
    EXPECT_EQ(form.colourMark(open[3].row, open[3].col, 0), kNoMark);
    EXPECT_NE(cell(open[3]).color, TForm1::colorGridColours()[13]);
}

TEST_F(HistoryTest, ReplayFileHasTheGameFileLayoutAndLoadsBackToTheSameGame)
{
    form.newGame(3);
    place(openCells()[0]);
    place(openCells()[0]);
    const std::string path = fake.dataDirectory() + "/replay/mine.txt";
    fake.answerSave(path);
    form.savetClick();
    const auto bytes = fake.fileBytes(path);
    ASSERT_TRUE(bytes.has_value());
    const std::string expected = "3 " + board().givensString() + "\r\n"
        + form.QJ1().solutionString() + "\r\n" + form.stepLog().lines()[0] + "\r\n"
        + form.stepLog().lines()[1] + "\r\n" + form.stepLog().lines()[2] + "\r\n";
    EXPECT_EQ(*bytes, expected);

    const auto steps = form.stepLog().lines();
    const std::string board3 = takeSnapshot(board());
    form.newGame(0);
    fake.answerOpen(path);
    form.mnLoadReplayClick();
    EXPECT_TRUE(fake.shownOfKind("error").empty());
    EXPECT_EQ(form.stepLog().lines(), steps);
    EXPECT_EQ(takeSnapshot(board()), board3);
    EXPECT_EQ(board().nd, 3) << "the replay keeps its own level";
    EXPECT_EQ(form.control("ndtxt").caption, "  Level:Tough");

    // Written again, the file is byte for byte the same.
    fake.answerSave(path);
    fake.answerConfirm(true); // overwrite
    form.savetClick();
    EXPECT_EQ(fake.fileBytes(path), bytes);
}

TEST_F(HistoryTest, SaveReplayAsksBeforeOverwriting)
{
    form.newGame(0);
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
    form.newGame(2);
    place(openCells().front());
    const std::string before = takeSnapshot(board());
    const auto stepsBefore = form.stepLog().lines();
    const std::string path = fake.dataDirectory() + "/replay/broken.txt";
    GameFile game = form.currentGameFile();
    auto lines = gameFileLines(game);
    lines[3] = lines[3].substr(0, lines[3].rfind(',')); // 80 cells
    fake.addTextFile(path, lines);

    fake.answerOpen(path);
    form.mnLoadReplayClick();
    ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_NE(fake.lastShown().text.find("broken.txt"), std::string::npos);
    EXPECT_NE(fake.lastShown().text.find("line 4"), std::string::npos);
    EXPECT_EQ(takeSnapshot(board()), before);
    EXPECT_EQ(form.stepLog().lines(), stepsBefore);
    EXPECT_TRUE(form.TimeLabel1().timerenabled()) << "the clock goes on";
    EXPECT_EQ(board().nd, 2);
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
    form.newGame(4);
    place(openCells()[0]);
    place(openCells()[0]);
    clickMode(Mode::AllCandidates);
    const auto steps = form.stepLog().lines();
    const std::string shown = takeSnapshot(board());
    form.FormClose();

    FakePlatform &files = fake;
    TForm1 next(files.platform());
    next.FormCreate();
    next.mnContinueClick();
    EXPECT_EQ(next.stepLog().lines(), steps);
    EXPECT_EQ(takeSnapshot(next.board()), shown);
    EXPECT_EQ(next.mode(), Mode::AllCandidates);
    EXPECT_EQ(next.board().nd, 4);
    EXPECT_TRUE(next.board().enabled);
    EXPECT_TRUE(next.TimeLabel1().timerenabled());
}

TEST_F(HistoryTest, ContinueWithABrokenFileChangesNothingAndSaysNothing)
{
    form.newGame(1);
    const std::string before = takeSnapshot(board());
    fake.addFile(fake.dataDirectory() + "/lastgame.dat", "1 123\r\n");
    form.mnContinueClick();
    EXPECT_EQ(takeSnapshot(board()), before);
    EXPECT_TRUE(fake.shown().empty());
}

TEST_F(HistoryTest, RejectBranchRestoresPencilMarksExactlyAndKeepsTheBranchMoves)
{
    form.newGame(0);
    const auto open = openCells();
    // Pencil marks the player wrote: 2 candidates in one cell.
    cell(open[4]).hxs = "27";
    form.refreshProgressBars();
    const std::string atStart = takeSnapshot(board());
    form.btStartBranchClick();
    EXPECT_FALSE(form.control("btStartBranch").enabled);
    EXPECT_TRUE(form.control("btRejectBranch").enabled);
    place(open[0]);
    place(open[1]);
    const auto stepsInBranch = form.stepLog().lines().size();
    form.btAcceptClick();
    EXPECT_FALSE(form.control("btStartBranch").enabled) << "Accept changes nothing";

    form.btRejectBranchClick();
    EXPECT_EQ(takeSnapshot(board()), atStart);
    EXPECT_EQ(cell(open[4]).hxs, "27");
    EXPECT_EQ(form.stepLog().lines().size(), stepsInBranch + 1)
        << "the restored board is a new step";
    EXPECT_EQ(form.stepLog().lines().back(), atStart);
    EXPECT_TRUE(form.control("btStartBranch").enabled);
    EXPECT_FALSE(form.control("btAccept").enabled);
    EXPECT_EQ(form.branchSnapshot(), "");
}

TEST_F(HistoryTest, ANewGameClosesAnOpenBranch)
{
    form.newGame(0);
    form.btStartBranchClick();
    form.newGame(1);
    EXPECT_TRUE(form.control("btStartBranch").enabled);
    EXPECT_FALSE(form.control("btAccept").enabled);
    EXPECT_FALSE(form.control("btRejectBranch").enabled);
}

} // namespace
} // namespace kestrel
