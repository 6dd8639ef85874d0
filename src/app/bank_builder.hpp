#pragma once
// Building and checking the puzzle bank: the level rule, the puzzle generator, the key that
// finds disguised copies of a puzzle, and the check of one bank line. Used by
// `kestrel-tool bank` and `kestrel-tool check-bank`; the game itself only draws from the bank.

#include "logic/hint_tool.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

class RandomSource;

/// Least number of givens of a Very Easy puzzle.
inline constexpr int kVeryEasyMinGivens = 32;

/// The level (0 Very Easy .. 4 Diabolical) of a puzzle with `givens` givens that the hint
/// engine graded as `grade`; nothing when the engine did not solve it. The rule is the table
/// in bank_builder.cpp.
std::optional<int> levelFor(const GradeResult &grade, int givens);

/// Which givens the generator removes together.
enum class Symmetry {
    None, ///< one cell at a time
    Rotational, ///< a cell and its image under a half turn of the grid
};

/// How the generator builds a puzzle.
struct GeneratorOptions
{
    Symmetry symmetry = Symmetry::None;
    /// Removal never goes below this many givens; 0 lets it run until no given can go.
    int minGivens = 0;
};

/// A random complete solution grid: 81 digits "1".."9", row-major.
std::string randomSolutionGrid(RandomSource &random);

/// Generates a puzzle with exactly one solution and returns it as a bank line. Givens are
/// removed from a random solution grid in random order, each removal kept only while the
/// solution stays unique, so without a `minGivens` floor the puzzle is minimal (no given can
/// go; with Rotational symmetry, no symmetric pair can go).
std::string generateBankLine(RandomSource &random, const GeneratorOptions &options = {});

/// The givens of a bank line as a puzzle: "1".."9" given, "." open.
std::string bankLinePuzzle(std::string_view line);

/// Number of givens ("1".."9") of a bank line or puzzle.
int givenCount(std::string_view line);

/// A key that is equal for two puzzles exactly when one turns into the other by row swaps
/// inside bands, column swaps inside stacks and a relabelling of digits (the moves of the
/// game's shuffle). Only the givens count ("1".."9"; every other character is open), so a bank
/// line and its puzzle have the same key. 81 characters "0".."9".
std::string canonicalKey(std::string_view bankLine);

/// Checks one line of the bank list of `level`: 81 characters "1".."9" / "A".."I", the digits
/// and letters form a valid solution grid, the givens have exactly that one solution, the hint
/// engine solves the puzzle, and levelFor puts it on `level`. Returns what is wrong, or nothing.
/// When `grade` is given it receives the engine's grade (left untouched when the line fails
/// before grading).
std::optional<std::string> checkBankLine(std::string_view line, int level,
                                         GradeResult *grade = nullptr);

} // namespace kestrel
