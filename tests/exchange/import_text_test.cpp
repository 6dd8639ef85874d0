#include "exchange/import_text.hpp"

#include "exchange/frm_import.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

// The cells of a board as "2d" for a clue and "3…" for an open cell, joined by ",".
std::string cellsOf(const ImportedBoard &cells)
{
    std::string out;
    for (const ImportedCell &cell : cells) {
        if (!out.empty())
            out += ',';
        out += std::to_string(static_cast<int>(cell.state)) + cell.hxs;
    }
    return out;
}

// The 81 cells as one character each: the clue digit, or "." for an open cell.
std::string cluesOf(const ImportedBoard &cells)
{
    std::string out;
    for (const ImportedCell &cell : cells)
        out += cell.state == CellState::Placed ? cell.hxs : std::string(".");
    return out;
}

const std::string kExample1
    = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

std::string exampleText(int example)
{
    return joinImportLines(TfrmImport::exampleLines(example));
}

TEST(ImportText, ExamplesAreRecognisedAsTheirFormatsAndFillTheBoardTheyShow)
{
    struct Case
    {
        int example;
        ImportFormat format;
        std::string clues;
    };
    const Case cases[] = {
        {1, ImportFormat::String81, ""},
        {2, ImportFormat::Rows,
         ".8......7....96.....2..3..........9...9...56....1....44............5..3.71.8....."},
        {3, ImportFormat::Bordered,
         ".95..3814.8...2...6...8.2.7...19.6..3..............5..1.83..7.......4.6...6..7.83"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.example);
        std::string expected = c.clues;
        if (c.example == 1) {
            expected.clear();
            for (const char ch : kExample1)
                expected += ch == '0' ? '.' : ch;
        }
        const std::optional<ImportResult> result = readImportText(exampleText(c.example));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->format, c.format);
        EXPECT_EQ(cluesOf(result->cells), expected);
    }
    const std::optional<ImportResult> four = readImportText(exampleText(4));
    ASSERT_TRUE(four);
    EXPECT_EQ(four->format, ImportFormat::Candidates);
    EXPECT_EQ(four->cells[0], (ImportedCell{CellState::Placed, "5"}));
    EXPECT_EQ(four->cells[1], (ImportedCell{CellState::Open, "13789"}));
    EXPECT_EQ(four->cells[80], (ImportedCell{CellState::Open, "34678"}));
}

TEST(ImportText, OpenCellsOfTheCharacterFormatsGetTheirAllowedCandidates)
{
    // Row 1: a 1 at column 1 and a 2 at column 9; everything else open.
    const std::string text = "1" + std::string(7, '.') + "2" + std::string(72, '0');
    const std::optional<ImportResult> result = readImportText(text);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->cells[1].hxs, "3456789"); // sees both
    EXPECT_EQ(result->cells[9].hxs, "23456789"); // below the 1, sees only it
    EXPECT_EQ(result->cells[40].hxs, "123456789");
}

TEST(ImportText, RecognitionFollowsTheOrderOfTheTests)
{
    const std::string row = "4..2.....";
    std::string nineRows;
    std::string spaced;
    for (int i = 0; i < 9; ++i) {
        nineRows += row + "\r\n";
        for (const char ch : row)
            spaced += std::string(1, ch) + " ";
        spaced += "\r\n";
    }
    const std::string bordered
        = "+---+\r\n|" + std::string(40, '5') + "|\r\n|" + std::string(41, 'x') + "|\r\n+---+";
    struct Case
    {
        std::string name;
        std::string text;
        ImportFormat format;
    };
    const Case cases[] = {
        {"81 with surrounding spaces", "  \t" + kExample1 + " \r\n", ImportFormat::String81},
        {"81 cells over nine lines", nineRows, ImportFormat::Rows},
        {"nine rows separated by spaces", spaced, ImportFormat::Rows},
        {"82 digits on one line", std::string(82, '1'), ImportFormat::Candidates},
        {"borders with x blanks", bordered, ImportFormat::Bordered},
        {"borders with 0 blanks", "|" + std::string(40, '5') + "|" + std::string(41, '0') + "|",
         ImportFormat::Invalid},
        {"blanks written as ~", "[" + std::string(40, '5') + std::string(41, '~') + "]",
         ImportFormat::Bordered},
        {"full-width question marks", "|" + std::string(80, '7') + "\xEF\xBC\x9F|",
         ImportFormat::Bordered},
        {"too short", "123", ImportFormat::Invalid},
        {"empty", "", ImportFormat::Invalid},
        // A no-break space is a character, not white space: 80 digits and one NBSP are 81.
        {"no-break space counts", std::string(40, '1') + "\xC2\xA0" + std::string(40, '2'),
         ImportFormat::String81},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(recogniseImport(c.text), c.format);
    }
}

TEST(ImportText, BorderedGridKeepsOnlyDigitsAndTheMarker)
{
    // A text starting with a digit puts it in row 1, column 1; "-" borders vanish because
    // "." is found first.
    std::string text = "5" + std::string(80, '.') + "\r\n--------|--------";
    const std::optional<ImportResult> result = readImportText(text);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->format, ImportFormat::Bordered);
    EXPECT_EQ(result->cells[0], (ImportedCell{CellState::Placed, "5"}));
    EXPECT_EQ(result->cells[1].state, CellState::Open);
}

TEST(ImportText, CandidateGroupsFillTheCellsAsWritten)
{
    // 82 digits in one group: cell 81 takes it, cells 1..80 stay without text.
    const std::optional<ImportResult> one = readImportText(std::string(82, '3'));
    ASSERT_TRUE(one);
    for (int k = 0; k < 80; ++k)
        ASSERT_EQ(one->cells[std::size_t(k)], (ImportedCell{CellState::Open, ""})) << k;
    EXPECT_EQ(one->cells[80].hxs, std::string(82, '3'));

    // Three groups: cells 1 and 2 take the first two, cell 81 the last; "0" and "|  |" split
    // groups, and candidates are neither sorted nor compared with the clues.
    const std::optional<ImportResult> three
        = readImportText("7|  |" + std::string(40, '9') + "0" + std::string(41, '1') + "|71");
    ASSERT_TRUE(three);
    EXPECT_EQ(three->cells[0], (ImportedCell{CellState::Placed, "7"}));
    EXPECT_EQ(three->cells[1].hxs, std::string(40, '9'));
    EXPECT_EQ(three->cells[2].hxs, std::string(41, '1'));
    EXPECT_EQ(three->cells[3].hxs, "");
    EXPECT_EQ(three->cells[80], (ImportedCell{CellState::Open, "71"}));

    // More than 81 groups: the rest is ignored.
    std::string many;
    for (int k = 0; k < 90; ++k)
        many += (k % 2 ? "17 " : "4 ");
    const std::optional<ImportResult> extra = readImportText(many);
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->format, ImportFormat::Candidates);
    EXPECT_EQ(cellsOf(extra->cells).substr(0, 8), "24,317,2");
    EXPECT_EQ(extra->cells[80], (ImportedCell{CellState::Placed, "4"}));
}

TEST(ImportText, LinesSplitAtEveryKindOfLineEnd)
{
    EXPECT_EQ(splitImportLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitImportLines("a\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(joinImportLines({"a", "b"}), "a\r\nb");
}

TEST(ImportText, DamagedTextNeverGivesAHalfBoard)
{
    // Broken UTF-8 sequences are characters of their own; the result is always 81 cells or
    // nothing.
    const std::string texts[] = {"\xFF\xFE" + kExample1, kExample1.substr(0, 80) + "\xE2\x82",
                                 std::string(200, '\0'), std::string(81, '\x80')};
    for (const std::string &text : texts) {
        const std::optional<ImportResult> result = readImportText(text);
        if (result) {
            EXPECT_NE(result->format, ImportFormat::Invalid);
        }
    }
    EXPECT_EQ(recogniseImport(std::string(81, '\x80')), ImportFormat::String81);
}

} // namespace
} // namespace kestrel
