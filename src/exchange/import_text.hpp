#pragma once
// Puzzle texts brought in from outside: the four layouts the Import window recognises and
// their parsers. A text is the Import window's lines joined by CR LF (UTF-8); characters are
// counted as code points and white space is any code point up to 32.
//
//   1  a string of 81      the trimmed text is 81 characters; a clue digit is a clue
//   2  rows of any shape   81 characters once all white space is removed
//   3  a grid with borders the clue digits plus one blank marker make the 81 cells; every
//                          other character (borders, separators) is dropped
//   4  a grid with         82 or more clue digits; the digit groups between non-digits are
//      candidates          the cells, a one-digit group a clue, a longer one candidates
//
// Formats 1 to 3 give every open cell its `allowedHxs`; format 4 keeps the candidates as
// written.

#include "core/cell_state.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class TPICSD33;

/// The recognised layout of an import text; the numbers are the format numbers players and
/// `kestrel-tool import` see.
enum class ImportFormat { Invalid = 0, String81 = 1, Rows = 2, Bordered = 3, Candidates = 4 };

/// One cell of the create board as an import fills it: a clue (`Placed`, one digit) or an
/// open cell (`Open`, its candidate digits, possibly none).
struct ImportedCell
{
    CellState state = CellState::Open;
    std::string hxs;

    bool operator==(const ImportedCell &) const = default;
};

/// The 81 cells, row-major.
using ImportedBoard = std::array<ImportedCell, 81>;

/// A recognised text and the board it makes.
struct ImportResult
{
    ImportFormat format = ImportFormat::Invalid;
    ImportedBoard cells;
};

/// The blank markers of format 3, in the order they are tried (".", "*", "_", "-", "`",
/// ",", "x", "X", "?", "~", "？").
const std::array<char32_t, 11> &blankMarkers();

/// The lines of `text` as a text area holds them: split at CR LF, LF or a lone CR. A text
/// ending in a line break ends with an empty line.
std::vector<std::string> splitImportLines(std::string_view text);

/// The lines joined by CR LF: the import text the formats read.
std::string joinImportLines(const std::vector<std::string> &lines);

/// Which of the four formats `text` is in; Invalid when none.
ImportFormat recogniseImport(std::string_view text);

/// The cells of `text` read in `format` (as recognised); nothing for Invalid.
std::optional<ImportedBoard> parseImport(std::string_view text, ImportFormat format);

/// Recognises and parses `text`; nothing when it is not in any format.
std::optional<ImportResult> readImportText(std::string_view text);

/// Writes the cells onto a board (`state` and `hxs` of each cell; nothing else changes).
void fillCreateBoard(TPICSD33 &board, const ImportedBoard &cells);

} // namespace kestrel
