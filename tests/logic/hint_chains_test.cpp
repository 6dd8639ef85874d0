#include "logic/hint_engine.hpp"

#include "logic/hint_test_grid.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

using test::EngineFixture;
using test::HintGrid;

TEST(HintEngineChains, XWingInRowsIsAOneDigitChainOfFourCells)
{
    EngineFixture f;
    f.load(HintGrid().removeFromRow('A', '5', {"A1", "A5"}).removeFromRow('E', '5', {"E1", "E5"}));
    ASSERT_TRUE(f.engine->runTechnique(HintSearch::Chains));
    EXPECT_EQ(f.engine->text(), "在数字 5 的链 (A1, A5, E5, E1) 中,\r\n在 E1, A1 中必有一个是 5");
    EXPECT_EQ(f.painted(kHintMagenta), "A1 E1");
    EXPECT_EQ(f.painted(kHintCyan), "A5 E5");
    for (const char *cell : {"B1", "C1", "D1", "F1", "G1", "H1", "I1"})
        EXPECT_EQ(f.cand(cell), "12346789") << cell;
    EXPECT_EQ(f.cand("B5"), "123456789") << "the other column keeps its 5 in this hint";
    EXPECT_EQ(f.engine->difficultyScore(), 50);
    EXPECT_EQ(f.engine->techniqueCount()[9], 1);
}

TEST(HintEngineChains, RemotePairIsATwoCandidateChainFoundInPassA)
{
    // A1 - A5 - D5 - D2, all "12"; the lines they share hold no other 1 or 2.
    EngineFixture f;
    HintGrid grid;
    grid.set("A1", "12").set("A5", "12").set("D5", "12").set("D2", "12");
    for (char d : {'1', '2'}) {
        grid.removeFromRow('A', d, {"A1", "A5"});
        grid.removeFromColumn(5, d, {"A5", "D5"});
        grid.removeFromRow('D', d, {"D5", "D2"});
    }
    f.load(grid);
    ASSERT_TRUE(f.engine->runTechnique(HintSearch::Chains));
    EXPECT_EQ(f.engine->text(), "在双数链 (A1, A5, D5, D2) 中,\r\n在 D2, A1 中必有一个是 1");
    EXPECT_EQ(f.painted(kHintMagenta), "A1 D2");
    EXPECT_EQ(f.painted(kHintCyan), "A5 D5");
    for (const char *cell : {"B2", "C2", "E1", "F1"})
        EXPECT_EQ(f.cand(cell), "23456789") << cell;
    EXPECT_EQ(f.engine->difficultyScore(), 100);
    EXPECT_EQ(f.engine->techniqueCount()[10], 1);
}

TEST(HintEngineChains, ChainWithoutACommonPeerHoldingTheDigitRemovesNothing)
{
    // Only strong links A1 = A5 in row A: the two ends share row A alone, which holds no other
    // 5, so nothing is found and the grid is unchanged.
    EngineFixture f;
    f.load(HintGrid().removeFromRow('A', '5', {"A1", "A5"}));
    const auto before = f.candidates();
    EXPECT_FALSE(f.engine->runTechnique(HintSearch::Chains));
    EXPECT_EQ(f.candidates(), before);
    EXPECT_EQ(f.engine->text(), "");
    EXPECT_EQ(f.engine->difficultyScore(), 0);
}

TEST(HintEngineChains, MixedChainChangesDigitsInTwoCandidateCells)
{
    // A1 and E5 hold 5 or 7; 7 lies in column 5 only at A5 and E5; 5 in row E only at E5, E2.
    // 5 off in A1 -> 7 on in A1 -> 7 off in A5 -> 7 on in E5 -> 5 off in E5 -> 5 on in E2.
    // Neither a one-digit chain nor a chain of two-candidate cells makes that link.
    EngineFixture f;
    f.load(HintGrid()
               .set("A1", "57")
               .set("E5", "57")
               .removeFromColumn(5, '7', {"A5", "E5"})
               .removeFromRow('E', '5', {"E5", "E2"}));
    ASSERT_TRUE(f.engine->runTechnique(HintSearch::Chains));
    EXPECT_EQ(f.engine->text(), "在链 (A1, A5, E5, E2) 中,\r\n在 E2, A1 中必有一个是 5");
    EXPECT_EQ(f.painted(kHintMagenta), "A1 E2");
    EXPECT_EQ(f.painted(kHintCyan), "A5 E5");
    for (const char *cell : {"A2", "B2", "C2", "D1", "F1"})
        EXPECT_EQ(f.cand(cell), "12346789") << cell;
    EXPECT_EQ(f.engine->difficultyScore(), 250);
    EXPECT_EQ(f.engine->techniqueCount()[8], 1);
}

} // namespace
} // namespace kestrel
