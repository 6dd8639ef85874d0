#include "core/solver.hpp"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <vector>

namespace kestrel {

// ============================================================================================
// The program's solver.
//
// Why it may search in another order than the reference and still return the same grid:
//
// When no two givens conflict, every step of the reference search keeps all solutions of the
// branch it is in. A naked single is forced; a hidden single is forced because a unit without
// duplicates must receive each of its missing digits; a placement only uses a value no peer
// holds, so the grid stays free of conflicts. The reference branches on the first empty cell
// in row-major order with ascending values, so the first solution it reaches is the smallest
// solution in row-major, digit-by-digit order. Any sound search that finds that smallest
// solution gives the same answer. `GridSearch` counts up to two solutions in whatever order is
// quickest; only when there are two or more does `lowerToSmallestSolution` walk the cells in
// row-major order asking, for each smaller digit, whether a solution exists with it.
//
// When givens conflict the reference is no longer a clean rule: a unit holding a duplicate has
// more missing digits than empty cells, yet its hidden-single step still places a digit that
// is the only one of its kind, which can ruin a branch that had a completion. For such
// puzzles `followReferenceOrder` replays the reference's nodes exactly (same cell, same value
// order, the same singles pass in the same order) on `ConflictSearch`, and skips only branches
// that provably cannot be completed at all, which cannot change which branch succeeds first.
// WARNING: that replay keeps the reference's exponential worst case. Sparse grids with several
// duplicates can take seconds; the program never gets there, since the uniqueness test
// rejects conflicting givens before searching.
//
// Both searches undo through a trail of changes; nothing is copied or allocated while
// searching.
// ============================================================================================

namespace {

constexpr int kCells = 81;
constexpr int kUnits = 27;

/// A set of digits 1..9: bit d - 1 stands for digit d.
class DigitSet
{
public:
    static constexpr std::uint16_t kAll = 0x1FF;

    constexpr DigitSet() = default;
    constexpr explicit DigitSet(std::uint16_t bits) : m_bits(bits & kAll) { }
    static constexpr DigitSet of(int digit) { return DigitSet(std::uint16_t(1u << (digit - 1))); }
    /// The digits 1..digit - 1.
    static constexpr DigitSet below(int digit)
    {
        return DigitSet(std::uint16_t((1u << (digit - 1)) - 1));
    }

    constexpr std::uint16_t bits() const { return m_bits; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr bool isSingle() const { return m_bits != 0 && (m_bits & (m_bits - 1)) == 0; }
    /// Number of digits (a table lookup: std::popcount is a library call without -mpopcnt).
    constexpr int count() const { return kCounts[m_bits]; }
    constexpr bool has(int digit) const { return (m_bits >> (digit - 1)) & 1u; }
    /// The smallest digit; the set must not be empty.
    constexpr int lowest() const { return std::countr_zero(m_bits) + 1; }
    /// Removes and returns the smallest digit; the set must not be empty.
    constexpr int takeLowest()
    {
        const int digit = lowest();
        m_bits &= std::uint16_t(m_bits - 1);
        return digit;
    }

    constexpr DigitSet operator~() const { return DigitSet(std::uint16_t(~m_bits)); }
    constexpr DigitSet operator&(DigitSet o) const { return DigitSet(m_bits & o.m_bits); }
    constexpr DigitSet operator|(DigitSet o) const { return DigitSet(m_bits | o.m_bits); }
    constexpr DigitSet &operator|=(DigitSet o)
    {
        m_bits |= o.m_bits;
        return *this;
    }
    constexpr DigitSet &operator&=(DigitSet o)
    {
        m_bits &= o.m_bits;
        return *this;
    }
    constexpr bool operator==(const DigitSet &) const = default;

private:
    static constexpr std::array<std::uint8_t, 512> kCounts = [] {
        std::array<std::uint8_t, 512> counts{};
        for (unsigned bits = 1; bits < 512; ++bits)
            counts[bits] = std::uint8_t(counts[bits >> 1] + (bits & 1u));
        return counts;
    }();

    std::uint16_t m_bits = 0;
};

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

constexpr UnitTables kTables{};

using Values = std::array<std::uint8_t, kCells>; ///< digit per cell, 0 = empty

Values parseValues(std::string_view puzzle)
{
    Values values{};
    for (std::size_t k = 0; k < values.size() && k < puzzle.size(); ++k)
        if (puzzle[k] >= '1' && puzzle[k] <= '9')
            values[k] = std::uint8_t(puzzle[k] - '0');
    return values;
}

std::string digitsOf(const Values &values)
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

constexpr std::uint32_t kAll = 0x7FFFFFF;
constexpr std::uint32_t kRow = 0x1FF; ///< first row; shift by 9 * row
constexpr std::uint32_t kBox = 0x1C0E07; ///< first box; shift by 3 * box
constexpr std::uint32_t kCol = 0x40201; ///< first column; shift by col

struct Tables
{
    /// For a row's 9 bits: the boxes (3 bits) in which the row has any.
    std::array<std::uint8_t, 512> boxesOfRow{};
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

constexpr Tables kTables{};

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

} // namespace band

/// Search over a grid whose values hold no conflict, digit by digit and band by band.
///
/// m_masks[3 * (d - 1) + b] is the set of cells of band b where digit d may still go,
/// including the cell where it is placed; m_masks[27 + b] the band's empty cells. Placing a digit
/// strikes it from its row, box and column and strikes the cell from the other digits. A
/// changed place set is re-examined: its minirows are cut to those on a band pattern, and a
/// row left with one place fixes the digit there; then the digit's minicolumns are cut to
/// those on a stack pattern. The patterns cover box/line interactions and hidden singles in
/// rows, boxes and columns. A cell left with one digit is a naked single. Together these find
/// every dead end of a full assignment: each row takes each digit exactly once, columns and
/// boxes at most once, and every cell one digit.
///
/// Every change of a mask goes on the trail (index, old mask); a mask only loses bits, so a
/// path makes at most 30 * 27 changes. Undo restores them backwards.
class GridSearch
{
public:
    /// Loads the values (which must not conflict) and places the singles they force; check
    /// isDeadEnd() afterwards.
    explicit GridSearch(const Values &start)
    {
        m_masks.fill(band::kAll);
        bool ok = true;
        for (int cell = 0; cell < kCells && ok; ++cell) {
            if (start[cell] == 0)
                continue;
            ok = hasPlace(start[cell], cell);
            if (ok)
                place(start[cell], cell);
        }
        m_deadEnd = !(ok && propagate());
    }

    /// True when the starting values already admit no completion.
    bool isDeadEnd() const { return m_deadEnd; }
    /// True when no cell is empty.
    bool isFull() const { return (m_masks[kOpen] | m_masks[kOpen + 1] | m_masks[kOpen + 2]) == 0; }
    /// True when the cell (0..80) holds no value.
    bool isEmpty(int cell) const { return m_masks[kOpen + cell / 27] >> (cell % 27) & 1u; }

    /// The digits an empty cell can still take (for a filled cell: its digit).
    DigitSet candidates(int cell) const
    {
        std::uint16_t bits = 0;
        for (int digit = 0; digit < 9; ++digit)
            bits |= std::uint16_t((m_masks[3 * digit + cell / 27] >> (cell % 27) & 1u) << digit);
        return DigitSet(bits);
    }

    /// The values of a full grid.
    Values values() const
    {
        Values values{};
        for (int digit = 1; digit <= 9; ++digit) {
            for (int b = 0; b < 3; ++b) {
                std::uint32_t cells = m_masks[3 * (digit - 1) + b];
                while (cells != 0) {
                    values[27 * b + std::countr_zero(cells)] = std::uint8_t(digit);
                    cells &= cells - 1;
                }
            }
        }
        return values;
    }

    /// The current trail position, for undoTo().
    int mark() const { return m_trailSize; }

    /// Takes back every change made after `mark`.
    void undoTo(int mark)
    {
        while (m_trailSize > mark) {
            const Change change = m_trail[--m_trailSize];
            m_masks[change.index] = change.old;
        }
    }

    /// Places a candidate digit in an empty cell with everything that follows. False on a
    /// dead end, after which the caller undoes to its mark.
    bool assign(int cell, int digit)
    {
        assert(isEmpty(cell) && hasPlace(digit, cell));
        place(digit, cell);
        return propagate();
    }

    /// Counts completions of the current state into `found` (stops at found.limit). Leaves
    /// the state as it was.
    ///
    /// Searches restart with a doubled node budget and another branching order while the
    /// budget runs out first. The time a search needs varies wildly with the order (a few
    /// puzzles hide their solutions behind a region that one order explores for a long time
    /// and another skips), and restarts bound the damage. Solutions found by an abandoned run
    /// are kept; the first run that ends within its budget has seen the whole tree, so the
    /// count is exact.
    void count(Found &found)
    {
        for (m_run = 0;; ++m_run) {
            m_budget = std::int64_t{256} << std::min(m_run, 40);
            m_exhausted = false;
            countRun(found);
            if (!m_exhausted || found.count >= found.limit)
                return;
        }
    }

    /// True when the current state has a completion; copies it to `solution` when given.
    bool hasCompletion(Values *solution = nullptr)
    {
        Found found;
        found.limit = 1;
        count(found);
        if (found.count > 0 && solution)
            *solution = found.first;
        return found.count > 0;
    }

private:
    static constexpr int kOpen = 27; ///< m_masks[27..29]: empty cells of each band

    void countRun(Found &found)
    {
        if (isFull()) {
            const Values solution = values();
            // A restarted run meets the solutions of the runs before it again.
            if (found.count == 1 && solution == found.first)
                return;
            (found.count == 0 ? found.first : found.second) = solution;
            ++found.count;
            return;
        }
        if (--m_budget < 0) {
            m_exhausted = true;
            return;
        }
        const int cell = branchCell();
        DigitSet options = candidates(cell);
        while (!options.isEmpty() && found.count < found.limit && !m_exhausted) {
            const int before = mark();
            if (assign(cell, options.takeLowest()))
                countRun(found);
            undoTo(before);
        }
    }

    struct Change
    {
        std::uint32_t old = 0;
        std::uint8_t index = 0;
    };

    bool hasPlace(int digit, int cell) const
    {
        return m_masks[3 * (digit - 1) + cell / 27] >> (cell % 27) & 1u;
    }

    /// Lowers m_masks[index] to `bits` (a subset), on the trail; a changed place set is
    /// queued for re-examination.
    void narrow(int index, std::uint32_t bits)
    {
        if (bits == m_masks[index])
            return;
        m_trail[m_trailSize++] = Change{m_masks[index], std::uint8_t(index)};
        m_masks[index] = bits;
        if (index < kOpen) {
            m_dirty |= 1u << index;
            m_dirtyDigits |= 1u << (index / 3);
            m_dirtyBands |= 1u << (index % 3);
        }
    }

    void place(int digit, int cell) { place(digit, cell / 27, cell % 27); }

    /// Puts `digit` into cell `bit` of band `b`.
    void place(int digit, int b, int bit)
    {
        const std::uint32_t self = 1u << bit;
        const int first = 3 * (digit - 1);
        narrow(first + b, m_masks[first + b] & ~band::kTables.rowAndBox[bit]);
        for (int other = 0; other < 3; ++other)
            if (other != b)
                narrow(first + other, m_masks[first + other] & ~band::kTables.column[bit]);
        for (int index = b; index < kOpen; index += 3)
            if (index != first + b)
                narrow(index, m_masks[index] & ~self);
        narrow(kOpen + b, m_masks[kOpen + b] & ~self);
    }

    /// Re-examines one digit's place set in one band; false on a dead end.
    bool examine(int index)
    {
        const std::uint32_t places = m_masks[index];
        const auto &t = band::kTables;
        const unsigned present = t.boxesOfRow[places & band::kRow]
            | t.boxesOfRow[(places >> 9) & band::kRow] << 3 | t.boxesOfRow[places >> 18] << 6;
        const std::uint32_t kept = places & t.patternCells[present];
        if (kept == 0)
            return false;
        narrow(index, kept);
        std::uint32_t singles = 0;
        for (int row = 0; row < 3; ++row) {
            const std::uint32_t inRow = kept & (band::kRow << (9 * row));
            if (band::isSingle(inRow))
                singles |= inRow;
        }
        const int b = index % 3, digit = index / 3 + 1;
        singles &= m_masks[kOpen + b];
        while (singles != 0) {
            const int bit = std::countr_zero(singles);
            singles &= singles - 1;
            // An earlier single of this loop may have struck the place; the queued
            // re-examination of this set then finds the row empty.
            if ((m_masks[index] & m_masks[kOpen + b]) >> bit & 1u)
                place(digit, b, bit);
        }
        return true;
    }

    /// Cuts a digit's minicolumns in each stack to those on a stack pattern; false on a dead
    /// end.
    bool examineStacks(int digit)
    {
        const int first = 3 * (digit - 1);
        std::array<std::uint32_t, 3> columns{}; // per band: the columns holding a place
        for (int b = 0; b < 3; ++b) {
            const std::uint32_t places = m_masks[first + b];
            columns[b] = (places | places >> 9 | places >> 18) & band::kRow;
        }
        for (int stack = 0; stack < 3; ++stack) {
            const int shift = 3 * stack;
            const unsigned present = ((columns[0] >> shift) & 7u)
                | ((columns[1] >> shift) & 7u) << 3 | ((columns[2] >> shift) & 7u) << 6;
            const unsigned kept = band::kTables.pattern[present];
            if (kept == 0)
                return false;
            if (kept == present)
                continue;
            for (int b = 0; b < 3; ++b) {
                const unsigned dropped = (present & ~kept) >> (3 * b) & 7u;
                if (dropped != 0)
                    narrow(first + b,
                           m_masks[first + b] & ~(band::kTables.columnCells[dropped] << shift));
            }
        }
        return true;
    }

    /// Runs the re-examinations and naked singles until nothing changes.
    bool propagate()
    {
        for (;;) {
            while (m_dirty != 0 || m_dirtyDigits != 0) {
                while (m_dirty != 0) {
                    const int index = std::countr_zero(m_dirty);
                    m_dirty &= m_dirty - 1;
                    if (!examine(index))
                        return fail();
                }
                if (m_dirtyDigits != 0) {
                    const int digit = std::countr_zero(m_dirtyDigits) + 1;
                    m_dirtyDigits &= m_dirtyDigits - 1;
                    if (!examineStacks(digit))
                        return fail();
                }
            }
            // Naked singles, in the bands where a place set changed since the last look.
            while (m_dirtyBands != 0) {
                const int b = std::countr_zero(m_dirtyBands);
                m_dirtyBands &= m_dirtyBands - 1;
                const std::uint32_t open = m_masks[kOpen + b];
                std::uint32_t once = 0, twice = 0;
                for (int d = 0; d < 9; ++d) {
                    const std::uint32_t places = m_masks[3 * d + b] & open;
                    twice |= once & places;
                    once |= places;
                }
                if ((open & ~once) != 0)
                    return fail();
                std::uint32_t singles = once & ~twice;
                while (singles != 0) {
                    const int bit = std::countr_zero(singles);
                    singles &= singles - 1;
                    if (!(m_masks[kOpen + b] >> bit & 1u))
                        continue;
                    int digit = 0;
                    for (int d = 0; d < 9 && digit == 0; ++d)
                        if (m_masks[3 * d + b] >> bit & 1u)
                            digit = d + 1;
                    // Another single of this batch may have taken the cell's last digit.
                    if (digit == 0)
                        return fail();
                    place(digit, b, bit);
                }
            }
            if ((m_dirty | m_dirtyDigits | m_dirtyBands) == 0)
                return true;
        }
    }

    bool fail()
    {
        m_dirty = 0;
        m_dirtyDigits = 0;
        m_dirtyBands = 0;
        return false;
    }

    /// An empty cell with two candidates if there is one, else one with the fewest. The first
    /// run takes the two-candidate cell that sees the most others in its band (its choice
    /// settles the most); later runs take the first one from a starting point that moves with
    /// the run (see count()).
    int branchCell() const
    {
        std::array<std::uint32_t, 3> pairs{};
        for (int b = 0; b < 3; ++b) {
            const std::uint32_t open = m_masks[kOpen + b];
            std::uint32_t once = 0, twice = 0, thrice = 0;
            for (int d = 0; d < 9; ++d) {
                const std::uint32_t places = m_masks[3 * d + b] & open;
                thrice |= twice & places;
                twice |= once & places;
                once |= places;
            }
            pairs[b] = twice & ~thrice;
        }
        if (m_run == 0) {
            int best = -1, bestSeen = -1;
            for (int b = 0; b < 3; ++b) {
                for (std::uint32_t left = pairs[b]; left != 0; left &= left - 1) {
                    const int bit = std::countr_zero(left);
                    const int seen = band::countBits(pairs[b] & band::kTables.rowAndBox[bit]);
                    if (seen > bestSeen) {
                        best = 27 * b + bit;
                        bestSeen = seen;
                    }
                }
            }
            if (best >= 0)
                return best;
        } else {
            const bool fromEnd = (m_run / 3) % 2 == 1;
            for (int i = 0; i < 3; ++i) {
                const int b = (i + m_run) % 3;
                if (pairs[b] != 0)
                    return 27 * b
                        + (fromEnd ? 31 - std::countl_zero(pairs[b]) : std::countr_zero(pairs[b]));
            }
        }
        int best = -1, bestCount = 10;
        for (int i = 0; i < kCells; ++i) {
            const int shifted = (i + 29 * m_run) % kCells;
            const int cell = m_run % 2 == 0 ? shifted : kCells - 1 - shifted;
            if (!isEmpty(cell))
                continue;
            const int n = candidates(cell).count();
            if (n < bestCount) {
                best = cell;
                bestCount = n;
            }
        }
        return best;
    }

    // m_masks[0..26]: place sets, index 3 * (digit - 1) + band; m_masks[27..29]: empty cells.
    std::array<std::uint32_t, 30> m_masks{};
    std::uint32_t m_dirty = 0; ///< place sets to re-examine, one bit per index
    std::uint32_t m_dirtyDigits = 0; ///< digits whose stacks to re-examine, bit digit - 1
    std::uint32_t m_dirtyBands = 0; ///< bands to search for naked singles
    bool m_deadEnd = false;
    int m_run = 0; ///< restart number of the current count
    std::int64_t m_budget = 0; ///< nodes the current run may still visit
    bool m_exhausted = false; ///< the current run ran out of budget
    std::array<Change, 30 * 27> m_trail{};
    int m_trailSize = 0;
};

/// Search over a grid whose values may conflict: values, used digits per unit, undo trail.
///
/// A cell's candidates are the digits absent from the used-digit masks of its row, column and
/// box. A placed value never repeats a digit of its units (it was a candidate), so clearing
/// its bit again on undo is exact even when the givens hold duplicates.
///
/// A unit is "tight" when its values hold no duplicate; then its empty cells must take exactly
/// its missing digits, so a missing digit with one possible cell is forced and one with none
/// is a dead end. A unit with a duplicate only needs its empty cells to get distinct digits.
/// Placements never change whether a unit is tight.
class ConflictSearch
{
public:
    explicit ConflictSearch(const Values &start) : m_values(start)
    {
        std::array<int, kUnits> filled{};
        for (int k = 0; k < kCells; ++k) {
            if (m_values[k] == 0) {
                m_emptyIndex[k] = std::uint8_t(m_emptyCount);
                m_empty[m_emptyCount++] = std::uint8_t(k);
                continue;
            }
            for (const int unit : kTables.unitsOf[k]) {
                m_used[unit] |= DigitSet::of(m_values[k]);
                ++filled[unit];
            }
        }
        for (int unit = 0; unit < kUnits; ++unit) {
            m_tight[unit] = m_used[unit].count() == filled[unit];
            m_hasConflict = m_hasConflict || !m_tight[unit];
        }
    }

    const Values &values() const { return m_values; }
    /// True when no cell is empty.
    bool isFull() const { return m_emptyCount == 0; }
    /// True when two equal values see each other.
    bool hasConflict() const { return m_hasConflict; }

    /// The digits no peer of the cell holds.
    DigitSet candidates(int cell) const
    {
        const auto &units = kTables.unitsOf[cell];
        return ~(m_used[units[0]] | m_used[units[1]] | m_used[units[2]]);
    }

    /// The first empty cell in row-major order, or -1.
    int firstEmpty() const
    {
        for (int k = 0; k < kCells; ++k)
            if (m_values[k] == 0)
                return k;
        return -1;
    }

    /// Puts a candidate digit into an empty cell.
    void place(int cell, int digit)
    {
        assert(m_values[cell] == 0 && candidates(cell).has(digit));
        m_values[cell] = std::uint8_t(digit);
        for (const int unit : kTables.unitsOf[cell])
            m_used[unit] |= DigitSet::of(digit);
        // Swap the cell behind the live part of the empty list; undo only has to grow the
        // list again, which leaves the order different but the set exact.
        const int index = m_emptyIndex[cell];
        const int last = m_empty[--m_emptyCount];
        m_empty[index] = std::uint8_t(last);
        m_emptyIndex[last] = std::uint8_t(index);
        m_empty[m_emptyCount] = std::uint8_t(cell);
        m_emptyIndex[cell] = std::uint8_t(m_emptyCount);
        m_trail[m_trailSize++] = std::uint8_t(cell);
    }

    /// The current trail position, for undoTo().
    int mark() const { return m_trailSize; }

    /// Takes back every placement made after `mark`.
    void undoTo(int mark)
    {
        while (m_trailSize > mark) {
            const int cell = m_trail[--m_trailSize];
            const DigitSet bit = DigitSet::of(m_values[cell]);
            for (const int unit : kTables.unitsOf[cell])
                m_used[unit] &= ~bit;
            m_values[cell] = 0;
            ++m_emptyCount;
        }
    }

    /// Places naked and hidden singles until none is left. False on a dead end: an empty cell
    /// without candidates, a tight unit missing a digit no cell can take, a unit with fewer
    /// candidate digits than empty cells, or a digit that fits no place pattern. Never removes
    /// a filling.
    bool propagate()
    {
        for (;;) {
            bool progress = false;
            // Backwards, so that a cell swapped into the current slot was already seen.
            for (int i = m_emptyCount - 1; i >= 0; --i) {
                const int cell = m_empty[i];
                const DigitSet options = candidates(cell);
                if (options.isEmpty())
                    return false;
                if (options.isSingle()) {
                    place(cell, options.lowest());
                    progress = true;
                }
            }
            if (progress)
                continue;
            std::array<DigitSet, kUnits> unitOptions{};
            for (int unit = 0; unit < kUnits; ++unit) {
                DigitSet seen, twice;
                int empties = 0;
                for (const int cell : kTables.cellsOf[unit]) {
                    if (m_values[cell] != 0)
                        continue;
                    const DigitSet options = candidates(cell);
                    twice |= seen & options;
                    seen |= options;
                    ++empties;
                }
                if (empties == 0)
                    continue;
                unitOptions[unit] = seen;
                if (!m_tight[unit]) {
                    if (seen.count() < empties)
                        return false;
                    continue;
                }
                if (seen != ~m_used[unit])
                    return false;
                DigitSet once = seen & ~twice;
                while (!once.isEmpty()) {
                    const int digit = once.takeLowest();
                    const int cell = onlyCellFor(unit, digit);
                    // Another single of this round may have taken the digit's last cell.
                    if (cell < 0)
                        return false;
                    place(cell, digit);
                    progress = true;
                }
            }
            if (!progress)
                return !m_hasConflict || (digitCountsFit(unitOptions) && digitsFit());
        }
    }

    /// True when the empty cells can be filled so that no filled-in value repeats a digit of
    /// its row, column or box (the duplicates among the givens stay). Leaves the state as it
    /// was.
    bool hasFilling()
    {
        const int start = mark();
        bool found = false;
        if (propagate()) {
            if (isFull()) {
                found = true;
            } else {
                const int cell = mostConstrainedCell();
                DigitSet options = candidates(cell);
                while (!options.isEmpty() && !found) {
                    const int before = mark();
                    place(cell, options.takeLowest());
                    found = hasFilling();
                    undoTo(before);
                }
            }
        }
        undoTo(start);
        return found;
    }

    /// The reference's singles pass (`SolveSudoku` without stopAtFirst), exactly: cells in
    /// row-major order, pass after pass until a pass places nothing; in each empty cell the
    /// single candidate, or else the lowest candidate that is possible in only one empty cell
    /// of the column, the row or the box. Nothing is checked for dead ends.
    void placeSinglesInReferenceOrder()
    {
        // Digits possible in exactly one empty cell of a unit, computed when first needed and
        // forgotten after every placement.
        std::array<DigitSet, kUnits> once{};
        std::uint32_t known = 0;
        auto onceIn = [&](int unit) {
            if (!(known >> unit & 1u)) {
                DigitSet seen, twice;
                for (const int cell : kTables.cellsOf[unit]) {
                    if (m_values[cell] == 0) {
                        const DigitSet options = candidates(cell);
                        twice |= seen & options;
                        seen |= options;
                    }
                }
                once[unit] = seen & ~twice;
                known |= 1u << unit;
            }
            return once[unit];
        };
        bool changed = true;
        while (changed) {
            changed = false;
            for (int cell = 0; cell < kCells; ++cell) {
                if (m_values[cell] != 0)
                    continue;
                const DigitSet options = candidates(cell);
                if (options.isEmpty())
                    continue;
                DigitSet choice = options;
                if (!options.isSingle()) {
                    const auto &units = kTables.unitsOf[cell];
                    choice = options & (onceIn(units[1]) | onceIn(units[0]) | onceIn(units[2]));
                }
                if (!choice.isEmpty()) {
                    place(cell, choice.lowest());
                    known = 0;
                    changed = true;
                }
            }
        }
    }

private:
    /// With conflicting values the three kinds of unit must agree on how many more times each
    /// digit is placed: a tight unit missing it takes it exactly once, a unit with a duplicate
    /// at most once, and only where some empty cell can hold it; and the counts of the nine
    /// digits must add up to the number of empty cells. (Without conflicts this always holds.)
    bool digitCountsFit(const std::array<DigitSet, kUnits> &unitOptions) const
    {
        int least = 0, most = 0;
        for (int digit = 1; digit <= 9; ++digit) {
            int low = 0, high = 9;
            for (int first = 0; first < kUnits; first += 9) {
                int needed = 0, optional = 0;
                for (int unit = first; unit < first + 9; ++unit) {
                    if (unitOptions[unit].has(digit))
                        ++(m_tight[unit] ? needed : optional);
                }
                low = std::max(low, needed);
                high = std::min(high, needed + optional);
            }
            if (low > high)
                return false;
            least += low;
            most += high;
        }
        return least <= m_emptyCount && m_emptyCount <= most;
    }

    /// With conflicting values, true when every digit on its own has a place pattern: exactly
    /// one new copy in each tight unit missing it, at most one in the other units. This catches
    /// the one-digit dead ends (a box whose only column for a digit is another box's only
    /// column) that naked and hidden singles miss and that a search would only find after
    /// trying the unrelated cells.
    bool digitsFit() const
    {
        for (int digit = 1; digit <= 9; ++digit) {
            DigitPattern pattern;
            for (int row = 0; row < 9; ++row) {
                for (int col = 0; col < 9; ++col) {
                    const int cell = row * 9 + col;
                    if (m_values[cell] == 0 && candidates(cell).has(digit))
                        pattern.colsOfRow[row] |= std::uint16_t(1u << col);
                }
                if (m_tight[row] && !m_used[row].has(digit))
                    pattern.neededRows |= std::uint16_t(1u << row);
            }
            for (int i = 0; i < 9; ++i) {
                if (m_tight[9 + i] && !m_used[9 + i].has(digit))
                    pattern.neededCols |= std::uint16_t(1u << i);
                if (m_tight[18 + i] && !m_used[18 + i].has(digit))
                    pattern.neededBoxes |= std::uint16_t(1u << i);
            }
            if (!pattern.fits(0, 0, 0))
                return false;
        }
        return true;
    }

    /// Where one digit may still go, row by row, and which units must receive it.
    struct DigitPattern
    {
        std::array<std::uint16_t, 9> colsOfRow{};
        std::uint16_t neededRows = 0;
        std::uint16_t neededCols = 0;
        std::uint16_t neededBoxes = 0;

        /// True when rows `row`..8 can take the digit given the columns and boxes used so far.
        bool fits(int row, std::uint16_t cols, std::uint16_t boxes) const
        {
            if (row % 3 == 0 && row > 0) {
                const std::uint16_t band = std::uint16_t(7u << (row - 3));
                if ((neededBoxes & band & ~boxes) != 0)
                    return false;
            }
            if (row == 9)
                return (neededCols & ~cols) == 0;
            int rowsLeft = 0;
            for (int r = row; r < 9; ++r)
                rowsLeft += colsOfRow[r] != 0 ? 1 : 0;
            if (std::popcount(std::uint16_t(neededCols & ~cols)) > rowsLeft)
                return false;
            std::uint16_t open = colsOfRow[row] & ~cols;
            for (int stack = 0; stack < 3; ++stack)
                if (boxes >> ((row / 3) * 3 + stack) & 1u)
                    open &= std::uint16_t(~(7u << (3 * stack)));
            while (open != 0) {
                const int col = std::countr_zero(open);
                open &= std::uint16_t(open - 1);
                const int box = (row / 3) * 3 + col / 3;
                if (fits(row + 1, std::uint16_t(cols | (1u << col)),
                         std::uint16_t(boxes | (1u << box))))
                    return true;
            }
            return !(neededRows >> row & 1u) && fits(row + 1, cols, boxes);
        }
    };

    int onlyCellFor(int unit, int digit) const
    {
        int only = -1;
        for (const int cell : kTables.cellsOf[unit]) {
            if (m_values[cell] == 0 && candidates(cell).has(digit)) {
                if (only >= 0)
                    return -1;
                only = cell;
            }
        }
        return only;
    }

    int mostConstrainedCell() const
    {
        int best = -1;
        int bestCount = 10;
        for (int i = 0; i < m_emptyCount; ++i) {
            const int cell = m_empty[i];
            const int n = candidates(cell).count();
            if (n < bestCount) {
                best = cell;
                bestCount = n;
                if (n <= 2)
                    break;
            }
        }
        return best;
    }

    Values m_values{};
    std::array<DigitSet, kUnits> m_used{};
    std::array<bool, kUnits> m_tight{};
    bool m_hasConflict = false;
    std::array<std::uint8_t, kCells> m_empty{};
    std::array<std::uint8_t, kCells> m_emptyIndex{};
    int m_emptyCount = 0;
    std::array<std::uint8_t, kCells> m_trail{};
    int m_trailSize = 0;
};

/// Replaces `best`, a completion of `search`, by the smallest completion in row-major,
/// digit-by-digit order. Walks the empty cells in row-major order; a digit below the known
/// completion's digit is kept only when a completion exists with it, and each completion found
/// becomes the new `best`. Leaves `search` full (equal to `best`).
void lowerToSmallestSolution(GridSearch &search, Values &best)
{
    Values trial{};
    for (int cell = 0; cell < kCells; ++cell) {
        if (!search.isEmpty(cell))
            continue;
        DigitSet lower = search.candidates(cell) & DigitSet::below(best[cell]);
        while (!lower.isEmpty()) {
            const int before = search.mark();
            const bool found
                = search.assign(cell, lower.takeLowest()) && search.hasCompletion(&trial);
            search.undoTo(before);
            if (found) {
                best = trial;
                break;
            }
        }
        [[maybe_unused]] const bool consistent = search.assign(cell, best[cell]);
        assert(consistent);
    }
}

/// `SolveBruteForce` on the bit masks: same cell, same value order, same singles pass, so the
/// same first success. A branch is dropped early only when no filling of it exists at all, in
/// which case the reference, which only ever fills cells with candidates, fails it too. On
/// failure the state is as before.
bool followReferenceOrder(ConflictSearch &state)
{
    const int cell = state.firstEmpty();
    if (cell < 0)
        return false;
    DigitSet options = state.candidates(cell);
    while (!options.isEmpty()) {
        const int before = state.mark();
        state.place(cell, options.takeLowest());
        state.placeSinglesInReferenceOrder();
        if (state.isFull())
            return true;
        if (state.hasFilling() && followReferenceOrder(state))
            return true;
        state.undoTo(before);
    }
    return false;
}

} // namespace

int solveCode(SolveResult result) noexcept
{
    return result == SolveResult::Solved ? 0 : 1;
}

int uniqueCode(UniqueResult result) noexcept
{
    switch (result) {
    case UniqueResult::Unique:
        return 0;
    case UniqueResult::Several:
        return 2;
    case UniqueResult::NoSolution:
    case UniqueResult::BreaksRules:
    case UniqueResult::NoEmptyCell:
        return 1;
    }
    return 1;
}

SolveOutcome solvePuzzle(std::string_view puzzle)
{
    const Values start = parseValues(puzzle);
    ConflictSearch state(start);
    if (state.isFull())
        return {SolveResult::NoEmptyCell, digitsOf(start)};
    if (state.hasConflict()) {
        if (state.hasFilling() && followReferenceOrder(state))
            return {SolveResult::Solved, digitsOf(state.values())};
        return {SolveResult::NoSolution, digitsOf(start)};
    }
    GridSearch search(start);
    Found found;
    if (!search.isDeadEnd())
        search.count(found);
    if (found.count == 0)
        return {SolveResult::NoSolution, digitsOf(start)};
    if (found.count > 1)
        lowerToSmallestSolution(search, found.first);
    return {SolveResult::Solved, digitsOf(found.first)};
}

UniqueOutcome countSolutions(std::string_view puzzle)
{
    const Values start = parseValues(puzzle);
    if (ConflictSearch(start).hasConflict())
        return {UniqueResult::BreaksRules, {}, {}};
    if (std::find(start.begin(), start.end(), 0) == start.end())
        return {UniqueResult::NoEmptyCell, {}, {}};
    GridSearch search(start);
    Found found;
    if (!search.isDeadEnd())
        search.count(found);
    if (found.count == 0)
        return {UniqueResult::NoSolution, {}, {}};
    if (found.count == 1)
        return {UniqueResult::Unique, digitsOf(found.first), {}};
    Values smallest = found.first;
    lowerToSmallestSolution(search, smallest);
    const Values &other = smallest == found.first ? found.second : found.first;
    return {UniqueResult::Several, digitsOf(smallest), digitsOf(other)};
}

// ============================================================================================
// The reference search on `solveTable`, step by step as the solver window does it.
// ============================================================================================

Tfrm_sol::Tfrm_sol()
{
    so.setWidth2(400);
    so.layoutAndPaint();
}

void Tfrm_sol::FindPossibilities()
{
    for (int row = 1; row <= gridSize; ++row) {
        for (int col = 1; col <= gridSize; ++col) {
            SolveCell &cell = solveTable[row][col];
            cell.poss.fill(false);
            if (cell.value != 0)
                continue;
            for (int v = 1; v <= gridSize; ++v)
                cell.poss[v] = true;
            for (int k = 1; k <= gridSize; ++k) {
                if (solveTable[row][k].value != 0)
                    cell.poss[solveTable[row][k].value] = false;
                if (solveTable[k][col].value != 0)
                    cell.poss[solveTable[k][col].value] = false;
            }
            const int r0 = ((row - 1) / boxRows) * boxRows;
            const int c0 = ((col - 1) / boxCols) * boxCols;
            for (int r = r0 + 1; r <= r0 + boxRows; ++r)
                for (int c = c0 + 1; c <= c0 + boxCols; ++c)
                    if (solveTable[r][c].value != 0)
                        cell.poss[solveTable[r][c].value] = false;
        }
    }
}

bool Tfrm_sol::check() const
{
    for (int row = 1; row <= gridSize; ++row)
        for (int col = 1; col <= gridSize; ++col)
            if (solveTable[row][col].value == 0)
                return false;
    return true;
}

int Tfrm_sol::CountPossValue(int v, int row, int col) const
{
    int count = 0;
    const SolveCell &cell = solveTable[row][col];
    if (cell.value == 0)
        for (int k = 1; k <= gridSize; ++k)
            count += cell.poss[k] ? 1 : 0;
    if (count != 1) {
        count = 0;
        for (int r = 1; r <= gridSize; ++r)
            count += (solveTable[r][col].value == 0 && solveTable[r][col].poss[v]) ? 1 : 0;
    }
    if (count != 1) {
        count = 0;
        for (int c = 1; c <= gridSize; ++c)
            count += (solveTable[row][c].value == 0 && solveTable[row][c].poss[v]) ? 1 : 0;
    }
    if (count != 1) {
        count = 0;
        const int r0 = ((row - 1) / boxRows) * boxRows;
        const int c0 = ((col - 1) / boxCols) * boxCols;
        for (int r = r0 + 1; r <= r0 + boxRows; ++r)
            for (int c = c0 + 1; c <= c0 + boxCols; ++c)
                count += (solveTable[r][c].value == 0 && solveTable[r][c].poss[v]) ? 1 : 0;
    }
    return count;
}

void Tfrm_sol::ReducePossibilities()
{ }

bool Tfrm_sol::SolveSudoku(bool stopAtFirst)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (int row = 1; row <= gridSize; ++row) {
            for (int col = 1; col <= gridSize; ++col) {
                SolveCell &cell = solveTable[row][col];
                if (cell.value != 0)
                    continue;
                for (int v = 1; v <= gridSize; ++v) {
                    if (cell.poss[v] && CountPossValue(v, row, col) == 1) {
                        cell.value = std::uint8_t(v);
                        FindPossibilities();
                        ReducePossibilities();
                        changed = true;
                        if (stopAtFirst)
                            return true;
                    }
                }
            }
        }
    }
    return check();
}

bool Tfrm_sol::SolveBruteForce()
{
    int row = 0, col = 0;
    for (int r = 1; r <= gridSize && row == 0; ++r) {
        for (int c = 1; c <= gridSize; ++c) {
            if (solveTable[r][c].value == 0) {
                row = r;
                col = c;
                break;
            }
        }
    }
    if (row == 0)
        return false;
    // The used part of the table, saved before each guess (on the heap: the recursion is as
    // deep as the number of empty cells).
    std::vector<SolveCell> saved(std::size_t(gridSize) * gridSize);
    for (int v = 1; v <= gridSize; ++v) {
        if (!solveTable[row][col].poss[v])
            continue;
        for (int r = 1; r <= gridSize; ++r)
            for (int c = 1; c <= gridSize; ++c)
                saved[std::size_t((r - 1) * gridSize + (c - 1))] = solveTable[r][c];
        solveTable[row][col].value = std::uint8_t(v);
        FindPossibilities();
        SolveSudoku(false);
        if (check())
            return true;
        if (SolveBruteForce())
            return true;
        for (int r = 1; r <= gridSize; ++r)
            for (int c = 1; c <= gridSize; ++c)
                solveTable[r][c] = saved[std::size_t((r - 1) * gridSize + (c - 1))];
    }
    return false;
}

void Tfrm_sol::loadTable(std::string_view puzzle)
{
    for (int row = 1; row <= gridSize; ++row) {
        for (int col = 1; col <= gridSize; ++col) {
            const auto k = std::size_t((row - 1) * gridSize + (col - 1));
            const char ch = k < puzzle.size() ? puzzle[k] : '0';
            solveTable[row][col].value = (ch >= '1' && ch <= '9') ? std::uint8_t(ch - '0') : 0;
        }
    }
}

std::string Tfrm_sol::tableValues() const
{
    std::string values;
    for (int row = 1; row <= gridSize; ++row)
        for (int col = 1; col <= gridSize; ++col)
            values += std::to_string(solveTable[row][col].value);
    return values;
}

void Tfrm_sol::solve(std::string_view puzzle, int &code, std::string &result)
{
    loadTable(puzzle);
    FindPossibilities();
    code = 0;
    if (check()) {
        code = 1;
    } else {
        if (!SolveBruteForce())
            code = 2;
        if (!check())
            code = 1;
    }
    result = tableValues();
}

UniqueOutcome Tfrm_sol::solveUnique(std::string_view puzzle)
{
    if (!checkPuzzle(puzzle))
        return {UniqueResult::BreaksRules, {}, {}};
    return countSolutions(puzzle);
}

bool Tfrm_sol::checkPuzzle(std::string_view puzzle)
{
    Edit1 = std::string(puzzle);
    btsettableClick();
    return so.isValid();
}

void Tfrm_sol::btsettableClick()
{
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            so.cell(row, col).state = 3;
    // The texts are written directly: the board's change notification only repaints and marks
    // a conflicting pair, and the explicit layoutAndPaint below repaints once for all.
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const auto k = std::size_t(9 * (row - 1) + (col - 1));
            // Past the end of a short puzzle the character is empty, which is not "0" or "*".
            const std::string_view ch
                = k < Edit1.size() ? std::string_view(Edit1).substr(k, 1) : std::string_view();
            TSD33::TNode &cell = so.cell(row, col);
            if (ch != "0" && ch != "*") {
                cell.text = std::string(ch);
                cell.state = 2;
            } else {
                cell.text = "123456789";
                cell.state = 3;
            }
        }
    }
    so.layoutAndPaint();
}

void Tfrm_sol::writeValuesToBoard(std::string_view values)
{
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const auto k = std::size_t(9 * (row - 1) + (col - 1));
            const char ch = k < values.size() ? values[k] : '0';
            // An empty cell (value 0) shows as an empty box.
            so.cell(row, col).text = ch == '0' ? std::string() : std::string(1, ch);
        }
    }
    so.onCellChange();
}

void Tfrm_sol::Button1Click()
{
    const SolveOutcome outcome = solvePuzzle(Edit1);
    // The reference search ends with the table holding exactly these values (the solution, or
    // the starting values after a failed search), so the table mirrors it for "show da".
    loadTable(outcome.values);
    FindPossibilities();
    switch (outcome.result) {
    case SolveResult::Solved:
        m_lastMessage = "OK";
        break;
    case SolveResult::NoEmptyCell:
        m_lastMessage = "No empty cell: nothing to solve";
        break;
    case SolveResult::NoSolution:
        m_lastMessage = "No solution";
        break;
    }
    writeValuesToBoard(outcome.values);
}

void Tfrm_sol::Button2Click()
{
    writeValuesToBoard(tableValues());
}

void Tfrm_sol::Button3Click()
{
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            so.cell(row, col).text.clear();
    so.onCellChange();
}

} // namespace kestrel
