#pragma once
// The keyboard cursor of the interactive board: one cell, framed in a colour of its own while
// it is shown. It appears with the first arrow key and goes with a mouse press on the board;
// while it is shown, Enter, Space, Delete and the shifted digits act on its cell.

namespace kestrel {

/// Where an arrow key moves the cursor.
enum class CursorMove { Up, Down, Left, Right, RowStart, RowEnd };

/// How far one move goes: a cell, or a box (three cells, Ctrl held).
enum class CursorStride { Cell, Box };

struct BoardCursor
{
    int row = 1; ///< 1..9
    int col = 1; ///< 1..9
    bool visible = false;

    /// Moves the cursor: a step of one cell or one box, wrapping at the board's edges so that
    /// the cursor keeps its place inside the box; RowStart and RowEnd go to column 1 and 9.
    constexpr void move(CursorMove where, CursorStride stride) noexcept
    {
        const int step = stride == CursorStride::Box ? 3 : 1;
        auto wrap = [](int i) {
            return (i + 8) % 9 + 1;
        }; // 0 -> 9, 10 -> 1
        switch (where) {
        case CursorMove::Up:
            row = wrap(row - step);
            break;
        case CursorMove::Down:
            row = wrap(row + step);
            break;
        case CursorMove::Left:
            col = wrap(col - step);
            break;
        case CursorMove::Right:
            col = wrap(col + step);
            break;
        case CursorMove::RowStart:
            col = 1;
            break;
        case CursorMove::RowEnd:
            col = 9;
            break;
        }
    }

    /// True when (r, c) shares the cursor's row, column or box.
    constexpr bool seesCell(int r, int c) const noexcept
    {
        return r == row || c == col
            || ((r - 1) / 3 == (row - 1) / 3 && (c - 1) / 3 == (col - 1) / 3);
    }
};

} // namespace kestrel
