#pragma once
// Dialogs for the fuzz targets: every message is dropped and every question is declined, so a
// target never waits on a player.
#include "platform/platform.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kestrel::fuzz {

class SilentDialogs : public Dialogs
{
public:
    void inform(std::string_view, std::string_view) override { }
    void showError(std::string_view, std::string_view) override { }
    bool confirm(std::string_view, std::string_view) override { return false; }
    std::optional<std::string> openFile(std::string_view, std::string_view,
                                        std::string_view) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(std::string_view, std::string_view,
                                        std::string_view) override
    {
        return std::nullopt;
    }
    std::optional<std::string> inputText(std::string_view, std::string_view,
                                         std::string_view) override
    {
        return std::nullopt;
    }
    std::optional<Colour> pickColour(Colour) override { return std::nullopt; }
};

} // namespace kestrel::fuzz
