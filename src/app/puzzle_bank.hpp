#pragma once
// The built-in puzzle bank: one list of bank lines per level. A bank line holds 81
// characters, row-major: "1".."9" a given with that digit, "A".."I" an open cell whose
// solution digit is the letter's place in the alphabet. So every line carries its solution.

#include <string_view>
#include <vector>

namespace kestrel {

class RandomSource;

/// Number of levels in the bank: 0 Very Easy, 1 Gentle, 2 Moderate, 3 Tough, 4 Diabolical.
inline constexpr int kBankLevels = 5;

class PuzzleBank
{
public:
    /// The bank shipped inside the program (parsed once, on first use).
    static const PuzzleBank &shipped();

    /// Builds a bank from the text of each level's list (lines separated by LF or CR LF;
    /// blank lines and lines starting with "#" are skipped). The views must outlive the bank.
    explicit PuzzleBank(const std::vector<std::string_view> &levelTexts);

    /// The lines of `level` (0..4).
    const std::vector<std::string_view> &lines(int level) const;

    /// The line to draw for `level`: uniform over the list except that the last line is never
    /// chosen (a draw of it takes the line before). A one-line list gives its only line.
    std::string_view draw(int level, RandomSource &random) const;

    /// The index rule behind draw(): r drawn from 0..count-1, r = count-1 becomes count-2.
    static int drawIndex(int count, RandomSource &random);

private:
    std::vector<std::vector<std::string_view>> m_levels;
};

} // namespace kestrel
