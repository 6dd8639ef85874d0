// The last game written while playing: at once after a quiet while, then at most once per
// pause with the steps in between together, and never half (a killed process leaves a game
// Continue brings back).
#include "game/step_log.hpp"
#include "platform/file_text_files.hpp"
#include "support/play_session.hpp"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrel {
namespace {

class AutosaveTest : public PlaySession
{
protected:
    std::string lastGame() const { return fake.dataDirectory() + "/lastgame.dat"; }
    /// The step log the last-game file holds, or nothing when it is no game file.
    std::optional<std::vector<std::string>> savedSteps() const
    {
        const auto lines = fake.fileLines(lastGame());
        if (!lines)
            return std::nullopt;
        const GameFileReading reading = parseGameFile(*lines);
        if (!reading.file)
            return std::nullopt;
        return reading.file->steps;
    }
};

TEST_F(AutosaveTest, AStepIsWrittenAfterItsEventAndTheStepsOfTheNextSecondTogether)
{
    form.newGame(Level::VeryEasy);
    fake.runTimers(); // the new game's write
    fake.runTimers(); // and the quiet second after it
    ASSERT_EQ(fake.pendingTimers(), 0u);
    const auto open = openCells();
    place(open[0]);
    EXPECT_NE(savedSteps(), form.game().history().lines()) << "not inside the click";
    ASSERT_EQ(fake.pendingTimers(), 1u);
    EXPECT_EQ(fake.timerDelays().back(), 0) << "but as soon as the click is over";
    fake.runTimers();
    EXPECT_EQ(savedSteps(), form.game().history().lines());
    ASSERT_EQ(fake.pendingTimers(), 1u);
    EXPECT_EQ(fake.timerDelays().back(), 1000);

    const auto afterFirst = form.game().history().lines();
    place(open[1]);
    place(open[2]);
    EXPECT_EQ(savedSteps(), afterFirst) << "steps within the pause wait";
    EXPECT_EQ(fake.pendingTimers(), 1u) << "one pause, not one per step";

    fake.runTimers();
    EXPECT_EQ(savedSteps(), form.game().history().lines()) << "written when the pause ends";
    ASSERT_EQ(fake.pendingTimers(), 1u) << "the write starts a new pause";

    const std::string written = *fake.fileBytes(lastGame());
    fake.addFile(lastGame(), written + "marker");
    fake.runTimers();
    EXPECT_EQ(*fake.fileBytes(lastGame()), written + "marker") << "nothing new, no write";
    EXPECT_EQ(fake.pendingTimers(), 0u);

    place(open[3]);
    fake.runTimers();
    EXPECT_EQ(savedSteps(), form.game().history().lines()) << "after a quiet pause";
}

TEST_F(AutosaveTest, EveryKindOfStepIsWrittenAndContinueBringsItBack)
{
    form.newGame(Level::Gentle);
    const auto open = openCells();
    place(open[0]);
    fake.runTimers();
    clickMode(Mode::AllCandidates);
    fake.runTimers();
    form.game().btbackClick();
    place(open[1]); // cuts the undone step
    fake.runTimers();
    const auto steps = form.game().history().lines();
    EXPECT_EQ(savedSteps(), steps);

    // No close: the next run finds the game as it was written during play.
    TForm1 next(fake.platform());
    next.FormCreate();
    next.mnContinueClick();
    EXPECT_EQ(next.game().history().lines(), steps);
    EXPECT_EQ(takeSnapshot(next.game().board()), takeSnapshot(board()));
}

TEST_F(AutosaveTest, WithoutATimerOnlyTheCloseWrites)
{
    // Inside an event the board and the log may be half way through a change: without a
    // timer to wait for its end nothing is written during play.
    fake.removeTimers();
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    for (int i = 0; i < 3; ++i)
        place(open[static_cast<std::size_t>(i)]);
    EXPECT_FALSE(fake.fileBytes(lastGame()).has_value());
    form.FormClose();
    EXPECT_EQ(savedSteps(), form.game().history().lines());
}

TEST_F(AutosaveTest, AFailingWriteKeepsTheOldFileAndIsReportedOnceUntilAWriteWorks)
{
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    place(open[0]);
    fake.runTimers();
    const std::string before = *fake.fileBytes(lastGame());
    fake.clearLog();

    fake.failWritesUnder(fake.dataDirectory());
    place(open[1]);
    fake.runTimers();
    place(open[2]);
    fake.runTimers();
    fake.runTimers();
    EXPECT_EQ(*fake.fileBytes(lastGame()), before) << "the old game stays whole";
    ASSERT_EQ(fake.shown().size(), 1u) << "one message, not one per move";
    EXPECT_NE(fake.shown()[0].text.find("lastgame.dat"), std::string::npos) << fake.shown()[0].text;
    EXPECT_EQ(form.game().history().lines().size(), 4u) << "play goes on";

    fake.allowWrites();
    place(open[3]);
    fake.runTimers();
    fake.runTimers();
    EXPECT_EQ(savedSteps(), form.game().history().lines());
    fake.failWritesUnder(fake.dataDirectory());
    place(open[4]);
    fake.runTimers();
    fake.runTimers();
    EXPECT_EQ(fake.shown().size(), 2u) << "a new failure after a good write is said again";
}

TEST_F(AutosaveTest, NoWriteBeforeAGameOrAfterTheWindowIsGone)
{
    form.newGame(Level::VeryEasy);
    place(openCells()[0]);
    fake.runTimers();
    ASSERT_EQ(fake.pendingTimers(), 1u);
    {
        TForm1 brief(fake.platform());
        brief.FormCreate();
        brief.newGame(Level::VeryEasy);
        brief.game().disnote11Click(1);
    }
    // The timers of a window that is gone run into nothing.
    fake.runTimers();
    SUCCEED();
}

// --- a killed process --------------------------------------------------------------------

class FolderPaths final : public Paths
{
public:
    explicit FolderPaths(std::string folder) : m_folder(std::move(folder)) { }
    std::string dataDirectory() const override { return m_folder; }
    std::string programDirectory() const override { return m_folder; }
    std::string tempDirectory() const override { return m_folder; }

private:
    std::string m_folder;
};

// The child plays on real files and reports each board it has after a move (and after the
// pause that follows it) on `report`, then waits to be killed.
[[noreturn]] void playUntilKilled(const std::string &folder, int report, int moves)
{
    FakePlatform fake;
    FileTextFiles files;
    FolderPaths paths(folder);
    Platform platform{fake, fake, fake, fake, paths, files, fake};
    MersenneRandom random(7);
    TForm1 form(platform);
    form.game().setRandomSource(random);
    form.FormCreate();
    form.newGame(Level::VeryEasy);
    for (int i = 0; i < moves; ++i) {
        TPICSD33 &board = form.game().board();
        for (int k = 0; k < 81; ++k) {
            const int r = k / 9 + 1, c = k % 9 + 1;
            if (board.cell(r, c).state != CellState::Open)
                continue;
            form.game().disnote11Click(form.game().record().node(r, c).value);
            form.cellClick(r, c, MouseButton::Left);
            break;
        }
        fake.runTimers(); // the click is over
        if (i % 2 == 1)
            fake.runTimers(); // and a second passes after every second move
        const std::string line = takeSnapshot(board) + "\n";
        if (write(report, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            _exit(3);
    }
    while (true)
        pause();
}

TEST(AutosaveKill, ContinueAfterAKilledGameBringsBackTheLastMoveOrTheOneBefore)
{
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("kestrel-autosave-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto cwd = std::filesystem::current_path();

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    constexpr int kMoves = 7;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeEnds[0]);
        playUntilKilled(folder.string(), pipeEnds[1], kMoves);
    }
    close(pipeEnds[1]);
    std::vector<std::string> boards;
    std::string pending;
    char buffer[4096];
    while (static_cast<int>(boards.size()) < kMoves) {
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<std::size_t>(n));
        for (auto nl = pending.find('\n'); nl != std::string::npos; nl = pending.find('\n')) {
            boards.push_back(pending.substr(0, nl));
            pending.erase(0, nl + 1);
        }
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(pipeEnds[0]);
    ASSERT_EQ(static_cast<int>(boards.size()), kMoves) << "the child stopped early";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    FakePlatform fake;
    FileTextFiles files;
    FolderPaths paths(folder.string());
    Platform platform{fake, fake, fake, fake, paths, files, fake};
    TForm1 next(platform);
    next.FormCreate();
    next.mnContinueClick();
    const std::string restored = takeSnapshot(next.game().board());
    std::filesystem::current_path(cwd);
    std::filesystem::remove_all(folder);
    EXPECT_TRUE(restored == boards[kMoves - 1] || restored == boards[kMoves - 2])
        << "restored: " << restored;
    EXPECT_TRUE(next.game().board().enabled);
}

} // namespace
} // namespace kestrel
