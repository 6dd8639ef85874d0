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
    const char *cyan;
    const char *magenta;
    std::vector<std::pair<const char *, const char *>> candidates; // cell, engine candidates
    int score;
    int slot;
};

TEST(HintEngineRectangles, Searches)
{
    const Case cases[] = {
        {"row pair, one corner is the pair",
         [](HintGrid &g) { g.set("A1", "12").set("A2", "12").set("D1", "12").set("D2", "123"); },
         HintSearch::RectangleRowPairs,
         "找到唯一矩阵,D2不能包含候选数 1,2",
         "A1 A2 D1",
         "D2",
         {{"D2", "3"}, {"D1", "12"}, {"E2", "123456789"}},
         30,
         5},
        {"row pair, both corners are the pair: the target is left without candidates",
         [](HintGrid &g) { g.set("A1", "12").set("A2", "12").set("D1", "12").set("D2", "12"); },
         HintSearch::RectangleRowPairs,
         "找到唯一矩阵,D2不能包含候选数 1,2",
         "A1 A2 D1 D2",
         "",
         {{"D2", ""}, {"D1", "12"}},
         30,
         5},
        {"row pair, extra digit",
         [](HintGrid &g) { g.set("A1", "12").set("A2", "12").set("D1", "123").set("D2", "123"); },
         HintSearch::RectangleRowPairs,
         "找到唯一矩阵,(D1,D2) 一定能包含候选数 3",
         "A1 A2",
         "D1 D2",
         {{"D9", "12456789"}, {"F3", "12456789"}, {"E9", "123456789"}, {"D1", "123"}},
         50,
         6},
        {"row pair, extra digit nowhere else: the next row is tried",
         [](HintGrid &g) {
             g.set("A1", "12").set("A2", "12").set("D1", "123").set("D2", "123");
             g.removeFromRow('D', '3', {"D1", "D2"}).removeFromBox("D1", '3', {"D1", "D2"});
             g.set("E1", "124").set("E2", "124");
         },
         HintSearch::RectangleRowPairs,
         "找到唯一矩阵,(E1,E2) 一定能包含候选数 4",
         "A1 A2",
         "E1 E2",
         {{"E9", "12356789"}, {"F1", "1256789"}, {"D3", "1256789"}},
         50,
         6},
        {"column pair, one corner is the pair",
         [](HintGrid &g) { g.set("A1", "12").set("B1", "12").set("A4", "12").set("B4", "123"); },
         HintSearch::RectangleColumnPairs,
         "找到唯一矩阵,B4不能包含候选数 1,2",
         "A1 A4 B1",
         "B4",
         {{"B4", "3"}},
         30,
         5},
        {"column pair, extra digit",
         [](HintGrid &g) { g.set("A1", "12").set("B1", "12").set("A4", "123").set("B4", "123"); },
         HintSearch::RectangleColumnPairs,
         "找到唯一矩阵,(A4,B4) 一定能包含候选数 3",
         "A1 B1",
         "A4 B4",
         {{"I4", "12456789"}, {"C6", "12456789"}, {"A9", "123456789"}},
         50,
         6},
        {"a row pair is reported before a column pair, wherever it is",
         [](HintGrid &g) {
             g.set("A1", "12").set("B1", "12").set("A4", "12").set("B4", "123");
             g.set("G7", "34").set("G8", "34").set("A7", "34").set("A8", "345");
         },
         HintSearch::Rectangles,
         "找到唯一矩阵,A8不能包含候选数 3,4",
         "A7 G7 G8",
         "A8",
         {{"A8", "5"}, {"B4", "123"}},
         30,
         5},
        {"split pair along rows clears every x of the row, counted per cell",
         [](HintGrid &g) {
             g.set("A1", "12").set("A4", "12").set("B1", "123").set("B4", "123");
             g.removeFromRow('B', '3', {"B1", "B4", "B2", "B5", "B9"});
         },
         HintSearch::RectangleSplitPairs,
         "找到唯一矩阵,（B1,B4）一定有一个是数字3",
         "A1 A4",
         "B1 B4",
         {{"B2", "12456789"}, {"B5", "12456789"}, {"B9", "12456789"}, {"B1", "123"}},
         150,
         7},
        {"split pair along columns",
         [](HintGrid &g) {
             g.set("A1", "12").set("D1", "12").set("A2", "123").set("D2", "123");
             g.removeFromColumn(2, '3', {"A2", "D2", "H2"});
         },
         HintSearch::RectangleSplitPairs,
         "找到唯一矩阵,（A2,D2）一定有一个是数字3",
         "A1 D1",
         "A2 D2",
         {{"H2", "12456789"}, {"D2", "123"}},
         50,
         7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EngineFixture f;
        HintGrid grid;
        c.build(grid);
        f.load(grid);
        EXPECT_TRUE(f.engine->runTechnique(c.search));
        EXPECT_EQ(f.engine->text(), c.text);
        EXPECT_EQ(f.painted(kHintCyan), c.cyan);
        EXPECT_EQ(f.painted(kHintMagenta), c.magenta);
        for (const auto &[cell, expected] : c.candidates)
            EXPECT_EQ(f.cand(cell), expected) << cell;
        EXPECT_EQ(f.engine->difficultyScore(), c.score);
        EXPECT_EQ(f.engine->techniqueCount()[c.slot] * HintEngine::kWeights[c.slot], c.score);
    }
}

TEST(HintEngineRectangles, EmptiedCornerKeepsItsBoardMarks)
{
    test::SessionFixture f;
    HintGrid().set("A1", "12").set("A2", "12").set("D1", "12").set("D2", "12").applyTo(*f.board);
    f.window->loadFromBoard();
    ASSERT_TRUE(f.window->engine().runTechnique(HintSearch::RectangleRowPairs));
    ASSERT_EQ(f.cand("D2"), "");
    f.window->writeBackToBoard();
    EXPECT_EQ(f.cell("D2").hxs, "12");
}

} // namespace
} // namespace kestrel
