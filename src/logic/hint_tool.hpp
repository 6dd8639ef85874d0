#pragma once
// The hint engine run without a window or a board, for the command-line tool, the bank and the
// golden tests: the engine loads a puzzle's values (as in Pencil and Paper mode), and each hint
// is carried out before the next one is asked for, until the engine stops.

#include "logic/hint_engine.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

/// How the engine stopped on a puzzle.
enum class GradeStatus {
    Solved, ///< every cell holds a value ("已全部解答完成!")
    Stuck, ///< the ladder found nothing more (the forum text)
    NoSolution, ///< an open cell lost its last candidate ("无解!")
    SeveralSolutions, ///< full ladder only: stuck, and the puzzle has several solutions
    InvalidInput, ///< the puzzle text is not 81 characters
};

/// Result of grading a puzzle with the hint engine.
struct GradeResult
{
    GradeStatus status = GradeStatus::InvalidInput;
    int difficultyScore = 0;
    std::string cells; ///< 81 characters after the engine stopped: "1".."9", "." for open
    std::array<int, HintEngine::kTechniqueSlots> techniqueCount{}; ///< applications per slot
    /// Applications of each second-ladder technique (all zero on the described ladder).
    std::array<int, kFullTechniqueCount> fullTechniqueCount{};
    std::string_view hardestTechnique = "none"; ///< name of the heaviest technique used

    /// How often the engine applied `technique`.
    int timesUsed(HintTechnique technique) const
    {
        return techniqueCount[static_cast<std::size_t>(technique)];
    }
};

/// Name of a status for reports: "solved", "stuck", "nosolution", "several", "invalid".
std::string_view gradeStatusName(GradeStatus status) noexcept;

/// Writes a hint text on one line: every CR LF becomes " / ".
std::string hintTextOnOneLine(std::string_view text);

/// Every hint text the engine shows for `puzzle81` (81 characters, "1".."9" givens, anything
/// else an open cell), from the first step until the solved, stuck or no-solution text, which
/// is the last entry; each hint is carried out before the next one is asked for. Empty for a
/// text that is not 81 characters long.
std::vector<std::string> hintSequence(std::string_view puzzle81);

/// The first hint's text for `puzzle81` on one line; empty when the text is not 81 characters.
std::string firstHintLine(std::string_view puzzle81);

/// Runs the engine on `puzzle81` until it stops and reports how it stopped, the score, the
/// cells and the technique counters. `ladder` chooses the techniques (the bank and the plain
/// grade use the described ladder alone).
GradeResult gradePuzzle(std::string_view puzzle81, HintLadder ladder = HintLadder::Described);

} // namespace kestrel
