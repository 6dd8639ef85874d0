#pragma once
// The platform seam on Qt: message boxes and standard dialogs, the window registry, the
// clipboard, QSettings, the per-user folders, files and the desktop shell.

#include "platform/platform.hpp"

#include <QDialog>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace kestrel {

/// QMessageBox, QFileDialog, QInputDialog and QColorDialog, parented to one widget.
class QtDialogs final : public Dialogs
{
public:
    /// `parent` (may be null) owns every dialog shown.
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) { }
    /// Changes the widget the dialogs are parented to (may be null).
    void setParentWidget(QWidget *parent) { m_parent = parent; }

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

private:
    QPointer<QWidget> m_parent;
};

/// The secondary windows, registered by the name their logic class goes by.
class QtWindowHost final : public WindowHost
{
public:
    /// Makes `window` answer to `name`; a later registration under the same name replaces it.
    void registerWindow(std::string_view name, QWidget *window);
    /// The widget registered under `name`, or null.
    QWidget *window(std::string_view name) const;
    /// Makes `name` a window made by `make` for each showModal and deleted when it closes
    /// (`make` may return null: nothing is shown).
    void registerWindowMaker(std::string_view name, std::function<QDialog *()> make);

    void showModal(std::string_view window) override;
    void showModeless(std::string_view window) override;
    void close(std::string_view window) override;
    void place(std::string_view window, int left, int top) override;
    /// The main window's board frame, which Save as picture grabs (may be null).
    void setBoardFrame(QWidget *frame) { m_boardFrame = frame; }
    std::unique_ptr<Picture> grabBoardFrame() override;
    bool runLater(int milliseconds, std::function<void()> callback) override;

private:
    std::map<std::string, QPointer<QWidget>, std::less<>> m_windows;
    std::map<std::string, std::function<QDialog *()>, std::less<>> m_makers;
    QPointer<QWidget> m_boardFrame;
};

/// The application clipboard, text only.
class QtClipboard final : public Clipboard
{
public:
    std::string text() const override;
    void setText(std::string_view text) override;
};

/// QSettings: on Windows the registry under HKEY_CURRENT_USER (so the key
/// "SOFTWARE\\SudokuKestrel" is HKEY_CURRENT_USER\SOFTWARE\SudokuKestrel), elsewhere the
/// per-user file of the organisation and application "SudokuKestrel". A key is a settings
/// group.
class QtSettingsStore final : public SettingsStore
{
public:
    /// The per-user store of the program.
    QtSettingsStore();
    /// An INI file at `filePath` instead (tests).
    explicit QtSettingsStore(const QString &filePath);

    bool hasKey(std::string_view key) const override;
    std::string readValue(std::string_view key, std::string_view name) const override;
    bool writeValue(std::string_view key, std::string_view name, std::string_view value) override;
    /// All values set, then one sync (QSettings replaces its file whole); when the sync fails
    /// the values held before are put back, so a later sync cannot write half of them.
    bool writeValues(std::string_view key, const Values &values) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

/// The per-user data folder, the program folder and a private temporary folder.
class QtPaths final : public Paths
{
public:
    /// `dataDirectory` overrides the data folder; without it the environment variable
    /// KESTREL_DATA_DIR does, and without that it is "sudokuKestrel" in the per-user
    /// application-data folder.
    explicit QtPaths(std::optional<std::string> dataDirectory = std::nullopt);

    std::string dataDirectory() const override { return m_dataDirectory; }
    std::string programDirectory() const override;
    std::string tempDirectory() const override;

private:
    std::string m_dataDirectory;
    // Made on first use, so a run that never prints leaves nothing behind.
    mutable std::unique_ptr<QTemporaryDir> m_tempDirectory;
};

/// Text files through QFile and QSaveFile, by the rules of text_codec.hpp.
class QtTextFiles final : public TextFiles
{
public:
    /// `privateBase` replaces the per-user runtime folder (or, without one, the per-user cache
    /// folder) that the private folder "sudokuKestrel" is made in (tests).
    explicit QtTextFiles(std::optional<std::string> privateBase = std::nullopt)
        : m_privateBase(std::move(privateBase))
    { }

    std::optional<std::vector<std::string>> readLines(std::string_view path) const override;
    bool writeLines(std::string_view path, const std::vector<std::string> &lines) override;
    bool exists(std::string_view path) const override;
    bool isDirectory(std::string_view path) const override;
    bool makeDirectory(std::string_view path) override;
    bool setCurrentDirectory(std::string_view path) override;
    std::string lastError() const override { return m_lastError; }
    std::optional<std::string> writePrivateLines(std::string_view name,
                                                 const std::vector<std::string> &lines) override;
    /// The private folder, made owner-only when missing; nothing when it cannot be made or
    /// is a link, not a folder, or another user's.
    std::optional<QString> privateDirectory() const;

private:
    mutable std::string m_lastError;
    std::optional<std::string> m_privateBase;
};

/// QDesktopServices.
class HelpWindow;

/// The desktop's default handlers, and the program's own help window for the help pages.
class QtShell final : public Shell
{
public:
    QtShell();
    ~QtShell() override;
    bool open(std::string_view fileOrUrl) override;
    bool showHelp(std::string_view page) override;
    void setHelpLanguage(const HelpLanguage &help) override;
    /// The help window once a page was shown, else null.
    HelpWindow *helpWindow() const { return m_helpWindow.get(); }

private:
    std::unique_ptr<HelpWindow> m_helpWindow;
    std::optional<HelpLanguage> m_helpLanguage; ///< for a help window made later
};

/// One of each Qt implementation, handed to the window logic as a Platform.
class QtPlatform
{
public:
    /// `dialogParent` (may be null, settable later) parents the dialogs; `dataDirectory`
    /// overrides the data folder as QtPaths describes.
    explicit QtPlatform(QWidget *dialogParent = nullptr,
                        std::optional<std::string> dataDirectory = std::nullopt);

    /// The seam for the window logic: references to the implementations below, valid while
    /// this object lives (the logic may keep the reference).
    Platform &platform() { return m_platform; }
    /// Parents every later dialog to `parent` (may be null), usually the main window once it
    /// exists.
    void setDialogParent(QWidget *parent) { m_dialogs.setParentWidget(parent); }

    QtDialogs &dialogs() { return m_dialogs; }
    QtWindowHost &windows() { return m_windows; }

private:
    QtDialogs m_dialogs;
    QtWindowHost m_windows;
    QtClipboard m_clipboard;
    QtSettingsStore m_settings;
    QtPaths m_paths;
    QtTextFiles m_files;
    QtShell m_shell;
    // Declared after the members it refers to.
    Platform m_platform{m_dialogs, m_windows, m_clipboard, m_settings, m_paths, m_files, m_shell};
};

} // namespace kestrel
