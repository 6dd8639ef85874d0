// The actions of a session script: the action table and one handler per kind of action. Each
// handler checks its arguments before anything happens, then makes the calls the Qt window
// makes for the same input of the player (MainWindow forwards the same events to the same
// handlers).
#include "app/session/session_driver.hpp"

#include "app/main_form.hpp"
#include "app/session/scripted_platform.hpp"
#include "core/digit_strings.hpp"
#include "exchange/copy_layouts.hpp"
#include "game/step_log.hpp"
#include "platform/platform.hpp"
#include "platform/text_codec.hpp"

#include <algorithm>
#include <array>
#include <charconv>

namespace kestrel {

namespace {

using ScriptError = SessionDriver::ScriptError;

// The replay file a "puzzle" line is written to before Load Replay opens it.
constexpr std::string_view kPuzzleFileName = "session-puzzle";

int numberArg(std::string_view word, int lo, int hi, std::string_view what)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < lo || value > hi)
        throw ScriptError{"bad argument '" + std::string(word) + "': expected " + std::string(what)
                          + " " + std::to_string(lo) + ".." + std::to_string(hi)};
    return value;
}

/// The optional mouse button at `args[at]`; left when it is missing.
MouseButton buttonArg(std::span<const std::string_view> args, std::size_t at)
{
    if (args.size() <= at || args[at] == "left")
        return MouseButton::Left;
    if (args[at] == "right")
        return MouseButton::Right;
    throw ScriptError{"bad argument '" + std::string(args[at]) + "': expected left or right"};
}

struct KeyWord
{
    std::string_view word;
    Key key;
};
constexpr KeyWord kKeyWords[] = {
    {"tab", Key::Tab},     {"esc", Key::Escape},    {"up", Key::Up},
    {"down", Key::Down},   {"left", Key::Left},     {"right", Key::Right},
    {"home", Key::Home},   {"end", Key::End},       {"enter", Key::Enter},
    {"space", Key::Space}, {"delete", Key::Delete}, {"backspace", Key::Backspace},
    {"f1", Key::F1},       {"f5", Key::F5},         {"n", Key::N},
    {"p", Key::P},         {"r", Key::R},           {"y", Key::Y},
    {"z", Key::Z},
};

/// A key with its modifiers: "5", "up", "shift+5", "ctrl+shift+z", "kp5" (the keypad's 5).
KeyPress keyArg(std::string_view word)
{
    const std::string whole(word);
    KeyPress press;
    while (true) {
        if (word.starts_with("ctrl+"))
            press.ctrl = true;
        else if (word.starts_with("shift+"))
            press.shift = true;
        else
            break;
        word.remove_prefix(word.find('+') + 1);
    }
    if (word.starts_with("kp") && word.size() == 3) {
        press.fromKeypad = true;
        word.remove_prefix(2);
    }
    press.withModifiers = press.ctrl || press.shift;
    if (word.size() == 1 && word[0] >= '1' && word[0] <= '9') {
        press.key = digitKey(word[0] - '0');
        return press;
    }
    for (const KeyWord &k : kKeyWords) {
        if (k.word == word && !press.fromKeypad) {
            press.key = k.key;
            return press;
        }
    }
    throw ScriptError{"bad argument '" + whole
                      + "': expected a key (1..9, kp1..kp9, tab, esc, up, down, left, right, home, "
                        "end, enter, space, delete, backspace, f1, f5, n, p, r, y, z), optionally "
                        "after ctrl+ and shift+"};
}

/// The 81 givens with "0" for an empty cell; "." is read as "0".
std::string givensArg(std::string_view word)
{
    std::string givens(word);
    std::replace(givens.begin(), givens.end(), '.', '0');
    if (givens.size() != 81
        || !std::all_of(givens.begin(), givens.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw ScriptError{"bad argument: the givens must be 81 characters of 1-9, 0 or ."};
    return givens;
}

std::string solutionArg(std::string_view word)
{
    if (word.size() != 81
        || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '1' && c <= '9'; }))
        throw ScriptError{"bad argument: the solution must be 81 digits 1-9"};
    return std::string(word);
}

void checkFileName(std::string_view name)
{
    if (name == "." || name == ".." || name.find_first_of("/\\") != std::string_view::npos)
        throw ScriptError{"bad argument '" + std::string(name)
                          + "': expected a file name inside the replay folder"};
}

/// A board of `givens` as a game's first step: the givens as givens, every other cell open
/// and empty.
std::string givensSnapshot(const std::string &givens)
{
    const auto board = std::make_unique<TPICSD33>();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = board->cell(r, c);
            const char given = givens[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
            cell.state = given == '0' ? CellState::Open : CellState::Given;
            cell.hxs = given == '0' ? std::string() : std::string(1, given);
        }
    }
    return takeSnapshot(*board);
}

/// A name of the game list: one word (the script's words are parted by blanks).
std::string gameNameArg(std::string_view word)
{
    if (word.find_first_of("\r\n") != std::string_view::npos)
        throw ScriptError{"bad argument: a game name is one line"};
    return std::string(word);
}

/// The rest of the script line from `args[0]` on, as the lines of a text area: the two
/// characters "\n" part the lines (as 'messages' writes line breaks).
std::vector<std::string> textAreaArg(std::span<const std::string_view> args)
{
    const std::string_view whole(
        args.front().data(),
        static_cast<std::size_t>(args.back().data() + args.back().size() - args.front().data()));
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] == '\\' && i + 1 < whole.size() && whole[i + 1] == 'n') {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += whole[i];
        }
    }
    return lines;
}

struct LayoutWord
{
    std::string_view word;
    CopyLayout layout;
};
constexpr LayoutWord kLayoutWords[] = {
    {"nocand", CopyLayout::NoCandidate},
    {"cand", CopyLayout::WithCandidates},
    {"9x9", CopyLayout::NineByNine},
    {"1x81", CopyLayout::OneByEightyOne},
};

constexpr std::array<ControlId, 5> kNewGameButtons
    = {ControlId::btCreateVeryEasy, ControlId::btCreateGentle, ControlId::btCreateModerate,
       ControlId::btCreateTough, ControlId::btCreateDiabolical};

} // namespace

std::span<const SessionDriver::Action> SessionDriver::actions()
{
    using S = SessionDriver;
    constexpr Window None = Window::None, Main = Window::Main, Pad = Window::Pad,
                     Hint = Window::Hint;
    constexpr ControlId NoControl = ControlId::Form1;
    // clang-format off
    // name, arguments min..max, window, allowed in the hint window, handler, control, value
    static const Action table[] = {
        {"seed",          1, 1, None, false, &S::seed,         NoControl, 0},
        {"answer yes",    0, 0, None, true,  &S::answer,       NoControl, 1},
        {"answer no",     0, 0, None, true,  &S::answer,       NoControl, 0},
        {"show",          0, 0, None, true,  &S::show,         NoControl, 0},
        {"messages",      0, 0, None, true,  &S::messages,     NoControl, 0},
        {"new",           1, 1, Main, false, &S::newGame,      NoControl, 0},
        {"puzzle",        1, 2, Main, false, &S::puzzle,       ControlId::mnLoadReplay, 0},
        {"digit",         1, 2, Main, false, &S::digit,        NoControl, 0},
        {"key",           1, 1, None, false, &S::key,          NoControl, 0},
        {"click",         2, 3, Main, false, &S::click,        NoControl, 0},
        {"cand",          3, 4, Main, false, &S::candidate,    NoControl, 0},
        {"mode pencil",   0, 0, Main, false, &S::mode,         ControlId::rb_none, 0},
        {"mode all",      0, 0, Main, false, &S::mode,         ControlId::rb_all, 0},
        {"mode part",     0, 0, Main, false, &S::mode,         ControlId::rb_one, 0},
        {"auto on",       0, 0, Main, false, &S::checkBox,     ControlId::cbautoupdate, 1},
        {"auto off",      0, 0, Main, false, &S::checkBox,     ControlId::cbautoupdate, 0},
        {"first",         0, 0, Main, false, &S::press,        ControlId::btfirst, 0},
        {"back",          0, 0, Main, false, &S::press,        ControlId::btback, 0},
        {"next",          0, 0, Main, false, &S::press,        ControlId::btnext, 0},
        {"last",          0, 0, Main, false, &S::press,        ControlId::btlast, 0},
        {"branch start",  0, 0, Main, false, &S::press,        ControlId::btStartBranch, 0},
        {"branch accept", 0, 0, Main, false, &S::press,        ControlId::btAccept, 0},
        {"branch reject", 0, 0, Main, false, &S::press,        ControlId::btRejectBranch, 0},
        {"marking on",    0, 0, Main, false, &S::checkBox,     ControlId::chkcolor, 1},
        {"marking off",   0, 0, Main, false, &S::checkBox,     ControlId::chkcolor, 0},
        {"colour",        1, 1, Main, false, &S::colour,       ControlId::colorgrid1, 0},
        {"clear-marks",   0, 0, Main, false, &S::press,        ControlId::bt_clearcolor, 0},
        {"pad auto",      0, 0, Pad,  false, &S::padAutomatic, NoControl, 0},
        {"pad close",     0, 0, Pad,  false, &S::padClose,     NoControl, 0},
        {"pad",           1, 1, Pad,  false, &S::padDigit,     NoControl, 0},
        {"pad",           2, 2, Main, false, &S::padCell,      NoControl, 0},
        {"check",         0, 0, Main, false, &S::press,        ControlId::btcheck, 0},
        {"hint",          0, 0, Main, false, &S::press,        ControlId::btShowhint, 0},
        {"hint press",    0, 0, Hint, true,  &S::hintPress,    NoControl, 0},
        {"hint close",    0, 0, Hint, true,  &S::hintClose,    NoControl, 0},
        {"solution",      0, 0, Main, false, &S::press,        ControlId::btsolve, 0},
        {"restart",       0, 0, Main, false, &S::press,        ControlId::btRestart, 0},
        {"pause",         0, 0, Main, false, &S::press,        ControlId::btPause, 0},
        {"rewind",        0, 0, Main, false, &S::press,        ControlId::btRewind, 0},
        {"mistakes",      0, 0, Main, false, &S::press,        ControlId::mnShowMistakes, 0},
        {"exit",          0, 0, Main, false, &S::exitProgram,  NoControl, 0},
        {"continue",      0, 0, Main, false, &S::press,        ControlId::mnContinue, 0},
        {"save-replay",   1, 1, Main, false, &S::saveReplay,   ControlId::savet, 0},
        {"load-replay",   1, 1, Main, false, &S::loadReplay,   ControlId::mnLoadReplay, 0},
        {"import",        1, 999, Main, false, &S::importText, ControlId::btimport, 0},
        {"paste",         0, 0, Main, false, &S::paste,        ControlId::btimport, 0},
        {"copy",          1, 2, Main, false, &S::copy,         ControlId::btcopy, 0},
        {"save-game",     1, 2, Main, false, &S::saveGame,     ControlId::btsave, 0},
        {"games",         0, 0, Main, false, &S::listGames,    ControlId::btDisplayYourGameList, 0},
        {"load-game",     1, 1, Main, false, &S::loadGame,     ControlId::btDisplayYourGameList, 0},
        {"delete-game",   1, 1, Main, false, &S::deleteGame,   ControlId::btDisplayYourGameList, 0},
        {"rename-game",   2, 2, Main, false, &S::renameGame,   ControlId::btDisplayYourGameList, 0},
    };
    // clang-format on
    return table;
}

// ---------------------------------------------------------------------------------------------
// The session itself

void SessionDriver::seed(const Action &, Args args)
{
    std::uint64_t value = 0;
    const std::string_view word = args[0];
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        throw ScriptError{"bad argument '" + std::string(word) + "': expected a seed number"};
    // The game keeps a pointer to this object, so the new sequence replaces the old in place.
    m_random = MersenneRandom(value);
}

void SessionDriver::answer(const Action &action, Args)
{
    m_platform->queueAnswer(action.value == 1);
}

// ---------------------------------------------------------------------------------------------
// The main window

void SessionDriver::press(const Action &action, Args)
{
    reachMainWindow({});
    form().trigger(action.control); // a greyed control takes no press
}

void SessionDriver::newGame(const Action &, Args args)
{
    const int level = numberArg(args[0], 0, 4, "a level");
    reachMainWindow({});
    form().trigger(kNewGameButtons[static_cast<std::size_t>(level)]);
}

void SessionDriver::puzzle(const Action &, Args args)
{
    // The puzzle is played as a loaded game: a game file of level Unknown holding the givens,
    // the solution when given and one step, opened through Load Replay.
    GameFile file;
    file.level = Level::Unknown;
    file.givens = givensArg(args[0]);
    file.solution = args.size() > 1 ? solutionArg(args[1]) : std::string();
    file.steps = {givensSnapshot(file.givens)};
    const std::string path
        = joinPath(joinPath(m_platform->dataDirectory(), "replay"), kPuzzleFileName);
    if (!m_platform->writeLines(path, gameFileLines(file)))
        throw ScriptError{"the puzzle cannot be written to " + path};
    loadReplayFile(path);
}

void SessionDriver::digit(const Action &, Args args)
{
    const int d = numberArg(args[0], 1, 9, "a digit");
    const MouseButton button = buttonArg(args, 1);
    reachMainWindow({});
    if (!form().control(digitButton(d)).enabled)
        return;
    // A left click is the button's click; a right press is handled on the press and goes no
    // further.
    if (button == MouseButton::Left)
        form().game().disnote11Click(d);
    else
        form().game().disnote1MouseDown(d, MouseButton::Right);
}

void SessionDriver::key(const Action &, Args args)
{
    const KeyPress keyPress = keyArg(args[0]);
    if (form().frmtile().visible) {
        form().frmtile().keyPress(keyPress.key);
        return;
    }
    // The application-wide preview sees the key before the window's own handler.
    if (!form().ApplicationEvents1Message(keyPress, true))
        form().FormKeyDown(keyPress);
}

void SessionDriver::click(const Action &, Args args)
{
    const int row = numberArg(args[0], 1, 9, "a row");
    const int col = numberArg(args[1], 1, 9, "a column");
    const MouseButton button = buttonArg(args, 2);
    reachMainWindow(hitTest(row, col, 0));
    if (hitTest(row, col, 0).row != 0)
        form().boardMousePress(row, col, 0, button);
}

void SessionDriver::candidate(const Action &, Args args)
{
    const int row = numberArg(args[0], 1, 9, "a row");
    const int col = numberArg(args[1], 1, 9, "a column");
    const int d = numberArg(args[2], 1, 9, "a digit");
    const MouseButton button = buttonArg(args, 3);
    reachMainWindow(hitTest(row, col, d));
    // The press is hit-tested where it lands: a hidden sub-panel is part of its cell.
    const MousePlace target = hitTest(row, col, d);
    if (target.row == 0)
        return;
    form().boardMousePress(row, col, target.digit, button);
}

void SessionDriver::mode(const Action &action, Args)
{
    reachMainWindow({});
    if (!form().control(action.control).enabled)
        return;
    Game &game = form().game();
    switch (action.control) {
    case ControlId::rb_none:
        // The press may ask first and may use the click up.
        if (game.rb_noneMouseDown())
            game.radioClick(Mode::PencilAndPaper);
        break;
    case ControlId::rb_all:
        game.radioClick(Mode::AllCandidates);
        break;
    default:
        game.radioClick(Mode::PartCandidates);
        break;
    }
}

void SessionDriver::checkBox(const Action &action, Args)
{
    reachMainWindow({});
    if (form().control(action.control).enabled)
        form().checkBoxClick(action.control, action.value == 1);
}

void SessionDriver::colour(const Action &action, Args args)
{
    const int index = numberArg(args[0], 0, 15, "a colour of the grid");
    reachMainWindow({});
    if (form().control(action.control).enabled)
        form().game().setMarkingColour(index);
}

void SessionDriver::padCell(const Action &, Args args)
{
    // The player opens the pad with a right click on the cell.
    const int row = numberArg(args[0], 1, 9, "a row");
    const int col = numberArg(args[1], 1, 9, "a column");
    reachMainWindow(hitTest(row, col, 0));
    if (hitTest(row, col, 0).row != 0)
        form().boardMousePress(row, col, 0, MouseButton::Right);
}

void SessionDriver::exitProgram(const Action &, Args)
{
    // The window closes (writing the last game) and the program is started again on the same
    // files, settings and random source.
    reachMainWindow({});
    form().FormClose();
    startProgram();
}

void SessionDriver::saveReplay(const Action &action, Args args)
{
    checkFileName(args[0]);
    reachMainWindow({});
    m_platform->queueSavePath(joinPath(joinPath(m_platform->dataDirectory(), "replay"), args[0]));
    form().trigger(action.control);
    m_platform->dropFileAnswers();
}

void SessionDriver::loadReplay(const Action &, Args args)
{
    checkFileName(args[0]);
    loadReplayFile(joinPath(joinPath(m_platform->dataDirectory(), "replay"), args[0]));
}

void SessionDriver::loadReplayFile(const std::string &path)
{
    reachMainWindow({});
    m_platform->queueOpenPath(path);
    form().trigger(ControlId::mnLoadReplay);
    m_platform->dropFileAnswers();
}

// ---------------------------------------------------------------------------------------------
// The exchange windows: Import-or-create with its Import window, and Copy

void SessionDriver::importText(const Action &, Args args)
{
    importAndPlay(textAreaArg(args));
}

void SessionDriver::paste(const Action &, Args)
{
    // The player pastes the clipboard into the Import window's text area.
    importAndPlay(decodeLines(m_platform->text()));
}

void SessionDriver::importAndPlay(std::vector<std::string> lines)
{
    reachMainWindow({});
    whileModal([this, lines = std::move(lines)]() mutable {
        Tfrm_new &create = form().frm_new();
        whileModal([this, &lines] {
            form().frmImport().setLines(std::move(lines));
            form().frmImport().okClick();
        });
        create.importClick();
        // Play Puzzle closes the window; when it refuses the puzzle the player quits.
        create.playPuzzleClick();
        if (!m_platform->isClosed(Tfrm_new::kWindowName))
            create.quitClick();
    });
    form().trigger(ControlId::btimport);
}

void SessionDriver::copy(const Action &, Args args)
{
    const auto layout = std::find_if(std::begin(kLayoutWords), std::end(kLayoutWords),
                                     [&](const LayoutWord &w) { return w.word == args[0]; });
    if (layout == std::end(kLayoutWords))
        throw ScriptError{"bad argument '" + std::string(args[0])
                          + "': expected nocand, cand, 9x9 or 1x81"};
    const std::optional<std::string> blank
        = args.size() > 1 ? std::optional<std::string>(args[1]) : std::nullopt;
    reachMainWindow({});
    whileModal([this, layout = layout->layout, blank] {
        Tfrmcopy &window = form().frmcopy();
        window.RadioGroup1Click(layout);
        if (blank)
            window.setBlankText(*blank);
        window.Button1Click();
    });
    form().trigger(ControlId::btcopy);
}

// ---------------------------------------------------------------------------------------------
// The game library: the Save window and the game list

void SessionDriver::saveGame(const Action &action, Args args)
{
    const std::string name = gameNameArg(args[0]);
    const std::optional<int> level
        = args.size() > 1 ? std::optional<int>(numberArg(args[1], 0, 5, "a level")) : std::nullopt;
    reachMainWindow({});
    whileModal([this, name, level] {
        Tfrmsave &window = *form().frmsave();
        window.nameText = name;
        if (level)
            window.levelIndex = *level;
        window.Button1Click();
        // A write that failed leaves the window open; the player gives up.
        if (!window.closeRequested())
            window.Button2Click();
    });
    form().trigger(action.control);
}

void SessionDriver::listGames(const Action &action, Args)
{
    reachMainWindow({});
    whileModal([this] {
        Tfrmgamelist &list = form().frmgamelist();
        std::string names;
        for (const GameListRow &row : list.rows())
            if (!row.name.empty())
                names += (names.empty() ? "" : ",") + row.name;
        m_out << "games=" << names << '\n';
        list.Button4Click();
    });
    form().trigger(action.control);
}

void SessionDriver::inGameList(ControlId control, std::string_view name,
                               std::function<void()> player)
{
    reachMainWindow({});
    whileModal([this, name = std::string(name), player = std::move(player)] {
        Tfrmgamelist &list = form().frmgamelist();
        const auto &rows = list.rows();
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const GameListRow &r) { return r.name == name; });
        if (row != rows.end()) {
            list.selectRow(static_cast<int>(row - rows.begin()));
            player();
        }
        if (!list.closeRequested())
            list.Button4Click();
    });
    form().trigger(control);
}

void SessionDriver::loadGame(const Action &action, Args args)
{
    inGameList(action.control, gameNameArg(args[0]),
               [this] { form().frmgamelist().Button3Click(); });
}

void SessionDriver::deleteGame(const Action &action, Args args)
{
    inGameList(action.control, gameNameArg(args[0]),
               [this] { form().frmgamelist().Button1Click(); });
}

void SessionDriver::renameGame(const Action &action, Args args)
{
    const std::string newName = gameNameArg(args[1]);
    inGameList(action.control, gameNameArg(args[0]), [this, newName] {
        // The name is asked for again while it is taken; the player then keeps the old one.
        m_platform->queueInput(newName);
        form().frmgamelist().Button2Click();
        m_platform->dropFileAnswers();
    });
}

// ---------------------------------------------------------------------------------------------
// The candidate pad and the hint window

void SessionDriver::padDigit(const Action &, Args args)
{
    form().frmtile().digitPressed(numberArg(args[0], 1, 9, "a digit"));
}

void SessionDriver::padAutomatic(const Action &, Args)
{
    form().frmtile().AdvGlowButton1Click();
}

void SessionDriver::padClose(const Action &, Args)
{
    // The pad window's close box: the pad hides and recounts, and keeps its cell.
    form().frmtile().close();
}

void SessionDriver::hintPress(const Action &, Args)
{
    form().frmsolover().bthintClick();
    logHintText();
}

void SessionDriver::hintClose(const Action &, Args)
{
    m_hintWindowOpen = false;
}

} // namespace kestrel
