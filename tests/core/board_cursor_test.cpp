#include "core/board_cursor.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

struct MoveCase
{
    int row, col;
    CursorMove move;
    CursorStride stride;
    int expectedRow, expectedCol;
};

TEST(BoardCursor, MovesWrapAtTheEdgesAndKeepTheirPlaceInTheBox)
{
    using M = CursorMove;
    constexpr auto Cell = CursorStride::Cell, Box = CursorStride::Box;
    const std::vector<MoveCase> cases = {
        {5, 5, M::Up, Cell, 4, 5},    {1, 5, M::Up, Cell, 9, 5},    {9, 5, M::Down, Cell, 1, 5},
        {5, 1, M::Left, Cell, 5, 9},  {5, 9, M::Right, Cell, 5, 1}, {5, 5, M::RowStart, Cell, 5, 1},
        {5, 5, M::RowEnd, Box, 5, 9}, {2, 2, M::Down, Box, 5, 2},   {8, 2, M::Down, Box, 2, 2},
        {2, 1, M::Left, Box, 2, 7},   {2, 9, M::Right, Box, 2, 3},  {1, 4, M::Up, Box, 7, 4},
    };
    for (const MoveCase &c : cases) {
        BoardCursor cursor{c.row, c.col, true};
        cursor.move(c.move, c.stride);
        EXPECT_EQ(cursor.row, c.expectedRow) << c.row << "," << c.col;
        EXPECT_EQ(cursor.col, c.expectedCol) << c.row << "," << c.col;
    }
}

TEST(BoardCursor, SeesItsRowColumnAndBoxOnly)
{
    const BoardCursor cursor{5, 5, true};
    int seen = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            seen += cursor.seesCell(r, c) ? 1 : 0;
    EXPECT_EQ(seen, 21) << "9 + 8 + 4 cells";
    EXPECT_TRUE(cursor.seesCell(4, 6));
    EXPECT_FALSE(cursor.seesCell(3, 6));
}

} // namespace
} // namespace kestrel
