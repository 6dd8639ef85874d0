#include "app/settings.hpp"

#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace kestrel;

namespace {

const std::vector<std::pair<std::string, std::string>> kDefaults = {
    {"reg_board_background_use_default", "1"},
    {"reg_Board_color1", "13891060"},
    {"reg_Board_color2", "13891060"},
    {"reg_Font_use_default", "1"},
    {"reg_Font_color_Fix", "0"},
    {"reg_Font_color_Big", "16711680"},
    {"reg_Font_color_Candidate", "0"},
    {"reg_HighLight_use_default", "1"},
    {"reg_HighLight_color", "65535"},
};

void expectDefaultsStored(const FakePlatform &fake)
{
    EXPECT_EQ(fake.storedSettingNames(kSettingsKey).size(), kDefaults.size());
    for (const auto &[name, value] : kDefaults) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fake.storedSetting(kSettingsKey, name), value);
    }
}

AppSettings defaults()
{
    AppSettings settings;
    resetSettings(settings);
    return settings;
}

} // namespace

TEST(Settings, FirstRunUsesAndWritesTheDefaults)
{
    FakePlatform fake;
    AppSettings settings;
    settings.reg_HighLight_color = "stale";

    loadSettings(settings, fake);

    EXPECT_EQ(settings, defaults());
    EXPECT_EQ(settings.reg_Board_color1, "13891060");
    EXPECT_EQ(settings.reg_HighLight_color, "65535");
    expectDefaultsStored(fake);
}

TEST(Settings, StoredValuesWinOverMemory)
{
    FakePlatform fake;
    AppSettings saved = defaults();
    saved.reg_board_background_use_default = "0";
    saved.reg_Board_color2 = "$00D9F7F7";
    saved.reg_Font_color_Candidate = "255";
    saveSettings(saved, fake);

    AppSettings edited = defaults();
    edited.reg_Font_color_Big = "123"; // an unsaved edit of the appearance dialog
    loadSettings(edited, fake);

    EXPECT_EQ(edited, saved);
}

TEST(Settings, KeyWithoutTheBackgroundFlagIsResetAndRewritten)
{
    FakePlatform fake;
    fake.putSetting(kSettingsKey, "reg_Board_color1", "255");
    AppSettings settings;

    loadSettings(settings, fake);

    EXPECT_EQ(settings, defaults());
    expectDefaultsStored(fake);
}

TEST(Settings, MissingValuesBesideTheFlagReadEmpty)
{
    // Only the background flag decides whether the stored values are trusted.
    FakePlatform fake;
    fake.putSetting(kSettingsKey, "reg_board_background_use_default", "0");
    AppSettings settings = defaults();

    loadSettings(settings, fake);

    EXPECT_EQ(settings.reg_board_background_use_default, "0");
    EXPECT_EQ(settings.reg_Board_color1, "");
    EXPECT_EQ(settings.reg_HighLight_color, "");
    EXPECT_EQ(fake.storedSettingNames(kSettingsKey).size(), 1u);
}

TEST(Settings, ReadOnlyStoreStillGivesTheDefaults)
{
    FakePlatform fake;
    fake.makeReadOnly();
    AppSettings settings;

    loadSettings(settings, fake);
    saveSettings(settings, fake);

    EXPECT_EQ(settings, defaults());
    EXPECT_FALSE(fake.hasKey(kSettingsKey));
}

TEST(Settings, ColourTexts)
{
    struct Case
    {
        const char *text;
        std::optional<Colour> expected;
    };
    const Case cases[] = {
        {"13891060", 0x00D3F5F4},     {"0", 0},
        {"+65535", 0x0000FFFF},       {"-1", 0xFFFFFFFF},
        {"2147483647", 0x7FFFFFFF},   {"-2147483648", 0x80000000},
        {"$00D9F7F7", 0x00D9F7F7},    {"$d9f7f7", 0x00D9F7F7},
        {"$FFFFFFFF", 0xFFFFFFFF},    {"$0000000000FF", 0xFF},
        {"", std::nullopt},           {"$", std::nullopt},
        {"-", std::nullopt},          {"+-1", std::nullopt},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt}, {"$-1", std::nullopt},
        {"0x00D9F7F7", std::nullopt}, {"12ab", std::nullopt},
        {" 12", std::nullopt},        {"12 ", std::nullopt},
        {"clRed", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseColourSetting(c.text), c.expected);
    }
}
