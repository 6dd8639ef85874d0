#pragma once
// The edit-box board: 81 single-line fields, each holding up to nine typed characters. The
// solver's window keeps one to check a puzzle for duplicate digits before solving it.

#include "core/grid.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kestrel {

/// A 9 x 9 board of edit boxes.
class TSD33
{
public:
    /// One edit box (not the puzzle record's node of the same name).
    struct TNode
    {
        int row = 0;
        int col = 0;
        bool isError = false;
        int state = 2; ///< 1 given (read-only), 2 value, 3 candidates
        std::string text; ///< the box's content, at most 9 characters

        // View fields written by layoutAndPaint.
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        Colour color = 0x00FFFFFF;
        int fontSize = 25;
        Colour fontColor = 0;
        bool readOnly = false;
    };

    /// A board of 81 empty value cells (state 2), 442 pixels wide, laid out and coloured.
    TSD33();

    Colour UNFoucsColor1 = 0x00FFFFFF; ///< boxes 1, 3, 5, 7, 9
    Colour UNFoucsColor2 = 16759739; ///< boxes 2, 4, 6, 8
    Colour FoucsColor1 = 12043517; ///< stored only
    Colour FoucsColor2 = 14538713; ///< stored only
    int FONTSize1 = 25;
    Colour FONTColor1 = 0;
    int FONTSize2 = 25;
    Colour FONTColor2 = 0x00FF0000;
    int FONTSize3 = 12;
    Colour FONTColor3 = 0x00FF0000;
    int nd = 0; ///< stored only

    /// Board width and height in pixels.
    int width2() const { return m_width2; }
    /// Resizes the board to width x width and lays the cells out again.
    void setWidth2(int width);

    /// The cell at (row, col), both 1..9.
    TNode &cell(int row, int col) { return m_cells[cellIndex(row, col)]; }
    /// The cell at (row, col), both 1..9.
    const TNode &cell(int row, int col) const { return m_cells[cellIndex(row, col)]; }

    /// Lays out and recolours every cell.
    void layoutAndPaint();
    /// Marks at most one pair of peers with equal text whose first cell holds one character.
    void markConflicts();
    /// True when markConflicts would find no pair; marks nothing.
    bool isValid() const;
    /// Replaces a cell's text (cut to 9 characters) and runs the change notification.
    void setCellText(int row, int col, std::string_view text);
    /// Change notification of every cell: markConflicts, then layoutAndPaint.
    void onCellChange();
    /// Key filter of every cell: "1".."9", backspace (8) and "." pass, anything else is dropped.
    static bool acceptsKey(char32_t key);

private:
    /// The pair markConflicts marks (first cell, its last partner), or none.
    std::optional<std::pair<CellPos, CellPos>> findConflict() const;

    int m_width2 = 442;
    std::array<TNode, kCellSlots> m_cells{};
};

} // namespace kestrel
