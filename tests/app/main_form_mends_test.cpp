// What a player sees after the moves that used to lose work, show false marks or leave the
// board wrongly drawn: each case is a short session through the main window's logic.
#include "support/play_session.hpp"

#include <memory>

namespace kestrel {
namespace {

// Check Error's paint of a wrong entry.
constexpr Colour kCheckPaint = 0x000000FE;

class PlayerSeesTest : public PlaySession
{
protected:
    /// Closes the program and starts it again on the same files, then continues.
    std::unique_ptr<TForm1> closeAndContinue()
    {
        form.FormClose();
        auto next = std::make_unique<TForm1>(fake.platform());
        next->FormCreate();
        next->mnContinueClick();
        return next;
    }
    /// Writes the pencil marks `digits` into open cell `p` through the candidate pad.
    void padMarks(CellPos p, std::string_view digits)
    {
        form.cellClick(p.row, p.col, MouseButton::Right);
        for (const char d : digits)
            form.frmtile().digitPressed(d - '0');
        form.frmtile().keyPress(Key::Escape);
    }
    static bool showsAnyCandidate(const TPicNode &cell)
    {
        for (int d = 1; d <= 9; ++d)
            if (cell.hxsPanels[static_cast<std::size_t>(d)].visible)
                return true;
        return false;
    }
    void expectNoCandidateOverADigit(const TPICSD33 &shown)
    {
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                if (shown.cell(r, c).state != CellState::Open) {
                    EXPECT_FALSE(showsAnyCandidate(shown.cell(r, c))) << "cell " << r << c;
                }
            }
        }
    }
};

TEST_F(PlayerSeesTest, ContinueKeepsALastMoveThatOnlyWrotePencilMarks)
{
    form.newGame(Level::VeryEasy);
    const CellPos p = openCells()[0];
    padMarks(p, "48");
    ASSERT_EQ(form.game().history().lines().size(), 2u);
    const auto steps = form.game().history().lines();

    const auto next = closeAndContinue();
    EXPECT_EQ(next->game().history().lines(), steps);
    EXPECT_EQ(next->game().history().currentIndex(), 1);
    EXPECT_EQ(next->game().board().cell(p.row, p.col).hxs, "48");
}

TEST_F(PlayerSeesTest, ContinueKeepsACandidateRemovedAsTheLastMove)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    const CellPos p = openCellWithCandidates(2);
    const char removed = cell(p).hxs.back();
    form.game().candidateClick(p.row, p.col, removed - '0', MouseButton::Right);
    const std::string shown = takeSnapshot(board());

    const auto next = closeAndContinue();
    EXPECT_EQ(takeSnapshot(next->game().board()), shown);
    EXPECT_EQ(next->game().board().cell(p.row, p.col).hxs.find(removed), std::string::npos);
    EXPECT_EQ(next->game().mode(), Mode::AllCandidates);
}

TEST_F(PlayerSeesTest, ContinueBringsBackTheCandidatesAsSavedWithAutomaticUpdateOff)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    form.checkBoxClick(ControlId::cbautoupdate, false);
    // A placement with automatic update off leaves the digit among its peers' candidates.
    const CellPos p = openCells()[0];
    form.game().candidateClick(p.row, p.col, solution(p), MouseButton::Left);
    const auto steps = form.game().history().lines();

    const auto next = closeAndContinue();
    EXPECT_EQ(next->game().history().lines(), steps) << "no extra step";
    EXPECT_EQ(takeSnapshot(next->game().board()), steps.back()) << "cell for cell";
}

TEST_F(PlayerSeesTest, NoPencilMarkShowsOverAPlacedDigitAfterStepsBranchesOrContinue)
{
    form.newGame(Level::VeryEasy);
    form.game().btStartBranchClick();
    const CellPos p = openCells()[0];
    padMarks(p, "1234");
    place(p);
    ASSERT_EQ(cell(p).state, CellState::Placed);
    place(openCells()[0]);
    for (const ControlId step :
         {ControlId::btback, ControlId::btnext, ControlId::btfirst, ControlId::btlast}) {
        SCOPED_TRACE(std::string(controlRow(step).name));
        form.trigger(step);
        expectNoCandidateOverADigit(board());
    }
    form.trigger(ControlId::btback);
    expectNoCandidateOverADigit(board());

    const auto next = closeAndContinue();
    expectNoCandidateOverADigit(next->game().board());
    EXPECT_EQ(next->game().board().cell(p.row, p.col).caption, std::to_string(solution(p)));
    next->trigger(ControlId::btfirst);
    next->trigger(ControlId::btlast);
    expectNoCandidateOverADigit(next->game().board());

    form.trigger(ControlId::btRejectBranch);
    expectNoCandidateOverADigit(board());
}

TEST_F(PlayerSeesTest, CheckErrorsRedGoesWhenTheDigitIsCorrectedEvenAfterMarking)
{
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    const CellPos wrong = open[0];
    form.game().disnote11Click(solution(wrong) % 9 + 1);
    form.cellClick(wrong.row, wrong.col, MouseButton::Left);
    form.trigger(ControlId::btcheck);
    ASSERT_EQ(cell(wrong).color, kCheckPaint);

    form.checkBoxClick(ControlId::chkcolor, true);
    form.game().setMarkingColour(13);
    form.cellClick(open[1].row, open[1].col, MouseButton::Left);
    form.checkBoxClick(ControlId::chkcolor, false);
    EXPECT_EQ(form.game().marks().at(wrong.row, wrong.col, 0), ColourMarks::kNoMark);

    form.cellClick(wrong.row, wrong.col, MouseButton::Right); // take the wrong digit away
    place(wrong);
    EXPECT_NE(cell(wrong).color, kCheckPaint);
    EXPECT_EQ(cell(open[1]).color, Game::colorGridColours()[13]) << "the player's mark stays";
}

TEST_F(PlayerSeesTest, TheMiddleButtonDoesNothingOnTheBoard)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    const CellPos p = openCellWithCandidates(2);
    form.game().candidateClick(p.row, p.col, solution(p), MouseButton::Left);
    const std::string before = takeSnapshot(board());
    form.cellClick(p.row, p.col, MouseButton::Middle);
    form.game().candidateClick(openCells()[0].row, openCells()[0].col, 1, MouseButton::Middle);
    EXPECT_EQ(takeSnapshot(board()), before);

    form.checkBoxClick(ControlId::chkcolor, true);
    form.cellClick(p.row, p.col, MouseButton::Middle);
    EXPECT_EQ(form.game().marks().at(p.row, p.col, 0), ColourMarks::kNoMark);
}

TEST_F(PlayerSeesTest, ClosingTheHintWindowRedrawsTheBoardWithHighlightAndMarks)
{
    form.newGame(Level::VeryEasy);
    const CellPos marked = openCells()[1];
    form.checkBoxClick(ControlId::chkcolor, true);
    form.game().setMarkingColour(13);
    form.cellClick(marked.row, marked.col, MouseButton::Left);
    form.checkBoxClick(ControlId::chkcolor, false);
    form.game().disnote11Click(board().cell(firstGiven().row, firstGiven().col).hxs[0] - '0');

    form.trigger(ControlId::btShowhint); // the fake closes the window at once
    EXPECT_EQ(cell(firstGiven()).color, board().highcolor) << "the selected digit's highlight";
    EXPECT_EQ(cell(marked).color, Game::colorGridColours()[13]) << "the mark";
    for (const CellPos p : openCells()) {
        if (!(p == marked)) {
            EXPECT_EQ(cell(p).color, form.game().defaultCellColour(p.row, p.col));
        }
    }
}

TEST_F(PlayerSeesTest, ARightPressOnADigitButtonKeepsTheMarksShown)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::PartCandidates);
    const CellPos marked = openCells()[0];
    form.checkBoxClick(ControlId::chkcolor, true);
    form.game().setMarkingColour(13);
    form.cellClick(marked.row, marked.col, MouseButton::Left);
    form.checkBoxClick(ControlId::chkcolor, false);
    form.game().disnote1MouseDown(5, MouseButton::Right);
    EXPECT_EQ(cell(marked).color, Game::colorGridColours()[13]);
}

TEST_F(PlayerSeesTest, AGameLoadedWithoutASolutionIsAGameLikeAnyOther)
{
    // An older last game is on disk; the player loads a replay that has no solution line.
    form.newGame(Level::Tough);
    form.FormClose();
    const std::string older = *fake.fileBytes(fake.dataDirectory() + "/lastgame.dat");

    GameFile game = form.game().currentGameFile();
    game.level = Level::Unknown;
    game.solution.clear();
    game.steps = {game.steps.front()};
    const std::string path = fake.dataDirectory() + "/replay/nosolution.txt";
    fake.addTextFile(path, gameFileLines(game));
    fake.answerOpen(path);
    form.mnLoadReplayClick();
    ASSERT_TRUE(form.game().hasPuzzle());
    const CellPos p = openCells()[0]; // no solution known: a digit its peers allow
    form.game().disnote11Click(board().allowedHxs(p.row, p.col)[0] - '0');
    form.cellClick(p.row, p.col, MouseButton::Left);

    fake.answerConfirm(false);
    form.trigger(ControlId::btRestart);
    EXPECT_EQ(fake.shownOfKind("confirm").size(), 1u) << "Restart asks";

    form.FormClose();
    EXPECT_NE(*fake.fileBytes(fake.dataDirectory() + "/lastgame.dat"), older);
    const auto next = closeAndContinue();
    EXPECT_EQ(next->game().board().givensString(), game.givens);
    EXPECT_EQ(levelNumber(next->game().board().nd), 5);
}

} // namespace
} // namespace kestrel
