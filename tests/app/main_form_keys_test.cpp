// The main window's keyboard commands and the texts that tell the game's state, in a player's
// session on the fake platform.
#include "app/main_form.hpp"
#include "app/window_layout.hpp"
#include "support/play_session.hpp"

#include <gtest/gtest.h>

#include <set>

namespace kestrel {
namespace {

using KeysTest = PlaySession;

KeyPress chord(Key key, bool ctrl = false, bool shift = false)
{
    KeyPress press{key};
    press.ctrl = ctrl;
    press.shift = shift;
    press.withModifiers = ctrl || shift;
    return press;
}

TEST(CommandShortcuts, EveryChordIsOneCommandThatHasAHandler)
{
    std::set<std::tuple<Key, bool, bool>> chords;
    for (const Shortcut &s : commandShortcuts()) {
        EXPECT_TRUE(chords.insert({s.chord.key, s.chord.ctrl, s.chord.shift}).second) << s.text;
        EXPECT_NE(controlRow(s.command).handler, nullptr) << s.text;
        EXPECT_EQ(commandForKey(chord(s.chord.key, s.chord.ctrl, s.chord.shift)), s.command);
    }
    EXPECT_EQ(commandForKey(chord(Key::Z)), std::nullopt) << "Z alone is no shortcut";
    EXPECT_EQ(shortcutText(ControlId::btnext), "Ctrl+Y") << "the first of two is shown";
}

TEST_F(KeysTest, LevelShortcutsStartAGameOfTheirLevelAndAskOverAGameInProgress)
{
    EXPECT_TRUE(form.FormKeyDown(chord(Key::Digit4, true)));
    EXPECT_EQ(board().nd, Level::Tough);
    EXPECT_EQ(form.game().selectedDigit(), 1) << "Ctrl+4 selects no digit";
    place(openCells().front());
    fake.answerConfirm(false);
    form.FormKeyDown(chord(Key::Digit1, true));
    EXPECT_EQ(board().nd, Level::Tough) << "answered no: the game stays";
    ASSERT_FALSE(fake.shown().empty());
    EXPECT_EQ(fake.shown().back().text, "Abandon the game in progress?");
    fake.answerConfirm(true);
    form.FormKeyDown(chord(Key::N, true));
    EXPECT_EQ(board().nd, Level::Gentle);
}

TEST_F(KeysTest, ProgressBarTooltipsCountEachDigit)
{
    form.newGame(Level::VeryEasy);
    for (int d = 1; d <= 9; ++d) {
        const std::string expected = std::to_string(d) + ": "
            + std::to_string(form.game().progressBar(d).position) + " of 9 placed";
        EXPECT_EQ(form.progressBarTooltip(d), expected);
    }
    form.loadLanguage(Language::Japanese);
    EXPECT_NE(form.progressBarTooltip(5).find("5："), std::string::npos);
}

TEST_F(KeysTest, AnOpenBranchTellsTheStepRejectReturnsTo)
{
    form.newGame(Level::VeryEasy);
    EXPECT_EQ(form.branchStatusText(), "");
    place(openCells()[0]);
    place(openCells()[0]);
    form.trigger(ControlId::btStartBranch);
    EXPECT_TRUE(form.control(ControlId::btStartBranch).checked);
    EXPECT_EQ(form.branchStatusText(), "Branch open — Reject returns to step 2");
    place(openCells()[0]);
    form.trigger(ControlId::btRejectBranch);
    EXPECT_EQ(form.branchStatusText(), "");
    EXPECT_FALSE(form.control(ControlId::btStartBranch).checked);
}

TEST_F(KeysTest, PauseStopsTheClockAndAnyOtherCommandEndsIt)
{
    form.newGame(Level::VeryEasy);
    form.FormKeyDown(chord(Key::P));
    EXPECT_TRUE(form.game().paused());
    EXPECT_TRUE(board().covered);
    EXPECT_FALSE(form.game().clock().timerenabled());
    EXPECT_TRUE(form.control(ControlId::btPause).checked);
    EXPECT_FALSE(form.FormKeyDown(chord(Key::Digit5))) << "no digit while paused";
    EXPECT_EQ(form.game().selectedDigit(), 1);
    form.trigger(ControlId::btcheck);
    EXPECT_FALSE(form.game().paused());
    EXPECT_FALSE(board().covered);
    EXPECT_TRUE(form.game().clock().timerenabled());
}

TEST_F(KeysTest, RewindIsAvailableOnlyWithAKnownSolution)
{
    EXPECT_FALSE(form.control(ControlId::btRewind).enabled) << "no game";
    form.newGame(Level::VeryEasy);
    EXPECT_TRUE(form.control(ControlId::btRewind).enabled);
    form.game().record().clearValues();
    EXPECT_FALSE(form.control(ControlId::btRewind).enabled);
}

TEST_F(KeysTest, PlayOptionsAreRememberedAndBadValuesIgnored)
{
    form.trigger(ControlId::mnShowMistakes);
    form.rememberWindowSize(900, 800);
    const PlayOptions read = loadPlayOptions(fake);
    EXPECT_TRUE(read.showMistakes);
    EXPECT_EQ(read.windowWidth, 900);
    EXPECT_EQ(read.windowHeight, 800);
    for (const char *bad : {"", "-5", "12x", "999999"}) {
        fake.writeValue(kSettingsKey, "windowWidth", bad);
        EXPECT_EQ(loadPlayOptions(fake).windowWidth, 0) << bad;
        EXPECT_EQ(loadPlayOptions(fake).windowHeight, 0) << "a size is both sides or none";
    }
}

// ---------------------------------------------------------------------------------------------
// The window's layout at other sizes

TEST(WindowLayout, AtTheDesignedSizeEveryControlStandsAsDesigned)
{
    for (const ControlRow &row : mainControlTable()) {
        const ControlRect r = placeControl(row.id, kDesignedClientWidth, kDesignedClientHeight);
        EXPECT_EQ(r.x, row.geometry.x) << row.name;
        EXPECT_EQ(r.y, row.geometry.y) << row.name;
        EXPECT_EQ(r.width, row.geometry.width) << row.name;
        EXPECT_EQ(r.height, row.geometry.height) << row.name;
    }
    EXPECT_EQ(boardScale(300, 200), 1.0) << "never below the designed size";
}

struct LayoutCase
{
    ControlId id;
    ControlRect expected;
};

TEST(WindowLayout, TheBoardGrowsAndTheSidePanelAndLowerToolbarMakeRoom)
{
    // Twice the board: 466 and 462 pixels more; a wider window than that grows no further.
    const int w = kDesignedClientWidth + 466 + 40, h = kDesignedClientHeight + 462;
    EXPECT_DOUBLE_EQ(boardScale(w, h), 2.0);
    const LayoutCase cases[] = {
        {ControlId::Panel1, {6, 31, 932, 924}}, {ControlId::Panel2, {2, 2, 928, 920}},
        {ControlId::lbl1, {788, 903, 118, 13}}, {ControlId::grpshowcandidates, {946, 40, 107, 168}},
        {ControlId::rb_all, {8, 35, 97, 17}},   {ControlId::ProgressBar9, {1044, 432, 11, 44}},
        {ControlId::ToolBar1, {0, 0, 593, 29}}, {ControlId::ToolBar2, {0, 957, 593, 26}},
        {ControlId::btnext, {361, 0, 25, 25}},  {ControlId::sb1, {0, 983, w, 19}},
    };
    for (const LayoutCase &c : cases) {
        const ControlRect r = placeControl(c.id, w, h);
        SCOPED_TRACE(controlRow(c.id).name);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.width, c.expected.width);
        EXPECT_EQ(r.height, c.expected.height);
    }
}

} // namespace
} // namespace kestrel
