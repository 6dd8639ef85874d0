#include "core/solver.hpp"

#include "core/solver_internal.hpp"

#include <algorithm>

namespace kestrel {

using namespace solver_detail;

// ============================================================================================
// The program's solver: which search answers what.
//
// Why it may search in another order than the reference and still return the same grid:
//
// When no two givens conflict, every step of the reference search keeps all solutions of the
// branch it is in. A naked single is forced; a hidden single is forced because a unit without
// duplicates must receive each of its missing digits; a placement only uses a value no peer
// holds, so the grid stays free of conflicts. The reference branches on the first empty cell
// in row-major order with ascending values, so the first solution it reaches is the smallest
// solution in row-major, digit-by-digit order. Any sound search that finds that smallest
// solution gives the same answer. The fast search (solver_fast.cpp) counts up to two
// solutions in whatever order is quickest; only when there are two or more does it walk the
// cells in row-major order asking, for each smaller digit, whether a solution exists with it.
//
// The second solution countSolutions reports for a puzzle with several is not defined by any
// rule but by the order of the band search (solver_band.cpp) that first answered the count,
// so that search still finds the pair; it also takes over wherever the fast search's node
// budget runs out (no puzzle of the benchmarks or tests gets there).
//
// When givens conflict the reference is no longer a clean rule: a unit holding a duplicate has
// more missing digits than empty cells, yet its hidden-single step still places a digit that
// is the only one of its kind, which can ruin a branch that had a completion. For such
// puzzles solver_conflicts.cpp replays the reference's nodes exactly, within a bounded amount
// of work, with an exactly defined answer when the bound is reached (see there). The
// uniqueness test never gets there: it rejects conflicting givens before searching.
// ============================================================================================

int solveCode(SolveResult result) noexcept
{
    return result == SolveResult::Solved ? 0 : 1;
}

int uniqueCode(UniqueResult result) noexcept
{
    switch (result) {
    case UniqueResult::Unique:
        return 0;
    case UniqueResult::Several:
        return 2;
    case UniqueResult::NoSolution:
    case UniqueResult::BreaksRules:
    case UniqueResult::NoEmptyCell:
        return 1;
    }
    return 1;
}

namespace {

/// A count up to two and which search answered it.
struct ConflictFreeCount
{
    Found found;
    bool isFast = true; ///< false: the fast search ran out of nodes and the band search counted
};

/// The count up to two: the fast search, or the band search where it runs out of nodes. Either
/// way the two solutions of a count of two are the pair the band search finds.
ConflictFreeCount countConflictFree(const Values &start)
{
    ConflictFreeCount count;
    if (!countWithFastSearch(start, count.found)) {
        count.found = countWithBandSearch(start);
        count.isFast = false;
    }
    return count;
}

/// The smallest solution, given one. A puzzle too large for a fast count hides its solutions
/// from the fast search's order, so it goes straight to the band search and its restarts.
Values smallestSolution(const Values &start, const ConflictFreeCount &count)
{
    Values smallest{};
    if (count.isFast && smallestWithFastSearch(start, count.found.first, smallest))
        return smallest;
    return smallestWithBandSearch(start, count.found.first);
}

} // namespace

SolveOutcome solvePuzzle(std::string_view puzzle)
{
    const Values start = parseValues(puzzle);
    if (std::find(start.begin(), start.end(), 0) == start.end())
        return {SolveResult::NoEmptyCell, digitsOf(start)};
    if (hasConflict(start)) {
        Values grid{};
        if (solveConflictingLikeReference(start, grid))
            return {SolveResult::Solved, digitsOf(grid)};
        return {SolveResult::NoSolution, digitsOf(start)};
    }
    const ConflictFreeCount count = countConflictFree(start);
    const Found &found = count.found;
    if (found.count == 0)
        return {SolveResult::NoSolution, digitsOf(start)};
    if (found.count == 1)
        return {SolveResult::Solved, digitsOf(found.first)};
    return {SolveResult::Solved, digitsOf(smallestSolution(start, count))};
}

UniqueOutcome countSolutions(std::string_view puzzle)
{
    const Values start = parseValues(puzzle);
    if (hasConflict(start))
        return {UniqueResult::BreaksRules, {}, {}};
    if (std::find(start.begin(), start.end(), 0) == start.end())
        return {UniqueResult::NoEmptyCell, {}, {}};
    const ConflictFreeCount count = countConflictFree(start);
    const Found &found = count.found;
    if (found.count == 0)
        return {UniqueResult::NoSolution, {}, {}};
    if (found.count == 1)
        return {UniqueResult::Unique, digitsOf(found.first), {}};
    // The second solution reported is the one the band search meets besides the smallest.
    const Values smallest = smallestSolution(start, count);
    const Values &other = smallest == found.first ? found.second : found.first;
    return {UniqueResult::Several, digitsOf(smallest), digitsOf(other)};
}

} // namespace kestrel
