#include "core/solver.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// A puzzle with exactly one solution, and that solution.
constexpr const char *kUnique
    = "53**7****6**195****98****6*8***6***34**8*3**17***2***6*6****28****419**5****8**79";
constexpr const char *kUniqueSolution
    = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

bool seeEachOther(int a, int b)
{
    const int ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
    return a != b && (ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3));
}

bool isValidSolution(const std::string &grid)
{
    if (grid.size() != 81)
        return false;
    for (int a = 0; a < 81; ++a) {
        if (grid[a] < '1' || grid[a] > '9')
            return false;
        for (int b = a + 1; b < 81; ++b)
            if (grid[a] == grid[b] && seeEachOther(a, b))
                return false;
    }
    return true;
}

bool keepsGivens(const std::string &grid, const std::string &puzzle)
{
    for (std::size_t k = 0; k < 81; ++k)
        if (puzzle[k] >= '1' && puzzle[k] <= '9' && grid[k] != puzzle[k])
            return false;
    return true;
}

/// Deterministic puzzle source. Draws use `rng() % n` rather than the standard distributions,
/// whose output differs between standard libraries.
class PuzzleMaker
{
public:
    explicit PuzzleMaker(std::uint32_t seed) : m_rng(seed) { }

    int pick(int n) { return static_cast<int>(m_rng() % static_cast<std::uint32_t>(n)); }

    /// A random solved grid: a pattern grid under random relabelling, row and column
    /// permutations within and of bands and stacks, and transposition.
    std::string grid()
    {
        std::array<int, 9> digit{1, 2, 3, 4, 5, 6, 7, 8, 9};
        shuffle(digit);
        const auto rows = lineOrder(), cols = lineOrder();
        const bool transpose = pick(2) == 1;
        std::string g(81, '0');
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                int pr = rows[r], pc = cols[c];
                if (transpose)
                    std::swap(pr, pc);
                g[r * 9 + c] = static_cast<char>('0' + digit[(pr * 3 + pr / 3 + pc) % 9]);
            }
        }
        return g;
    }

    /// `count` random cells of `grid` as givens, "*" elsewhere.
    std::string keep(const std::string &grid, int count)
    {
        std::array<int, 81> order{};
        for (int k = 0; k < 81; ++k)
            order[k] = k;
        shuffle(order);
        std::string puzzle(81, '*');
        for (int i = 0; i < count; ++i)
            puzzle[order[i]] = grid[order[i]];
        return puzzle;
    }

    int between(int low, int high) { return low + pick(high - low + 1); }

private:
    template <std::size_t N> void shuffle(std::array<int, N> &a)
    {
        for (std::size_t i = N - 1; i > 0; --i)
            std::swap(a[i], a[static_cast<std::size_t>(pick(static_cast<int>(i) + 1))]);
    }

    std::array<int, 9> lineOrder()
    {
        std::array<int, 3> bands{0, 1, 2};
        shuffle(bands);
        std::array<int, 9> order{};
        for (int b = 0; b < 3; ++b) {
            std::array<int, 3> inside{0, 1, 2};
            shuffle(inside);
            for (int i = 0; i < 3; ++i)
                order[b * 3 + i] = bands[b] * 3 + inside[i];
        }
        return order;
    }

    std::mt19937 m_rng;
};

// ------------------------------------------------------------------------------------------
// The reference search and the program's solver on the cases that pin the behaviour.

TEST(SolverTest, AFullGridIsCodeOneWithItsOwnValues)
{
    auto sol = std::make_unique<Tfrm_sol>();
    std::string broken = kUniqueSolution;
    broken[0] = broken[1]; // two equal values in row 1
    for (const std::string &grid : {std::string(kUniqueSolution), broken}) {
        SCOPED_TRACE(grid);
        int code = -1;
        std::string result;
        sol->solve(grid, code, result);
        EXPECT_EQ(code, 1);
        EXPECT_EQ(result, grid);
        const SolveOutcome outcome = solvePuzzle(grid);
        EXPECT_EQ(outcome.result, SolveResult::NoEmptyCell);
        EXPECT_EQ(outcome.values, grid);
    }
    EXPECT_EQ(sol->solveUnique(kUniqueSolution).result, UniqueResult::NoEmptyCell);
    EXPECT_EQ(uniqueCode(UniqueResult::NoEmptyCell), 1);
}

TEST(SolverTest, AnEmptyGridSolvesToTheFirstGridAndHasSeveralSolutions)
{
    auto sol = std::make_unique<Tfrm_sol>();
    const std::string empty(81, '*');
    int code = -1;
    std::string result;
    sol->solve(empty, code, result);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(result.substr(0, 9), "123456789");
    EXPECT_TRUE(isValidSolution(result));
    EXPECT_EQ(solvePuzzle(empty).values, result);

    const UniqueOutcome unique = sol->solveUnique(empty);
    EXPECT_EQ(unique.result, UniqueResult::Several);
    EXPECT_EQ(uniqueCode(unique.result), 2);
    EXPECT_EQ(unique.first, result);
    EXPECT_TRUE(isValidSolution(unique.second));
    EXPECT_NE(unique.second, unique.first);
}

TEST(SolverTest, EqualGivensInOneBoxBreakTheRules)
{
    auto sol = std::make_unique<Tfrm_sol>();
    std::string puzzle(81, '*');
    puzzle[0] = '5';
    puzzle[10] = '5'; // row 2, column 2: same box, other row and column
    EXPECT_FALSE(sol->checkPuzzle(puzzle));
    const UniqueOutcome unique = sol->solveUnique(puzzle);
    EXPECT_EQ(unique.result, UniqueResult::BreaksRules);
    EXPECT_EQ(uniqueCode(unique.result), 1);
    EXPECT_TRUE(unique.first.empty());
}

TEST(SolverTest, AUniquePuzzleGivesItsKnownSolution)
{
    auto sol = std::make_unique<Tfrm_sol>();
    int code = -1;
    std::string result;
    sol->solve(kUnique, code, result);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(result, kUniqueSolution);
    EXPECT_EQ(solvePuzzle(kUnique).values, kUniqueSolution);
    const UniqueOutcome unique = sol->solveUnique(kUnique);
    EXPECT_EQ(unique.result, UniqueResult::Unique);
    EXPECT_EQ(uniqueCode(unique.result), 0);
    EXPECT_EQ(unique.first, kUniqueSolution);
}

TEST(SolverTest, AFailedSearchLeavesTheStartingValues)
{
    // Row 1 needs a 9 in its last cell, but column 9 already holds one: no conflict among the
    // givens, no solution.
    std::string puzzle = "12345678*" + std::string(72, '*');
    puzzle[9 * 5 + 8] = '9';
    auto sol = std::make_unique<Tfrm_sol>();
    int code = -1;
    std::string result;
    sol->solve(puzzle, code, result);
    EXPECT_EQ(code, 1);
    std::string start = puzzle;
    for (char &ch : start)
        ch = ch == '*' ? '0' : ch;
    EXPECT_EQ(result, start);
    EXPECT_EQ(solvePuzzle(puzzle).result, SolveResult::NoSolution);
    EXPECT_EQ(solvePuzzle(puzzle).values, start);
    EXPECT_EQ(sol->solveUnique(puzzle).result, UniqueResult::NoSolution);
}

TEST(SolverTest, CountPossValueSeesNakedAndHiddenSingles)
{
    auto sol = std::make_unique<Tfrm_sol>();
    // Row 1 leaves only 4 for its last cell.
    sol->solveTable = {};
    const std::string row1 = "12356789";
    for (int col = 1; col <= 8; ++col)
        sol->solveTable[1][col].value = static_cast<std::uint8_t>(row1[col - 1] - '0');
    sol->FindPossibilities();
    for (int v = 1; v <= 9; ++v)
        EXPECT_EQ(sol->CountPossValue(v, 1, 9), 1) << "v = " << v;

    // In an otherwise empty grid, a 5 in rows 2 and 3 and columns 2 and 3 leaves (1, 1) as
    // the only place for 5 in box 1, while the cell itself still has every candidate.
    sol->solveTable = {};
    sol->solveTable[2][5].value = 5;
    sol->solveTable[3][8].value = 5;
    sol->solveTable[5][2].value = 5;
    sol->solveTable[8][3].value = 5;
    sol->FindPossibilities();
    EXPECT_EQ(sol->CountPossValue(5, 1, 1), 1);
    EXPECT_NE(sol->CountPossValue(4, 1, 1), 1);
}

TEST(SolverTest, SolveSudokuCanStopAfterTheFirstPlacement)
{
    // Rows 1 and 2 are full but for their last cells, which can only take 9 and 3.
    auto sol = std::make_unique<Tfrm_sol>();
    sol->solveTable = {};
    for (int col = 1; col <= 8; ++col) {
        sol->solveTable[1][col].value = static_cast<std::uint8_t>(col);
        sol->solveTable[2][col].value = static_cast<std::uint8_t>((col + 2) % 9 + 1);
    }
    sol->FindPossibilities();
    EXPECT_TRUE(sol->SolveSudoku(true));
    int placed = 0;
    for (int row = 1; row <= 2; ++row)
        placed += sol->solveTable[row][9].value != 0 ? 1 : 0;
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(sol->solveTable[1][9].value, 9);
}

TEST(SolverTest, CheckPuzzleCountsEveryOtherCharacterAsAnEntry)
{
    auto sol = std::make_unique<Tfrm_sol>();
    std::string puzzle(81, '*');
    puzzle[0] = '0';
    puzzle[1] = '0'; // "0" is open, so two of them are fine
    EXPECT_TRUE(sol->checkPuzzle(puzzle));
    EXPECT_EQ(sol->Edit1, puzzle);
    EXPECT_EQ(sol->so.cell(1, 1).text, "123456789");
    EXPECT_EQ(sol->so.cell(1, 1).state, 3);

    puzzle[0] = '.';
    puzzle[1] = '.'; // any other character is an entry: two "." in a row conflict
    EXPECT_FALSE(sol->checkPuzzle(puzzle));
    EXPECT_EQ(sol->so.cell(1, 1).text, ".");
    EXPECT_EQ(sol->so.cell(1, 1).state, 2);
    EXPECT_EQ(sol->solveUnique(puzzle).result, UniqueResult::BreaksRules);
}

TEST(SolverTest, DeveloperButtonsShowTheOutcome)
{
    auto sol = std::make_unique<Tfrm_sol>();
    EXPECT_EQ(sol->so.width2(), 400);
    sol->Edit1 = kUnique;
    sol->Button1Click();
    EXPECT_EQ(sol->lastMessage(), "OK");
    EXPECT_EQ(sol->so.cell(1, 3).text, "4");
    EXPECT_EQ(sol->so.cell(9, 9).text, "9");

    sol->Button3Click();
    EXPECT_EQ(sol->so.cell(1, 3).text, "");
    sol->Button2Click(); // the table still holds the solution
    EXPECT_EQ(sol->so.cell(1, 3).text, "4");

    sol->Edit1 = "11" + std::string(79, '*');
    sol->Button1Click();
    EXPECT_NE(sol->lastMessage(), "OK");
    EXPECT_EQ(sol->so.cell(1, 1).text, "1");
    EXPECT_EQ(sol->so.cell(1, 3).text, ""); // empty cells stay empty
}

TEST(SolverTest, ShortPuzzlesReadMissingCellsAsEmpty)
{
    auto sol = std::make_unique<Tfrm_sol>();
    int code = -1;
    std::string result;
    sol->solve("987", code, result);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(result.substr(0, 3), "987");
    EXPECT_EQ(solvePuzzle("987").values, result);
}

// ------------------------------------------------------------------------------------------
// The program's solver against the reference search.

void expectSameAsReference(Tfrm_sol &sol, const std::string &puzzle, int &failures)
{
    int code = -1;
    std::string result;
    sol.solve(puzzle, code, result);
    const SolveOutcome outcome = solvePuzzle(puzzle);
    if (solveCode(outcome.result) != code || outcome.values != result) {
        if (++failures <= 10)
            ADD_FAILURE() << "puzzle " << puzzle << "\n reference " << code << " " << result
                          << "\n solver    " << solveCode(outcome.result) << " " << outcome.values;
    }
}

// Debug and sanitizer builds run a quarter of the sample: the reference search is some twenty
// times slower there, and those builds are about memory and undefined behaviour.
#ifdef NDEBUG
constexpr int kShare = 1;
#else
constexpr int kShare = 4;
#endif

TEST(SolverTest, SolvesLikeTheReferenceSearch)
{
    // Kinds and numbers are chosen so that the naive reference finishes in a few seconds.
    auto sol = std::make_unique<Tfrm_sol>();
    PuzzleMaker maker(20240601);
    int failures = 0, total = 0;
    auto check = [&](const std::string &puzzle) {
        expectSameAsReference(*sol, puzzle, failures);
        ++total;
    };
    for (int i = 0; i < 2900 / kShare; ++i) // sparse: one or several solutions
        check(maker.keep(maker.grid(), maker.between(24, 36)));
    for (int i = 0; i < 1500 / kShare; ++i) // dense
        check(maker.keep(maker.grid(), maker.between(37, 50)));
    for (int i = 0; i < 1500 / kShare; ++i) { // one given changed without a conflict: mostly none
        std::string puzzle = maker.keep(maker.grid(), maker.between(30, 45));
        for (;;) {
            const int cell = maker.pick(81);
            const char digit = static_cast<char>('1' + maker.pick(9));
            bool clash = puzzle[cell] == '*' || puzzle[cell] == digit;
            for (int k = 0; k < 81 && !clash; ++k)
                clash = puzzle[k] == digit && seeEachOther(k, cell);
            if (!clash) {
                puzzle[cell] = digit;
                break;
            }
        }
        check(puzzle);
    }
    for (int i = 0; i < 1500 / kShare; ++i) { // a given repeated in a peer
        std::string puzzle = maker.keep(maker.grid(), maker.between(28, 40));
        for (;;) {
            const int cell = maker.pick(81), given = maker.pick(81);
            if (puzzle[cell] == '*' && puzzle[given] != '*' && seeEachOther(cell, given)) {
                puzzle[cell] = puzzle[given];
                break;
            }
        }
        check(puzzle);
    }
    for (int i = 0; i < 1000 / kShare; ++i) { // random digits in random cells, mostly conflicting
        std::string puzzle(81, '*');
        for (int n = maker.between(36, 50); n > 0; --n)
            puzzle[maker.pick(81)] = static_cast<char>('1' + maker.pick(9));
        check(puzzle);
    }
    for (int i = 0; i < 1000 / kShare; ++i) { // against backtracking: the first row reads 987654321
        std::string grid = maker.grid();
        std::array<char, 10> relabel{};
        for (int c = 0; c < 9; ++c)
            relabel[grid[c] - '0'] = static_cast<char>('9' - c);
        for (char &ch : grid)
            ch = relabel[ch - '0'];
        check(maker.keep(grid, maker.between(28, 36)));
    }
    for (int i = 0; i < 500 / kShare; ++i) { // full grids, half of them with a conflict
        std::string grid = maker.grid();
        if (i % 2 == 1)
            grid[maker.pick(81)] = static_cast<char>('1' + maker.pick(9));
        check(grid);
    }
    for (int i = 0; i < 100 / kShare; ++i) // nearly empty, with other blank characters
        check(maker.keep(maker.grid(), maker.between(0, 4)).replace(0, 1, i % 2 ? "." : "0"));
    check(std::string(81, '*'));
    EXPECT_GE(total, 10000 / kShare);
    EXPECT_EQ(failures, 0);
}

// ------------------------------------------------------------------------------------------
// The uniqueness test against a plain counter.

/// Counts the solutions of a puzzle up to `limit` by plain backtracking on the cell with the
/// fewest candidates; shares nothing with the solver.
int countPlainly(std::string &grid, int limit)
{
    int best = -1, bestCount = 10;
    std::array<bool, 10> bestAllowed{};
    for (int k = 0; k < 81; ++k) {
        if (grid[k] != '*')
            continue;
        std::array<bool, 10> allowed{};
        allowed.fill(true);
        for (int j = 0; j < 81; ++j)
            if (grid[j] != '*' && seeEachOther(j, k))
                allowed[grid[j] - '0'] = false;
        int n = 0;
        for (int d = 1; d <= 9; ++d)
            n += allowed[d] ? 1 : 0;
        if (n < bestCount) {
            best = k;
            bestCount = n;
            bestAllowed = allowed;
        }
    }
    if (best < 0)
        return 1;
    int found = 0;
    for (int d = 1; d <= 9 && found < limit; ++d) {
        if (!bestAllowed[d])
            continue;
        grid[best] = static_cast<char>('0' + d);
        found += countPlainly(grid, limit - found);
    }
    grid[best] = '*';
    return found;
}

TEST(SolverTest, SolveUniqueCountsLikeAPlainCounter)
{
    auto sol = std::make_unique<Tfrm_sol>();
    PuzzleMaker maker(77);
    std::array<int, 3> seen{};
    for (int i = 0; i < 300; ++i) {
        std::string puzzle
            = maker.keep(maker.grid(), i % 2 == 0 ? maker.between(22, 30) : maker.between(32, 44));
        if (i % 5 == 0) { // some without a solution
            for (int k = 0; k < 81; ++k) {
                if (puzzle[k] != '*')
                    continue;
                const char digit = static_cast<char>('1' + maker.pick(9));
                bool clash = false;
                for (int j = 0; j < 81 && !clash; ++j)
                    clash = puzzle[j] == digit && seeEachOther(j, k);
                if (!clash) {
                    puzzle[k] = digit;
                    break;
                }
            }
        }
        SCOPED_TRACE(puzzle);
        std::string work = puzzle;
        const int count = countPlainly(work, 2);
        ++seen[static_cast<std::size_t>(count)];
        const UniqueOutcome unique = sol->solveUnique(puzzle);
        const std::string first = solvePuzzle(puzzle).values;
        switch (count) {
        case 0:
            EXPECT_EQ(unique.result, UniqueResult::NoSolution);
            break;
        case 1:
            EXPECT_EQ(unique.result, UniqueResult::Unique);
            EXPECT_EQ(unique.first, first);
            break;
        default:
            EXPECT_EQ(unique.result, UniqueResult::Several);
            EXPECT_EQ(unique.first, first);
            EXPECT_TRUE(isValidSolution(unique.second) && keepsGivens(unique.second, puzzle));
            EXPECT_NE(unique.second, unique.first);
            break;
        }
    }
    // The sample covers all three outcomes.
    EXPECT_GT(seen[0], 10);
    EXPECT_GT(seen[1], 10);
    EXPECT_GT(seen[2], 10);
}

// ------------------------------------------------------------------------------------------
// Known puzzles with their count (0 none, 1 one, 2 several) and first solution.

TEST(SolverTest, GoldenPuzzles)
{
    std::ifstream in(std::string(KESTREL_TEST_DATA_DIR) + "/solver_golden.txt");
    ASSERT_TRUE(in) << "missing solver_golden.txt";
    auto sol = std::make_unique<Tfrm_sol>();
    std::string line;
    int lineNumber = 0, puzzles = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto colon1 = line.find(':'), colon2 = line.find(':', colon1 + 1);
        if (colon1 != 81 || colon2 != 83) {
            ADD_FAILURE() << "line " << lineNumber << ": malformed: " << line;
            continue;
        }
        std::string puzzle = line.substr(0, 81);
        for (char &ch : puzzle)
            ch = ch >= '1' && ch <= '9' ? ch : '*';
        const int count = line[82] - '0';
        const std::string solution = line.substr(84);
        const UniqueOutcome unique = sol->solveUnique(puzzle);
        const int got = unique.result == UniqueResult::Unique ? 1
            : unique.result == UniqueResult::Several          ? 2
                                                              : 0;
        const SolveOutcome solved = solvePuzzle(puzzle);
        const bool ok = got == count && unique.first == solution
            && (count == 0 ? solved.result == SolveResult::NoSolution : solved.values == solution);
        EXPECT_TRUE(ok) << "line " << lineNumber << ": " << line.substr(0, 81) << "\n  expected "
                        << count << ":" << solution << "\n  got      " << got << ":" << unique.first
                        << " (solve: " << solved.values << ")";
        ++puzzles;
    }
    EXPECT_GE(puzzles, 25);
}

// ------------------------------------------------------------------------------------------
// Golden answers kept beside this file, fields separated by ':'.

struct GoldenLine
{
    int number = 0;
    std::vector<std::string> fields;
};

std::vector<GoldenLine> readGolden(const std::string &name)
{
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / name);
    std::vector<GoldenLine> lines;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        GoldenLine golden{number, {}};
        std::size_t start = 0;
        for (std::size_t colon; (colon = line.find(':', start)) != std::string::npos;
             start = colon + 1)
            golden.fields.push_back(line.substr(start, colon - start));
        golden.fields.push_back(line.substr(start));
        lines.push_back(golden);
    }
    return lines;
}

TEST(SolverTest, ConflictingGivensGetTheReferenceOrdersAnswerOrTheFallback)
{
    const std::vector<GoldenLine> lines = readGolden("solver_conflicts_golden.txt");
    int solved = 0;
    for (const GoldenLine &golden : lines) {
        ASSERT_EQ(golden.fields.size(), 3u) << "line " << golden.number;
        const std::string &puzzle = golden.fields[0];
        const SolveOutcome outcome = solvePuzzle(puzzle);
        EXPECT_EQ(std::to_string(solveCode(outcome.result)) + ":" + outcome.values,
                  golden.fields[1] + ":" + golden.fields[2])
            << "line " << golden.number << ": " << puzzle;
        solved += golden.fields[1] == "0" ? 1 : 0;
    }
    EXPECT_GE(lines.size(), 100u);
    EXPECT_GE(solved, 60);
}

TEST(SolverTest, UniquenessAnswersIncludingTheReportedSecondSolution)
{
    const std::vector<GoldenLine> lines = readGolden("solver_unique_golden.txt");
    auto sol = std::make_unique<Tfrm_sol>();
    std::array<int, 3> seen{};
    for (const GoldenLine &golden : lines) {
        ASSERT_EQ(golden.fields.size(), 4u) << "line " << golden.number;
        // The window's rule check reads '.' as an entry; callers hand it '*' for empty cells.
        std::string puzzle = golden.fields[0];
        for (char &ch : puzzle)
            ch = ch >= '1' && ch <= '9' ? ch : '*';
        const std::string expected
            = golden.fields[1] + ":" + golden.fields[2] + ":" + golden.fields[3];
        for (const UniqueOutcome &outcome : {countSolutions(puzzle), sol->solveUnique(puzzle)}) {
            EXPECT_EQ(std::to_string(uniqueCode(outcome.result)) + ":" + outcome.first + ":"
                          + outcome.second,
                      expected)
                << "line " << golden.number << ": " << puzzle;
        }
        ++seen[static_cast<std::size_t>(std::stoi(golden.fields[1]))];
    }
    EXPECT_GE(seen[0], 30); // one solution
    EXPECT_GE(seen[1], 30); // none, conflicting or full
    EXPECT_GE(seen[2], 60); // several
}

} // namespace
} // namespace kestrel
