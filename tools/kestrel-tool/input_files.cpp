#include "input_files.hpp"

#include "core/digit_strings.hpp"

#include <filesystem>
#include <iostream>
#include <string>

namespace kestrel::tool {

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string_view withoutLineBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<std::ifstream> openInputFile(std::string_view path)
{
    const std::filesystem::path file{std::string(path)};
    std::error_code error;
    // On this system a folder opens as a stream that reads nothing: ask first.
    if (std::filesystem::is_directory(file, error)) {
        std::cerr << "kestrel-tool: '" << path << "' is a folder, not a file\n";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "kestrel-tool: cannot open '" << path << "'\n";
        return std::nullopt;
    }
    return in;
}

PuzzleLine readPuzzleLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#')
        return {};
    PuzzleLine read;
    // A cell is a character, so a blank written as a multi-byte symbol ("·") counts once.
    read.cells.reserve(81);
    for (const char c : text)
        if (!isContinuationByte(c))
            read.cells.push_back(c >= '1' && c <= '9' ? c : '*');
    read.kind = read.cells.size() == 81 ? PuzzleLineKind::Puzzle : PuzzleLineKind::WrongLength;
    return read;
}

std::optional<std::string> readSnapshotLine(std::istream &in, std::string_view command)
{
    std::optional<std::string> snapshot;
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = withoutLineBlanks(line);
        if (text.empty())
            continue;
        if (snapshot) {
            std::cerr << "kestrel-tool: " << command
                      << ": expected one board snapshot line, found more\n";
            return std::nullopt;
        }
        snapshot = std::string(text);
    }
    if (!snapshot)
        std::cerr << "kestrel-tool: " << command << ": no board snapshot line in the input\n";
    return snapshot;
}

} // namespace kestrel::tool
