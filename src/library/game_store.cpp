#include "library/game_store.hpp"

#include "core/digit_strings.hpp"
#include "library/saved_game_record.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

bool startsWithName(std::string_view line)
{
    return line.substr(0, kRecordNamePrefix.size()) == kRecordNamePrefix;
}

std::string_view nameOf(std::string_view line)
{
    return line.size() >= kRecordNamePrefix.size() ? line.substr(kRecordNamePrefix.size())
                                                   : std::string_view();
}

} // namespace

GameStore::GameStore(TextFiles &files, std::string path) : m_files(files), m_path(std::move(path))
{ }

StoreResult GameStore::load()
{
    if (!m_files.exists(m_path))
        return replaceLines({});
    auto lines = m_files.readLines(m_path);
    if (!lines)
        return {StoreStatus::ReadFailed, m_files.lastError()};
    m_lines = std::move(*lines);
    return {};
}

StoreResult GameStore::write()
{
    if (!m_files.writeLines(m_path, m_lines))
        return {StoreStatus::WriteFailed, m_files.lastError()};
    return {};
}

StoreResult GameStore::replaceLines(std::vector<std::string> lines)
{
    if (!m_files.writeLines(m_path, lines))
        return {StoreStatus::WriteFailed, m_files.lastError()};
    m_lines = std::move(lines);
    return {};
}

int GameStore::firstRecordIn(const std::vector<std::string> &lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (startsWithName(lines[i]))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int GameStore::findIn(const std::vector<std::string> &lines, std::string_view name)
{
    const int count = static_cast<int>(lines.size());
    // Past the first record every 13th line is taken as a name line, whatever it holds.
    for (int position = firstRecordIn(lines); position >= 1 && position <= count;
         position += kRecordLineCount) {
        if (nameOf(lines[static_cast<std::size_t>(position - 1)]) == name)
            return position;
    }
    return 0;
}

std::vector<int> GameStore::records() const
{
    std::vector<int> positions;
    const int count = static_cast<int>(m_lines.size());
    for (int position = firstRecord(); position >= 1 && position <= count;
         position += kRecordLineCount)
        positions.push_back(position);
    return positions;
}

std::vector<std::string> GameStore::withoutRecord(std::vector<std::string> lines, int position)
{
    if (position < 1 || position > static_cast<int>(lines.size()))
        return lines;
    const auto first = lines.begin() + (position - 1);
    const auto last
        = lines.end() - first > kRecordLineCount ? first + kRecordLineCount : lines.end();
    lines.erase(first, last);
    return lines;
}

StoreResult GameStore::deleteRecord(std::string_view name)
{
    return replaceLines(withoutRecord(m_lines, find(name)));
}

void GameStore::appendRecord(const std::vector<std::string> &record)
{
    m_lines.insert(m_lines.end(), record.begin(), record.end());
}

std::string GameStore::nameOfRecord(int position) const
{
    if (position < 1 || position > static_cast<int>(m_lines.size()))
        return {};
    return std::string(nameOf(m_lines[static_cast<std::size_t>(position - 1)]));
}

std::string GameStore::levelLine(int position) const
{
    if (position < 1 || position >= static_cast<int>(m_lines.size()))
        return {};
    return m_lines[static_cast<std::size_t>(position)];
}

int GameStore::levelOfRecord(int position) const
{
    const std::string line = levelLine(position);
    const std::string_view text = trimmed(line);
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return -1;
    return text[0] - '0';
}

} // namespace kestrel
