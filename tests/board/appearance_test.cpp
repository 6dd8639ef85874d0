// The appearance dialog driven as a player would, on a main board and a fake settings store.
#include "board/appearance.hpp"

#include "app/language_table.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

constexpr Colour kPicked = 0x00123456;

class AppearanceTest : public testing::Test
{
protected:
    FakePlatform fake;
    AppSettings settings;
    TPICSD33 mainBoard;
    TfrmAppearance dialog{settings, fake.platform().settings, fake.platform().dialogs, mainBoard};

    void create()
    {
        LanguageTable english;
        english.load(Language::English);
        dialog.FormCreate([&](std::string_view key) { return english.lookup(key); });
    }
    std::string stored(std::string_view name) const
    {
        return fake.storedSetting(kSettingsKey, name).value_or("<missing>");
    }
    static bool isOddBox(int r, int c) { return ((r - 1) / 3 * 3 + (c - 1) / 3) % 2 == 0; }
};

TEST_F(AppearanceTest, FirstStartWritesTheDefaultsAndGivesBothBoardsTheDefaultColours)
{
    create();
    EXPECT_EQ(stored("reg_board_background_use_default"), "1");
    EXPECT_EQ(stored("reg_Board_color1"), "13891060");
    for (const AppearanceGroup group :
         {AppearanceGroup::Background, AppearanceGroup::FontColor, AppearanceGroup::Highlight})
        EXPECT_TRUE(dialog.isChecked(group));
    for (TPICSD33 *board : {&mainBoard, &dialog.sd1}) {
        EXPECT_EQ(board->UNFoucsColor1, Colour{0x00FFFFFF});
        EXPECT_EQ(board->UNFoucsColor2, Colour{0x00D9F7F7});
        EXPECT_EQ(board->FONTColor2, Colour{0x00FF0000});
        EXPECT_EQ(board->FONTColor3, Colour{0});
        EXPECT_EQ(board->highcolor, Colour{0x0000FFFF});
    }
    // The swatches show the stored custom colours, not the defaults they stand in for.
    EXPECT_EQ(dialog.swatch(Swatch::Panel1).color, Colour{13891060});
    EXPECT_EQ(dialog.caption, "Appearance");
    EXPECT_EQ(dialog.labelCaptions[3], "Big Number");
    EXPECT_EQ(dialog.font, InterfaceFont::standard());
}

TEST_F(AppearanceTest, PreviewHoldsTheSamplePositionAndHighlightsItsFives)
{
    create();
    const TPICSD33 &sd1 = dialog.sd1;
    EXPECT_EQ(sd1.cell(1, 2).state, CellState::Given);
    EXPECT_EQ(sd1.cell(1, 2).hxs, "1");
    EXPECT_EQ(sd1.cell(1, 3).state, CellState::Placed);
    EXPECT_EQ(sd1.cell(3, 1).state, CellState::Open);
    EXPECT_EQ(sd1.cell(3, 1).hxs, "246789");
    EXPECT_EQ(sd1.cell(9, 9).hxs, "3");
    int fives = 0;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = sd1.cell(r, c);
            if (cell.hxs == "5") {
                ++fives;
                EXPECT_EQ(cell.color, Colour{0x0000FFFF});
            } else if (cell.state != CellState::Open) {
                EXPECT_EQ(cell.color, isOddBox(r, c) ? 0x00FFFFFF : 0x00D9F7F7);
            }
        }
    }
    EXPECT_EQ(fives, 9);
    // Open cells draw their candidates on the cell's own colour.
    EXPECT_EQ(sd1.cell(3, 1).hxsPanels[2].color, sd1.cell(3, 1).color);
}

TEST_F(AppearanceTest, UntickingBackgroundAfterAResetShowsTheStoredColourAndCancelChangesNothing)
{
    create();
    dialog.FormShow();
    dialog.Button3Click();
    dialog.checkBoxClick(AppearanceGroup::Background, false);
    EXPECT_EQ(dialog.sd1.UNFoucsColor1, Colour{0x00D3F5F4});
    EXPECT_EQ(dialog.sd1.UNFoucsColor2, Colour{0x00D3F5F4});
    EXPECT_EQ(settings.reg_board_background_use_default, "0");
    dialog.Button2Click();
    EXPECT_EQ(stored("reg_board_background_use_default"), "1");
    EXPECT_EQ(mainBoard.UNFoucsColor1, Colour{0x00FFFFFF});
}

TEST_F(AppearanceTest, CancelledColourDialogStillStoresTheGroupAndRedrawsThePreview)
{
    create();
    dialog.FormShow();
    dialog.checkBoxClick(AppearanceGroup::FontColor, false);
    settings.reg_Font_color_Big = "999"; // stale memory the click must overwrite
    fake.answerColour(std::nullopt);
    dialog.swatchClick(Swatch::fpanel2);
    EXPECT_EQ(settings.reg_Font_color_Big, "16711680");
    EXPECT_EQ(settings.reg_Font_use_default, "0");
    fake.answerColour(kPicked);
    dialog.swatchClick(Swatch::fpanel2);
    EXPECT_EQ(dialog.swatch(Swatch::fpanel2).color, kPicked);
    EXPECT_EQ(dialog.sd1.FONTColor2, kPicked);
    EXPECT_EQ(settings.reg_Font_color_Big, std::to_string(kPicked));
    EXPECT_EQ(fake.shownOfKind("colour").size(), 2u);
}

TEST_F(AppearanceTest, ACancelledEditSurvivesTheReloadWhenTheBoxChangesStateThere)
{
    // Untick, pick, cancel, reopen: the reload ticks the box again, and because the box
    // changes state its click stores the swatches first, so the picked colour stays and
    // "OK" saves it with the flag "1".
    create();
    dialog.FormShow();
    dialog.checkBoxClick(AppearanceGroup::Background, false);
    fake.answerColour(kPicked);
    dialog.swatchClick(Swatch::Panel1);
    dialog.Button2Click();

    dialog.FormShow();
    EXPECT_TRUE(dialog.isChecked(AppearanceGroup::Background));
    EXPECT_EQ(dialog.swatch(Swatch::Panel1).color, kPicked);
    dialog.Button1Click();
    EXPECT_EQ(stored("reg_board_background_use_default"), "1");
    EXPECT_EQ(stored("reg_Board_color1"), std::to_string(kPicked));
    EXPECT_EQ(mainBoard.UNFoucsColor1, Colour{0x00FFFFFF}); // the default is still chosen
}

TEST_F(AppearanceTest, OkPutsCustomColoursOnTheMainBoardAndDefaultOnlyOnThePreview)
{
    create();
    dialog.FormShow();
    dialog.checkBoxClick(AppearanceGroup::Highlight, false);
    fake.answerColour(kPicked);
    dialog.swatchClick(Swatch::highpanle);
    dialog.Button1Click();
    EXPECT_EQ(mainBoard.highcolor, kPicked);
    EXPECT_EQ(stored("reg_HighLight_use_default"), "0");
    EXPECT_FALSE(dialog.visible);

    dialog.FormShow();
    dialog.Button3Click();
    EXPECT_EQ(stored("reg_HighLight_use_default"), "1");
    EXPECT_EQ(stored("reg_HighLight_color"), "65535");
    EXPECT_EQ(dialog.sd1.highcolor, Colour{0x0000FFFF});
    EXPECT_EQ(mainBoard.highcolor, kPicked) << "the main board changes at the next apply only";
}

TEST_F(AppearanceTest, AStoredValueThatIsNotANumberResetsAndSavesTheDefaults)
{
    for (const char *bad : {"abc", "", "12 3", "$xyz"}) {
        SCOPED_TRACE(bad);
        // The "Default Color" box keeps its state here; one that changed state would store
        // its swatches over the bad text before it is read.
        create();
        fake.putSetting(kSettingsKey, "reg_HighLight_use_default", "0");
        fake.putSetting(kSettingsKey, "reg_Board_color2", "255");
        fake.putSetting(kSettingsKey, "reg_Font_color_Big", bad);
        dialog.applySettings(mainBoard);
        EXPECT_EQ(stored("reg_Font_color_Big"), "16711680");
        EXPECT_EQ(stored("reg_Board_color2"), "13891060") << "all nine are reset";
        EXPECT_EQ(stored("reg_HighLight_use_default"), "1");
        EXPECT_EQ(mainBoard.FONTColor2, Colour{0x00FF0000});
    }
}

TEST_F(AppearanceTest, HexadecimalColoursAreAcceptedAndAReadOnlyStoreCannotLoopTheReset)
{
    create();
    fake.putSetting(kSettingsKey, "reg_board_background_use_default", "0");
    fake.putSetting(kSettingsKey, "reg_Board_color1", "$000000FF");
    // The first pass unticks the box (its click stores the old swatch in memory only); the
    // second reads the stored text.
    dialog.applySettings(mainBoard);
    EXPECT_EQ(mainBoard.UNFoucsColor1, Colour{13891060});
    dialog.applySettings(mainBoard);
    EXPECT_EQ(mainBoard.UNFoucsColor1, Colour{0x000000FF});

    // A bad value in a store that refuses writes: the defaults are applied from memory.
    fake.putSetting(kSettingsKey, "reg_HighLight_color", "abc");
    fake.makeReadOnly();
    dialog.applySettings(mainBoard);
    EXPECT_EQ(mainBoard.highcolor, Colour{0x0000FFFF});
    EXPECT_EQ(mainBoard.UNFoucsColor1, Colour{0x00FFFFFF});
    EXPECT_EQ(settings.reg_HighLight_color, "65535");
}

TEST_F(AppearanceTest, SwatchBorderFollowsTheMouse)
{
    dialog.swatchEnter(Swatch::fpanel3);
    EXPECT_EQ(dialog.swatch(Swatch::fpanel3).borderWidth, 1);
    EXPECT_EQ(dialog.swatch(Swatch::Panel1).borderWidth, 0);
    dialog.swatchLeave(Swatch::fpanel3);
    EXPECT_EQ(dialog.swatch(Swatch::fpanel3).borderWidth, 0);
}

} // namespace
} // namespace kestrel
