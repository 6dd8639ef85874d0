#include "logic/hint_tool.hpp"

#include <cassert>
#include <memory>

namespace kestrel {

namespace {

// Far more steps than any puzzle needs: each hint places a digit or removes at least one
// candidate, so a run ends after at most 81 * 10 hints.
constexpr int kMaxSteps = 4 * 81 * 9;

/// Whether a run stops after the first hint or goes on until the engine stops.
enum class RunLength { FirstHint, UntilStopped };

struct Run
{
    // On the heap: the engine's chain tables are large.
    std::unique_ptr<HintEngine> engine = std::make_unique<HintEngine>();
    std::vector<std::string> texts; ///< the text of every step
    HintOutcome outcome = HintOutcome::Found; ///< how the last step ended
};

/// Loads the puzzle's values and asks for hints, carrying each one out, until the engine
/// stops (or after the first, for RunLength::FirstHint). False for a text that is not 81
/// characters long.
bool runEngine(Run &run, std::string_view puzzle81, RunLength length,
               HintLadder ladder = HintLadder::Described)
{
    run.engine->setLadder(ladder);
    if (!run.engine->loadPuzzle(puzzle81))
        return false;
    for (int step = 0; step < kMaxSteps; ++step) {
        run.outcome = run.engine->findNextHint();
        run.texts.push_back(run.engine->text());
        if (length == RunLength::FirstHint || run.outcome != HintOutcome::Found)
            break;
        run.engine->carryOut();
    }
    return true;
}

GradeStatus gradeStatus(HintOutcome outcome)
{
    switch (outcome) {
    case HintOutcome::Solved:
        return GradeStatus::Solved;
    case HintOutcome::Stuck:
        return GradeStatus::Stuck;
    case HintOutcome::NoSolution:
        return GradeStatus::NoSolution;
    case HintOutcome::SeveralSolutions:
        return GradeStatus::SeveralSolutions;
    case HintOutcome::Found:
        break;
    }
    // Only a run that hit kMaxSteps ends on a hint, and none can (see kMaxSteps).
    assert(false);
    return GradeStatus::NoSolution;
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
    case GradeStatus::SeveralSolutions:
        return "several";
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
    if (!runEngine(run, puzzle81, RunLength::UntilStopped))
        return {};
    return run.texts;
}

std::string firstHintLine(std::string_view puzzle81)
{
    Run run;
    if (!runEngine(run, puzzle81, RunLength::FirstHint))
        return {};
    return hintTextOnOneLine(run.texts.front());
}

GradeResult gradePuzzle(std::string_view puzzle81, HintLadder ladder)
{
    GradeResult result;
    Run run;
    if (!runEngine(run, puzzle81, RunLength::UntilStopped, ladder))
        return result;
    result.fullTechniqueCount = run.engine->fullTechniqueCount();
    result.hardestTechnique = run.engine->hardestTechniqueName();
    result.status = gradeStatus(run.outcome);
    result.difficultyScore = run.engine->difficultyScore();
    result.techniqueCount = run.engine->techniqueCount();
    result.cells = run.engine->valuesText();
    return result;
}

} // namespace kestrel
