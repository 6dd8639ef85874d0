// The shipped puzzle bank: every line a real puzzle, and a drawn puzzle stays one.
#include "app/puzzle_bank.hpp"

#include "core/puzzle_record.hpp"
#include "core/random_source.hpp"
#include "core/solver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kestrel {
namespace {

/// The givens of a bank line as a solver puzzle ("." for an open cell).
std::string puzzleOf(std::string_view line)
{
    std::string puzzle(line);
    for (char &ch : puzzle)
        if (ch >= 'A' && ch <= 'I')
            ch = '.';
    return puzzle;
}

/// The solution a bank line carries.
std::string solutionOf(std::string_view line)
{
    std::string solution(line);
    for (char &ch : solution)
        if (ch >= 'A' && ch <= 'I')
            ch = static_cast<char>('1' + (ch - 'A'));
    return solution;
}

TEST(ShippedBank, EveryLineIsAPuzzleWithExactlyOneSolutionItCarries)
{
    const PuzzleBank &bank = PuzzleBank::shipped();
    std::set<std::string_view> seen;
    for (int level = 0; level < kBankLevels; ++level) {
        const std::size_t minimum[kBankLevels] = {3858, 4238, 1508, 3842, 4849};
        ASSERT_GE(bank.lines(level).size(), minimum[level]) << "level " << level;
        for (std::string_view line : bank.lines(level)) {
            SCOPED_TRACE(std::string(line));
            ASSERT_EQ(line.size(), 81u);
            ASSERT_TRUE(std::all_of(line.begin(), line.end(), [](char ch) {
                return (ch >= '1' && ch <= '9') || (ch >= 'A' && ch <= 'I');
            }));
            EXPECT_TRUE(seen.insert(line).second) << "twice in the bank";
            const UniqueOutcome outcome = countSolutions(puzzleOf(line));
            ASSERT_EQ(outcome.result, UniqueResult::Unique);
            EXPECT_EQ(outcome.first, solutionOf(line));
        }
    }
}

TEST(ShippedBank, ShuffledPuzzlesKeepOneSolutionAndTheirGivensCount)
{
    const PuzzleBank &bank = PuzzleBank::shipped();
    MersenneRandom random(99);
    for (int round = 0; round < 200; ++round) {
        const int level = round % kBankLevels;
        const std::string_view line = bank.draw(level, random);
        TQJ record;
        record.loadTemplate(line, random);
        const std::string givens = record.givensString();
        EXPECT_EQ(std::count(givens.begin(), givens.end(), '0'),
                  std::count_if(line.begin(), line.end(), [](char ch) { return ch > '9'; }));
        const UniqueOutcome outcome = countSolutions(givens);
        ASSERT_EQ(outcome.result, UniqueResult::Unique) << givens;
        EXPECT_EQ(outcome.first, record.solutionString());
    }
}

} // namespace
} // namespace kestrel
