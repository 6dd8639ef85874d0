#pragma once
// The board's appearance choices that survive between runs: nine text settings of the main
// window, kept under one key of the per-user settings store. The appearance dialog reads and
// edits the texts; only saveSettings puts them into the store, and loadSettings makes the
// store the authority again (unsaved edits are dropped).

#include "app/language_table.hpp"
#include "core/grid.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

class SettingsStore;

/// The settings key, under the per-user store (the registry's HKEY_CURRENT_USER on Windows).
inline constexpr std::string_view kSettingsKey = "SOFTWARE\\SudokuKestrel";

/// The nine appearance settings as stored: flags are "1"/"0", colours $00BBGGRR values
/// written as signed decimal. Each field's name is its value name in the store.
struct AppSettings
{
    std::string reg_board_background_use_default; ///< "1": boxes use the default backgrounds
    std::string reg_Board_color1; ///< custom background of boxes 1, 3, 5, 7, 9
    std::string reg_Board_color2; ///< custom background of boxes 2, 4, 6, 8
    std::string reg_Font_use_default; ///< "1": digits use the default colours
    std::string reg_Font_color_Fix; ///< custom colour of given digits
    std::string reg_Font_color_Big; ///< custom colour of placed digits
    std::string reg_Font_color_Candidate; ///< custom colour of candidate digits
    std::string reg_HighLight_use_default; ///< "1": the highlight uses its default colour
    std::string reg_HighLight_color; ///< custom highlight colour

    bool operator==(const AppSettings &) const = default;
};

/// Choices of play and of the window remembered between runs, beside the appearance.
struct PlayOptions
{
    bool showMistakes = false; ///< "Show mistakes as I play"
    int windowWidth = 0; ///< 0: the designed size
    int windowHeight = 0;

    bool operator==(const PlayOptions &) const = default;
};

/// Reads the play options from `store`; a missing or unreadable value keeps its default.
PlayOptions loadPlayOptions(const SettingsStore &store);

/// Writes the play options to `store`, all or none; false when the store refused them.
bool savePlayOptions(const PlayOptions &options, SettingsStore &store);

/// Sets all nine settings to their defaults (in memory only).
void resetSettings(AppSettings &settings);

/// Reads the nine settings from `store`. A missing key, or a key whose background flag reads
/// empty, resets all nine to the defaults and writes them back. False when that write was
/// refused (the defaults are in memory all the same).
bool loadSettings(AppSettings &settings, SettingsStore &store);

/// Writes the nine settings to `store`, all or none; false when the store refused them.
bool saveSettings(const AppSettings &settings, SettingsStore &store);

/// Value name, under the same key, of the interface language the player chose last. It is not
/// one of the nine appearance settings: a reset of the appearance leaves the language alone.
inline constexpr std::string_view kLanguageSettingName = "reg_Language";

/// The interface language stored in `store`; nothing when none was ever chosen or the stored
/// text names no shipped language.
std::optional<Language> loadLanguageSetting(const SettingsStore &store);

/// Stores `language` as the choice for the next start ("en", "zh" or "ja"); false when the
/// store refused it.
bool saveLanguageSetting(SettingsStore &store, Language language);

/// The colour of a stored colour text: a signed 32-bit decimal ("13891060", "-1") or "$" and
/// a hexadecimal value up to $FFFFFFFF ("$00D9F7F7"); nothing for anything else.
std::optional<Colour> parseColourSetting(std::string_view text);

} // namespace kestrel
