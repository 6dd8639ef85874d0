#pragma once
// The puzzle record: the current game's givens together with its full solution when known.
// The live play state is held by the interactive board (core/board.hpp), not here.

#include "core/grid.hpp"

#include <array>
#include <string>
#include <string_view>

namespace kestrel {

class RandomSource;

/// One cell of the puzzle record.
struct TNode
{
    int row = 0;
    int col = 0;
    int value = 0; ///< solution digit 1..9, or 0 when no solution digit is held
    bool given = false; ///< the cell is a given of the puzzle
};

/// The puzzle record `QJ1` of the main window: 81 nodes at nodes[row, col].
class TQJ
{
public:
    TQJ();

    TNode &node(int row, int col) { return m_nodes[cellIndex(row, col)]; }
    const TNode &node(int row, int col) const { return m_nodes[cellIndex(row, col)]; }

    /// Fills all 81 nodes from a bank template (digit = given of that value, "A".."I" = open
    /// cell whose solution digit is 1..9), then shuffles 200 times with a clock-seeded
    /// generator.
    void loadTemplate(std::string_view bankLine);
    /// As loadTemplate, drawing the shuffle from `random`.
    void loadTemplate(std::string_view bankLine, RandomSource &random);
    /// Fills the nodes from a bank template without shuffling.
    void loadTemplateUnshuffled(std::string_view bankLine);

    /// Applies `times` random symmetry moves (column swap inside a stack, row swap inside a
    /// band, or a relabelling of two digits), reseeding from the clock. Nothing for times < 1.
    void shuffle(int times);
    /// As shuffle(times), drawing from `random` (draws: k 1..7, a 1..3, b 1..2; for k = 7
    /// then x 1..9 and y 1..9).
    void shuffle(int times, RandomSource &random);

    /// The 81 values as digits; empty when any value is outside 1..9.
    std::string solutionString() const;
    /// For each node the value of a given, "0" for a non-given.
    std::string givensString() const;
    /// Sets every value to 0; `given` flags stay.
    void clearValues();
    /// clearValues, then, when the trimmed text has exactly 81 characters, sets every value
    /// from its digit character. `given` flags stay.
    void loadValues(std::string_view digits);
    /// clearValues, then, when the trimmed text has exactly 81 characters, makes "1".."9" a
    /// given of that value and every other character a non-given with value 0.
    void loadGivens(std::string_view chars);

    /// True when no node is a given (givensString is 81 "0": no puzzle loaded).
    bool isEmpty() const;

private:
    std::array<TNode, kCellSlots> m_nodes{};
};

} // namespace kestrel
