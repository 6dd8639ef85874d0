#include "core/puzzle_record.hpp"

#include "core/random_source.hpp"
#include "support/scripted_random.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>

namespace kestrel {
namespace {

// A solved grid and a bank line made from it: digits are givens, letters the solution digit
// ("A" = 1 … "I" = 9) of an open cell.
constexpr const char *kSolution
    = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string bankLineFrom(const std::string &solution, const std::string &givenMask)
{
    std::string line;
    for (std::size_t k = 0; k < 81; ++k)
        line.push_back(givenMask[k] == 'x' ? solution[k]
                                           : static_cast<char>('A' + (solution[k] - '1')));
    return line;
}

const std::string kMask
    = "xx..x....x..xxx....xx....x.x...x...xx..x.x..xx...x...x.x....xx....xxx..x....x..xx";

bool isValidSolution(const std::string &s)
{
    if (s.size() != 81)
        return false;
    for (int unit = 0; unit < 27; ++unit) {
        std::string seen;
        for (int k = 0; k < 81; ++k) {
            const int r = k / 9, c = k % 9;
            const bool inUnit = unit < 9 ? r == unit
                : unit < 18              ? c == unit - 9
                                         : (r / 3) * 3 + c / 3 == unit - 18;
            if (inUnit)
                seen.push_back(s[static_cast<std::size_t>(k)]);
        }
        std::sort(seen.begin(), seen.end());
        if (seen != "123456789")
            return false;
    }
    return true;
}

int givensCount(const TQJ &record)
{
    const std::string givens = record.givensString();
    return static_cast<int>(81 - std::count(givens.begin(), givens.end(), '0'));
}

TEST(PuzzleRecord, LoadTemplateReadsGivensAndSolutionLetters)
{
    TQJ record;
    record.loadTemplateUnshuffled(bankLineFrom(kSolution, kMask));
    EXPECT_EQ(record.solutionString(), kSolution);
    const std::string givens = record.givensString();
    for (std::size_t k = 0; k < 81; ++k)
        EXPECT_EQ(givens[k], kMask[k] == 'x' ? kSolution[k] : '0') << "cell " << k;
    EXPECT_EQ(record.node(9, 9).row, 9);
    EXPECT_EQ(record.node(9, 9).col, 9);
}

TEST(PuzzleRecord, TemplateOfLettersOnlyHasNoGivensButAFullSolution)
{
    TQJ record;
    record.loadTemplate(bankLineFrom(kSolution, std::string(81, '.')));
    EXPECT_EQ(record.givensString(), std::string(81, '0'));
    EXPECT_TRUE(record.isEmpty());
    EXPECT_TRUE(isValidSolution(record.solutionString()));
}

TEST(PuzzleRecord, ShuffleKeepsAValidGridAndTheGivensCountOverManySeeds)
{
    TQJ original;
    original.loadTemplateUnshuffled(bankLineFrom(kSolution, kMask));
    const int givens = givensCount(original);
    bool changedOnce = false;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        TQJ record = original;
        MersenneRandom random(seed);
        record.shuffle(200, random);
        const std::string solution = record.solutionString();
        ASSERT_TRUE(isValidSolution(solution));
        EXPECT_EQ(givensCount(record), givens);
        // Each given still shows its own solution digit.
        const std::string g = record.givensString();
        for (std::size_t k = 0; k < 81; ++k) {
            if (g[k] != '0') {
                ASSERT_EQ(g[k], solution[k]);
            }
        }
        changedOnce = changedOnce || solution != kSolution;
    }
    EXPECT_TRUE(changedOnce);
}

TEST(PuzzleRecord, ShuffleMovesSwapColumnsAndRowsInsideTheirBand)
{
    TQJ record;
    record.loadTemplateUnshuffled(bankLineFrom(kSolution, kMask));
    // k = 2, a = 1, b = 2 → b becomes 3: columns 4 and 6 change places.
    ScriptedRandom columns({2, 1, 2});
    TQJ swapped = record;
    swapped.shuffle(1, columns);
    for (int r = 1; r <= 9; ++r) {
        EXPECT_EQ(swapped.node(r, 4).value, record.node(r, 6).value);
        EXPECT_EQ(swapped.node(r, 6).value, record.node(r, 4).value);
        EXPECT_EQ(swapped.node(r, 4).given, record.node(r, 6).given);
    }
    // k = 6, a = 2, b = 2 → b becomes 3: rows 8 and 9 change places.
    ScriptedRandom rows({6, 2, 2});
    swapped = record;
    swapped.shuffle(1, rows);
    for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(swapped.node(8, c).value, record.node(9, c).value);
        EXPECT_EQ(swapped.node(9, c).given, record.node(8, c).given);
    }
}

TEST(PuzzleRecord, RelabelOfNineWithAnEqualDrawSwapsNineAndOne)
{
    TQJ record;
    record.loadTemplateUnshuffled(bankLineFrom(kSolution, kMask));
    ScriptedRandom random({7, 3, 1, 9, 9});
    TQJ relabelled = record;
    relabelled.shuffle(1, random);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const int before = record.node(r, c).value;
            const int expected = before == 9 ? 1 : before == 1 ? 9 : before;
            EXPECT_EQ(relabelled.node(r, c).value, expected);
            EXPECT_EQ(relabelled.node(r, c).given, record.node(r, c).given);
        }
    }
}

TEST(PuzzleRecord, ShuffleWithFewerThanOneMoveDoesNothing)
{
    TQJ record;
    record.loadTemplateUnshuffled(bankLineFrom(kSolution, kMask));
    ScriptedRandom noDraws({});
    record.shuffle(0, noDraws);
    record.shuffle(-3);
    EXPECT_EQ(record.solutionString(), kSolution);
}

TEST(PuzzleRecord, LoadGivensAndLoadValuesNeedExactlyEightyOneCharactersAfterTrimming)
{
    TQJ record;
    record.loadTemplateUnshuffled(bankLineFrom(kSolution, kMask));
    record.loadGivens(std::string(81, '0'));
    EXPECT_TRUE(record.isEmpty());
    EXPECT_EQ(record.solutionString(), "");

    const std::string givens
        = "  " + std::string(kSolution).substr(0, 40) + std::string(41, '0') + "\r\n";
    record.loadGivens(givens);
    EXPECT_EQ(record.givensString(), std::string(kSolution).substr(0, 40) + std::string(41, '0'));
    EXPECT_EQ(record.solutionString(), "") << "only the givens carry values";

    record.loadValues(std::string(" ") + kSolution + " ");
    EXPECT_EQ(record.solutionString(), kSolution);
    EXPECT_EQ(record.givensString().substr(0, 40), std::string(kSolution).substr(0, 40))
        << "loadValues leaves the given flags alone";

    record.loadValues(std::string(kSolution).substr(0, 80)); // too short: values cleared only
    EXPECT_EQ(record.solutionString(), "");
    record.loadGivens(std::string(82, '1'));
    EXPECT_EQ(record.givensString(), std::string(81, '0'));
}

} // namespace
} // namespace kestrel
