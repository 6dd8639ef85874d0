#pragma once
// The main window's logic `TForm1`: the state of every control as plain data, start-up, the
// keyboard, the status-line hints, the language, the data folder and the game files, and the
// secondary windows it opens. The game itself (`Game`) lives apart; TForm1 shows it in its
// controls and routes the player's presses to it. The Qt MainWindow builds one widget per
// control row, forwards events here and re-reads the state after each one (model -> view
// only).

#include "app/about_window.hpp"
#include "app/language_table.hpp"
#include "app/main_controls.hpp"
#include "app/settings.hpp"
#include "app/solution_windows.hpp"
#include "board/appearance.hpp"
#include "core/input.hpp"
#include "core/solver.hpp"
#include "exchange/frm_copy.hpp"
#include "exchange/frm_import.hpp"
#include "exchange/frm_new.hpp"
#include "game/game.hpp"
#include "library/game_list_window.hpp"
#include "library/save_window.hpp"
#include "logic/candidate_pad.hpp"
#include "logic/hint_session.hpp"
#include "print/print_select_window.hpp"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

struct HelpLanguage;
struct Platform;

/// Product name and version, shown as the application and window title.
inline constexpr std::string_view kApplicationTitle = "Sudoku Kestrel 5.0";

/// The changing state of one control of the main window; what never changes (name, kind,
/// parent, icon, geometry, handler) is its row in the control table.
struct Control
{
    ControlId id = ControlId::Form1;
    std::string caption;
    std::string hint;
    bool enabled = true;
    bool visible = true;
    bool checked = false; ///< radio buttons, check boxes
    bool down = false; ///< digit buttons
    int groupIndex = 0; ///< digit buttons: 2 = one exclusive group, d + 10 = alone

    const ControlRow &row() const { return controlRow(id); }
};

/// The main window `TForm1`.
class TForm1
{
public:
    explicit TForm1(Platform &platform);

    // --- start-up and window events --------------------------------------------------------

    /// Start-up sequence: settings, Chinese language table, title, data directory, initial
    /// board and tables. Reports a data directory that cannot be made or entered, and goes on.
    void FormCreate();
    /// A key pressed while the main window has focus. Returns true when the key was used.
    /// - "1".."9", on the main keyboard or the keypad, select that digit (repeats do not);
    /// - the arrows move the keyboard cursor (Ctrl: by box), Home and End to the row's ends;
    ///   the first of them only shows the cursor where it stood;
    /// - with the cursor shown, Enter and Space are a left press on its cell, Delete and
    ///   Backspace a right press, Shift+digit a left press on that candidate when it shows;
    /// - the command shortcuts (commandShortcuts()) press their command.
    /// While the game is paused only the command shortcuts work.
    bool FormKeyDown(const KeyPress &key);
    /// A mouse press on the board: hides the keyboard cursor and leaves it on the pressed
    /// cell, then acts as cellClick (digit 0) or as the press on candidate `digit`.
    void boardMousePress(int row, int col, int digit, MouseButton button);
    /// Gives the board its colours at the end of start-up: creates the appearance dialog,
    /// whose apply step puts the stored colours on the main board.
    void applyBoardAppearance();
    /// Application-wide key preview: Tab without modifiers while the main window is active
    /// moves the digit selection on and is swallowed (returns true) so focus never moves.
    bool ApplicationEvents1Message(const KeyPress &key, bool mainWindowActive);
    /// The main window became active: closes the candidate pad, forgetting it unless the
    /// mouse is over a cell.
    void FormActivate();
    /// The main window is closing: writes the last-game file (a program opened and closed
    /// without a game leaves an existing last game alone).
    void FormClose();

    // --- commands ------------------------------------------------------------------------------

    /// A press on control `id`: runs its handler from the control table; a greyed control or
    /// one without a handler does nothing.
    void trigger(ControlId id);
    /// Menu File > Exit: asks the shell to close the window.
    void mnExitClick() { m_closeRequested = true; }
    /// Help > About: a fresh About window, shown modally and dropped when it closes.
    void mnAboutClick();
    /// One of the web menu items (mnc1..mnc4, mne1..mne4, mnj1): opens its page.
    void webMenuClick(ControlId item);
    /// Hidden developer menu: shows or hides the language-table editor.
    void mnN11Click() { m_languageEditorVisible = !m_languageEditorVisible; }
    /// Language-table editor, "Save": appends the captions and hints of the window's controls
    /// to the active table and writes all its lines to "all.txt" in the data folder.
    void btn1Click();
    /// Language-table editor: loads the English, Chinese or Japanese table.
    void btn2Click() { loadLanguage(Language::English); }
    void btn3Click() { loadLanguage(Language::Chinese); }
    void btn4Click() { loadLanguage(Language::Japanese); }
    /// Tools > Appearance: the appearance dialog, reloaded from the store; after "OK" the
    /// board is redrawn with the game's highlights and marks on the new colours.
    void mnAppearanceClick();
    /// Tools > Language: loads `language`'s table at once and remembers the choice for the
    /// next start.
    void chooseLanguage(Language language);
    /// Hidden developer menu: the solver window.
    void mnSolverWindowClick();
    /// Makes the hidden developer menu visible (developer builds and sessions only).
    void showDeveloperMenu() { editControl(ControlId::mnCreatetxt).visible = true; }
    /// New game of `level` (Very Easy .. Diabolical) drawn from the puzzle bank.
    void newGame(Level level);
    /// File > Continue Your Last Game: the game of the last-game file, when there is one
    /// that reads whole; otherwise nothing happens.
    void mnContinueClick();
    /// Tools > Save Replay: the game with its step log into a file the player names.
    void savetClick();
    /// Tools > Load Replay: a game from a replay file; a file that is not a game file is
    /// named in a message and the current game stays as it was.
    void mnLoadReplayClick();
    /// Show hint: the hint window with the first hint ready; when it closes, the digits are
    /// recounted and a solved board completes the game.
    void btShowhintClick();
    /// Import or Create Sudoku: the Import-or-create window, modally; its Play Puzzle starts
    /// the game it hands over.
    void btimportClick();
    /// Copy Puzzle To Clipboard: the copy window, modally, showing the board as "No
    /// Candidate". The board is only read.
    void btcopyClick();
    /// File > Save Current Board: a fresh Save window over "games.dat", preset to the
    /// board's level.
    void mnSaveCurrentBoardClick();
    /// Display Your Game List: the game list, filled afresh from "games.dat".
    void mnDisplayYourGameListClick();
    /// Printable Board (menu and tool button): the print selection window, modally.
    void btprintableBoardClick();
    /// Save as picture: the board frame as it shows now, into a JPEG or bitmap file the player
    /// names (a name without extension gets ".jpg"; ".jpg"/".jpeg" in any case are JPEG, every
    /// other name a bitmap); a failed write is reported and leaves no partial file.
    void btsavepicClick();
    /// Pause and its resume (toolbar button, P).
    void btPauseClick() { m_game.btPauseClick(); }
    /// Tools > Show Mistakes As I Play: turns the option over and remembers it.
    void mnShowMistakesClick();
    /// Check Error: paints the wrong entries; says "No error found." when there is none.
    void btcheckClick();
    /// Show Solution: after a confirmation, the stored solution, or the solver's answer
    /// (no solution, one, or two different ones side by side).
    void btsolveClick();
    /// The help pages beside the two "?" buttons, and the help contents.
    void bthelp1Click();
    void bthelp2Click();
    void mnContentClick();

    // --- presses on the window's own controls ---------------------------------------------------

    /// A mouse press on cell (row, col): marks it while marking, closes the candidate pad
    /// when it is up, otherwise the game's entry rules (a right press on an open cell opens
    /// the pad).
    void cellClick(int row, int col, MouseButton button);
    /// Mouse enters a cell (digit 0) or one of its candidate sub-panels (digit 1..9).
    void hoverEnter(int row, int col, int digit);
    /// Mouse leaves a cell (digit 0) or one of its sub-panels.
    void hoverLeave(int row, int col, int digit);
    /// Mouse over a control of the window: shows its hint or clears the line.
    void controlHovered(ControlId id);
    /// Mouse over a digit button: the digit-selection hint in the status line.
    void disnote1MouseMove();
    /// The player ticked or cleared one of the two check boxes (cbautoupdate, chkcolor); a
    /// greyed box keeps its state and nothing else runs.
    void checkBoxClick(ControlId box, bool checked);

    /// The text under progress bar `digit` and its tooltip ("5: 7 of 9 placed").
    std::string progressBarTooltip(int digit) const;
    /// The line that tells an open branch ("Branch open — Reject returns to step 4"); empty
    /// when no branch is open.
    std::string branchStatusText() const;
    /// The window size remembered from the last run (0 x 0 when none) and the size to
    /// remember now.
    const PlayOptions &playOptions() const { return m_playOptions; }
    void rememberWindowSize(int width, int height);

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
    /// Replaces the active table by a shipped one, applies it to this window and runs the
    /// language routine of every secondary window.
    void loadLanguage(Language language);
    /// The shipped table last loaded.
    Language language() const { return m_language; }
    const LanguageTable &languageTable() const { return m_lst1; }
    /// Font face and point size the interface texts are drawn in.
    const std::string &interfaceFontName() const { return m_interfaceFontName; }
    int interfaceFontSize() const { return m_interfaceFontSize; }

    // --- state read by the shell ------------------------------------------------------------

    /// The live game.
    Game &game() { return m_game; }
    const Game &game() const { return m_game; }
    /// Every control, indexed by id, with the game's state shown in them.
    const std::array<Control, kControlCount> &controls() const;
    const Control &control(ControlId id) const;
    const std::string &caption() const { return m_caption; }
    /// The solver window, created with the main window and never shown to players.
    Tfrm_sol &frm_sol() { return m_frm_sol; }
    /// The hint window's engine.
    Tfrmsolover &frmsolover() { return m_frmsolover; }
    const Tfrmda &frmda() const { return m_frmda; }
    /// The Import-or-create window, the Import window and the copy window, created with the
    /// main window and reused.
    Tfrm_new &frm_new() { return m_frm_new; }
    TfrmImport &frmImport() { return m_frmImport; }
    Tfrmcopy &frmcopy() { return m_frmcopy; }
    /// The Save window while it is open; null otherwise.
    Tfrmsave *frmsave() { return m_frmsave ? &*m_frmsave : nullptr; }
    /// The About window while it is open; null otherwise.
    TfrmAbout *frmAbout() { return m_frmAbout ? &*m_frmAbout : nullptr; }
    /// The game list window, created with the main window.
    Tfrmgamelist &frmgamelist() { return m_frmgamelist; }
    /// "games.dat" in the data directory.
    std::string gameStorePath() const;
    /// The print selection window, made with the main window so its choices are kept.
    Tfrmprintselect &frmprintselect() { return m_frmprintselect; }
    const TFrmdas &Frmdas() const { return m_Frmdas; }
    const AppSettings &settings() const { return m_settings; }
    /// The appearance dialog, created with the main window.
    TfrmAppearance &frmAppearance() { return m_frmAppearance; }
    const std::string &dataDirectory() const { return m_dataDirectory; }
    /// False when the data directory could not be made or entered this run.
    bool dataDirectoryUsable() const { return m_dataDirectoryUsable; }
    /// The cell the candidate pad was opened for (row 0 when none).
    CellPos padTarget() const { return {m_frmtile.targetRow, m_frmtile.targetCol}; }
    bool padOpen() const { return m_frmtile.padOpen; }
    /// The candidate pad, created with the main window and reused.
    Tfrmtile &frmtile() { return m_frmtile; }
    const Tfrmtile &frmtile() const { return m_frmtile; }
    /// Where the pad stands, relative to the main window's top-left corner.
    PixelPos padOffset() const { return m_padOffset; }
    bool closeRequested() const { return m_closeRequested; }
    bool languageEditorVisible() const { return m_languageEditorVisible; }

private:
    Control &editControl(ControlId id);
    void showGameInControls() const;
    void openCandidatePad(int row, int col);
    void loadGameFile(const GameFile &game);
    bool writeGameFile(const std::string &path);
    std::string lastGamePath() const;
    /// The folder of the shipped help pages, installed or in the build folder.
    std::string helpDirectory() const;
    /// Where the help pages of the interface language are, and the help window's captions.
    HelpLanguage helpLanguage() const;
    void stepRecorded();
    void writeAutosave();
    /// After a write of the settings: a refused one is told to the player, once until a
    /// write works again.
    void settingsWritten(bool stored);
    void startAutosavePause(int milliseconds);
    void autosavePauseEnded();
    void openHelpPage(std::string_view page);
    void applyLanguageToMainWindow();
    void prepareDataDirectory();
    bool confirmAbandon();
    bool moveCursor(const KeyPress &key);
    bool pressAtCursor(const KeyPress &key);

    Platform &m_platform;
    // Autosave of the last game: at most one write per kAutosaveIntervalMs; the steps during
    // the pause after a write are written together when it ends.
    static constexpr int kAutosaveIntervalMs = 1000;
    bool m_autosavePaused = false;
    bool m_autosavePending = false;
    bool m_autosaveFailureShown = false;
    bool m_settingsFailureShown = false;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0); ///< for callbacks run later
    LanguageTable m_lst1;
    Game m_game;
    Tfrm_sol m_frm_sol;
    Tfrmsolover m_frmsolover{m_game.board()};
    Tfrmda m_frmda;
    TFrmdas m_Frmdas;
    Tfrm_new m_frm_new{m_platform, [this](std::string_view key) { return text(key); }, m_game};
    TfrmImport m_frmImport{m_platform, [this](std::string_view key) { return text(key); },
                           m_frm_new.sdnew()};
    Tfrmcopy m_frmcopy{m_platform, [this](std::string_view key) {
                           return text(key);
                       }};
    std::optional<Tfrmsave> m_frmsave;
    std::optional<TfrmAbout> m_frmAbout;
    Tfrmgamelist m_frmgamelist;
    Tfrmprintselect m_frmprintselect{m_game.board(), m_platform};
    AppSettings m_settings;
    Language m_language = Language::Chinese;
    TfrmAppearance m_frmAppearance; // after m_settings and m_game, which it edits
    PlayOptions m_playOptions;
    mutable std::array<Control, kControlCount> m_controls;

    std::string m_caption;
    std::string m_statusText;
    std::optional<Colour> m_statusColour;
    std::string m_interfaceFontName = "Arial";
    int m_interfaceFontSize = 8;
    std::string m_dataDirectory;
    bool m_dataDirectoryUsable = false;
    bool m_closeRequested = false;
    Tfrmtile m_frmtile{m_game.board(), [this] {
                           return m_game.mode() == Mode::PencilAndPaper;
                       }};
    PixelPos m_padOffset{};
    bool m_languageEditorVisible = false;
};

} // namespace kestrel
