// The session loop: reading the script, finding each line's action, the windows an action
// may reach, the mouse over the board, and the two printing actions.
#include "app/session/session_driver.hpp"

#include "app/main_form.hpp"
#include "app/session/scripted_platform.hpp"
#include "core/digit_strings.hpp"
#include "game/step_log.hpp"

#include <istream>
#include <ostream>

namespace kestrel {

namespace {

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos)
            return words;
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

std::string_view modeName(Mode mode)
{
    switch (mode) {
    case Mode::PencilAndPaper:
        break;
    case Mode::AllCandidates:
        return "all";
    case Mode::PartCandidates:
        return "part";
    }
    return "pencil";
}

std::string_view prefixOf(ShownText::Kind kind)
{
    switch (kind) {
    case ShownText::Kind::Information:
        break;
    case ShownText::Kind::Question:
        return "ask: ";
    case ShownText::Kind::Hint:
        return "hint: ";
    }
    return "info: ";
}

} // namespace

std::string escapeLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

SessionDriver::SessionDriver(std::ostream &out, std::ostream &err) : m_out(out), m_err(err)
{ }

SessionDriver::~SessionDriver() = default;

void SessionDriver::startProgram()
{
    // As the program's entry does: the window logic on the platform, the session's random
    // source, the start-up sequence and the board's colours.
    m_form.reset();
    m_form = std::make_unique<TForm1>(m_platform->platform());
    m_form->game().setRandomSource(m_random);
    m_form->FormCreate();
    m_form->applyBoardAppearance();
    m_mouse = {};
}

int SessionDriver::run(std::istream &script)
{
    // Every run is a session of its own: a fresh data folder, answer queue and random source.
    m_form.reset();
    m_platform = std::make_unique<ScriptedPlatform>();
    // The hint window is modal: its lines run inside the main window's handler. The solution
    // viewers have nothing to press and close at once.
    m_platform->onModal([this](std::string_view window) {
        if (window == "Tfrmsolover") {
            runHintWindow();
        } else if (m_inModal) {
            const std::function<void()> player = std::move(m_inModal);
            m_inModal = nullptr;
            player();
        }
    });
    m_random = MersenneRandom(0);
    m_hintWindowOpen = false;
    m_inModal = nullptr;
    m_script = &script;
    m_lineNumber = 0;
    int status = kCompleted;
    try {
        startProgram();
        std::string line;
        bool anyAction = false;
        while (nextLine(line)) {
            anyAction = true;
            runLine(line);
        }
        if (!anyAction)
            throw ScriptError{"the script holds no action"};
    } catch (const ScriptError &error) {
        m_out.flush();
        m_err << "error line " << m_lineNumber << ": " << error.why << '\n';
        status = kScriptError;
    } catch (const UnansweredQuestion &question) {
        m_out << "unanswered: " << escapeLineBreaks(question.question()) << '\n';
        status = kUnanswered;
    }
    m_out.flush();
    m_err.flush();
    m_script = nullptr;
    return status;
}

bool SessionDriver::nextLine(std::string &line)
{
    while (std::getline(*m_script, line)) {
        ++m_lineNumber;
        const std::string_view text = trimmed(line);
        if (!text.empty() && text.front() != '#')
            return true;
    }
    return false;
}

const SessionDriver::Action &SessionDriver::findAction(const std::vector<std::string_view> &words,
                                                       std::size_t &argsFrom)
{
    // A two-word name ("mode pencil") is looked for first, then the first word alone; of the
    // rows of one name the first that takes this many arguments is meant ("pad 5", "pad 3 4").
    const std::span<const Action> table = actions();
    if (words.size() >= 2) {
        const std::string pair = std::string(words[0]) + " " + std::string(words[1]);
        for (const Action &action : table) {
            if (action.name == pair) {
                argsFrom = 2;
                return action;
            }
        }
    }
    const auto count = static_cast<int>(words.size()) - 1;
    const Action *named = nullptr;
    bool firstWordKnown = false;
    for (const Action &action : table) {
        const std::string_view name = action.name;
        firstWordKnown = firstWordKnown || name.substr(0, name.find(' ')) == words[0];
        if (name != words[0])
            continue;
        named = &action;
        if (count >= action.minArgs && count <= action.maxArgs) {
            argsFrom = 1;
            return action;
        }
    }
    const std::string what(words[0]);
    if (named != nullptr)
        throw ScriptError{"wrong number of arguments for '" + what + "'"};
    if (firstWordKnown && words.size() == 1)
        throw ScriptError{"missing argument for '" + what + "'"};
    if (firstWordKnown)
        throw ScriptError{"bad argument '" + std::string(words[1]) + "' for '" + what + "'"};
    throw ScriptError{"unknown action '" + what + "'"};
}

void SessionDriver::checkWindow(const Action &action)
{
    if (m_hintWindowOpen && !action.duringHint)
        throw ScriptError{"the hint window is open; only 'hint press', 'hint close', 'show', "
                          "'messages' and 'answer' reach it"};
    if (action.window == Window::Pad && !form().frmtile().visible)
        throw ScriptError{"the candidate pad is not open"};
    if (action.window == Window::Hint && !m_hintWindowOpen)
        throw ScriptError{"the hint window is not open"};
}

void SessionDriver::runLine(std::string_view line)
{
    const std::vector<std::string_view> words = wordsOf(line);
    std::size_t argsFrom = 1;
    const Action &action = findAction(words, argsFrom);
    checkWindow(action);
    // Every action but those on the main window (which place the mouse themselves) leaves the
    // mouse off the board; while the hint window is open the main window sees no mouse at all.
    if (!m_hintWindowOpen && action.window != Window::Main)
        moveMouse({});
    (this->*action.handler)(action, Args(words).subspan(argsFrom));
    m_inModal = nullptr; // meant for a window the action opens, never for a later one
    if (m_lineChecker && m_form)
        m_lineChecker(*m_form, line);
}

void SessionDriver::runHintWindow()
{
    // The window shows with its first hint; each line until "hint close" is addressed to it.
    m_hintWindowOpen = true;
    logHintText();
    std::string line;
    while (m_hintWindowOpen && nextLine(line))
        runLine(line);
    m_hintWindowOpen = false;
}

void SessionDriver::logHintText()
{
    const std::string &text = form().frmsolover().memoText;
    if (!text.empty())
        m_platform->logShown(ShownText::Kind::Hint, text);
}

// ---------------------------------------------------------------------------------------------
// The mouse and the main window

SessionDriver::MousePlace SessionDriver::hitTest(int row, int col, int digit)
{
    // As the board widget: a board that takes no input reports nothing under the mouse, and a
    // hidden sub-panel is part of its cell.
    const TPICSD33 &board = form().game().board();
    if (!board.enabled)
        return {};
    const TPicNode &cell = board.cell(row, col);
    if (!cell.visible)
        return {};
    if (digit != 0 && cell.hxsPanels[static_cast<std::size_t>(digit)].visible)
        return {row, col, digit};
    return {row, col, 0};
}

void SessionDriver::moveMouse(MousePlace place)
{
    // The board widget's enter and leave events: the old place is left, then the new one is
    // entered; staying on the same place sends nothing.
    if (place == m_mouse)
        return;
    const MousePlace old = m_mouse;
    m_mouse = place;
    if (old.row != 0)
        form().hoverLeave(old.row, old.col, old.digit);
    if (place.row != 0)
        form().hoverEnter(place.row, place.col, place.digit);
}

void SessionDriver::reachMainWindow(MousePlace place)
{
    // The pad holds the focus while it is up; any use of the main window activates the main
    // window first, which closes the pad (and lets it go unless the mouse is over a cell).
    moveMouse(place);
    if (form().frmtile().visible)
        form().FormActivate();
}

// ---------------------------------------------------------------------------------------------
// Printing

void SessionDriver::writeShow()
{
    const Game &game = form().game();
    const TPICSD33 &board = game.board();
    std::string shown;
    shown.reserve(81 * 12);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            if (r != 1 || c != 1)
                shown += ',';
            shown += cell.caption;
            shown += '/';
            for (int d = 1; d <= 9; ++d)
                if (cell.hxsPanels[static_cast<std::size_t>(d)].visible)
                    shown += static_cast<char>('0' + d);
        }
    }
    m_out << "steps=" << game.history().lines().size() << " at=" << game.history().currentIndex()
          << " mode=" << modeName(game.mode()) << " level=" << levelNumber(board.nd)
          << " solved=" << (form().control(ControlId::WC_Label).visible ? 1 : 0)
          << " clock=" << (game.clock().timerenabled() ? "running" : "stopped")
          << " board=" << takeSnapshot(board) << " shown=" << shown;
    // What only some sessions see, written only then: the keyboard cursor, the pause, the
    // digits marked as mistakes while they are played.
    if (board.cursor.visible)
        m_out << " cursor=" << board.cursor.row << ',' << board.cursor.col;
    if (game.paused())
        m_out << " paused";
    std::string mistakes;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (board.mistakes[static_cast<std::size_t>(cellIndex(r, c))])
                mistakes += (mistakes.empty() ? "" : ",") + std::to_string(r) + std::to_string(c);
    if (!mistakes.empty())
        m_out << " mistakes=" << mistakes;
    std::string removals;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const DigitSet removed = board.hintRemovals[static_cast<std::size_t>(cellIndex(r, c))];
            if (!removed.isEmpty())
                removals += (removals.empty() ? "" : ",") + std::to_string(r) + std::to_string(c)
                    + "-" + removed.toText();
        }
    }
    if (!removals.empty())
        m_out << " removals=" << removals;
    m_out << '\n';
    m_out.flush();
}

void SessionDriver::writeMessages()
{
    for (const ShownText &shown : m_platform->takeShown())
        m_out << prefixOf(shown.kind) << escapeLineBreaks(shown.text) << '\n';
    m_out.flush();
}

} // namespace kestrel
