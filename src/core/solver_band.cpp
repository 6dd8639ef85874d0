// The band search: bit masks of the places of each digit per band, an undo trail, restarts
// with a growing node budget. countSolutions reports the pair of solutions it finds first.
#include "core/solver_internal.hpp"

#include <algorithm>
#include <cassert>

namespace kestrel::solver_detail {

namespace {

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
            m_budget = std::int64_t{kBandFirstRunNodes} << std::min(m_run, 40);
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
            if (const int best = band::mostConnectedPair(pairs); best >= 0)
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

} // namespace

Found countWithBandSearch(const Values &start)
{
    GridSearch search(start);
    Found found;
    if (!search.isDeadEnd())
        search.count(found);
    return found;
}

Values smallestWithBandSearch(const Values &start, const Values &known)
{
    GridSearch search(start);
    Values best = known;
    lowerToSmallestSolution(search, best);
    return best;
}

} // namespace kestrel::solver_detail
