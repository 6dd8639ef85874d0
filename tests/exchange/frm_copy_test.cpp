#include "exchange/frm_copy.hpp"

#include "app/language_table.hpp"
#include "core/board.hpp"
#include "game/step_log.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(CopyWindow, CopyingShowsCandidatesWithoutChangingTheGame)
{
    FakePlatform fake;
    LanguageTable english;
    english.load(Language::English);
    TextLookup text = [&](std::string_view key) {
        return english.lookup(key);
    };
    Game game(fake.platform().dialogs, text);
    // A Pencil and Paper game: open cells without candidates.
    TPICSD33 puzzle;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            puzzle.cell(row, col).state = CellState::Open;
    puzzle.cell(1, 1) = {};
    puzzle.cell(1, 1).state = CellState::Placed;
    puzzle.cell(1, 1).hxs = "1";
    game.playPuzzle(puzzle, "");
    const std::string board = takeSnapshot(game.board());
    const std::vector<std::string> steps = game.history().lines();
    ASSERT_EQ(game.board().cell(1, 2).hxs, "");

    Tfrmcopy window(fake.platform(), text);
    window.applyLanguage();
    window.open(game.board());
    EXPECT_EQ(window.layout(), CopyLayout::NoCandidate);
    EXPECT_EQ(window.lines()[1].substr(0, 11), "|    1    .");
    window.RadioGroup1Click(CopyLayout::WithCandidates);
    EXPECT_FALSE(window.blankChooserVisible());
    EXPECT_NE(window.lines()[1].find("23456789"), std::string::npos);
    window.RadioGroup1Click(CopyLayout::NineByNine);
    window.setBlankText(" 0 ");
    EXPECT_EQ(window.lines()[0], "100000000");
    window.Button1Click();

    std::string expected = "100000000";
    for (int row = 2; row <= 9; ++row)
        expected += "\r\n000000000";
    EXPECT_EQ(fake.text(), expected);

    EXPECT_EQ(fake.windowCalls().back(), "close Tfrmcopy");
    EXPECT_EQ(takeSnapshot(game.board()), board);
    EXPECT_EQ(game.history().lines(), steps);
    EXPECT_EQ(window.captions().caption,
              "Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)");
}

} // namespace
} // namespace kestrel
