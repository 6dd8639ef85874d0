// The main window's logic, driven as a player would through the scripted fake platform.
#include "app/main_form.hpp"

#include "app/settings.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class MainFormTest : public testing::Test
{
protected:
    FakePlatform fake;
    TForm1 form{fake.platform()};

    void start() { form.FormCreate(); }
    void setMode(Mode mode)
    {
        form.control("rb_none").checked = mode == Mode::PencilAndPaper;
        form.control("rb_all").checked = mode == Mode::AllCandidates;
        form.control("rb_one").checked = mode == Mode::PartCandidates;
    }
    std::string downDigits() const
    {
        std::string digits;
        for (int d = 1; d <= 9; ++d)
            if (form.control("disnote" + std::to_string(d)).down)
                digits += std::to_string(d);
        return digits;
    }
};

TEST_F(MainFormTest, StartUpLeavesAnEmptyDisabledBoardAndPreparesTheDataDirectory)
{
    start();
    EXPECT_TRUE(fake.shown().empty()) << "a fresh profile starts without any message";
    const std::string data = fake.dataDirectory();
    EXPECT_TRUE(fake.isDirectory(data));
    EXPECT_TRUE(fake.isDirectory(data + "/replay"));
    EXPECT_EQ(fake.currentDirectory(), data);
    EXPECT_TRUE(form.dataDirectoryUsable());

    const TPICSD33 &board = form.board();
    EXPECT_FALSE(board.enabled);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            EXPECT_EQ(cell.state, CellState::Given);
            EXPECT_EQ(cell.hxs, "");
            for (int d = 1; d <= 9; ++d)
                EXPECT_EQ(cell.hxsPanels[static_cast<std::size_t>(d)].fontSize, board.FONTSize3);
            for (int entry = 0; entry <= 9; ++entry)
                EXPECT_EQ(form.colourMark(r, c, entry), kNoMark);
        }
    }
    for (const char *name :
         {"btStartBranch", "btAccept", "btRejectBranch", "btfirst", "btback", "btnext", "btlast"})
        EXPECT_FALSE(form.control(name).enabled) << name;
    EXPECT_TRUE(form.control("rb_none").checked);
    EXPECT_TRUE(form.control("cbautoupdate").checked);
    EXPECT_FALSE(form.control("cbautoupdate").enabled);
    EXPECT_FALSE(form.control("WC_Label").visible);
    EXPECT_EQ(form.stepLog().lines(), std::vector<std::string>{"memostep"});
    EXPECT_EQ(form.branchSnapshot(), "");
    EXPECT_EQ(form.colorGridForeground(), 11);
    EXPECT_EQ(TForm1::colorGridColours()[11], 0x0000FFFFu) << "index 11 is yellow";
    EXPECT_EQ(form.caption(), kApplicationTitle);
}

TEST_F(MainFormTest, StartUpWritesDefaultSettingsOnAFirstRun)
{
    start();
    EXPECT_EQ(fake.storedSetting(kSettingsKey, "reg_board_background_use_default"), "1");
    EXPECT_EQ(fake.storedSetting(kSettingsKey, "reg_Board_color1"), "13891060");
    AppSettings defaults;
    resetSettings(defaults);
    EXPECT_EQ(form.settings(), defaults);
}

TEST_F(MainFormTest, StartUpAppliesTheChineseTable)
{
    start();
    EXPECT_EQ(form.text("MSG_RESTART"), form.languageTable().lookup("msg_restart"));
    EXPECT_EQ(form.control("rb_none").caption, form.text("rb_none.caption"));
    EXPECT_NE(form.control("rb_none").caption, "Pencil and Paper");
    EXPECT_EQ(form.control("btsave").hint, form.text("btsave.hint"));
    EXPECT_FALSE(form.control("btsave").hint.empty());
    EXPECT_EQ(form.control("N1").caption, "-") << "separators stay separators";
    EXPECT_EQ(form.control("bthelp1").caption, "?") << "no caption key: the speed button keeps it";
    for (const char *name : {"mnc1", "mnc2", "mnc3", "mnc4"})
        EXPECT_TRUE(form.control(name).visible) << name;
    for (const char *name : {"mne1", "mne4", "mnj1", "mnCheckNewVersion", "mnCreatetxt"})
        EXPECT_FALSE(form.control(name).visible) << name;
    EXPECT_EQ(form.interfaceFontName(), "宋体");
    EXPECT_EQ(form.interfaceFontSize(), 9);
}

TEST_F(MainFormTest, SwitchingToEnglishChangesCaptionsAndLaterMessagesAtOnce)
{
    start();
    form.loadLanguage(Language::English);
    EXPECT_EQ(form.text("MSG_RESTART"),
              "Are you sure you want to reset this game to the initial state?");
    EXPECT_EQ(form.control("mnNewGame").caption, "&New Game");
    EXPECT_EQ(form.control("rb_one").caption, "Part Candidates");
    EXPECT_EQ(form.control("N3").caption, "-");
    EXPECT_EQ(form.control("rb_all").hint,
              "In this mode, the system will automatically generate candidate numbers.");
}

TEST_F(MainFormTest, ADataDirectoryThatCannotBeMadeIsReportedAndStartUpGoesOn)
{
    fake.failMakeDirectory(fake.dataDirectory());
    start();
    ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_NE(fake.lastShown().text.find(fake.dataDirectory()), std::string::npos)
        << "the message names the folder";
    EXPECT_FALSE(form.dataDirectoryUsable());
    EXPECT_FALSE(form.board().enabled);
    EXPECT_EQ(form.board().cell(9, 9).state, CellState::Given) << "the rest of start-up still ran";
}

TEST_F(MainFormTest, AReplayFolderThatCannotBeMadeIsReported)
{
    fake.failMakeDirectory(fake.dataDirectory() + "/replay");
    start();
    EXPECT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_FALSE(form.dataDirectoryUsable());
}

TEST_F(MainFormTest, ADataDirectoryThatCannotBeEnteredIsReported)
{
    fake.failSetCurrentDirectory(fake.dataDirectory());
    start();
    ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_FALSE(form.dataDirectoryUsable());
}

TEST_F(MainFormTest, AnExistingDataDirectoryIsUsedQuietly)
{
    fake.addDirectory(fake.dataDirectory() + "/replay");
    start();
    EXPECT_TRUE(fake.shown().empty());
    EXPECT_TRUE(form.dataDirectoryUsable());
}

TEST_F(MainFormTest, TabCyclesTheSelectedDigitAndIsSwallowed)
{
    start();
    EXPECT_EQ(downDigits(), "");
    std::string seen;
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(form.ApplicationEvents1Message(9, true));
        seen += downDigits();
    }
    EXPECT_EQ(seen, "1234567891");
    EXPECT_FALSE(form.ApplicationEvents1Message(9, false)) << "only while the window is active";
    EXPECT_FALSE(form.ApplicationEvents1Message(13, true));
    EXPECT_EQ(downDigits(), "1");
}

TEST_F(MainFormTest, TabWithSeveralDigitsDownSelectsTheOneAfterTheFirstInNineOneToEightOrder)
{
    start();
    setMode(Mode::PartCandidates);
    struct Case
    {
        std::string down;
        std::string expected;
    };
    for (const Case &c : {Case{"37", "4"}, Case{"19", "1"}, Case{"289", "1"}, Case{"58", "6"}}) {
        SCOPED_TRACE("down " + c.down);
        for (int d = 1; d <= 9; ++d)
            form.control("disnote" + std::to_string(d)).down
                = c.down.find(static_cast<char>('0' + d)) != std::string::npos;
        form.ApplicationEvents1Message(9, true);
        EXPECT_EQ(downDigits(), c.expected);
    }
}

TEST_F(MainFormTest, MainKeyboardDigitsSelectButKeypadDigitsDoNot)
{
    start();
    for (int key = 49; key <= 57; ++key) {
        EXPECT_TRUE(form.FormKeyDown(key));
        EXPECT_EQ(form.selectedDigit(), key - 48);
    }
    form.FormKeyDown(51);
    for (int keypad = 96; keypad <= 105; ++keypad) // VK_NUMPAD0..VK_NUMPAD9
        EXPECT_FALSE(form.FormKeyDown(keypad));
    EXPECT_FALSE(form.FormKeyDown(48)) << "0 selects nothing";
    EXPECT_EQ(form.selectedDigit(), 3);
}

TEST_F(MainFormTest, SelectingADigitInPartCandidatesFillsEmptyCandidateLists)
{
    start();
    TPICSD33 &board = form.board();
    board.cell(1, 1).hxs = "5"; // a given 5 in A1; every other cell open and empty
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (r != 1 || c != 1)
                board.cell(r, c).state = CellState::Open;
    board.cell(9, 9).hxs = "12"; // the player's own marks stay
    setMode(Mode::PartCandidates);
    form.disnote11Click(5);
    EXPECT_EQ(board.cell(1, 2).hxs, "12346789") << "a peer of the given 5";
    EXPECT_EQ(board.cell(5, 5).hxs, "123456789");
    EXPECT_EQ(board.cell(9, 9).hxs, "12");
    EXPECT_EQ(board.cell(1, 1).hxs, "5");
    // Only open cells holding 5 (or a single candidate) show their candidates.
    EXPECT_TRUE(board.cell(5, 5).hxsPanels[5].visible);
    EXPECT_FALSE(board.cell(1, 2).hxsPanels[1].visible);
    EXPECT_FALSE(board.cell(9, 9).hxsPanels[1].visible);
}

TEST_F(MainFormTest, RightPressTogglesDigitsOnlyInPartCandidatesAndKeepsOneDown)
{
    start();
    form.disnote11Click(4);
    form.disnote1MouseDown(6, MouseButton::Right);
    EXPECT_EQ(downDigits(), "4") << "other modes ignore a right press";
    setMode(Mode::PartCandidates);
    form.disnote1MouseDown(6, MouseButton::Right);
    EXPECT_EQ(downDigits(), "46");
    EXPECT_EQ(form.displayDigits(), "46");
    EXPECT_EQ(form.selectedDigit(), 0) << "two digits down: no single selection";
    form.disnote1MouseDown(4, MouseButton::Right);
    form.disnote1MouseDown(6, MouseButton::Right);
    EXPECT_EQ(downDigits(), "6") << "the only selected digit stays selected";
    form.disnote1MouseDown(6, MouseButton::Left);
    EXPECT_EQ(downDigits(), "6");
}

TEST_F(MainFormTest, StatusLineShowsHintsOfControlsAndClearsOverBackgrounds)
{
    start();
    form.loadLanguage(Language::English);
    form.controlHovered("btsave");
    EXPECT_EQ(form.statusText(), "Save Current Board");
    EXPECT_EQ(form.statusColour(), Colour{7978239});
    form.controlHovered("Panel2");
    EXPECT_EQ(form.statusText(), "");
    EXPECT_FALSE(form.statusColour().has_value());
    form.controlHovered("colorgrid1");
    EXPECT_EQ(form.statusText(),
              "When Marking is checked, you can do color marking for each cell or Candidate.");
    form.controlHovered("grpColorPanel");
    EXPECT_EQ(form.statusText(), "");
    form.controlHovered("disnote3");
    EXPECT_EQ(form.statusText(), form.text("rb_all_number_hint"));
    setMode(Mode::PartCandidates);
    form.controlHovered("disnote3");
    EXPECT_EQ(form.statusText(), "To click the right side of the mouse can select many numbers.");
    form.controlHovered("TimeLabel1");
    EXPECT_EQ(form.statusText(), "");
}

TEST_F(MainFormTest, HoveringACellSetsItsFrameAndTheModeHint)
{
    start();
    form.loadLanguage(Language::English);
    TPICSD33 &board = form.board();
    board.cell(2, 3).state = CellState::Open;
    board.cell(2, 4).state = CellState::Placed;

    form.hoverEnter(2, 3, 0);
    EXPECT_TRUE(board.cell(2, 3).isEnter());
    EXPECT_EQ(form.statusText(), form.text("msg_rb_one"));
    form.hoverLeave(2, 3, 0);
    EXPECT_FALSE(board.cell(2, 3).isEnter());

    form.hoverEnter(2, 3, 7);
    EXPECT_TRUE(board.cell(2, 3).hxsPanels[7].isEnter());
    EXPECT_FALSE(board.cell(2, 3).isEnter());
    EXPECT_EQ(form.statusText(), form.text("msg_notcolor"));
    form.hoverLeave(2, 3, 7);
    EXPECT_FALSE(board.cell(2, 3).hxsPanels[7].isEnter());

    form.hoverEnter(1, 1, 0); // a given
    EXPECT_EQ(form.statusText(), "");

    setMode(Mode::AllCandidates);
    form.hoverEnter(2, 4, 0);
    EXPECT_EQ(form.statusText(), form.text("msg_tb_all"));
    form.hoverEnter(2, 3, 0);
    EXPECT_EQ(form.statusText(), form.text("msg_right_pop"));

    setMode(Mode::PartCandidates);
    form.showStatus("unchanged");
    form.hoverEnter(2, 4, 0);
    EXPECT_EQ(form.statusText(), "unchanged") << "a placed cell leaves the line alone";

    form.checkBoxClick("chkcolor", true);
    form.hoverEnter(2, 4, 0);
    EXPECT_EQ(form.statusText(), form.text("msg_color"));
}

TEST_F(MainFormTest, ActivatingTheWindowClosesTheCandidatePad)
{
    start();
    form.board().cell(2, 2).state = CellState::Open;
    form.frmtile().open(2, 2);
    form.board().cell(5, 5).setIsEnter(true); // the mouse is over a cell: the pad is kept
    form.FormActivate();
    EXPECT_FALSE(form.frmtile().visible);
    EXPECT_TRUE(form.padOpen());
    form.board().cell(5, 5).setIsEnter(false);
    form.frmtile().open(2, 2);
    form.FormActivate();
    EXPECT_FALSE(form.frmtile().visible);
    EXPECT_FALSE(form.padOpen());
}

TEST_F(MainFormTest, WebMenuItemsOpenTheirPagesAndExitAsksToClose)
{
    start();
    form.webMenuClick("mnc3");
    ASSERT_EQ(fake.shellOpens().size(), 1u);
    EXPECT_EQ(fake.shellOpens()[0].rfind("https://", 0), 0u);
    form.webMenuClick("mnAbout");
    EXPECT_EQ(fake.shellOpens().size(), 1u) << "not a web item";
    EXPECT_FALSE(form.closeRequested());
    form.mnExitClick();
    EXPECT_TRUE(form.closeRequested());
}

TEST_F(MainFormTest, ColourMarksPaintOverTheDefaultColoursAndHighlightShowsThrough)
{
    start();
    TPICSD33 &board = form.board();
    board.cell(3, 3).hxs = "7";
    board.cell(4, 4).hxs = "7";
    board.cell(4, 4).isError = true;
    form.disnote11Click(7);
    EXPECT_EQ(board.cell(3, 3).color, board.highcolor);
    EXPECT_EQ(board.cell(4, 4).color, board.errorcolor) << "the error mark wins";
    EXPECT_EQ(board.cell(5, 5).color, board.boxColour(5, 5));
    EXPECT_EQ(board.cell(3, 3).hxsPanels[2].color, board.highcolor)
        << "sub-panels take the cell's default colour";
}

TEST_F(MainFormTest, StartUpAppearanceGivesEveryCellTheMainBoardsBackground)
{
    start();
    form.applyBoardAppearance();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(form.board().cell(r, c).color, Colour{0x00D9F7F7});
}

} // namespace
} // namespace kestrel
