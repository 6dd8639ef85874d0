// Building the puzzle bank: the copy-finding key, the generator, the level rule, the line check.
#include "app/bank_builder.hpp"

#include "core/puzzle_record.hpp"
#include "core/random_source.hpp"
#include "core/solver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace kestrel {
namespace {

/// A bank line read back from a puzzle record (givens as digits, open cells as letters).
std::string lineOf(const TQJ &record)
{
    std::string line;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const TNode &node = record.node(row, col);
            line.push_back(static_cast<char>((node.given ? '0' : '@') + node.value));
        }
    return line;
}

/// The key by its definition: every one of the 216 x 216 row and column orders, each relabelled
/// by first appearance, the smallest string kept. Slow, but shares nothing with the pruned search.
std::string keyByExhaustion(std::string_view line)
{
    std::vector<std::array<int, 9>> orders;
    std::array<int, 3> a{0, 1, 2}, b{0, 1, 2}, c{0, 1, 2};
    do {
        do {
            do {
                orders.push_back(
                    {a[0], a[1], a[2], 3 + b[0], 3 + b[1], 3 + b[2], 6 + c[0], 6 + c[1], 6 + c[2]});
            } while (std::next_permutation(c.begin(), c.end()));
        } while (std::next_permutation(b.begin(), b.end()));
    } while (std::next_permutation(a.begin(), a.end()));

    std::string best(81, '9');
    for (const auto &rows : orders)
        for (const auto &cols : orders) {
            std::array<char, 10> label{};
            char next = '1';
            std::string text(81, '0');
            for (int r = 0; r < 9; ++r)
                for (int k = 0; k < 9; ++k) {
                    const char ch = line[rows[r] * 9 + cols[k]];
                    if (ch < '1' || ch > '9')
                        continue;
                    char &mapped = label[ch - '0'];
                    if (!mapped)
                        mapped = next++;
                    text[r * 9 + k] = mapped;
                }
            best = std::min(best, text);
        }
    return best;
}

std::vector<std::string> generatedLines(int count, std::uint64_t seed,
                                        const GeneratorOptions &options = {})
{
    MersenneRandom random(seed);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(generateBankLine(random, options));
    return lines;
}

std::string solutionOf(std::string_view line)
{
    std::string solution(line);
    for (char &ch : solution)
        if (ch >= 'A' && ch <= 'I')
            ch = static_cast<char>('1' + (ch - 'A'));
    return solution;
}

TEST(BankKey, MatchesTheExhaustiveDefinition)
{
    // Sparse puzzles leave the most ties for the pruned search; include one with empty rows.
    std::vector<std::string> lines = generatedLines(3, 11);
    std::string sparse = lines[0];
    for (int cell = 0; cell < 27; ++cell)
        if (cell / 9 != 1)
            sparse[cell] = '.';
    lines.push_back(sparse);
    for (const std::string &line : lines) {
        SCOPED_TRACE(line);
        EXPECT_EQ(canonicalKey(line), keyByExhaustion(line));
    }
}

TEST(BankKey, IsTheSameForEveryShuffledCopyAndDiffersBetweenPuzzles)
{
    const std::vector<std::string> lines = generatedLines(20, 5);
    MersenneRandom random(77);
    std::set<std::string> keys;
    for (const std::string &line : lines) {
        SCOPED_TRACE(line);
        const std::string key = canonicalKey(line);
        EXPECT_EQ(key, canonicalKey(bankLinePuzzle(line))) << "letters must not matter";
        for (int copy = 0; copy < 10; ++copy) {
            TQJ record;
            record.loadTemplate(line, random);
            ASSERT_EQ(canonicalKey(lineOf(record)), key) << lineOf(record);
        }
        keys.insert(key);

        // One given fewer is another puzzle.
        std::string fewer = line;
        const auto given = fewer.find_first_of("123456789");
        fewer[given] = static_cast<char>('A' + (fewer[given] - '1'));
        EXPECT_NE(canonicalKey(fewer), key);
    }
    EXPECT_EQ(keys.size(), lines.size());
}

TEST(BankKey, TellsMovesOutsideTheShuffleApart)
{
    // Swapping two bands is not a move of the shuffle; a copy made that way is a new puzzle
    // unless the exhaustive key says otherwise.
    for (const std::string &line : generatedLines(5, 21)) {
        std::string swapped = line.substr(27, 27) + line.substr(0, 27) + line.substr(54);
        EXPECT_EQ(canonicalKey(swapped) == canonicalKey(line),
                  keyByExhaustion(swapped) == keyByExhaustion(line));
    }
}

TEST(BankGenerator, MakesMinimalPuzzlesWithTheSolutionTheyCarry)
{
    for (const std::string &line : generatedLines(15, 3)) {
        SCOPED_TRACE(line);
        const std::optional<int> level
            = levelFor(gradePuzzle(bankLinePuzzle(line)), givenCount(line));
        if (level) {
            EXPECT_EQ(checkBankLine(line, *level).value_or("ok"), "ok");
        }
        EXPECT_LE(givenCount(line), 30);
        const std::string puzzle = bankLinePuzzle(line);
        const UniqueOutcome unique = countSolutions(puzzle);
        ASSERT_EQ(unique.result, UniqueResult::Unique);
        EXPECT_EQ(unique.first, solutionOf(line));
        for (int cell = 0; cell < 81; ++cell) {
            if (puzzle[cell] == '.')
                continue;
            std::string fewer = puzzle;
            fewer[cell] = '.';
            EXPECT_EQ(countSolutions(fewer).result, UniqueResult::Several) << "cell " << cell;
        }
    }
}

TEST(BankGenerator, HonoursSymmetryTheGivensFloorAndTheSeed)
{
    for (const std::string &line : generatedLines(5, 8, {Symmetry::Rotational, 0})) {
        SCOPED_TRACE(line);
        for (int cell = 0; cell < 81; ++cell)
            EXPECT_EQ(line[cell] <= '9', line[80 - cell] <= '9') << "cell " << cell;
        EXPECT_EQ(countSolutions(bankLinePuzzle(line)).result, UniqueResult::Unique);
    }
    for (const std::string &line : generatedLines(5, 9, {Symmetry::None, 34})) {
        EXPECT_EQ(givenCount(line), 34) << line;
        EXPECT_EQ(countSolutions(bankLinePuzzle(line)).result, UniqueResult::Unique);
    }
    EXPECT_EQ(generatedLines(2, 42), generatedLines(2, 42));
    EXPECT_NE(generatedLines(1, 42), generatedLines(1, 43));
}

GradeResult solvedWith(std::initializer_list<std::pair<HintTechnique, int>> counts)
{
    GradeResult grade;
    grade.status = GradeStatus::Solved;
    for (const auto &[technique, count] : counts)
        grade.techniqueCount[static_cast<std::size_t>(technique)] = count;
    return grade;
}

TEST(BankLevel, HardestTechniqueFirstThenGivens)
{
    using enum HintTechnique;
    struct Case
    {
        const char *what;
        GradeResult grade;
        int givens;
        std::optional<int> level;
    };
    GradeResult stuck = solvedWith({{HiddenSingle, 20}});
    stuck.status = GradeStatus::Stuck;
    GradeResult noSolution = solvedWith({{HiddenSingle, 20}});
    noSolution.status = GradeStatus::NoSolution;
    const Case cases[] = {
        {"hidden singles, many givens", solvedWith({{HiddenSingle, 49}}), 32, 0},
        {"hidden singles, fewer givens", solvedWith({{HiddenSingle, 50}}), 31, 1},
        {"one naked single", solvedWith({{HiddenSingle, 40}, {NakedSingle, 1}}), 40, 1},
        {"box/line", solvedWith({{HiddenSingle, 50}, {Intersection, 1}}), 24, 2},
        {"naked subset", solvedWith({{HiddenSingle, 50}, {NakedSingle, 5}, {NakedSubset, 2}}), 24,
         2},
        {"hidden subset", solvedWith({{HiddenSingle, 50}, {Intersection, 3}, {HiddenSubset, 1}}),
         24, 3},
        {"unique rectangle 1", solvedWith({{RectangleCornerExcluded, 1}}), 24, 3},
        {"unique rectangle 2", solvedWith({{RectangleExtraDigit, 1}}), 24, 3},
        {"unique rectangle 3", solvedWith({{RectangleSplitPair, 1}}), 24, 3},
        {"one-digit chain", solvedWith({{NakedSubset, 1}, {ChainOneDigit, 1}}), 24, 3},
        {"mixed chain", solvedWith({{ChainOneDigit, 2}, {ChainMixed, 1}}), 24, 4},
        {"two-candidate chain", solvedWith({{HiddenSubset, 1}, {ChainTwoCandidate, 1}}), 40, 4},
        {"stuck", stuck, 24, std::nullopt},
        {"no solution", noSolution, 24, std::nullopt},
        {"stumped counter", solvedWith({{HiddenSingle, 50}, {Stuck, 1}}), 24, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(levelFor(c.grade, c.givens), c.level) << c.what;
}

TEST(BankCheck, AcceptsAGoodLineAndNamesEachFault)
{
    const std::string good = generatedLines(1, 17).front();
    const std::string puzzle = bankLinePuzzle(good);
    GradeResult grade;
    const int level = levelFor(gradePuzzle(puzzle), givenCount(good)).value();
    EXPECT_EQ(checkBankLine(good, level, &grade), std::nullopt);
    EXPECT_EQ(grade.status, GradeStatus::Solved);

    auto problem = [](std::string_view line, int lineLevel) {
        return checkBankLine(line, lineLevel).value_or("(accepted)");
    };
    EXPECT_NE(problem(good.substr(0, 80), level).find("80 characters"), std::string::npos);
    std::string badChar = good;
    badChar[5] = '.';
    EXPECT_NE(problem(badChar, level).find("cell 6"), std::string::npos);

    // Two cells of a row swapped: the rows still hold 1-9, their columns no longer do.
    std::string badGrid = good;
    std::swap(badGrid[0], badGrid[1]);
    EXPECT_NE(problem(badGrid, level).find("column"), std::string::npos);

    // A minimal puzzle with one given opened up has several solutions.
    std::string several = good;
    const auto given = several.find_first_of("123456789");
    several[given] = static_cast<char>('A' + (several[given] - '1'));
    EXPECT_NE(problem(several, level).find("more than one"), std::string::npos);

    EXPECT_NE(problem(good, (level + 1) % 5).find("grades as level"), std::string::npos);

    // A puzzle built against pattern techniques that the engine cannot finish.
    const std::string hard
        = "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";
    const SolveOutcome solved = solvePuzzle(hard);
    ASSERT_EQ(solved.result, SolveResult::Solved);
    std::string hardLine = solved.values;
    for (int cell = 0; cell < 81; ++cell)
        if (hard[cell] == '.')
            hardLine[cell] = static_cast<char>('A' + (hardLine[cell] - '1'));
    EXPECT_NE(problem(hardLine, 4).find("does not finish"), std::string::npos);
}

} // namespace
} // namespace kestrel
