#include "logic/candidate_pad.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kestrel {
namespace {

class CandidatePadTest : public ::testing::Test
{
protected:
    CandidatePadTest()
    {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                board.cell(r, c).state = CellState::Open;
                board.cell(r, c).hxsHidden = 1;
            }
        pad.onClosed = [this] {
            ++closes;
        };
    }

    TPicNode &target() { return board.cell(4, 7); }

    void openOn(const std::string &hxs)
    {
        target().hxs = hxs;
        pad.open(4, 7);
    }

    TPICSD33 board;
    bool pencilMode = false;
    Tfrmtile pad{board, [this] {
                     return pencilMode;
                 }};
    int closes = 0;
};

TEST_F(CandidatePadTest, OpenTakesTheCellsCandidatesAndEachPressTogglesOnce)
{
    openOn("9 5,2x5"); // read as a set of digits, written back ascending
    EXPECT_TRUE(pad.padOpen);
    EXPECT_TRUE(pad.visible);
    EXPECT_EQ(pad.digitsText(), "259");
    EXPECT_FALSE(pad.isDown(1));

    pad.digitPressed(9);
    EXPECT_EQ(target().hxs, "25");
    pad.digitPressed(7);
    EXPECT_EQ(target().hxs, "257");
    pad.digitPressed(7);
    EXPECT_EQ(target().hxs, "25");
    EXPECT_FALSE(pad.isDown(7));
    EXPECT_EQ(closes, 0);
}

TEST_F(CandidatePadTest, TogglingEverythingUpLeavesAnOpenCellWithNoCandidates)
{
    openOn("13");
    target().showhxs();
    pad.digitPressed(1);
    pad.digitPressed(3);

    EXPECT_EQ(target().hxs, "");
    EXPECT_EQ(target().state, CellState::Open);
    for (int d = 1; d <= 9; ++d)
        EXPECT_FALSE(target().hxsPanels[d].visible) << d;
    EXPECT_TRUE(pad.padOpen);
}

TEST_F(CandidatePadTest, AutomaticFillsWhatThePeersAllowWhateverThePadShowed)
{
    board.cell(4, 1).state = CellState::Placed;
    board.cell(4, 1).hxs = "1";
    board.cell(4, 9).state = CellState::Given;
    board.cell(4, 9).hxs = "2";
    board.cell(4, 2).hxs = "3"; // an open peer's candidates do not count
    openOn("129");

    pad.AdvGlowButton1Click();

    EXPECT_EQ(target().hxs, "3456789");
    EXPECT_EQ(target().state, CellState::Open);
    EXPECT_FALSE(target().hxsPanels[1].visible);
    EXPECT_TRUE(target().hxsPanels[3].visible);
    EXPECT_FALSE(pad.padOpen);
    EXPECT_FALSE(pad.visible);
}

TEST_F(CandidatePadTest, DigitKeysToggleOtherKeysOnlyWriteEscCloses)
{
    openOn("");
    for (int d = 1; d <= 9; ++d)
        pad.keyPress(digitKey(d));
    EXPECT_EQ(target().hxs, "123456789");
    pad.keyPress(Key::Digit4);
    EXPECT_EQ(target().hxs, "12356789");

    // Keys outside "1".."9" (here any other key and Tab) toggle nothing, but still write the
    // pad.
    for (const Key key : {Key::Other, Key::Tab}) {
        target().hxs = "stale";
        pad.keyPress(key);
        EXPECT_EQ(target().hxs, "12356789") << static_cast<int>(key);
    }
    EXPECT_TRUE(pad.padOpen);

    target().hxs = "stale";
    pad.keyPress(Key::Escape);
    EXPECT_EQ(target().hxs, "12356789");
    EXPECT_FALSE(pad.padOpen);
    EXPECT_FALSE(pad.visible);
    EXPECT_EQ(closes, 1);
}

TEST_F(CandidatePadTest, EveryRouteClosesOnceAndOnlyTheHandlersReleaseTheCell)
{
    struct Route
    {
        const char *name;
        std::function<void(Tfrmtile &)> close;
        bool padOpenAfter;
    };
    const Route routes[] = {
        {"Esc", [](Tfrmtile &p) { p.keyPress(Key::Escape); }, false},
        {"Automatic", [](Tfrmtile &p) { p.AdvGlowButton1Click(); }, false},
        // The main window closes the pad when it is activated or its board is clicked; it
        // decides itself whether the pad lets go of the cell.
        {"main window", [](Tfrmtile &p) { p.close(); }, true},
    };
    for (const Route &route : routes) {
        SCOPED_TRACE(route.name);
        closes = 0;
        openOn("5");
        route.close(pad);
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(pad.padOpen, route.padOpenAfter);

        pad.close();
        pad.keyPress(Key::Escape);
        EXPECT_EQ(closes, 1) << "closing a closed pad must not refresh again";
    }
}

TEST_F(CandidatePadTest, OnlyPencilAndPaperModeUnhidesTheMarks)
{
    for (bool pencil : {false, true}) {
        SCOPED_TRACE(pencil ? "Pencil and Paper" : "All or Part Candidates");
        pencilMode = pencil;
        target().hxsHidden = 1;
        openOn("8");
        pad.digitPressed(2);
        EXPECT_EQ(target().hxsHidden, pencil ? 0 : 1);
    }
}

} // namespace
} // namespace kestrel
