#pragma once
// The candidate pad `Tfrmtile`: a small floating tool window with nine sticky digit toggles
// that edits the candidate list of one open cell of the main board, writing every toggle
// through to the cell at once, plus "Automatic", which fills the cell with the digits its
// peers allow and closes the pad.
//
// The pad is created once, bound to the main board and to a query for the main window's
// operation mode, and reused for every cell. Binding both at construction keeps every handler
// a plain call (`digitPressed(5)`, `keyPress(27)`) that reads the board and the mode as they
// are at the moment of the call.
//
// Layout of the 68 x 104 client area (20 x 20 toggles, a keypad like a cell's candidates); the
// width leaves the same 2-pixel margin right of the keypad as left of it:
//
//        left 2  24  46
//   top 15    [1] [2] [3]
//   top 37    [4] [5] [6]
//   top 59    [7] [8] [9]
//   top 83   [ Automatic ]   left 3, 62 x 20

#include "core/board.hpp"
#include "core/input.hpp"
#include "core/interface_font.hpp"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kestrel {

class Tfrmtile
{
public:
    static constexpr int kClientWidth = 68;
    static constexpr int kClientHeight = 104;
    static constexpr int kButtonSize = 20;
    static constexpr PixelPos kAutomaticOrigin{3, 83};
    static constexpr int kAutomaticWidth = 62;
    static constexpr int kAutomaticHeight = 20;

    /// A pad editing cells of `board` (not owned; must outlive the pad). `isPencilAndPaperMode`
    /// answers whether the main window is in Pencil and Paper mode; it is asked on every write.
    Tfrmtile(TPICSD33 &board, std::function<bool()> isPencilAndPaperMode);

    /// Top-left corner of the toggle of digit d (1..9) inside the client area.
    static constexpr PixelPos digitButtonOrigin(int d) noexcept
    {
        return {2 + 22 * ((d - 1) % 3), 15 + 22 * ((d - 1) / 3)};
    }

    int targetRow = 0; ///< the cell being edited, 1..9 once opened
    int targetCol = 0;
    bool padOpen = false; ///< the pad belongs to a cell; the main window reads and clears it
    bool visible = false; ///< the window is shown

    std::string caption = "Show Candidates"; ///< window title
    std::string automaticCaption = "Automatic"; ///< caption of `AdvGlowButton1`
    InterfaceFont font; ///< the window's text font, set by applyLanguage

    /// Called once each time the pad actually closes, by whatever route. The main window
    /// refreshes its digit progress bars here.
    std::function<void()> onClosed;

    /// Takes the window title ("frmtile.caption", kept when the language lacks it) and the
    /// "Automatic" caption ("frmtile.advglowbutton1") from `text`, the active language, then
    /// the interface font.
    void applyLanguage(const std::function<std::string(std::string_view)> &text);

    /// True when the toggle of digit d (1..9) is down.
    bool isDown(int digit) const;

    /// Sets the toggle of each digit down exactly when the digit occurs in `text`.
    void loadDigits(std::string_view text);
    /// The digits whose toggles are down, ascending, without separator ("" when none).
    std::string digitsText() const;

    /// Writes the pad to the target cell: `hxs` = digitsText(), `state` = 3, candidates shown;
    /// in Pencil and Paper mode also `hxsHidden` = 0 so that the marks are drawn. Does nothing
    /// without a target or when the target is a given.
    void applyToCell();

    /// Opens the pad for the open cell (row, col): takes the cell's candidates as the toggle
    /// states and shows the window. Placing the window is the caller's business.
    void open(int row, int col);

    /// Handler of a press on the toggle of digit d (1..9): toggles it once, then applyToCell().
    void digitPressed(int digit);

    /// Handler of a key typed while the pad has focus: "1".."9" (main row or keypad) toggle
    /// their digit; every key then writes the pad to the cell; Esc afterwards clears `padOpen`
    /// and closes the pad.
    void keyPress(Key key);

    /// Handler of "Automatic": loads the digits the peers allow, writes them to the cell,
    /// clears `padOpen` and closes the pad.
    void AdvGlowButton1Click();

    /// Hides the pad and calls `onClosed`; does nothing when the pad is already closed.
    /// Leaves `padOpen` alone: the routes that end the pad's hold on the cell clear it.
    void close();

private:
    bool hasTarget() const;
    void toggle(int digit);

    TPICSD33 &m_board;
    std::function<bool()> m_isPencilAndPaperMode;
    std::array<bool, 10> m_down{}; ///< index = digit; 0 unused (A1..A9)
};

} // namespace kestrel
