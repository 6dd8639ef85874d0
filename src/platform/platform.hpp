#pragma once
// The seam between the model and the operating system. The model asks for dialogs, windows,
// the clipboard, settings, files, paths and the shell only through these interfaces; the Qt
// shell implements them (platform/qt/), the tests script them (tests/support/FakePlatform).

#include "core/colour.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel {

/// Message boxes and the standard dialogs.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    /// Information box with OK.
    virtual void inform(std::string_view text, std::string_view title = {}) = 0;
    /// Error box with OK, for failures the player must know about (a file that cannot be
    /// written, a folder that cannot be made).
    virtual void showError(std::string_view text, std::string_view title = {}) = 0;
    /// Yes/No question; true for Yes.
    virtual bool confirm(std::string_view text, std::string_view title) = 0;
    /// File-open dialog; the chosen path, or nothing when cancelled. `filter` is a
    /// "Description (*.ext)" list separated by ";;".
    virtual std::optional<std::string> openFile(std::string_view title, std::string_view directory,
                                                std::string_view filter)
        = 0;
    /// File-save dialog (no overwrite question of its own); the path, or nothing.
    virtual std::optional<std::string> saveFile(std::string_view title, std::string_view directory,
                                                std::string_view filter)
        = 0;
    /// One-line text input; the text, or nothing when cancelled.
    virtual std::optional<std::string> inputText(std::string_view title, std::string_view prompt,
                                                 std::string_view initial)
        = 0;
    /// Colour chooser; the colour, or nothing when cancelled.
    virtual std::optional<Colour> pickColour(Colour initial) = 0;
};

/// The two picture formats the board can be saved in.
enum class PictureFormat { Jpeg, Bmp };

/// A picture taken of the screen, kept until it is saved or dropped.
class Picture
{
public:
    virtual ~Picture() = default;
    /// Writes the picture to `path` in `format` (JPEG at the encoder's default quality, a
    /// standard Windows bitmap) whole: on failure false, and no partial file is left.
    virtual bool save(std::string_view path, PictureFormat format) const = 0;
};

/// Secondary windows of the program, named by their logic class ("Tfrmtile", "Tfrmda", …).
class WindowHost
{
public:
    virtual ~WindowHost() = default;
    /// Shows the window and waits until it closes.
    virtual void showModal(std::string_view window) = 0;
    /// Shows the window without waiting.
    virtual void showModeless(std::string_view window) = 0;
    /// Hides the window.
    virtual void close(std::string_view window) = 0;
    /// Moves the window's top-left corner to screen position (left, top).
    virtual void place(std::string_view window, int left, int top) = 0;
    /// The main window's board frame as it shows now (labels, board, marks, highlights), at
    /// exactly the frame's width and height; nothing when there is no frame on screen (a
    /// headless session).
    virtual std::unique_ptr<Picture> grabBoardFrame() { return nullptr; }
    /// Runs `callback` once, `milliseconds` from now, between the window's events. False when
    /// this platform has no timer (nothing is then run); the caller does its work at once.
    virtual bool runLater(int /*milliseconds*/, std::function<void()> /*callback*/)
    {
        return false;
    }
};

/// The system clipboard, text only.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

/// The per-user settings store: named string values under a key
/// ("SOFTWARE\\SudokuKestrel").
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    /// True when the key exists and can be read (opening for reading never creates it).
    virtual bool hasKey(std::string_view key) const = 0;
    /// The value `name` under `key`; the empty string when it is missing.
    virtual std::string readValue(std::string_view key, std::string_view name) const = 0;
    /// Writes the value, creating the key when missing; false when the store is not writable.
    virtual bool writeValue(std::string_view key, std::string_view name, std::string_view value)
        = 0;
    /// Named values written together.
    using Values = std::vector<std::pair<std::string, std::string>>;
    /// Writes every value of `values` under `key`, creating the key when missing: afterwards
    /// the store holds all of them, or (false) it holds what it held before. This default
    /// writes them one by one and, at the first refused write, puts the ones written before
    /// back; a store that can fail half-way through one write must do better.
    virtual bool writeValues(std::string_view key, const Values &values);
};

/// Where the program keeps its files. Paths are UTF-8 and end without a separator.
class Paths
{
public:
    virtual ~Paths() = default;
    /// The program's data directory ("sudokuKestrel" under the per-user application data).
    virtual std::string dataDirectory() const = 0;
    /// The folder the program runs from (help pages and other shipped files).
    virtual std::string programDirectory() const = 0;
    /// A private temporary folder.
    virtual std::string tempDirectory() const = 0;
};

/// Text files of lines, CR LF after every line, written whole.
class TextFiles
{
public:
    virtual ~TextFiles() = default;
    /// The file's lines (BOM-aware decoding; CR LF, LF or CR ends a line), or nothing when it
    /// cannot be read.
    virtual std::optional<std::vector<std::string>> readLines(std::string_view path) const = 0;
    /// Replaces the file by `lines`, each followed by CR LF, through a temporary file renamed
    /// over the old one; false (old file untouched) when it cannot be written.
    virtual bool writeLines(std::string_view path, const std::vector<std::string> &lines) = 0;
    virtual bool exists(std::string_view path) const = 0;
    virtual bool isDirectory(std::string_view path) const = 0;
    /// Creates the directory and any missing parent (a fresh profile may lack the per-user
    /// application-data folder itself); true when it exists afterwards.
    virtual bool makeDirectory(std::string_view path) = 0;
    /// Makes `path` the process's current directory; false when it cannot be entered.
    virtual bool setCurrentDirectory(std::string_view path) = 0;
    /// The system's reason for the last read or write that failed ("No space left on
    /// device"); empty when the implementation cannot tell.
    virtual std::string lastError() const { return {}; }
    /// Writes `lines` (each followed by CR LF) as the file `name` in the program's private
    /// per-user folder, for handing to another program: the folder is made owner-only on
    /// first use and refused when it is a link or another user's; the file is written beside
    /// its place and renamed over it, so a link planted under `name` is replaced, never
    /// followed. The path written, or nothing when the folder or the file cannot be had.
    virtual std::optional<std::string> writePrivateLines(std::string_view /*name*/,
                                                         const std::vector<std::string> &)
    {
        return std::nullopt;
    }
};

/// The help in the interface language: where its pages are looked for, and the captions of
/// the help window's own buttons.
struct HelpLanguage
{
    /// Folders of help pages, best first: the interface language's own, then the English one.
    /// A page missing from one folder is taken from the next.
    std::vector<std::string> folders;
    std::string back;
    std::string forward;
    std::string contents;
};

/// The path of help page `page` (a file name such as "Color.htm") in the first of `folders`
/// where `exists` finds it; nothing when no folder holds it.
std::optional<std::string> findHelpPage(const std::vector<std::string> &folders,
                                        std::string_view page,
                                        const std::function<bool(const std::string &)> &exists);

/// The desktop shell.
class Shell
{
public:
    virtual ~Shell() = default;
    /// Opens a file or a web address with its default handler; false when nothing opened it.
    virtual bool open(std::string_view fileOrUrl) = 0;
    /// Shows a shipped help page (a file path) in the program's help window; a shell without
    /// one opens the page like any other file. False when nothing showed it.
    virtual bool showHelp(std::string_view page) { return open(page); }
    /// The interface language is `help`'s (told at start and at every change): a help window
    /// already made relabels its buttons and shows its page again from `help.folders`, and
    /// its links lead there from now on. A shell without a help window ignores it.
    virtual void setHelpLanguage(const HelpLanguage & /*help*/) { }
};

/// Everything the model may ask of the platform, handed to the window logic at creation.
struct Platform
{
    Dialogs &dialogs;
    WindowHost &windows;
    Clipboard &clipboard;
    SettingsStore &settings;
    Paths &paths;
    TextFiles &files;
    Shell &shell;
};

/// `directory` joined with `name` by one "/".
std::string joinPath(std::string_view directory, std::string_view name);

} // namespace kestrel
