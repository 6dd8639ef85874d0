// Single-digit patterns of the second ladder: the basic fish (X-Wing, Swordfish, Jellyfish),
// the Skyscraper, the Two-String Kite and simple colouring.
#include "logic/hint_engine.hpp"
#include "logic/hint_full.hpp"

namespace kestrel {

namespace {

/// A conjugate pair of one digit: the only two places of the digit in a unit.
struct StrongLink
{
    int a;
    int b;
    int unit; ///< 0..8 row, 9..17 engine column, 18..26 box
};

/// The conjugate pairs of digit d in units [firstUnit, lastUnit).
int strongLinks(const MaskGrid &grid, int d, int firstUnit, int lastUnit,
                std::array<StrongLink, 27> &links)
{
    const GridTables &t = gridTables();
    const CellSet with = cellsWith(grid, d);
    int n = 0;
    for (int u = firstUnit; u < lastUnit; ++u) {
        const CellSet here = with & t.unitCells[u];
        if (here.count() != 2)
            continue;
        const int a = here.first();
        const int b = here.minus(CellSet{a < 64 ? std::uint64_t(1) << a : 0,
                                         a < 64 ? 0 : std::uint64_t(1) << (a - 64)})
                          .first();
        links[n++] = StrongLink{a, b, u};
    }
    return n;
}

CellSet setOf(std::initializer_list<int> cells)
{
    CellSet set;
    for (const int e : cells)
        set.add(e);
    return set;
}

/// Fills the deduction of a two-link pattern: ends e1, e2 see the removals; base cells b1, b2.
bool twoLinkDeduction(const MaskGrid &grid, int d, int b1, int b2, int e1, int e2,
                      FullTechnique technique, Deduction &deduction)
{
    const CellSet pattern = setOf({b1, b2, e1, e2});
    if (pattern.count() != 4)
        return false;
    const CellSet targets = (seenByAll(setOf({e1, e2})) & cellsWith(grid, d)).minus(pattern);
    if (targets.isEmpty())
        return false;
    deduction.technique = technique;
    markRemovals(grid, deduction, targets, d);
    colourCells(deduction, setOf({b1, b2}), kHintCyan);
    colourCells(deduction, setOf({e1, e2}), kHintMagenta);
    deduction.digits = std::to_string(d);
    deduction.cells = cellListText(pattern);
    return true;
}

} // namespace

bool findFish(const MaskGrid &grid, int size, Deduction &deduction)
{
    const GridTables &t = gridTables();
    const FullTechnique technique = size == 2 ? FullTechnique::XWing
        : size == 3                           ? FullTechnique::Swordfish
                                              : FullTechnique::Jellyfish;
    for (int d = 1; d <= 9; ++d) {
        const int bit = 1 << (d - 1);
        for (int base = 0; base < 2; ++base) {
            // positions[i]: the cover lines (as a 9-bit set) of digit d in base line i.
            std::array<int, 9> positions{};
            for (int i = 0; i < 9; ++i)
                for (int j = 0; j < 9; ++j)
                    if (grid[t.units[9 * base + i][j]] & bit)
                        positions[i] |= 1 << j;
            for (int lines = 0; lines < 512; ++lines) {
                if (std::popcount(static_cast<unsigned>(lines)) != size)
                    continue;
                int cover = 0;
                bool usable = true;
                for (int i = 0; i < 9 && usable; ++i) {
                    if (lines & (1 << i)) {
                        usable = std::popcount(static_cast<unsigned>(positions[i])) >= 2;
                        cover |= positions[i];
                    }
                }
                if (!usable || std::popcount(static_cast<unsigned>(cover)) != size)
                    continue;
                CellSet baseCells, coverCells;
                for (int i = 0; i < 9; ++i) {
                    if (lines & (1 << i))
                        baseCells = baseCells | t.unitCells[9 * base + i];
                    if (cover & (1 << i))
                        coverCells = coverCells | t.unitCells[9 * (1 - base) + i];
                }
                const CellSet with = cellsWith(grid, d);
                const CellSet targets = (coverCells & with).minus(baseCells);
                if (targets.isEmpty())
                    continue;
                deduction.technique = technique;
                markRemovals(grid, deduction, targets, d);
                colourCells(deduction, baseCells & with, kHintMagenta);
                deduction.digits = std::to_string(d);
                deduction.cells = cellListText(baseCells & with);
                return true;
            }
        }
    }
    return false;
}

bool findSkyscraper(const MaskGrid &grid, Deduction &deduction)
{
    std::array<StrongLink, 27> links{};
    for (int d = 1; d <= 9; ++d) {
        for (int base = 0; base < 2; ++base) {
            const int n = strongLinks(grid, d, 9 * base, 9 * base + 9, links);
            for (int i = 0; i < n; ++i) {
                for (int j = i + 1; j < n; ++j) {
                    // Rows: a cell's cover line is its engine column; columns: its row.
                    const auto line = [base](int e) {
                        return base == 0 ? e % 9 : e / 9;
                    };
                    for (int flip = 0; flip < 4; ++flip) {
                        const int b1 = flip & 1 ? links[i].b : links[i].a;
                        const int e1 = flip & 1 ? links[i].a : links[i].b;
                        const int b2 = flip & 2 ? links[j].b : links[j].a;
                        const int e2 = flip & 2 ? links[j].a : links[j].b;
                        if (line(b1) != line(b2) || line(e1) == line(e2))
                            continue;
                        if (twoLinkDeduction(grid, d, b1, b2, e1, e2, FullTechnique::Skyscraper,
                                             deduction))
                            return true;
                    }
                }
            }
        }
    }
    return false;
}

bool findTwoStringKite(const MaskGrid &grid, Deduction &deduction)
{
    const GridTables &t = gridTables();
    std::array<StrongLink, 27> rows{}, columns{};
    for (int d = 1; d <= 9; ++d) {
        const int nr = strongLinks(grid, d, 0, 9, rows);
        const int nc = strongLinks(grid, d, 9, 18, columns);
        for (int i = 0; i < nr; ++i) {
            for (int j = 0; j < nc; ++j) {
                for (int flip = 0; flip < 4; ++flip) {
                    const int b1 = flip & 1 ? rows[i].b : rows[i].a;
                    const int e1 = flip & 1 ? rows[i].a : rows[i].b;
                    const int b2 = flip & 2 ? columns[j].b : columns[j].a;
                    const int e2 = flip & 2 ? columns[j].a : columns[j].b;
                    // The two strings meet in a box, through different cells.
                    if (b1 == b2 || t.unitsOf[b1][2] != t.unitsOf[b2][2])
                        continue;
                    if (twoLinkDeduction(grid, d, b1, b2, e1, e2, FullTechnique::TwoStringKite,
                                         deduction))
                        return true;
                }
            }
        }
    }
    return false;
}

bool findSimpleColouring(const MaskGrid &grid, Deduction &deduction)
{
    const GridTables &t = gridTables();
    std::array<StrongLink, 27> links{};
    for (int d = 1; d <= 9; ++d) {
        const int n = strongLinks(grid, d, 0, 27, links);
        std::array<int, 81> colour{};
        colour.fill(-1);
        for (int start = 0; start < n; ++start) {
            if (colour[links[start].a] >= 0)
                continue;
            // Colours 0/1 of this cluster; the cells of each colour are all true or all false.
            std::array<CellSet, 2> side{};
            std::array<int, 81> queue{};
            int head = 0, tail = 0;
            colour[links[start].a] = 0;
            queue[tail++] = links[start].a;
            while (head < tail) {
                const int e = queue[head++];
                side[colour[e]].add(e);
                for (int k = 0; k < n; ++k) {
                    const int other = links[k].a == e ? links[k].b
                        : links[k].b == e             ? links[k].a
                                                      : -1;
                    if (other >= 0 && colour[other] < 0) {
                        colour[other] = 1 - colour[e];
                        queue[tail++] = other;
                    }
                }
            }
            if (tail < 4)
                continue;
            const CellSet with = cellsWith(grid, d);
            CellSet targets;
            for (int c = 0; c < 2; ++c) {
                // A colour with two cells in one unit is false everywhere.
                for (int e = 0; e < 81 && targets.isEmpty(); ++e)
                    if (side[c].has(e) && !(t.peers[e] & side[c]).isEmpty())
                        targets = side[c];
            }
            if (targets.isEmpty()) {
                for (int e = 0; e < 81; ++e)
                    if (with.has(e) && colour[e] < 0 && !(t.peers[e] & side[0]).isEmpty()
                        && !(t.peers[e] & side[1]).isEmpty())
                        targets.add(e);
            }
            if (targets.isEmpty())
                continue;
            deduction.technique = FullTechnique::SimpleColouring;
            markRemovals(grid, deduction, targets, d);
            colourCells(deduction, side[0], kHintMagenta);
            colourCells(deduction, side[1], kHintCyan);
            deduction.digits = std::to_string(d);
            deduction.cells = cellListText(side[0] | side[1]);
            deduction.chain = cellListText(side[0]) + " / " + cellListText(side[1]);
            return true;
        }
    }
    return false;
}

} // namespace kestrel
