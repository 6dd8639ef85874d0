#pragma once
// What a cell of a board holds, and the level of a puzzle: the small values every room
// shares. Their numbers are the ones the game files and the board snapshots store; convert
// with `static_cast` only where a file is read or written.

namespace kestrel {

/// What a cell holds: a given of the puzzle, a digit the player placed, or candidates.
enum class CellState { Given = 1, Placed = 2, Open = 3 };

/// Level of a puzzle: the five bank levels, and Unknown for a loaded or typed puzzle.
enum class Level { VeryEasy = 0, Gentle = 1, Moderate = 2, Tough = 3, Diabolical = 4, Unknown = 5 };

/// Number of levels the bank draws from (Very Easy .. Diabolical).
inline constexpr int kBankLevelCount = 5;

/// The level of a stored number; anything outside 0..4 is Unknown.
constexpr Level levelFromNumber(int number) noexcept
{
    return number >= 0 && number <= 4 ? static_cast<Level>(number) : Level::Unknown;
}

/// The number a game file stores for `level` (0..5).
constexpr int levelNumber(Level level) noexcept
{
    return static_cast<int>(level);
}

} // namespace kestrel
