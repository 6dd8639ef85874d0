#include "logic/hint_engine.hpp"

#include "logic/hint_test_grid.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {
namespace {

using test::EngineFixture;
using test::HintGrid;

struct Case
{
    const char *name;
    std::function<void(HintGrid &)> build;
    HintSearch search;
    std::string text;
    const char *magenta;
    std::vector<std::pair<const char *, const char *>> candidates; // cell, engine candidates
    int score;
};

void runCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EngineFixture f;
        HintGrid grid;
        c.build(grid);
        f.load(grid);
        EXPECT_TRUE(f.engine->runTechnique(c.search));
        EXPECT_EQ(f.engine->text(), c.text);
        EXPECT_EQ(f.painted(kHintMagenta), c.magenta);
        for (const auto &[cell, expected] : c.candidates)
            EXPECT_EQ(f.cand(cell), expected) << cell;
        EXPECT_EQ(f.engine->difficultyScore(), c.score);
    }
}

TEST(HintEngineSingles, IntersectionsPointingAndLineIntoBox)
{
    runCases({
        {"pointing along a row",
         [](HintGrid &g) {
             g.removeFromBox("A1", '5', {"A1", "A2"});
         },
         HintSearch::Intersection,
         "在左上九宫格, 单元格 A1, A2 中一定包含 5",
         "A1 A2",
         {{"A4", "12346789"}, {"A9", "12346789"}, {"A3", "12346789"}, {"B1", "12346789"}},
         5},
        {"column into box, listed from the lowest row up",
         [](HintGrid &g) {
             g.removeFromColumn(4, '7', {"B4", "C4"});
         },
         HintSearch::Intersection,
         "在列4, 单元格 C4, B4 中一定包含 7",
         "B4 C4",
         {{"A5", "12345689"}, {"C6", "12345689"}, {"B4", "123456789"}, {"D5", "123456789"}},
         5},
        {"pointing along a column",
         [](HintGrid &g) {
             g.removeFromBox("E5", '9', {"D6", "F6"});
         },
         HintSearch::Intersection,
         "在中间九宫格, 单元格 F6, D6 中一定包含 9",
         "D6 F6",
         {{"A6", "12345678"}, {"I6", "12345678"}, {"E6", "12345678"}, {"D6", "123456789"}},
         5},
        {"row into box",
         [](HintGrid &g) {
             g.removeFromRow('G', '1', {"G7", "G9"});
         },
         HintSearch::Intersection,
         "在行G, 单元格 G7, G9 中一定包含 1",
         "G7 G9",
         {{"H7", "23456789"}, {"I9", "23456789"}, {"G8", "23456789"}, {"G9", "123456789"}},
         5},
    });
}

TEST(HintEngineSingles, IntersectionThatRemovesNothingIsPassedOverOncePerLoading)
{
    EngineFixture f;
    f.load(HintGrid().removeFromBox("A1", '5', {"A1", "A2"}).removeFromRow('A', '5', {"A1", "A2"}));
    EXPECT_FALSE(f.engine->runTechnique(HintSearch::Intersection));
    EXPECT_EQ(f.engine->boxOpen(0).bits(), 511 & ~(1 << 4));
    EXPECT_EQ(f.engine->boxOpen(1).bits(), 511);
    EXPECT_EQ(f.engine->text(), "");
    EXPECT_EQ(f.painted(kHintCyan), "");
}

TEST(HintEngineSingles, SubsetsNakedAndHidden)
{
    const auto hiddenPair = [](HintGrid &g) {
        g.removeFromRow('I', '4', {"I4", "I6"}).removeFromRow('I', '6', {"I4", "I6"});
    };
    runCases({
        {"naked pair",
         [](HintGrid &g) { g.set("I1", "12").set("I2", "12"); },
         HintSearch::Subsets,
         "2 个格子内只能包含 2 个数字。\r\n在行I, 单元格 I1, I2\r\n一定包含且只包含 1, 2.",
         "I1 I2",
         {{"I3", "3456789"}, {"I9", "3456789"}, {"H1", "123456789"}},
         20},
        {"hidden pair (cells listed by position: column 4 before column 6)",
         hiddenPair,
         HintSearch::Subsets,
         "2 个数字只能存在于 2 个格子内。\r\n在行I, 单元格 I4, I6\r\n一定包含且只包含 4, 6.",
         "I4 I6",
         {{"I4", "46"}, {"I6", "46"}, {"I5", "1235789"}},
         40},
        {"a hidden pair beats a naked triple of the same unit",
         [&](HintGrid &g) {
             hiddenPair(g);
             g.set("I1", "12").set("I2", "23").set("I3", "13");
         },
         HintSearch::Subsets,
         "2 个数字只能存在于 2 个格子内。\r\n在行I, 单元格 I4, I6\r\n一定包含且只包含 4, 6.",
         "I4 I6",
         {{"I4", "46"}, {"I5", "1235789"}},
         40},
        {"pairs in every unit come before triples",
         [](HintGrid &g) {
             g.set("I1", "12").set("I2", "23").set("I3", "13");
             g.set("A1", "89").set("B2", "89");
         },
         HintSearch::Subsets,
         "2 个格子内只能包含 2 个数字。\r\n在左上九宫格, 单元格 A1, B2\r\n一定包含且只包含 8, 9.",
         "A1 B2",
         {{"C3", "1234567"}, {"A2", "1234567"}, {"A9", "123456789"}},
         20},
        {"naked triple",
         [](HintGrid &g) { g.set("I1", "12").set("I2", "23").set("I3", "13"); },
         HintSearch::Subsets,
         "3 个格子内只能包含 3 个数字。\r\n在行I, 单元格 I1, I2, I3\r\n一定包含且只包含 1, 2, 3.",
         "I1 I2 I3",
         {{"I4", "456789"}, {"I3", "13"}},
         20},
        {"a pair that removes nothing is passed over",
         [](HintGrid &g) {
             for (char d = '1'; d <= '7'; ++d)
                 g.given(std::string{'I', d}, d);
             g.set("I8", "89").set("I9", "89").set("A9", "89");
         },
         HintSearch::Subsets,
         "2 个格子内只能包含 2 个数字。\r\n在列9, 单元格 A9, I9\r\n一定包含且只包含 8, 9.",
         "A9 I9",
         {{"B9", "1234567"}, {"I8", "89"}},
         20},
    });
}

} // namespace
} // namespace kestrel
