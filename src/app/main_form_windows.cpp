// The windows the main window opens over the game: the hint window, Check Error's message,
// the solution viewers, the puzzle exchange windows, the Save window and the game list, the
// print selection window and the help pages.
#include "app/main_form.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

namespace kestrel {

void TForm1::btcheckClick()
{
    if (!m_game.checkErrors())
        m_platform.dialogs.inform(text("msg_no_error"), m_caption);
}

void TForm1::btShowhintClick()
{
    // The window stands under the main window (the shell places it); its first hint is on
    // screen before it shows.
    m_frmsolover.openWindow();
    m_platform.windows.showModal("Tfrmsolover");
    m_game.board().hintRemovals.fill(DigitSet()); // they are shown while the window is open
    m_game.refreshProgressBars();
    m_game.redrawBoard();
    if (m_game.board().isSolved())
        m_game.completion(CompletedBy::HintWindow);
}

void TForm1::btimportClick()
{
    m_frm_new.applyLanguage();
    m_platform.windows.showModal(Tfrm_new::kWindowName);
    m_game.redrawBoard();
}

void TForm1::btcopyClick()
{
    m_frmcopy.applyLanguage();
    m_frmcopy.open(m_game.board());
    m_platform.windows.showModal(Tfrmcopy::kWindowName);
}

void TForm1::btprintableBoardClick()
{
    m_platform.windows.showModal("Tfrmprintselect");
}

void TForm1::btsolveClick()
{
    if (!m_platform.dialogs.confirm(text("msg_solve"), m_caption))
        return;
    const TPICSD33 &board = m_game.board();
    std::string solution = m_game.record().solutionString();
    if (solution.empty()) {
        std::string puzzle;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                puzzle += board.cell(r, c).state == CellState::Given
                        && board.cell(r, c).hxs.size() == 1
                    ? board.cell(r, c).hxs[0]
                    : '*';
        const UniqueOutcome outcome = m_frm_sol.solveUnique(puzzle);
        switch (outcome.result) {
        case UniqueResult::Unique:
            solution = outcome.first;
            break;
        case UniqueResult::Several:
            m_platform.dialogs.inform(text("msg_twosolve"), m_caption);
            m_Frmdas.fill(outcome.first, outcome.second, m_lst1);
            m_platform.windows.showModal("TFrmdas");
            return;
        default:
            m_platform.dialogs.inform(text("msg_nosolve"), m_caption);
            return;
        }
    }
    m_frmda.fill(board, solution);
    m_platform.windows.showModal("Tfrmda");
}

std::string TForm1::gameStorePath() const
{
    return joinPath(m_dataDirectory, kGameStoreFileName);
}

void TForm1::mnSaveCurrentBoardClick()
{
    // A fresh window each time: the name is "New Game" again and the file is read afresh.
    m_frmsave.emplace(
        m_game, m_platform.dialogs, m_platform.files, gameStorePath(),
        [this](std::string_view key) { return text(key); }, m_caption);
    if (m_frmsave->FormCreate()) {
        m_frmsave->levelIndex = levelNumber(m_game.board().nd);
        m_platform.windows.showModal("Tfrmsave");
    }
    m_frmsave.reset();
}

void TForm1::mnDisplayYourGameListClick()
{
    if (m_frmgamelist.open(gameStorePath(), m_caption))
        m_platform.windows.showModal("Tfrmgamelist");
    m_frmgamelist.closed();
}

std::string TForm1::helpDirectory() const
{
    // Installed, the program stands in <prefix>/bin and its pages in
    // <prefix>/share/sudokukestrel/help; in the build folder they stand in "help" beside it.
    const std::string program = m_platform.paths.programDirectory();
    const auto slash = program.find_last_of('/');
    if (slash != std::string::npos) {
        const std::string installed
            = joinPath(program.substr(0, slash), "share/sudokukestrel/help");
        if (m_platform.files.isDirectory(installed))
            return installed;
    }
    return joinPath(program, "help");
}

HelpLanguage TForm1::helpLanguage() const
{
    // One folder of pages per language; a page not (yet) written in the interface language is
    // shown in English.
    const std::string root = helpDirectory();
    HelpLanguage help;
    if (m_language != Language::English)
        help.folders.push_back(joinPath(root, languageCode(m_language)));
    help.folders.push_back(joinPath(root, languageCode(Language::English)));
    help.back = text("frmhelp.back");
    help.forward = text("frmhelp.forward");
    help.contents = text("frmhelp.contents");
    return help;
}

void TForm1::openHelpPage(std::string_view page)
{
    const HelpLanguage help = helpLanguage();
    // A page found nowhere is asked for in English, so that the message names that file.
    const std::string path = findHelpPage(help.folders, page, [this](const std::string &file) {
                                 return m_platform.files.exists(file);
                             }).value_or(joinPath(help.folders.back(), page));
    if (!m_platform.shell.showHelp(path))
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
