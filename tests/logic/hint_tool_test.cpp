#include "logic/hint_tool.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace kestrel {
namespace {

constexpr std::string_view kEasterMonster
    = "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";
// A solved grid with the four cells of a swappable rectangle opened: two solutions.
constexpr std::string_view kTwoSolutions
    = "..4682537682537149537194628..6475283825319764743826915371968452469253871258741396";
constexpr std::string_view kGentle
    = "91...25.7.....71...37....2819.4....38253.9.6.7.3.2.9..371.6...2.6.2.3...2..74..9.";

TEST(HintEngineGolden, EveryPuzzleShowsItsRecordedHintSequence)
{
    std::ifstream in(std::string(KESTREL_TEST_DATA_DIR) + "/hint_golden.txt", std::ios::binary);
    ASSERT_TRUE(in) << "missing hint_golden.txt";
    std::string line;
    int lineNumber = 0;
    int puzzles = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        ++puzzles;
        const std::string puzzle = line.substr(0, line.find('|'));
        std::string actual = puzzle;
        for (const std::string &text : hintSequence(puzzle))
            actual += "|" + hintTextOnOneLine(text);
        if (actual == line)
            continue;
        std::size_t at = 0;
        while (at < actual.size() && at < line.size() && actual[at] == line[at])
            ++at;
        const std::size_t from = line.rfind('|', at) == std::string::npos ? 0 : line.rfind('|', at);
        ADD_FAILURE() << "hint_golden.txt line " << lineNumber << " (" << puzzle
                      << ") differs at\n  expected: " << line.substr(from, 120)
                      << "\n  actual:   " << actual.substr(from, 120);
    }
    EXPECT_GE(puzzles, 10);
}

TEST(HintEngineGolden, FirstHintOnOneLine)
{
    EXPECT_EQ(firstHintLine(kEasterMonster), "难住我了，到帮助的“解题技巧”页（techniques.htm）求助吧!!!");
    EXPECT_EQ(firstHintLine(kTwoSolutions), "找到唯一矩阵,D2不能包含候选数 1,9");
    EXPECT_EQ(firstHintLine("123"), "");
    EXPECT_EQ(hintTextOnOneLine("2 个\r\n在行I\r\n一定."), "2 个 / 在行I / 一定.");
    EXPECT_EQ(hintTextOnOneLine("a\rb\n"), "a\rb\n");
}

TEST(HintEngineGolden, GradeReportsHowTheEngineStopped)
{
    struct Case
    {
        std::string_view puzzle;
        GradeStatus status;
        std::string_view cells;
        int score;
    };
    const Case cases[] = {
        {kGentle, GradeStatus::Solved,
         "914682537682537149537194628196475283825319764743826915371968452469253871258741396", 44},
        {kEasterMonster, GradeStatus::Stuck, kEasterMonster, 800},
        {kTwoSolutions, GradeStatus::NoSolution,
         "9146825376825371495371946281.6475283825319764743826915371968452469253871258741396", 33},
        {"12345", GradeStatus::InvalidInput, "", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(gradeStatusName(c.status));
        const GradeResult result = gradePuzzle(c.puzzle);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.cells, c.cells);
        int weighted = 0;
        constexpr int weights[12] = {1, 10, 5, 20, 40, 30, 50, 50, 250, 50, 100, 800};
        for (int slot = 0; slot < 12; ++slot)
            weighted += weights[slot] * result.techniqueCount[slot];
        EXPECT_EQ(result.difficultyScore, weighted);
        EXPECT_EQ(result.difficultyScore, c.score);
    }
    EXPECT_EQ(gradePuzzle(kTwoSolutions).techniqueCount[5], 1);
}

} // namespace
} // namespace kestrel
