// The main window's files: the data folder, the last game and the replays.
#include "app/main_form.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

const char *problemKey(GameFileProblem problem)
{
    switch (problem) {
    case GameFileProblem::TooFewLines:
        return "msg_gamefile_too_few_lines";
    case GameFileProblem::BadLevel:
        return "msg_gamefile_bad_level";
    case GameFileProblem::BadGivens:
        return "msg_gamefile_bad_givens";
    case GameFileProblem::BadSolution:
        return "msg_gamefile_bad_solution";
    case GameFileProblem::BadStep:
        break;
    }
    return "msg_gamefile_bad_step";
}

} // namespace

void TForm1::prepareDataDirectory()
{
    TextFiles &files = m_platform.files;
    m_dataDirectory = m_platform.paths.dataDirectory();
    const std::string replay = joinPath(m_dataDirectory, "replay");

    // The data directory and its "replay" folder are tried once each. The player is told
    // when they cannot be had, since games and replays then cannot be saved; the program
    // itself goes on.
    bool made = files.isDirectory(m_dataDirectory) || files.makeDirectory(m_dataDirectory);
    if (made)
        made = files.isDirectory(replay) || files.makeDirectory(replay);
    if (!made) {
        m_dataDirectoryUsable = false;
        m_platform.dialogs.showError(replaceAll(text("msg_datadir_failed"), "%1", m_dataDirectory),
                                     m_caption);
        return;
    }
    m_dataDirectoryUsable = m_platform.files.setCurrentDirectory(m_dataDirectory);
    if (!m_dataDirectoryUsable)
        m_platform.dialogs.showError(
            replaceAll(text("msg_datadir_enter_failed"), "%1", m_dataDirectory), m_caption);
}

std::string TForm1::lastGamePath() const
{
    return joinPath(m_dataDirectory, "lastgame.dat");
}

bool TForm1::writeGameFile(const std::string &path)
{
    if (m_platform.files.writeLines(path, gameFileLines(m_game.currentGameFile())))
        return true;
    m_platform.dialogs.showError(replaceAll(text("msg_file_write_failed"), "%1", path), m_caption);
    return false;
}

void TForm1::FormClose()
{
    // Opening and closing the program without a game must not throw away the last game.
    if (!m_game.hasPuzzle() && m_platform.files.exists(lastGamePath()))
        return;
    if (!m_dataDirectoryUsable)
        return; // already reported at start-up
    writeGameFile(lastGamePath());
}

// The last game is also written after every step, so that a crash or a power cut loses at
// most the last second of play. A step is written once the event that made it is over (never
// a board half changed by a new game or a load); the steps of the second after a write wait
// and are written together when it ends. Each write replaces the file whole
// (TextFiles::writeLines).
void TForm1::stepRecorded()
{
    m_autosavePending = true;
    if (!m_autosavePaused)
        startAutosavePause(0);
}

void TForm1::startAutosavePause(int milliseconds)
{
    const std::weak_ptr<int> alive = m_alive;
    m_autosavePaused = m_platform.windows.runLater(milliseconds, [this, alive] {
        if (!alive.expired())
            autosavePauseEnded();
    });
    // Without a timer nothing is written during play: inside an event the board and the step
    // log may not belong to the same game yet (a new game half set up), and only the close
    // writes the last game.
    if (!m_autosavePaused)
        m_autosavePending = false;
}

void TForm1::autosavePauseEnded()
{
    m_autosavePaused = false;
    if (!m_autosavePending)
        return;
    m_autosavePending = false;
    writeAutosave();
    startAutosavePause(kAutosaveIntervalMs);
}

void TForm1::writeAutosave()
{
    if (!m_dataDirectoryUsable || !m_game.hasPuzzle())
        return;
    const std::string path = lastGamePath();
    if (m_platform.files.writeLines(path, gameFileLines(m_game.currentGameFile()))) {
        m_autosaveFailureShown = false;
        return;
    }
    // Said once, not after every move; said again after a write that worked and a new failure.
    if (m_autosaveFailureShown)
        return;
    m_autosaveFailureShown = true;
    m_platform.dialogs.showError(replaceAll(text("msg_file_write_failed"), "%1", path), m_caption);
}

void TForm1::savetClick()
{
    const auto path = m_platform.dialogs.saveFile(text("savet.caption"),
                                                  joinPath(m_dataDirectory, "replay"), {});
    if (!path)
        return;
    if (m_platform.files.exists(*path)
        && !m_platform.dialogs.confirm(text("msg_frmstep_queryexits"), m_caption))
        return;
    writeGameFile(*path);
}

void TForm1::loadGameFile(const GameFile &game)
{
    m_game.loadGame(game);
}

void TForm1::mnContinueClick()
{
    const std::string path = lastGamePath();
    if (!m_platform.files.exists(path))
        return;
    const auto lines = m_platform.files.readLines(path);
    if (!lines)
        return;
    const GameFileReading reading = parseGameFile(*lines);
    if (!reading.file)
        return; // an unreadable last game is passed over in silence
    if (!confirmAbandon())
        return;
    loadGameFile(*reading.file);
}

void TForm1::mnLoadReplayClick()
{
    if (!confirmAbandon())
        return;
    const auto path = m_platform.dialogs.openFile(text("mnloadreplay.caption"),
                                                  joinPath(m_dataDirectory, "replay"), {});
    if (!path)
        return;
    const auto lines = m_platform.files.readLines(*path);
    if (!lines) {
        m_platform.dialogs.showError(replaceAll(text("msg_file_read_failed"), "%1", *path),
                                     m_caption);
        return;
    }
    const GameFileReading reading = parseGameFile(*lines);
    if (!reading.file) {
        const std::string why
            = replaceAll(text(problemKey(reading.problem)), "%3", std::to_string(reading.line));
        m_platform.dialogs.showError(
            replaceAll(replaceAll(text("msg_gamefile_invalid"), "%1", *path), "%2", why),
            m_caption);
        return;
    }
    m_game.clock().setTimerenabled(false);
    loadGameFile(*reading.file);
}

} // namespace kestrel
