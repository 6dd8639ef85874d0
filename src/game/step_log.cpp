#include "game/step_log.hpp"

#include "core/board.hpp"
#include "core/digit_strings.hpp"

#include <algorithm>

namespace kestrel {

std::string takeSnapshot(const TPICSD33 &board)
{
    std::string out;
    out.reserve(81 * 4);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            out += static_cast<char>('0' + static_cast<int>(cell.state));
            out += cell.hxs;
            if (r != 9 || c != 9)
                out += ',';
        }
    }
    return out;
}

namespace {

bool isBlank(char ch)
{
    return static_cast<unsigned char>(ch) <= 32;
}

// The one reading of a snapshot, shared by the check and the loader: fields are cut at each
// ",", and the blanks (spaces, tabs, line-end leftovers) before and after a field are not part
// of it. A blank inside a field stays, so such a field fails the check.
std::vector<std::string_view> snapshotFields(std::string_view snapshot)
{
    std::vector<std::string_view> fields;
    fields.reserve(81);
    while (true) {
        const auto comma = snapshot.find(',');
        fields.push_back(trimmed(snapshot.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        snapshot.remove_prefix(comma + 1);
    }
    return fields;
}

bool isValidField(std::string_view field)
{
    if (field.empty() || field[0] < '1' || field[0] > '3')
        return false;
    const std::string_view digits = field.substr(1);
    if (!std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '1' && ch <= '9'; }))
        return false;
    if (sortedDigits(digits).size() != digits.size())
        return false; // a repeated digit
    return field[0] == '3' || digits.size() == 1;
}

} // namespace

void applySnapshot(TPICSD33 &board, std::string_view snapshot)
{
    const std::vector<std::string_view> fields = snapshotFields(snapshot);
    for (int i = 0; i < 81; ++i) {
        const std::string_view field = static_cast<std::size_t>(i) < fields.size()
            ? fields[static_cast<std::size_t>(i)]
            : std::string_view();
        TPicNode &cell = board.cell(i / 9 + 1, i % 9 + 1);
        // Snapshots are checked before they reach a board; an empty field leaves an open
        // cell rather than an impossible state.
        const bool known = !field.empty() && field[0] >= '1' && field[0] <= '3';
        cell.state = known ? static_cast<CellState>(field[0] - '0') : CellState::Open;
        cell.hxs = field.empty() ? std::string() : std::string(field.substr(1));
    }
}

bool isValidSnapshot(std::string_view snapshot)
{
    const std::vector<std::string_view> fields = snapshotFields(snapshot);
    return fields.size() == 81 && std::all_of(fields.begin(), fields.end(), isValidField);
}

std::string writtenSnapshot(std::string_view snapshot)
{
    std::string out;
    out.reserve(snapshot.size());
    for (const std::string_view field : snapshotFields(snapshot)) {
        if (!out.empty())
            out += ',';
        out += field;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------

bool StepLog::record(const std::string &snapshot)
{
    if (m_current >= 0 && m_current <= lastIndex()
        && m_lines[static_cast<std::size_t>(m_current)] == snapshot)
        return false;
    m_lines.resize(static_cast<std::size_t>(m_current + 1));
    m_lines.push_back(snapshot);
    m_current = lastIndex();
    return true;
}

void StepLog::reset(const std::string &snapshot)
{
    m_lines.assign(1, snapshot);
    m_current = 0;
}

void StepLog::load(std::vector<std::string> lines)
{
    m_lines = std::move(lines);
    if (m_lines.empty())
        m_lines.emplace_back(kPlaceholder);
    m_current = lastIndex();
}

void StepLog::moveTo(int index)
{
    m_current = std::clamp(index, 0, lastIndex());
}

void StepLog::removeLast()
{
    if (m_lines.size() > 1)
        m_lines.pop_back();
    m_current = std::min(m_current, lastIndex());
}

bool StepLog::canGoBack() const
{
    return m_current != 0 && m_lines.front() != kPlaceholder;
}

// ---------------------------------------------------------------------------------------------

std::vector<std::string> gameFileLines(const GameFile &game)
{
    std::vector<std::string> lines;
    lines.reserve(game.steps.size() + 2);
    lines.push_back(std::to_string(levelNumber(game.level)) + " " + game.givens);
    lines.push_back(game.solution);
    lines.insert(lines.end(), game.steps.begin(), game.steps.end());
    return lines;
}

GameFileReading parseGameFile(const std::vector<std::string> &lines)
{
    GameFileReading reading;
    auto fail = [&reading](GameFileProblem problem, int line) {
        reading.problem = problem;
        reading.line = line;
        return reading;
    };
    if (lines.size() < 3)
        return fail(GameFileProblem::TooFewLines, static_cast<int>(lines.size()));

    // Every line is read without the blanks around it; the level and the givens are parted
    // by one or more blanks.
    const std::string_view first = trimmed(lines[0]);
    if (first.size() < 2 || first[0] < '0' || first[0] > '5' || !isBlank(first[1]))
        return fail(GameFileProblem::BadLevel, 1);
    const std::string_view givens = trimmed(first.substr(2));
    if (givens.size() != 81 || !std::all_of(givens.begin(), givens.end(), [](char ch) {
            return ch >= '0' && ch <= '9';
        }))
        return fail(GameFileProblem::BadGivens, 1);

    const std::string_view solution = trimmed(lines[1]);
    if (!solution.empty()
        && (solution.size() != 81 || !std::all_of(solution.begin(), solution.end(), [](char ch) {
                return ch >= '1' && ch <= '9';
            })))
        return fail(GameFileProblem::BadSolution, 2);

    for (std::size_t i = 2; i < lines.size(); ++i)
        if (!isValidSnapshot(lines[i]))
            return fail(GameFileProblem::BadStep, static_cast<int>(i) + 1);

    GameFile game;
    game.level = static_cast<Level>(first[0] - '0'); // 0..5 checked above
    game.givens = std::string(givens);
    game.solution = std::string(solution);
    // The steps are kept as the program writes them, so that a step read from a hand-edited
    // file equals the same board taken again.
    game.steps.reserve(lines.size() - 2);
    for (std::size_t i = 2; i < lines.size(); ++i)
        game.steps.push_back(writtenSnapshot(lines[i]));
    reading.file = std::move(game);
    return reading;
}

} // namespace kestrel
