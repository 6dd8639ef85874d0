#pragma once
// The readers of kestrel-tool's input: opening the files it reads (a folder, or a path that
// cannot be opened, is named on standard error instead of being read as an empty input), the
// puzzle lines of solve, unique, hint and grade, and the one snapshot line of print.

#include <fstream>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::tool {

/// `path` opened for reading (binary), or nothing after a message on standard error.
std::optional<std::ifstream> openInputFile(std::string_view path);

/// What one line of a puzzle file holds.
enum class PuzzleLineKind {
    Skipped, ///< blank, or a comment starting with "#"
    Puzzle, ///< 81 cells
    WrongLength, ///< not 81 cells
};

/// One line of a puzzle file, read: its cells, one per character of the trimmed line ("1".."9"
/// a given, "*" for anything else; a character of several UTF-8 bytes counts once).
struct PuzzleLine
{
    PuzzleLineKind kind = PuzzleLineKind::Skipped;
    std::string cells; ///< the cells read, also when there are not 81 of them
};

/// Reads one line of a puzzle file (without its line end; a CR left by getline is a blank).
PuzzleLine readPuzzleLine(std::string_view line);

/// The one non-blank line of `in`, trimmed of blanks (space, tab, CR, LF); nothing, after a
/// message on standard error naming `command`, when there is none or more than one.
std::optional<std::string> readSnapshotLine(std::istream &in, std::string_view command);

} // namespace kestrel::tool
