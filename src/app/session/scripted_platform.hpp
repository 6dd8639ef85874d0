#pragma once
// The platform of a headless session: every interface of the seam, in memory. A session
// script drives the main window's logic through it, so the program runs exactly as with the
// Qt platform, but its dialogs answer from queues, its files live in an in-memory folder tree
// for as long as the session lasts, and everything it shows is logged for the script to read.
//
// At the start "/", the data directory's parent ("/home/player/.local/share"), the program
// directory ("/opt/sudokukestrel") and the temporary directory ("/tmp/kestrel") exist; the
// data directory itself does not (a first run) and the current directory is "/home/player".
// Paths are written with "/"; a "\" is read as "/" and a relative path is taken from the
// current directory.
//
// Questions take their answers from a queue; a question found with an empty queue throws
// UnansweredQuestion, since a session cannot go on without the player's answer. The file
// dialogs and the text input take theirs from queues of their own and count as cancelled when
// theirs is empty; the colour chooser is always cancelled.

#include "platform/platform.hpp"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrel {

/// A question was asked and the script had queued no answer to it.
class UnansweredQuestion : public std::runtime_error
{
public:
    explicit UnansweredQuestion(std::string question)
        : std::runtime_error("unanswered question"), m_question(std::move(question))
    { }
    const std::string &question() const { return m_question; }

private:
    std::string m_question;
};

/// What the program showed the player, in the order shown.
struct ShownText
{
    enum class Kind { Information, Question, Hint };
    Kind kind;
    std::string text;
};

class ScriptedPlatform final : public Dialogs,
                               public WindowHost,
                               public Clipboard,
                               public SettingsStore,
                               public Paths,
                               public TextFiles,
                               public Shell
{
public:
    ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform &) = delete;
    ScriptedPlatform &operator=(const ScriptedPlatform &) = delete;

    /// The seam to hand to the window logic; every member refers to this object.
    Platform &platform() { return m_platform; }

    // --- scripting ------------------------------------------------------------------------

    /// Queues the answer to the next Yes/No question (true for Yes).
    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    /// Queues the path the next file-open dialog answers with.
    void queueOpenPath(std::string path) { m_openPaths.push_back(std::move(path)); }
    /// Queues the path the next file-save dialog answers with.
    void queueSavePath(std::string path) { m_savePaths.push_back(std::move(path)); }
    /// Queues the text the next text input answers with.
    void queueInput(std::string text) { m_inputs.push_back(std::move(text)); }
    /// Forgets file-dialog and text-input answers no dialog took, so that they never answer a
    /// later one.
    void dropFileAnswers();
    /// True when `window` was closed (WindowHost::close) since it last opened as a modal
    /// window.
    bool isClosed(std::string_view window) const { return m_closed.count(window) != 0; }
    /// Runs `window` whenever a modal window opens; showModal returns when it returns.
    void onModal(std::function<void(std::string_view window)> window)
    {
        m_onModal = std::move(window);
    }

    /// Adds a text to the log of what was shown (the hint window's texts).
    void logShown(ShownText::Kind kind, std::string text);
    /// Returns the log of what was shown since the last call, and empties it.
    std::vector<ShownText> takeShown();

    // --- Dialogs --------------------------------------------------------------------------

    void inform(std::string_view text, std::string_view title = {}) override;
    void showError(std::string_view text, std::string_view title = {}) override;
    /// The next queued answer; throws UnansweredQuestion when none is queued.
    bool confirm(std::string_view text, std::string_view title) override;
    std::optional<std::string> openFile(std::string_view title, std::string_view directory,
                                        std::string_view filter) override;
    std::optional<std::string> saveFile(std::string_view title, std::string_view directory,
                                        std::string_view filter) override;
    std::optional<std::string> inputText(std::string_view title, std::string_view prompt,
                                         std::string_view initial) override;
    std::optional<Colour> pickColour(Colour initial) override;

    // --- WindowHost -----------------------------------------------------------------------

    void showModal(std::string_view window) override;
    void showModeless(std::string_view) override { }
    void close(std::string_view window) override { m_closed.emplace(window); }
    void place(std::string_view, int, int) override { }

    // --- Clipboard ------------------------------------------------------------------------

    std::string text() const override { return m_clipboard; }
    void setText(std::string_view text) override { m_clipboard = std::string(text); }

    // --- SettingsStore --------------------------------------------------------------------

    bool hasKey(std::string_view key) const override;
    std::string readValue(std::string_view key, std::string_view name) const override;
    bool writeValue(std::string_view key, std::string_view name, std::string_view value) override;

    // --- Paths ----------------------------------------------------------------------------

    std::string dataDirectory() const override { return m_dataDirectory; }
    std::string programDirectory() const override { return m_programDirectory; }
    std::string tempDirectory() const override { return m_tempDirectory; }

    // --- TextFiles ------------------------------------------------------------------------

    std::optional<std::vector<std::string>> readLines(std::string_view path) const override;
    bool writeLines(std::string_view path, const std::vector<std::string> &lines) override;
    bool exists(std::string_view path) const override;
    bool isDirectory(std::string_view path) const override;
    bool makeDirectory(std::string_view path) override;
    bool setCurrentDirectory(std::string_view path) override;

    // --- Shell ----------------------------------------------------------------------------

    /// Nothing is opened in a session; the request counts as handled.
    bool open(std::string_view) override { return true; }

private:
    // An absolute path with "/" separators and no trailing separator.
    std::string normalised(std::string_view path) const;
    void addDirectory(std::string_view path);

    std::deque<bool> m_answers;
    std::deque<std::string> m_openPaths;
    std::deque<std::string> m_savePaths;
    std::deque<std::string> m_inputs;
    std::set<std::string, std::less<>> m_closed;
    std::function<void(std::string_view)> m_onModal;
    std::vector<ShownText> m_shown;

    std::string m_clipboard;
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> m_settings;

    std::map<std::string, std::string, std::less<>> m_files; ///< path -> bytes
    std::set<std::string, std::less<>> m_directories;
    std::string m_currentDirectory = "/home/player";
    std::string m_dataDirectory = "/home/player/.local/share/sudokuKestrel";
    std::string m_programDirectory = "/opt/sudokukestrel";
    std::string m_tempDirectory = "/tmp/kestrel";

    Platform m_platform{*this, *this, *this, *this, *this, *this, *this};
};

} // namespace kestrel
