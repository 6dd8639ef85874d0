#pragma once
// The second ladder of the hint engine: the techniques that run only where the first ladder
// (singles, intersections, subsets, unique rectangles, chains) finds nothing. Each rung looks
// at the engine's candidate masks (engine cell order, see hint_engine.hpp) and, when it fires,
// fills a Deduction: the pattern cells and their colours, the candidates it removes or the digit
// it places, and the parts of its text. The engine applies the deduction and builds the text
// from the language table's template for the technique.
//
// The rungs run in the order of HoDoKu's default difficulty scores (Remote Pair 110, Skyscraper
// 130, X-Wing 140, Two-String Kite 150, Swordfish 150, W-Wing 150, Simple Colours 150, XY-Wing
// 160, Jellyfish 160, XYZ-Wing 180, grouped AIC 300, ALS-XZ 300, forcing chains 500+, forcing nets
// 700+; the nested forcing chains above them), ties broken by how small the pattern is. Every rung
// is a proof from the candidates alone, so it is sound on any grid whose candidates still hold the
// solution; none assumes a unique solution. The last rung, a trial, reads the solution and is used
// only on a one-solution puzzle: a guard against a fault, which the forcing chains leave nothing to
// do on every puzzle set the tests run.

#include "core/colour.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

/// The techniques of the second ladder, in ladder order.
enum class FullTechnique {
    RemotePair,
    Skyscraper,
    XWing,
    TwoStringKite,
    Swordfish,
    WWing,
    SimpleColouring,
    XYWing,
    Jellyfish,
    XYZWing,
    GroupedAic,
    AlsXz,
    ForcingChainContradiction,
    ForcingChainCell,
    ForcingChainUnit,
    DynamicForcingChainContradiction,
    DynamicForcingChainCell,
    DynamicForcingChainUnit,
    NestedForcingChainContradiction,
    NestedForcingChainCell,
    NestedForcingChainUnit,
    Trial,
};

inline constexpr int kFullTechniqueCount = 22;

/// Facts about each technique of the second ladder.
struct FullTechniqueInfo
{
    std::string_view name; ///< English name, as `grade --full` prints it (no spaces)
    std::string_view key; ///< language key of the text template
    std::string_view fallback; ///< the Chinese template, used when there is no lookup
    int weight; ///< added to the difficulty score at every use
};

/// The row of `technique`.
const FullTechniqueInfo &fullTechniqueInfo(FullTechnique technique) noexcept;

/// Highlight colour of the candidates a hint removes ($00BBGGRR): red.
inline constexpr Colour kHintRemoved = 0x000000FF;

/// A set of engine cells, two 64-bit words.
struct CellSet
{
    std::uint64_t lo = 0; ///< cells 0..63
    std::uint64_t hi = 0; ///< cells 64..80

    constexpr void add(int e) noexcept
    {
        if (e < 64)
            lo |= std::uint64_t(1) << e;
        else
            hi |= std::uint64_t(1) << (e - 64);
    }
    constexpr bool has(int e) const noexcept
    {
        return e < 64 ? (lo >> e) & 1 : (hi >> (e - 64)) & 1;
    }
    constexpr bool isEmpty() const noexcept { return (lo | hi) == 0; }
    int count() const noexcept;
    /// The lowest cell; the set must not be empty.
    int first() const noexcept;
    constexpr CellSet operator&(CellSet o) const noexcept { return {lo & o.lo, hi & o.hi}; }
    constexpr CellSet operator|(CellSet o) const noexcept { return {lo | o.lo, hi | o.hi}; }
    constexpr CellSet minus(CellSet o) const noexcept { return {lo & ~o.lo, hi & ~o.hi}; }
    constexpr bool operator==(const CellSet &) const = default;
};

/// What a rung of the second ladder found.
struct Deduction
{
    FullTechnique technique = FullTechnique::XWing;
    std::array<Colour, 81> colour{}; ///< pattern colour per engine cell, 0 for none
    std::array<std::uint16_t, 81> removals{}; ///< candidates removed per engine cell
    int placeCell = -1; ///< engine cell of a placed digit, or -1
    int placeDigit = 0;
    std::string digits; ///< the {digit} of the text
    std::string cells; ///< the {cells} of the text: the pattern
    std::string chain; ///< the {chain} of the text, for chains

    bool removesSomething() const noexcept;
};

/// The candidate grid the second ladder reads: masks in engine order, 0 for a cell with a value.
using MaskGrid = std::array<int, 81>;

/// Shared tables: the 27 units (rows, engine columns, boxes), each cell's units and peers.
struct GridTables
{
    std::array<std::array<int, 9>, 27> units{};
    std::array<std::array<int, 3>, 81> unitsOf{};
    std::array<CellSet, 81> peers{};
    std::array<CellSet, 27> unitCells{};

    GridTables() noexcept;
};
const GridTables &gridTables() noexcept;

/// Cells of `grid` holding digit d (1..9) as a candidate.
CellSet cellsWith(const MaskGrid &grid, int d) noexcept;
/// Cells that see every cell of `cells` (none of `cells` itself).
CellSet seenByAll(CellSet cells) noexcept;
/// "A1, B4" for the cells of a set, in engine order.
std::string cellListText(CellSet cells);
/// Marks digit d for removal in every cell of `cells` that holds it; true when any did.
bool markRemovals(const MaskGrid &grid, Deduction &deduction, CellSet cells, int d);
/// Colours every cell of `cells` in `colour`.
void colourCells(Deduction &deduction, CellSet cells, Colour colour);

// The rungs. Each returns true and fills `deduction` when it fires.
bool findRemotePair(const MaskGrid &grid, Deduction &deduction);
bool findFish(const MaskGrid &grid, int size, Deduction &deduction); ///< size 2, 3 or 4
bool findSkyscraper(const MaskGrid &grid, Deduction &deduction);
bool findTwoStringKite(const MaskGrid &grid, Deduction &deduction);
bool findSimpleColouring(const MaskGrid &grid, Deduction &deduction);
bool findXYWing(const MaskGrid &grid, Deduction &deduction);
bool findXYZWing(const MaskGrid &grid, Deduction &deduction);
bool findWWing(const MaskGrid &grid, Deduction &deduction);
bool findGroupedAic(const MaskGrid &grid, Deduction &deduction);
bool findAlsXz(const MaskGrid &grid, Deduction &deduction);

/// Scratch of the forcing chains: one propagated grid per assumed candidate. Large; kept on
/// the heap by the engine so that a search allocates nothing.
struct ForcingScratch;
struct ForcingScratchDeleter
{
    void operator()(ForcingScratch *scratch) const noexcept;
};
ForcingScratch *makeForcingScratch();

/// Digits of the cells holding a value, engine order (0 for open).
using ValueGrid = std::array<std::uint8_t, 81>;

/// Forcing chains on singles: contradiction, then cell, then unit forcing, the first of each in
/// engine order.
bool findForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                      Deduction &deduction);
/// Dynamic forcing chains: the same three kinds, each assumption followed through singles,
/// locked candidates and naked and hidden pairs and triples; the shortest contradiction, else the
/// cell or unit with fewest branches.
bool findDynamicForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                             Deduction &deduction);
/// Nested forcing chains: as the dynamic ones, and where the following stops, each candidate left
/// is followed dynamically one level down and removed when it ends in a contradiction. The first
/// contradiction from the cells with fewest candidates, else the cell or unit with fewest
/// branches.
bool findNestedForcingChain(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                            Deduction &deduction);
/// One kind of forcing chain alone, the kinds before it in its reach passed over: the given
/// contradiction rung as in the ladder, or the cell or unit forcing of its reach even where a
/// contradiction would come first. For showing a kind the ladder reaches rarely.
bool findForcingKind(FullTechnique technique, const MaskGrid &grid, const ValueGrid &values,
                     ForcingScratch &scratch, Deduction &deduction);
/// The trial of last resort, never reached while the forcing chains are sound and strong: a
/// candidate of the open cell with fewest candidates that is not the digit of `solution81`
/// (row-major board order) is removed because the search finds no solution with it. Only for a
/// puzzle with exactly one solution.
bool findTrial(const MaskGrid &grid, std::string_view solution81, Deduction &deduction);

/// Runs the rung of `technique` alone (the trial only when `solution81` is not empty). In the
/// ladder the cell and unit kinds of forcing chains come with the contradiction kind of their
/// reach, which tries all three; asked for themselves they find nothing here.
bool findFullTechnique(FullTechnique technique, const MaskGrid &grid, const ValueGrid &values,
                       ForcingScratch &scratch, std::string_view solution81, Deduction &deduction);
/// Runs the rungs in ladder order (the trial only when `solution81` is not empty).
bool findFullLadderStep(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                        std::string_view solution81, Deduction &deduction);

} // namespace kestrel
