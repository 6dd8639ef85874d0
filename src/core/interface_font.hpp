#pragma once
// The font every window's texts are drawn in once its language routine has run. The face is
// the one the designs name; the Qt shell maps it onto an installed face that carries Chinese
// and Japanese glyphs (app/qt/fonts.cpp).

#include <string>
#include <string_view>

namespace kestrel {

/// The interface font's face.
inline constexpr std::string_view kInterfaceFontName = "宋体";
/// The interface font's size in points.
inline constexpr int kInterfaceFontSize = 9;

/// A window's text font: face and point size. An empty face means the window's designed font.
struct InterfaceFont
{
    std::string name;
    int pointSize = 0;

    /// The interface font of every window.
    static InterfaceFont standard()
    {
        return {std::string(kInterfaceFontName), kInterfaceFontSize};
    }
    bool operator==(const InterfaceFont &) const = default;
};

} // namespace kestrel
