#include "app/bank_builder.hpp"

#include "core/random_source.hpp"
#include "core/solver.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kestrel {

namespace {

bool usesAny(const GradeResult &grade, std::initializer_list<HintTechnique> techniques)
{
    return std::any_of(techniques.begin(), techniques.end(),
                       [&](HintTechnique technique) { return grade.timesUsed(technique) > 0; });
}

// --- Random grids ------------------------------------------------------------------------

using Grid = std::array<std::uint8_t, 81>; // digits 1..9, 0 = empty, row-major

constexpr int boxIndex(int cell)
{
    return (cell / 27) * 3 + (cell % 9) / 3;
}

/// Fills the empty cells of `grid` with a randomised depth-first search (most constrained cell
/// first, its digits in random order). Returns false when no completion exists.
bool fillRandomly(Grid &grid, std::array<std::uint16_t, 27> &used, RandomSource &random)
{
    int bestCell = -1;
    int bestCount = 10;
    std::uint16_t bestMask = 0;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid[cell])
            continue;
        const auto mask = static_cast<std::uint16_t>(
            ~(used[cell / 9] | used[9 + cell % 9] | used[18 + boxIndex(cell)]) & 0x1FF);
        const int count = std::popcount(mask);
        if (count < bestCount) {
            bestCell = cell;
            bestCount = count;
            bestMask = mask;
            if (count <= 1)
                break;
        }
    }
    if (bestCell < 0)
        return true;
    std::array<int, 9> digits{};
    int n = 0;
    for (int d = 1; d <= 9; ++d)
        if (bestMask & (1 << (d - 1)))
            digits[n++] = d;
    for (int i = n - 1; i > 0; --i)
        std::swap(digits[i], digits[random.between(0, i)]);
    const int row = bestCell / 9, col = 9 + bestCell % 9, box = 18 + boxIndex(bestCell);
    for (int i = 0; i < n; ++i) {
        const auto bit = static_cast<std::uint16_t>(1 << (digits[i] - 1));
        grid[bestCell] = static_cast<std::uint8_t>(digits[i]);
        used[row] |= bit;
        used[col] |= bit;
        used[box] |= bit;
        if (fillRandomly(grid, used, random))
            return true;
        used[row] &= ~bit;
        used[col] &= ~bit;
        used[box] &= ~bit;
    }
    grid[bestCell] = 0;
    return false;
}

template <std::size_t N> void shuffleArray(std::array<int, N> &values, RandomSource &random)
{
    for (int i = static_cast<int>(N) - 1; i > 0; --i)
        std::swap(values[i], values[random.between(0, i)]);
}

/// A random order of the rows (or columns) that keeps bands (stacks) together: the bands
/// are permuted, and the three lines inside each band.
std::array<int, 9> randomLineOrder(RandomSource &random)
{
    std::array<int, 3> bands{0, 1, 2};
    shuffleArray(bands, random);
    std::array<int, 9> order{};
    for (int b = 0; b < 3; ++b) {
        std::array<int, 3> lines{0, 1, 2};
        shuffleArray(lines, random);
        for (int i = 0; i < 3; ++i)
            order[b * 3 + i] = bands[b] * 3 + lines[i];
    }
    return order;
}

// --- Canonical key -----------------------------------------------------------------------

/// The 216 column orders the shuffle can reach: each stack keeps its place, its three columns
/// in any order. perms[p][k] = the column shown at position k.
struct ColumnOrders
{
    std::array<std::array<std::uint8_t, 9>, 216> perms{};

    ColumnOrders() noexcept
    {
        static constexpr std::array<std::array<std::uint8_t, 3>, 6> kThree
            = {{{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
        int p = 0;
        for (const auto &s0 : kThree)
            for (const auto &s1 : kThree)
                for (const auto &s2 : kThree) {
                    for (int k = 0; k < 3; ++k) {
                        perms[p][k] = s0[k];
                        perms[p][3 + k] = static_cast<std::uint8_t>(3 + s1[k]);
                        perms[p][6 + k] = static_cast<std::uint8_t>(6 + s2[k]);
                    }
                    ++p;
                }
    }
};

/// One partial arrangement while the key is built row by row: a column order, the rows of the
/// current band already placed, and the digit relabelling fixed so far.
struct Arrangement
{
    std::uint8_t columnOrder = 0; // index into ColumnOrders (0..215)
    std::uint8_t rowsUsed = 0; // bit i: row i of the current band is placed
    std::uint8_t nextLabel = 1;
    std::array<std::uint8_t, 10> label{}; // original digit -> new digit, 0 = not seen yet
};

bool isDigit(char c)
{
    return c >= '1' && c <= '9';
}

bool isLetter(char c)
{
    return c >= 'A' && c <= 'I';
}

} // namespace

// The level rule. The hint engine's hardest technique decides the level; within the singles
// the givens decide between Very Easy and Gentle (for a puzzle of hidden singles only the
// score is one point per open cell, so "many givens" and "low score" are the same test).
//
//   level          | techniques the engine needed (slots of techniqueCount)     | givens
//   ---------------+-------------------------------------------------------------+--------
//   0 Very Easy    | hidden singles only                                         | >= 32
//   1 Gentle       | hidden and naked singles only                               | any
//   2 Moderate     | also box/line intersections or naked subsets (2, 3)         | any
//   3 Tough        | also hidden subsets, unique rectangles or one-digit chains  | any
//                  | (4, 5-7, 9)                                                 |
//   4 Diabolical   | also two-candidate-cell chains or mixed chains (10, 8)      | any
//   none           | the engine got stuck or found no solution                   |
//
// Mean difficultyScore rises with the level because every tier adds a technique with a higher
// weight than the tiers below it use.
std::optional<int> levelFor(const GradeResult &grade, int givens)
{
    using enum HintTechnique;
    if (grade.status != GradeStatus::Solved || grade.timesUsed(Stuck) > 0)
        return std::nullopt;
    if (usesAny(grade, {ChainTwoCandidate, ChainMixed}))
        return 4;
    if (usesAny(grade,
                {HiddenSubset, RectangleCornerExcluded, RectangleExtraDigit, RectangleSplitPair,
                 ChainOneDigit}))
        return 3;
    if (usesAny(grade, {Intersection, NakedSubset}))
        return 2;
    if (grade.timesUsed(NakedSingle) == 0 && givens >= kVeryEasyMinGivens)
        return 0;
    return 1;
}

std::string randomSolutionGrid(RandomSource &random)
{
    // A randomised fill already reaches every grid; the band, stack, line and digit
    // permutations on top spread the low-level bias of the search order.
    Grid grid{};
    std::array<std::uint16_t, 27> used{};
    [[maybe_unused]] const bool filled = fillRandomly(grid, used, random);
    assert(filled); // an empty grid always has a completion

    const std::array<int, 9> rows = randomLineOrder(random);
    const std::array<int, 9> cols = randomLineOrder(random);
    std::array<int, 9> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
    shuffleArray(digits, random);
    std::string out(81, '0');
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            out[r * 9 + c] = static_cast<char>('0' + digits[grid[rows[r] * 9 + cols[c]] - 1]);
    return out;
}

std::string generateBankLine(RandomSource &random, const GeneratorOptions &options)
{
    const std::string solution = randomSolutionGrid(random);

    // Removal groups: single cells, or a cell with its half-turn image (the centre alone).
    std::vector<std::array<int, 2>> groups;
    for (int cell = 0; cell < 81; ++cell) {
        if (options.symmetry == Symmetry::None)
            groups.push_back({cell, -1});
        else if (cell <= 80 - cell)
            groups.push_back({cell, cell == 40 ? -1 : 80 - cell});
    }
    for (int i = static_cast<int>(groups.size()) - 1; i > 0; --i)
        std::swap(groups[i], groups[random.between(0, i)]);

    // One pass is enough for minimality: a given that could not go earlier, while more givens
    // stood, cannot go later either (fewer givens only admit more solutions).
    std::string puzzle = solution;
    int givens = 81;
    for (const auto &group : groups) {
        const int size = group[1] < 0 ? 1 : 2;
        if (givens - size < options.minGivens)
            continue;
        for (int k = 0; k < size; ++k)
            puzzle[group[k]] = '.';
        if (countSolutions(puzzle).result == UniqueResult::Unique) {
            givens -= size;
        } else {
            for (int k = 0; k < size; ++k)
                puzzle[group[k]] = solution[group[k]];
        }
    }

    std::string line = solution;
    for (int cell = 0; cell < 81; ++cell)
        if (puzzle[cell] == '.')
            line[cell] = static_cast<char>('A' + (solution[cell] - '1'));
    return line;
}

std::string bankLinePuzzle(std::string_view line)
{
    std::string puzzle(line);
    for (char &c : puzzle)
        if (!isDigit(c))
            c = '.';
    return puzzle;
}

int givenCount(std::string_view line)
{
    return static_cast<int>(std::count_if(line.begin(), line.end(), isDigit));
}

// The key is the smallest row-major string of the givens over all reachable row and column
// orders, digits relabelled 1, 2, 3 ... by first appearance and "0" for an open cell. Rather
// than trying all 216 x 216 orders, it is built one row at a time: each arrangement still in
// the race is extended by every unplaced row of the current band, and only the extensions
// whose new row is smallest survive. That is exact, because a smallest whole string must have
// the smallest first k rows, and each survivor carries its own relabelling. Survivors stay few
// for real puzzles (givens break the ties quickly).
std::string canonicalKey(std::string_view bankLine)
{
    static const ColumnOrders kColumnOrders;

    std::array<std::array<std::uint8_t, 9>, 9> givens{};
    for (std::size_t i = 0; i < 81 && i < bankLine.size(); ++i)
        if (isDigit(bankLine[i]))
            givens[i / 9][i % 9] = static_cast<std::uint8_t>(bankLine[i] - '0');

    std::vector<Arrangement> current(216);
    for (int p = 0; p < 216; ++p)
        current[p].columnOrder = static_cast<std::uint8_t>(p);
    std::vector<Arrangement> next;
    next.reserve(648);

    std::string key;
    key.reserve(81);
    for (int step = 0; step < 9; ++step) {
        const int band = step / 3;
        const bool bandStarts = step % 3 == 0;
        std::array<std::uint8_t, 9> best{};
        best.fill(10); // larger than any label
        next.clear();
        for (const Arrangement &arrangement : current) {
            const auto &order = kColumnOrders.perms[arrangement.columnOrder];
            const std::uint8_t usedRows = bandStarts ? 0 : arrangement.rowsUsed;
            for (int inBand = 0; inBand < 3; ++inBand) {
                if (usedRows & (1 << inBand))
                    continue;
                const auto &row = givens[band * 3 + inBand];
                Arrangement candidate = arrangement;
                candidate.rowsUsed = static_cast<std::uint8_t>(usedRows | (1 << inBand));
                std::array<std::uint8_t, 9> text{};
                // -1 smaller than best so far, 0 equal so far, 1 larger (drop it)
                int versusBest = 0;
                for (int k = 0; k < 9 && versusBest <= 0; ++k) {
                    const std::uint8_t digit = row[order[k]];
                    std::uint8_t shown = 0;
                    if (digit) {
                        if (!candidate.label[digit])
                            candidate.label[digit] = candidate.nextLabel++;
                        shown = candidate.label[digit];
                    }
                    text[k] = shown;
                    if (versusBest == 0 && shown != best[k])
                        versusBest = shown < best[k] ? -1 : 1;
                }
                if (versusBest > 0)
                    continue;
                if (versusBest < 0) {
                    best = text;
                    next.clear();
                }
                next.push_back(candidate);
            }
        }
        for (const std::uint8_t shown : best)
            key.push_back(static_cast<char>('0' + shown));
        current.swap(next);
    }
    return key;
}

std::optional<std::string> checkBankLine(std::string_view line, int level, GradeResult *grade)
{
    if (line.size() != 81)
        return "has " + std::to_string(line.size()) + " characters, expected 81";
    for (std::size_t i = 0; i < 81; ++i)
        if (!isDigit(line[i]) && !isLetter(line[i]))
            return "cell " + std::to_string(i + 1) + " is '" + std::string(1, line[i])
                + "', expected 1-9 or A-I";

    std::string solution(line);
    for (char &c : solution)
        if (isLetter(c))
            c = static_cast<char>('1' + (c - 'A'));
    static constexpr std::array<std::string_view, 3> kUnitNames = {"row", "column", "box"};
    for (int kind = 0; kind < 3; ++kind)
        for (int unit = 0; unit < 9; ++unit) {
            int seen = 0;
            for (int k = 0; k < 9; ++k) {
                const int cell = kind == 0 ? unit * 9 + k
                    : kind == 1            ? k * 9 + unit
                                           : (unit / 3 * 3 + k / 3) * 9 + unit % 3 * 3 + k % 3;
                seen |= 1 << (solution[cell] - '1');
            }
            if (seen != 0x1FF)
                return "the solution's " + std::string(kUnitNames[kind]) + " "
                    + std::to_string(unit + 1) + " does not hold 1-9 once each";
        }

    const std::string puzzle = bankLinePuzzle(line);
    const UniqueOutcome unique = countSolutions(puzzle);
    if (unique.result == UniqueResult::Several)
        return "the givens have more than one solution";
    if (unique.result != UniqueResult::Unique)
        return "the givens have no solution";
    if (unique.first != solution)
        return "the givens' only solution differs from the letters";

    const GradeResult result = gradePuzzle(puzzle);
    if (grade)
        *grade = result;
    if (result.status != GradeStatus::Solved || result.timesUsed(HintTechnique::Stuck) > 0)
        return "the hint engine does not finish it (" + std::string(gradeStatusName(result.status))
            + ")";
    const std::optional<int> actual = levelFor(result, givenCount(line));
    if (actual != level)
        return "grades as level " + (actual ? std::to_string(*actual) : std::string("none"))
            + ", not " + std::to_string(level);
    return std::nullopt;
}

} // namespace kestrel
