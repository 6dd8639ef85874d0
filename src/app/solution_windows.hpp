#pragma once
// The two windows of Show Solution: the solution board, and the viewer of two different
// solutions of a puzzle that has several.

#include "core/board.hpp"
#include "core/interface_font.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class LanguageTable;

/// The solution window: its own board showing the givens and the solution digits.
class Tfrmda
{
public:
    /// Board with the main board's look.
    Tfrmda();

    std::string caption = "Solution";
    std::string closeCaption = "Close";
    InterfaceFont font;
    TPICSD33 board;

    /// Sets the captions from the active language table, then the interface font.
    void applyLanguage(const LanguageTable &table);
    /// Puts `solution` on the board: givens of `mainBoard` stay givens, every other cell is
    /// placed with its solution digit; then the board is redrawn.
    void fill(const TPICSD33 &mainBoard, std::string_view solution);
};

/// The multiple-solutions viewer: two solutions as lines of digits.
class TFrmdas
{
public:
    std::string caption = "Multiple Solutions Viewer";
    std::string closeCaption = "Close";
    InterfaceFont font;
    std::vector<std::string> memoLines;

    /// Sets the captions from the active language table, then the interface font.
    void applyLanguage(const LanguageTable &table);
    /// "Solution 1:", its nine rows, two empty lines, "Solution 2:", its nine rows.
    void fill(std::string_view first, std::string_view second, const LanguageTable &table);
};

} // namespace kestrel
