// The fast search: the program's count of solutions and its smallest-solution search on
// givens that do not conflict.
#include "core/solver_internal.hpp"

#include <cassert>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrel::solver_detail {

namespace {

/// Nodes all the completion counts of one smallest-solution search may visit together before
/// the fast search gives up (a few milliseconds; no puzzle of the benchmarks or tests comes
/// near). A count up to two stops after the band search's first run (kBandFirstRunNodes): past
/// it the band search, whose restarts in other orders bound the few puzzles that hide their
/// solutions behind a large dead region, takes over.
constexpr int kLoweringBudget = 1 << 10;

/// The whole state of a search node, copied for each guess (136 bytes) instead of trailed.
///
/// places[9 * b + d - 1] is the set of cells of band b where digit d may still go, the cell
/// where it is placed included, in the band layout of solver_internal.hpp (band-major, so that
/// the nine digits of a band lie side by side); open[b] are the band's cells that hold no digit
/// yet. The three change masks have one bit per place set: `dirty` for the band patterns,
/// `stacksDirty` for the stack patterns of its digit, `cellsDirty` for the naked singles of
/// its band.
///
/// The rules are those of the band search (solver_band.cpp): a place set keeps only the
/// minirows on a band pattern and a row left with one place fixes the digit there; a digit's
/// minicolumns keep those on a stack pattern; a cell left with one digit takes it. They find
/// every dead end of a full grid, so a full state is a solution.
struct FastState
{
    std::array<std::uint32_t, 27> places;
    std::array<std::uint32_t, 3> open;
    std::uint32_t dirty;
    std::uint32_t stacksDirty;
    std::uint32_t cellsDirty;
    std::uint32_t unused;
};
static_assert(sizeof(FastState) == 136);

constexpr std::uint32_t kDigitSets = 0x40201; ///< the place sets of digit 1 in the three bands
constexpr std::uint32_t kBandSets = 0x1FF; ///< the place sets of band 0

inline void markChanged(FastState &s, std::uint32_t changed)
{
    s.dirty |= changed;
    s.stacksDirty |= changed;
    s.cellsDirty |= changed;
}

/// Lowers one place set.
inline void narrow(FastState &s, int index, std::uint32_t bits)
{
    markChanged(s, std::uint32_t(bits != s.places[index]) << index);
    s.places[index] = bits;
}

/// Strikes a cell from the nine place sets of its band; returns the digits that had it, bit
/// d - 1 for digit d. Written out for the nine digits (the loop would cost as much as the
/// work); on x86-64 with SSE2, which every such processor has, four digits at a time.
template <std::size_t... D>
inline std::uint32_t strikeCellEach(std::uint32_t *bandPlaces, int bit, std::index_sequence<D...>)
{
    const std::uint32_t had = ((((bandPlaces[D] >> bit) & 1u) << D) | ...);
    ((bandPlaces[D] &= ~(1u << bit)), ...);
    return had;
}

inline std::uint32_t strikeCell(std::uint32_t *bandPlaces, int bit)
{
#if defined(__SSE2__)
    // Shifting the cell's bit to the sign bit lets movemask gather it from four digits.
    const __m128i toSign = _mm_cvtsi32_si128(31 - bit);
    const __m128i self = _mm_set1_epi32(static_cast<int>(1u << bit));
    auto *const low = reinterpret_cast<__m128i *>(bandPlaces);
    auto *const high = reinterpret_cast<__m128i *>(bandPlaces + 4);
    const __m128i first = _mm_loadu_si128(low), second = _mm_loadu_si128(high);
    const auto had = static_cast<std::uint32_t>(
        _mm_movemask_ps(_mm_castsi128_ps(_mm_sll_epi32(first, toSign)))
        | _mm_movemask_ps(_mm_castsi128_ps(_mm_sll_epi32(second, toSign))) << 4);
    _mm_storeu_si128(low, _mm_andnot_si128(self, first));
    _mm_storeu_si128(high, _mm_andnot_si128(self, second));
    const std::uint32_t last = bandPlaces[8];
    bandPlaces[8] = last & ~(1u << bit);
    return had | ((last >> bit) & 1u) << 8;
#else
    return strikeCellEach(bandPlaces, bit, std::make_index_sequence<9>());
#endif
}

/// Puts digit `digit + 1` into cell `bit` of band `b`.
inline void place(FastState &s, int digit, int b, int bit)
{
    const auto &t = band::kTables;
    std::uint32_t *const bandPlaces = &s.places[9 * b];
    const std::uint32_t own = bandPlaces[digit];
    const std::uint32_t had = strikeCell(bandPlaces, bit);
    bandPlaces[digit] = own & ~t.rowAndBox[bit];
    const std::uint32_t ownChanged = std::uint32_t(bandPlaces[digit] != own) << digit;
    markChanged(s, ((had & ~(1u << digit)) | ownChanged) << (9 * b));
    const int b1 = b == 0 ? 1 : 0, b2 = b == 2 ? 1 : 2;
    narrow(s, 9 * b1 + digit, s.places[9 * b1 + digit] & ~t.column[bit]);
    narrow(s, 9 * b2 + digit, s.places[9 * b2 + digit] & ~t.column[bit]);
    s.open[b] &= ~(1u << bit);
}

/// Cuts one place set to its band patterns and fixes the digit in rows left with one place.
inline bool examineBand(FastState &s, int index)
{
    const auto &t = band::kTables;
    const std::uint32_t places = s.places[index];
    const unsigned present = t.boxesOfRow[places & band::kRow]
        | t.boxesOfRow[(places >> 9) & band::kRow] << 3 | t.boxesOfRow[places >> 18] << 6;
    const std::uint32_t kept = places & t.patternCells[present];
    if (kept == 0)
        return false;
    narrow(s, index, kept);
    const int b = index / 9, digit = index % 9;
    std::uint32_t singles = t.loneOfRow[kept & band::kRow]
        | std::uint32_t(t.loneOfRow[(kept >> 9) & band::kRow]) << 9
        | std::uint32_t(t.loneOfRow[kept >> 18]) << 18;
    singles &= s.open[b];
    while (singles != 0) {
        const int bit = std::countr_zero(singles);
        singles &= singles - 1;
        // An earlier single of this loop may have struck the place; the re-examination then
        // finds the row empty.
        if ((s.places[index] & s.open[b]) >> bit & 1u)
            place(s, digit, b, bit);
    }
    return true;
}

/// Cuts a digit's minicolumns in each stack to those on a stack pattern.
inline bool examineStacks(FastState &s, int digit)
{
    std::array<std::uint32_t, 3> columns{};
    for (int b = 0; b < 3; ++b) {
        const std::uint32_t places = s.places[9 * b + digit];
        columns[b] = (places | places >> 9 | places >> 18) & band::kRow;
    }
    for (int stack = 0; stack < 3; ++stack) {
        const int shift = 3 * stack;
        const unsigned present = ((columns[0] >> shift) & 7u) | ((columns[1] >> shift) & 7u) << 3
            | ((columns[2] >> shift) & 7u) << 6;
        const unsigned kept = band::kTables.pattern[present];
        if (kept == 0)
            return false;
        if (kept == present)
            continue;
        for (int b = 0; b < 3; ++b) {
            const unsigned dropped = (present & ~kept) >> (3 * b) & 7u;
            if (dropped != 0)
                narrow(s, 9 * b + digit,
                       s.places[9 * b + digit] & ~(band::kTables.columnCells[dropped] << shift));
        }
    }
    return true;
}

/// Places the naked singles of one band; false when an open cell has no digit left.
inline bool placeNakedSingles(FastState &s, int b)
{
    const std::uint32_t open = s.open[b];
    const std::uint32_t *const bandPlaces = &s.places[9 * b];
    std::uint32_t once = 0, twice = 0;
    for (int d = 0; d < 9; ++d) {
        const std::uint32_t places = bandPlaces[d] & open;
        twice |= once & places;
        once |= places;
    }
    if ((open & ~once) != 0)
        return false;
    std::uint32_t singles = once & ~twice;
    while (singles != 0) {
        const int bit = std::countr_zero(singles);
        singles &= singles - 1;
        if (!(s.open[b] >> bit & 1u))
            continue;
        int digit = -1;
        for (int d = 0; d < 9 && digit < 0; ++d)
            if (bandPlaces[d] >> bit & 1u)
                digit = d;
        // Another single of this batch may have taken the cell's last digit.
        if (digit < 0)
            return false;
        place(s, digit, b, bit);
    }
    return true;
}

/// Runs the rules until nothing changes; false on a dead end.
bool propagate(FastState &s)
{
    for (;;) {
        while ((s.dirty | s.stacksDirty) != 0) {
            while (s.dirty != 0) {
                const int index = std::countr_zero(s.dirty);
                s.dirty &= s.dirty - 1;
                if (!examineBand(s, index))
                    return false;
            }
            if (s.stacksDirty != 0) {
                const int digit = std::countr_zero(s.stacksDirty) % 9;
                s.stacksDirty &= ~(kDigitSets << digit);
                if (!examineStacks(s, digit))
                    return false;
            }
        }
        while (s.cellsDirty != 0) {
            const int b = std::countr_zero(s.cellsDirty) / 9;
            s.cellsDirty &= ~(kBandSets << (9 * b));
            if (!placeNakedSingles(s, b))
                return false;
        }
        if ((s.dirty | s.stacksDirty | s.cellsDirty) == 0)
            return true;
    }
}

bool isFull(const FastState &s)
{
    return (s.open[0] | s.open[1] | s.open[2]) == 0;
}

/// The digits an open cell can still take.
DigitSet candidates(const FastState &s, int cell)
{
    const int b = cell / 27, bit = cell % 27;
    std::uint16_t bits = 0;
    for (int d = 0; d < 9; ++d)
        bits |= std::uint16_t((s.places[9 * b + d] >> bit & 1u) << d);
    return DigitSet(bits);
}

/// Places a candidate digit in an open cell with everything that follows; false on a dead end.
bool assign(FastState &s, int cell, int digit)
{
    place(s, digit - 1, cell / 27, cell % 27);
    return propagate(s);
}

Values valuesOf(const FastState &s)
{
    Values values{};
    for (int d = 0; d < 9; ++d) {
        for (int b = 0; b < 3; ++b) {
            for (std::uint32_t cells = s.places[9 * b + d]; cells != 0; cells &= cells - 1)
                values[27 * b + std::countr_zero(cells)] = std::uint8_t(d + 1);
        }
    }
    return values;
}

/// The open cell to guess on, exactly as the band search's first run chooses it (see
/// kBandFirstRunNodes): of the cells with two digits the one that sees the most others with two
/// in its band, the first such in row-major order; without one, the first cell with the
/// fewest digits.
int branchCell(const FastState &s)
{
    std::array<std::uint32_t, 3> pairs{}, triples{};
    for (int b = 0; b < 3; ++b) {
        const std::uint32_t open = s.open[b];
        std::uint32_t once = 0, twice = 0, thrice = 0, more = 0;
        for (int d = 0; d < 9; ++d) {
            const std::uint32_t places = s.places[9 * b + d] & open;
            more |= thrice & places;
            thrice |= twice & places;
            twice |= once & places;
            once |= places;
        }
        pairs[b] = twice & ~thrice;
        triples[b] = thrice & ~more;
    }
    // A two-digit cell that sees many others settles the most.
    int best = band::mostConnectedPair(pairs);
    if (best >= 0)
        return best;
    for (int b = 0; b < 3; ++b)
        if (triples[b] != 0)
            return 27 * b + std::countr_zero(triples[b]);
    int bestCount = 10;
    for (int cell = 0; cell < kCells; ++cell) {
        if (!(s.open[cell / 27] >> (cell % 27) & 1u))
            continue;
        const int n = candidates(s, cell).count();
        if (n < bestCount) {
            best = cell;
            bestCount = n;
        }
    }
    return best;
}

/// A depth-first count of the completions of propagated states, up to `found.limit`, within a
/// node budget that several counts may share.
class FastCounter
{
public:
    FastCounter(Found &found, int &budget) : m_found(found), m_budget(budget) { }

    /// Counts the completions of `s` (propagated, no dead end). Returns the nodes visited, or
    /// -1 when the budget ran out first.
    int count(FastState &s)
    {
        const int before = m_budget;
        search(s);
        return m_budget >= 0 ? before - m_budget : -1;
    }

private:
    /// True when the search is to stop: enough solutions, or the budget is spent.
    bool search(FastState &s)
    {
        if (isFull(s)) {
            (m_found.count == 0 ? m_found.first : m_found.second) = valuesOf(s);
            return ++m_found.count >= m_found.limit;
        }
        if (--m_budget < 0)
            return true;
        const int cell = branchCell(s);
        DigitSet options = candidates(s, cell);
        while (!options.isEmpty()) {
            const int digit = options.takeLowest();
            if (options.isEmpty()) // the last digit needs no copy
                return assign(s, cell, digit) && search(s);
            FastState trial = s;
            if (assign(trial, cell, digit) && search(trial))
                return true;
        }
        return false;
    }

    Found &m_found;
    int &m_budget;
};

/// The state of conflict-free values after the singles they force; false on a dead end.
bool startState(const Values &start, FastState &s)
{
    const auto &t = band::kTables;
    s.places.fill(band::kAll);
    std::array<std::uint32_t, 27> given{};
    std::array<std::uint32_t, 3> filled{};
    for (int cell = 0; cell < kCells; ++cell) {
        if (start[cell] == 0)
            continue;
        const int digit = start[cell] - 1, b = cell / 27, bit = cell % 27;
        given[9 * b + digit] |= 1u << bit;
        filled[b] |= 1u << bit;
        s.places[9 * b + digit] &= ~t.rowAndBox[bit];
        for (int other = 0; other < 3; ++other)
            if (other != b)
                s.places[9 * other + digit] &= ~t.column[bit];
    }
    for (int index = 0; index < 27; ++index) {
        const int b = index / 9;
        // A given struck by another given of its digit is a conflict: the caller rules it out.
        if ((s.places[index] & given[index]) != given[index])
            return false;
        s.places[index] &= ~(filled[b] & ~given[index]);
    }
    for (int b = 0; b < 3; ++b)
        s.open[b] = band::kAll & ~filled[b];
    s.dirty = (1u << 27) - 1;
    s.stacksDirty = s.dirty;
    s.cellsDirty = s.dirty;
    s.unused = 0;
    return propagate(s);
}

} // namespace

bool countWithFastSearch(const Values &start, Found &found)
{
    FastState s;
    if (!startState(start, s))
        return true;
    int budget = kBandFirstRunNodes;
    return FastCounter(found, budget).count(s) >= 0;
}

bool smallestWithFastSearch(const Values &start, const Values &known, Values &smallest)
{
    FastState s;
    [[maybe_unused]] const bool consistent = startState(start, s);
    assert(consistent);
    smallest = known;
    int budget = kLoweringBudget;
    for (int cell = 0; cell < kCells; ++cell) {
        if (!(s.open[cell / 27] >> (cell % 27) & 1u))
            continue;
        DigitSet lower = candidates(s, cell) & DigitSet::below(smallest[cell]);
        while (!lower.isEmpty()) {
            FastState trial = s;
            if (!assign(trial, cell, lower.takeLowest()))
                continue;
            Found found;
            found.limit = 1;
            if (FastCounter(found, budget).count(trial) < 0)
                return false;
            if (found.count > 0) {
                smallest = found.first;
                break;
            }
        }
        [[maybe_unused]] const bool stillConsistent = assign(s, cell, smallest[cell]);
        assert(stillConsistent);
    }
    return true;
}

} // namespace kestrel::solver_detail
