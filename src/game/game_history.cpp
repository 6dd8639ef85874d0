// The game's move history: the step log and its navigation, a game read from a file, and
// the trial branch.
#include "game/game.hpp"

namespace kestrel {

void Game::recordStep()
{
    const bool added = m_stepLog.record(takeSnapshot(m_board));
    setStepButtonsFromLog();
    if (added && m_stepRecorded)
        m_stepRecorded();
}

void Game::resetStepLog()
{
    m_stepLog.reset(takeSnapshot(m_board));
}

void Game::restoreSnapshot(std::string_view snapshot)
{
    applySnapshot(m_board, snapshot);
    const int classification = candidateClassification();
    if (classification == 2 || classification == 3)
        radioClick(Mode::AllCandidates);
    else
        pressPencilAndPaper();
}

void Game::redrawAfterRestore()
{
    m_board.markConflicts();
    switch (m_mode) {
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

void Game::navigate(int index)
{
    if (m_stepLog.lines().front() == StepLog::kPlaceholder)
        return; // no game: nothing to walk
    m_stepLog.moveTo(index);
    restoreSnapshot(m_stepLog.lines()[static_cast<std::size_t>(m_stepLog.currentIndex())]);
    redrawAfterRestore();
    setStepButtonsFromLog();
    highlightSelectedDigit();
    reapplyColourMarks();
    refreshProgressBars();
}

GameFile Game::currentGameFile() const
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

void Game::clearBoardForLoad()
{
    m_QJ1.clearValues();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            m_board.cell(r, c).state = CellState::Open;
            m_board.cell(r, c).hxs.clear();
        }
    }
    bt_clearcolorClick();
    m_marking = false;
    radioClick(Mode::PencilAndPaper);
    setDigitDown(1);
}

void Game::loadGame(const GameFile &game)
{
    clearBoardForLoad();
    m_stepLog.load(game.steps);
    m_QJ1.loadGivens(game.givens);
    // A game without a stored solution keeps its givens' values: it is a game like any
    // other (Restart, the last game written at closing).
    if (!game.solution.empty())
        m_QJ1.loadValues(game.solution);
    // The file's candidates are put back as they were saved: whether automatic update was on
    // is not in the file, so the mode change must not reduce them.
    m_restoringFile = true;
    restoreSnapshot(m_stepLog.lines().back());
    m_restoringFile = false;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            m_board.cell(r, c).state = m_QJ1.node(r, c).given ? CellState::Given : CellState::Open;
    m_board.enabled = true;
    m_board.refresh();
    m_board.nd = game.level;
    setStepButtonsFromLog();
    showRecordOnBoard();
    // Showing the record turns placed digits into open cells, so the recount records that
    // board as an extra step, which is dropped again; a last step without a placed digit
    // records nothing and must stay.
    const std::size_t stepsBefore = m_stepLog.lines().size();
    refreshProgressBars();
    const bool extraStep = m_stepLog.lines().size() > stepsBefore;
    disnote11Click(1);
    m_board.nd = game.level;
    m_board.hideMultiHxs();
    m_levelText = levelTextOf(game.level);
    if (extraStep)
        m_stepLog.removeLast();
    btlastClick();
    startClock();
    // The board keeps the level the file holds (also after Load Replay), so that the next
    // save records the game's own level.
}

// ---------------------------------------------------------------------------------------------
// Branches

void Game::btStartBranchClick()
{
    m_branch.canStart = false;
    m_branch.canAccept = true;
    m_branch.canReject = true;
    m_branch.snapshot = takeSnapshot(m_board);
    m_branch.step = m_stepLog.currentIndex();
}

void Game::btRejectBranchClick()
{
    if (m_branch.snapshot.empty())
        return;
    btAcceptClick();
    m_branch.canStart = true;
    m_branch.canAccept = false;
    m_branch.canReject = false;
    restoreSnapshot(m_branch.snapshot);
    redrawAfterRestore();
    recolourWrongDigits();
    refreshProgressBars();
    reapplyColourMarks();
    m_branch.snapshot.clear();
}

} // namespace kestrel
