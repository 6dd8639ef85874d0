// Patterns of bivalue cells and almost locked sets in the second ladder: remote pairs, XY-Wing,
// XYZ-Wing, W-Wing and ALS-XZ.
#include "logic/hint_engine.hpp"
#include "logic/hint_full.hpp"

#include <vector>

namespace kestrel {

namespace {

CellSet setOf(std::initializer_list<int> cells)
{
    CellSet set;
    for (const int e : cells)
        set.add(e);
    return set;
}

int countOf(int mask)
{
    return std::popcount(static_cast<unsigned>(mask));
}

int lowestDigit(int mask)
{
    return std::countr_zero(static_cast<unsigned>(mask)) + 1;
}

bool sees(int a, int b)
{
    return gridTables().peers[a].has(b);
}

/// Removes digit z from the cells seeing all of `pattern`; fills the common parts of a wing.
bool wingDeduction(const MaskGrid &grid, FullTechnique technique, CellSet pattern, int z,
                   Deduction &deduction)
{
    const CellSet targets = (seenByAll(pattern) & cellsWith(grid, z)).minus(pattern);
    if (targets.isEmpty())
        return false;
    deduction.technique = technique;
    markRemovals(grid, deduction, targets, z);
    colourCells(deduction, pattern, kHintMagenta);
    deduction.digits = std::to_string(z);
    deduction.cells = cellListText(pattern);
    return true;
}

/// An almost locked set: n cells of one unit holding n + 1 digits.
struct Als
{
    CellSet cells;
    int mask;
};

void collectAls(const MaskGrid &grid, std::vector<Als> &sets)
{
    const GridTables &t = gridTables();
    for (int u = 0; u < 27; ++u) {
        std::array<int, 9> open{};
        int n = 0;
        for (const int e : t.units[u])
            if (grid[e])
                open[n++] = e;
        for (int pick = 1; pick < (1 << n); ++pick) {
            const int size = countOf(pick);
            if (size > 4)
                continue;
            Als als{CellSet{}, 0};
            for (int i = 0; i < n; ++i) {
                if (pick & (1 << i)) {
                    als.cells.add(open[i]);
                    als.mask |= grid[open[i]];
                }
            }
            if (countOf(als.mask) == size + 1)
                sets.push_back(als);
        }
    }
}

CellSet cellsOfDigit(const MaskGrid &grid, CellSet cells, int d)
{
    return cells & cellsWith(grid, d);
}

/// Every cell of `a` sees every cell of `b`.
bool allSee(CellSet a, CellSet b)
{
    for (int e = 0; e < 81; ++e)
        if (a.has(e) && !(b.minus(gridTables().peers[e])).isEmpty())
            return false;
    return true;
}

} // namespace

bool findRemotePair(const MaskGrid &grid, Deduction &deduction)
{
    std::array<int, 81> colour{};
    for (int pair = 0; pair < 512; ++pair) {
        if (countOf(pair) != 2)
            continue;
        colour.fill(-1);
        for (int start = 0; start < 81; ++start) {
            if (grid[start] != pair || colour[start] >= 0)
                continue;
            std::array<CellSet, 2> side{};
            std::array<int, 81> queue{};
            int head = 0, tail = 0;
            bool consistent = true;
            colour[start] = 0;
            queue[tail++] = start;
            while (head < tail) {
                const int e = queue[head++];
                side[colour[e]].add(e);
                for (int f = 0; f < 81; ++f) {
                    if (grid[f] != pair || f == e || !sees(e, f))
                        continue;
                    if (colour[f] < 0) {
                        colour[f] = 1 - colour[e];
                        queue[tail++] = f;
                    } else if (colour[f] == colour[e]) {
                        consistent = false;
                    }
                }
            }
            if (!consistent || tail < 4)
                continue;
            // A cell seeing both colours sees both digits of the pair.
            CellSet targets;
            for (int e = 0; e < 81; ++e)
                if ((grid[e] & pair) && grid[e] != pair
                    && !(gridTables().peers[e] & side[0]).isEmpty()
                    && !(gridTables().peers[e] & side[1]).isEmpty())
                    targets.add(e);
            if (targets.isEmpty())
                continue;
            deduction.technique = FullTechnique::RemotePair;
            for (int d = 1; d <= 9; ++d)
                if (pair & (1 << (d - 1)))
                    markRemovals(grid, deduction, targets, d);
            colourCells(deduction, side[0], kHintMagenta);
            colourCells(deduction, side[1], kHintCyan);
            deduction.digits = HintEngine::digitsComma(DigitSet(static_cast<std::uint16_t>(pair)));
            deduction.cells = cellListText(side[0] | side[1]);
            return true;
        }
    }
    return false;
}

bool findXYWing(const MaskGrid &grid, Deduction &deduction)
{
    for (int pivot = 0; pivot < 81; ++pivot) {
        if (countOf(grid[pivot]) != 2)
            continue;
        for (int p = 0; p < 81; ++p) {
            if (countOf(grid[p]) != 2 || !sees(pivot, p) || countOf(grid[p] & grid[pivot]) != 1)
                continue;
            for (int q = p + 1; q < 81; ++q) {
                if (countOf(grid[q]) != 2 || !sees(pivot, q))
                    continue;
                const int z = grid[p] & grid[q] & ~grid[pivot];
                // p and q each share a different digit with the pivot and z with each other.
                if (countOf(z) != 1 || (grid[p] | grid[q]) != (grid[pivot] | z)
                    || grid[p] == grid[q])
                    continue;
                if (wingDeduction(grid, FullTechnique::XYWing, setOf({p, q}), lowestDigit(z),
                                  deduction)) {
                    deduction.colour[pivot] = kHintCyan;
                    deduction.cells = cellListText(setOf({pivot, p, q}));
                    return true;
                }
            }
        }
    }
    return false;
}

bool findXYZWing(const MaskGrid &grid, Deduction &deduction)
{
    for (int pivot = 0; pivot < 81; ++pivot) {
        if (countOf(grid[pivot]) != 3)
            continue;
        for (int p = 0; p < 81; ++p) {
            if (countOf(grid[p]) != 2 || !sees(pivot, p) || (grid[p] & ~grid[pivot]))
                continue;
            for (int q = p + 1; q < 81; ++q) {
                if (countOf(grid[q]) != 2 || !sees(pivot, q) || (grid[q] & ~grid[pivot])
                    || grid[p] == grid[q])
                    continue;
                const int z = grid[p] & grid[q];
                if (wingDeduction(grid, FullTechnique::XYZWing, setOf({pivot, p, q}),
                                  lowestDigit(z), deduction)) {
                    deduction.colour[pivot] = kHintCyan;
                    return true;
                }
            }
        }
    }
    return false;
}

bool findWWing(const MaskGrid &grid, Deduction &deduction)
{
    const GridTables &t = gridTables();
    for (int a = 0; a < 81; ++a) {
        if (countOf(grid[a]) != 2)
            continue;
        for (int b = a + 1; b < 81; ++b) {
            if (grid[b] != grid[a] || sees(a, b))
                continue;
            for (int x = 1; x <= 9; ++x) {
                if (!(grid[a] & (1 << (x - 1))))
                    continue;
                const int y = lowestDigit(grid[a] & ~(1 << (x - 1)));
                // A unit where x has two places, one seeing a and the other seeing b: one of
                // a, b is not x, so it is y.
                for (int u = 0; u < 27; ++u) {
                    const CellSet places = cellsWith(grid, x) & t.unitCells[u];
                    if (places.count() != 2 || places.has(a) || places.has(b))
                        continue;
                    const int p = places.first();
                    const int q = places.minus(setOf({p})).first();
                    if (!((sees(p, a) && sees(q, b)) || (sees(p, b) && sees(q, a))))
                        continue;
                    if (wingDeduction(grid, FullTechnique::WWing, setOf({a, b}), y, deduction)) {
                        colourCells(deduction, setOf({p, q}), kHintCyan);
                        deduction.digits = std::to_string(y);
                        deduction.cells = cellListText(setOf({a, b})) + " (" + std::to_string(x)
                            + ": " + cellListText(setOf({p, q})) + ")";
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

bool findAlsXz(const MaskGrid &grid, Deduction &deduction)
{
    // WARNING: allocates the list of sets; the rung runs only where every cheaper one failed.
    std::vector<Als> sets;
    sets.reserve(1024);
    collectAls(grid, sets);
    for (std::size_t i = 0; i < sets.size(); ++i) {
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            const Als &a = sets[i];
            const Als &b = sets[j];
            const int common = a.mask & b.mask;
            if (countOf(common) < 2 || !(a.cells & b.cells).isEmpty())
                continue;
            for (int x = 1; x <= 9; ++x) {
                if (!(common & (1 << (x - 1))))
                    continue;
                // x is restricted: it cannot be in both sets, so each set is locked without it
                // or the other is.
                if (!allSee(cellsOfDigit(grid, a.cells, x), cellsOfDigit(grid, b.cells, x)))
                    continue;
                for (int z = 1; z <= 9; ++z) {
                    if (z == x || !(common & (1 << (z - 1))))
                        continue;
                    const CellSet zCells
                        = cellsOfDigit(grid, a.cells, z) | cellsOfDigit(grid, b.cells, z);
                    const CellSet targets
                        = (seenByAll(zCells) & cellsWith(grid, z)).minus(a.cells | b.cells);
                    if (targets.isEmpty())
                        continue;
                    deduction.technique = FullTechnique::AlsXz;
                    markRemovals(grid, deduction, targets, z);
                    colourCells(deduction, a.cells, kHintMagenta);
                    colourCells(deduction, b.cells, kHintCyan);
                    deduction.digits = std::to_string(x);
                    deduction.cells = cellListText(a.cells) + " / " + cellListText(b.cells);
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace kestrel
