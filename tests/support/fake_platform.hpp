#pragma once
// A scripted stand-in for the whole platform seam, so a test of the window logic reads like a
// player's session:
//
//     FakePlatform fake;
//     fake.answerConfirm(false);                  // answer No to the confirmation
//     logic.btRestartClick();
//     EXPECT_EQ(fake.lastShown().kind, "confirm"); // … and expect nothing to have changed
//
// Dialogs take their answers from queues filled beforehand; a dialog that finds its queue
// empty fails the test (it was not expected) and behaves as if cancelled (No for a
// confirmation). Everything shown is logged in order. Files, directories and settings live in
// memory; individual operations can be made to fail.
//
// The in-memory file system behaves like a real one where the program could get it wrong: a
// file can only be written into an existing directory, making a directory makes its missing
// parents too (as the real one does), and a relative path is taken from the current directory.
// Paths are written with "/"; a "\" is read as "/". At the start "/", "/home", "/home/player",
// "/home/player/.local", "/home/player/.local/share", the program directory and the temporary
// directory exist, the data directory does not (a first run), and the current directory is
// "/home/player".

#include "platform/platform.hpp"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace kestrel {

/// One dialog the program showed, in the order shown.
///
/// | kind      | text       | title | detail                                  |
/// |-----------|------------|-------|-----------------------------------------|
/// | "inform"  | message    | title |                                         |
/// | "error"   | message    | title |                                         |
/// | "confirm" | question   | title |                                         |
/// | "open"    | directory  | title | filter                                  |
/// | "save"    | directory  | title | filter                                  |
/// | "input"   | prompt     | title | initial text                            |
/// | "colour"  |            |       | initial colour as "$00BBGGRR"           |
struct Shown
{
    std::string kind;
    std::string text;
    std::string title;
    std::string detail = {};

    bool operator==(const Shown &) const = default;
};

/// Prints a Shown in test failure messages.
void PrintTo(const Shown &shown, std::ostream *out);

/// Every platform interface at once, scripted and in memory.
class FakePlatform final : public Dialogs,
                           public WindowHost,
                           public Clipboard,
                           public SettingsStore,
                           public Paths,
                           public TextFiles,
                           public Shell
{
public:
    FakePlatform();
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

    /// The seam to hand to the logic under test (it may keep the reference); every member
    /// refers to this object.
    Platform &platform() { return m_platform; }

    // --- Dialogs: scripting and log -------------------------------------------------------

    /// Queues the answer to the next Yes/No question (true for Yes).
    void answerConfirm(bool yes);
    /// Queues the next file-open result (nothing = cancelled).
    void answerOpen(std::optional<std::string> path);
    /// Queues the next file-save result (nothing = cancelled).
    void answerSave(std::optional<std::string> path);
    /// Queues the next text-input result (nothing = cancelled).
    void answerInput(std::optional<std::string> text);
    /// Queues the next colour-chooser result (nothing = cancelled).
    void answerColour(std::optional<Colour> colour);
    /// True when every queued answer has been taken.
    bool allAnswersUsed() const;

    /// Every dialog shown so far, oldest first.
    const std::vector<Shown> &shown() const { return m_shown; }
    /// The most recent dialog; fails the test and returns an empty entry when none was shown.
    Shown lastShown() const;
    /// The dialogs of one kind ("inform", "confirm", …), oldest first.
    std::vector<Shown> shownOfKind(std::string_view kind) const;
    /// Forgets the dialogs, window calls and shell opens logged so far.
    void clearLog();

    // --- Windows and shell ----------------------------------------------------------------

    /// Runs `player` while the next modal window is open (the player's actions inside it),
    /// as if the window closed when `player` returns.
    void whileModal(std::function<void(std::string_view window)> player)
    {
        m_whileModal = std::move(player);
    }
    /// Window calls in order: "showModal Tfrmtile", "showModeless Tfrmda", "close Tfrmda",
    /// "place Tfrmtile 100 200".
    const std::vector<std::string> &windowCalls() const { return m_windowCalls; }
    /// Files and addresses handed to the shell, in order.
    const std::vector<std::string> &shellOpens() const { return m_shellOpens; }
    /// Makes every later shell open report failure (it is still logged).
    void failShellOpens() { m_shellFails = true; }
    /// The help language the shell was last told; nothing before the first.
    const std::optional<HelpLanguage> &helpLanguage() const { return m_helpLanguage; }
    /// Makes the board frame unavailable: grabBoardFrame returns nothing.
    void removeBoardFrame() { m_hasBoardFrame = false; }
    /// Bytes a saved board picture holds: "JPEG <grab number>" or "BMP <grab number>".
    /// Grabs are numbered from 1 and logged as "grabBoardFrame"; saves as "savePicture
    /// <path> jpeg|bmp" (window calls).
    int grabCount() const { return m_grabCount; }
    /// Callbacks handed to runLater and not run yet.
    std::size_t pendingTimers() const { return m_timers.size(); }
    /// The delay of every runLater call, in order.
    const std::vector<int> &timerDelays() const { return m_timerDelays; }
    /// Runs the callbacks handed to runLater so far (as if their time had come); the ones they
    /// hand in wait for the next call. Returns how many ran.
    std::size_t runTimers();
    /// Makes runLater report that there is no timer.
    void removeTimers() { m_hasTimers = false; }

    // --- Files ----------------------------------------------------------------------------

    /// Puts a file with exactly these bytes at `path`, creating its folders.
    void addFile(std::string_view path, std::string_view bytes);
    /// Puts a text file of `lines` (as the program writes them) at `path`, creating its folders.
    void addTextFile(std::string_view path, const std::vector<std::string> &lines);
    /// Creates the directory and every missing parent.
    void addDirectory(std::string_view path);
    /// The bytes of the file at `path`, or nothing when there is none.
    std::optional<std::string> fileBytes(std::string_view path) const;
    /// The decoded lines of the file at `path`, or nothing when there is none.
    std::optional<std::vector<std::string>> fileLines(std::string_view path) const;
    /// Makes every write to a path starting with `prefix` fail, leaving the old bytes;
    /// `reason` is what lastError() then reports.
    void failWritesUnder(std::string_view prefix,
                         std::string_view reason = "No space left on device");
    /// Lets every write through again.
    void allowWrites() { m_failingWritePrefixes.clear(); }
    /// Makes creating exactly this directory fail.
    void failMakeDirectory(std::string_view path);
    /// Makes entering exactly this directory fail.
    void failSetCurrentDirectory(std::string_view path);
    /// The directory last entered with setCurrentDirectory.
    const std::string &currentDirectory() const { return m_currentDirectory; }

    // --- Settings -------------------------------------------------------------------------

    /// Stores a value directly, as if an earlier run (or the player) had written it.
    void putSetting(std::string_view key, std::string_view name, std::string_view value);
    /// The stored value, or nothing when the key or value is missing.
    std::optional<std::string> storedSetting(std::string_view key, std::string_view name) const;
    /// The names of the values stored under `key`, sorted.
    std::vector<std::string> storedSettingNames(std::string_view key) const;
    /// Makes every later settings write fail.
    void makeReadOnly() { m_settingsReadOnly = true; }
    /// The file the settings are kept in, as a per-user settings file: every value, rewritten
    /// whole after each change ("[key]" lines, then "name=value"). A write to the settings
    /// fails, leaving the file and the values as they were, while failWritesUnder covers it.
    static constexpr std::string_view kSettingsFile
        = "/home/player/.config/SudokuKestrel/SudokuKestrel.conf";

    // --- Paths ----------------------------------------------------------------------------

    /// Moves the data directory; its parent is created, the directory itself is not.
    void setDataDirectory(std::string_view path);
    /// Moves the program directory and creates it.
    void setProgramDirectory(std::string_view path);
    /// Moves the temporary directory and creates it.
    void setTempDirectory(std::string_view path);
    /// The private per-user folder writePrivateLines writes into (made on first write).
    std::string privateDirectory() const { return m_privateDirectory; }
    /// Makes the private folder unavailable (as when it is a link or another user's).
    void failPrivateDirectory() { m_privateDirectoryFails = true; }

    // --- The interfaces -------------------------------------------------------------------

    void inform(std::string_view text, std::string_view title = {}) override;
    void showError(std::string_view text, std::string_view title = {}) override;
    bool confirm(std::string_view text, std::string_view title) override;
    std::optional<std::string> openFile(std::string_view title, std::string_view directory,
                                        std::string_view filter) override;
    std::optional<std::string> saveFile(std::string_view title, std::string_view directory,
                                        std::string_view filter) override;
    std::optional<std::string> inputText(std::string_view title, std::string_view prompt,
                                         std::string_view initial) override;
    std::optional<Colour> pickColour(Colour initial) override;

    void showModal(std::string_view window) override;
    void showModeless(std::string_view window) override;
    void close(std::string_view window) override;
    void place(std::string_view window, int left, int top) override;

    std::string text() const override { return m_clipboard; }
    void setText(std::string_view text) override { m_clipboard = std::string(text); }

    bool hasKey(std::string_view key) const override;
    std::string readValue(std::string_view key, std::string_view name) const override;
    bool writeValue(std::string_view key, std::string_view name, std::string_view value) override;

    std::string dataDirectory() const override { return m_dataDirectory; }
    std::string programDirectory() const override { return m_programDirectory; }
    std::string tempDirectory() const override { return m_tempDirectory; }

    std::optional<std::vector<std::string>> readLines(std::string_view path) const override;
    bool writeLines(std::string_view path, const std::vector<std::string> &lines) override;
    bool exists(std::string_view path) const override;
    bool isDirectory(std::string_view path) const override;
    bool makeDirectory(std::string_view path) override;
    bool setCurrentDirectory(std::string_view path) override;
    std::string lastError() const override { return m_lastError; }

    bool open(std::string_view fileOrUrl) override;
    void setHelpLanguage(const HelpLanguage &help) override { m_helpLanguage = help; }
    std::unique_ptr<Picture> grabBoardFrame() override;
    bool runLater(int milliseconds, std::function<void()> callback) override;
    std::optional<std::string> writePrivateLines(std::string_view name,
                                                 const std::vector<std::string> &lines) override;

private:
    // An absolute path with "/" separators and no trailing separator.
    std::string normalised(std::string_view path) const;
    bool isWriteBlocked(const std::string &path) const;
    void writeSettingsFile();

    std::deque<bool> m_confirmAnswers;
    std::deque<std::optional<std::string>> m_openAnswers;
    std::deque<std::optional<std::string>> m_saveAnswers;
    std::deque<std::optional<std::string>> m_inputAnswers;
    std::deque<std::optional<Colour>> m_colourAnswers;
    std::vector<Shown> m_shown;
    std::vector<std::string> m_windowCalls;
    std::vector<std::string> m_shellOpens;
    bool m_shellFails = false;
    std::optional<HelpLanguage> m_helpLanguage;
    std::vector<std::function<void()>> m_timers;
    bool m_hasTimers = true;
    std::vector<int> m_timerDelays;

    std::string m_clipboard;

    std::map<std::string, std::string> m_files;
    std::set<std::string> m_directories;
    std::vector<std::pair<std::string, std::string>> m_failingWritePrefixes; ///< prefix, reason
    mutable std::string m_lastError;
    std::set<std::string> m_failingMakeDirectories;
    std::set<std::string> m_failingCurrentDirectories;
    std::string m_currentDirectory = "/home/player";

    std::map<std::string, std::map<std::string, std::string>> m_settings;
    bool m_settingsReadOnly = false;

    std::function<void(std::string_view)> m_whileModal;
    std::string m_dataDirectory;
    std::string m_programDirectory;
    std::string m_tempDirectory;
    std::string m_privateDirectory = "/run/user/1000/sudokuKestrel";
    bool m_privateDirectoryFails = false;
    bool m_hasBoardFrame = true;
    int m_grabCount = 0;

    Platform m_platform{*this, *this, *this, *this, *this, *this, *this};
};

} // namespace kestrel
