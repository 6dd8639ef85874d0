#pragma once
// One saved game of "games.dat": 13 lines.
//
//   1      "Name=" + the name exactly as typed (may be empty)
//   2      level digit, one blank, the 81-digit solution (nothing after the blank when the
//          game has no known solution)
//   3..11  board rows 1..9: nine fields of 10 characters, one per column:
//            character 1      the cell's state: "1" given, "2" placed, "3" open
//            characters 2-10  the cell's `hxs` as the board holds it, blank-filled
//          "15        " a given 5, "3127      " an open cell with candidates 1 2 7,
//          "3         " an open cell without candidates
//   12, 13 empty
//
// Reading is forgiving: a hand-edited or damaged record is read as far as it goes, and
// every part that could not be read is named, never guessed.

#include "game/game.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class TPICSD33;

/// Lines of one record.
inline constexpr int kRecordLineCount = 13;
/// What line 1 of a record begins with.
inline constexpr std::string_view kRecordNamePrefix = "Name=";

/// The row line of board row `row` (1..9): nine 10-character fields, 90 characters.
std::string recordRowLine(const TPICSD33 &board, int row);

/// The 13 lines of a record for the board under `name` at `level` (0..5) with `solution`
/// (81 digits, or empty when the game has none).
std::vector<std::string> makeRecord(std::string_view name, int level, std::string_view solution,
                                    const TPICSD33 &board);

/// A record read back, and what of it could not be read.
struct RecordReading
{
    SavedBoard board;
    bool levelUnreadable = false; ///< the level line is missing or does not start with a digit
    bool solutionUnreadable = false; ///< a solution is there but is not 81 digits 1..9
    std::vector<CellPos> unreadableCells; ///< row-major

    bool isComplete() const
    {
        return !levelUnreadable && !solutionUnreadable && unreadableCells.empty();
    }
};

/// Reads the record whose name line is `lines[position - 1]` (`position` 1-based, inside
/// `lines`). Lines missing at the end of the list read as missing fields.
RecordReading readRecord(const std::vector<std::string> &lines, int position);

} // namespace kestrel
