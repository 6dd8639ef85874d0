#pragma once
// Cell addressing shared by every board of the program.
//
// Rows and columns run 1..9, row 1 at the top. A board keeps its cells in one array indexed
// row * 9 + col, so indices 10..90 are used and 0..9 never hold a cell. Every board scan is
// row-major (rows outer, columns inner); the "first" and "last" tie-breaks of the board
// operations follow from that order.

#include "core/colour.hpp"

#include <array>
#include <cstdint>

namespace kestrel {

/// Number of slots of a board array indexed row * 9 + col (slots 0..9 stay unused).
inline constexpr int kCellSlots = 91;

/// Index of cell (row, col) in a board array; both 1..9.
constexpr int cellIndex(int row, int col) noexcept
{
    return row * 9 + col;
}

/// Box number 1..9 of (row, col): left to right within a band, bands top to bottom.
/// Returns 0 when row or col lies outside 1..9.
constexpr int boxOf(int row, int col) noexcept
{
    if (row < 1 || row > 9 || col < 1 || col > 9)
        return 0;
    return 3 * ((row - 1) / 3) + ((col - 1) / 3) + 1;
}

/// True when (i, j) is a peer of (r, c): same row, column or box, and not the cell itself.
constexpr bool isPeer(int r, int c, int i, int j) noexcept
{
    return (i != r || j != c) && (i == r || j == c || boxOf(i, j) == boxOf(r, c));
}

/// A cell position, 1-based.
struct CellPos
{
    int row = 0;
    int col = 0;
    friend constexpr bool operator==(CellPos, CellPos) = default;
};

/// The 20 peers of a cell in row-major order.
using PeerList = std::array<CellPos, 20>;

/// Peers of (row, col) in row-major order; row and col are 1..9.
const PeerList &peersOf(int row, int col) noexcept;

/// Upper-case name of a cell as hint texts write it: row letter then column digit ("C7").
inline std::array<char, 3> cellName(int row, int col) noexcept
{
    return {static_cast<char>('A' + row - 1), static_cast<char>('0' + col), '\0'};
}

} // namespace kestrel
