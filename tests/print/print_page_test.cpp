#include "print/print_page.hpp"

#include "core/board.hpp"
#include "game/step_log.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace kestrel {
namespace {

std::string readData(const std::string &name)
{
    std::ifstream file(std::string(KESTREL_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The known board: givens, placed digits, pruned candidates, an open cell without candidates,
// one with seven and one with six candidates.
TPICSD33 knownBoard()
{
    std::string snapshot = readData("print_board.txt");
    while (!snapshot.empty() && (snapshot.back() == '\n' || snapshot.back() == '\r'))
        snapshot.pop_back();
    EXPECT_TRUE(isValidSnapshot(snapshot));
    TPICSD33 board;
    applySnapshot(board, snapshot);
    return board;
}

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(PrintPage, TemplateHasItsFixedShape)
{
    const std::vector<std::string> page = pageTemplate(60);
    ASSERT_EQ(page.size(), 201u);
    EXPECT_EQ(page[0], R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(page[static_cast<std::size_t>(i)], "");
    EXPECT_EQ(page.back(), "</body></html>");
    // Every placeholder once, all of them past the head and the labels.
    int placeholders = 0;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i].starts_with("node")) {
            EXPECT_GE(i, static_cast<std::size_t>(kFirstPlaceholderLine)) << page[i];
            ++placeholders;
        }
    }
    EXPECT_EQ(placeholders, 81);
    const std::string text = pageText(page);
    for (std::string_view box : {"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3"})
        EXPECT_NE(text.find(R"(name=")" + std::string(box) + R"(" id=")" + std::string(box)),
                  std::string::npos)
            << box;
    // The credit names the program and leads nowhere on the network.
    EXPECT_NE(text.find("by Sudoku Kestrel,"), std::string::npos);
    EXPECT_EQ(text.find("://"), std::string::npos);
    EXPECT_EQ(text.find("www."), std::string::npos);
}

TEST(PrintPage, A4PagesEqualTheCheckedInPages)
{
    const TPICSD33 board = knownBoard();
    EXPECT_EQ(pageText(Tfrmprint2.generate(board)), readData("print_normal_a4_expected.htm"));
    EXPECT_EQ(pageText(Tfrmprint.generate(board)), readData("print_candidates_a4_expected.htm"));
}

TEST(PrintPage, LargerPagesDifferOnlyInTheirValues)
{
    const TPICSD33 board = knownBoard();
    struct Case
    {
        const PageGenerator &generator;
        const PageGenerator &a4;
        std::string size, digits, candidates;
    };
    const Case cases[] = {
        {Tfrmprint2b, Tfrmprint2, "100px", "50pt", "15pt"},
        {Tfrmprint2c, Tfrmprint2, "115px", "70pt", "20pt"},
        {Tfrmprintb, Tfrmprint, "100px", "50pt", "15pt"},
        {Tfrmprintc, Tfrmprint, "115px", "70pt", "20pt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.generator.name);
        std::string expected = pageText(c.a4.generate(board));
        expected = replaced(expected, "60px", c.size);
        expected = replaced(expected, "font-size: 22pt", "font-size: " + c.digits);
        expected = replaced(expected, "font-size: 7pt", "font-size: " + c.candidates);
        if (c.generator.candidateBreakAfter > 0)
            expected = replaced(expected, ">1234567 &nbsp;", ">123456<br/>7 &nbsp;");
        EXPECT_EQ(pageText(c.generator.generate(board)), expected);
    }
}

TEST(PrintPage, CellsPrintByStateAndStyle)
{
    struct Case
    {
        const PageGenerator &generator;
        CellState state;
        std::string hxs;
        std::string shown; // between the start tag and the end tag
        std::string_view mustHave;
    };
    const Case cases[] = {
        {Tfrmprint, CellState::Given, "5", "5", "font-size: 22pt; color: black;"},
        {Tfrmprint2, CellState::Placed, "6", "6", "font-size: 22pt; color: blue;"},
        {Tfrmprint2, CellState::Open, "1234", " &nbsp;", "font-size: 7pt;"},
        {Tfrmprint, CellState::Open, "1234", "1234 &nbsp;", "vertical-align: top;"},
        {Tfrmprint, CellState::Open, "", " &nbsp;", "text-align: left;"},
        {Tfrmprintb, CellState::Open, "1234567", "1234567 &nbsp;", "font-size: 15pt;"},
        {Tfrmprintc, CellState::Open, "1234567", "123456<br/>7 &nbsp;", "width: 115px;"},
        {Tfrmprintc, CellState::Open, "123456", "123456 &nbsp;", "height: 115px;"},
        {Tfrmprintc, CellState::Open, "123456789", "123456<br/>789 &nbsp;", "font-size: 20pt;"},
        {Tfrmprint2c, CellState::Open, "1234567", " &nbsp;", "font-size: 20pt;"},
        {Tfrmprint2c, CellState::Given, "9", "9", "font-size: 70pt; color: black;"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.generator.name) + " " + c.hxs);
        const std::string line = c.generator.cellLine(c.state, c.hxs);
        EXPECT_TRUE(line.starts_with(R"(<td style="border: 1px solid rgb(170, 170, 170); )"));
        EXPECT_TRUE(line.ends_with(R"(">)" + c.shown + "</td>")) << line;
        EXPECT_NE(line.find(c.mustHave), std::string::npos) << line;
    }
}

TEST(PrintPage, ChoicesPickTheirGenerator)
{
    EXPECT_EQ(pageGenerator(PrintStyle::Normal, PaperSize::A4).name, "Tfrmprint2");
    EXPECT_EQ(pageGenerator(PrintStyle::Normal, PaperSize::A3).name, "Tfrmprint2b");
    EXPECT_EQ(pageGenerator(PrintStyle::Normal, PaperSize::A2).name, "Tfrmprint2c");
    EXPECT_EQ(pageGenerator(PrintStyle::WithCandidates, PaperSize::A4).name, "Tfrmprint");
    EXPECT_EQ(pageGenerator(PrintStyle::WithCandidates, PaperSize::A3).name, "Tfrmprintb");
    EXPECT_EQ(pageGenerator(PrintStyle::WithCandidates, PaperSize::A2).name, "Tfrmprintc");
}

} // namespace
} // namespace kestrel
