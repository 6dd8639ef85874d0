// Play sessions against the main window's logic: new game, the three modes, entries,
// completion and restart, with the scripted fake platform answering the questions.
#include "app/main_form.hpp"

#include "app/puzzle_bank.hpp"
#include "support/play_session.hpp"
#include "support/scripted_random.hpp"

#include <gtest/gtest.h>

#include <deque>

namespace kestrel {
namespace {

using PlayTest = PlaySession;

TEST_F(PlayTest, NewGameStartsInPencilModeWithDigitOneAndARunningClock)
{
    form.newGame(Level::Moderate);
    EXPECT_TRUE(board().enabled);
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
    EXPECT_EQ(form.game().selectedDigit(), 1);
    EXPECT_FALSE(form.game().candidateSetFlag());
    EXPECT_FALSE(form.control(ControlId::cbautoupdate).enabled);
    EXPECT_TRUE(form.control(ControlId::cbautoupdate).checked);
    EXPECT_EQ(form.control(ControlId::ndtxt).caption, "  Level:Moderate");
    EXPECT_EQ(levelNumber(board().nd), 2);
    EXPECT_TRUE(form.game().clock().timerenabled());
    EXPECT_EQ(form.game().clock().caption(), "0:0:0");
    EXPECT_TRUE(form.control(ControlId::btStartBranch).enabled);
    EXPECT_FALSE(form.control(ControlId::btAccept).enabled);
    EXPECT_FALSE(form.control(ControlId::btfirst).enabled);
    EXPECT_TRUE(fake.shown().empty());

    // The board shows the record: givens with their digit, open cells empty, and the
    // progress bars count the givens.
    int givens[10] = {};
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TNode &node = form.game().record().node(r, c);
            const TPicNode &shown = board().cell(r, c);
            EXPECT_EQ(shown.state, node.given ? CellState::Given : CellState::Open);
            EXPECT_EQ(shown.hxs, node.given ? std::to_string(node.value) : "");
            if (node.given)
                ++givens[node.value];
        }
    }
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(form.game().progressBar(d).position, givens[d]) << d;
}

TEST_F(PlayTest, ClockCountsTicksOfItsInterval)
{
    form.newGame(Level::VeryEasy);
    for (int i = 0; i < 12; ++i)
        form.game().TimeLabel1Timer();
    EXPECT_EQ(form.game().clock().MS(), 1200);
    EXPECT_EQ(form.game().clock().caption(), "0:0:1");
}

TEST_F(PlayTest, PencilModeClicksPlaceRemoveAndLeaveGivensAlone)
{
    form.newGame(Level::VeryEasy);
    const CellPos open = openCells().front();
    const CellPos given = firstGiven();
    const std::string givenDigit = cell(given).hxs;

    place(open);
    EXPECT_EQ(cell(open).state, CellState::Placed);
    EXPECT_EQ(cell(open).hxs, std::to_string(solution(open)));
    EXPECT_EQ(cell(open).color, board().highcolor) << "the selected digit is highlighted";
    EXPECT_EQ(cell(open).caption, cell(open).hxs);

    form.cellClick(given.row, given.col, MouseButton::Left);
    form.cellClick(given.row, given.col, MouseButton::Right);
    EXPECT_EQ(cell(given).hxs, givenDigit);
    EXPECT_EQ(cell(given).state, CellState::Given);

    form.cellClick(open.row, open.col, MouseButton::Right);
    EXPECT_EQ(cell(open).state, CellState::Open);
    EXPECT_EQ(cell(open).hxs, "");
}

TEST_F(PlayTest, RightClickOnAnOpenCellOpensTheCandidatePadAndTheNextClickOnlyClosesIt)
{
    form.newGame(Level::VeryEasy);
    const CellPos open = openCells().front();
    form.cellClick(open.row, open.col, MouseButton::Right);
    EXPECT_TRUE(form.padOpen());
    EXPECT_EQ(form.padTarget(), open);
    EXPECT_EQ(form.statusText(), "Press ESC or click the main interface can hide this tile.");
    EXPECT_TRUE(form.frmtile().visible);

    form.game().disnote11Click(solution(open));
    form.cellClick(open.row, open.col, MouseButton::Left);
    EXPECT_FALSE(form.padOpen());
    EXPECT_EQ(cell(open).state, CellState::Open) << "the click only closed the pad";
    EXPECT_FALSE(form.frmtile().visible);
}

TEST_F(PlayTest, AllCandidatesFillsCandidatesAndAClickOnAPlacedDigitGivesItBack)
{
    form.newGame(Level::Gentle);
    const CellPos open = openCells().front();
    place(open);
    clickMode(Mode::AllCandidates);
    EXPECT_TRUE(form.game().candidateSetFlag());
    EXPECT_TRUE(form.control(ControlId::cbautoupdate).enabled);
    EXPECT_TRUE(form.game().digitsAllowAllUp());
    for (const CellPos p : openCells())
        EXPECT_EQ(cell(p).hxs, board().allowedHxs(p.row, p.col));

    // Either button on a placed digit turns it back into an open cell, and its digit
    // returns to the open peers that allow it.
    const std::string digit = cell(open).hxs;
    form.cellClick(open.row, open.col, MouseButton::Right);
    EXPECT_EQ(cell(open).state, CellState::Open);
    EXPECT_EQ(cell(open).hxs, board().allowedHxs(open.row, open.col));
    for (const CellPos peer : peersOf(open.row, open.col)) {
        if (cell(peer).state == CellState::Open
            && board().allowedHxs(peer.row, peer.col).find(digit) != std::string::npos) {
            EXPECT_NE(cell(peer).hxs.find(digit), std::string::npos);
        }
    }
}

TEST_F(PlayTest, CandidateClicksPlaceAndRemoveWithAutomaticUpdate)
{
    form.newGame(Level::Gentle);
    clickMode(Mode::AllCandidates);
    const CellPos p = openCellWithCandidates(2);
    const int d = solution(p);
    // Right removes one candidate, left places the digit and removes it from the peers.
    const int other = cell(p).hxs[0] - '0' == d ? cell(p).hxs[1] - '0' : cell(p).hxs[0] - '0';
    form.game().candidateClick(p.row, p.col, other, MouseButton::Right);
    EXPECT_EQ(cell(p).hxs.find(static_cast<char>('0' + other)), std::string::npos);
    form.game().candidateClick(p.row, p.col, d, MouseButton::Left);
    EXPECT_EQ(cell(p).state, CellState::Placed);
    EXPECT_EQ(cell(p).hxs, std::to_string(d));
    for (const CellPos peer : peersOf(p.row, p.col)) {
        if (cell(peer).state == CellState::Open) {
            EXPECT_EQ(cell(peer).hxs.find(static_cast<char>('0' + d)), std::string::npos);
        }
    }
}

TEST_F(PlayTest, LeavingComputedCandidatesIsSilentButEditedOnesAreAskedFor)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    EXPECT_EQ(form.game().candidateClassification(), 2);
    clickMode(Mode::PencilAndPaper);
    EXPECT_TRUE(fake.shownOfKind("confirm").empty());
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
    for (const CellPos p : openCells())
        EXPECT_EQ(cell(p).hxs, "") << "the program's own candidates are dropped";

    // Edit one candidate list, then try to leave: No keeps All Candidates and the marks.
    clickMode(Mode::AllCandidates);
    const CellPos p = openCellWithCandidates(2);
    const int first = cell(p).hxs[0] - '0';
    form.game().candidateClick(p.row, p.col, first, MouseButton::Right);
    const std::string edited = cell(p).hxs;
    EXPECT_EQ(form.game().candidateClassification(), 3);
    fake.answerConfirm(false);
    clickMode(Mode::PencilAndPaper);
    EXPECT_EQ(fake.lastShown().kind, "confirm");
    EXPECT_EQ(form.game().mode(), Mode::AllCandidates);
    EXPECT_EQ(cell(p).hxs, edited);

    // Yes empties every open cell and goes to Pencil and Paper.
    fake.answerConfirm(true);
    clickMode(Mode::PencilAndPaper);
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
    EXPECT_EQ(cell(p).hxs, "");
    EXPECT_FALSE(form.game().candidateSetFlag());
}

TEST_F(PlayTest, PartCandidatesShowsOnlyCellsHoldingASelectedDigit)
{
    form.newGame(Level::VeryEasy);
    form.game().disnote11Click(4);
    clickMode(Mode::PartCandidates);
    EXPECT_EQ(form.game().selectedDigit(), 4);
    for (const CellPos p : openCells()) {
        const bool shows = cell(p).hxs.find('4') != std::string::npos || cell(p).hxs.size() == 1;
        const std::size_t firstDigit = static_cast<std::size_t>(cell(p).hxs[0] - '0');
        EXPECT_EQ(cell(p).hxsPanels[firstDigit].visible, shows);
    }
    form.game().disnote1MouseDown(7, MouseButton::Right);
    EXPECT_EQ(form.game().displayDigits(), "47");
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(form.control(digitButton(d)).groupIndex, d + 10);

    // Back to All Candidates: one exclusive group again, the last down button stays.
    clickMode(Mode::AllCandidates);
    EXPECT_EQ(form.game().displayDigits(), "123456789");
    EXPECT_EQ(form.game().selectedDigit(), 7);
    EXPECT_EQ(form.control(ControlId::disnote1).groupIndex, 2);
}

TEST_F(PlayTest, ProgressBarPressesActLikeDigitButtonPresses)
{
    form.newGame(Level::VeryEasy);
    form.game().ProgressBar1MouseDown(6, MouseButton::Left);
    EXPECT_EQ(form.game().selectedDigit(), 6);
    form.game().ProgressBar1MouseDown(8, MouseButton::Right);
    EXPECT_EQ(form.game().selectedDigit(), 6) << "a right press toggles only in Part Candidates";
    clickMode(Mode::PartCandidates);
    form.game().ProgressBar1MouseDown(8, MouseButton::Right);
    EXPECT_EQ(form.game().displayDigits(), "68");
}

TEST_F(PlayTest, TenEqualDigitsKeepTheBarAtNineAndRed)
{
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    for (const CellPos p : open) {
        cell(p).state = CellState::Placed;
        cell(p).hxs = "3";
    }
    form.game().refreshProgressBars();
    EXPECT_EQ(form.game().progressBar(3).position, 9);
    EXPECT_EQ(form.game().progressBar(3).color, Colour{0x000000FF});
    EXPECT_EQ(form.game().progressBar(3).hint, "9");
    EXPECT_EQ(form.game().progressBar(5).color, Colour{0x00FF0000});
}

TEST_F(PlayTest, CompletingByACellClickAnnouncesItAndDisablesTheBranchButtons)
{
    form.newGame(Level::VeryEasy);
    const CellPos last = fillAllButOne();
    EXPECT_TRUE(fake.shown().empty());
    place(last);
    ASSERT_EQ(fake.shownOfKind("inform").size(), 1u);
    EXPECT_EQ(fake.lastShown().text, "Puzzle solved");
    EXPECT_TRUE(form.control(ControlId::WC_Label).visible);
    EXPECT_FALSE(form.game().clock().timerenabled());
    EXPECT_FALSE(form.control(ControlId::btStartBranch).enabled);
}

TEST_F(PlayTest, CompletingByACandidateClickLeavesTheBranchButtons)
{
    form.newGame(Level::VeryEasy);
    const CellPos last = fillAllButOne();
    clickMode(Mode::AllCandidates);
    form.game().candidateClick(last.row, last.col, solution(last), MouseButton::Left);
    EXPECT_EQ(fake.shownOfKind("inform").size(), 1u);
    EXPECT_FALSE(form.game().clock().timerenabled());
    EXPECT_TRUE(form.control(ControlId::btStartBranch).enabled);
}

TEST_F(PlayTest, AFullBoardWithAConflictIsNotComplete)
{
    form.newGame(Level::VeryEasy);
    const CellPos last = fillAllButOne();
    const int wrong = solution(last) % 9 + 1;
    form.game().disnote11Click(wrong);
    form.cellClick(last.row, last.col, MouseButton::Left);
    EXPECT_TRUE(fake.shown().empty());
    EXPECT_TRUE(board().hasConflict());
    EXPECT_TRUE(form.game().clock().timerenabled());
    EXPECT_EQ(cell(last).color, board().errorcolor);
}

TEST_F(PlayTest, RestartAsksAndPutsTheGameBackToItsGivens)
{
    form.game().btRestartClick(); // before any game: nothing, not even a question
    EXPECT_TRUE(fake.shown().empty());

    form.newGame(Level::Tough);
    const std::string givens = board().givensString();
    place(openCells().front());
    clickMode(Mode::AllCandidates);
    for (int i = 0; i < 30; ++i)
        form.game().TimeLabel1Timer();

    fake.answerConfirm(false);
    form.game().btRestartClick();
    EXPECT_EQ(form.game().mode(), Mode::AllCandidates) << "No keeps the game";

    fake.answerConfirm(true);
    form.game().btRestartClick();
    EXPECT_EQ(fake.lastShown().text,
              "Are you sure you want to reset this game to the initial state?");
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
    EXPECT_EQ(form.game().selectedDigit(), 1);
    EXPECT_FALSE(form.game().candidateSetFlag());
    EXPECT_EQ(board().givensString(), givens);
    for (const CellPos p : openCells())
        EXPECT_EQ(cell(p).hxs, "");
    EXPECT_EQ(form.game().clock().MS(), 0);
    EXPECT_TRUE(form.game().clock().timerenabled());
}

TEST_F(PlayTest, NewGameInAllCandidatesWithEditedMarksAsksOnlyToAbandonTheGame)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    const CellPos p = openCellWithCandidates(2);
    form.game().candidateClick(p.row, p.col, cell(p).hxs[0] - '0', MouseButton::Right);
    ASSERT_EQ(form.game().candidateClassification(), 3);
    fake.answerConfirm(true);
    form.newGame(Level::Gentle);
    ASSERT_EQ(fake.shownOfKind("confirm").size(), 1u) << "not whether to leave the mode";
    EXPECT_EQ(fake.shownOfKind("confirm")[0].text, "Abandon the game in progress?");
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
}

TEST_F(PlayTest, MarkingModeClicksPaintInsteadOfEntering)
{
    form.newGame(Level::VeryEasy);
    const CellPos p = openCells().front();
    form.checkBoxClick(ControlId::chkcolor, true);
    form.game().setMarkingColour(9); // red
    form.cellClick(p.row, p.col, MouseButton::Left);
    EXPECT_EQ(cell(p).state, CellState::Open);
    EXPECT_EQ(form.game().marks().at(p.row, p.col, 0), Game::colorGridColours()[9]);
    form.checkBoxClick(ControlId::chkcolor, false);
    form.game().disnote11Click(solution(p));
    EXPECT_EQ(cell(p).color, Game::colorGridColours()[9]) << "marks survive a redraw";
    form.game().bt_clearcolorClick();
    EXPECT_EQ(form.game().marks().at(p.row, p.col, 0), ColourMarks::kNoMark);
}

TEST(PuzzleBank, TheLastLineIsNeverDrawn)
{
    ScriptedRandom draws({0, 3, 4, 2});
    EXPECT_EQ(PuzzleBank::drawIndex(5, draws), 0);
    EXPECT_EQ(PuzzleBank::drawIndex(5, draws), 3);
    EXPECT_EQ(PuzzleBank::drawIndex(5, draws), 3) << "the last line gives the one before";
    EXPECT_EQ(PuzzleBank::drawIndex(5, draws), 2);
    ScriptedRandom single({0});
    EXPECT_EQ(PuzzleBank::drawIndex(1, single), 0);
}

TEST(PuzzleBank, ParsesLevelsSkippingBlankAndCommentLines)
{
    const PuzzleBank bank({"# header\r\nline-a\r\n\r\nline-b\n", "", "x", "", ""});
    EXPECT_EQ(bank.lines(0), (std::vector<std::string_view>{"line-a", "line-b"}));
    EXPECT_TRUE(bank.lines(1).empty());
    EXPECT_EQ(bank.lines(2).size(), 1u);
}

} // namespace
} // namespace kestrel
