// One hint of every technique of the second ladder on the board and in the hint window, saved
// as pictures (scripts/screenshots.sh runs this under Xvfb) to be looked at: the pattern and the
// removed candidates must show at a glance. Where the ladder itself shows a technique on the
// puzzles below, that hint is the one pictured; the others are shown alone on a position of the
// first puzzle.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "core/board.hpp"
#include "game/step_log.hpp"
#include "logic/hint_full.hpp"
#include "logic/qt/hint_dialog.hpp"
#include "support/fake_platform.hpp"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace kestrel {
namespace {

// AI Escargot, Inkala's 2010 puzzle, Easter Monster, and three puzzles of the bench's sets on
// which the ladder shows a W-Wing, a Jellyfish and a cell forcing chain.
constexpr std::array<std::string_view, 6> kPuzzles = {
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
    ".8..9....7..4..5....1..6......5..34........9.4.....7.22..3....7.6...1.....9.8....",
    "..........64.3..9..9..41....5.97384.....5.1..4.....7......15..768..9....9...6458.",
    "....4.6.......2.3..7.1....8.....32....59....7....6..4.3........9.15......87.....9",
};

class HintPicturesTest : public testing::Test
{
protected:
    HintPicturesTest()
    {
        installFontSubstitutions();
        form.FormCreate();
        form.applyBoardAppearance();
        form.trigger(ControlId::mnEnglish);
        form.newGame(Level::Gentle);
        window = std::make_unique<MainWindow>(form, fake);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    /// Starts `puzzle` as a loaded game in All Candidates, no hint shown yet.
    void play(std::string_view puzzle)
    {
        GameFile file;
        file.level = Level::Unknown;
        file.givens = std::string(puzzle);
        for (char &ch : file.givens)
            ch = ch == '.' ? '0' : ch;
        TPICSD33 board;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const char ch = file.givens[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
                board.cell(r, c).state = ch == '0' ? CellState::Open : CellState::Given;
                board.cell(r, c).hxs = ch == '0' ? std::string() : std::string(1, ch);
            }
        }
        file.steps = {takeSnapshot(board)};
        form.game().loadGame(file);
        // All Candidates, so that the board shows the candidates a hint removes.
        form.game().radioClick(Mode::AllCandidates);
        window->syncFromModel();
    }

    Tfrmsolover &hints() { return form.frmsolover(); }

    /// The second-ladder technique whose count grew since `before`, or -1.
    int grown(const std::array<int, kFullTechniqueCount> &before)
    {
        for (int t = 0; t < kFullTechniqueCount; ++t)
            if (hints().engine().fullTechniqueCount()[static_cast<std::size_t>(t)]
                != before[static_cast<std::size_t>(t)])
                return t;
        return -1;
    }

    /// Saves the board and the hint window of the shown hint, after checking that the board
    /// paints the removed candidates in their colour (or that a placement waits).
    void picture(int technique)
    {
        const std::string name(fullTechniqueInfo(static_cast<FullTechnique>(technique)).name);
        SCOPED_TRACE(name);
        const TPICSD33 &board = form.game().board();
        bool removalPainted = false;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                for (const auto &panel : board.cell(r, c).hxsPanels)
                    removalPainted |= panel.color == kHintRemoved;
        EXPECT_TRUE(removalPainted || hints().engine().pendingPlacement());
        EXPECT_FALSE(hints().memoText.empty());
        pictured.insert(technique);

        window->syncFromModel();
        auto *dialog = static_cast<HintDialog *>(window->secondaryWindows().at("Tfrmsolover"));
        dialog->syncFromModel();
        const QString dir = QStringLiteral(KESTREL_SCREENSHOT_DIR "/hints");
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString prefix = dir + QLatin1Char('/') + QString::fromStdString(name);
        QTest::qWait(20);
        EXPECT_TRUE(window->grab().save(prefix + QStringLiteral("_board.png")));
        dialog->show();
        QTest::qWait(20);
        EXPECT_TRUE(dialog->grab().save(prefix + QStringLiteral("_hint.png")));
        dialog->hide();
    }

    FakePlatform fake;
    TForm1 form{fake.platform()};
    std::unique_ptr<MainWindow> window;
    std::set<int> pictured;
};

TEST_F(HintPicturesTest, EveryTechniqueOfTheSecondLadderIsPictured)
{
    // The ladder's own hints first: each press shows a hint, the next carries it out.
    for (const std::string_view puzzle : kPuzzles) {
        play(puzzle);
        auto before = hints().engine().fullTechniqueCount();
        hints().openWindow();
        for (int step = 0; step < 1000 && hints().engine().outcome() == HintOutcome::Found;
             ++step) {
            const int technique = grown(before);
            if (technique >= 0 && !pictured.count(technique))
                picture(technique);
            hints().bthintClick();
            before = hints().engine().fullTechniqueCount();
            hints().bthintClick();
        }
    }
    // The rest alone, on positions of the first puzzle.
    play(kPuzzles[0]);
    hints().openWindow();
    for (int step = 0; step < 200 && pictured.size() < kFullTechniqueCount
         && hints().engine().outcome() == HintOutcome::Found;
         ++step) {
        for (int t = 0; t < kFullTechniqueCount; ++t) {
            if (!pictured.count(t) && hints().showFullTechnique(static_cast<FullTechnique>(t))) {
                picture(t);
                break;
            }
        }
        hints().bthintClick();
        hints().bthintClick();
    }
    for (int t = 0; t < kFullTechniqueCount; ++t) {
        EXPECT_TRUE(pictured.count(t))
            << fullTechniqueInfo(static_cast<FullTechnique>(t)).name << " never shown";
    }
}

} // namespace
} // namespace kestrel
