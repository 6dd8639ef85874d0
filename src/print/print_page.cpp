#include "print/print_page.hpp"

#include "core/board.hpp"

#include <array>
#include <cassert>

namespace kestrel {

namespace {

constexpr std::string_view kTable = R"(<table border="0" cellpadding="0" cellspacing="0")";

constexpr std::string_view kColumnLabelStyle
    = "font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;";

constexpr std::string_view kBoxStyle
    = "border: 1px solid rgb(0, 0, 0); background: rgb(255, 255, 255) none repeat scroll 0%; "
      "font-family: verdana; font-size: 8pt; -moz-background-clip: -moz-initial; "
      "-moz-background-origin: -moz-initial; -moz-background-inline-policy: -moz-initial;";

// The sample cell after each placeholder: how an empty A4 cell prints.
constexpr std::string_view kSampleCell
    = R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 7pt; )"
      R"(color: black; width: 60px; height: 60px; text-align: left; vertical-align: top;"> )"
      "&nbsp;</td>";

std::string str(std::string_view text)
{
    return std::string(text);
}

// The head and the outer table down to the cell that holds the board: 37 lines.
void appendHead(std::vector<std::string> &page, int rowLabelHeight)
{
    page.push_back(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)");
    page.insert(page.end(), 4, std::string());
    page.push_back("<html><head>");
    page.push_back("");
    page.push_back(R"(<meta name="generator" content="Sudoku Kestrel 5.0">)"
                   "<title>Sudoku Kestrel - printable board</title>");
    page.push_back("");
    page.push_back(R"(<meta http-equiv="Content-Type" content="text/html;charset=iso-8859-1">)"
                   R"(</head><body bgcolor="white">)");
    page.push_back(str(kTable) + "><tbody>");
    page.push_back(R"(<tr><td colspan="2" align="left"><font size="5">Sudoku</font><br>)");
    // The program has no web site: the credit's link stays on the page.
    page.push_back(R"(<font size="2">by Sudoku Kestrel, <a href="#">)"
                   "the Sudoku game, solver and teacher</a></font></td></tr>");
    page.push_back(R"(<tr><td width="10"></td><td valign="top">)");
    page.push_back(str(kTable) + R"( width="100%"><tbody><tr>)");
    for (char label = '1'; label <= '9'; ++label)
        page.push_back(R"(<td style=")" + str(kColumnLabelStyle) + R"(">)" + label + "</td>");
    page.push_back("</tr></tbody></table></td></tr>");
    page.push_back(R"(<tr><td rowspan="3" width="10">)" + str(kTable) + "><tbody>");
    const std::string height = std::to_string(rowLabelHeight);
    for (char label = 'A'; label <= 'I'; ++label)
        page.push_back(R"(<tr><td style="height: )" + height + R"(px;" valign="middle">)" + label
                       + "</td></tr>");
    page.push_back("</tbody></table></td>");
    page.push_back(R"(<td valign="top">)");
}

// One box table of the board: 17 lines, nine of them placeholders.
void appendBox(std::vector<std::string> &page, int band, int stack)
{
    const std::string name
        = std::string(1, static_cast<char>('A' + band)) + std::to_string(stack + 1);
    page.push_back(R"(<td style=")" + str(kBoxStyle) + R"(">)" + str(kTable) + R"( name=")" + name
                   + R"(" id=")" + name + R"("><tbody>)");
    for (int r = 0; r < 3; ++r) {
        page.push_back("<tr>");
        for (int c = 0; c < 3; ++c) {
            const int row = band * 3 + r + 1;
            const int col = stack * 3 + c + 1;
            page.push_back("node" + std::to_string(row) + std::to_string(col) + str(kSampleCell));
        }
        page.push_back("</tr>");
    }
    page.push_back("</tbody></table></td>");
}

} // namespace

std::vector<std::string> pageTemplate(int rowLabelHeight)
{
    std::vector<std::string> page;
    page.reserve(201);
    appendHead(page, rowLabelHeight);
    page.push_back(R"(<table style="border: 2px solid black;" border="0" cellpadding="0" )"
                   R"(cellspacing="0"><tbody>)");
    for (int band = 0; band < 3; ++band) {
        page.push_back("<tr>");
        for (int stack = 0; stack < 3; ++stack)
            appendBox(page, band, stack);
        page.push_back("</tr>");
    }
    page.push_back("</tbody></table>");
    page.push_back("</td></tr>");
    page.push_back("</tbody></table>");
    page.push_back("</body></html>");
    assert(page.size() == 201);
    return page;
}

std::string PageGenerator::cellLine(CellState state, std::string_view hxs) const
{
    const std::string size = std::to_string(cellSize) + "px";
    const std::string box
        = R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; )";
    if (state != CellState::Open) {
        return box + "font-size: " + std::to_string(digitPoints)
            + "pt; color: " + (state == CellState::Given ? "black" : "blue") + "; width: " + size
            + "; height: " + size + R"(; text-align: center;">)" + std::string(hxs) + "</td>";
    }
    std::string shown;
    if (style == PrintStyle::WithCandidates) {
        shown = std::string(hxs);
        if (candidateBreakAfter > 0 && shown.size() > static_cast<std::size_t>(candidateBreakAfter))
            shown.insert(static_cast<std::size_t>(candidateBreakAfter), "<br/>");
    }
    return box + "font-size: " + std::to_string(candidatePoints)
        + "pt; color: black; width: " + size + "; height: " + size
        + R"(; text-align: left; vertical-align: top;">)" + shown + " &nbsp;</td>";
}

std::vector<std::string> PageGenerator::generate(const TPICSD33 &board) const
{
    std::vector<std::string> page = pageTemplate(cellSize);
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const std::string placeholder = "node" + std::to_string(row) + std::to_string(col);
            for (std::size_t i = kFirstPlaceholderLine; i < page.size(); ++i) {
                if (page[i].starts_with(placeholder)) {
                    const TPicNode &cell = board.cell(row, col);
                    page[i] = cellLine(cell.state, cell.hxs);
                    break;
                }
            }
        }
    }
    return page;
}

const PageGenerator &pageGenerator(PrintStyle style, PaperSize paper)
{
    static constexpr std::array<const PageGenerator *, 6> kGenerators
        = {&Tfrmprint2, &Tfrmprint2b, &Tfrmprint2c, &Tfrmprint, &Tfrmprintb, &Tfrmprintc};
    for (const PageGenerator *generator : kGenerators)
        if (generator->style == style && generator->paper == paper)
            return *generator;
    return Tfrmprint2;
}

std::string pageText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace kestrel
