#include "exchange/frm_new.hpp"

#include "core/digit_strings.hpp"
#include "exchange/frm_import.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

// The create board's own colours and fonts.
void styleCreateBoard(TPICSD33 &board)
{
    board.UNFoucsColor1 = 0x00FFFFFF;
    board.UNFoucsColor2 = 16759739;
    board.FoucsColor1 = 12043517;
    board.FoucsColor2 = 14538713;
    board.FONTSize1 = 25;
    board.FONTSize2 = 18;
    board.FONTSize3 = 10;
    board.FONTColor1 = 0;
    board.FONTColor2 = 0x00FF0000;
    board.FONTColor3 = 111666;
    board.nd = Level::VeryEasy;
    board.errorcolor = 254;
    board.highcolor = 9813909;
    board.autotranzt = false;
}

} // namespace

std::string puzzleStringOf(const TPICSD33 &board)
{
    std::string puzzle;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const std::string &hxs = board.cell(row, col).hxs;
            puzzle += hxs.size() == 1 ? hxs[0] : '*';
        }
    return puzzle;
}

PuzzleCheck checkPuzzleString(Tfrm_sol &solver, std::string_view puzzle)
{
    const UniqueOutcome outcome = solver.solveUnique(puzzle);
    if (outcome.result == UniqueResult::BreaksRules)
        return {CheckResult::NoSolution, {}};
    // A full grid whose digits keep the rules is its own solution (the solver reports a
    // puzzle without an empty cell as unsolved). A full grid with two equal digits that see
    // each other has been refused above: calling it "Check OK" would start a game that can
    // never be completed.
    if (puzzle.find('*') == std::string_view::npos)
        return {CheckResult::OneSolution, std::string(puzzle)};
    switch (outcome.result) {
    case UniqueResult::Unique:
        return {CheckResult::OneSolution, outcome.first};
    case UniqueResult::Several:
        return {CheckResult::SeveralSolutions, {}};
    default:
        return {CheckResult::NoSolution, {}};
    }
}

Tfrm_new::Tfrm_new(Platform &platform, TextLookup text, Game &game)
    : m_platform(platform), m_text(std::move(text)), m_game(game)
{
    styleCreateBoard(m_sdnew);
}

void Tfrm_new::FormCreate()
{
    applyLanguage();
    clearGrid();
    m_sdnew.enabled = true;
}

void Tfrm_new::applyLanguage()
{
    m_captions.caption = m_text("frm_new.caption");
    m_captions.checkPuzzle = m_text("frm_new.button1.caption");
    m_captions.playPuzzle = m_text("frm_new.button2.caption");
    m_captions.clearGrid = m_text("frm_new.button3.caption");
    m_captions.quit = m_text("frm_new.button4.caption");
    m_captions.loadPuzzle = m_text("frm_new.button5.caption");
    m_captions.import = m_text("frm_new.button6.caption");
}

void Tfrm_new::afterPress()
{
    m_sdnew.markConflicts();
    m_sdnew.refresh();
}

void Tfrm_new::cellPress(int row, int col, MouseButton button)
{
    if (button != MouseButton::Left)
        return;
    TPicNode &cell = m_sdnew.cell(row, col);
    const std::string before = cell.hxs;
    cell.hxs = m_sdnew.allowedHxs(row, col);
    cell.state = CellState::Open;
    // Only a digit the cell held as a clue can go back to its peers.
    if (isDigitChar(before))
        m_sdnew.restoreToPeers(row, col, before[0] - '0');
    afterPress();
}

void Tfrm_new::candidatePress(int row, int col, int digit, MouseButton button)
{
    TPicNode &cell = m_sdnew.cell(row, col);
    const std::string digitText(1, static_cast<char>('0' + digit));
    if (button == MouseButton::Left) {
        cell.hxs = digitText;
        cell.state = CellState::Placed;
        m_sdnew.eliminateFromPeers(row, col);
    } else if (button == MouseButton::Right) {
        cell.hxs = removeDigits(cell.hxs, digitText);
        cell.state = CellState::Open;
    } else {
        return;
    }
    afterPress();
}

void Tfrm_new::hoverEnter(int row, int col, int digit)
{
    TPicNode &cell = m_sdnew.cell(row, col);
    if (digit == 0)
        cell.setIsEnter(true);
    else
        cell.hxsPanels[std::size_t(digit)].setIsEnter(true);
}

void Tfrm_new::hoverLeave(int row, int col, int digit)
{
    TPicNode &cell = m_sdnew.cell(row, col);
    if (digit == 0)
        cell.setIsEnter(false);
    else
        cell.hxsPanels[std::size_t(digit)].setIsEnter(false);
}

void Tfrm_new::loadPuzzleClick()
{
    const TPICSD33 &main = m_game.board();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const std::string &hxs = main.cell(row, col).hxs;
            TPicNode &cell = m_sdnew.cell(row, col);
            cell.state = hxs.size() == 1 ? CellState::Placed : CellState::Open;
            cell.hxs = hxs.size() == 1 ? hxs : std::string();
        }
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (m_sdnew.cell(row, col).state == CellState::Open)
                m_sdnew.cell(row, col).hxs = m_sdnew.allowedHxs(row, col);
    afterPress();
}

void Tfrm_new::importClick()
{
    m_platform.windows.showModal(TfrmImport::kWindowName);
}

void Tfrm_new::clearGrid()
{
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            m_sdnew.cell(row, col).state = CellState::Open;
            m_sdnew.cell(row, col).hxs = "123456789";
        }
    m_sdnew.refresh();
    m_sdnew.markConflicts();
}

void Tfrm_new::clearGridClick()
{
    if (m_platform.dialogs.confirm(m_text("msg_frm_new_clear"), m_captions.caption))
        clearGrid();
}

PuzzleCheck Tfrm_new::check()
{
    return checkPuzzleString(m_solver, puzzleStringOf(m_sdnew));
}

void Tfrm_new::checkPuzzleClick()
{
    switch (check().result) {
    case CheckResult::OneSolution:
        m_platform.dialogs.inform(m_text("msg_frm_new_onesolve"), m_captions.caption);
        break;
    case CheckResult::NoSolution:
        m_platform.dialogs.inform(m_text("msg_frm_new_nosolve2"), m_captions.caption);
        break;
    case CheckResult::SeveralSolutions:
        m_platform.dialogs.inform(m_text("msg_frm_new_twosolve2"), m_captions.caption);
        break;
    }
}

void Tfrm_new::playPuzzleClick()
{
    const PuzzleCheck found = check();
    if (found.result == CheckResult::NoSolution) {
        m_platform.dialogs.inform(m_text("msg_frm_new_nosolve"), m_captions.caption);
        return;
    }
    if (found.result == CheckResult::SeveralSolutions
        && !m_platform.dialogs.confirm(m_text("msg_frm_new_twosolve"), m_captions.caption))
        return;
    m_game.playPuzzle(m_sdnew, found.solution);
    m_platform.windows.close(kWindowName);
}

void Tfrm_new::quitClick()
{
    m_platform.windows.close(kWindowName);
}

} // namespace kestrel
