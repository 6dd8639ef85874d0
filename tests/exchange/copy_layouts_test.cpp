#include "exchange/copy_layouts.hpp"

#include "exchange/frm_import.hpp"
#include "exchange/import_text.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kestrel {
namespace {

CopyBoard boardOf(const ImportedBoard &cells)
{
    CopyBoard board;
    for (std::size_t k = 0; k < 81; ++k)
        board[k] = {cells[k].state, cells[k].hxs};
    return board;
}

CopyBoard exampleBoard(int example)
{
    return boardOf(readImportText(joinImportLines(TfrmImport::exampleLines(example)))->cells);
}

std::vector<std::string> fileLines(const std::string &name)
{
    std::ifstream file(std::string(KESTREL_TEST_DATA_DIR) + "/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

TEST(CopyLayouts, WithCandidatesOfExample4IsCompactedCharacterForCharacter)
{
    const std::vector<std::string> expected = fileLines("exchange_example4_cand_expected.txt");
    ASSERT_EQ(expected.size(), 13u);
    EXPECT_EQ(renderCopyLayout(exampleBoard(4), CopyLayout::WithCandidates, "."), expected);
    // Before compaction the frame is the example text itself.
    EXPECT_EQ(candidateFrame(exampleBoard(4)), TfrmImport::exampleLines(4));
}

TEST(CopyLayouts, NoCandidateFramesChangeWithTheBlank)
{
    struct Case
    {
        std::string blank;
        std::string border;
        std::string separator;
        std::string firstRow;
    };
    const Case cases[] = {
        {".", "*" + std::string(47, '-') + "*", "|---------------+---------------+---------------|",
         "|    .    9    5|    .    .    3|    8    1    4|"},
        {"*", std::string(49, '-'), "|---------------+---------------+---------------|",
         "|    *    9    5|    *    *    3|    8    1    4|"},
        {"+", "*" + std::string(47, '-') + "*", "|---------------:---------------:---------------|",
         "|    +    9    5|    +    +    3|    8    1    4|"},
        {"|", "*" + std::string(47, '-') + "*", ":---------------+---------------+---------------:",
         ":    |    9    5:    |    |    3:    8    1    4:"},
        {"-", "*" + std::string(47, '~') + "*", "|~~~~~~~~~~~~~~~+~~~~~~~~~~~~~~~+~~~~~~~~~~~~~~~|",
         "|    -    9    5|    -    -    3|    8    1    4|"},
        {"x", "*" + std::string(47, '-') + "*", "|---------------+---------------+---------------|",
         "|    x    9    5|    x    x    3|    8    1    4|"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.blank);
        const std::vector<std::string> lines
            = renderCopyLayout(exampleBoard(3), CopyLayout::NoCandidate, c.blank);
        ASSERT_EQ(lines.size(), 13u);
        EXPECT_EQ(lines[0], c.border);
        EXPECT_EQ(lines[12], c.border);
        EXPECT_EQ(lines[4], c.separator);
        EXPECT_EQ(lines[8], c.separator);
        EXPECT_EQ(lines[1], c.firstRow);
        for (const std::string &line : lines)
            EXPECT_EQ(line.size(), 49u);
    }
}

TEST(CopyLayouts, SymbolsShowDigitsOfGivenAndPlacedCellsOnly)
{
    CopyBoard board;
    board[0] = {CellState::Given, "5"};
    board[1] = {CellState::Placed, "6"};
    board[2] = {CellState::Open, "7"}; // one candidate left: still a blank
    board[3] = {CellState::Placed, ""};
    const std::vector<std::string> nine = renderCopyLayout(board, CopyLayout::NineByNine, "0");
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_EQ(nine[0], "560000000");
    EXPECT_EQ(nine[8], "000000000");
    const std::vector<std::string> one
        = renderCopyLayout(board, CopyLayout::OneByEightyOne, "\xEF\xBC\x9F");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].substr(0, 5), "56\xEF\xBC\x9F");
}

TEST(CopyLayouts, SingleDigitsCompactToColumnsThreeWide)
{
    CopyBoard board;
    for (std::size_t k = 0; k < 81; ++k)
        board[k] = {CellState::Given, std::string(1, char('1' + (k % 9)))};
    const std::vector<std::string> lines = renderCopyLayout(board, CopyLayout::WithCandidates, ".");
    EXPECT_EQ(lines[1], "|  1  2  3|  4  5  6|  7  8  9|");
    EXPECT_EQ(lines[0], "*" + std::string(29, '-') + "*");
    EXPECT_EQ(lines[4], "|---------+---------+---------|");

    // A column holding nine candidates stays ten wide; an empty text is written ".".
    board[0] = {CellState::Open, "123456789"};
    board[1] = {CellState::Open, ""};
    const std::vector<std::string> wide = renderCopyLayout(board, CopyLayout::WithCandidates, ".");
    EXPECT_EQ(wide[1].substr(0, 17), "| 123456789  .  3");
}

TEST(CopyLayouts, BlankCharacterIsTheTrimmedChooserTextOfOneCharacter)
{
    const std::pair<std::string, std::string> cases[] = {
        {".", "."},       {" x ", "x"}, {"", "."},  {"  ", "."},
        {"ab", "."},      {"|", "|"},   {"7", "7"}, {"\xEF\xBC\x9F", "\xEF\xBC\x9F"},
        {"\t*\r\n", "*"},
    };
    for (const auto &[text, blank] : cases)
        EXPECT_EQ(blankCharacter(text), blank) << text;
}

} // namespace
} // namespace kestrel
