// The main window's logic, driven as a player would through the scripted fake platform.
#include "app/main_form.hpp"

#include "app/settings.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace kestrel {
namespace {

class MainFormTest : public testing::Test
{
protected:
    FakePlatform fake;
    TForm1 form{fake.platform()};

    void start() { form.FormCreate(); }
    void setMode(Mode mode) { form.game().setSelection(mode, form.game().digitsDown()); }
    std::string downDigits() const
    {
        std::string digits;
        for (int d = 1; d <= 9; ++d)
            if (form.control(digitButton(d)).down)
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

    const TPICSD33 &board = form.game().board();
    EXPECT_FALSE(board.enabled);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            EXPECT_EQ(cell.state, CellState::Given);
            EXPECT_EQ(cell.hxs, "");
            for (int d = 1; d <= 9; ++d)
                EXPECT_EQ(cell.hxsPanels[static_cast<std::size_t>(d)].fontSize, board.FONTSize3);
            for (int entry = 0; entry <= 9; ++entry)
                EXPECT_EQ(form.game().marks().at(r, c, entry), ColourMarks::kNoMark);
        }
    }
    for (const ControlId id :
         {ControlId::btStartBranch, ControlId::btAccept, ControlId::btRejectBranch,
          ControlId::btfirst, ControlId::btback, ControlId::btnext, ControlId::btlast})
        EXPECT_FALSE(form.control(id).enabled) << controlRow(id).name;
    EXPECT_TRUE(form.control(ControlId::rb_none).checked);
    EXPECT_TRUE(form.control(ControlId::cbautoupdate).checked);
    EXPECT_FALSE(form.control(ControlId::cbautoupdate).enabled);
    EXPECT_FALSE(form.control(ControlId::WC_Label).visible);
    EXPECT_EQ(form.game().history().lines(), std::vector<std::string>{"memostep"});
    EXPECT_EQ(form.game().branch().snapshot, "");
    EXPECT_EQ(form.game().markingColour(), 11);
    EXPECT_EQ(Game::colorGridColours()[11], 0x0000FFFFu) << "index 11 is yellow";
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
    EXPECT_EQ(form.control(ControlId::rb_none).caption, form.text("rb_none.caption"));
    EXPECT_NE(form.control(ControlId::rb_none).caption, "Pencil and Paper");
    EXPECT_EQ(form.control(ControlId::btsave).hint, form.text("btsave.hint"));
    EXPECT_FALSE(form.control(ControlId::btsave).hint.empty());
    EXPECT_EQ(form.control(ControlId::N1).caption, "-") << "separators stay separators";
    EXPECT_EQ(form.control(ControlId::bthelp1).caption, "?")
        << "no caption key: the speed button keeps it";
    for (const ControlId id : {ControlId::mnc1, ControlId::mnc2, ControlId::mnc3, ControlId::mnc4})
        EXPECT_TRUE(form.control(id).visible) << controlRow(id).name;
    for (const ControlId id : {ControlId::mne1, ControlId::mne4, ControlId::mnj1,
                               ControlId::mnCheckNewVersion, ControlId::mnCreatetxt})
        EXPECT_FALSE(form.control(id).visible) << controlRow(id).name;
    EXPECT_EQ(form.interfaceFontName(), "宋体");
    EXPECT_EQ(form.interfaceFontSize(), 9);
}

TEST_F(MainFormTest, SwitchingToEnglishChangesCaptionsAndLaterMessagesAtOnce)
{
    start();
    form.loadLanguage(Language::English);
    EXPECT_EQ(form.text("MSG_RESTART"),
              "Are you sure you want to reset this game to the initial state?");
    EXPECT_EQ(form.control(ControlId::mnNewGame).caption, "&New Game");
    EXPECT_EQ(form.control(ControlId::rb_one).caption, "Part Candidates");
    EXPECT_EQ(form.control(ControlId::N3).caption, "-");
    EXPECT_EQ(form.control(ControlId::rb_all).hint,
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
    EXPECT_FALSE(form.game().board().enabled);
    EXPECT_EQ(form.game().board().cell(9, 9).state, CellState::Given)
        << "the rest of start-up still ran";
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
        EXPECT_TRUE(form.ApplicationEvents1Message(KeyPress{Key::Tab}, true));
        seen += downDigits();
    }
    EXPECT_EQ(seen, "1234567891");
    EXPECT_FALSE(form.ApplicationEvents1Message(KeyPress{Key::Tab}, false))
        << "only while the window is active";
    EXPECT_FALSE(form.ApplicationEvents1Message(KeyPress{Key::Other}, true));
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
        form.game().setSelection(Mode::PartCandidates, DigitSet::fromText(c.down));
        form.ApplicationEvents1Message(KeyPress{Key::Tab}, true);
        EXPECT_EQ(downDigits(), c.expected);
    }
}

TEST_F(MainFormTest, DigitKeysSelectFromTheMainKeyboardAndTheKeypad)
{
    start();
    for (int d = 1; d <= 9; ++d) {
        EXPECT_TRUE(form.FormKeyDown(KeyPress{digitKey(d)}));
        EXPECT_EQ(form.game().selectedDigit(), d);
    }
    for (int d = 1; d <= 9; ++d) {
        EXPECT_TRUE(form.FormKeyDown(KeyPress{digitKey(d), true})) << "keypad " << d;
        EXPECT_EQ(form.game().selectedDigit(), d) << "keypad " << d;
    }
    form.FormKeyDown(KeyPress{Key::Digit3});
    EXPECT_FALSE(form.FormKeyDown(KeyPress{Key::Digit5, false, false, true})) << "a held key";
    KeyPress withCtrl{Key::Digit7};
    withCtrl.ctrl = true;
    withCtrl.autoRepeat = true; // Ctrl+7 is no shortcut: as a held key it does nothing either
    EXPECT_FALSE(form.FormKeyDown(withCtrl));
    EXPECT_FALSE(form.FormKeyDown(KeyPress{Key::Other})) << "0 selects nothing";
    EXPECT_EQ(form.game().selectedDigit(), 3);
}

TEST_F(MainFormTest, SelectingADigitInPartCandidatesFillsEmptyCandidateLists)
{
    start();
    TPICSD33 &board = form.game().board();
    board.cell(1, 1).hxs = "5"; // a given 5 in A1; every other cell open and empty
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (r != 1 || c != 1)
                board.cell(r, c).state = CellState::Open;
    board.cell(9, 9).hxs = "12"; // the player's own marks stay
    setMode(Mode::PartCandidates);
    form.game().disnote11Click(5);
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
    form.game().disnote11Click(4);
    form.game().disnote1MouseDown(6, MouseButton::Right);
    EXPECT_EQ(downDigits(), "4") << "other modes ignore a right press";
    setMode(Mode::PartCandidates);
    form.game().disnote1MouseDown(6, MouseButton::Right);
    EXPECT_EQ(downDigits(), "46");
    EXPECT_EQ(form.game().displayDigits(), "46");
    EXPECT_EQ(form.game().selectedDigit(), 0) << "two digits down: no single selection";
    form.game().disnote1MouseDown(4, MouseButton::Right);
    form.game().disnote1MouseDown(6, MouseButton::Right);
    EXPECT_EQ(downDigits(), "6") << "the only selected digit stays selected";
    form.game().disnote1MouseDown(6, MouseButton::Left);
    EXPECT_EQ(downDigits(), "6");
}

TEST_F(MainFormTest, StatusLineShowsHintsOfControlsAndClearsOverBackgrounds)
{
    start();
    form.loadLanguage(Language::English);
    form.controlHovered(ControlId::btsave);
    EXPECT_EQ(form.statusText(), "Save Current Board");
    EXPECT_EQ(form.statusColour(), Colour{7978239});
    form.controlHovered(ControlId::Panel2);
    EXPECT_EQ(form.statusText(), "");
    EXPECT_FALSE(form.statusColour().has_value());
    form.controlHovered(ControlId::colorgrid1);
    EXPECT_EQ(form.statusText(),
              "When Marking is checked, you can do color marking for each cell or Candidate.");
    form.controlHovered(ControlId::grpColorPanel);
    EXPECT_EQ(form.statusText(), "");
    form.controlHovered(ControlId::disnote3);
    EXPECT_EQ(form.statusText(), form.text("rb_all_number_hint"));
    setMode(Mode::PartCandidates);
    form.controlHovered(ControlId::disnote3);
    EXPECT_EQ(form.statusText(), "To click the right side of the mouse can select many numbers.");
    form.controlHovered(ControlId::TimeLabel1);
    EXPECT_EQ(form.statusText(), "");
}

TEST_F(MainFormTest, HoveringACellSetsItsFrameAndTheModeHint)
{
    start();
    form.loadLanguage(Language::English);
    TPICSD33 &board = form.game().board();
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

    form.checkBoxClick(ControlId::chkcolor, true);
    form.hoverEnter(2, 4, 0);
    EXPECT_EQ(form.statusText(), form.text("msg_color"));
}

TEST_F(MainFormTest, ActivatingTheWindowClosesTheCandidatePad)
{
    start();
    form.game().board().cell(2, 2).state = CellState::Open;
    form.frmtile().open(2, 2);
    form.game().board().cell(5, 5).setIsEnter(true); // the mouse is over a cell: the pad is kept
    form.FormActivate();
    EXPECT_FALSE(form.frmtile().visible);
    EXPECT_TRUE(form.padOpen());
    form.game().board().cell(5, 5).setIsEnter(false);
    form.frmtile().open(2, 2);
    form.FormActivate();
    EXPECT_FALSE(form.frmtile().visible);
    EXPECT_FALSE(form.padOpen());
}

TEST_F(MainFormTest, WebMenuItemsOpenShippedHelpPagesAndExitAsksToClose)
{
    start();
    form.webMenuClick(ControlId::mnc3);
    ASSERT_EQ(fake.shellOpens().size(), 1u);
    EXPECT_EQ(fake.shellOpens()[0], fake.programDirectory() + "/help/en/techniques.htm");
    EXPECT_EQ(form.control(ControlId::lbl1).caption, "Sudoku Kestrel")
        << "the label names the program, not a web site";
    form.webMenuClick(ControlId::mnAbout);
    EXPECT_EQ(fake.shellOpens().size(), 1u) << "not a web item";
    EXPECT_FALSE(form.closeRequested());
    form.mnExitClick();
    EXPECT_TRUE(form.closeRequested());
}

TEST_F(MainFormTest, AboutNamesTheProgramItsVersionAndItsLibrariesInEveryLanguage)
{
    start();
    std::set<std::string> titles;
    for (const Language language : {Language::Chinese, Language::English, Language::Japanese}) {
        form.chooseLanguage(language);
        fake.clearLog();
        std::optional<TfrmAbout> seen;
        fake.whileModal([&](std::string_view window) {
            EXPECT_EQ(window, TfrmAbout::kWindowName);
            ASSERT_NE(form.frmAbout(), nullptr);
            seen = *form.frmAbout();
            form.frmAbout()->Button1Click();
        });
        form.mnAboutClick();
        EXPECT_EQ(fake.windowCalls(), std::vector<std::string>{"showModal TfrmAbout"});
        EXPECT_EQ(form.frmAbout(), nullptr) << "freed after use";
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->title, "Sudoku Kestrel " KESTREL_VERSION);
        EXPECT_FALSE(seen->description.empty());
        EXPECT_FALSE(seen->creditsHeading.empty());
        EXPECT_FALSE(seen->closeCaption.empty());
        std::string credits;
        for (const std::string &credit : seen->credits)
            credits += credit + "\n";
        for (const char *credit :
             {"Qt 6", "LGPL-3.0", "libjpeg-turbo", "Independent JPEG Group", "Apache License 2.0",
              "GPL", "Liberation Sans", "SIL Open Font License"})
            EXPECT_NE(credits.find(credit), std::string::npos) << credit;
        titles.insert(seen->caption);
    }
    EXPECT_EQ(titles.size(), 3u) << "each language titles the window in its own words";
}

TEST_F(MainFormTest, ColourMarksPaintOverTheDefaultColoursAndHighlightShowsThrough)
{
    start();
    TPICSD33 &board = form.game().board();
    board.cell(3, 3).hxs = "7";
    board.cell(4, 4).hxs = "7";
    board.cell(4, 4).isError = true;
    form.game().disnote11Click(7);
    EXPECT_EQ(board.cell(3, 3).color, board.highcolor);
    EXPECT_EQ(board.cell(4, 4).color, board.errorcolor) << "the error mark wins";
    EXPECT_EQ(board.cell(5, 5).color, board.boxColour(5, 5));
    EXPECT_EQ(board.cell(3, 3).hxsPanels[2].color, board.highcolor)
        << "sub-panels take the cell's default colour";
}

TEST_F(MainFormTest, StartUpAppearanceGivesTheMainBoardTheDefaultColours)
{
    // A first start: every "Default Color" box is ticked, so the boxes alternate white and
    // $00D9F7F7, givens and candidates are black and placed digits blue.
    start();
    form.applyBoardAppearance();
    const TPICSD33 &board = form.game().board();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const int box = (r - 1) / 3 * 3 + (c - 1) / 3 + 1;
            EXPECT_EQ(board.cell(r, c).color, box % 2 == 1 ? Colour{0x00FFFFFF} : 0x00D9F7F7)
                << r << "," << c;
        }
    }
    EXPECT_EQ(board.FONTColor1, Colour{0});
    EXPECT_EQ(board.FONTColor2, Colour{0x00FF0000});
    EXPECT_EQ(board.FONTColor3, Colour{0});
    EXPECT_EQ(board.highcolor, Colour{0x0000FFFF});
}

} // namespace
} // namespace kestrel
