// The reference order replayed on givens that conflict, within a bounded amount of work.
//
// Why a bound, and why this one. With two equal givens in a unit, the reference search still
// looks for a grid whose filled-in values repeat nothing, but its hidden-single step no longer
// only makes forced moves: in a unit with a duplicate it places a digit that has one possible
// cell although the unit need not receive it, and that can ruin every filling of a branch.
// A branch can then have fillings and still fail, so no test that looks only for fillings
// cuts the replay short, and on some sparse grids (about one in a thousand random ones with a
// repeated digit) the reference walks an astronomically large tree: with two rows holding a
// duplicate each, every way of filling the three rows above them is tried before the
// trap in the rows below shows. The replay below makes the reference's moves exactly and
// drops only branches without any filling, and it counts its steps: each node of the replay
// and each node of the searches for a filling is one step.
//
// The fallback: if the answer is not known after kWorkBudget steps, the answer is "no
// solution" (code 1 with the starting values), the reference's answer on the great majority
// of conflicting grids and its answer on every grid without a filling. The budget keeps the
// slowest input to a few milliseconds (bench/solver_bench.cpp, BM_SolveSparseConflicts). On
// that benchmark's 100,000 random sparse conflicting grids the full replay needs more than a
// million steps (seconds to hours) on 77; on 64 more it finds a grid, after 15 ms to 50 s,
// and those 64 now get the fallback; every grid it answers sooner gets its answer. In the
// 100,000 puzzles of bench/puzzle_mix (seed 7, 35,504 of them conflicting) the counts are 15
// and 10. Tried and rejected: a test for fillings that knows the trap (whether a branch can
// still avoid the forced placement is itself a search of the reference's order), and memos of
// failed states (the replay never meets a state twice).
#include "core/solver_internal.hpp"

#include <algorithm>
#include <bit>
#include <cassert>

namespace kestrel::solver_detail {

namespace {

/// Steps (replay nodes plus nodes of the searches for a filling) after which the replay gives
/// up and the answer is "no solution". It shapes the answer: changing it changes the answer on
/// the rare grids that need more.
constexpr int kWorkBudget = 3000;

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
    /// Counts one step against the budget; false once it is spent.
    bool takeStep() { return --m_workLeft >= 0; }
    /// True when the budget ran out.
    bool isOutOfWork() const { return m_workLeft < 0; }

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
        return ~(m_used[units[0]] | m_used[units[1]] | m_used[units[2]] | m_omit[units[0]]
                 | m_omit[units[1]] | m_omit[units[2]]);
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
                DigitSet needed = ~m_used[unit];
                if (!m_tight[unit]) {
                    if (seen.count() < empties)
                        return false;
                    needed = m_must[unit] & ~m_used[unit];
                }
                if ((needed & ~seen) != DigitSet())
                    return false;
                DigitSet once = seen & ~twice & needed;
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
            if (progress)
                continue;
            if (!m_hasConflict)
                return true;
            const Deduction counts = deduceFromDigitCounts(unitOptions);
            if (counts == Deduction::DeadEnd)
                return false;
            if (counts == Deduction::Unchanged)
                return digitsFit();
        }
    }

    /// True when the empty cells can be filled so that no filled-in value repeats a digit of
    /// its row, column or box (the duplicates among the givens stay). Leaves the state as it
    /// was. See lowestUsefulValue() for what the filling it found tells.
    bool hasFilling()
    {
        // The replay only meets a state that the last filling fills below the state where it
        // was found, so a smallest filling is still the smallest there: no search needed.
        if (m_hasWitness && isFilledBy(m_witness))
            return true;
        // The smallest filling first, in row-major order: it lets the replay skip values. That
        // order now and then wanders; past kInOrderSteps the most constrained cell leads.
        m_inOrderStepsLeft = kInOrderSteps;
        m_hasWitness = searchFilling(Order::RowMajor);
        m_isSmallest = m_hasWitness;
        if (m_inOrderStepsLeft < 0)
            m_hasWitness = searchFilling(Order::MostConstrained);
        return m_hasWitness;
    }

    /// Right after hasFilling() returned true: the lowest value of `cell`, the first empty
    /// one, with which a filling can exist. With the smallest filling known, every value below
    /// its value there leaves no filling at all, since all cells before `cell` are filled.
    int lowestUsefulValue(int cell) const { return m_isSmallest ? m_witness[cell] : 1; }

private:
    enum class Order { RowMajor, MostConstrained };

    /// Steps a search in row-major order may take before the other order takes over.
    static constexpr int kInOrderSteps = 64;

    /// True when `grid` agrees with every value of the state.
    bool isFilledBy(const Values &grid) const
    {
        for (int k = 0; k < kCells; ++k)
            if (m_values[k] != 0 && m_values[k] != grid[k])
                return false;
        return true;
    }

    /// hasFilling by search, kept in m_witness. In row-major order with ascending digits the
    /// first filling found is the smallest; that search gives up (false, m_inOrderStepsLeft
    /// below 0) after kInOrderSteps.
    bool searchFilling(Order order)
    {
        const bool inOrder = order == Order::RowMajor;
        if ((inOrder && --m_inOrderStepsLeft < 0) || !takeStep())
            return false;
        const int start = mark();
        const std::array<DigitSet, kUnits> omit = m_omit, must = m_must;
        bool found = false;
        if (propagate()) {
            if (isFull()) {
                found = true;
                m_witness = m_values;
            } else {
                const int cell = inOrder ? firstEmpty() : mostConstrainedCell();
                DigitSet options = candidates(cell);
                while (!options.isEmpty() && !found && !(inOrder && m_inOrderStepsLeft < 0)) {
                    const int before = mark();
                    place(cell, options.takeLowest());
                    found = searchFilling(order);
                    undoTo(before);
                }
            }
        }
        undoTo(start);
        m_omit = omit;
        m_must = must;
        return found;
    }

public:
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
    enum class Deduction { DeadEnd, Unchanged, Changed };

    /// True when every filling puts one more copy of the digit into the unit.
    bool takesDigit(int unit, int digit) const
    {
        return (m_tight[unit] || m_must[unit].has(digit)) && !m_used[unit].has(digit);
    }

    /// With conflicting values the three kinds of unit must agree on how many more times each
    /// digit is placed, since every new copy lies in one row, one column and one box: a tight
    /// unit missing it takes it exactly once, a unit with a duplicate at most once and only
    /// where some empty cell can hold it, and the counts of the nine digits add up to the
    /// number of empty cells. Where the bounds meet, the units with a duplicate of one kind
    /// must all omit the digit (m_omit) or all take it (m_must). (Without conflicts the
    /// bounds always hold and say nothing new.)
    Deduction deduceFromDigitCounts(const std::array<DigitSet, kUnits> &unitOptions)
    {
        std::array<std::array<int, 3>, 10> needed{}, optional{};
        std::array<int, 10> low{}, high{};
        int least = 0, most = 0;
        for (int digit = 1; digit <= 9; ++digit) {
            low[digit] = 0;
            high[digit] = 9;
            for (int kind = 0; kind < 3; ++kind) {
                for (int unit = 9 * kind; unit < 9 * kind + 9; ++unit) {
                    if (!unitOptions[unit].has(digit))
                        continue;
                    const bool takesIt = m_tight[unit] || m_must[unit].has(digit);
                    ++(takesIt ? needed[digit][kind] : optional[digit][kind]);
                }
                low[digit] = std::max(low[digit], needed[digit][kind]);
                high[digit] = std::min(high[digit], needed[digit][kind] + optional[digit][kind]);
            }
            if (low[digit] > high[digit])
                return Deduction::DeadEnd;
            least += low[digit];
            most += high[digit];
        }
        if (least > m_emptyCount || m_emptyCount > most)
            return Deduction::DeadEnd;
        bool changed = false;
        for (int digit = 1; digit <= 9; ++digit) {
            // All digits at their upper (lower) bound is the only way to reach the count.
            const int top = least == m_emptyCount ? low[digit] : high[digit];
            const int bottom = most == m_emptyCount ? high[digit] : low[digit];
            for (int kind = 0; kind < 3; ++kind) {
                const bool omits = needed[digit][kind] == top;
                const bool takes = needed[digit][kind] + optional[digit][kind] == bottom;
                if (optional[digit][kind] == 0 || (!omits && !takes))
                    continue;
                for (int unit = 9 * kind; unit < 9 * kind + 9; ++unit) {
                    if (m_tight[unit] || m_must[unit].has(digit) || !unitOptions[unit].has(digit))
                        continue;
                    (omits ? m_omit[unit] : m_must[unit]) |= DigitSet::of(digit);
                    changed = true;
                }
            }
        }
        return changed ? Deduction::Changed : Deduction::Unchanged;
    }

    /// With conflicting values, true when every digit on its own has a place pattern: exactly
    /// one new copy in each tight unit missing it, at most one in the other units. This catches
    /// the one-digit dead ends (a box whose only column for a digit is another box's only
    /// column) that naked and hidden singles miss and that a search would only find after
    /// trying the unrelated cells.
    bool digitsFit() const
    {
        std::array<DigitPattern, 10> patterns{};
        for (int cell = 0; cell < kCells; ++cell) {
            if (m_values[cell] != 0)
                continue;
            for (DigitSet options = candidates(cell); !options.isEmpty();) {
                const int digit = options.takeLowest();
                patterns[digit].colsOfRow[cell / 9] |= std::uint16_t(1u << (cell % 9));
            }
        }
        for (int digit = 1; digit <= 9; ++digit) {
            DigitPattern &pattern = patterns[digit];
            for (int i = 0; i < 9; ++i) {
                if (takesDigit(i, digit))
                    pattern.neededRows |= std::uint16_t(1u << i);
                if (takesDigit(9 + i, digit))
                    pattern.neededCols |= std::uint16_t(1u << i);
                if (takesDigit(18 + i, digit))
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
            if (DigitSet(std::uint16_t(neededCols & ~cols)).count() > rowsLeft)
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
    /// Per unit with a duplicate: digits it cannot receive in any filling, and digits it must
    /// receive (both found by deduceFromDigitCounts; empty outside hasFilling).
    std::array<DigitSet, kUnits> m_omit{};
    std::array<DigitSet, kUnits> m_must{};
    int m_workLeft = kWorkBudget;
    Values m_witness{}; ///< the filling the last successful search found
    bool m_hasWitness = false;
    bool m_isSmallest = false; ///< m_witness is the smallest filling where it was found
    int m_inOrderStepsLeft = 0;
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
/// failure, or once the work budget is spent, the state is as before. Call it right after
/// hasFilling() returned true.
bool followReferenceOrder(ConflictSearch &state)
{
    const int cell = state.firstEmpty();
    if (cell < 0 || !state.takeStep())
        return false;
    DigitSet options = state.candidates(cell) & ~DigitSet::below(state.lowestUsefulValue(cell));
    while (!options.isEmpty() && !state.isOutOfWork()) {
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
    std::array<std::uint16_t, kUnits> seen{};
    for (int cell = 0; cell < kCells; ++cell) {
        if (values[cell] == 0)
            continue;
        const auto bit = std::uint16_t(1u << values[cell]);
        for (const int unit : kTables.unitsOf[cell]) {
            if (seen[unit] & bit)
                return true;
            seen[unit] |= bit;
        }
    }
    return false;
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
