#pragma once
// The printable page of the board: one HTML template of 201 lines and the six page
// generators, which differ only in the cell size and the font sizes they put into it.
//
// The template's board is nine box tables of nine placeholder lines each. A placeholder line
// starts with "node", the row digit and the column digit ("node47" = row 4, column 7), followed
// by a sample cell; a generator replaces each placeholder line as a whole by the cell it
// prints:
//
//   given    <td style="…; font-size: 22pt; color: black; width: 60px; height: 60px; …">5</td>
//   placed   the same with "color: blue"
//   open     <td style="…; font-size: 7pt; …; vertical-align: top;">[candidates] &nbsp;</td>
//
// (A4 values shown.) Line ends are CR LF; the page is plain ASCII.

#include "core/cell_state.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class TPICSD33;

/// The two print styles of the print selection window.
enum class PrintStyle { Normal, WithCandidates };

/// The three paper sizes, in the order of the window's "Paper Size" items.
enum class PaperSize { A4, A3, A2 };

/// Placeholders are searched from this line of the template on (0-based: the 39th line), past
/// the head and the labels.
inline constexpr int kFirstPlaceholderLine = 38;

/// One of the six page generators: its name and the values it puts into the template.
struct PageGenerator
{
    std::string_view name; ///< "Tfrmprint2", …
    PrintStyle style;
    PaperSize paper;
    int cellSize; ///< cell width and height, and the row labels' height, in px
    int digitPoints; ///< font size of given and placed digits, in pt
    int candidatePoints; ///< font size of open cells, in pt
    /// Open cells longer than this many candidates break the line after that many (0: never).
    int candidateBreakAfter;

    /// The page of `board` as lines (without line ends).
    std::vector<std::string> generate(const TPICSD33 &board) const;
    /// The line that replaces the placeholder of a cell in `state` holding `hxs`.
    std::string cellLine(CellState state, std::string_view hxs) const;
};

// clang-format off
inline constexpr PageGenerator Tfrmprint2 {"Tfrmprint2",  PrintStyle::Normal,         PaperSize::A4, 60,  22, 7,  0};
inline constexpr PageGenerator Tfrmprint2b{"Tfrmprint2b", PrintStyle::Normal,         PaperSize::A3, 100, 50, 15, 0};
inline constexpr PageGenerator Tfrmprint2c{"Tfrmprint2c", PrintStyle::Normal,         PaperSize::A2, 115, 70, 20, 0};
inline constexpr PageGenerator Tfrmprint  {"Tfrmprint",   PrintStyle::WithCandidates, PaperSize::A4, 60,  22, 7,  0};
inline constexpr PageGenerator Tfrmprintb {"Tfrmprintb",  PrintStyle::WithCandidates, PaperSize::A3, 100, 50, 15, 0};
inline constexpr PageGenerator Tfrmprintc {"Tfrmprintc",  PrintStyle::WithCandidates, PaperSize::A2, 115, 70, 20, 6};
// clang-format on

/// The generator of `style` on `paper`.
const PageGenerator &pageGenerator(PrintStyle style, PaperSize paper);

/// The page template with row labels `rowLabelHeight` px high: 201 lines without line ends.
std::vector<std::string> pageTemplate(int rowLabelHeight);

/// The lines joined as the page file holds them: CR LF after every line.
std::string pageText(const std::vector<std::string> &lines);

/// The printable page's file name, written into the program's private folder.
inline constexpr std::string_view kPrintPageName = "print_temp.htm";

} // namespace kestrel
