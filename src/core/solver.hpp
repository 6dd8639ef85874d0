#pragma once
// The backtracking solver and the solution counter.
//
// Two solvers live here and give the same answer (solver.cpp says why):
//
// - `Tfrm_sol`'s search (`FindPossibilities`, `SolveSudoku`, `SolveBruteForce`, `solve`) works
//   on the 25 x 25 `solveTable`, recomputes every cell after each placement and copies the
//   table per guess. It is kept as written because it defines the answer: the first solution
//   in row-major cell order with values tried from low to high. The tests use it as the oracle.
// - `solvePuzzle` and `countSolutions` are what the program runs: bit masks of the places of
//   each digit, precomputed unit tables and a most-constrained-cell search, a few microseconds
//   on a puzzle whose givens do not conflict. On conflicting givens solvePuzzle replays the
//   reference's order within a fixed amount of work and answers NoSolution past it
//   (solver_conflicts.cpp): a few milliseconds at most, where the reference can take hours.
//
// The numeric codes of the callers (0 solved / unique, 1 no solution, 2 several) appear only
// at the edges, through solveCode() and uniqueCode().

#include "core/edit_board.hpp"
#include "core/interface_font.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

/// Outcome of one solve.
enum class SolveResult {
    Solved, ///< the values are the first solution in row-major, low-digit-first order
    NoEmptyCell, ///< the puzzle had no empty cell; the values are the puzzle's own
    NoSolution, ///< the search failed; the values are the puzzle's (0 for empty cells)
};

/// Outcome of the uniqueness test.
enum class UniqueResult {
    Unique, ///< exactly one solution
    Several, ///< at least two solutions; two different ones are reported
    NoSolution, ///< no solution at all
    BreaksRules, ///< two equal entries see each other; nothing was searched
    NoEmptyCell, ///< the puzzle is already full
};

/// The code callers use for a solve: 0 solved, 1 no solution or no empty cell.
int solveCode(SolveResult result) noexcept;

/// The code callers use for the uniqueness test: 0 unique, 2 several, 1 everything else.
int uniqueCode(UniqueResult result) noexcept;

/// A solve's outcome with its 81-digit values string ("0" for an empty cell).
struct SolveOutcome
{
    SolveResult result = SolveResult::NoSolution;
    std::string values;
};

/// The uniqueness test's outcome. `first` is set for Unique and Several and is always the
/// solution `solvePuzzle` returns; `second` is set for Several and differs from `first`.
struct UniqueOutcome
{
    UniqueResult result = UniqueResult::NoSolution;
    std::string first;
    std::string second;
};

/// Solves an 81-character puzzle ("1".."9" a given, any other character an empty cell;
/// missing characters count as empty). Same result and values as `Tfrm_sol::solve`.
SolveOutcome solvePuzzle(std::string_view puzzle);

/// Counts the solutions of a puzzle (read as solvePuzzle reads it) up to two. Equal digits
/// that see each other give BreaksRules; this does not run the edit-board check.
UniqueOutcome countSolutions(std::string_view puzzle);

/// One cell of the solver's table.
struct SolveCell
{
    std::uint8_t value = 0; ///< the digit in the cell, 0 = empty
    std::array<bool, 26> poss{}; ///< poss[v]: value v still possible here; [0] unused
};

/// The solver window's logic: the edit-box board `so` used for the rule check, the puzzle
/// field `Edit1`, the search table and the four developer buttons. The window is never shown
/// to players; the main window and the import window only call checkPuzzle and solveUnique.
///
/// WARNING: `solve` and the search methods are the slow reference search. They follow the
/// naive order literally and can run for minutes on puzzles built against backtracking; the
/// program itself solves with solvePuzzle / solveUnique.
class Tfrm_sol
{
public:
    /// Rows and columns of `solveTable`, 1..25; index 0 is unused.
    static constexpr int kTableSize = 26;
    using SolveTable = std::array<std::array<SolveCell, kTableSize>, kTableSize>;

    Tfrm_sol();

    // Dimensions of the grid in the table; the program never changes them.
    std::uint8_t boxRows = 3;
    std::uint8_t boxCols = 3;
    std::uint8_t gridSize = 9;

    SolveTable solveTable{}; ///< the search's working table; keeps the last puzzle's end state
    TSD33 so; ///< edit-box board of the rule check
    std::string Edit1; ///< the puzzle field
    InterfaceFont font; ///< the window's text font, set by applyInterfaceFont

    /// The window's language routine: it has no texts of its own (a developer window), so
    /// only the interface font is applied.
    void applyInterfaceFont() { font = InterfaceFont::standard(); }

    /// Loads `puzzle` into `Edit1` and `so` ("0" and "*" open, any other character an entry)
    /// and returns true when no two one-character entries that see each other are equal.
    bool checkPuzzle(std::string_view puzzle);

    /// The reference solve: code 0 with the solution, or code 1 (no solution, or no empty
    /// cell) with the starting values; `result` holds 81 digits, "0" for an empty cell.
    void solve(std::string_view puzzle, int &code, std::string &result);

    /// The uniqueness test the program uses: checkPuzzle, then an exact count up to two.
    UniqueOutcome solveUnique(std::string_view puzzle);

    /// Recomputes `poss` of every cell from the values of its row, column and box.
    void FindPossibilities();
    /// True when no cell of the grid is empty.
    bool check() const;
    /// 1 when the empty cell (row, col) has a single candidate or v is possible in only one
    /// cell of its column, row or box; another count otherwise (only compared with 1).
    int CountPossValue(int v, int row, int col) const;
    /// Further candidate reduction between placements; does nothing.
    void ReducePossibilities();
    /// Places singles pass after pass, row-major, until a pass places nothing (or, with
    /// `stopAtFirst`, after the first placement); returns check().
    bool SolveSudoku(bool stopAtFirst);
    /// Depth-first search from the first empty cell with ascending values; true when the
    /// table holds a solution, false with the table back in its starting state.
    bool SolveBruteForce();

    /// "Set Table": loads `Edit1` into `so` (the load step of checkPuzzle).
    void btsettableClick();
    /// "solver": solves `Edit1`, records the message for its code and writes the values
    /// into `so`; `solveTable` is left as the reference search would leave it.
    void Button1Click();
    /// "show da": writes the table's values into `so`.
    void Button2Click();
    /// "clear": empties the 81 texts of `so`.
    void Button3Click();

    /// The message of the last "solver" press: "OK" for code 0, else a short explanation.
    const std::string &lastMessage() const { return m_lastMessage; }

private:
    void loadTable(std::string_view puzzle);
    std::string tableValues() const;
    void writeValuesToBoard(std::string_view values);

    std::string m_lastMessage;
};

} // namespace kestrel
