#pragma once
// The live game, apart from any window: the board and the puzzle record, the move history,
// the operation mode with the digit selection, the colour marks, the branch, the clock and
// the digit counts. Every play rule lives here; the main window (`TForm1`) shows this state
// in its controls and routes the player's presses to it, and every other window that needs
// the game (save, game list, import, copy, print, picture) takes a `Game`.
//
// The game asks the player through `Dialogs` (leaving a candidate mode, restarting) and
// tells the completion; its texts come from the lookup it is given (the active language).

#include "board/time_label.hpp"
#include "core/board.hpp"
#include "core/cell_state.hpp"
#include "core/digit_set.hpp"
#include "core/input.hpp"
#include "core/puzzle_record.hpp"
#include "core/random_source.hpp"
#include "game/colour_marks.hpp"
#include "game/step_log.hpp"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kestrel {

class Dialogs;

/// Text of a language key in the active language (empty when missing).
using TextLookup = std::function<std::string(std::string_view)>;

/// The three operation modes.
enum class Mode { PencilAndPaper, AllCandidates, PartCandidates };

/// One of the nine digit progress bars.
struct ProgressBarState
{
    int position = 0; ///< how many cells show the digit (0..9)
    Colour color = 0x00FF0000; ///< red ($000000FF) at 9, blue otherwise
    std::string hint = "0"; ///< the position as text
};

/// What completed the board; decides the message and the branch buttons.
enum class CompletedBy { CellClick, CandidateClick, HintWindow };

/// What a press on a cell asks of the window after the game has handled it.
enum class CellPressFollowUp { None, OpenCandidatePad };

/// The trial branch: the board remembered at Start Branch, and which of the three branch
/// buttons may be pressed.
struct Branch
{
    std::string snapshot; ///< empty when no branch is open
    int step = 0; ///< the step of the log the branch was started at
    bool canStart = false;
    bool canAccept = false;
    bool canReject = false;
};

/// One cell of a board read back from a saved game.
struct SavedCell
{
    CellState state = CellState::Open;
    std::string hxs;
    bool readable = false; ///< false: the stored field could not be read
};

/// A board read back from a saved game, as the game list loads it.
struct SavedBoard
{
    int levelDigit = -1; ///< the stored level digit 0..9; -1 when it is not a digit
    std::string solution; ///< 81 solution digits, or empty when none is known
    std::array<SavedCell, 81> cells{}; ///< row-major
};

/// Which of the four step buttons (First, Back, Next, Last) may be pressed.
struct StepButtons
{
    bool first = false;
    bool back = false;
    bool next = false;
    bool last = false;
};

/// The "Auto Update Candidates" box: greyed while Pencil and Paper is the mode.
struct AutoUpdateBox
{
    bool checked = true;
    bool enabled = false;
};

class Game
{
public:
    /// A game that asks through `dialogs` and takes its texts from `text` (both must outlive
    /// the game).
    Game(Dialogs &dialogs, TextLookup text);
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // --- what the game is --------------------------------------------------------------------

    TPICSD33 &board() { return m_board; }
    const TPICSD33 &board() const { return m_board; }
    /// The puzzle record `QJ1`: givens and the known solution (value 0 when unknown).
    TQJ &record() { return m_QJ1; }
    const TQJ &record() const { return m_QJ1; }
    const StepLog &history() const { return m_stepLog; }
    const ColourMarks &marks() const { return m_marks; }
    const Branch &branch() const { return m_branch; }
    const StepButtons &stepButtons() const { return m_stepButtons; }
    const TTimeLabel &clock() const { return m_clock; }
    TTimeLabel &clock() { return m_clock; }
    const ProgressBarState &progressBar(int digit) const
    {
        return m_progressBars[static_cast<std::size_t>(digit - 1)];
    }
    /// True when a puzzle is on the board (its givens hold at least one digit).
    bool hasPuzzle() const;
    /// True while an unfinished game has moves in its step log: leaving it loses them.
    bool isInProgress() const;
    /// The game as a game file (level, givens, solution, steps).
    GameFile currentGameFile() const;
    /// Text of the level label (set when a game starts).
    const std::string &levelText() const { return m_levelText; }
    /// True while the completion marker is shown; its text.
    bool solvedMarkerVisible() const { return m_solvedMarkerVisible; }
    const std::string &solvedMarkerText() const { return m_solvedMarkerText; }

    /// Draws puzzles and shuffles from `random` instead of the clock-seeded generator.
    void setRandomSource(RandomSource &random) { m_random = &random; }
    RandomSource &random() { return *m_random; }
    /// Title of the game's message boxes.
    void setDialogTitle(std::string title) { m_title = std::move(title); }

    // --- mode and digit selection --------------------------------------------------------------

    Mode mode() const { return m_mode; }
    /// True when the digit button of `digit` (1..9) is down.
    bool isDigitDown(int digit) const { return m_down.has(digit); }
    /// The digit buttons that are down.
    DigitSet digitsDown() const { return m_down; }
    /// Digit of the single button that is down; 0 when none or several are down.
    int selectedDigit() const;
    /// Digits whose candidates the current mode shows (Pencil and Paper: all digits until
    /// candidates were set, then none; All: all; Part: the down buttons).
    std::string displayDigits() const;
    /// True while the nine digit buttons form one exclusive group (group index 2); otherwise
    /// each button stands alone (group index d + 10).
    bool digitsExclusive() const { return m_digitsExclusive; }
    /// True while the nine digit buttons may all be up.
    bool digitsAllowAllUp() const { return m_digitsAllowAllUp; }
    bool candidateSetFlag() const { return m_candidateSet; }
    const AutoUpdateBox &autoUpdate() const { return m_autoUpdate; }
    /// The player ticks or clears the auto-update box; a greyed box keeps its state.
    void setAutoUpdateChecked(bool checked);
    /// The candidate-state classification: 0 no marks, 1 some open cells marked, 2 all
    /// marked as computed, 3 all marked and some edited by the player.
    int candidateClassification() const;

    /// Selects `digit` (1..9): every digit button up, this one down, board redrawn for the
    /// mode, colour marks re-applied.
    void disnote11Click(int digit);
    /// A press on digit button `digit`: a right press in Part Candidates mode toggles it.
    void disnote1MouseDown(int digit, MouseButton button);
    /// A digit typed on the main keyboard: selects it, shows the candidates of the mode.
    void typeDigit(int digit);
    /// Tab: the selection moves on to the next digit (9 wraps to 1, none selected gives 1).
    void selectNextDigit();
    /// A press on digit progress bar `digit`: as the same press and release on its button.
    void ProgressBar1MouseDown(int digit, MouseButton button);

    /// A mouse press on `rb_none`, before its click takes effect: when the player's own marks
    /// would be lost, asks first. Returns false when the click must not go on.
    bool rb_noneMouseDown();
    /// The player clicks the radio button of `mode`: nothing when it is already the mode,
    /// otherwise it becomes the mode and rb_noneClick runs.
    void radioClick(Mode mode);
    /// The pencil tool button and the press on Pencil and Paper: the press check, then the
    /// click when the check lets it.
    void pressPencilAndPaper();
    /// Puts the mode radio buttons and the digit buttons as given without running any
    /// handler (the board is not redrawn): a window state set from outside.
    void setSelection(Mode mode, DigitSet down)
    {
        m_mode = mode;
        m_down = down;
    }

    // --- starting and ending a game --------------------------------------------------------------

    /// New game of `level` from `puzzleLine`, a bank line drawn for it.
    void newGame(Level level, std::string_view puzzleLine);
    /// Puts a game read from a file on the board, at its last step.
    void loadGame(const GameFile &game);
    /// A puzzle of the player's own, from the Import-or-create window's board: its clues
    /// (state 2) become the givens, its other cells open with their candidates; `solution`
    /// (81 digits) is stored when known, empty when the puzzle has several solutions. The
    /// game starts at level Unknown with a fresh step log and clock, in All Candidates when
    /// the candidates were edited, otherwise in Pencil and Paper with no candidates.
    void playPuzzle(const TPICSD33 &source, std::string_view solution);
    /// Starts a game from a saved board: level, solution, cells and `given` flags from
    /// `saved`, an unreadable cell open with its `allowedHxs`; the board enabled, the history
    /// begun afresh, the clock restarted at whole seconds, and the candidate mode chosen by
    /// the candidate-state classification (All Candidates for edited candidates, otherwise
    /// Pencil and Paper without marks).
    void loadSavedBoard(const SavedBoard &saved);
    /// Restart: after a confirmation, puts the game back to its givens.
    void btRestartClick();
    /// The board before any game: no values, every cell a given without digit, no marks.
    void clearForStart();
    /// Shows the puzzle record on the board: givens and open cells, completion marker
    /// hidden, marking off, Start Branch enabled, Accept and Reject disabled.
    void showRecordOnBoard();
    /// Completes the game: marker shown, message (but for the hint window), clock stopped.
    void completion(CompletedBy by);
    /// One tick of the game clock: adds the tick interval to the elapsed time.
    void TimeLabel1Timer();

    // --- entries on the board --------------------------------------------------------------------

    /// A press on cell (row, col) while neither marking nor the candidate pad holds the
    /// board: places the selected digit (Pencil and Paper), takes back a placed digit
    /// (candidate modes) or takes a pencil digit away; a right press on an open cell asks the
    /// window for the candidate pad.
    CellPressFollowUp cellClick(int row, int col, MouseButton button);
    /// A press on candidate sub-panel `digit` of cell (row, col): left places the digit,
    /// right removes the candidate; while marking, marks the sub-panel instead.
    void candidateClick(int row, int col, int digit, MouseButton button);
    /// Recounts the digits on the board into the progress bars and records a step.
    void refreshProgressBars();
    /// Check Error: paints wrong values, and candidate lists that lack the solution digit, in
    /// $000000FE. Returns false when nothing was wrong.
    bool checkErrors();

    // --- colour marking --------------------------------------------------------------------------

    bool marking() const { return m_marking; }
    /// The "Marking" box.
    void setMarking(bool on) { m_marking = on; }
    /// Colour index (0..15) of the colour grid used for marking.
    int markingColour() const { return m_markingColour; }
    void setMarkingColour(int index);
    /// Marks (left) or unmarks (right) a whole cell in the selected colour.
    void markCell(int row, int col, MouseButton button);
    /// Marks (left) or unmarks (right) one candidate sub-panel.
    void markCandidate(int row, int col, int digit, MouseButton button);
    /// Clear Marking: default colours everywhere and no marks.
    void bt_clearcolorClick();
    /// The 16 colours of the colour grid in grid order.
    static const std::array<Colour, 16> &colorGridColours();

    // --- history and branches --------------------------------------------------------------------

    /// Appends the board to the step log when it changed, and sets the step buttons.
    void recordStep();
    /// Called after every step the log gained (the autosave listens here).
    void setStepRecorded(std::function<void()> listener) { m_stepRecorded = std::move(listener); }
    /// The step log becomes the current board alone.
    void resetStepLog();
    /// Puts a snapshot on the board and switches the mode: All Candidates when every open
    /// cell has candidates, Pencil and Paper otherwise.
    void restoreSnapshot(std::string_view snapshot);
    /// Shows step `index` of the history (clamped); nothing before any game.
    void navigate(int index);
    void btfirstClick() { navigate(0); }
    void btbackClick() { navigate(m_stepLog.currentIndex() - 1); }
    void btnextClick() { navigate(m_stepLog.currentIndex() + 1); }
    void btlastClick() { navigate(m_stepLog.lastIndex()); }
    /// Start Branch: remembers the board.
    void btStartBranchClick();
    /// Accept Branch: keeps the branch open; nothing else.
    void btAcceptClick() { }
    /// Reject Branch: puts the remembered board back.
    void btRejectBranchClick();

    // --- pause, mistakes as they happen, rewind
    // ---------------------------------------------------

    /// True while the game is paused: the clock stands and the board is covered.
    bool paused() const { return m_paused; }
    /// True when Pause can be pressed: while paused, or while the clock runs.
    bool canPause() const { return m_paused || m_clock.timerenabled(); }
    /// Pause: stops the clock and covers the board, which takes no input; pressed again,
    /// uncovers the board and runs the clock on.
    void btPauseClick();
    /// Ends a pause (nothing when the game is not paused).
    void resume();
    /// True while placed digits that differ from the known solution are marked at once.
    bool showsMistakes() const { return m_showMistakes; }
    /// The "Show mistakes as I play" option.
    void setShowMistakes(bool on);
    /// Writes the board's mistake marks: with the option on and a known solution, every
    /// placed digit that differs from it; none otherwise.
    void updateMistakes();
    /// True when the whole solution is known and a game is on the board.
    bool canRewind() const;
    /// The last step, up to the current one, at which every placed digit agrees with the
    /// known solution (the current step when it has no mistake; 0, the givens, at worst).
    int lastStepWithoutMistake() const;
    /// Rewind to the first mistake: shows lastStepWithoutMistake() as one move of the step
    /// log, so that Next and Last go forward again. Nothing without a known solution.
    void btRewindClick();

    // --- board redraw shared by the commands -----------------------------------------------------

    /// Draws the board for the mode, with the selected digit's highlight and the marks, as
    /// after any command (the hint window leaves its own colours).
    void redrawBoard();
    /// Every non-open, unmarked cell whose digit is the selected one gets `highcolor`.
    void highlightSelectedDigit();
    /// Resets every cell and sub-panel to its default colour, then paints the stored marks
    /// and recolours wrong digits.
    void reapplyColourMarks();
    /// Default background of a cell: error colour, highlight of the selected digit, or the
    /// box colour, in that order of precedence.
    Colour defaultCellColour(int row, int col) const;
    /// Placed digits that differ from the known solution get the placed-digit colour.
    void recolourWrongDigits();

private:
    std::string text(std::string_view key) const { return m_text(key); }
    bool autoUpdateOn() const { return m_autoUpdate.checked && m_autoUpdate.enabled; }
    void setDigitDown(int digit);
    void fillCandidates();
    void rb_noneClick();
    void joinExclusiveGroup();
    void redrawForMode();
    void redrawAfterRestore();
    void takeBackPlacedDigit(int row, int col);
    void clearBoardForLoad();
    void startClock();
    void setStepButtonsFromLog();
    void setStepButtons(bool enabled);
    std::string levelTextOf(Level level) const;

    Dialogs &m_dialogs;
    TextLookup m_text;
    std::string m_title;

    TPICSD33 m_board;
    TQJ m_QJ1;
    StepLog m_stepLog;
    std::function<void()> m_stepRecorded;
    ColourMarks m_marks;
    Branch m_branch;
    StepButtons m_stepButtons;
    TTimeLabel m_clock;
    std::array<ProgressBarState, 9> m_progressBars{};

    Mode m_mode = Mode::PencilAndPaper;
    DigitSet m_down; ///< the digit buttons that are down
    bool m_digitsExclusive = true;
    bool m_digitsAllowAllUp = false;
    bool m_candidateSet = false;
    AutoUpdateBox m_autoUpdate;
    bool m_restoringFile = false; ///< a game file's last step is being put back
    bool m_marking = false;
    int m_markingColour = 0;
    bool m_paused = false;
    bool m_boardEnabledBeforePause = true;
    bool m_showMistakes = false;

    std::string m_levelText = " ";
    bool m_solvedMarkerVisible = false;
    std::string m_solvedMarkerText;

    MersenneRandom m_clockRandom;
    RandomSource *m_random = &m_clockRandom;
};

} // namespace kestrel
