// The language menu, its remembered choice and the hidden table editor, as a player meets them.
#include "app/main_form.hpp"

#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace kestrel {
namespace {

class LanguageMenuTest : public testing::Test
{
protected:
    FakePlatform fake;
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(fake.platform());

    void restart()
    {
        form = std::make_unique<TForm1>(fake.platform());
        form->FormCreate();
    }
    bool checkedOnly(ControlId item) const
    {
        for (const ControlId id :
             {ControlId::mnChinese, ControlId::mnEnglish, ControlId::mnJapanese})
            if (form->control(id).checked != (id == item))
                return false;
        return true;
    }
};

TEST_F(LanguageMenuTest, FirstStartIsChineseAndTheChoiceIsRememberedAcrossARestart)
{
    form->FormCreate();
    EXPECT_EQ(form->language(), Language::Chinese);
    EXPECT_TRUE(checkedOnly(ControlId::mnChinese));
    EXPECT_EQ(fake.storedSetting(kSettingsKey, kLanguageSettingName), std::nullopt);

    form->trigger(ControlId::mnEnglish);
    EXPECT_EQ(form->control(ControlId::mnTools).caption, "&Tools");
    EXPECT_TRUE(checkedOnly(ControlId::mnEnglish));
    EXPECT_EQ(fake.storedSetting(kSettingsKey, kLanguageSettingName), "en");

    restart();
    EXPECT_EQ(form->language(), Language::English);
    EXPECT_EQ(form->control(ControlId::rb_none).caption, "Pencil and Paper");
    EXPECT_TRUE(checkedOnly(ControlId::mnEnglish));

    form->trigger(ControlId::mnJapanese);
    restart();
    EXPECT_EQ(form->language(), Language::Japanese);
    EXPECT_EQ(form->control(ControlId::mnFile).caption, "ファイル(&F)");
}

TEST_F(LanguageMenuTest, AStoredTextNamingNoLanguageFallsBackToChinese)
{
    fake.putSetting(kSettingsKey, kLanguageSettingName, "fr");
    form->FormCreate();
    EXPECT_EQ(form->language(), Language::Chinese);
    fake.putSetting(kSettingsKey, kLanguageSettingName, "JA");
    restart();
    EXPECT_EQ(form->language(), Language::Japanese);
}

TEST_F(LanguageMenuTest, ASwitchReachesEveryLaterMessageAndEverySecondaryWindowAtOnce)
{
    form->FormCreate();
    form->applyBoardAppearance();
    form->trigger(ControlId::mnEnglish);
    EXPECT_EQ(form->text("MSG_RESTART"),
              "Are you sure you want to reset this game to the initial state?");
    EXPECT_EQ(form->frmtile().caption, "Show Candidates");
    EXPECT_EQ(form->frmsolover().caption, "Show Hint");
    EXPECT_EQ(form->frmda().caption, "Solution");
    EXPECT_EQ(form->Frmdas().caption, "Multiple Solutions Viewer");
    EXPECT_EQ(form->frmAppearance().okCaption, "OK");
    form->trigger(ControlId::mnChinese);
    EXPECT_EQ(form->frmAppearance().cancelCaption, "取消");
    EXPECT_EQ(form->frmda().caption, "答案");
    // Every window uses the interface font once its routine has run.
    for (const InterfaceFont &font :
         {form->frmtile().font, form->frmsolover().font, form->frmda().font, form->Frmdas().font,
          form->frmAppearance().font, form->frm_sol().font})
        EXPECT_EQ(font, InterfaceFont::standard());
}

TEST_F(LanguageMenuTest, LanguageMenuItemsKeepTheirNamesInEveryTable)
{
    form->FormCreate();
    for (const ControlId item :
         {ControlId::mnChinese, ControlId::mnEnglish, ControlId::mnJapanese}) {
        form->trigger(item);
        // A player who reads none of the other languages still finds the menu and its items.
        EXPECT_NE(form->control(ControlId::mnLanguage).caption.find("Language"), std::string::npos);
        EXPECT_EQ(form->control(ControlId::mnChinese).caption, "中文");
        EXPECT_EQ(form->control(ControlId::mnEnglish).caption, "English");
        EXPECT_EQ(form->control(ControlId::mnJapanese).caption, "日本語");
    }
}

TEST_F(LanguageMenuTest, TableEditorSavesIntoTheDataFolder)
{
    form->FormCreate();
    form->btn2Click();
    const std::size_t before = form->languageTable().lines().size();
    form->btn1Click();
    const std::string path = fake.dataDirectory() + "/all.txt";
    const auto lines = fake.readLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_GT(lines->size(), before);
    EXPECT_EQ(lines->size(), form->languageTable().lines().size());
    const std::vector<std::string> appended(lines->begin() + static_cast<long>(before),
                                            lines->end());
    for (const char *line : {"mnfile.caption=&File", "btcheck.hint=Check Error",
                             "rb_none.caption=Pencil and Paper", "bthelp1.caption=?"})
        EXPECT_NE(std::find(appended.begin(), appended.end(), line), appended.end()) << line;
    EXPECT_FALSE(fake.exists("c:\\all.txt"));
    EXPECT_TRUE(fake.shown().empty());
}

} // namespace
} // namespace kestrel
