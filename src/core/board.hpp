#pragma once
// The interactive board: 81 cell views that are at once the display and the store of the live
// game. The model keeps every field the redraw rules read and write (captions, colours, fonts,
// sub-panel visibility, hover frames); the Qt BoardWidget only paints these fields.
//
// Cell geometry inside the 422 x 422 board (pixels):
//
//   left(col) = (col - 1) * 46 + 2  (+2 when col > 3, +2 more when col > 6); top likewise.
//   2 px black margin | 3 cells of 46 | 2 px line | 3 cells | 2 px line | 3 cells | 2 px margin
//
// Candidate sub-panel d (13 x 13) sits inside its cell at the keypad position
//   x = 2 + 14 * ((d - 1) % 3),  y = 2 + 14 * ((d - 1) / 3).

#include "core/board_cursor.hpp"
#include "core/cell_state.hpp"
#include "core/digit_set.hpp"
#include "core/grid.hpp"

#include <array>
#include <string>
#include <string_view>

namespace kestrel {

class TQJ;

/// A pixel position inside a board or a cell.
struct PixelPos
{
    int x = 0;
    int y = 0;
};

/// Plain bordered panel with a caption that draws a red frame while the mouse is over it.
/// Base of the cell view and of each candidate sub-panel.
class Tmousepanel
{
public:
    std::string caption;
    Colour color = 0x00F0F0F0; ///< background
    int fontSize = 10; ///< point size of the caption
    Colour fontColor = 0; ///< caption colour
    bool visible = true;

    bool isEnter() const { return m_isEnter; }
    bool isBig() const { return m_isBig; }
    /// Stores the hover state; a change invalidates the panel, setting the same value does not.
    void setIsEnter(bool value);
    /// Stores the frame shape; a change invalidates the panel, setting the same value does not.
    void setIsBig(bool value);

    /// How often the panel asked to be repainted because of a frame change.
    int invalidations() const { return m_invalidations; }

private:
    bool m_isEnter = false;
    bool m_isBig = false;
    int m_invalidations = 0;
};

/// One cell of the interactive board: the cell panel (big digit as caption), its nine
/// candidate sub-panels and the game fields.
class TPicNode : public Tmousepanel
{
public:
    static constexpr int kSize = 46;
    static constexpr int kSubSize = 13;

    TPicNode();

    std::array<Tmousepanel, 10> hxsPanels; ///< 1..9 used; entry d always shows digit d
    int row = 0;
    int col = 0;
    std::string hxs; ///< digit of a given/placed cell, or the candidates of an open cell
    bool isError = false; ///< one of the two cells of a marked conflict
    CellState state = CellState::Placed; ///< stored in snapshots as 1, 2, 3
    int hxsHidden = 0; ///< 1 = candidates stay hidden in the pencil-and-paper redraw

    /// Background colour of all nine sub-panels.
    void setcolor(Colour colour);
    /// Font size of all nine sub-panels.
    void setFontSize(int size);
    /// Font colour of all nine sub-panels.
    void setFontColor(Colour colour);
    /// All nine sub-panels invisible.
    void Hide();
    /// All nine sub-panels visible.
    void Show();
    /// Sub-panel d visible exactly when digit d occurs in `hxs`.
    void showhxs();

    /// Top-left corner of sub-panel d (1..9) inside the cell.
    static constexpr PixelPos subPanelOffset(int d) noexcept
    {
        return {2 + 14 * ((d - 1) % 3), 2 + 14 * ((d - 1) / 3)};
    }
};

/// The 9 x 9 Sudoku board used for play and display.
class TPICSD33
{
public:
    static constexpr int kSize = 422;

    /// Builds the 81 cells with the constructor defaults and runs `refresh`.
    TPICSD33();

    // Published properties (constructor defaults; owners override them and then redraw).
    Colour UNFoucsColor1 = 0x00FFFFFF; ///< background of cells in boxes 1, 3, 5, 7, 9
    Colour UNFoucsColor2 = 16759739; ///< background of cells in boxes 2, 4, 6, 8
    Colour FoucsColor1 = 12043517; ///< stored only
    Colour FoucsColor2 = 14538713; ///< stored only
    int FONTSize1 = 25; ///< given digit
    int FONTSize2 = 25; ///< placed digit
    int FONTSize3 = 12; ///< candidate digits
    Colour FONTColor1 = 0; ///< given digit
    Colour FONTColor2 = 0x00FF0000; ///< placed digit (blue)
    Colour FONTColor3 = 0x00000080; ///< candidate digits (maroon)
    Level nd = Level::VeryEasy; ///< level of the puzzle on the board
    Colour errorcolor = 732916; ///< background of the two cells of a conflict
    Colour highcolor = 11654065; ///< highlight colour, painted by the owner
    bool autotranzt = false; ///< stored only

    std::string fontName = "Arial"; ///< face of the big digits
    bool enabled = true; ///< a disabled board takes no input
    BoardCursor cursor; ///< the keyboard cursor
    bool covered = false; ///< the game is paused: the board is painted covered
    /// Cells whose digit differs from the solution, drawn in the mistake colour while the
    /// player has asked to see mistakes as they play (index cellIndex(row, col)).
    std::array<bool, kCellSlots> mistakes{};
    /// The candidates the hint on show removes, drawn in a colour of their own while the hint
    /// window is open (index cellIndex(row, col)); empty otherwise.
    std::array<DigitSet, kCellSlots> hintRemovals{};

    TPicNode &cell(int row, int col) { return m_cells[cellIndex(row, col)]; }
    const TPicNode &cell(int row, int col) const { return m_cells[cellIndex(row, col)]; }

    /// Top-left pixel of cell (row, col) inside the board: {x, y}.
    static constexpr PixelPos cellOrigin(int row, int col) noexcept
    {
        auto offset = [](int i) {
            return (i - 1) * 46 + 2 + (i > 3 ? 2 : 0) + (i > 6 ? 2 : 0);
        };
        return {offset(col), offset(row)};
    }

    /// Box background for (row, col): UNFoucsColor2 for boxes 2, 4, 6, 8, else UNFoucsColor1.
    Colour boxColour(int row, int col) const;

    /// Digits 1..9 found in no `hxs` of a given or placed peer, ascending.
    std::string allowedHxs(int row, int col) const;
    /// The cell's `hxs` without the digits of its given and placed peers, ascending.
    std::string reduceHxs(int row, int col) const;
    /// Marks at most one pair of equal, non-open cells that see each other; clears the mark
    /// everywhere else. Pair: the first such cell A in row-major order and its last partner.
    void markConflicts();
    /// True when any cell carries `isError`.
    bool hasConflict() const;
    /// False when any cell is open; otherwise marks conflicts and is true when none was found.
    bool isSolved();
    /// 81 characters: `hxs` of a given, "0" for every other cell.
    std::string givensString() const;
    /// When the cell holds one digit d: removes d from every open peer holding it.
    void eliminateFromPeers(int row, int col);
    /// Appends d to every open peer whose allowedHxs contains d and whose `hxs` lacks it.
    void restoreToPeers(int row, int col, int d);
    /// Hides the sub-panels of every cell whose `hxs` is not exactly one character.
    void hideMultiHxs();

    // Redraw variants; each visits the cells row-major.
    void refresh();
    void refreshByState();
    void refreshHonouringHidden();
    void refreshFilterDigit(int d);
    void refreshFilterAny(std::string_view digits);

private:
    enum class CandidateStep { ByState, FilterDigit, FilterAny, HonourHidden };
    void redraw(CandidateStep step, std::string_view digits);

    std::array<TPicNode, kCellSlots> m_cells;
};

/// Puts the puzzle record on the board: givens become state 1 with their digit, every other
/// cell state 3 with its `hxs` unchanged; all sub-panels hidden, marks cleared, board enabled.
void boardFromRecord(TPICSD33 &board, const TQJ &record);

} // namespace kestrel
