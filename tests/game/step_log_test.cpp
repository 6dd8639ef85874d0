#include "game/step_log.hpp"

#include "core/board.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

std::string snapshotOf(std::vector<std::string> fields)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i ? "," : "") + fields[i];
    return out;
}

TEST(Snapshot, WritesStateAndDigitsOfEveryCellAndReadsThemBack)
{
    TPICSD33 board;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            board.cell(r, c).state = CellState::Open;
    board.cell(1, 1).state = CellState::Given;
    board.cell(1, 1).hxs = "5";
    board.cell(1, 2).hxs = "124";
    board.cell(1, 3).hxs = "";
    board.cell(9, 9).state = CellState::Placed;
    board.cell(9, 9).hxs = "6";
    board.cell(5, 5).hxs = "132"; // appended candidates keep their order

    const std::string snapshot = takeSnapshot(board);
    EXPECT_EQ(snapshot.rfind("15,3124,3,", 0), 0u);
    EXPECT_EQ(snapshot.substr(snapshot.size() - 3), ",26") << "no comma after the last cell";
    EXPECT_TRUE(isValidSnapshot(snapshot));

    TPICSD33 copy;
    applySnapshot(copy, snapshot);
    EXPECT_EQ(takeSnapshot(copy), snapshot);
    EXPECT_EQ(copy.cell(5, 5).hxs, "132");
    EXPECT_EQ(copy.cell(1, 3).state, CellState::Open);
}

TEST(Snapshot, RejectsAnythingButEightyOneFittingFields)
{
    std::vector<std::string> fields(81, "3");
    EXPECT_TRUE(isValidSnapshot(snapshotOf(fields)));
    struct Case
    {
        const char *why;
        std::size_t at;
        const char *field;
    };
    const Case bad[] = {{"state 4", 0, "45"},
                        {"given without digit", 3, "1"},
                        {"placed with two digits", 7, "256"},
                        {"zero digit", 9, "30"},
                        {"repeated candidate", 80, "3113"},
                        {"letter", 40, "3a"},
                        {"empty field", 2, ""}};
    for (const Case &c : bad) {
        auto broken = fields;
        broken[c.at] = c.field;
        EXPECT_FALSE(isValidSnapshot(snapshotOf(broken))) << c.why;
    }
    fields.pop_back();
    EXPECT_FALSE(isValidSnapshot(snapshotOf(fields))) << "80 fields";
    fields.push_back("3");
    fields.push_back("3");
    EXPECT_FALSE(isValidSnapshot(snapshotOf(fields))) << "82 fields";
    EXPECT_FALSE(isValidSnapshot("memostep"));
}

TEST(StepLog, RecordingAfterGoingBackCutsTheUndoneSteps)
{
    StepLog log;
    EXPECT_FALSE(log.canGoBack()) << "the placeholder log has nowhere to go";
    log.reset("a");
    EXPECT_FALSE(log.record("a")) << "an unchanged board adds no step";
    log.record("b");
    log.record("c");
    log.record("d");
    EXPECT_EQ(log.currentIndex(), 3);
    EXPECT_FALSE(log.canGoForward());
    log.moveTo(1);
    EXPECT_TRUE(log.canGoBack());
    EXPECT_TRUE(log.canGoForward());
    EXPECT_TRUE(log.record("x"));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"a", "b", "x"}));
    EXPECT_FALSE(log.canGoForward());
    log.moveTo(99);
    EXPECT_EQ(log.currentIndex(), 2);
    log.moveTo(-4);
    EXPECT_EQ(log.currentIndex(), 0);
}

TEST(GameFile, ReadsWhatItWritesAndNamesTheFirstProblem)
{
    GameFile game;
    game.level = Level::Tough;
    game.givens = std::string(40, '0') + std::string(41, '7');
    game.solution = std::string(81, '9');
    game.steps = {snapshotOf(std::vector<std::string>(81, "3")),
                  snapshotOf(std::vector<std::string>(81, "312"))};
    const auto lines = gameFileLines(game);
    EXPECT_EQ(lines[0], "3 " + game.givens);
    const GameFileReading reading = parseGameFile(lines);
    ASSERT_TRUE(reading.file.has_value());
    EXPECT_EQ(reading.file->level, Level::Tough);
    EXPECT_EQ(reading.file->givens, game.givens);
    EXPECT_EQ(reading.file->steps, game.steps);

    struct Case
    {
        const char *why;
        std::size_t line;
        std::string text;
        GameFileProblem problem;
    };
    const Case bad[]
        = {{"level 6", 0, "6 " + game.givens, GameFileProblem::BadLevel},
           {"no blank", 0, "3" + game.givens, GameFileProblem::BadLevel},
           {"short givens", 0, "3 " + game.givens.substr(1), GameFileProblem::BadGivens},
           {"letter in solution", 1, std::string(80, '1') + "x", GameFileProblem::BadSolution},
           {"placeholder step", 3, "memostep", GameFileProblem::BadStep}};
    for (const Case &c : bad) {
        auto broken = lines;
        broken[c.line] = c.text;
        const GameFileReading r = parseGameFile(broken);
        EXPECT_FALSE(r.file.has_value()) << c.why;
        EXPECT_EQ(r.problem, c.problem) << c.why;
        EXPECT_EQ(r.line, static_cast<int>(c.line) + 1) << c.why;
    }
    EXPECT_EQ(parseGameFile({lines[0], lines[1]}).problem, GameFileProblem::TooFewLines);
    auto unknownSolution = lines;
    unknownSolution[1].clear();
    EXPECT_TRUE(parseGameFile(unknownSolution).file.has_value()) << "the solution may be unknown";
}

// Hand-edited game files: the check and the loader read blanks the same way, so a step that
// passes the check loads as exactly the board it shows.
TEST(GameFile, BlanksAroundFieldsAreIgnoredByTheCheckAndTheLoaderAlike)
{
    std::vector<std::string> fields(81, "3");
    fields[0] = "15";
    fields[1] = "3124";
    fields[80] = "26";
    const std::string clean = snapshotOf(fields);

    struct Case
    {
        const char *why;
        std::string step;
    };
    const Case edited[] = {
        {"tab before the first field", "\t" + clean},
        {"blank before a given", " " + clean},
        {"blanks around every field",
         [&] {
             std::string s;
             for (std::size_t i = 0; i < fields.size(); ++i)
                 s += (i ? ", " : " ") + fields[i] + " \t";
             return s;
         }()},
        {"carriage return at the end", clean + "\r"},
    };
    for (const Case &c : edited) {
        EXPECT_TRUE(isValidSnapshot(c.step)) << c.why;
        TPICSD33 board;
        applySnapshot(board, c.step);
        EXPECT_EQ(board.cell(1, 1).state, CellState::Given) << c.why;
        EXPECT_EQ(board.cell(1, 1).hxs, "5") << c.why;
        EXPECT_EQ(board.cell(1, 2).hxs, "124") << c.why;
        EXPECT_EQ(board.cell(9, 9).state, CellState::Placed) << c.why;
        EXPECT_EQ(takeSnapshot(board), clean) << c.why;
        EXPECT_EQ(writtenSnapshot(c.step), clean) << c.why;

        const GameFileReading reading
            = parseGameFile({" 2\t" + std::string(81, '0') + " ", "", clean, c.step});
        ASSERT_TRUE(reading.file.has_value()) << c.why;
        EXPECT_EQ(reading.file->level, Level::Moderate);
        EXPECT_EQ(reading.file->steps.back(), clean) << "kept as the program writes it: " << c.why;
    }

    // A blank inside a field is part of it: the step fails the check, whichever reader asks.
    auto inside = fields;
    inside[0] = "1 5";
    EXPECT_FALSE(isValidSnapshot(snapshotOf(inside)));
    const GameFileReading reading
        = parseGameFile({"2 " + std::string(81, '0'), "", clean, snapshotOf(inside)});
    EXPECT_FALSE(reading.file.has_value());
    EXPECT_EQ(reading.problem, GameFileProblem::BadStep);
    EXPECT_EQ(reading.line, 4);
}

TEST(GameFile, EveryAcceptedStepLoadsAsTheBoardItShows)
{
    // Steps the check accepts must survive a load and a fresh take unchanged, or the first
    // move after Continue would be recorded against a different board.
    std::vector<std::string> fields(81, "3123");
    const std::string variants[] = {"\t" + snapshotOf(fields), snapshotOf(fields) + "  ",
                                    " \t 3123 " + snapshotOf(fields).substr(4)};
    for (const std::string &step : variants) {
        const GameFileReading reading = parseGameFile({"0 " + std::string(81, '0'), "", step});
        ASSERT_TRUE(reading.file.has_value()) << step;
        TPICSD33 board;
        applySnapshot(board, reading.file->steps[0]);
        EXPECT_EQ(takeSnapshot(board), reading.file->steps[0]);
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                ASSERT_EQ(board.cell(r, c).hxs, "123") << step;
    }
}

} // namespace
} // namespace kestrel
