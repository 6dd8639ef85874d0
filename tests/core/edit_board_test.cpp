#include "core/edit_board.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel {
namespace {

// Cells whose isError is set, as "r,c" in row-major order.
std::vector<std::string> markedCells(const TSD33 &board)
{
    std::vector<std::string> marked;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (board.cell(r, c).isError)
                marked.push_back(std::to_string(r) + "," + std::to_string(c));
    return marked;
}

TEST(EditBoardKeys, DigitsDotAndBackspacePassEverythingElseIsDropped)
{
    for (char32_t key = U'1'; key <= U'9'; ++key)
        EXPECT_TRUE(TSD33::acceptsKey(key)) << static_cast<char>(key);
    EXPECT_TRUE(TSD33::acceptsKey(U'.'));
    EXPECT_TRUE(TSD33::acceptsKey(8));
    for (char32_t key : {U'0', U'a', U'*', U' ', U'\r', U'\x7f', U'？', U'５'})
        EXPECT_FALSE(TSD33::acceptsKey(key)) << static_cast<unsigned>(key);
}

TEST(EditBoardConflicts, EqualDigitsInAColumnMarkBothAndClearingOneRestoresBoth)
{
    TSD33 board;
    const Colour plain = board.cell(2, 4).color; // box 2
    board.setCellText(2, 4, "5");
    EXPECT_TRUE(markedCells(board).empty());

    board.setCellText(8, 4, "5");
    EXPECT_EQ(markedCells(board), (std::vector<std::string>{"2,4", "8,4"}));
    EXPECT_EQ(board.cell(2, 4).color, 0x000000FFu);
    EXPECT_EQ(board.cell(8, 4).color, 0x000000FFu);

    board.setCellText(8, 4, "");
    EXPECT_TRUE(markedCells(board).empty());
    EXPECT_EQ(board.cell(2, 4).color, plain);
    EXPECT_EQ(board.cell(8, 4).color, board.UNFoucsColor2); // box 8
}

TEST(EditBoardConflicts, FirstCellPairsWithItsLastPartnerAndStateIsIgnored)
{
    TSD33 board;
    // (1,2) sees (1,8) in its row, (3,3) in its box and (7,2) in its column; (4,5) is not a
    // peer. All four hold "3"; the partner of the first cell is the last one row-major.
    for (auto [r, c] : {std::pair{1, 8}, {3, 3}, {7, 2}, {4, 5}})
        board.cell(r, c).text = "3";
    board.cell(1, 2).text = "3";
    board.cell(1, 2).state = 3; // candidates cells take part too
    board.cell(7, 2).state = 1;
    board.markConflicts();
    EXPECT_EQ(markedCells(board), (std::vector<std::string>{"1,2", "7,2"}));
}

TEST(EditBoardConflicts, SeveralCharactersNeverStartAPair)
{
    TSD33 board;
    board.setCellText(1, 1, "12");
    board.setCellText(1, 9, "12");
    EXPECT_TRUE(markedCells(board).empty());
    EXPECT_TRUE(board.isValid());

    // A lone "." is one character like a digit and does start a pair.
    board.setCellText(5, 5, ".");
    board.setCellText(6, 6, ".");
    EXPECT_EQ(markedCells(board), (std::vector<std::string>{"5,5", "6,6"}));
}

TEST(EditBoardConflicts, IsValidAnswersWithoutMarking)
{
    TSD33 board;
    board.cell(4, 1).text = "7";
    board.cell(4, 9).text = "7";
    EXPECT_FALSE(board.isValid());
    EXPECT_TRUE(markedCells(board).empty());

    // Stale marks are neither read nor cleared.
    board.markConflicts();
    board.cell(4, 9).text = "8";
    EXPECT_TRUE(board.isValid());
    EXPECT_EQ(markedCells(board), (std::vector<std::string>{"4,1", "4,9"}));
}

TEST(EditBoardText, SetCellTextKeepsNineCharacters)
{
    TSD33 board;
    board.setCellText(1, 1, "1234567891");
    EXPECT_EQ(board.cell(1, 1).text, "123456789");
    board.setCellText(1, 2, "ééééééééééé");
    EXPECT_EQ(board.cell(1, 2).text, "ééééééééé"); // cut by character, not by byte
}

TEST(EditBoardLayout, Width400GivesPitch44AndNarrowerCellsAfterBoxes)
{
    TSD33 board;
    board.setWidth2(400);
    EXPECT_EQ(board.width2(), 400);
    for (int i = 1; i <= 9; ++i) {
        SCOPED_TRACE(i);
        const TSD33::TNode &inColumn = board.cell(1, i);
        EXPECT_EQ(inColumn.left, (i - 1) * 44 + 1);
        EXPECT_EQ(inColumn.width, (i == 3 || i == 6) ? 41 : 43);
        const TSD33::TNode &inRow = board.cell(i, 1);
        EXPECT_EQ(inRow.top, (i - 1) * 44 + 1);
        EXPECT_EQ(inRow.height, (i == 3 || i == 6) ? 41 : 43);
    }
    EXPECT_EQ(board.cell(6, 3).width, 41);
    EXPECT_EQ(board.cell(6, 3).height, 41);
}

TEST(EditBoardLayout, ConstructionLaysOutAt442AndColoursTheBoxes)
{
    TSD33 board;
    EXPECT_EQ(board.width2(), 442);
    EXPECT_EQ(board.cell(9, 9).left, 8 * 49 + 1);
    EXPECT_EQ(board.cell(9, 9).width, 48);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TSD33::TNode &node = board.cell(r, c);
            EXPECT_EQ(node.row, r);
            EXPECT_EQ(node.col, c);
            EXPECT_EQ(node.state, 2);
            EXPECT_EQ(node.color, boxOf(r, c) % 2 == 0 ? 16759739u : 0x00FFFFFFu);
        }
    }
}

TEST(EditBoardPaint, FontAndReadOnlyFollowStateThenTextLength)
{
    TSD33 board;
    board.FONTSize3 = 11;
    board.cell(1, 1).state = 1;
    board.cell(1, 1).text = "123"; // a given keeps the given style whatever it holds
    board.cell(1, 2).text = "4";
    board.cell(1, 3).state = 3;
    board.cell(1, 3).text = "4"; // one character: value style even in state 3
    board.cell(1, 4).text = "456"; // several characters
    board.layoutAndPaint();

    EXPECT_TRUE(board.cell(1, 1).readOnly);
    EXPECT_EQ(board.cell(1, 1).fontSize, 25);
    EXPECT_EQ(board.cell(1, 1).fontColor, 0u);
    EXPECT_FALSE(board.cell(1, 2).readOnly);
    EXPECT_EQ(board.cell(1, 2).fontColor, 0x00FF0000u);
    EXPECT_EQ(board.cell(1, 3).fontSize, 25);
    EXPECT_EQ(board.cell(1, 4).fontSize, 11);
    EXPECT_EQ(board.cell(2, 2).fontSize, 11); // empty text takes the candidates style

    board.cell(1, 1).state = 2;
    board.layoutAndPaint();
    EXPECT_FALSE(board.cell(1, 1).readOnly);
}

} // namespace
} // namespace kestrel
