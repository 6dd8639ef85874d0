// The reference order replayed on givens that conflict.
#include "core/solver_internal.hpp"

#include <algorithm>
#include <bit>
#include <cassert>

namespace kestrel::solver_detail {

namespace {

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

bool hasConflict(const Values &values)
{
    return ConflictSearch(values).hasConflict();
}

bool solveConflictingLikeReference(const Values &start, Values &grid)
{
    ConflictSearch state(start);
    if (!state.hasFilling() || !followReferenceOrder(state))
        return false;
    grid = state.values();
    return true;
}

} // namespace kestrel::solver_detail
