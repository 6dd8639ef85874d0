#pragma once
// The four text layouts of "Copy Puzzle To Clipboard". They are drawn for a fixed-width font;
// "No Candidate" and "With Candidates" frame the board with ASCII box lines:
//
//   No Candidate (49 wide)                       With Candidates (94 wide, then compacted)
//   *-----------------------------------------------*
//   |    .    9    5|    .    .    3|    8    1    4|   fields of 5, symbol right-aligned
//   |---------------+---------------+---------------|   box separator
//
// The border and bar characters change with the blank character so that a blank never
// looks like a line ("*" drops the corner stars, "|" turns the bars into ":", "-" draws the
// lines with "~", "+" joins the separator with ":").

#include "core/cell_state.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

/// The layouts, in the order of the window's radio buttons' items.
enum class CopyLayout { NoCandidate, WithCandidates, NineByNine, OneByEightyOne };

/// One cell as the layouts read it.
struct CopyCell
{
    CellState state = CellState::Open;
    std::string hxs;
};

/// The 81 cells, row-major.
using CopyBoard = std::array<CopyCell, 81>;

/// The blank character of the chooser's text: the text without leading and trailing white
/// space when that is exactly one character (any character, as typed), otherwise ".".
std::string blankCharacter(std::string_view chooserText);

/// The symbol of a cell in the layouts without candidates: the digit of a given or placed
/// cell whose text is one character; `blank` for an open cell and for any other text.
std::string cellSymbol(const CopyCell &cell, std::string_view blank);

/// The lines of `layout` for `board`; `blank` (one character, see blankCharacter) is used by
/// every layout but With Candidates.
std::vector<std::string> renderCopyLayout(const CopyBoard &board, CopyLayout layout,
                                          std::string_view blank);

/// The 13 lines of "With Candidates" before compaction (fields of 10).
std::vector<std::string> candidateFrame(const CopyBoard &board);

/// Deletes shared runs of spaces from the nine row lines of a candidate frame (and the same
/// columns from its border and separator lines) until no three spaces stand together in
/// every row line at once.
void compactCandidateFrame(std::vector<std::string> &lines);

} // namespace kestrel
