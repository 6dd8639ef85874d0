#pragma once
// The player's colour marks: for every cell one colour for the whole cell (entry 0) and one
// for each candidate sub-panel (entries 1..9). The marks are kept apart from the board's
// colours so that every redraw can paint them again.

#include "core/colour.hpp"
#include "core/grid.hpp"

#include <array>

namespace kestrel {

class TPICSD33;

class ColourMarks
{
public:
    /// Table value meaning "no mark" ($00C0C9CD).
    static constexpr Colour kNoMark = 12634573;
    /// Paint of a wrong entry found by Check Error; never a mark of the player's.
    static constexpr Colour kCheckErrorColour = 0x000000FE;

    ColourMarks() { clear(); }

    /// Every entry becomes "no mark".
    void clear();
    /// The mark of cell (row, col): entry 0 the cell, 1..9 its sub-panels.
    Colour at(int row, int col, int entry) const
    {
        return m_marks[cellIndex(row, col)][static_cast<std::size_t>(entry)];
    }
    /// Takes the board's cell and sub-panel colours as the marks; the board's own colours
    /// (error, highlight, the two box backgrounds) and Check Error's paint read as "no mark".
    void storeFrom(const TPICSD33 &board);

private:
    std::array<std::array<Colour, 10>, kCellSlots> m_marks{};
};

} // namespace kestrel
