// A puzzle brought in from the Import-or-create window becomes the game.
#include "game/game.hpp"

#include <algorithm>

namespace kestrel {

namespace {

// Candidates as the player wrote them, each digit once (an imported cell may repeat one);
// a snapshot with a repeated candidate would not read back from a game file.
std::string withoutRepeats(std::string_view digits)
{
    std::string kept;
    for (const char d : digits)
        if (d >= '1' && d <= '9' && kept.find(d) == std::string::npos)
            kept += d;
    return kept;
}

} // namespace

void Game::playPuzzle(const TPICSD33 &source, std::string_view solution)
{
    // The board reset of a new game: no values, every cell open and empty, default colours,
    // no marks.
    m_QJ1.clearValues();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            m_board.cell(r, c).state = CellState::Open;
            m_board.cell(r, c).hxs.clear();
        }
    bt_clearcolorClick();
    m_marking = false;

    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &from = source.cell(r, c);
            TPicNode &cell = m_board.cell(r, c);
            TNode &node = m_QJ1.node(r, c);
            const bool clue = from.state == CellState::Placed && from.hxs.size() == 1;
            cell.hxs = clue ? from.hxs : withoutRepeats(from.hxs);
            cell.state = clue ? CellState::Given : CellState::Open;
            cell.hxsHidden = 0;
            node.given = clue;
            node.value = clue ? from.hxs[0] - '0' : 0;
        }
    if (solution.size() == 81)
        m_QJ1.loadValues(solution);

    showRecordOnBoard();
    refreshProgressBars();
    bt_clearcolorClick();
    startClock();
    m_board.nd = Level::Unknown;
    m_levelText = "  " + text("msg_frm_new_unknow");

    if (candidateClassification() == 3) {
        radioClick(Mode::AllCandidates);
    } else {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (m_board.cell(r, c).state == CellState::Open)
                    m_board.cell(r, c).hxs.clear();
        radioClick(Mode::PencilAndPaper);
        // As the Pencil and Paper handler leaves it, also when the mode was already chosen.
        m_candidateSet = false;
        m_autoUpdate.enabled = false;
    }
    m_digitsExclusive = true;
    m_digitsAllowAllUp = false;
    disnote11Click(1);
    m_solvedMarkerVisible = false;
    // The mode handlers record steps of their own; the game starts from the board as it
    // stands now, as its only step.
    resetStepLog();
    setStepButtonsFromLog();
}

} // namespace kestrel
