#include "exchange/import_text.hpp"

#include "core/board.hpp"
#include "exchange/code_points.hpp"

#include <algorithm>

namespace kestrel {

namespace {

constexpr std::array<char32_t, 11> kMarkers
    = {U'.', U'*', U'_', U'-', U'`', U',', U'x', U'X', U'?', U'~', U'\uFF1F'};

bool isClueDigit(char32_t ch)
{
    return ch >= U'1' && ch <= U'9';
}

std::u32string withoutWhiteSpace(std::u32string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (const char32_t ch : text)
        if (!isWhiteSpace(ch))
            out.push_back(ch);
    return out;
}

int clueCount(std::u32string_view text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), isClueDigit));
}

// The first marker that occurs exactly `blanks` times in `significant`.
std::optional<char32_t> markerFor(std::u32string_view significant, int blanks)
{
    for (const char32_t marker : kMarkers)
        if (std::count(significant.begin(), significant.end(), marker) == blanks)
            return marker;
    return std::nullopt;
}

// The 81-character rule: character k of `p` decides cell k (a clue digit is a clue, anything
// else, or nothing past the end, an open cell); then every open cell gets its allowedHxs.
ImportedBoard byCharacters(std::u32string_view p)
{
    TPICSD33 board;
    for (int k = 0; k < 81; ++k) {
        TPicNode &cell = board.cell(k / 9 + 1, k % 9 + 1);
        const char32_t ch = std::size_t(k) < p.size() ? p[std::size_t(k)] : U' ';
        if (isClueDigit(ch)) {
            cell.state = CellState::Placed;
            cell.hxs = std::string(1, static_cast<char>(ch));
        } else {
            cell.state = CellState::Open;
            cell.hxs.clear();
        }
    }
    ImportedBoard cells;
    for (int k = 0; k < 81; ++k) {
        const int row = k / 9 + 1;
        const int col = k % 9 + 1;
        const TPicNode &cell = board.cell(row, col);
        cells[std::size_t(k)]
            = {cell.state, cell.state == CellState::Open ? board.allowedHxs(row, col) : cell.hxs};
    }
    return cells;
}

ImportedBoard byMarker(std::u32string_view significant)
{
    const int blanks = 81 - clueCount(significant);
    // Recognition has found a marker; a text without blanks and without "." takes ".".
    const char32_t marker = markerFor(significant, blanks).value_or(U'.');
    std::u32string p;
    for (const char32_t ch : significant)
        if (isClueDigit(ch) || ch == marker)
            p.push_back(ch);
    return byCharacters(p);
}

ImportedCell cellOfGroup(const std::string &group)
{
    if (group.size() == 1)
        return {CellState::Placed, group};
    return {CellState::Open, group};
}

// Every run of clue digits is a group; any other character (a "0" too) separates groups, and
// runs of separators count as one.
ImportedBoard byGroups(std::u32string_view text)
{
    std::vector<std::string> groups;
    std::string current;
    for (const char32_t ch : text) {
        if (isClueDigit(ch)) {
            current += static_cast<char>(ch);
        } else if (!current.empty()) {
            groups.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty())
        groups.push_back(std::move(current));

    ImportedBoard cells;
    const std::size_t n = groups.size();
    if (n >= 81) {
        for (std::size_t k = 0; k < 81; ++k)
            cells[k] = cellOfGroup(groups[k]);
    } else if (n > 0) {
        // Fewer groups: the last one still goes to the last cell, the cells between stay
        // without text.
        for (std::size_t k = 0; k + 1 < n; ++k)
            cells[k] = cellOfGroup(groups[k]);
        cells[80] = cellOfGroup(groups[n - 1]);
    }
    return cells;
}

} // namespace

const std::array<char32_t, 11> &blankMarkers()
{
    return kMarkers;
}

std::vector<std::string> splitImportLines(std::string_view text)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += ch;
        }
    }
    return lines;
}

std::string joinImportLines(const std::vector<std::string> &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

ImportFormat recogniseImport(std::string_view text)
{
    const std::u32string chars = decodeUtf8(text);
    if (trimWhiteSpace(chars).size() == 81)
        return ImportFormat::String81;
    const std::u32string significant = withoutWhiteSpace(chars);
    if (significant.size() == 81)
        return ImportFormat::Rows;
    const int clues = clueCount(significant);
    if (clues >= 82)
        return ImportFormat::Candidates;
    if (markerFor(significant, 81 - clues))
        return ImportFormat::Bordered;
    return ImportFormat::Invalid;
}

std::optional<ImportedBoard> parseImport(std::string_view text, ImportFormat format)
{
    const std::u32string chars = decodeUtf8(text);
    switch (format) {
    case ImportFormat::String81:
        return byCharacters(trimWhiteSpace(chars));
    case ImportFormat::Rows:
        return byCharacters(withoutWhiteSpace(chars));
    case ImportFormat::Bordered:
        return byMarker(withoutWhiteSpace(chars));
    case ImportFormat::Candidates:
        return byGroups(chars);
    case ImportFormat::Invalid:
        break;
    }
    return std::nullopt;
}

std::optional<ImportResult> readImportText(std::string_view text)
{
    const ImportFormat format = recogniseImport(text);
    std::optional<ImportedBoard> cells = parseImport(text, format);
    if (!cells)
        return std::nullopt;
    return ImportResult{format, std::move(*cells)};
}

void fillCreateBoard(TPICSD33 &board, const ImportedBoard &cells)
{
    for (int k = 0; k < 81; ++k) {
        TPicNode &cell = board.cell(k / 9 + 1, k % 9 + 1);
        cell.state = cells[std::size_t(k)].state;
        cell.hxs = cells[std::size_t(k)].hxs;
    }
}

} // namespace kestrel
