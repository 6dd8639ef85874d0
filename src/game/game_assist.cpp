// What the game does beyond the play rules to help the player along: the pause, mistakes
// marked as they are made, and the rewind to the last step without a mistake.
#include "game/game.hpp"

#include <memory>

namespace kestrel {

namespace {

/// True when every placed digit of `board` is the solution's digit of its cell.
bool placedDigitsAgree(const TPICSD33 &board, const TQJ &record)
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            if (cell.state != CellState::Placed || cell.hxs.size() != 1)
                continue;
            if (cell.hxs[0] != static_cast<char>('0' + record.node(r, c).value))
                return false;
        }
    }
    return true;
}

} // namespace

bool Game::isInProgress() const
{
    return hasPuzzle() && !m_solvedMarkerVisible && m_stepLog.lines().size() > 1
        && m_stepLog.lines().front() != StepLog::kPlaceholder;
}

void Game::btPauseClick()
{
    if (m_paused) {
        resume();
        return;
    }
    if (!m_clock.timerenabled())
        return; // nothing runs: a finished game or none
    m_paused = true;
    m_clock.setTimerenabled(false);
    m_boardEnabledBeforePause = m_board.enabled;
    m_board.enabled = false;
    m_board.covered = true;
}

void Game::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_clock.setTimerenabled(true);
    m_board.enabled = m_boardEnabledBeforePause;
    m_board.covered = false;
}

void Game::setShowMistakes(bool on)
{
    m_showMistakes = on;
    updateMistakes();
}

void Game::updateMistakes()
{
    m_board.mistakes.fill(false);
    if (!m_showMistakes)
        return;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = m_board.cell(r, c);
            const int v = m_QJ1.node(r, c).value;
            m_board.mistakes[static_cast<std::size_t>(cellIndex(r, c))] = v != 0
                && cell.state == CellState::Placed && cell.hxs.size() == 1
                && cell.hxs[0] != static_cast<char>('0' + v);
        }
    }
}

bool Game::canRewind() const
{
    return hasPuzzle() && m_QJ1.solutionString().size() == 81
        && m_stepLog.lines().front() != StepLog::kPlaceholder;
}

int Game::lastStepWithoutMistake() const
{
    // The board is large; one scratch copy serves every step looked at.
    const auto scratch = std::make_unique<TPICSD33>();
    for (int i = m_stepLog.currentIndex(); i > 0; --i) {
        applySnapshot(*scratch, m_stepLog.lines()[static_cast<std::size_t>(i)]);
        if (placedDigitsAgree(*scratch, m_QJ1))
            return i;
    }
    return 0;
}

void Game::btRewindClick()
{
    if (!canRewind())
        return;
    if (const int target = lastStepWithoutMistake(); target != m_stepLog.currentIndex())
        navigate(target);
}

} // namespace kestrel
