// Every write of the program (the last game on close and while playing, a replay, the game
// library's games.dat, the settings, the printable page, the board picture) against a full
// disk, a refused rename and a read-only folder: the old file stays as it was, the player is
// told in the language on show, and nothing in memory is half changed.
#include "core/digit_strings.hpp"
#include "game/step_log.hpp"
#include "library/game_store.hpp"
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

// The same three faults, each against every other write, in a language other than English.
struct WriteFault
{
    const char *name;
    const char *reason; ///< what the system says
};

class EveryWriteFaultTest : public PlaySession, public testing::WithParamInterface<WriteFault>
{
protected:
    EveryWriteFaultTest()
    {
        form.applyBoardAppearance();
        form.loadLanguage(Language::Japanese);
        form.newGame(Level::Gentle);
        place(openCells()[0]);
    }

    /// The text of `key` on show, which must be a translation of its own.
    std::string translated(const char *key)
    {
        const std::string shown = form.text(key);
        form.loadLanguage(Language::English);
        EXPECT_NE(shown, form.text(key)) << key;
        form.loadLanguage(Language::Japanese);
        return shown;
    }
    std::string storePath() const { return fake.dataDirectory() + "/games.dat"; }

    /// Saves the board under `name` through Game > Save; the window's state after OK.
    SaveOutcome saveAs(const std::string &name)
    {
        SaveOutcome outcome = SaveOutcome::None;
        bool closed = false;
        fake.whileModal([&](std::string_view) {
            Tfrmsave &window = *form.frmsave();
            window.nameText = name;
            window.Button1Click();
            outcome = window.outcome();
            closed = window.closeRequested();
        });
        form.mnSaveCurrentBoardClick();
        EXPECT_EQ(closed, outcome != SaveOutcome::Failed);
        return outcome;
    }
};

TEST_P(EveryWriteFaultTest, TheGameLibraryKeepsItsFileAndItsList)
{
    ASSERT_EQ(saveAs("one"), SaveOutcome::Saved);
    ASSERT_EQ(saveAs("two"), SaveOutcome::Saved);
    const auto before = fake.fileBytes(storePath());
    fake.clearLog();
    fake.failWritesUnder(storePath(), GetParam().reason);
    const std::string expected
        = replaceAll(replaceAll(translated("msg_gamestore_write_failed"), "%1", storePath()), "%2",
                     GetParam().reason);

    // A new game, and an overwrite of one: the window stays open for another try.
    EXPECT_EQ(saveAs("three"), SaveOutcome::Failed);
    EXPECT_EQ(fake.lastShown(), (Shown{"error", expected, std::string(kApplicationTitle)}));
    fake.answerConfirm(true);
    EXPECT_EQ(saveAs("one"), SaveOutcome::Failed);
    EXPECT_EQ(fake.lastShown(), (Shown{"error", expected, std::string(kApplicationTitle)}));

    // Delete and rename in the game list: the rows and the list in memory stay.
    std::vector<GameListRow> rows;
    std::vector<std::string> lines;
    fake.whileModal([&](std::string_view) {
        Tfrmgamelist &list = form.frmgamelist();
        lines = list.store()->lines();
        rows = list.rows();
        list.selectRow(1);
        fake.answerConfirm(true);
        list.Button1Click();
        EXPECT_EQ(fake.lastShown(), (Shown{"error", expected, std::string(kApplicationTitle)}));
        fake.answerInput("renamed");
        list.Button2Click();
        EXPECT_EQ(fake.lastShown(), (Shown{"error", expected, std::string(kApplicationTitle)}));
        EXPECT_EQ(list.rows(), rows);
        EXPECT_EQ(list.store()->lines(), lines);
        EXPECT_EQ(list.currentRow(), 1);
    });
    form.mnDisplayYourGameListClick();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, "two");
    EXPECT_EQ(fake.shownOfKind("error").size(), 4u);
    EXPECT_EQ(fake.fileBytes(storePath()), before);
    EXPECT_TRUE(fake.allAnswersUsed());
}

TEST_P(EveryWriteFaultTest, TheSettingsStayAsSavedAndThePlayerIsToldOnce)
{
    const auto before = fake.fileBytes(FakePlatform::kSettingsFile);
    ASSERT_TRUE(before.has_value());
    const AppSettings stored = form.settings();
    const Colour background = board().UNFoucsColor1;
    fake.clearLog();
    fake.failWritesUnder(FakePlatform::kSettingsFile, GetParam().reason);

    // Appearance > a colour of its own > OK.
    fake.answerColour(Colour{0x00123456});
    fake.whileModal([&](std::string_view) {
        TfrmAppearance &dialog = form.frmAppearance();
        dialog.checkBoxClick(AppearanceGroup::Background, false);
        dialog.swatchClick(Swatch::Panel1);
        dialog.Button1Click();
    });
    form.mnAppearanceClick();
    const Shown told{"error", translated("msg_settings_write_failed"),
                     std::string(kApplicationTitle)};
    EXPECT_EQ(fake.shownOfKind("error"), std::vector<Shown>{told});
    // What is in memory and on the board is what the store holds: the choices saved before.
    EXPECT_EQ(form.settings(), stored);
    EXPECT_EQ(board().UNFoucsColor1, background);

    // The other settings writes fail as well, without saying it again.
    const bool mistakes = form.game().showsMistakes();
    form.mnShowMistakesClick();
    form.rememberWindowSize(900, 700);
    EXPECT_EQ(form.game().showsMistakes(), !mistakes); // for this session
    EXPECT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_EQ(fake.fileBytes(FakePlatform::kSettingsFile), before);

    // Once a write works again, the next failure is told again.
    fake.allowWrites();
    form.mnShowMistakesClick();
    fake.failWritesUnder(FakePlatform::kSettingsFile, GetParam().reason);
    form.chooseLanguage(Language::Chinese);
    ASSERT_EQ(fake.shownOfKind("error").size(), 2u);
    EXPECT_EQ(fake.lastShown().text, form.text("msg_settings_write_failed"));
    EXPECT_EQ(fake.storedSetting(kSettingsKey, kLanguageSettingName), std::nullopt);
}

TEST_P(EveryWriteFaultTest, ThePrintedPageBeforeStaysAndTheWindowStaysOpen)
{
    ASSERT_EQ(form.frmprintselect().SpeedButton1Click(), AfterOk::Close);
    const std::string page = joinPath(fake.privateDirectory(), kPrintPageName);
    const auto before = fake.fileBytes(page);
    ASSERT_TRUE(before.has_value());
    fake.clearLog();
    place(openCells()[0]);
    fake.failWritesUnder(page, GetParam().reason);
    Tfrmprintselect &window = form.frmprintselect();
    window.style = PrintStyle::WithCandidates;
    EXPECT_EQ(window.SpeedButton1Click(), AfterOk::StayOpen);
    EXPECT_EQ(
        fake.shownOfKind("error"),
        (std::vector<Shown>{{"error", translated("msg_print_write_failed"), window.caption}}));
    EXPECT_TRUE(fake.shellOpens().empty());
    EXPECT_EQ(fake.fileBytes(page), before);
    EXPECT_EQ(window.style, PrintStyle::WithCandidates); // the choice is kept for another try
}

TEST_P(EveryWriteFaultTest, TheOldPictureStays)
{
    const std::string path = "/home/player/Pictures/board.jpg";
    fake.addFile(path, "the picture of yesterday");
    fake.failWritesUnder(path, GetParam().reason);
    const std::string shown = takeSnapshot(board());
    fake.answerSave(path);
    form.trigger(ControlId::btsavepic);
    EXPECT_EQ(fake.lastShown(),
              (Shown{"error", replaceAll(translated("msg_file_write_failed"), "%1", path),
                     std::string(kApplicationTitle)}));
    EXPECT_EQ(fake.fileBytes(path), "the picture of yesterday");
    EXPECT_EQ(takeSnapshot(board()), shown);
}

INSTANTIATE_TEST_SUITE_P(Faults, EveryWriteFaultTest,
                         testing::Values(WriteFault{"FullDisk", "No space left on device"},
                                         WriteFault{"RefusedRename", "Operation not permitted"},
                                         WriteFault{"ReadOnlyFolder", "Read-only file system"}),
                         [](const testing::TestParamInfo<WriteFault> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace kestrel
