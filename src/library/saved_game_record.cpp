#include "library/saved_game_record.hpp"

#include "core/board.hpp"
#include "core/digit_strings.hpp"

namespace kestrel {

namespace {

constexpr std::size_t kFieldWidth = 10;

bool isSolutionText(std::string_view text)
{
    if (text.size() != 81)
        return false;
    for (const char ch : text) {
        if (ch < '1' || ch > '9')
            return false;
    }
    return true;
}

// The `hxs` of a field fits its state: one digit 1..9 for a given or placed cell, distinct
// digits 1..9 (possibly none) for an open one.
bool fitsState(CellState state, std::string_view hxs)
{
    if (state != CellState::Open)
        return isDigitChar(hxs);
    unsigned seen = 0;
    for (const char ch : hxs) {
        if (ch < '1' || ch > '9')
            return false;
        const unsigned bit = 1u << (ch - '0');
        if ((seen & bit) != 0)
            return false;
        seen |= bit;
    }
    return true;
}

// One field of a row line; a field cut short by the end of the line (an editor that drops
// trailing blanks) still reads, a field that is not there at all does not.
SavedCell readField(std::string_view rowLine, int col)
{
    SavedCell cell;
    const std::size_t start = static_cast<std::size_t>(col - 1) * kFieldWidth;
    if (start >= rowLine.size())
        return cell;
    const std::string_view field = rowLine.substr(start, kFieldWidth);
    const char stateChar = field[0];
    if (stateChar < '1' || stateChar > '3')
        return cell;
    const auto state = static_cast<CellState>(stateChar - '0');
    const std::string_view hxs = trimmed(field.substr(1));
    if (!fitsState(state, hxs))
        return cell;
    cell.state = state;
    cell.hxs = std::string(hxs);
    cell.readable = true;
    return cell;
}

} // namespace

std::string recordRowLine(const TPICSD33 &board, int row)
{
    std::string line;
    line.reserve(9 * kFieldWidth);
    for (int col = 1; col <= 9; ++col) {
        const TPicNode &cell = board.cell(row, col);
        // A board never holds more than nine digits in a cell; the cut only keeps a broken
        // cell from shifting the columns after it.
        std::string field
            = std::to_string(static_cast<int>(cell.state)) + cell.hxs.substr(0, kFieldWidth - 1);
        field.resize(kFieldWidth, ' ');
        line += field;
    }
    return line;
}

std::vector<std::string> makeRecord(std::string_view name, int level, std::string_view solution,
                                    const TPICSD33 &board)
{
    std::vector<std::string> record;
    record.reserve(kRecordLineCount);
    record.push_back(std::string(kRecordNamePrefix) + std::string(name));
    record.push_back(std::to_string(level) + " " + std::string(solution));
    for (int row = 1; row <= 9; ++row)
        record.push_back(recordRowLine(board, row));
    record.emplace_back();
    record.emplace_back();
    return record;
}

RecordReading readRecord(const std::vector<std::string> &lines, int position)
{
    RecordReading reading;
    auto lineAt = [&](int offset) -> const std::string * {
        const std::size_t index = static_cast<std::size_t>(position - 1 + offset);
        return position >= 1 && index < lines.size() ? &lines[index] : nullptr;
    };

    if (const std::string *levelLine = lineAt(1)) {
        const std::string_view text = *levelLine;
        if (!text.empty() && text[0] >= '0' && text[0] <= '9')
            reading.board.levelDigit = text[0] - '0';
        else
            reading.levelUnreadable = true;
        const std::string_view solution
            = text.size() > 2 ? trimmed(text.substr(2, 81)) : std::string_view();
        if (isSolutionText(solution))
            reading.board.solution = std::string(solution);
        else if (!solution.empty())
            reading.solutionUnreadable = true;
    } else {
        reading.levelUnreadable = true;
    }

    for (int row = 1; row <= 9; ++row) {
        const std::string *rowLine = lineAt(1 + row);
        for (int col = 1; col <= 9; ++col) {
            SavedCell cell = rowLine ? readField(*rowLine, col) : SavedCell{};
            if (!cell.readable)
                reading.unreadableCells.push_back({row, col});
            reading.board.cells[static_cast<std::size_t>((row - 1) * 9 + (col - 1))]
                = std::move(cell);
        }
    }
    return reading;
}

} // namespace kestrel
