#include "core/grid.hpp"

#include <gtest/gtest.h>

#include <set>

namespace kestrel {
namespace {

TEST(Grid, BoxOfNumbersBoxesByBands)
{
    EXPECT_EQ(boxOf(4, 7), 6);
    EXPECT_EQ(boxOf(9, 1), 7);
    EXPECT_EQ(boxOf(1, 9), 3);
    EXPECT_EQ(boxOf(1, 1), 1);
    EXPECT_EQ(boxOf(9, 9), 9);
    EXPECT_EQ(boxOf(0, 5), 0);
    EXPECT_EQ(boxOf(5, 10), 0);
}

TEST(Grid, EveryCellHasTwentyDistinctPeersInRowMajorOrder)
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            SCOPED_TRACE(testing::Message() << "cell " << r << "," << c);
            const PeerList &peers = peersOf(r, c);
            std::set<int> seen;
            int previous = 0;
            for (const CellPos p : peers) {
                const int index = cellIndex(p.row, p.col);
                EXPECT_GT(index, previous) << "not row-major";
                previous = index;
                EXPECT_TRUE(p.row == r || p.col == c || boxOf(p.row, p.col) == boxOf(r, c));
                EXPECT_FALSE(p.row == r && p.col == c);
                seen.insert(index);
            }
            EXPECT_EQ(seen.size(), 20u);
        }
    }
}

TEST(Grid, CellNameIsRowLetterThenColumn)
{
    EXPECT_STREQ(cellName(3, 7).data(), "C7");
    EXPECT_STREQ(cellName(9, 1).data(), "I1");
}

} // namespace
} // namespace kestrel
