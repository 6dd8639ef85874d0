// Starting a game from a board kept in the game list.
#include "game/game.hpp"

namespace kestrel {

namespace {

template <typename F> void forEachCell(TPICSD33 &board, F &&f)
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            f(board.cell(r, c), r, c);
}

constexpr bool isBoardLevel(int digit)
{
    return digit >= 0 && digit <= 5;
}

} // namespace

void Game::loadSavedBoard(const SavedBoard &saved)
{
    // The board as before a new game: no solution, every cell open and empty, default
    // colours, no marks, no branch.
    m_QJ1.clearValues();
    forEachCell(m_board, [](TPicNode &cell, int, int) {
        cell.state = CellState::Open;
        cell.hxs.clear();
        cell.hxsHidden = 0;
    });
    bt_clearcolorClick();
    m_marking = false;
    m_branch.snapshot.clear();

    // A level digit the program does not know (6..9, or none) leaves the level as it was,
    // together with its caption.
    if (isBoardLevel(saved.levelDigit))
        m_board.nd = static_cast<Level>(saved.levelDigit);
    m_QJ1.loadValues(saved.solution);
    forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
        const SavedCell &stored = saved.cells[static_cast<std::size_t>((r - 1) * 9 + (c - 1))];
        const CellState state = stored.readable ? stored.state : CellState::Open;
        cell.state = state;
        cell.hxs = stored.readable ? stored.hxs : std::string();
        m_QJ1.node(r, c).given = state == CellState::Given;
    });
    // Unreadable cells get their candidates only once every readable digit is in place.
    forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
        if (!saved.cells[static_cast<std::size_t>((r - 1) * 9 + (c - 1))].readable)
            cell.hxs = m_board.allowedHxs(r, c);
    });
    // Conflict marks of the previous board must not stay on this one.
    m_board.markConflicts();

    m_board.enabled = true;
    m_solvedMarkerVisible = false;
    refreshProgressBars();
    disnote11Click(1);
    if (isBoardLevel(saved.levelDigit))
        m_levelText = levelTextOf(m_board.nd);
    m_clock.setTimeinterval(1000);
    startClock();
    m_branch.canStart = true;
    m_branch.canAccept = false;
    m_branch.canReject = false;

    // The candidate mode from what the player had pencilled: edited candidates are kept as
    // stored (the mode change must not reduce them); anything else starts without marks.
    if (candidateClassification() == 3) {
        m_restoringFile = true;
        radioClick(Mode::AllCandidates);
        m_restoringFile = false;
    } else {
        forEachCell(m_board, [](TPicNode &cell, int, int) {
            if (cell.state == CellState::Open)
                cell.hxs.clear();
        });
        radioClick(Mode::PencilAndPaper);
    }
    joinExclusiveGroup();
    disnote11Click(1);
    redrawBoard();
    // The history begins with the board as the player first sees it, after the mode change,
    // so that Back never brings back candidates the load took away.
    resetStepLog();
    setStepButtons(false);
}

} // namespace kestrel
