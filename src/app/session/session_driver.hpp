#pragma once
// A headless session: the main window's logic driven by a script, one action per line, on a
// ScriptedPlatform, printing what a player would see. `kestrel-tool session` runs it for tests,
// soaks and bug reports; the driver takes every action through the same calls the Qt window
// makes for the player's input, so a script shows the program's own behaviour and nothing of
// its own.
//
// A script line is an action name and its arguments separated by blanks ("cand 3 4 7 right");
// blank lines and lines starting with "#" are skipped. Every action is one row of the action
// table in session_actions.cpp: its name (one word, or two for an action with a fixed second
// word such as "mode pencil"), how many arguments it takes, which window it belongs to, whether
// it may be used while the hint window is open, and its handler.
//
// A key is named with its modifiers ("key up", "key shift+5", "key ctrl+shift+z", "key kp4" for
// the keypad's 4) and goes through the same handlers as the window's key events.
//
// Conventions that make a script mean one thing:
// - the program starts as it does for a player (FormCreate, then the board's appearance), on
//   an empty in-memory data folder that lives for the whole session; the random source is
//   seeded with 0 until a "seed" action; the clock never ticks;
// - the mouse stands where the board widget would report it: "click" and "pad R C" put it on
//   the cell, "cand" on the candidate sub-panel when that is visible (on the cell otherwise),
//   every other action off the board; the board widget's enter and leave events follow it;
// - while the candidate pad is up, keys go to the pad, and any other action on the main window
//   first activates the main window (FormActivate);
// - the hint window is modal: opening it runs the following lines inside it until
//   "hint close" (or the end of the script), and only then does the main window's handler go
//   on, as it does after the real window's modal loop.

#include "app/main_controls.hpp"
#include "core/random_source.hpp"

#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class ScriptedPlatform;
class TForm1;

/// `text` on one output line: every line break in it (CR LF, LF or a lone CR) written as the
/// two characters "\n".
std::string escapeLineBreaks(std::string_view text);

class SessionDriver
{
public:
    /// Exit status of a session.
    static constexpr int kCompleted = 0; ///< every line ran
    static constexpr int kScriptError = 2; ///< a line could not be run ("error line N: …")
    static constexpr int kUnanswered = 3; ///< a question found no queued answer

    /// A driver printing its output to `out` and its script errors to `err`.
    SessionDriver(std::ostream &out, std::ostream &err);
    ~SessionDriver();
    SessionDriver(const SessionDriver &) = delete;
    SessionDriver &operator=(const SessionDriver &) = delete;

    /// Starts the program on a fresh in-memory platform and runs the lines of `script` until
    /// the end or the first line that stops the session. Returns kCompleted, kScriptError or
    /// kUnanswered.
    int run(std::istream &script);

    /// Called after every line that ran, with the window and the line (soaks check the
    /// board's invariants here).
    void setLineChecker(std::function<void(const TForm1 &form, std::string_view line)> checker)
    {
        m_lineChecker = std::move(checker);
    }

    /// Thrown by an action whose line cannot be run; `why` follows "error line N: ".
    struct ScriptError
    {
        std::string why;
    };

private:
    using Args = std::span<const std::string_view>;

    /// Which window an action is addressed to.
    enum class Window {
        None, ///< the session itself (seed, answer, show, messages), or decided by the handler
        Main, ///< the main window: moves the mouse, activates the main window over the pad
        Pad, ///< the candidate pad; it must be up
        Hint, ///< the hint window; it must be open
    };

    struct Action
    {
        std::string_view name;
        int minArgs;
        int maxArgs;
        Window window;
        bool duringHint; ///< allowed while the hint window is open
        void (SessionDriver::*handler)(const Action &action, Args args);
        ControlId control; ///< the control the action presses
        int value; ///< what the action sets: 1 for "on" and "yes", 0 for "off" and "no"
    };

    /// Where the board widget sees the mouse: a cell (digit 0), one of its candidate
    /// sub-panels (digit 1..9), or off the board (row 0).
    struct MousePlace
    {
        int row = 0;
        int col = 0;
        int digit = 0;
        bool operator==(const MousePlace &) const = default;
    };

    static std::span<const Action> actions();

    TForm1 &form() { return *m_form; }
    void startProgram();
    bool nextLine(std::string &line);
    void runLine(std::string_view line);
    const Action &findAction(const std::vector<std::string_view> &words, std::size_t &argsFrom);
    void checkWindow(const Action &action);
    void runHintWindow();

    // The mouse and the windows.
    MousePlace hitTest(int row, int col, int digit);
    void moveMouse(MousePlace place);
    void reachMainWindow(MousePlace place);
    void logHintText();
    void writeShow();
    void writeMessages();

    // Handlers, one per kind of action (session_actions.cpp).
    void seed(const Action &, Args args);
    void answer(const Action &action, Args args);
    void show(const Action &, Args) { writeShow(); }
    void messages(const Action &, Args) { writeMessages(); }
    void press(const Action &action, Args args);
    void newGame(const Action &, Args args);
    void puzzle(const Action &, Args args);
    void digit(const Action &, Args args);
    void key(const Action &, Args args);
    void click(const Action &, Args args);
    void candidate(const Action &, Args args);
    void mode(const Action &action, Args args);
    void checkBox(const Action &action, Args args);
    void colour(const Action &, Args args);
    void padCell(const Action &, Args args);
    void padDigit(const Action &, Args args);
    void padAutomatic(const Action &, Args args);
    void padClose(const Action &, Args args);
    void hintPress(const Action &, Args args);
    void hintClose(const Action &, Args args);
    void exitProgram(const Action &, Args args);
    void saveReplay(const Action &, Args args);
    void loadReplay(const Action &, Args args);
    void loadReplayFile(const std::string &path);
    void importText(const Action &, Args args);
    void paste(const Action &, Args args);
    void copy(const Action &, Args args);
    void saveGame(const Action &, Args args);
    void listGames(const Action &, Args args);
    void loadGame(const Action &, Args args);
    void deleteGame(const Action &, Args args);
    void renameGame(const Action &, Args args);
    /// Import-or-create > Import with `lines` in the text area > OK > Play Puzzle.
    void importAndPlay(std::vector<std::string> lines);
    /// Runs `player` inside the next modal window the program opens (the player's actions in
    /// it); the window closes when it returns.
    void whileModal(std::function<void()> player) { m_inModal = std::move(player); }
    /// Opens the game list (`control`) and, inside it, selects the row of `name` and runs
    /// `player`; nothing inside when no row holds the name.
    void inGameList(ControlId control, std::string_view name, std::function<void()> player);

    std::ostream &m_out;
    std::ostream &m_err;
    std::istream *m_script = nullptr;
    long m_lineNumber = 0;
    std::unique_ptr<ScriptedPlatform> m_platform;
    MersenneRandom m_random{0};
    std::unique_ptr<TForm1> m_form;
    std::function<void(const TForm1 &, std::string_view)> m_lineChecker;
    MousePlace m_mouse;
    bool m_hintWindowOpen = false;
    std::function<void()> m_inModal;
};

} // namespace kestrel
