#pragma once
// The Import-or-create window's logic `Tfrm_new`: its create board `sdnew`, the cell presses
// that put clues on it, and the buttons Load Puzzle, Import, Clear Grid, Check Puzzle, Play
// Puzzle and Quit. It reaches the game only through `Game` (Load Puzzle reads the main board,
// Play Puzzle hands the puzzle over). The window is created once; the board keeps its
// content between openings.

#include "core/board.hpp"
#include "core/input.hpp"
#include "core/solver.hpp"
#include "game/game.hpp"

#include <string>
#include <string_view>

namespace kestrel {

struct Platform;

/// What Check finds; the numbers are the window's check codes.
enum class CheckResult { OneSolution = 0, NoSolution = 1, SeveralSolutions = 2 };

/// Check's finding, with the solution (81 digits) when there is exactly one.
struct PuzzleCheck
{
    CheckResult result = CheckResult::NoSolution;
    std::string solution;
};

/// The puzzle string of a create board: each cell's `hxs` when it is one character (a clue,
/// or an open cell left with one candidate), "*" otherwise.
std::string puzzleStringOf(const TPICSD33 &board);

/// Check: the solver's uniqueness test on the puzzle string. A full grid is its own one
/// solution, unless two equal digits see each other: then it is not solvable.
PuzzleCheck checkPuzzleString(Tfrm_sol &solver, std::string_view puzzle);

/// The captions of the Import-or-create window, from the active language.
struct CreateCaptions
{
    std::string caption;
    std::string loadPuzzle; ///< button5
    std::string import; ///< button6
    std::string clearGrid; ///< button3
    std::string checkPuzzle; ///< button1
    std::string playPuzzle; ///< button2
    std::string quit; ///< button4
};

class Tfrm_new
{
public:
    static constexpr std::string_view kWindowName = "Tfrm_new";
    static constexpr int kClientWidth = 545;
    static constexpr int kClientHeight = 428;

    /// The window over `game` (both must outlive it), asking through the platform's dialogs.
    Tfrm_new(Platform &platform, TextLookup text, Game &game);

    /// Creation: texts, a cleared board (without asking), the board enabled.
    void FormCreate();
    /// Sets the caption and the button texts from the active language.
    void applyLanguage();

    /// The create board.
    TPICSD33 &sdnew() { return m_sdnew; }
    const TPICSD33 &sdnew() const { return m_sdnew; }
    const CreateCaptions &captions() const { return m_captions; }

    // --- presses on the create board ---------------------------------------------------------

    /// Left press on a cell (not on a candidate): the cell becomes open with its
    /// allowedHxs, and the digit it held goes back to its peers. Other buttons do nothing.
    void cellPress(int row, int col, MouseButton button);
    /// Press on candidate `digit` of a cell: left makes it a clue with that digit and takes
    /// the digit from its peers; right removes that candidate.
    void candidatePress(int row, int col, int digit, MouseButton button);
    /// Mouse enters or leaves a cell (digit 0) or one of its candidates (digit 1..9).
    void hoverEnter(int row, int col, int digit);
    void hoverLeave(int row, int col, int digit);

    // --- buttons -------------------------------------------------------------------------------

    /// Load Puzzle: the main board's puzzle (every one-character cell a clue) with the
    /// allowed candidates in the other cells.
    void loadPuzzleClick();
    /// Import: the Import window, whose OK fills this board.
    void importClick();
    /// Clear Grid: after a confirmation, every cell open with all nine candidates.
    void clearGridClick();
    /// Check Puzzle: reports no solution, one, or several.
    void checkPuzzleClick();
    /// Play Puzzle: hands the puzzle to the game as a new game of level Unknown (asking first
    /// when it has several solutions) and closes the window; refuses a puzzle without one.
    void playPuzzleClick();
    /// Quit: the window closes; the board keeps its content.
    void quitClick();

    /// Check on the board as it stands.
    PuzzleCheck check();

private:
    void clearGrid();
    void afterPress();

    Platform &m_platform;
    TextLookup m_text;
    Game &m_game;
    TPICSD33 m_sdnew;
    Tfrm_sol m_solver;
    CreateCaptions m_captions;
};

} // namespace kestrel
