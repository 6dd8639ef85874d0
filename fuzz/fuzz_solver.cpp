// Puzzles arrive as pasted or typed text: any 81 characters are solved or refused, and a
// solution found is a filled grid that keeps the givens.
#include "core/solver.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string puzzle(81, '*');
    // Sparse inputs only: a cell is a given when its byte names a digit.
    for (std::size_t k = 0; k < 81 && k < size; ++k)
        if (data[k] >= '1' && data[k] <= '9')
            puzzle[k] = static_cast<char>(data[k]);
    const kestrel::UniqueOutcome outcome = kestrel::countSolutions(puzzle);
    if (outcome.result == kestrel::UniqueResult::Unique
        || outcome.result == kestrel::UniqueResult::Several) {
        for (std::size_t k = 0; k < 81; ++k)
            if (puzzle[k] != '*' && outcome.first[k] != puzzle[k])
                __builtin_trap();
    }
    return 0;
}
