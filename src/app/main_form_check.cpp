// Check Error, Show Solution and the help pages of the main window.
#include "app/main_form.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

// Paint of a wrong entry found by Check Error.
constexpr Colour kCheckErrorColour = 0x000000FE;

} // namespace

void TForm1::btcheckClick()
{
    bool found = false;
    const bool pencil = mode() == Mode::PencilAndPaper;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = m_board.cell(r, c);
            const int v = m_QJ1.node(r, c).value;
            if (v == 0)
                continue;
            const char digit = static_cast<char>('0' + v);
            if (cell.hxs.size() == 1) {
                // One character is read as a value, also a lone candidate.
                if (cell.hxs[0] != digit) {
                    cell.color = kCheckErrorColour;
                    found = true;
                }
            } else if (!pencil && cell.state == CellState::Open && cell.hxs.find(digit) == std::string::npos) {
                cell.color = kCheckErrorColour;
                cell.setcolor(kCheckErrorColour);
                found = true;
            }
        }
    }
    if (!found)
        m_platform.dialogs.inform(text("msg_no_error"), m_caption);
}

void TForm1::btShowhintClick()
{
    // The window stands under the main window (the shell places it); its first hint is on
    // screen before it shows.
    m_frmsolover.openWindow();
    m_platform.windows.showModal("Tfrmsolover");
    refreshProgressBars();
    if (m_board.isSolved())
        completion(CompletedBy::HintWindow);
}

void TForm1::btsolveClick()
{
    if (!m_platform.dialogs.confirm(text("msg_solve"), m_caption))
        return;
    std::string solution = m_QJ1.solutionString();
    if (solution.empty()) {
        std::string puzzle;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                puzzle += m_board.cell(r, c).state == CellState::Given && m_board.cell(r, c).hxs.size() == 1
                    ? m_board.cell(r, c).hxs[0]
                    : '*';
        const UniqueOutcome outcome = m_frm_sol.solveUnique(puzzle);
        switch (uniqueCode(outcome.result)) {
        case 0:
            solution = outcome.first;
            break;
        case 2:
            m_platform.dialogs.inform(text("msg_twosolve"), m_caption);
            m_Frmdas.fill(outcome.first, outcome.second, m_lst1);
            m_platform.windows.showModal("TFrmdas");
            return;
        default:
            m_platform.dialogs.inform(text("msg_nosolve"), m_caption);
            return;
        }
    }
    m_frmda.fill(m_board, solution);
    m_platform.windows.showModal("Tfrmda");
}

void TForm1::openHelpPage(std::string_view page)
{
    // The help pages ship in the "help" folder beside the program.
    const std::string path = joinPath(joinPath(m_platform.paths.programDirectory(), "help"), page);
    if (!m_platform.shell.open(path))
        m_platform.dialogs.showError(replaceAll(text("msg_file_read_failed"), "%1", path),
                                     m_caption);
}

void TForm1::bthelp1Click()
{
    openHelpPage("Candidates.htm");
}

void TForm1::bthelp2Click()
{
    openHelpPage("Color.htm");
}

void TForm1::mnContentClick()
{
    openHelpPage("index.htm");
}

} // namespace kestrel
