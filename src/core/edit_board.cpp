#include "core/edit_board.hpp"

#include <cstddef>

namespace kestrel {

namespace {

constexpr Colour kErrorColour = 0x000000FF; // red
constexpr std::size_t kMaxTextLength = 9;

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

/// Number of characters (UTF-8 code points) of `s`; a pasted "é" is one character, like "5".
std::size_t characterCount(std::string_view s)
{
    std::size_t n = 0;
    for (char c : s)
        if (!isContinuationByte(c))
            ++n;
    return n;
}

/// The first `count` characters of `s`, never splitting a code point.
std::string_view firstCharacters(std::string_view s, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!isContinuationByte(s[i])) {
            if (seen == count)
                return s.substr(0, i);
            ++seen;
        }
    }
    return s;
}

bool hasOneCharacter(const std::string &text)
{
    return characterCount(text) == 1;
}

/// Cell B takes part in A's conflict check when it is in A's row at another column, in A's
/// column at another row, or in A's box at another row: together exactly the 20 peers.
bool seesForConflict(const TSD33::TNode &a, const TSD33::TNode &b)
{
    return (b.row == a.row && b.col != a.col) || (b.col == a.col && b.row != a.row)
        || (boxOf(b.row, b.col) == boxOf(a.row, a.col) && b.row != a.row);
}

Colour boxColour(const TSD33 &board, int row, int col)
{
    return boxOf(row, col) % 2 == 0 ? board.UNFoucsColor2 : board.UNFoucsColor1;
}

} // namespace

TSD33::TSD33()
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TNode &node = cell(r, c);
            node.row = r;
            node.col = c;
            node.isError = false;
            node.state = 2;
            node.color = boxColour(*this, r, c);
        }
    }
    setWidth2(442);
    layoutAndPaint();
}

void TSD33::setWidth2(int width)
{
    m_width2 = width;
    // One-pixel gaps between cells, three after columns and rows 3 and 6; the gaps show the
    // board's background and the grid lines painted on it.
    const int pitch = m_width2 / 9;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TNode &node = cell(r, c);
            node.left = (c - 1) * pitch + 1;
            node.top = (r - 1) * pitch + 1;
            node.width = (c == 3 || c == 6) ? pitch - 3 : pitch - 1;
            node.height = (r == 3 || r == 6) ? pitch - 3 : pitch - 1;
        }
    }
}

void TSD33::layoutAndPaint()
{
    setWidth2(m_width2);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TNode &node = cell(r, c);
            node.color = node.isError ? kErrorColour : boxColour(*this, r, c);
            if (node.state == 1) {
                node.fontSize = FONTSize1;
                node.fontColor = FONTColor1;
                node.readOnly = true;
            } else if (hasOneCharacter(node.text)) {
                node.fontSize = FONTSize2;
                node.fontColor = FONTColor2;
                node.readOnly = false;
            } else {
                node.fontSize = FONTSize3;
                node.fontColor = FONTColor3;
                node.readOnly = false;
            }
        }
    }
}

std::optional<std::pair<CellPos, CellPos>> TSD33::findConflict() const
{
    for (int ar = 1; ar <= 9; ++ar) {
        for (int ac = 1; ac <= 9; ++ac) {
            const TNode &a = cell(ar, ac);
            // Only a one-character cell starts a pair; its partner needs the same text and
            // nothing else (a "12" cell can still be nobody's partner, since A has one
            // character). State plays no part on this board.
            if (!hasOneCharacter(a.text))
                continue;
            // WARNING: the scan over B runs to the end; the partner is the last match in
            // row-major order, as on the interactive board.
            std::optional<std::pair<CellPos, CellPos>> pair;
            for (int br = 1; br <= 9; ++br) {
                for (int bc = 1; bc <= 9; ++bc) {
                    const TNode &b = cell(br, bc);
                    if (seesForConflict(a, b) && a.text == b.text)
                        pair = std::pair{CellPos{ar, ac}, CellPos{br, bc}};
                }
            }
            if (pair)
                return pair;
        }
    }
    return std::nullopt;
}

void TSD33::markConflicts()
{
    const auto pair = findConflict();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            cell(r, c).isError = false;
    if (pair) {
        cell(pair->first.row, pair->first.col).isError = true;
        cell(pair->second.row, pair->second.col).isError = true;
    }
}

bool TSD33::isValid() const
{
    return !findConflict().has_value();
}

void TSD33::setCellText(int row, int col, std::string_view text)
{
    cell(row, col).text = std::string(firstCharacters(text, kMaxTextLength));
    onCellChange();
}

void TSD33::onCellChange()
{
    markConflicts();
    layoutAndPaint();
}

bool TSD33::acceptsKey(char32_t key)
{
    return (key >= U'1' && key <= U'9') || key == U'.' || key == 8;
}

} // namespace kestrel
