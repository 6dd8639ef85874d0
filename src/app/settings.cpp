#include "app/settings.hpp"

#include "platform/platform.hpp"

#include <array>
#include <charconv>
#include <cstdint>

namespace kestrel {

namespace {

struct SettingField
{
    std::string_view name;
    std::string AppSettings::*field;
    std::string_view defaultValue;
};

// In the order the values are read and written.
const std::array<SettingField, 9> kFields = {{
    {"reg_board_background_use_default", &AppSettings::reg_board_background_use_default, "1"},
    {"reg_Board_color1", &AppSettings::reg_Board_color1, "13891060"}, // $00D3F5F4
    {"reg_Board_color2", &AppSettings::reg_Board_color2, "13891060"},
    {"reg_Font_use_default", &AppSettings::reg_Font_use_default, "1"},
    {"reg_Font_color_Fix", &AppSettings::reg_Font_color_Fix, "0"},
    {"reg_Font_color_Big", &AppSettings::reg_Font_color_Big, "16711680"}, // $00FF0000
    {"reg_Font_color_Candidate", &AppSettings::reg_Font_color_Candidate, "0"},
    {"reg_HighLight_use_default", &AppSettings::reg_HighLight_use_default, "1"},
    {"reg_HighLight_color", &AppSettings::reg_HighLight_color, "65535"}, // $0000FFFF
}};

} // namespace

void resetSettings(AppSettings &settings)
{
    for (const SettingField &f : kFields)
        settings.*f.field = std::string(f.defaultValue);
}

bool loadSettings(AppSettings &settings, SettingsStore &store)
{
    bool stored = true;
    if (store.hasKey(kSettingsKey)) {
        for (const SettingField &f : kFields)
            settings.*f.field = store.readValue(kSettingsKey, f.name);
    } else {
        resetSettings(settings);
        stored = saveSettings(settings, store);
    }
    // A key left behind without the flag (written by hand) is not trusted.
    if (settings.reg_board_background_use_default.empty()) {
        resetSettings(settings);
        stored = saveSettings(settings, store);
    }
    return stored;
}

bool saveSettings(const AppSettings &settings, SettingsStore &store)
{
    // Written together: a store that fails part of the way keeps the nine values it had,
    // never a mix of old and new colours.
    SettingsStore::Values values;
    for (const SettingField &f : kFields)
        values.emplace_back(std::string(f.name), settings.*f.field);
    return store.writeValues(kSettingsKey, values);
}

std::optional<Language> loadLanguageSetting(const SettingsStore &store)
{
    if (!store.hasKey(kSettingsKey))
        return std::nullopt;
    return languageFromCode(store.readValue(kSettingsKey, kLanguageSettingName));
}

bool saveLanguageSetting(SettingsStore &store, Language language)
{
    return store.writeValue(kSettingsKey, kLanguageSettingName, languageCode(language));
}

namespace {

// A window size outside this range is not a size the program wrote.
constexpr int kLargestWindowSide = 16384;

int sizeSetting(const SettingsStore &store, std::string_view name)
{
    const std::string text = store.readValue(kSettingsKey, name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0
        || value > kLargestWindowSide)
        return 0;
    return value;
}

} // namespace

PlayOptions loadPlayOptions(const SettingsStore &store)
{
    PlayOptions options;
    options.showMistakes = store.readValue(kSettingsKey, "showMistakes") == "1";
    options.windowWidth = sizeSetting(store, "windowWidth");
    options.windowHeight = sizeSetting(store, "windowHeight");
    if (options.windowWidth == 0 || options.windowHeight == 0)
        options.windowWidth = options.windowHeight = 0;
    return options;
}

bool savePlayOptions(const PlayOptions &options, SettingsStore &store)
{
    return store.writeValues(kSettingsKey,
                             {{"showMistakes", options.showMistakes ? "1" : "0"},
                              {"windowWidth", std::to_string(options.windowWidth)},
                              {"windowHeight", std::to_string(options.windowHeight)}});
}

std::optional<Colour> parseColourSetting(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const char *first = text.data();
    const char *last = text.data() + text.size();
    if (text.front() == '$') {
        // Hexadecimal: "$" and digits only (no sign, no spaces); leading zeros are fine.
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(first + 1, last, value, 16);
        if (error != std::errc() || end != last || value > 0xFFFFFFFFu)
            return std::nullopt;
        return static_cast<Colour>(value);
    }
    // Decimal: a signed 32-bit integer with an optional sign; a negative value keeps its bit
    // pattern ("-1" is $FFFFFFFF).
    if (text.front() == '+' && text.size() > 1 && text[1] != '-')
        ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return static_cast<Colour>(value);
}

} // namespace kestrel
