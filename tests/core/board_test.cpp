#include "core/board.hpp"

#include "core/puzzle_record.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

namespace kestrel {
namespace {

// Cell by its name as hint texts write it ("C7").
TPicNode &at(TPICSD33 &board, std::string_view name)
{
    return board.cell(name[0] - 'A' + 1, name[1] - '0');
}

// Sets cells from tokens "<cell><kind><digits>", kind g = given, p = placed, o = open:
// "A1g5 E5o13 C7p" (C7 placed with an empty digit string).
void put(TPICSD33 &board, std::string_view tokens)
{
    std::istringstream in{std::string(tokens)};
    for (std::string t; in >> t;) {
        TPicNode &node = at(board, t);
        node.state = t[2] == 'g' ? CellState::Given : t[2] == 'p' ? CellState::Placed : CellState::Open;
        node.hxs = t.substr(3);
    }
}

// A board of open, empty cells with the given tokens applied.
TPICSD33 boardWith(std::string_view tokens)
{
    TPICSD33 board;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            board.cell(r, c).state = CellState::Open;
    put(board, tokens);
    return board;
}

// A full board: "1".."9" givens, "a".."i" placed 1..9.
TPICSD33 fullBoard(std::string_view layout)
{
    TPICSD33 board;
    for (int k = 0; k < 81; ++k) {
        TPicNode &node = board.cell(k / 9 + 1, k % 9 + 1);
        const char ch = layout[static_cast<std::size_t>(k)];
        node.state = ch <= '9' ? CellState::Given : CellState::Placed;
        node.hxs = std::string(1, ch <= '9' ? ch : static_cast<char>(ch - 'a' + '1'));
    }
    return board;
}

std::string visibleDigits(const TPicNode &node)
{
    std::string s;
    for (int d = 1; d <= 9; ++d)
        if (node.hxsPanels[d].visible)
            s += static_cast<char>('0' + d);
    return s;
}

std::string markedCells(const TPICSD33 &board)
{
    std::string s;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (board.cell(r, c).isError)
                s += std::string(cellName(r, c).data()) + " ";
    return s;
}

TEST(PicNode, ShowhxsFollowsTheDigitString)
{
    const TPicNode fresh;
    EXPECT_EQ(fresh.caption, " ");
    EXPECT_EQ(fresh.hxsPanels[7].caption, "7");
    EXPECT_EQ(fresh.hxsPanels[7].fontSize, 10);
    EXPECT_EQ(fresh.hxsPanels[7].fontColor, 0x00000080u);

    const std::pair<const char *, const char *> cases[]
        = {{"", ""}, {"19", "19"}, {"5", "5"}, {"931", "139"}, {"123456789", "123456789"}};
    for (const auto &[hxs, visible] : cases) {
        SCOPED_TRACE(hxs);
        TPicNode node;
        node.Show();
        node.hxs = hxs;
        node.showhxs();
        EXPECT_EQ(visibleDigits(node), visible);
    }
}

TEST(Tmouse, FrameChangeInvalidatesOnlyOnChange)
{
    Tmousepanel panel;
    panel.setIsEnter(true);
    panel.setIsEnter(true);
    EXPECT_EQ(panel.invalidations(), 1);
    panel.setIsEnter(false);
    panel.setIsBig(false);
    EXPECT_EQ(panel.invalidations(), 2);
}

TEST(Board, ConstructionLaysOutEmptyPlacedCellsColouredByBox)
{
    EXPECT_EQ(TPICSD33::cellOrigin(1, 3).x, 94);
    EXPECT_EQ(TPICSD33::cellOrigin(1, 4).x, 142); // 2-pixel box line after column 3
    EXPECT_EQ(TPICSD33::cellOrigin(7, 1).y, 2 + 6 * 46 + 4);
    EXPECT_EQ(TPICSD33::cellOrigin(9, 9).x + TPicNode::kSize + 2, TPICSD33::kSize);

    const TPICSD33 board;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            SCOPED_TRACE(cellName(r, c).data());
            const TPicNode &node = board.cell(r, c);
            EXPECT_EQ(node.row * 10 + node.col, r * 10 + c);
            EXPECT_EQ(node.state, CellState::Placed);
            EXPECT_TRUE(node.isBig());
            EXPECT_EQ(node.invalidations(), 1);
            const Colour box = boxOf(r, c) % 2 == 0 ? 16759739u : 0x00FFFFFFu;
            EXPECT_EQ(node.color, box);
            EXPECT_EQ(node.hxsPanels[5].color, box);
            // An empty placed cell is drawn like candidates: no caption, nothing shown.
            EXPECT_EQ(node.caption, "");
            EXPECT_EQ(visibleDigits(node), "");
            EXPECT_EQ(node.hxsPanels[1].fontSize, 12);
        }
    }
}

TEST(Board, AllowedAndReducedHxsReadOnlyGivenAndPlacedPeers)
{
    EXPECT_EQ(boardWith("").allowedHxs(5, 5), "123456789");
    // 1..8 around E5 in its row, column and box; an open peer, the cell itself and a
    // non-peer hold 9 and must not count.
    TPICSD33 board = boardWith("E1g1 E9p2 A5g3 I5p4 D4g5 F6p6 D6g7 F4p8 E2o9 E5p9 A1g9");
    EXPECT_EQ(board.allowedHxs(5, 5), "9");

    board = boardWith("A1o97531 A9p3 C3g7 I1o5 B5g1");
    EXPECT_EQ(board.reduceHxs(1, 1), "159");
}

TEST(Board, MarkConflictsPicksFirstCellAndItsLastPartner)
{
    const struct
    {
        const char *name;
        const char *cells;
        const char *marked;
    } cases[] = {
        {"no conflict", "A1g5 B4p5", ""},
        {"row and column partner: the later one wins", "A1g5 A5g5 G1g5", "A1 G1 "},
        {"box partner on another row", "B2p4 C3g4", "B2 C3 "},
        {"open partner does not count", "A1p5 A2o5", ""},
        {"open first cell is skipped", "A1o7 A2p7 A3g7", "A2 A3 "},
        {"only the first pair is marked", "E5g3 E6p3 B1p8 B9p8", "B1 B9 "},
        {"whole-string comparison", "A1p12 A2p1 A3p12", "A1 A3 "},
        {"empty digit strings are equal", "D4g F4p", "D4 F4 "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TPICSD33 board = boardWith(c.cells);
        at(board, "I9").isError = true; // a stale mark is always cleared
        board.markConflicts();
        EXPECT_EQ(markedCells(board), c.marked);
        EXPECT_EQ(board.hasConflict(), *c.marked != '\0');
    }
}

TEST(Board, IsSolvedOnlyChecksFullBoards)
{
    std::string layout
        = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    EXPECT_TRUE(fullBoard(layout).isSolved());

    layout[1] = 'e'; // A2 placed 5, like the given A1
    TPICSD33 board = fullBoard(layout);
    EXPECT_FALSE(board.isSolved());
    EXPECT_EQ(markedCells(board), "A1 A2 ");

    // With an open cell the previous marks stay as they were.
    put(board, "I9o9");
    at(board, "E5").isError = true;
    EXPECT_FALSE(board.isSolved());
    EXPECT_EQ(markedCells(board), "A1 A2 E5 ");
    EXPECT_EQ(board.givensString().substr(0, 3), "504");
}

TEST(Board, EliminateFromPeersSparesGivensPlacedDigitsAndNonPeers)
{
    TPICSD33 board = boardWith("A1p5 A9o1565 B2p5 I1g5 B4o5");
    board.eliminateFromPeers(1, 1);
    EXPECT_EQ(at(board, "A9").hxs, "165"); // one occurrence removed
    EXPECT_EQ(at(board, "B2").hxs, "5") << "a placed peer keeps its digit; the conflict shows";
    EXPECT_EQ(at(board, "I1").hxs, "5");
    EXPECT_EQ(at(board, "B4").hxs, "5");

    put(board, "A1o56 B2o5");
    board.eliminateFromPeers(1, 1); // not a single digit: nothing happens
    EXPECT_EQ(at(board, "B2").hxs, "5");
}

TEST(Board, RestoreToPeersAppendsWhereAllowed)
{
    // D9 placed 2 forbids 2 in D4; A5 holds 2 already; F6 is placed; B1 is no peer.
    TPICSD33 board = boardWith("E5o E1o13 E2o31 A5o12 D4o4 D9p2 F6p7 B1o1");
    board.restoreToPeers(5, 5, 2);
    const std::pair<const char *, const char *> expected[]
        = {{"E1", "132"}, {"E2", "312"}, {"A5", "12"}, {"D4", "4"},
           {"F6", "7"},   {"B1", "1"},   {"E5", ""}};
    for (const auto &[name, hxs] : expected)
        EXPECT_EQ(at(board, name).hxs, hxs) << name;
}

TEST(Board, HideMultiHxsLeavesSingleDigitCells)
{
    TPICSD33 board = boardWith("A1o7 A2o13");
    for (const char *name : {"A1", "A2", "A3"})
        at(board, name).Show();
    board.hideMultiHxs();
    EXPECT_EQ(visibleDigits(at(board, "A1")), "123456789");
    EXPECT_EQ(visibleDigits(at(board, "A2")), "");
    EXPECT_EQ(visibleDigits(at(board, "A3")), "");
}

// ---------------------------------------------------------------------------------------------
// Redraws

enum class Variant { Refresh, ByState, Hidden, FilterDigit5, FilterAny19 };

void redraw(TPICSD33 &board, Variant v)
{
    switch (v) {
    case Variant::Refresh:
        board.refresh();
        break;
    case Variant::ByState:
        board.refreshByState();
        break;
    case Variant::Hidden:
        board.refreshHonouringHidden();
        break;
    case Variant::FilterDigit5:
        board.refreshFilterDigit(5);
        break;
    case Variant::FilterAny19:
        board.refreshFilterAny("19");
        break;
    }
}

TEST(Board, RedrawCandidateStepPerVariant)
{
    const struct
    {
        Variant variant;
        const char *cell; // C7 as a put() token
        int hxsHidden;
        const char *visible; // sub-panels shown after the redraw; all were shown before
    } cases[] = {
        {Variant::ByState, "C7o13", 0, "13"},
        {Variant::ByState, "C7o", 0, ""},
        {Variant::ByState, "C7p4", 0, ""},
        {Variant::ByState, "C7g4", 0, ""},
        {Variant::FilterDigit5, "C7o7", 0, "7"}, // one candidate always shows
        {Variant::FilterDigit5, "C7o13", 0, ""},
        {Variant::FilterDigit5, "C7o256", 0, "256"},
        {Variant::FilterDigit5, "C7p5", 0, ""},
        {Variant::FilterAny19, "C7o138", 0, "138"},
        {Variant::FilterAny19, "C7o24", 0, ""},
        {Variant::FilterAny19, "C7o6", 0, "6"},
        {Variant::FilterAny19, "C7g9", 0, ""},
        {Variant::Hidden, "C7o13", 1, "13"}, // open cells show whatever hxsHidden says
        // A given or placed cell never shows a candidate over its digit.
        {Variant::Hidden, "C7p4", 0, ""},
        {Variant::Hidden, "C7p4", 1, ""},
        {Variant::Hidden, "C7g4", 0, ""},
        {Variant::Refresh, "C7o13", 0, "13"},
        {Variant::Refresh, "C7o7", 0, ""}, // one candidate is drawn as a big digit
        {Variant::Refresh, "C7p4", 0, ""},
        {Variant::Refresh, "C7g", 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "variant " << static_cast<int>(c.variant) << " "
                                        << c.cell << " hidden " << c.hxsHidden);
        TPICSD33 board;
        put(board, c.cell);
        TPicNode &node = at(board, "C7");
        node.hxsHidden = c.hxsHidden;
        node.Show();
        redraw(board, c.variant);
        EXPECT_EQ(visibleDigits(node), c.visible);
    }
}

TEST(Board, RedrawDigitStepSetsCaptionAndFonts)
{
    TPICSD33 board = boardWith("A1g4 A2p6 A3o7");
    board.FONTSize1 = 20;
    board.FONTSize2 = 18;
    board.FONTSize3 = 9;
    board.FONTColor3 = 0x00112233;
    at(board, "A3").caption = "x";
    for (Variant v : {Variant::ByState, Variant::FilterDigit5, Variant::FilterAny19}) {
        SCOPED_TRACE(static_cast<int>(v));
        redraw(board, v);
        EXPECT_EQ(at(board, "A1").caption + at(board, "A2").caption + at(board, "A3").caption,
                  "46");
        EXPECT_EQ(at(board, "A1").fontSize, 20);
        EXPECT_EQ(at(board, "A2").fontSize, 18);
        EXPECT_EQ(at(board, "A2").fontColor, 0x00FF0000u);
        EXPECT_EQ(at(board, "A3").hxsPanels[7].fontSize, 9);
        EXPECT_EQ(at(board, "A3").hxsPanels[7].fontColor, 0x00112233u);
    }

    // refresh decides by length: a single candidate becomes a big digit in the placed font.
    board.refresh();
    EXPECT_EQ(at(board, "A3").caption, "7");
    EXPECT_EQ(at(board, "A3").fontSize, 18);

    // refreshHonouringHidden clears the caption but leaves the candidate fonts alone.
    at(board, "A3").setFontSize(11);
    board.refreshHonouringHidden();
    EXPECT_EQ(at(board, "A3").caption, "");
    EXPECT_EQ(at(board, "A3").hxsPanels[7].fontSize, 11);
}

TEST(Board, RedrawBackgroundStep)
{
    TPICSD33 board = boardWith("A1g5 A4p5");
    board.UNFoucsColor1 = 0x00010101;
    board.UNFoucsColor2 = 0x00020202;
    board.errorcolor = 0x000000EF;
    board.markConflicts();
    at(board, "E5").color = 0x00ABCDEF; // e.g. a colour mark painted by the owner

    board.refreshByState();
    EXPECT_EQ(at(board, "A1").color, 0x000000EFu);
    EXPECT_EQ(at(board, "A4").color, 0x000000EFu);
    EXPECT_EQ(at(board, "E5").color, 0x00010101u); // box 5
    EXPECT_EQ(at(board, "B4").color, 0x00020202u); // box 2

    // refresh keeps an unmarked cell's colour and gives its sub-panels the box colour.
    at(board, "E5").color = 0x00ABCDEF;
    board.refresh();
    EXPECT_EQ(at(board, "E5").color, 0x00ABCDEFu);
    EXPECT_EQ(at(board, "B4").hxsPanels[3].color, 0x00020202u);
    EXPECT_EQ(at(board, "A1").color, 0x000000EFu);
    // A marked cell's sub-panels keep the box colour they got when the board was built.
    EXPECT_EQ(at(board, "A1").hxsPanels[3].color, 0x00FFFFFFu);
}

TEST(Board, FromRecordPutsGivensAndOpensTheRest)
{
    TQJ record;
    std::string givens(81, '0');
    givens[0] = '5';
    givens[44] = '3'; // E9
    record.loadGivens(givens);

    TPICSD33 board;
    board.enabled = false;
    put(board, "A2p79"); // kept: the new-game path empties hxs beforehand
    at(board, "A2").isError = true;
    at(board, "E9").Show();
    boardFromRecord(board, record);

    EXPECT_TRUE(board.enabled);
    EXPECT_EQ(at(board, "E9").state, CellState::Given);
    EXPECT_EQ(at(board, "E9").hxs, "3");
    EXPECT_EQ(visibleDigits(at(board, "E9")), "");
    EXPECT_EQ(at(board, "A2").state, CellState::Open);
    EXPECT_EQ(at(board, "A2").hxs, "79");
    EXPECT_EQ(markedCells(board), "");
    EXPECT_EQ(board.givensString(), givens);
}

} // namespace
} // namespace kestrel
