#pragma once
// Board snapshots, the step log of the move history, and the game file that carries a game
// between runs (the last game, replays).
//
// Snapshot: the 81 cells row-major, each its state digit then its `hxs`, joined by ",":
//   "15,3124,3,26,…"  = a given 5, an open cell with candidates 1 2 4, an open cell without
//   candidates, a placed 6, …
//
// Game file (lines ended by CR LF):
//   1   level (0..5), a blank, the givens string (81 characters, "0" for a non-given)
//       (blanks around a line are ignored; one or more blanks part level and givens)
//   2   the solution (81 digits), or empty when it is not known
//   3…  the step log, step 0 first

#include "core/cell_state.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class TPICSD33;

/// The board as a snapshot line.
std::string takeSnapshot(const TPICSD33 &board);

// Reading a snapshot: fields are cut at each ","; the blanks (spaces, tabs, any control
// character) before and after a field are not part of it, so " 15 ,\t3124" reads as "15,3124".
// A blank inside a field is kept and fails the check. The check, the loader and the game
// file reader all use this one reading.

/// Writes a snapshot onto the board's cells (`state` from each field's first character,
/// `hxs` from the rest). A missing field reads as empty; fields after the 81st are ignored.
void applySnapshot(TPICSD33 &board, std::string_view snapshot);

/// True when `snapshot` has 81 fields, each a state digit 1..3 followed by fitting digits:
/// one digit 1..9 for a given or placed cell, distinct digits 1..9 for an open one.
bool isValidSnapshot(std::string_view snapshot);

/// `snapshot` as the program writes it: the same fields without the blanks around them.
std::string writtenSnapshot(std::string_view snapshot);

/// The linear move history: one snapshot per line, step 0 first, and the step shown.
class StepLog
{
public:
    /// Placeholder line of a log that never held a game.
    static constexpr std::string_view kPlaceholder = "memostep";

    const std::vector<std::string> &lines() const { return m_lines; }
    int currentIndex() const { return m_current; }
    int lastIndex() const { return static_cast<int>(m_lines.size()) - 1; }

    /// Appends `snapshot` after the current step, cutting off the undone steps after it,
    /// unless it equals the current step. Returns true when a step was added.
    bool record(const std::string &snapshot);
    /// The log becomes `snapshot` alone, as step 0.
    void reset(const std::string &snapshot);
    /// Replaces every line (a game file's steps) and shows the last one.
    void load(std::vector<std::string> lines);
    /// Moves to step `index` (clamped into the log).
    void moveTo(int index);
    /// Drops the last line (the current step moves back when it was the last).
    void removeLast();

    /// Back and First may be used: not at step 0, and the log is not the placeholder.
    bool canGoBack() const;
    /// Next and Last may be used: not at the last step.
    bool canGoForward() const { return m_current < lastIndex(); }

private:
    std::vector<std::string> m_lines{std::string(kPlaceholder)};
    int m_current = 0;
};

/// A game file's contents.
struct GameFile
{
    Level level = Level::VeryEasy;
    std::string givens; ///< 81 characters
    std::string solution; ///< 81 digits, or empty
    std::vector<std::string> steps;
};

/// Why a file is not a game file.
enum class GameFileProblem { TooFewLines, BadLevel, BadGivens, BadSolution, BadStep };

/// A game file read and checked whole; `problem` and `line` (1-based) say what failed.
struct GameFileReading
{
    std::optional<GameFile> file;
    GameFileProblem problem = GameFileProblem::TooFewLines;
    int line = 0;
};

/// The lines of a game file.
std::vector<std::string> gameFileLines(const GameFile &game);

/// Reads and checks every line of a game file; nothing is half-accepted.
GameFileReading parseGameFile(const std::vector<std::string> &lines);

} // namespace kestrel
