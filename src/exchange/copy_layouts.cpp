#include "exchange/copy_layouts.hpp"

#include "core/digit_strings.hpp"
#include "exchange/code_points.hpp"

namespace kestrel {

namespace {

struct Frame
{
    std::string border;
    std::string separator;
    std::string bar;
};

Frame noCandidateFrame(std::string_view blank)
{
    const std::string dashes(47, '-');
    if (blank == "*")
        return {std::string(49, '-'), "|---------------+---------------+---------------|", "|"};
    if (blank == "+")
        return {"*" + dashes + "*", "|---------------:---------------:---------------|", "|"};
    if (blank == "|")
        return {"*" + dashes + "*", ":---------------+---------------+---------------:", ":"};
    if (blank == "-")
        return {"*" + std::string(47, '~') + "*",
                "|~~~~~~~~~~~~~~~+~~~~~~~~~~~~~~~+~~~~~~~~~~~~~~~|", "|"};
    return {"*" + dashes + "*", "|---------------+---------------+---------------|", "|"};
}

const CopyCell &cellAt(const CopyBoard &board, int row, int col)
{
    return board[std::size_t((row - 1) * 9 + (col - 1))];
}

// A field of `width` with `text` right-aligned; `text` counts as one character per code
// point (a blank such as "？" is one character wide in the layout).
std::string rightAligned(std::string_view text, std::size_t width)
{
    const std::size_t length = decodeUtf8(text).size();
    return std::string(length < width ? width - length : 0, ' ') + std::string(text);
}

std::vector<std::string> noCandidateLines(const CopyBoard &board, std::string_view blank)
{
    const Frame frame = noCandidateFrame(blank);
    std::vector<std::string> lines{frame.border};
    for (int row = 1; row <= 9; ++row) {
        std::string line = frame.bar;
        for (int col = 1; col <= 9; ++col) {
            line += rightAligned(cellSymbol(cellAt(board, row, col), blank), 5);
            if (col % 3 == 0)
                line += frame.bar;
        }
        lines.push_back(std::move(line));
        if (row == 3 || row == 6)
            lines.push_back(frame.separator);
    }
    lines.push_back(frame.border);
    return lines;
}

std::vector<std::string> symbolLines(const CopyBoard &board, std::string_view blank, bool oneLine)
{
    std::vector<std::string> lines;
    std::string all;
    for (int row = 1; row <= 9; ++row) {
        std::string line;
        for (int col = 1; col <= 9; ++col)
            line += cellSymbol(cellAt(board, row, col), blank);
        if (oneLine)
            all += line;
        else
            lines.push_back(std::move(line));
    }
    if (oneLine)
        lines.push_back(std::move(all));
    return lines;
}

bool isRowLine(std::size_t index)
{
    // Lines 0, 4, 8 and 12 are the border and separator lines.
    return index % 4 != 0;
}

// One scan from the right; true when it deleted anything. Positions are 1-based as the
// layout is drawn: position a is index a - 1.
bool compactionScan(std::vector<std::string> &lines)
{
    bool deleted = false;
    auto spacesAround = [&](std::size_t a) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!isRowLine(i))
                continue;
            const std::string &line = lines[i];
            if (a + 1 > line.size() || line[a - 2] != ' ' || line[a - 1] != ' ' || line[a] != ' ')
                return false;
        }
        return true;
    };
    const std::size_t length = lines.front().size();
    for (std::size_t a = length - 3; a >= 3; --a) {
        if (!spacesAround(a))
            continue;
        for (std::string &line : lines)
            if (a <= line.size())
                line.erase(a - 1, 1);
        deleted = true;
    }
    return deleted;
}

} // namespace

std::string blankCharacter(std::string_view chooserText)
{
    const std::u32string chars = decodeUtf8(chooserText);
    const std::u32string_view kept = trimWhiteSpace(chars);
    return kept.size() == 1 ? encodeUtf8(kept.front()) : std::string(".");
}

std::string cellSymbol(const CopyCell &cell, std::string_view blank)
{
    if (cell.state != CellState::Open && isDigitChar(cell.hxs))
        return cell.hxs;
    return std::string(blank);
}

std::vector<std::string> candidateFrame(const CopyBoard &board)
{
    std::vector<std::string> lines{"*" + std::string(92, '-') + "*"};
    const std::string box(30, '-');
    for (int row = 1; row <= 9; ++row) {
        std::string line = "|";
        for (int col = 1; col <= 9; ++col) {
            const std::string &hxs = cellAt(board, row, col).hxs;
            line += rightAligned(hxs.empty() ? std::string_view(".") : std::string_view(hxs), 10);
            if (col % 3 == 0)
                line += "|";
        }
        lines.push_back(std::move(line));
        if (row == 3 || row == 6)
            lines.push_back("|" + box + "+" + box + "+" + box + "|");
    }
    lines.push_back(lines.front());
    return lines;
}

void compactCandidateFrame(std::vector<std::string> &lines)
{
    // WARNING: a cell text longer than its field would make the row lines longer than the
    // border; every line is checked against its own length, never the first line's.
    if (lines.size() != 13 || lines.front().size() < 6)
        return;
    while (compactionScan(lines)) { }
}

std::vector<std::string> renderCopyLayout(const CopyBoard &board, CopyLayout layout,
                                          std::string_view blank)
{
    switch (layout) {
    case CopyLayout::NoCandidate:
        return noCandidateLines(board, blank);
    case CopyLayout::WithCandidates: {
        std::vector<std::string> lines = candidateFrame(board);
        compactCandidateFrame(lines);
        return lines;
    }
    case CopyLayout::NineByNine:
        return symbolLines(board, blank, false);
    case CopyLayout::OneByEightyOne:
        return symbolLines(board, blank, true);
    }
    return {};
}

} // namespace kestrel
