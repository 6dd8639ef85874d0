#include "support/fake_platform.hpp"

#include "platform/text_codec.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace kestrel {

namespace {

std::string describe(std::string_view text, std::string_view title)
{
    std::string out = "\"" + std::string(text) + "\"";
    if (!title.empty())
        out += " (title \"" + std::string(title) + "\")";
    return out;
}

std::string hexColour(Colour colour)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(colour));
    return buffer;
}

// Takes the next scripted answer, or fails the test and answers `fallback` when none is left.
template <typename T> T takeAnswer(std::deque<T> &queue, const T &fallback, std::string_view what)
{
    if (queue.empty()) {
        ADD_FAILURE() << "Unexpected " << what << ": no answer was scripted";
        return fallback;
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

std::string parentOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return "/";
    return path.substr(0, slash);
}

} // namespace

void PrintTo(const Shown &shown, std::ostream *out)
{
    *out << "{" << shown.kind << ": \"" << shown.text << "\", title \"" << shown.title << "\"";
    if (!shown.detail.empty())
        *out << ", \"" << shown.detail << "\"";
    *out << "}";
}

FakePlatform::FakePlatform()
{
    m_directories.insert("/");
    addDirectory(m_currentDirectory);
    setDataDirectory("/home/player/.local/share/sudokuKestrel");
    setProgramDirectory("/opt/sudokukestrel");
    setTempDirectory("/tmp/kestrel");
}

// --- Dialogs ------------------------------------------------------------------------------

void FakePlatform::answerConfirm(bool yes)
{
    m_confirmAnswers.push_back(yes);
}

void FakePlatform::answerOpen(std::optional<std::string> path)
{
    m_openAnswers.push_back(std::move(path));
}

void FakePlatform::answerSave(std::optional<std::string> path)
{
    m_saveAnswers.push_back(std::move(path));
}

void FakePlatform::answerInput(std::optional<std::string> text)
{
    m_inputAnswers.push_back(std::move(text));
}

void FakePlatform::answerColour(std::optional<Colour> colour)
{
    m_colourAnswers.push_back(colour);
}

bool FakePlatform::allAnswersUsed() const
{
    return m_confirmAnswers.empty() && m_openAnswers.empty() && m_saveAnswers.empty()
        && m_inputAnswers.empty() && m_colourAnswers.empty();
}

Shown FakePlatform::lastShown() const
{
    if (m_shown.empty()) {
        ADD_FAILURE() << "No dialog was shown";
        return {};
    }
    return m_shown.back();
}

std::vector<Shown> FakePlatform::shownOfKind(std::string_view kind) const
{
    std::vector<Shown> out;
    for (const Shown &entry : m_shown) {
        if (entry.kind == kind)
            out.push_back(entry);
    }
    return out;
}

void FakePlatform::clearLog()
{
    m_shown.clear();
    m_windowCalls.clear();
    m_shellOpens.clear();
}

void FakePlatform::inform(std::string_view text, std::string_view title)
{
    m_shown.push_back({"inform", std::string(text), std::string(title)});
}

void FakePlatform::showError(std::string_view text, std::string_view title)
{
    m_shown.push_back({"error", std::string(text), std::string(title)});
}

bool FakePlatform::confirm(std::string_view text, std::string_view title)
{
    m_shown.push_back({"confirm", std::string(text), std::string(title)});
    return takeAnswer(m_confirmAnswers, false,
                      "confirmation " + describe(text, title) + "; answering No");
}

std::optional<std::string>
FakePlatform::openFile(std::string_view title, std::string_view directory, std::string_view filter)
{
    m_shown.push_back({"open", std::string(directory), std::string(title), std::string(filter)});
    return takeAnswer(m_openAnswers, std::optional<std::string>(),
                      "file-open dialog " + describe(directory, title) + "; cancelling");
}

std::optional<std::string>
FakePlatform::saveFile(std::string_view title, std::string_view directory, std::string_view filter)
{
    m_shown.push_back({"save", std::string(directory), std::string(title), std::string(filter)});
    return takeAnswer(m_saveAnswers, std::optional<std::string>(),
                      "file-save dialog " + describe(directory, title) + "; cancelling");
}

std::optional<std::string> FakePlatform::inputText(std::string_view title, std::string_view prompt,
                                                   std::string_view initial)
{
    m_shown.push_back({"input", std::string(prompt), std::string(title), std::string(initial)});
    return takeAnswer(m_inputAnswers, std::optional<std::string>(),
                      "text input " + describe(prompt, title) + "; cancelling");
}

std::optional<Colour> FakePlatform::pickColour(Colour initial)
{
    m_shown.push_back({"colour", {}, {}, hexColour(initial)});
    return takeAnswer(m_colourAnswers, std::optional<Colour>(),
                      "colour chooser (starting at " + hexColour(initial) + "); cancelling");
}

// --- Windows and shell --------------------------------------------------------------------

void FakePlatform::showModal(std::string_view window)
{
    m_windowCalls.push_back("showModal " + std::string(window));
    if (m_whileModal) {
        auto player = std::move(m_whileModal);
        m_whileModal = nullptr;
        player(window);
    }
}

void FakePlatform::showModeless(std::string_view window)
{
    m_windowCalls.push_back("showModeless " + std::string(window));
}

void FakePlatform::close(std::string_view window)
{
    m_windowCalls.push_back("close " + std::string(window));
}

void FakePlatform::place(std::string_view window, int left, int top)
{
    m_windowCalls.push_back("place " + std::string(window) + " " + std::to_string(left) + " "
                            + std::to_string(top));
}

bool FakePlatform::open(std::string_view fileOrUrl)
{
    m_shellOpens.emplace_back(fileOrUrl);
    return !m_shellFails;
}

std::unique_ptr<Picture> FakePlatform::grabBoardFrame()
{
    m_windowCalls.emplace_back("grabBoardFrame");
    if (!m_hasBoardFrame)
        return nullptr;
    // A picture that saves into the in-memory files, by the same rules as a text file.
    class FakePicture final : public Picture
    {
    public:
        FakePicture(FakePlatform &platform, int number) : m_platform(platform), m_number(number) { }
        bool save(std::string_view path, PictureFormat format) const override
        {
            const bool jpeg = format == PictureFormat::Jpeg;
            m_platform.m_windowCalls.push_back("savePicture " + std::string(path)
                                               + (jpeg ? " jpeg" : " bmp"));
            const std::string full = m_platform.normalised(path);
            if (m_platform.isWriteBlocked(full) || m_platform.m_directories.count(full) != 0
                || m_platform.m_directories.count(parentOf(full)) == 0)
                return false;
            m_platform.m_files[full] = (jpeg ? "JPEG " : "BMP ") + std::to_string(m_number);
            return true;
        }

    private:
        FakePlatform &m_platform;
        int m_number;
    };
    return std::make_unique<FakePicture>(*this, ++m_grabCount);
}

// --- Files --------------------------------------------------------------------------------

std::string FakePlatform::normalised(std::string_view path) const
{
    std::string in(path);
    for (char &c : in) {
        if (c == '\\')
            c = '/';
    }
    if (in.empty() || in.front() != '/')
        in = m_currentDirectory + "/" + in;

    // Collapse repeated separators and drop "." components and a trailing separator.
    std::string out;
    std::size_t start = 0;
    while (start <= in.size()) {
        const std::size_t end = std::min(in.find('/', start), in.size());
        const std::string_view part = std::string_view(in).substr(start, end - start);
        if (!part.empty() && part != ".") {
            if (part == "..") {
                const auto slash = out.rfind('/');
                out.erase(slash == std::string::npos ? 0 : slash);
            } else {
                out += "/";
                out += part;
            }
        }
        start = end + 1;
    }
    return out.empty() ? "/" : out;
}

bool FakePlatform::isWriteBlocked(const std::string &path) const
{
    // The latest rule wins, so a test can change the reason for the same folder.
    for (auto it = m_failingWritePrefixes.rbegin(); it != m_failingWritePrefixes.rend(); ++it) {
        const auto &[prefix, reason] = *it;
        if (path.compare(0, prefix.size(), prefix) == 0) {
            m_lastError = reason;
            return true;
        }
    }
    return false;
}

void FakePlatform::addFile(std::string_view path, std::string_view bytes)
{
    const std::string full = normalised(path);
    addDirectory(parentOf(full));
    m_files[full] = std::string(bytes);
}

void FakePlatform::addTextFile(std::string_view path, const std::vector<std::string> &lines)
{
    addFile(path, encodeLines(lines));
}

void FakePlatform::addDirectory(std::string_view path)
{
    std::string full = normalised(path);
    while (m_directories.insert(full).second)
        full = parentOf(full);
}

std::optional<std::string> FakePlatform::fileBytes(std::string_view path) const
{
    const auto it = m_files.find(normalised(path));
    if (it == m_files.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::vector<std::string>> FakePlatform::fileLines(std::string_view path) const
{
    if (auto bytes = fileBytes(path))
        return decodeLines(*bytes);
    return std::nullopt;
}

void FakePlatform::failWritesUnder(std::string_view prefix, std::string_view reason)
{
    // Kept as given (only made absolute), so a prefix may also cut a file name in two.
    std::string full(prefix);
    for (char &c : full) {
        if (c == '\\')
            c = '/';
    }
    if (full.empty() || full.front() != '/')
        full = m_currentDirectory + "/" + full;
    m_failingWritePrefixes.emplace_back(std::move(full), std::string(reason));
}

void FakePlatform::failMakeDirectory(std::string_view path)
{
    m_failingMakeDirectories.insert(normalised(path));
}

void FakePlatform::failSetCurrentDirectory(std::string_view path)
{
    m_failingCurrentDirectories.insert(normalised(path));
}

std::optional<std::vector<std::string>> FakePlatform::readLines(std::string_view path) const
{
    return fileLines(path);
}

bool FakePlatform::writeLines(std::string_view path, const std::vector<std::string> &lines)
{
    const std::string full = normalised(path);
    if (isWriteBlocked(full))
        return false;
    if (m_directories.count(full) != 0) {
        m_lastError = "Is a directory";
        return false;
    }
    if (m_directories.count(parentOf(full)) == 0) {
        m_lastError = "No such file or directory";
        return false;
    }
    m_files[full] = encodeLines(lines);
    return true;
}

std::optional<std::string> FakePlatform::writePrivateLines(std::string_view name,
                                                           const std::vector<std::string> &lines)
{
    if (m_privateDirectoryFails)
        return std::nullopt;
    addDirectory(m_privateDirectory);
    const std::string path = joinPath(m_privateDirectory, name);
    if (!writeLines(path, lines))
        return std::nullopt;
    return path;
}

bool FakePlatform::exists(std::string_view path) const
{
    const std::string full = normalised(path);
    return m_files.count(full) != 0 || m_directories.count(full) != 0;
}

bool FakePlatform::isDirectory(std::string_view path) const
{
    return m_directories.count(normalised(path)) != 0;
}

bool FakePlatform::makeDirectory(std::string_view path)
{
    const std::string full = normalised(path);
    if (m_directories.count(full) != 0)
        return true;
    if (m_failingMakeDirectories.count(full) != 0 || m_files.count(full) != 0)
        return false;
    const std::string parent = parentOf(full);
    if (parent != full && m_directories.count(parent) == 0 && !makeDirectory(parent))
        return false;
    m_directories.insert(full);
    return true;
}

bool FakePlatform::setCurrentDirectory(std::string_view path)
{
    const std::string full = normalised(path);
    if (m_failingCurrentDirectories.count(full) != 0 || m_directories.count(full) == 0)
        return false;
    m_currentDirectory = full;
    return true;
}

// --- Settings -----------------------------------------------------------------------------

void FakePlatform::putSetting(std::string_view key, std::string_view name, std::string_view value)
{
    m_settings[std::string(key)][std::string(name)] = std::string(value);
    writeSettingsFile();
}

void FakePlatform::writeSettingsFile()
{
    std::vector<std::string> lines;
    for (const auto &[key, values] : m_settings) {
        lines.push_back("[" + key + "]");
        for (const auto &[name, value] : values)
            lines.push_back(name + "=" + value);
    }
    addFile(kSettingsFile, encodeLines(lines));
}

std::optional<std::string> FakePlatform::storedSetting(std::string_view key,
                                                       std::string_view name) const
{
    const auto keyIt = m_settings.find(std::string(key));
    if (keyIt == m_settings.end())
        return std::nullopt;
    const auto valueIt = keyIt->second.find(std::string(name));
    if (valueIt == keyIt->second.end())
        return std::nullopt;
    return valueIt->second;
}

std::vector<std::string> FakePlatform::storedSettingNames(std::string_view key) const
{
    std::vector<std::string> names;
    const auto keyIt = m_settings.find(std::string(key));
    if (keyIt != m_settings.end()) {
        for (const auto &entry : keyIt->second)
            names.push_back(entry.first);
    }
    return names;
}

bool FakePlatform::hasKey(std::string_view key) const
{
    return m_settings.count(std::string(key)) != 0;
}

std::string FakePlatform::readValue(std::string_view key, std::string_view name) const
{
    return storedSetting(key, name).value_or(std::string());
}

bool FakePlatform::writeValue(std::string_view key, std::string_view name, std::string_view value)
{
    if (m_settingsReadOnly || isWriteBlocked(std::string(kSettingsFile)))
        return false;
    putSetting(key, name, value);
    return true;
}

// --- Paths --------------------------------------------------------------------------------

void FakePlatform::setDataDirectory(std::string_view path)
{
    m_dataDirectory = normalised(path);
    addDirectory(parentOf(m_dataDirectory));
}

void FakePlatform::setProgramDirectory(std::string_view path)
{
    m_programDirectory = normalised(path);
    addDirectory(m_programDirectory);
}

void FakePlatform::setTempDirectory(std::string_view path)
{
    m_tempDirectory = normalised(path);
    addDirectory(m_tempDirectory);
}

bool FakePlatform::runLater(int milliseconds, std::function<void()> callback)
{
    if (!m_hasTimers)
        return false;
    m_timerDelays.push_back(milliseconds);
    m_timers.push_back(std::move(callback));
    return true;
}

std::size_t FakePlatform::runTimers()
{
    std::vector<std::function<void()>> due;
    due.swap(m_timers);
    for (const auto &callback : due)
        callback();
    return due.size();
}

} // namespace kestrel
