// Forcing chains, the last rungs of the second ladder. Every candidate is assumed true in turn
// and followed through naked and hidden singles until nothing more follows or a contradiction
// shows (a cell without candidates, or a digit without a place in a unit). Then, in order:
//
//   contradiction  a candidate whose assumption ends in a contradiction is removed
//   cell           every candidate of one cell leads to the same placement or removal
//   unit           every place of a digit in one unit leads to the same placement or removal
//
// The trial after them reads the solution and is only for one-solution puzzles.
#include "logic/hint_engine.hpp"
#include "logic/hint_full.hpp"

namespace kestrel {

namespace {

/// A grid after one assumption was followed through singles.
struct Probe
{
    std::array<std::uint16_t, 81> mask{};
    ValueGrid value{};
    std::array<std::uint16_t, 27> placedInUnit{};
    bool contradiction = false;
    std::string why; ///< what went wrong, for the text
};

void assign(Probe &p, int e, int d)
{
    const GridTables &t = gridTables();
    const auto bit = static_cast<std::uint16_t>(1 << (d - 1));
    p.value[e] = static_cast<std::uint8_t>(d);
    p.mask[e] = 0;
    for (const int u : t.unitsOf[e]) {
        if (p.placedInUnit[u] & bit)
            p.contradiction = true;
        p.placedInUnit[u] |= bit;
        for (const int f : t.units[u])
            p.mask[f] &= static_cast<std::uint16_t>(~bit);
    }
}

/// Follows singles until nothing changes or a contradiction shows.
void propagate(Probe &p)
{
    const GridTables &t = gridTables();
    for (bool changed = true; changed && !p.contradiction;) {
        changed = false;
        for (int e = 0; e < 81 && !p.contradiction; ++e) {
            if (p.value[e])
                continue;
            if (p.mask[e] == 0) {
                p.contradiction = true;
                p.why = HintEngine::cellName(e);
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
                const int d
                    = std::countr_zero(static_cast<unsigned>(~(once | p.placedInUnit[u]))) + 1;
                p.why = std::to_string(d) + "@" + HintEngine::cellName(t.units[u][0]) + "-"
                    + HintEngine::cellName(t.units[u][8]);
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
    if (p.contradiction && p.why.empty())
        p.why = "!";
}

} // namespace

struct ForcingScratch
{
    std::array<Probe, 81 * 9> probes; ///< probes[9 * e + d - 1]: cell e assumed to be d
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

/// What every probe of `members` (indices into the scratch) agrees on: a placement, else the
/// removals. True when there is one.
bool commonConclusion(const MaskGrid &grid, const ForcingScratch &scratch,
                      const std::array<int, 9> &members, int count, Deduction &deduction)
{
    for (int f = 0; f < 81; ++f) {
        if (!grid[f])
            continue;
        int placed = scratch.probes[members[0]].value[f];
        int kept = 0;
        for (int k = 0; k < count; ++k) {
            const Probe &p = scratch.probes[members[k]];
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

bool contradictionStep(const MaskGrid &grid, ForcingScratch &scratch, Deduction &deduction)
{
    for (int e = 0; e < 81; ++e) {
        for (int d = 1; d <= 9; ++d) {
            if (!(grid[e] & (1 << (d - 1))))
                continue;
            const Probe &p = scratch.probes[9 * e + d - 1];
            if (!p.contradiction)
                continue;
            deduction.technique = FullTechnique::ForcingChainContradiction;
            deduction.removals[e] = static_cast<std::uint16_t>(1 << (d - 1));
            deduction.colour[e] = kHintMagenta;
            deduction.cells = HintEngine::cellName(e);
            deduction.digits = std::to_string(d);
            deduction.chain = p.why;
            return true;
        }
    }
    return false;
}

} // namespace

bool findForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                      Deduction &deduction)
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
            Probe &p = scratch.probes[9 * e + d - 1];
            p = start;
            assign(p, e, d);
            propagate(p);
        }
    }
    if (contradictionStep(grid, scratch, deduction))
        return true;
    std::array<int, 9> members{};
    for (int e = 0; e < 81; ++e) {
        if (std::popcount(static_cast<unsigned>(grid[e])) < 2)
            continue;
        int count = 0;
        for (int d = 1; d <= 9; ++d)
            if (grid[e] & (1 << (d - 1)))
                members[count++] = 9 * e + d - 1;
        deduction = Deduction{};
        deduction.technique = FullTechnique::ForcingChainCell;
        if (commonConclusion(grid, scratch, members, count, deduction)) {
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
                    members[count++] = 9 * e + d - 1;
                    places.add(e);
                }
            }
            if (count < 2)
                continue;
            deduction = Deduction{};
            deduction.technique = FullTechnique::ForcingChainUnit;
            if (commonConclusion(grid, scratch, members, count, deduction)) {
                colourCells(deduction, places, kHintCyan);
                deduction.cells = cellListText(places);
                deduction.digits = std::to_string(d);
                return true;
            }
        }
    }
    deduction = Deduction{};
    return false;
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
