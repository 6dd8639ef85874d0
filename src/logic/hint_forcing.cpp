// Forcing chains, the last rungs of the second ladder. Every candidate is assumed true in turn
// and followed through what it forces until nothing more follows or a contradiction shows (a
// cell without candidates, or a digit without a place in a unit). Then, in order:
//
//   contradiction  a candidate whose assumption ends in a contradiction is removed
//   cell           every candidate of one cell leads to the same placement or removal
//   unit           every place of a digit in one unit leads to the same placement or removal
//
// Three reaches of "what it forces", each a rung of its own, tried in this order:
//
//   singles  naked and hidden singles
//   dynamic  singles, locked candidates (pointing and claiming), naked and hidden pairs and
//            triples: what a player checks on a copy of the grid without a second guess
//   nested   the dynamic reach, and where it stops, every candidate left in the assumed grid is
//            itself assumed and followed with the dynamic reach; one that ends in a
//            contradiction is removed from the assumed grid and the following goes on
//
// Every step of a reach is a proof from the candidates under the assumption, so a contradiction
// proves the assumption false and a conclusion common to every branch holds in the grid. None
// assumes a unique solution.
//
// The dynamic and nested rungs choose the simplest chain they find: the contradiction reached in
// fewest steps, the cell or unit with fewest branches. The nested contradiction stops at the
// first assumption that fails (trying the cells with fewest candidates first), since following
// each assumption there costs a dynamic following of every candidate left.
//
// The trial after them reads the solution and is only for one-solution puzzles; the forcing
// chains leave it nothing to do on every puzzle set the tests and benchmarks run.
#include "logic/hint_engine.hpp"
#include "logic/hint_full.hpp"

#include <algorithm>
#include <bit>

namespace kestrel {

namespace {

enum class Reach { Singles, Dynamic, Nested };

/// How many candidates a nested following names in its text.
constexpr int kShownRefutations = 3;

/// A grid after one assumption was followed.
struct Probe
{
    std::array<std::uint16_t, 81> mask{};
    ValueGrid value{};
    std::array<std::uint16_t, 27> placedInUnit{};
    bool contradiction = false;
    std::int16_t whyCell = -1; ///< the cell left without candidates, or -1
    std::int16_t whyUnit = -1; ///< the unit left without a place for whyDigit, or -1
    std::int16_t whyDigit = 0;
    int steps = 0; ///< placements and removal rounds made, the length of the chain
    /// Candidates a nested following removed one level down, as 9 * cell + digit - 1.
    std::array<std::int16_t, kShownRefutations> refuted{};
    int refutedCount = 0;
};

void assign(Probe &p, int e, int d)
{
    const GridTables &t = gridTables();
    const auto bit = static_cast<std::uint16_t>(1 << (d - 1));
    p.value[e] = static_cast<std::uint8_t>(d);
    p.mask[e] = 0;
    ++p.steps;
    for (const int u : t.unitsOf[e]) {
        if (p.placedInUnit[u] & bit)
            p.contradiction = true;
        p.placedInUnit[u] |= bit;
        for (const int f : t.units[u])
            p.mask[f] &= static_cast<std::uint16_t>(~bit);
    }
}

/// Follows singles until nothing changes or a contradiction shows.
void propagateSingles(Probe &p)
{
    const GridTables &t = gridTables();
    for (bool changed = true; changed && !p.contradiction;) {
        changed = false;
        for (int e = 0; e < 81 && !p.contradiction; ++e) {
            if (p.value[e])
                continue;
            if (p.mask[e] == 0) {
                p.contradiction = true;
                p.whyCell = static_cast<std::int16_t>(e);
                return;
            }
            if ((p.mask[e] & (p.mask[e] - 1)) == 0) {
                assign(p, e, std::countr_zero(static_cast<unsigned>(p.mask[e])) + 1);
                changed = true;
            }
        }
        for (int u = 0; u < 27 && !p.contradiction; ++u) {
            int once = 0, twice = 0;
            for (const int e : t.units[u]) {
                twice |= once & p.mask[e];
                once |= p.mask[e];
            }
            if ((once | p.placedInUnit[u]) != 511) {
                p.contradiction = true;
                p.whyUnit = static_cast<std::int16_t>(u);
                p.whyDigit = static_cast<std::int16_t>(
                    std::countr_zero(static_cast<unsigned>(~(once | p.placedInUnit[u]))) + 1);
                return;
            }
            for (int singles = once & ~twice; singles;) {
                const int d = std::countr_zero(static_cast<unsigned>(singles)) + 1;
                singles &= singles - 1;
                for (const int e : t.units[u]) {
                    if (p.mask[e] & (1 << (d - 1))) {
                        assign(p, e, d);
                        changed = true;
                        break;
                    }
                }
            }
        }
    }
}

/// The 54 crossings of a box with a row or column: three shared cells, six more of the box, six
/// more of the line.
struct CrossingTables
{
    struct Crossing
    {
        std::array<int, 3> shared{};
        std::array<int, 6> boxRest{};
        std::array<int, 6> lineRest{};
    };
    std::array<Crossing, 54> crossings{};

    CrossingTables() noexcept
    {
        const GridTables &t = gridTables();
        int n = 0;
        for (int box = 18; box < 27; ++box) {
            for (int line = 0; line < 18; ++line) {
                const CellSet shared = t.unitCells[box] & t.unitCells[line];
                if (shared.count() != 3)
                    continue;
                Crossing &c = crossings[static_cast<std::size_t>(n++)];
                int s = 0, b = 0, l = 0;
                for (const int e : t.units[box])
                    (shared.has(e) ? c.shared[static_cast<std::size_t>(s++)]
                                   : c.boxRest[static_cast<std::size_t>(b++)])
                        = e;
                for (const int e : t.units[line])
                    if (!shared.has(e))
                        c.lineRest[static_cast<std::size_t>(l++)] = e;
            }
        }
    }
};

const CrossingTables &crossingTables() noexcept
{
    static const CrossingTables tables;
    return tables;
}

/// Takes `digits` out of cell e; true when it held any of them.
bool removeDigits(Probe &p, int e, int digits)
{
    if (!(p.mask[e] & digits))
        return false;
    p.mask[e] = static_cast<std::uint16_t>(p.mask[e] & ~digits);
    return true;
}

/// Pointing and claiming: a digit of a box confined to one line leaves the rest of the line, a
/// digit of a line confined to one box leaves the rest of the box. True when anything went.
bool applyLockedCandidates(Probe &p)
{
    bool changed = false;
    for (const CrossingTables::Crossing &c : crossingTables().crossings) {
        int shared = 0, boxRest = 0, lineRest = 0;
        for (const int e : c.shared)
            shared |= p.mask[e];
        for (int k = 0; k < 6; ++k) {
            boxRest |= p.mask[c.boxRest[static_cast<std::size_t>(k)]];
            lineRest |= p.mask[c.lineRest[static_cast<std::size_t>(k)]];
        }
        const int pointing = shared & ~boxRest;
        const int claiming = shared & ~lineRest;
        for (int k = 0; k < 6; ++k) {
            if (pointing)
                changed |= removeDigits(p, c.lineRest[static_cast<std::size_t>(k)], pointing);
            if (claiming)
                changed |= removeDigits(p, c.boxRest[static_cast<std::size_t>(k)], claiming);
        }
    }
    return changed;
}

/// Naked and hidden pairs and triples of every unit. True when anything went.
bool applySubsets(Probe &p)
{
    const GridTables &t = gridTables();
    bool changed = false;
    for (int u = 0; u < 27; ++u) {
        const std::array<int, 9> &cells = t.units[u];
        // Open cells of the unit and, per digit, the set of their positions in it.
        std::array<int, 9> open{};
        int openCount = 0;
        std::array<int, 9> places{};
        for (int k = 0; k < 9; ++k) {
            const int m = p.mask[cells[static_cast<std::size_t>(k)]];
            if (!m)
                continue;
            open[static_cast<std::size_t>(openCount++)] = k;
            for (int d = 0; d < 9; ++d)
                if (m & (1 << d))
                    places[static_cast<std::size_t>(d)] |= 1 << k;
        }
        if (openCount < 4)
            continue; // a subset would leave at most one cell, which singles already settle
        const auto maskAt = [&](int i) {
            return static_cast<int>(
                p.mask[cells[static_cast<std::size_t>(open[static_cast<std::size_t>(i)])]]);
        };
        // Naked: `size` open cells whose candidates together are `size` digits.
        const auto naked = [&](int members, int digits) {
            for (int i = 0; i < openCount; ++i) {
                const int k = open[static_cast<std::size_t>(i)];
                if (!(members & (1 << k)))
                    changed |= removeDigits(p, cells[static_cast<std::size_t>(k)], digits);
            }
        };
        // Hidden: `size` digits whose places together are `size` cells.
        const auto hidden = [&](int positions, int digits) {
            for (int k = 0; k < 9; ++k)
                if (positions & (1 << k))
                    changed |= removeDigits(p, cells[static_cast<std::size_t>(k)], 511 & ~digits);
        };
        for (int i = 0; i < openCount; ++i) {
            const int mi = maskAt(i);
            if (std::popcount(static_cast<unsigned>(mi)) > 3)
                continue;
            for (int j = i + 1; j < openCount; ++j) {
                const int mij = mi | maskAt(j);
                const int cij = std::popcount(static_cast<unsigned>(mij));
                if (cij == 2)
                    naked((1 << open[static_cast<std::size_t>(i)])
                              | (1 << open[static_cast<std::size_t>(j)]),
                          mij);
                if (cij > 3)
                    continue;
                for (int k = j + 1; k < openCount; ++k) {
                    const int mijk = mij | maskAt(k);
                    if (std::popcount(static_cast<unsigned>(mijk)) == 3)
                        naked((1 << open[static_cast<std::size_t>(i)])
                                  | (1 << open[static_cast<std::size_t>(j)])
                                  | (1 << open[static_cast<std::size_t>(k)]),
                              mijk);
                }
            }
        }
        for (int a = 0; a < 9; ++a) {
            const int pa = places[static_cast<std::size_t>(a)];
            const int ca = std::popcount(static_cast<unsigned>(pa));
            if (ca < 2 || ca > 3)
                continue;
            for (int b = a + 1; b < 9; ++b) {
                const int pb = places[static_cast<std::size_t>(b)];
                if (!pb)
                    continue;
                const int pab = pa | pb;
                const int cab = std::popcount(static_cast<unsigned>(pab));
                if (cab == 2)
                    hidden(pab, (1 << a) | (1 << b));
                if (cab > 3)
                    continue;
                for (int c = b + 1; c < 9; ++c) {
                    const int pc = places[static_cast<std::size_t>(c)];
                    if (pc && std::popcount(static_cast<unsigned>(pab | pc)) == 3)
                        hidden(pab | pc, (1 << a) | (1 << b) | (1 << c));
                }
            }
        }
    }
    return changed;
}

/// Follows singles and the basic techniques until nothing changes or a contradiction shows.
void propagateDynamic(Probe &p)
{
    while (true) {
        propagateSingles(p);
        if (p.contradiction)
            return;
        const bool locked = applyLockedCandidates(p);
        const bool subsets = applySubsets(p);
        if (!locked && !subsets)
            return;
        ++p.steps;
    }
}

/// `p` with also candidate d of cell e assumed and the dynamic following of that assumption on
/// the root grid (`root`) laid over it: both hold when both assumptions do. The result is then
/// followed further; it shows a contradiction at least wherever following e=d inside `p` would.
void assumeInside(const Probe &p, const Probe &root, int e, int d, Probe &inner)
{
    inner = p;
    inner.steps = 0;
    if (root.contradiction) {
        inner.contradiction = true;
        return;
    }
    assign(inner, e, d);
    for (int f = 0; f < 81 && !inner.contradiction; ++f) {
        if (inner.value[f]) {
            if (!root.value[f] && !(root.mask[f] & (1 << (inner.value[f] - 1))))
                inner.contradiction = true;
            else if (root.value[f] && root.value[f] != inner.value[f])
                inner.contradiction = true;
        } else if (root.value[f]) {
            if (inner.mask[f] & (1 << (root.value[f] - 1)))
                assign(inner, f, root.value[f]);
            else
                inner.contradiction = true;
        } else {
            inner.mask[f] &= root.mask[f];
        }
    }
    if (inner.contradiction && inner.whyCell < 0 && inner.whyUnit < 0)
        inner.whyCell = static_cast<std::int16_t>(e);
    if (!inner.contradiction)
        propagateDynamic(inner);
}

/// The nested following: the dynamic reach, then every candidate left is assumed inside `p` and
/// removed when that ends in a contradiction, until no candidate goes.
void propagateNested(Probe &p, const std::array<Probe, 81 * 9> &roots, Probe &inner)
{
    propagateDynamic(p);
    for (bool removed = true; removed && !p.contradiction;) {
        removed = false;
        for (int f = 0; f < 81 && !p.contradiction; ++f) {
            const int m = p.mask[f];
            if (!m || !(m & (m - 1)))
                continue;
            for (int g = 1; g <= 9 && !p.contradiction; ++g) {
                const int bit = 1 << (g - 1);
                if (!(p.mask[f] & bit))
                    continue;
                assumeInside(p, roots[static_cast<std::size_t>(9 * f + g - 1)], f, g, inner);
                if (!inner.contradiction)
                    continue;
                p.mask[f] = static_cast<std::uint16_t>(p.mask[f] & ~bit);
                p.steps += inner.steps + 1;
                if (p.refutedCount < kShownRefutations)
                    p.refuted[static_cast<std::size_t>(p.refutedCount)]
                        = static_cast<std::int16_t>(9 * f + g - 1);
                ++p.refutedCount;
                removed = true;
                propagateDynamic(p);
            }
        }
    }
}

/// Where the contradiction of `p` shows, for the text: a cell, or "digit@first-last" of a unit.
std::string contradictionText(const Probe &p)
{
    const GridTables &t = gridTables();
    if (p.whyCell >= 0)
        return HintEngine::cellName(p.whyCell);
    if (p.whyUnit >= 0)
        return std::to_string(p.whyDigit) + "@"
            + HintEngine::cellName(t.units[static_cast<std::size_t>(p.whyUnit)][0]) + "-"
            + HintEngine::cellName(t.units[static_cast<std::size_t>(p.whyUnit)][8]);
    return "!";
}

/// The candidates a nested following removed one level down, for the text ("B4≠5, C7≠1").
std::string refutationText(const Probe &p)
{
    std::string text;
    for (int k = 0; k < std::min(p.refutedCount, kShownRefutations); ++k) {
        const int index = p.refuted[static_cast<std::size_t>(k)];
        if (!text.empty())
            text += ", ";
        text += HintEngine::cellName(index / 9) + "≠" + std::to_string(index % 9 + 1);
    }
    if (p.refutedCount > kShownRefutations)
        text += ", …";
    return text;
}

} // namespace

struct ForcingScratch
{
    std::array<Probe, 81 * 9> probes; ///< probes[9 * e + d - 1]: cell e assumed to be d
    std::array<Probe, 81 * 9> nested; ///< the same, followed with the nested reach
    std::array<bool, 81 * 9> nestedReady{};
    Probe inner; ///< an assumption inside a nested following
};

void ForcingScratchDeleter::operator()(ForcingScratch *scratch) const noexcept
{
    delete scratch;
}

ForcingScratch *makeForcingScratch()
{
    return new ForcingScratch;
}

namespace {

/// The three techniques of one reach, in rung order.
struct ReachTechniques
{
    FullTechnique contradiction;
    FullTechnique cell;
    FullTechnique unit;
};

/// What every probe of `members` (indices into `probes`) agrees on: a placement, else the
/// removals. True when there is one.
bool commonConclusion(const MaskGrid &grid, const std::array<Probe, 81 * 9> &probes,
                      const std::array<int, 9> &members, int count, Deduction &deduction)
{
    for (int f = 0; f < 81; ++f) {
        if (!grid[f])
            continue;
        int placed = probes[static_cast<std::size_t>(members[0])].value[f];
        int kept = 0;
        for (int k = 0; k < count; ++k) {
            const Probe &p = probes[static_cast<std::size_t>(members[static_cast<std::size_t>(k)])];
            if (p.value[f] != placed)
                placed = 0;
            kept |= p.value[f] ? 1 << (p.value[f] - 1) : p.mask[f];
        }
        if (placed) {
            const FullTechnique technique = deduction.technique;
            deduction = Deduction{};
            deduction.technique = technique;
            deduction.placeCell = f;
            deduction.placeDigit = placed;
            return true;
        }
        deduction.removals[f] |= static_cast<std::uint16_t>(grid[f] & ~kept);
    }
    return deduction.removesSomething();
}

/// Fills `deduction` for the contradiction of assuming candidate `index` (9 * cell + digit - 1).
void describeContradiction(const Probe &p, int index, FullTechnique technique, Deduction &deduction)
{
    const int e = index / 9, d = index % 9 + 1;
    deduction = Deduction{};
    deduction.technique = technique;
    deduction.removals[e] = static_cast<std::uint16_t>(1 << (d - 1));
    deduction.colour[e] = kHintMagenta;
    if (technique != FullTechnique::ForcingChainContradiction && p.whyCell >= 0 && p.whyCell != e)
        deduction.colour[p.whyCell] = kHintCyan;
    deduction.cells = HintEngine::cellName(e);
    deduction.digits = std::to_string(d);
    deduction.chain = contradictionText(p);
    if (p.refutedCount > 0)
        deduction.chain += " (" + refutationText(p) + ")";
}

/// The singles rung as it always was: the first contradiction, cell and unit in engine order.
bool singlesConclusion(const MaskGrid &grid, const std::array<Probe, 81 * 9> &probes,
                       Deduction &deduction)
{
    const GridTables &t = gridTables();
    for (int e = 0; e < 81; ++e) {
        for (int d = 1; d <= 9; ++d) {
            const int index = 9 * e + d - 1;
            if ((grid[e] & (1 << (d - 1)))
                && probes[static_cast<std::size_t>(index)].contradiction) {
                describeContradiction(probes[static_cast<std::size_t>(index)], index,
                                      FullTechnique::ForcingChainContradiction, deduction);
                return true;
            }
        }
    }
    std::array<int, 9> members{};
    for (int e = 0; e < 81; ++e) {
        if (std::popcount(static_cast<unsigned>(grid[e])) < 2)
            continue;
        int count = 0;
        for (int d = 1; d <= 9; ++d)
            if (grid[e] & (1 << (d - 1)))
                members[static_cast<std::size_t>(count++)] = 9 * e + d - 1;
        deduction = Deduction{};
        deduction.technique = FullTechnique::ForcingChainCell;
        if (commonConclusion(grid, probes, members, count, deduction)) {
            deduction.colour[e] = kHintCyan;
            deduction.cells = HintEngine::cellName(e);
            return true;
        }
    }
    for (int u = 0; u < 27; ++u) {
        for (int d = 1; d <= 9; ++d) {
            int count = 0;
            CellSet places;
            for (const int e : t.units[u]) {
                if (grid[e] & (1 << (d - 1))) {
                    members[static_cast<std::size_t>(count++)] = 9 * e + d - 1;
                    places.add(e);
                }
            }
            if (count < 2)
                continue;
            deduction = Deduction{};
            deduction.technique = FullTechnique::ForcingChainUnit;
            if (commonConclusion(grid, probes, members, count, deduction)) {
                colourCells(deduction, places, kHintCyan);
                deduction.cells = cellListText(places);
                deduction.digits = std::to_string(d);
                return true;
            }
        }
    }
    return false;
}

/// Cell and unit forcing on probes that all hold (none ends in a contradiction), fewest branches
/// first: cells with two candidates before three, units with two places of the digit before
/// three, engine order among equals.
/// `ready(index)` is called for every probe before it is read.
/// `kinds` says which of the two to try.
enum class BranchKinds { CellAndUnit, Cell, Unit };

template <typename Ready>
bool branchConclusion(const MaskGrid &grid, const std::array<Probe, 81 * 9> &probes,
                      const ReachTechniques &techniques, Deduction &deduction, Ready &&ready,
                      BranchKinds kinds = BranchKinds::CellAndUnit)
{
    const GridTables &t = gridTables();
    std::array<int, 9> members{};
    for (int branches = 2; branches <= 9; ++branches) {
        for (int e = 0; e < 81 && kinds != BranchKinds::Unit; ++e) {
            if (std::popcount(static_cast<unsigned>(grid[e])) != branches)
                continue;
            int count = 0;
            for (int d = 1; d <= 9; ++d) {
                if (grid[e] & (1 << (d - 1))) {
                    members[static_cast<std::size_t>(count++)] = 9 * e + d - 1;
                    ready(9 * e + d - 1);
                }
            }
            deduction = Deduction{};
            deduction.technique = techniques.cell;
            if (commonConclusion(grid, probes, members, count, deduction)) {
                deduction.colour[e] = kHintCyan;
                deduction.cells = HintEngine::cellName(e);
                return true;
            }
        }
        for (int u = 0; u < 27 && kinds != BranchKinds::Cell; ++u) {
            for (int d = 1; d <= 9; ++d) {
                int count = 0;
                CellSet places;
                for (const int e : t.units[u]) {
                    if (grid[e] & (1 << (d - 1))) {
                        members[static_cast<std::size_t>(count++)] = 9 * e + d - 1;
                        places.add(e);
                    }
                }
                if (count != branches)
                    continue;
                for (int k = 0; k < count; ++k)
                    ready(members[static_cast<std::size_t>(k)]);
                deduction = Deduction{};
                deduction.technique = techniques.unit;
                if (commonConclusion(grid, probes, members, count, deduction)) {
                    colourCells(deduction, places, kHintCyan);
                    deduction.cells = cellListText(places);
                    deduction.digits = std::to_string(d);
                    return true;
                }
            }
        }
    }
    return false;
}

/// Every candidate of `grid` assumed and followed with `reach` (singles or dynamic).
void followAll(const MaskGrid &grid, const ValueGrid &values, Reach reach,
               std::array<Probe, 81 * 9> &probes)
{
    const GridTables &t = gridTables();
    Probe start;
    for (int e = 0; e < 81; ++e) {
        start.mask[e] = static_cast<std::uint16_t>(grid[e]);
        start.value[e] = values[e];
        if (values[e])
            for (const int u : t.unitsOf[e])
                start.placedInUnit[u] |= static_cast<std::uint16_t>(1 << (values[e] - 1));
    }
    for (int e = 0; e < 81; ++e) {
        for (int d = 1; d <= 9; ++d) {
            if (!(grid[e] & (1 << (d - 1))))
                continue;
            Probe &p = probes[static_cast<std::size_t>(9 * e + d - 1)];
            p = start;
            assign(p, e, d);
            if (reach == Reach::Singles)
                propagateSingles(p);
            else
                propagateDynamic(p);
        }
    }
}

/// The contradiction reached in fewest steps among the probes of `grid`'s candidates; -1 for
/// none.
int shortestContradiction(const MaskGrid &grid, const std::array<Probe, 81 * 9> &probes)
{
    int best = -1;
    for (int index = 0; index < 81 * 9; ++index) {
        if (!(grid[index / 9] & (1 << (index % 9))))
            continue;
        const Probe &p = probes[static_cast<std::size_t>(index)];
        if (p.contradiction && (best < 0 || p.steps < probes[static_cast<std::size_t>(best)].steps))
            best = index;
    }
    return best;
}

} // namespace

bool findForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                      Deduction &deduction)
{
    followAll(grid, values, Reach::Singles, scratch.probes);
    if (singlesConclusion(grid, scratch.probes, deduction))
        return true;
    deduction = Deduction{};
    return false;
}

bool findDynamicForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                             Deduction &deduction)
{
    followAll(grid, values, Reach::Dynamic, scratch.probes);
    const int failed = shortestContradiction(grid, scratch.probes);
    if (failed >= 0) {
        describeContradiction(scratch.probes[static_cast<std::size_t>(failed)], failed,
                              FullTechnique::DynamicForcingChainContradiction, deduction);
        return true;
    }
    const ReachTechniques techniques{FullTechnique::DynamicForcingChainContradiction,
                                     FullTechnique::DynamicForcingChainCell,
                                     FullTechnique::DynamicForcingChainUnit};
    if (branchConclusion(grid, scratch.probes, techniques, deduction, [](int) {}))
        return true;
    deduction = Deduction{};
    return false;
}

bool findNestedForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                            Deduction &deduction)
{
    // The dynamic followings of the grid itself, laid over every assumption one level down.
    followAll(grid, values, Reach::Dynamic, scratch.probes);
    scratch.nestedReady.fill(false);
    const auto ready = [&](int index) {
        if (scratch.nestedReady[static_cast<std::size_t>(index)])
            return;
        scratch.nestedReady[static_cast<std::size_t>(index)] = true;
        Probe &p = scratch.nested[static_cast<std::size_t>(index)];
        p = scratch.probes[static_cast<std::size_t>(index)];
        propagateNested(p, scratch.probes, scratch.inner);
    };
    for (int branches = 2; branches <= 9; ++branches) {
        for (int e = 0; e < 81; ++e) {
            if (std::popcount(static_cast<unsigned>(grid[e])) != branches)
                continue;
            for (int d = 1; d <= 9; ++d) {
                const int index = 9 * e + d - 1;
                if (!(grid[e] & (1 << (d - 1))))
                    continue;
                ready(index);
                if (scratch.nested[static_cast<std::size_t>(index)].contradiction) {
                    describeContradiction(scratch.nested[static_cast<std::size_t>(index)], index,
                                          FullTechnique::NestedForcingChainContradiction,
                                          deduction);
                    return true;
                }
            }
        }
    }
    const ReachTechniques techniques{FullTechnique::NestedForcingChainContradiction,
                                     FullTechnique::NestedForcingChainCell,
                                     FullTechnique::NestedForcingChainUnit};
    if (branchConclusion(grid, scratch.nested, techniques, deduction, ready))
        return true;
    deduction = Deduction{};
    return false;
}

bool findForcingKind(FullTechnique technique, const MaskGrid &grid, const ValueGrid &values,
                     ForcingScratch &scratch, Deduction &deduction)
{
    using T = FullTechnique;
    const int order = static_cast<int>(technique) - static_cast<int>(T::ForcingChainContradiction);
    if (order < 0 || order >= 9)
        return false;
    const std::array<ReachTechniques, 3> reaches = {{
        {T::ForcingChainContradiction, T::ForcingChainCell, T::ForcingChainUnit},
        {T::DynamicForcingChainContradiction, T::DynamicForcingChainCell,
         T::DynamicForcingChainUnit},
        {T::NestedForcingChainContradiction, T::NestedForcingChainCell, T::NestedForcingChainUnit},
    }};
    const ReachTechniques &techniques = reaches[static_cast<std::size_t>(order / 3)];
    const int kind = order % 3;
    if (kind == 0) {
        return order == 0 ? findForcingChain(grid, values, scratch, deduction)
            : order == 3  ? findDynamicForcingChain(grid, values, scratch, deduction)
                          : findNestedForcingChain(grid, values, scratch, deduction);
    }
    // A branch that ends in a contradiction cannot hold, so a conclusion shared by the others
    // holds whatever it says; with it among them the shared conclusion is only smaller.
    const BranchKinds kinds = kind == 1 ? BranchKinds::Cell : BranchKinds::Unit;
    followAll(grid, values, order < 3 ? Reach::Singles : Reach::Dynamic, scratch.probes);
    bool found;
    if (order < 6) {
        found = branchConclusion(
            grid, scratch.probes, techniques, deduction, [](int) {}, kinds);
    } else {
        scratch.nestedReady.fill(false);
        found = branchConclusion(
            grid, scratch.nested, techniques, deduction,
            [&](int index) {
                if (scratch.nestedReady[static_cast<std::size_t>(index)])
                    return;
                scratch.nestedReady[static_cast<std::size_t>(index)] = true;
                Probe &p = scratch.nested[static_cast<std::size_t>(index)];
                p = scratch.probes[static_cast<std::size_t>(index)];
                propagateNested(p, scratch.probes, scratch.inner);
            },
            kinds);
    }
    if (!found)
        deduction = Deduction{};
    return found;
}

bool findTrial(const MaskGrid &grid, std::string_view solution81, Deduction &deduction)
{
    int best = -1;
    for (int e = 0; e < 81; ++e) {
        const int n = std::popcount(static_cast<unsigned>(grid[e]));
        if (n >= 2 && (best < 0 || n < std::popcount(static_cast<unsigned>(grid[best]))))
            best = e;
    }
    if (best < 0)
        return false;
    const int index = (HintEngine::boardRow(best) - 1) * 9 + HintEngine::boardCol(best) - 1;
    const int solutionDigit = solution81[static_cast<std::size_t>(index)] - '0';
    for (int d = 1; d <= 9; ++d) {
        if (d == solutionDigit || !(grid[best] & (1 << (d - 1))))
            continue;
        deduction.technique = FullTechnique::Trial;
        deduction.removals[best] = static_cast<std::uint16_t>(1 << (d - 1));
        deduction.colour[best] = kHintMagenta;
        deduction.cells = HintEngine::cellName(best);
        deduction.digits = std::to_string(d);
        return true;
    }
    return false;
}

} // namespace kestrel
