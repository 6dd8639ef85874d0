#include "app/session/scripted_platform.hpp"

#include "platform/text_codec.hpp"

#include <algorithm>

namespace kestrel {

namespace {

std::string parentOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return "/";
    return path.substr(0, slash);
}

template <typename T> std::optional<T> takeFront(std::deque<T> &queue)
{
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

ScriptedPlatform::ScriptedPlatform()
{
    m_directories.insert("/");
    addDirectory(m_currentDirectory);
    addDirectory(parentOf(m_dataDirectory));
    addDirectory(m_programDirectory);
    addDirectory(m_tempDirectory);
}

// --- scripting ----------------------------------------------------------------------------

void ScriptedPlatform::dropFileAnswers()
{
    m_openPaths.clear();
    m_savePaths.clear();
    m_inputs.clear();
}

void ScriptedPlatform::logShown(ShownText::Kind kind, std::string text)
{
    m_shown.push_back({kind, std::move(text)});
}

std::vector<ShownText> ScriptedPlatform::takeShown()
{
    std::vector<ShownText> shown;
    shown.swap(m_shown);
    return shown;
}

// --- Dialogs ------------------------------------------------------------------------------

void ScriptedPlatform::inform(std::string_view text, std::string_view)
{
    logShown(ShownText::Kind::Information, std::string(text));
}

void ScriptedPlatform::showError(std::string_view text, std::string_view)
{
    logShown(ShownText::Kind::Information, std::string(text));
}

bool ScriptedPlatform::confirm(std::string_view text, std::string_view)
{
    logShown(ShownText::Kind::Question, std::string(text));
    const std::optional<bool> answer = takeFront(m_answers);
    if (!answer)
        throw UnansweredQuestion(std::string(text));
    return *answer;
}

std::optional<std::string> ScriptedPlatform::openFile(std::string_view, std::string_view,
                                                      std::string_view)
{
    return takeFront(m_openPaths);
}

std::optional<std::string> ScriptedPlatform::saveFile(std::string_view, std::string_view,
                                                      std::string_view)
{
    return takeFront(m_savePaths);
}

std::optional<std::string> ScriptedPlatform::inputText(std::string_view, std::string_view,
                                                       std::string_view)
{
    if (m_inputs.empty())
        return std::nullopt;
    std::string text = std::move(m_inputs.front());
    m_inputs.pop_front();
    return text;
}

std::optional<Colour> ScriptedPlatform::pickColour(Colour)
{
    return std::nullopt;
}

// --- WindowHost ---------------------------------------------------------------------------

void ScriptedPlatform::showModal(std::string_view window)
{
    if (const auto closed = m_closed.find(window); closed != m_closed.end())
        m_closed.erase(closed);
    if (m_onModal)
        m_onModal(window);
}

// --- SettingsStore ------------------------------------------------------------------------

bool ScriptedPlatform::hasKey(std::string_view key) const
{
    return m_settings.find(key) != m_settings.end();
}

std::string ScriptedPlatform::readValue(std::string_view key, std::string_view name) const
{
    const auto values = m_settings.find(key);
    if (values == m_settings.end())
        return {};
    const auto value = values->second.find(name);
    return value == values->second.end() ? std::string() : value->second;
}

bool ScriptedPlatform::writeValue(std::string_view key, std::string_view name,
                                  std::string_view value)
{
    m_settings[std::string(key)][std::string(name)] = std::string(value);
    return true;
}

// --- TextFiles ----------------------------------------------------------------------------

std::string ScriptedPlatform::normalised(std::string_view path) const
{
    std::string in(path);
    std::replace(in.begin(), in.end(), '\\', '/');
    if (in.empty() || in.front() != '/')
        in = m_currentDirectory + "/" + in;
    // Repeated separators, "." and a trailing separator name the same place; ".." goes up.
    std::string out;
    std::size_t start = 0;
    while (start <= in.size()) {
        const std::size_t end = std::min(in.find('/', start), in.size());
        const std::string_view part = std::string_view(in).substr(start, end - start);
        if (part == "..") {
            out.erase(std::min(out.size(), out.rfind('/')));
        } else if (!part.empty() && part != ".") {
            out += '/';
            out += part;
        }
        start = end + 1;
    }
    return out.empty() ? "/" : out;
}

void ScriptedPlatform::addDirectory(std::string_view path)
{
    std::string full = normalised(path);
    while (m_directories.insert(full).second)
        full = parentOf(full);
}

std::optional<std::vector<std::string>> ScriptedPlatform::readLines(std::string_view path) const
{
    const auto file = m_files.find(normalised(path));
    if (file == m_files.end())
        return std::nullopt;
    return decodeLines(file->second);
}

bool ScriptedPlatform::writeLines(std::string_view path, const std::vector<std::string> &lines)
{
    // As on a disk: a file goes into an existing folder and never replaces a folder.
    const std::string full = normalised(path);
    if (m_directories.count(full) != 0 || m_directories.count(parentOf(full)) == 0)
        return false;
    m_files[full] = encodeLines(lines);
    return true;
}

bool ScriptedPlatform::exists(std::string_view path) const
{
    const std::string full = normalised(path);
    return m_files.count(full) != 0 || m_directories.count(full) != 0;
}

bool ScriptedPlatform::isDirectory(std::string_view path) const
{
    return m_directories.count(normalised(path)) != 0;
}

bool ScriptedPlatform::makeDirectory(std::string_view path)
{
    const std::string full = normalised(path);
    for (std::string up = full; up != "/"; up = parentOf(up))
        if (m_files.count(up) != 0)
            return false;
    addDirectory(full);
    return true;
}

bool ScriptedPlatform::setCurrentDirectory(std::string_view path)
{
    const std::string full = normalised(path);
    if (m_directories.count(full) == 0)
        return false;
    m_currentDirectory = full;
    return true;
}

} // namespace kestrel
