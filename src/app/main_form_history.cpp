// The move history of the main window: the step log and its navigation, the game files
// (last game, replays) and branches.
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

// ---------------------------------------------------------------------------------------------
// Step log

void TForm1::recordStep()
{
    m_stepLog.record(takeSnapshot(m_board));
    setNavigationFromLog();
}

void TForm1::resetStepLog()
{
    m_stepLog.reset(takeSnapshot(m_board));
}

void TForm1::restoreSnapshot(std::string_view snapshot)
{
    applySnapshot(m_board, snapshot);
    const int classification = candidateClassification();
    if (classification == 2 || classification == 3) {
        radioClick(Mode::AllCandidates);
    } else if (rb_noneMouseDown()) {
        radioClick(Mode::PencilAndPaper);
    }
}

void TForm1::redrawAfterRestore()
{
    m_board.markConflicts();
    switch (mode()) {
    case Mode::PencilAndPaper:
        m_board.refreshHonouringHidden();
        if (selectedDigit() == 0) {
            m_digitsAllowAllUp = false;
            setDigitDown(1);
        }
        break;
    case Mode::AllCandidates:
        m_board.refreshByState();
        break;
    case Mode::PartCandidates:
        // A Part Candidates step shows the candidates of the selected digit, or of 1.
        m_board.refreshFilterDigit(selectedDigit() != 0 ? selectedDigit() : 1);
        break;
    }
}

void TForm1::navigate(int index)
{
    if (m_stepLog.lines().front() == StepLog::kPlaceholder)
        return; // no game: nothing to walk
    m_stepLog.moveTo(index);
    restoreSnapshot(m_stepLog.lines()[static_cast<std::size_t>(m_stepLog.currentIndex())]);
    redrawAfterRestore();
    setNavigationFromLog();
    highlightSelectedDigit();
    reapplyColourMarks();
    refreshProgressBars();
}

// ---------------------------------------------------------------------------------------------
// Game files

std::string TForm1::lastGamePath() const
{
    return joinPath(m_dataDirectory, "lastgame.dat");
}

GameFile TForm1::currentGameFile() const
{
    GameFile game;
    game.level = m_board.nd;
    game.givens = m_board.givensString();
    // Before any game the board's givens have no digits; a game file still holds 81 cells.
    if (game.givens.size() != 81)
        game.givens = std::string(81, '0');
    game.solution = m_QJ1.solutionString();
    game.steps = m_stepLog.lines();
    return game;
}

bool TForm1::writeGameFile(const std::string &path)
{
    if (m_platform.files.writeLines(path, gameFileLines(currentGameFile())))
        return true;
    m_platform.dialogs.showError(replaceAll(text("msg_file_write_failed"), "%1", path), m_caption);
    return false;
}

void TForm1::FormClose()
{
    // Opening and closing the program without a game must not throw away the last game.
    const bool noGame = m_QJ1.givensString() == std::string(81, '0');
    if (noGame && m_platform.files.exists(lastGamePath()))
        return;
    if (!m_dataDirectoryUsable)
        return; // already reported at start-up
    writeGameFile(lastGamePath());
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
    loadGame(*reading.file);
}

void TForm1::mnLoadReplayClick()
{
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
    m_TimeLabel1.setTimerenabled(false);
    loadGame(*reading.file);
}

void TForm1::loadGame(const GameFile &game)
{
    m_QJ1.clearValues();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            m_board.cell(r, c).state = CellState::Open;
            m_board.cell(r, c).hxs.clear();
        }
    }
    bt_clearcolorClick();
    control("chkcolor").checked = false;
    radioClick(Mode::PencilAndPaper);
    setDigitDown(1);

    m_stepLog.load(game.steps);
    m_QJ1.loadGivens(game.givens);
    m_QJ1.loadValues(game.solution);
    restoreSnapshot(m_stepLog.lines().back());
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            m_board.cell(r, c).state = m_QJ1.node(r, c).given ? CellState::Given : CellState::Open;
    m_board.enabled = true;
    m_board.refresh();
    m_board.nd = game.level;
    setNavigationFromLog();
    showRecordOnBoard();
    refreshProgressBars();
    disnote11Click(1);
    m_board.nd = game.level;
    m_board.hideMultiHxs();
    control("ndtxt").caption = levelText(game.level);
    m_stepLog.removeLast();
    btlastClick();
    startClock();
    // The board keeps the level the file holds (also after Load Replay), so that the next
    // save records the game's own level.
}

// ---------------------------------------------------------------------------------------------
// Branches

void TForm1::btStartBranchClick()
{
    control("btStartBranch").enabled = false;
    control("btAccept").enabled = true;
    control("btRejectBranch").enabled = true;
    m_branchSnapshot = takeSnapshot(m_board);
}

void TForm1::btRejectBranchClick()
{
    if (m_branchSnapshot.empty())
        return;
    btAcceptClick();
    control("btStartBranch").enabled = true;
    control("btAccept").enabled = false;
    control("btRejectBranch").enabled = false;
    restoreSnapshot(m_branchSnapshot);
    redrawAfterRestore();
    recolourWrongDigits();
    refreshProgressBars();
    reapplyColourMarks();
    m_branchSnapshot.clear();
}

} // namespace kestrel
