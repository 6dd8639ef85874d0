// The Save window: what OK writes, the overwrite question, and a disk that refuses.
#include "library/save_window.hpp"

#include "library_session.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class SaveWindowTest : public LibrarySession
{
protected:
    SaveWindowTest() { setGivens(20); }

    /// Opens a fresh Save window and presses OK with `name` and `level`.
    SaveOutcome save(const std::string &name, int level = 3)
    {
        Tfrmsave window(game, fake, fake, std::string(kStore), lookup(), "Sudoku");
        EXPECT_TRUE(window.FormCreate());
        EXPECT_EQ(window.nameText, "New Game");
        window.nameText = name;
        window.levelIndex = level;
        window.Button1Click();
        closed = window.closeRequested();
        return window.outcome();
    }
    std::vector<std::string> names()
    {
        std::vector<std::string> found;
        for (const std::string &line : fake.fileLines(kStore).value_or(std::vector<std::string>{}))
            if (line.rfind("Name=", 0) == 0)
                found.push_back(line.substr(5));
        return found;
    }

    bool closed = false;
};

TEST_F(SaveWindowTest, TheFirstSaveCreatesTheFileWithOneRecord)
{
    game.record().loadValues(kSolution);
    EXPECT_EQ(save("Mine", 2), SaveOutcome::Saved);
    const auto lines = fake.fileLines(kStore);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 13u);
    EXPECT_EQ((*lines)[0], "Name=Mine");
    EXPECT_EQ((*lines)[1], "2 " + std::string(kSolution));
    EXPECT_EQ((*lines)[2].substr(0, 20), "15        13        ");
    EXPECT_EQ(fake.lastShown(), (Shown{"inform", "Game has been saved", "Sudoku"}));
    EXPECT_TRUE(closed);
}

TEST_F(SaveWindowTest, AGameWithoutSolutionGetsALevelLineOfDigitAndBlank)
{
    EXPECT_EQ(save("", 5), SaveOutcome::Saved);
    const auto lines = fake.fileLines(kStore).value();
    EXPECT_EQ(lines[0], "Name=");
    EXPECT_EQ(lines[1], "5 ");
}

TEST_F(SaveWindowTest, OverwritingMovesTheRecordToTheEndAndNoKeepsTheBytes)
{
    save("A");
    save("a"); // another name: case counts
    save("B");
    ASSERT_EQ(names(), (std::vector<std::string>{"A", "a", "B"}));

    const auto before = fake.fileBytes(kStore);
    fake.clearLog();
    fake.answerConfirm(false);
    EXPECT_EQ(save("A"), SaveOutcome::KeptOld);
    EXPECT_EQ(fake.fileBytes(kStore), before);
    EXPECT_TRUE(fake.shownOfKind("inform").empty());
    EXPECT_TRUE(closed);

    fake.answerConfirm(true);
    board().cell(9, 9).hxs = "12";
    EXPECT_EQ(save("A", 4), SaveOutcome::Saved);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "B", "A"}));
    const auto lines = fake.fileLines(kStore).value();
    EXPECT_EQ(lines.size(), 39u);
    EXPECT_EQ(lines[27], "4 ");
    EXPECT_EQ(lines[36].substr(80), "312       ");
    EXPECT_EQ(fake.shownOfKind("confirm").back().text,
              "This Game board name already exits,OK to overwrite it?");
}

TEST_F(SaveWindowTest, ARefusedWriteSaysWhyAndKeepsFileAndWindow)
{
    save("A");
    const auto before = fake.fileBytes(kStore);
    fake.clearLog();
    // Disk full while writing the new file, and a rename the system refuses.
    for (const char *reason : {"No space left on device", "Permission denied"}) {
        SCOPED_TRACE(reason);
        fake.failWritesUnder(kStore, reason);
        fake.answerConfirm(true);
        EXPECT_EQ(save("A"), SaveOutcome::Failed);
        EXPECT_EQ(save("B"), SaveOutcome::Failed);
        EXPECT_FALSE(closed);
        EXPECT_EQ(fake.fileBytes(kStore), before);
        EXPECT_EQ(fake.lastShown().kind, "error");
        EXPECT_NE(fake.lastShown().text.find(reason), std::string::npos);
        EXPECT_NE(fake.lastShown().text.find(kStore), std::string::npos);
        for (const Shown &shown : fake.shownOfKind("inform"))
            EXPECT_NE(shown.text, "Game has been saved");
        fake.clearLog();
    }
}

TEST_F(SaveWindowTest, AFileThatCannotBeCreatedKeepsTheWindowShut)
{
    Tfrmsave window(game, fake, fake, "/home/player/missing/games.dat", lookup(), "Sudoku");
    EXPECT_FALSE(window.FormCreate());
    EXPECT_EQ(fake.lastShown().kind, "error");
}

} // namespace
} // namespace kestrel
