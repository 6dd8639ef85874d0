// The main window's own writes (the last game on close and while playing, a replay) against a
// full disk, a refused rename and a read-only folder: the old file stays as it was, the player
// is told in the language on show, and the game in memory is untouched.
#include "core/digit_strings.hpp"
#include "game/step_log.hpp"
#include "support/play_session.hpp"

namespace kestrel {
namespace {

class WriteFaultTest : public PlaySession
{
protected:
    static constexpr const char *kReasons[]
        = {"No space left on device", "Operation not permitted", "Read-only file system"};

    std::string lastGame() const { return fake.dataDirectory() + "/lastgame.dat"; }
    std::string replay() const { return fake.dataDirectory() + "/replay/mine.dat"; }

    void playSomeMoves()
    {
        if (form.game().hasPuzzle())
            fake.answerConfirm(true); // abandon the game before
        form.newGame(Level::Moderate);
        const auto open = openCells();
        place(open[0]);
        place(open[1]);
        fake.runTimers();
        fake.runTimers();
    }
    /// The error shown last names `path` in the message of the language on show.
    void expectWriteFailureShown(const std::string &path)
    {
        ASSERT_FALSE(fake.shown().empty());
        EXPECT_EQ(fake.lastShown().kind, "error");
        EXPECT_EQ(fake.lastShown().text,
                  replaceAll(form.text("msg_file_write_failed"), "%1", path));
    }
};

TEST_F(WriteFaultTest, ClosingKeepsTheOldLastGameWhenTheWriteFails)
{
    for (const Language language : {Language::English, Language::Japanese}) {
        for (const char *reason : kReasons) {
            SCOPED_TRACE(reason);
            form.loadLanguage(language);
            playSomeMoves();
            fake.addFile(lastGame(), "the game of yesterday");
            const auto steps = form.game().history().lines();
            const std::string shown = takeSnapshot(board());
            fake.clearLog();
            fake.failWritesUnder(lastGame(), reason);
            form.FormClose();
            EXPECT_EQ(fake.fileBytes(lastGame()), "the game of yesterday");
            expectWriteFailureShown(lastGame());
            EXPECT_EQ(form.game().history().lines(), steps);
            EXPECT_EQ(takeSnapshot(board()), shown);
            fake.allowWrites();
        }
    }
}

TEST_F(WriteFaultTest, AnAutosaveThatFailsKeepsTheOldLastGameAndThePlay)
{
    for (const char *reason : kReasons) {
        SCOPED_TRACE(reason);
        playSomeMoves();
        const std::string before = *fake.fileBytes(lastGame());
        fake.clearLog();
        fake.failWritesUnder(lastGame(), reason);
        place(openCells()[0]);
        fake.runTimers();
        EXPECT_EQ(fake.fileBytes(lastGame()), before);
        expectWriteFailureShown(lastGame());
        EXPECT_EQ(takeSnapshot(board()), form.game().history().lines().back());
        fake.allowWrites();
        fake.runTimers();
    }
}

TEST_F(WriteFaultTest, AReplayThatCannotBeWrittenLeavesTheOldOneAndTheGame)
{
    for (const char *reason : kReasons) {
        SCOPED_TRACE(reason);
        playSomeMoves();
        fake.addFile(replay(), "an older replay");
        const auto steps = form.game().history().lines();
        fake.clearLog();
        fake.failWritesUnder(replay(), reason);
        fake.answerSave(replay());
        fake.answerConfirm(true); // overwrite it
        form.savetClick();
        EXPECT_EQ(fake.fileBytes(replay()), "an older replay");
        expectWriteFailureShown(replay());
        EXPECT_EQ(form.game().history().lines(), steps);
        EXPECT_TRUE(form.game().board().enabled);
        fake.allowWrites();

        // And once the folder takes writes again, the same replay loads back whole.
        fake.answerSave(replay());
        fake.answerConfirm(true);
        form.savetClick();
        const auto lines = fake.fileLines(replay());
        ASSERT_TRUE(lines.has_value());
        const GameFileReading reading = parseGameFile(*lines);
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_EQ(reading.file->steps, steps);
    }
}

} // namespace
} // namespace kestrel
