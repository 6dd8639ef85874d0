#pragma once
// The controls and commands of the main window, declared once. Each control has a typed id
// (a mistyped id does not compile) and one row in `mainControlTable()` holding its designed
// component name, kind, parent, caption and hint, toolbar icon, geometry and the handler a
// press on it runs. The Qt shell builds its menus, toolbars and side panel from these rows and
// forwards every triggered id to `TForm1::trigger`; language tables address the controls by
// the lower-cased component name.

#include "app/language_table.hpp"
#include "core/input.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kestrel {

class TForm1;

/// Every control of the main window, in its designed order (menus first, then the upper
/// toolbar, the board frame, the side panel, the lower toolbar and the status line). The
/// enumerators are the designed component names.
enum class ControlId : std::uint8_t {
    // clang-format off
    Form1,
    mnFile, mnSaveCurrentBoard, mnDisplayYourGameList1, mnPrintableBoard, mnImportSudoku, N1,
    mnContinue, N2, mnExit,
    mnNewGame, mnVeryEasy, mnGentle, mnModerate, mnTough, mnDiabolical, N3,
    mnDisplayYourGameList2,
    mnTools, mnAppearance, mnLanguage, mnChinese, mnEnglish, mnJapanese, N4, savet, mnLoadReplay, N5,
    mnCopyPuzzleToClipboard, N6, mnShowMistakes,
    mnHelp, mnContent, N9, mnCheckNewVersion, mnAutoCheckNewVersion, N15, mne1, mne2, mne3, mne4,
    mnj1, mnc1, mnc2, mnc3, mnc4, N18, mnAbout,
    mnCreatetxt, mnN11, mnSolverWindow,
    ToolBar1, btDisplayYourGameList, btsave, btprintableBoard, btimport, ToolButton3,
    btCreateVeryEasy, btCreateGentle, btCreateModerate, btCreateTough, btCreateDiabolical,
    ToolButton10, TimeLabel1, ToolButton18, btRestart, btsolve, btcopy, btsavepic, btPause, ndtxt,
    Panel1, Panel2, lbl1,
    grpshowcandidates, rb_none, rb_all, rb_one,
    disnote1, disnote2, disnote3, disnote4, disnote5, disnote6, disnote7, disnote8, disnote9,
    bthelp1, grpColorPanel, chkcolor, colorgrid1, bt_clearcolor, bthelp2,
    ProgressBar1, ProgressBar2, ProgressBar3, ProgressBar4, ProgressBar5, ProgressBar6,
    ProgressBar7, ProgressBar8, ProgressBar9,
    ToolBar2, cbautoupdate, ToolButton13, btcheck, btShowhint, ToolButton15, btStartBranch,
    btAccept, btRejectBranch, ToolButton17, btfirst, btback, btnext, btlast, btRewind, ToolButton1,
    WC_Label,
    sb1,
    // clang-format on
    Count
};

inline constexpr int kControlCount = static_cast<int>(ControlId::Count);

/// The digit button of digit d (1..9).
constexpr ControlId digitButton(int d) noexcept
{
    return static_cast<ControlId>(static_cast<int>(ControlId::disnote1) + d - 1);
}

/// The progress bar of digit d (1..9).
constexpr ControlId progressBarOf(int d) noexcept
{
    return static_cast<ControlId>(static_cast<int>(ControlId::ProgressBar1) + d - 1);
}

/// What a control of the main window is; decides how a language table applies to it and
/// which widget the shell builds.
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

/// A control's designed place inside its parent, in pixels.
struct ControlRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// What a press on a command runs.
using CommandHandler = void (*)(TForm1 &form);

/// One row of the control table.
struct ControlRow
{
    ControlId id;
    std::string_view name; ///< designed component name ("btCreateVeryEasy")
    ControlKind kind;
    std::optional<ControlId> parent; ///< owning menu (menu items) or container
    std::string_view caption; ///< designed caption, before any language table
    std::string_view hint; ///< designed hint
    std::string_view icon; ///< toolbar icon (":/icons/<icon>.svg"), empty for none
    ControlRect geometry; ///< place in the parent; empty for menu items and spacers
    CommandHandler handler; ///< null when a press runs nothing
    bool isSeparator = false; ///< menu separators and toolbar spacers
    bool visible = true; ///< as designed
    bool enabled = true; ///< as designed
    bool checked = false; ///< as designed (radio buttons, check boxes)
};

/// Every control of the main window, indexed by id.
std::span<const ControlRow> mainControlTable();

/// A key with the modifiers that make it a command's shortcut.
struct KeyChord
{
    Key key = Key::Other;
    bool ctrl = false;
    bool shift = false;
};

/// A command reached from the keyboard: the chord, the command it presses, and the text the
/// menus show beside the command.
struct Shortcut
{
    KeyChord chord;
    ControlId command;
    std::string_view text; ///< "Ctrl+Z"
};

/// The keyboard shortcuts of the main window's commands; a command may have several.
std::span<const Shortcut> commandShortcuts();

/// The command whose shortcut `key` is, if any (the keypad flag and repeats aside).
std::optional<ControlId> commandForKey(const KeyPress &key);

/// The first shortcut text of `command` ("Ctrl+Z"), empty when it has none.
std::string_view shortcutText(ControlId command);

/// The row of `id`.
const ControlRow &controlRow(ControlId id);

/// The language a menu item of Tools > Language chooses; nothing for every other control.
std::optional<Language> menuLanguage(ControlId id);

/// The control named `name` (ASCII case ignored, as language tables write it); nothing
/// when no control has that name.
std::optional<ControlId> findControl(std::string_view name);

} // namespace kestrel
