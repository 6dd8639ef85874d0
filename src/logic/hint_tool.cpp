#include "logic/hint_tool.hpp"

#include "core/board.hpp"
#include "logic/hint_session.hpp"

#include <memory>

namespace kestrel {

namespace {

// Far more presses than any puzzle needs: each shown hint places a digit or removes at least
// one candidate, so a run ends after at most 81 * 9 hints.
constexpr int kMaxPresses = 4 * 81 * 9;

bool isFinalText(std::string_view text)
{
    return text == kHintSolvedText || text == kHintStuckText || text == kHintNoSolutionText;
}

/// A board of givens; open cells are empty (the engine ignores marks in Pencil and Paper).
bool putOnBoard(TPICSD33 &board, std::string_view puzzle81)
{
    if (puzzle81.size() != 81)
        return false;
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const char ch = puzzle81[(row - 1) * 9 + col - 1];
            TPicNode &cell = board.cell(row, col);
            if (ch >= '1' && ch <= '9') {
                cell.state = CellState::Given;
                cell.hxs = std::string(1, ch);
            } else {
                cell.state = CellState::Open;
                cell.hxs.clear();
            }
        }
    }
    return true;
}

struct Run
{
    std::unique_ptr<TPICSD33> board = std::make_unique<TPICSD33>();
    std::unique_ptr<Tfrmsolover> engine;
    std::vector<std::string> texts;
};

/// Presses the hint button until the engine stops; texts collects every hint shown.
bool runEngine(Run &run, std::string_view puzzle81, bool firstOnly)
{
    if (!putOnBoard(*run.board, puzzle81))
        return false;
    run.engine = std::make_unique<Tfrmsolover>(*run.board);
    run.engine->isPencilAndPaperMode = [] {
        return true;
    };
    run.engine->openWindow();
    for (int press = 0; press < kMaxPresses; ++press) {
        run.texts.push_back(run.engine->memoText);
        if (firstOnly || isFinalText(run.engine->memoText))
            break;
        run.engine->bthintClick(); // carry the hint out
        run.engine->bthintClick(); // ask for the next one
    }
    return true;
}

} // namespace

std::string_view gradeStatusName(GradeStatus status) noexcept
{
    switch (status) {
    case GradeStatus::Solved:
        return "solved";
    case GradeStatus::Stuck:
        return "stuck";
    case GradeStatus::NoSolution:
        return "nosolution";
    case GradeStatus::InvalidInput:
        break;
    }
    return "invalid";
}

std::string hintTextOnOneLine(std::string_view text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += " / ";
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

std::vector<std::string> hintSequence(std::string_view puzzle81)
{
    Run run;
    if (!runEngine(run, puzzle81, false))
        return {};
    return run.texts;
}

std::string firstHintLine(std::string_view puzzle81)
{
    Run run;
    if (!runEngine(run, puzzle81, true))
        return {};
    return hintTextOnOneLine(run.texts.front());
}

GradeResult gradePuzzle(std::string_view puzzle81)
{
    GradeResult result;
    Run run;
    if (!runEngine(run, puzzle81, false))
        return result;
    const std::string &last = run.texts.back();
    result.status = last == kHintSolvedText ? GradeStatus::Solved
        : last == kHintStuckText            ? GradeStatus::Stuck
                                            : GradeStatus::NoSolution;
    result.difficultyScore = run.engine->engine().difficultyScore();
    result.techniqueCount = run.engine->engine().techniqueCount();
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const TPicNode &cell = run.board->cell(row, col);
            result.cells
                += cell.state != CellState::Open && cell.hxs.size() == 1 ? cell.hxs[0] : '.';
        }
    }
    return result;
}

} // namespace kestrel
