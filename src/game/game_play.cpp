// Playing a game: starting one, entries on the board, the digit counts, completion, restart
// and Check Error.
#include "game/game.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

#include <algorithm>

namespace kestrel {

namespace {

constexpr const char *kLevelTextKeys[]
    = {"msg_ndtxt_veryeasy", "msg_ndtxt_gentle",     "msg_ndtxt_moderate",
       "msg_ndtxt_tough",    "msg_ndtxt_diabolical", "msg_ndtxt_unkown"};

constexpr Colour kBarFull = 0x000000FF; // red
constexpr Colour kBarPartial = 0x00FF0000; // blue

constexpr Colour kCheckErrorColour = ColourMarks::kCheckErrorColour;

std::string digitText(int d)
{
    return std::string(1, static_cast<char>('0' + d));
}

template <typename F> void forEachCell(TPICSD33 &board, F &&f)
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            f(board.cell(r, c), r, c);
}

} // namespace

std::string Game::levelTextOf(Level level) const
{
    return text(kLevelTextKeys[levelNumber(level)]);
}

// ---------------------------------------------------------------------------------------------
// Starting a game

void Game::clearForStart()
{
    m_branch.snapshot.clear();
    m_markingColour = 11; // yellow
    m_board.enabled = false;
    forEachCell(m_board, [this](TPicNode &cell, int, int) {
        cell.hxs.clear();
        cell.state = CellState::Given;
        cell.setFontSize(m_board.FONTSize3);
    });
    m_marks.clear();
}

void Game::newGame(Level level, std::string_view puzzleLine)
{
    m_QJ1.clearValues();
    forEachCell(m_board, [](TPicNode &cell, int, int) {
        cell.state = CellState::Open;
        cell.hxs.clear();
    });
    bt_clearcolorClick();
    m_marking = false;

    // Pencil and Paper, exactly as the player's click on its radio button.
    pressPencilAndPaper();
    setDigitDown(1);
    m_autoUpdate.enabled = false;

    m_QJ1.loadTemplate(puzzleLine, *m_random);
    forEachCell(m_board, [](TPicNode &cell, int, int) { cell.hxsHidden = 0; });

    m_levelText = levelTextOf(level);
    showRecordOnBoard();
    refreshProgressBars();
    disnote11Click(1);
    resetStepLog();
    m_candidateSet = false;
    setStepButtons(false);
    startClock();
    m_board.nd = level;
    m_board.hideMultiHxs();
    m_digitsExclusive = true;
}

void Game::showRecordOnBoard()
{
    boardFromRecord(m_board, m_QJ1);
    m_solvedMarkerVisible = false;
    m_marking = false;
    m_branch.canStart = true;
    m_branch.canAccept = false;
    m_branch.canReject = false;
}

// ---------------------------------------------------------------------------------------------
// Entries on the board

void Game::takeBackPlacedDigit(int row, int col)
{
    // Taking a placed digit back gives it back to the neighbours' candidates.
    TPicNode &cell = m_board.cell(row, col);
    const int removed = cell.hxs.empty() ? 0 : cell.hxs[0] - '0';
    cell.hxs = m_board.allowedHxs(row, col);
    cell.state = CellState::Open;
    if (removed >= 1 && removed <= 9)
        m_board.restoreToPeers(row, col, removed);
    m_board.markConflicts();
    m_board.isSolved();
    refreshProgressBars();
    m_board.refreshFilterAny(displayDigits());
    reapplyColourMarks();
}

CellPressFollowUp Game::cellClick(int row, int col, MouseButton button)
{
    CellPressFollowUp followUp = CellPressFollowUp::None;
    if (button == MouseButton::Middle)
        return followUp; // only the left and right buttons act on the board
    TPicNode &cell = m_board.cell(row, col);
    if (m_mode != Mode::PencilAndPaper && cell.state == CellState::Placed) {
        takeBackPlacedDigit(row, col);
    } else if (button == MouseButton::Left) {
        const int d = selectedDigit();
        if (cell.state != CellState::Given && m_mode == Mode::PencilAndPaper && d != 0) {
            cell.hxs = digitText(d);
            cell.state = CellState::Placed;
            cell.Hide();
        }
    } else if (button == MouseButton::Right && cell.state != CellState::Given) {
        if (cell.state == CellState::Open) {
            followUp = CellPressFollowUp::OpenCandidatePad;
        } else if (cell.state == CellState::Placed && m_mode == Mode::PencilAndPaper
                   && !trimmed(cell.hxs).empty()) {
            cell.state = CellState::Open;
            cell.hxs.clear();
        }
    }

    m_board.markConflicts();
    const bool solved = m_board.isSolved();
    refreshProgressBars();
    redrawForMode();
    highlightSelectedDigit();
    reapplyColourMarks();
    if (solved)
        completion(CompletedBy::CellClick);
    recolourWrongDigits();
    return followUp;
}

void Game::candidateClick(int row, int col, int digit, MouseButton button)
{
    if (!m_board.enabled || button == MouseButton::Middle)
        return; // only the left and right buttons act on the board
    if (m_marking) {
        markCandidate(row, col, digit, button);
        return;
    }
    TPicNode &cell = m_board.cell(row, col);
    if (button == MouseButton::Left) {
        cell.hxs = digitText(digit);
        cell.state = CellState::Placed;
        if (autoUpdateOn())
            m_board.eliminateFromPeers(row, col);
    } else if (button == MouseButton::Right) {
        cell.hxs = removeDigits(cell.hxs, digitText(digit));
    }
    refreshProgressBars();
    m_board.markConflicts();
    m_board.refreshFilterAny(displayDigits());
    highlightSelectedDigit();
    reapplyColourMarks();
    recolourWrongDigits();
    if (m_board.isSolved())
        completion(CompletedBy::CandidateClick);
}

// ---------------------------------------------------------------------------------------------
// Progress, clock, completion, restart

void Game::refreshProgressBars()
{
    for (ProgressBarState &bar : m_progressBars)
        bar.position = 0;
    forEachCell(m_board, [this](TPicNode &cell, int, int) {
        if (cell.state == CellState::Open || !isDigitChar(cell.hxs))
            return;
        int &position = m_progressBars[static_cast<std::size_t>(cell.hxs[0] - '1')].position;
        position = std::min(position + 1, 9);
    });
    for (ProgressBarState &bar : m_progressBars) {
        bar.color = bar.position == 9 ? kBarFull : kBarPartial;
        bar.hint = std::to_string(bar.position);
    }
    recordStep();
}

void Game::setStepButtonsFromLog()
{
    m_stepButtons.first = m_stepLog.canGoBack();
    m_stepButtons.back = m_stepLog.canGoBack();
    m_stepButtons.next = m_stepLog.canGoForward();
    m_stepButtons.last = m_stepLog.canGoForward();
}

void Game::setStepButtons(bool enabled)
{
    m_stepButtons = StepButtons{enabled, enabled, enabled, enabled};
}

void Game::startClock()
{
    m_clock.setTimerenabled(true);
    m_clock.setMS(0);
}

void Game::TimeLabel1Timer()
{
    m_clock.setMS(m_clock.MS() + m_clock.timeinterval());
}

void Game::completion(CompletedBy by)
{
    m_solvedMarkerVisible = true;
    m_solvedMarkerText = "\u2714 " + text("msg_puzzle_solved");
    switch (by) {
    case CompletedBy::CellClick:
        m_dialogs.inform(text("msg_Puzzlesolved"), m_title);
        break;
    case CompletedBy::CandidateClick:
        m_dialogs.inform(text("msg_puzzle_solved"), m_title);
        break;
    case CompletedBy::HintWindow:
        break;
    }
    m_clock.setTimerenabled(false);
    if (by != CompletedBy::CandidateClick) {
        m_branch.canStart = false;
        m_branch.canAccept = false;
        m_branch.canReject = false;
    }
}

void Game::btRestartClick()
{
    if (!hasPuzzle())
        return;
    if (!m_dialogs.confirm(text("msg_restart"), m_title))
        return;
    bt_clearcolorClick();
    m_marking = false;
    m_board.enabled = true;
    forEachCell(m_board, [](TPicNode &cell, int, int) {
        if (cell.state != CellState::Given) {
            cell.hxs.clear();
            cell.state = CellState::Open;
        }
    });
    m_board.markConflicts();
    m_solvedMarkerVisible = false;
    radioClick(Mode::PencilAndPaper);
    setDigitDown(1);
    m_candidateSet = false;
    refreshProgressBars();
    disnote11Click(1);
    m_board.hideMultiHxs();
    resetStepLog();
    setStepButtons(false);
    startClock();
    recolourWrongDigits();
}

bool Game::checkErrors()
{
    bool found = false;
    const bool pencil = m_mode == Mode::PencilAndPaper;
    forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
        const int v = m_QJ1.node(r, c).value;
        if (v == 0)
            return;
        const char digit = static_cast<char>('0' + v);
        if (cell.hxs.size() == 1) {
            // One character is read as a value, also a lone candidate.
            if (cell.hxs[0] != digit) {
                cell.color = kCheckErrorColour;
                found = true;
            }
        } else if (!pencil && cell.state == CellState::Open
                   && cell.hxs.find(digit) == std::string::npos) {
            cell.color = kCheckErrorColour;
            cell.setcolor(kCheckErrorColour);
            found = true;
        }
    });
    return found;
}

} // namespace kestrel
