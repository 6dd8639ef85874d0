// The settings store is the player's to edit (the registry, or the settings file elsewhere):
// any stored values must load, apply to the board and come out as values the program reads
// back the same. The input is "name=value" lines put into the store as they stand.
#include "app/settings.hpp"
#include "board/appearance.hpp"
#include "core/board.hpp"
#include "platform/platform.hpp"
#include "silent_dialogs.hpp"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace {

class MemoryStore final : public kestrel::SettingsStore
{
public:
    std::map<std::string, std::string, std::less<>> values;
    bool hasKeyAtAll = false;

    bool hasKey(std::string_view key) const override
    {
        return hasKeyAtAll && key == kestrel::kSettingsKey;
    }
    std::string readValue(std::string_view key, std::string_view name) const override
    {
        if (!hasKey(key))
            return {};
        const auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    bool writeValue(std::string_view key, std::string_view name, std::string_view value) override
    {
        if (key != kestrel::kSettingsKey)
            __builtin_trap();
        hasKeyAtAll = true;
        values[std::string(name)] = std::string(value);
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char *>(data), size);
    MemoryStore store;
    store.hasKeyAtAll = !text.empty() && text.front() != '!'; // "!…": no key at all
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto equals = line.find('=');
        if (equals != std::string_view::npos)
            store.values[std::string(line.substr(0, equals))]
                = std::string(line.substr(equals + 1));
    }

    // Every colour text: what is accepted is written back (signed decimal) and reads the same.
    for (const auto &[name, value] : store.values) {
        if (const auto colour = kestrel::parseColourSetting(value)) {
            const std::string written = std::to_string(static_cast<std::int32_t>(*colour));
            if (kestrel::parseColourSetting(written) != colour)
                __builtin_trap();
        }
    }
    (void)kestrel::loadLanguageSetting(store);

    // The play options: what is loaded is saved and loads again unchanged.
    const kestrel::PlayOptions options = kestrel::loadPlayOptions(store);
    MemoryStore again;
    kestrel::savePlayOptions(options, again);
    if (kestrel::loadPlayOptions(again) != options)
        __builtin_trap();

    // The appearance as at start-up: afterwards the nine settings are the program's own.
    kestrel::AppSettings settings;
    kestrel::TPICSD33 board;
    kestrel::fuzz::SilentDialogs dialogs;
    kestrel::TfrmAppearance appearance(settings, store, dialogs, board);
    appearance.FormCreate([](std::string_view) { return std::string(); });
    if (settings.reg_board_background_use_default.empty())
        __builtin_trap();
    for (const std::string *colour :
         {&settings.reg_Board_color1, &settings.reg_Board_color2, &settings.reg_Font_color_Fix,
          &settings.reg_Font_color_Big, &settings.reg_Font_color_Candidate,
          &settings.reg_HighLight_color})
        if (!kestrel::parseColourSetting(*colour))
            __builtin_trap();
    // And they survive a save and a load.
    kestrel::AppSettings stored = settings;
    kestrel::saveSettings(settings, again);
    kestrel::loadSettings(stored, again);
    if (!(stored == settings))
        __builtin_trap();
    return 0;
}
