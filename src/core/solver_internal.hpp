#pragma once
// Shared by the solver files, outside the model's interface: the cell and unit numbering,
// the band bit layout with its tables, and the entry points through which
// solver.cpp reaches each search.
//
//   solver_fast.cpp       the fast search: counts and the smallest solution
//   solver_band.cpp       the band search with restarts (BandSearch): the pair of solutions
//                         countSolutions reports for a puzzle with several
//   solver_conflicts.cpp  the replay of the reference order on conflicting givens
//   solver_reference.cpp  the reference search of the solver window (Tfrm_sol)

#include "core/digit_set.hpp"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel::solver_detail {

inline constexpr int kCells = 81;
inline constexpr int kUnits = 27;

/// The program's 9-bit digit set (bit d - 1 stands for digit d).
using kestrel::DigitSet;

/// Cell k (0..80) is (k / 9 + 1, k % 9 + 1). Units: 0..8 rows, 9..17 columns, 18..26 boxes.
struct UnitTables
{
    std::array<std::array<std::uint8_t, 3>, kCells> unitsOf{}; ///< row, column, box unit
    std::array<std::array<std::uint8_t, 9>, kUnits> cellsOf{}; ///< row-major within the unit

    constexpr UnitTables()
    {
        std::array<int, kUnits> filled{};
        for (int k = 0; k < kCells; ++k) {
            const int row = k / 9, col = k % 9, box = (row / 3) * 3 + col / 3;
            const std::array<int, 3> units{row, 9 + col, 18 + box};
            for (int i = 0; i < 3; ++i) {
                unitsOf[k][i] = std::uint8_t(units[i]);
                cellsOf[units[i]][filled[units[i]]++] = std::uint8_t(k);
            }
        }
    }
};

inline constexpr UnitTables kTables{};

using Values = std::array<std::uint8_t, kCells>; ///< digit per cell, 0 = empty

/// The digits of a puzzle as solvePuzzle reads it: "1".."9" a given, anything else or a
/// missing character an empty cell.
inline Values parseValues(std::string_view puzzle)
{
    Values values{};
    for (std::size_t k = 0; k < values.size() && k < puzzle.size(); ++k)
        if (puzzle[k] >= '1' && puzzle[k] <= '9')
            values[k] = std::uint8_t(puzzle[k] - '0');
    return values;
}

/// 81 digits, "0" for an empty cell.
inline std::string digitsOf(const Values &values)
{
    std::string text(kCells, '0');
    for (int k = 0; k < kCells; ++k)
        text[k] = char('0' + values[k]);
    return text;
}

/// Up to two solutions found by a count.
struct Found
{
    int limit = 2;
    int count = 0;
    Values first{};
    Values second{};
};

// Tables of the band search. A band is three rows; its mask has bit 9 * (row % 3) + col for
// each of its 27 cells:
//
//      bits  0 ..  8   first row    (first box: bits 0-2, second: 3-5, third: 6-8)
//      bits  9 .. 17   second row
//      bits 18 .. 26   third row
//
// Where a box meets a row it holds three cells, a "minirow"; where it meets a column, a
// "minicolumn". Within a band, the minirows that can hold a digit form a 3 x 3 presence
// matrix, bit 3 * row + box; within a stack of three columns, the minicolumns form one with
// bit 3 * band + column.
namespace band {

inline constexpr std::uint32_t kAll = 0x7FFFFFF;
inline constexpr std::uint32_t kRow = 0x1FF; ///< first row; shift by 9 * row
inline constexpr std::uint32_t kBox = 0x1C0E07; ///< first box; shift by 3 * box
inline constexpr std::uint32_t kCol = 0x40201; ///< first column; shift by col

struct Tables
{
    /// For a row's 9 bits: the boxes (3 bits) in which the row has any.
    std::array<std::uint8_t, 512> boxesOfRow{};
    /// For a row's 9 bits: the bits when there is exactly one, else 0.
    std::array<std::uint16_t, 512> loneOfRow{};
    /// For a presence matrix: the entries that lie on a pattern taking one entry from each
    /// row and each column of the matrix. A digit goes into a band once per row and once per
    /// box, and into a stack once per column and once per box, so its places always form
    /// such a pattern; no other minirow (minicolumn) can hold it. 0: no pattern at all.
    std::array<std::uint16_t, 512> pattern{};
    /// `pattern` for minirows, as the band's cells.
    std::array<std::uint32_t, 512> patternCells{};
    /// For 3 columns of a stack (bits 0-2): their cells in a band.
    std::array<std::uint32_t, 8> columnCells{};
    /// For a cell of a band: the other cells of its row and box in the band.
    std::array<std::uint32_t, 27> rowAndBox{};
    /// For a cell of a band: the cells of its column in a band.
    std::array<std::uint32_t, 27> column{};

    constexpr Tables()
    {
        for (unsigned bits = 1; bits < 512; bits <<= 1)
            loneOfRow[bits] = std::uint16_t(bits);
        for (unsigned bits = 0; bits < 512; ++bits)
            boxesOfRow[bits] = std::uint8_t(((bits & 7u) ? 1u : 0u) | ((bits & 070u) ? 2u : 0u)
                                            | ((bits & 0700u) ? 4u : 0u));
        constexpr int kPermutations[6][3]
            = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
        for (unsigned present = 0; present < 512; ++present) {
            unsigned kept = 0;
            for (const auto &columnOfRow : kPermutations) {
                unsigned entries = 0;
                for (int row = 0; row < 3; ++row)
                    entries |= 1u << (3 * row + columnOfRow[row]);
                if ((present & entries) == entries)
                    kept |= entries;
            }
            pattern[present] = std::uint16_t(kept);
            for (int entry = 0; entry < 9; ++entry)
                if (kept >> entry & 1u)
                    patternCells[present] |= 7u << (9 * (entry / 3) + 3 * (entry % 3));
        }
        for (unsigned columns = 0; columns < 8; ++columns)
            for (int col = 0; col < 3; ++col)
                if (columns >> col & 1u)
                    columnCells[columns] |= kCol << col;
        for (int bit = 0; bit < 27; ++bit) {
            const int row = bit / 9, col = bit % 9;
            rowAndBox[bit] = ((kRow << (9 * row)) | (kBox << (3 * (col / 3)))) & ~(1u << bit);
            column[bit] = kCol << col;
        }
    }
};

inline constexpr Tables kTables{};

constexpr bool isSingle(std::uint32_t bits)
{
    return bits != 0 && (bits & (bits - 1)) == 0;
}

/// Number of set bits (std::popcount is a library call without -mpopcnt).
constexpr int countBits(std::uint32_t bits)
{
    bits = bits - ((bits >> 1) & 0x55555555u);
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    return static_cast<int>((((bits + (bits >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

/// The two-candidate cell (band bit layout, `pairs` one mask per band) that sees the most other
/// two-candidate cells of its band: it settles the most. The first such cell in band and bit
/// order wins a tie; -1 when there is none. Both searches branch on it, so that they stay in step.
inline int mostConnectedPair(const std::array<std::uint32_t, 3> &pairs)
{
    int best = -1, bestSeen = -1;
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t left = pairs[b]; left != 0; left &= left - 1) {
            const int bit = std::countr_zero(left);
            const int seen = countBits(pairs[b] & kTables.rowAndBox[bit]);
            if (seen > bestSeen) {
                best = 27 * b + bit;
                bestSeen = seen;
            }
        }
    }
    return best;
}

} // namespace band

// --- entry points of the search files ---------------------------------------------------------

/// Nodes the band search's first run may visit before it restarts in another order.
inline constexpr int kBandFirstRunNodes = 256;

/// Counts the solutions of conflict-free values up to `found.limit` with the fast search, which
/// applies the band search's rules and branches as its first run does (same cell, digits from
/// low to high), within that run's nodes: so when it finishes it has met the same solutions as
/// the band search. False when it ran out of nodes (`found` then means nothing).
bool countWithFastSearch(const Values &start, Found &found);

/// The smallest solution of conflict-free values in row-major, digit-by-digit order, found by
/// lowering `known`, one of their solutions, with the fast search. False when a node budget
/// ran out first; `smallest` then means nothing.
bool smallestWithFastSearch(const Values &start, const Values &known, Values &smallest);

/// Counts the solutions of conflict-free values up to two with the band search.
Found countWithBandSearch(const Values &start);

/// The smallest solution of conflict-free values in row-major, digit-by-digit order, found by
/// lowering `known`, one of their solutions, with the band search.
Values smallestWithBandSearch(const Values &start, const Values &known);

/// True when two equal values see each other.
bool hasConflict(const Values &values);

/// For values whose givens conflict: the full grid the reference search ends with, or false
/// when it fails. `grid` is set only on success.
bool solveConflictingLikeReference(const Values &start, Values &grid);

} // namespace kestrel::solver_detail
