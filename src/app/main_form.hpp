#pragma once
// The main window's logic: every control's state as plain data, the board and the puzzle
// record it owns, start-up, keyboard handling and the status-line hint rules. The Qt
// MainWindow builds one widget per control, forwards events to the handlers here and re-reads
// the state after each one (model -> view only).

#include "app/language_table.hpp"
#include "app/settings.hpp"
#include "app/solution_windows.hpp"
#include "app/step_log.hpp"
#include "board/time_label.hpp"
#include "core/board.hpp"
#include "core/input.hpp"
#include "core/puzzle_record.hpp"
#include "core/random_source.hpp"
#include "core/solver.hpp"
#include "logic/candidate_pad.hpp"
#include "logic/hint_session.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

struct Platform;

/// Product name and version, shown as the application and window title.
inline constexpr std::string_view kApplicationTitle = "Sudoku Kestrel 5.0";

/// What a control of the main window is; decides how a language table applies to it.
enum class ControlKind {
    MenuItem, ///< caption set only from a non-empty value, trimmed
    GroupBox, ///< caption always set
    ToolButton, ///< caption always set (never shown), hint shown in the status line
    RadioButton, ///< caption always set
    CheckBox, ///< caption always set
    SpeedButton, ///< caption set only from a non-empty value
    GlassButton, ///< the nine digit buttons
    Label,
    Clock,
    ProgressBar,
    ColorGrid,
    Panel,
    ToolBar,
    StatusBar,
};

/// State of one control of the main window.
struct Control
{
    std::string name; ///< component name as designed ("btCreateVeryEasy")
    ControlKind kind = ControlKind::Panel;
    std::string parent; ///< owning menu (menu items) or container
    std::string caption;
    std::string hint;
    bool enabled = true;
    bool visible = true;
    bool checked = false; ///< radio buttons, check boxes
    bool down = false; ///< digit buttons
    int groupIndex = 0; ///< digit buttons: 2 = one exclusive group, i + 10 = alone
    bool isSeparator = false; ///< menu separators and toolbar spacers
};

/// The three operation modes (the checked mode radio button).
enum class Mode { PencilAndPaper, AllCandidates, PartCandidates };

/// One of the nine digit progress bars below the side panel.
struct ProgressBarState
{
    int position = 0; ///< how many cells show the digit (0..9)
    Colour color = 0x00FF0000; ///< red ($000000FF) at 9, blue otherwise
    std::string hint; ///< the position as text
};

/// What completed the board; decides the message and the branch buttons.
enum class CompletedBy { CellClick, CandidateClick, HintWindow };

/// Colour-mark table value meaning "no mark".
inline constexpr Colour kNoMark = 12634573; // $00C0C9CD

/// The main window `TForm1`.
class TForm1
{
public:
    explicit TForm1(Platform &platform);

    // --- start-up and window events --------------------------------------------------------

    /// Start-up sequence: settings, Chinese language table, title, data directory, initial
    /// board and tables. Reports a data directory that cannot be made or entered, and goes on.
    void FormCreate();
    /// Main-keyboard digits "1".."9" (key codes 49..57) select that digit. Returns true when
    /// the key was used.
    bool FormKeyDown(int key);
    /// Gives the board its colours at the end of start-up: the box backgrounds redrawn by
    /// state and every open cell's candidates on the cell's colour. Until the appearance
    /// settings are applied to the board, the board's designed colours are used.
    void applyBoardAppearance();
    /// Application-wide key preview: Tab (9) while the main window is active moves the digit
    /// selection on and is swallowed (returns true) so keyboard focus never moves.
    bool ApplicationEvents1Message(int key, bool mainWindowActive);
    /// The main window became active: closes the candidate pad, forgetting it unless the
    /// mouse is over a cell.
    void FormActivate();
    /// The main window is closing: writes the last-game file (a program opened and closed
    /// without a game leaves an existing last game alone).
    void FormClose();

    // --- commands of this window -----------------------------------------------------------

    /// Menu File > Exit: asks the shell to close the window.
    void mnExitClick() { m_closeRequested = true; }
    /// Help > About: the about box.
    void mnAboutClick();
    /// One of the web menu items (mnc1..mnc4, mne1..mne4, mnj1): opens its page.
    void webMenuClick(std::string_view itemName);
    /// Hidden developer menu: shows or hides the language-table editor.
    void mnN11Click() { m_languageEditorVisible = !m_languageEditorVisible; }
    /// Makes the hidden developer menu visible (developer builds and sessions only).
    void showDeveloperMenu() { control("mnCreatetxt").visible = true; }

    // --- digit selection --------------------------------------------------------------------

    /// Selects `digit` (1..9): every digit button up, this one down, board redrawn for the
    /// mode, colour marks re-applied.
    void disnote11Click(int digit);
    /// A press on digit button `digit`: a right press in Part Candidates mode toggles it.
    void disnote1MouseDown(int digit, MouseButton button);
    /// Mouse over a digit button: the digit-selection hint in the status line.
    void disnote1MouseMove();
    /// Digit of the single button that is down; 0 when none or several are down.
    int selectedDigit() const;
    /// Digits whose candidates the current mode shows (Pencil and Paper: all digits until
    /// candidates were set, then none; All: all; Part: the down buttons).
    std::string displayDigits() const;

    // --- new game, modes and entries ------------------------------------------------------------

    /// New game of `level` (0 Very Easy .. 4 Diabolical) drawn from the puzzle bank.
    void newGame(int level);
    void btCreateVeryEasyClick() { newGame(0); }
    void btCreateGentleClick() { newGame(1); }
    void btCreateModerateClick() { newGame(2); }
    void btCreateToughClick() { newGame(3); }
    void btCreateDiabolicalClick() { newGame(4); }
    /// Shows the puzzle record on the board: givens and open cells, completion marker
    /// hidden, marking off, Start Branch enabled, Accept and Reject disabled.
    void showRecordOnBoard();

    /// A mouse press on `rb_none`, before its click takes effect: when the player's own marks
    /// would be lost, asks first. Returns false when the click must not go on.
    bool rb_noneMouseDown();
    /// The player clicks the radio button of `mode`: nothing when it is already the mode,
    /// otherwise it becomes the mode and rb_noneClick runs.
    void radioClick(Mode mode);
    /// Mode change, run after the checked radio button changed.
    void rb_noneClick();
    /// The candidate-state classification: 0 no marks, 1 some open cells marked, 2 all
    /// marked as computed, 3 all marked and some edited by the player.
    int candidateClassification() const;

    /// A press on digit progress bar `digit`: as the same press and release on the digit
    /// button (left selects the digit, right toggles it in Part Candidates mode).
    void ProgressBar1MouseDown(int digit, MouseButton button);
    /// One tick of the game clock: adds the tick interval to the elapsed time.
    void TimeLabel1Timer();
    /// Restart: after a confirmation, puts the game back to its givens.
    void btRestartClick();
    /// Recounts the digits on the board into the progress bars and records a step.
    void refreshProgressBars();

    // --- move history, game files, branches -------------------------------------------------

    /// Appends the board to the step log when it changed, and sets the step buttons.
    void recordStep();
    /// The step log becomes the current board alone.
    void resetStepLog();
    /// Puts a snapshot on the board and switches the mode: All Candidates when every open
    /// cell has candidates, Pencil and Paper otherwise.
    void restoreSnapshot(std::string_view snapshot);
    void btfirstClick() { navigate(0); }
    void btbackClick() { navigate(m_stepLog.currentIndex() - 1); }
    void btnextClick() { navigate(m_stepLog.currentIndex() + 1); }
    void btlastClick() { navigate(m_stepLog.lastIndex()); }
    /// File > Continue Your Last Game: the game of the last-game file, when there is one
    /// that reads whole; otherwise nothing happens.
    void mnContinueClick();
    /// Tools > Save Replay: the game with its step log into a file the player names.
    void savetClick();
    /// Tools > Load Replay: a game from a replay file; a file that is not a game file is
    /// named in a message and the current game stays as it was.
    void mnLoadReplayClick();
    /// The game file of the current game.
    GameFile currentGameFile() const;
    /// Start Branch: remembers the board.
    void btStartBranchClick();
    /// Accept Branch: keeps the branch open; nothing else.
    void btAcceptClick() { }
    /// Reject Branch: puts the remembered board back.
    void btRejectBranchClick();

    // --- check and solution ------------------------------------------------------------------

    /// Show hint: the hint window with the first hint ready; when it closes, the digits are
    /// recounted and a solved board completes the game.
    void btShowhintClick();
    /// The hint window's engine.
    Tfrmsolover &frmsolover() { return m_frmsolover; }
    /// Check Error: paints wrong values, and candidate lists that lack the solution digit,
    /// in $000000FE; says "No error found." when there is none.
    void btcheckClick();
    /// Show Solution: after a confirmation, the stored solution, or the solver's answer
    /// (no solution, one, or two different ones side by side).
    void btsolveClick();
    /// The help pages beside the two "?" buttons, and the help contents.
    void bthelp1Click();
    void bthelp2Click();
    void mnContentClick();
    const Tfrmda &frmda() const { return m_frmda; }
    const TFrmdas &Frmdas() const { return m_Frmdas; }

    // --- colour marking -------------------------------------------------------------------------

    /// Marks (left) or unmarks (right) a whole cell in the colour grid's selected colour.
    void markCell(int row, int col, MouseButton button);
    /// Marks (left) or unmarks (right) one candidate sub-panel.
    void markCandidate(int row, int col, int digit, MouseButton button);
    /// Clear Marking: default colours everywhere and an empty mark table.
    void bt_clearcolorClick();

    // --- board events -----------------------------------------------------------------------

    /// Mouse enters a cell (digit 0) or one of its candidate sub-panels (digit 1..9).
    void hoverEnter(int row, int col, int digit);
    /// Mouse leaves a cell (digit 0) or one of its sub-panels.
    void hoverLeave(int row, int col, int digit);
    /// Mouse over a control of the window: shows its hint or clears the line.
    void controlHovered(std::string_view name);
    /// A mouse press on cell (row, col): places the selected digit (Pencil and Paper), takes
    /// back a placed digit (candidate modes), opens the candidate pad (right button on an open
    /// cell) or marks the cell's colour.
    void cellClick(int row, int col, MouseButton button);
    /// A mouse press on candidate sub-panel `digit` of cell (row, col): left places the
    /// digit, right removes the candidate.
    void candidateClick(int row, int col, int digit, MouseButton button);
    /// The player ticked or cleared one of the two check boxes (cbautoupdate, chkcolor); the
    /// box keeps its state and nothing else runs.
    void checkBoxClick(std::string_view name, bool checked);
    /// Selects colour `index` (0..15) of the colour grid.
    void colorGridSelect(int index);

    // --- status line --------------------------------------------------------------------------

    /// Shows `text` in the status line on its highlight colour.
    void showStatus(std::string_view text);
    /// Empties the status line and gives it back the button-face colour.
    void clearStatus();
    const std::string &statusText() const { return m_statusText; }
    /// The status line's colour; nothing means the system's button-face colour.
    std::optional<Colour> statusColour() const { return m_statusColour; }

    // --- language ---------------------------------------------------------------------------

    /// Text of `key` in the active language table (empty when missing).
    std::string text(std::string_view key) const { return m_lst1.lookup(key); }
    /// Replaces the active table by a shipped one and applies it to this window.
    void loadLanguage(Language language);
    const LanguageTable &languageTable() const { return m_lst1; }
    /// Font face and point size the interface texts are drawn in.
    const std::string &interfaceFontName() const { return m_interfaceFontName; }
    int interfaceFontSize() const { return m_interfaceFontSize; }

    // --- state read by the shell ------------------------------------------------------------

    const std::vector<Control> &controls() const { return m_controls; }
    /// The control named `name` (ASCII case ignored); the control must exist.
    Control &control(std::string_view name);
    const Control &control(std::string_view name) const;
    Mode mode() const;
    const std::string &caption() const { return m_caption; }
    TPICSD33 &board() { return m_board; }
    const TPICSD33 &board() const { return m_board; }
    TQJ &QJ1() { return m_QJ1; }
    /// The solver window, created with the main window and never shown to players.
    Tfrm_sol &frm_sol() { return m_frm_sol; }
    const AppSettings &settings() const { return m_settings; }
    const std::string &dataDirectory() const { return m_dataDirectory; }
    /// False when the data directory could not be made or entered this run.
    bool dataDirectoryUsable() const { return m_dataDirectoryUsable; }
    int colorGridForeground() const { return m_colorGridForeground; }
    Colour colourMark(int row, int col, int entry) const
    {
        return m_colourMarks[cellIndex(row, col)][static_cast<std::size_t>(entry)];
    }
    const std::string &branchSnapshot() const { return m_branchSnapshot; }
    const TTimeLabel &TimeLabel1() const { return m_TimeLabel1; }
    const ProgressBarState &progressBar(int digit) const
    {
        return m_progressBars[static_cast<std::size_t>(digit - 1)];
    }
    /// The cell the candidate pad was opened for (row 0 when none).
    CellPos padTarget() const { return {m_frmtile.targetRow, m_frmtile.targetCol}; }
    /// Draws puzzles and shuffles from `random` instead of the clock-seeded generator.
    void setRandomSource(RandomSource &random) { m_random = &random; }
    const StepLog &stepLog() const { return m_stepLog; }
    bool candidateSetFlag() const { return m_candidateSet; }
    bool padOpen() const { return m_frmtile.padOpen; }
    /// The candidate pad, created with the main window and reused.
    Tfrmtile &frmtile() { return m_frmtile; }
    /// Where the pad stands, relative to the main window's top-left corner.
    PixelPos padOffset() const { return m_padOffset; }
    bool closeRequested() const { return m_closeRequested; }
    bool languageEditorVisible() const { return m_languageEditorVisible; }
    /// True while the nine digit buttons may all be up.
    bool digitsAllowAllUp() const { return m_digitsAllowAllUp; }

    /// The 16 colours of the colour grid in grid order.
    static const std::array<Colour, 16> &colorGridColours();

    // --- board redraw helpers shared by the play commands --------------------------------------

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
    void buildControls();
    bool autoUpdateOn() const;
    void fillCandidates();
    void redrawForMode();
    void joinExclusiveGroup();
    void openCandidatePad(int row, int col);
    void completion(CompletedBy by);
    void startClock();
    void setNavigationButtons(bool enabled);
    void setNavigationFromLog();
    void navigate(int index);
    void redrawAfterRestore();
    void loadGame(const GameFile &game);
    bool writeGameFile(const std::string &path);
    std::string lastGamePath() const;
    /// The level label's text of `level` (0..4, 5 unknown).
    std::string levelText(int level) const;
    void openHelpPage(std::string_view page);
    void storeMarks();
    void applyLanguageToMainWindow();
    void setDigitDown(int digit);
    void prepareDataDirectory();

    Platform &m_platform;
    TPICSD33 m_board;
    TQJ m_QJ1;
    Tfrm_sol m_frm_sol;
    Tfrmsolover m_frmsolover{m_board};
    Tfrmda m_frmda;
    TFrmdas m_Frmdas;
    AppSettings m_settings;
    LanguageTable m_lst1;
    std::vector<Control> m_controls;

    std::string m_caption;
    std::string m_statusText;
    std::optional<Colour> m_statusColour;
    std::string m_interfaceFontName = "Arial";
    int m_interfaceFontSize = 8;
    std::string m_dataDirectory;
    bool m_dataDirectoryUsable = false;
    std::string m_branchSnapshot;
    StepLog m_stepLog;
    std::array<std::array<Colour, 10>, kCellSlots> m_colourMarks{};
    int m_colorGridForeground = 0;
    bool m_candidateSet = false;
    bool m_digitsAllowAllUp = false;
    bool m_closeRequested = false;
    TTimeLabel m_TimeLabel1;
    std::array<ProgressBarState, 9> m_progressBars{};
    Tfrmtile m_frmtile{m_board, [this] {
                           return mode() == Mode::PencilAndPaper;
                       }};
    PixelPos m_padOffset{};
    MersenneRandom m_clockRandom;
    RandomSource *m_random = &m_clockRandom;
    bool m_languageEditorVisible = false;
};

} // namespace kestrel
