// The solver window's logic and the reference search on `solveTable`, step by step as the
// window does it.
#include "core/solver.hpp"

#include <cstddef>
#include <vector>

namespace kestrel {

Tfrm_sol::Tfrm_sol()
{
    so.setWidth2(400);
    so.layoutAndPaint();
}

void Tfrm_sol::FindPossibilities()
{
    for (int row = 1; row <= gridSize; ++row) {
        for (int col = 1; col <= gridSize; ++col) {
            SolveCell &cell = solveTable[row][col];
            cell.poss.fill(false);
            if (cell.value != 0)
                continue;
            for (int v = 1; v <= gridSize; ++v)
                cell.poss[v] = true;
            for (int k = 1; k <= gridSize; ++k) {
                if (solveTable[row][k].value != 0)
                    cell.poss[solveTable[row][k].value] = false;
                if (solveTable[k][col].value != 0)
                    cell.poss[solveTable[k][col].value] = false;
            }
            const int r0 = ((row - 1) / boxRows) * boxRows;
            const int c0 = ((col - 1) / boxCols) * boxCols;
            for (int r = r0 + 1; r <= r0 + boxRows; ++r)
                for (int c = c0 + 1; c <= c0 + boxCols; ++c)
                    if (solveTable[r][c].value != 0)
                        cell.poss[solveTable[r][c].value] = false;
        }
    }
}

bool Tfrm_sol::check() const
{
    for (int row = 1; row <= gridSize; ++row)
        for (int col = 1; col <= gridSize; ++col)
            if (solveTable[row][col].value == 0)
                return false;
    return true;
}

int Tfrm_sol::CountPossValue(int v, int row, int col) const
{
    int count = 0;
    const SolveCell &cell = solveTable[row][col];
    if (cell.value == 0)
        for (int k = 1; k <= gridSize; ++k)
            count += cell.poss[k] ? 1 : 0;
    if (count != 1) {
        count = 0;
        for (int r = 1; r <= gridSize; ++r)
            count += (solveTable[r][col].value == 0 && solveTable[r][col].poss[v]) ? 1 : 0;
    }
    if (count != 1) {
        count = 0;
        for (int c = 1; c <= gridSize; ++c)
            count += (solveTable[row][c].value == 0 && solveTable[row][c].poss[v]) ? 1 : 0;
    }
    if (count != 1) {
        count = 0;
        const int r0 = ((row - 1) / boxRows) * boxRows;
        const int c0 = ((col - 1) / boxCols) * boxCols;
        for (int r = r0 + 1; r <= r0 + boxRows; ++r)
            for (int c = c0 + 1; c <= c0 + boxCols; ++c)
                count += (solveTable[r][c].value == 0 && solveTable[r][c].poss[v]) ? 1 : 0;
    }
    return count;
}

void Tfrm_sol::ReducePossibilities()
{ }

bool Tfrm_sol::SolveSudoku(bool stopAtFirst)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (int row = 1; row <= gridSize; ++row) {
            for (int col = 1; col <= gridSize; ++col) {
                SolveCell &cell = solveTable[row][col];
                if (cell.value != 0)
                    continue;
                for (int v = 1; v <= gridSize; ++v) {
                    if (cell.poss[v] && CountPossValue(v, row, col) == 1) {
                        cell.value = std::uint8_t(v);
                        FindPossibilities();
                        ReducePossibilities();
                        changed = true;
                        if (stopAtFirst)
                            return true;
                    }
                }
            }
        }
    }
    return check();
}

bool Tfrm_sol::SolveBruteForce()
{
    int row = 0, col = 0;
    for (int r = 1; r <= gridSize && row == 0; ++r) {
        for (int c = 1; c <= gridSize; ++c) {
            if (solveTable[r][c].value == 0) {
                row = r;
                col = c;
                break;
            }
        }
    }
    if (row == 0)
        return false;
    // The used part of the table, saved before each guess (on the heap: the recursion is as
    // deep as the number of empty cells).
    std::vector<SolveCell> saved(std::size_t(gridSize) * gridSize);
    for (int v = 1; v <= gridSize; ++v) {
        if (!solveTable[row][col].poss[v])
            continue;
        for (int r = 1; r <= gridSize; ++r)
            for (int c = 1; c <= gridSize; ++c)
                saved[std::size_t((r - 1) * gridSize + (c - 1))] = solveTable[r][c];
        solveTable[row][col].value = std::uint8_t(v);
        FindPossibilities();
        SolveSudoku(false);
        if (check())
            return true;
        if (SolveBruteForce())
            return true;
        for (int r = 1; r <= gridSize; ++r)
            for (int c = 1; c <= gridSize; ++c)
                solveTable[r][c] = saved[std::size_t((r - 1) * gridSize + (c - 1))];
    }
    return false;
}

void Tfrm_sol::loadTable(std::string_view puzzle)
{
    for (int row = 1; row <= gridSize; ++row) {
        for (int col = 1; col <= gridSize; ++col) {
            const auto k = std::size_t((row - 1) * gridSize + (col - 1));
            const char ch = k < puzzle.size() ? puzzle[k] : '0';
            solveTable[row][col].value = (ch >= '1' && ch <= '9') ? std::uint8_t(ch - '0') : 0;
        }
    }
}

std::string Tfrm_sol::tableValues() const
{
    std::string values;
    for (int row = 1; row <= gridSize; ++row)
        for (int col = 1; col <= gridSize; ++col)
            values += std::to_string(solveTable[row][col].value);
    return values;
}

void Tfrm_sol::solve(std::string_view puzzle, int &code, std::string &result)
{
    loadTable(puzzle);
    FindPossibilities();
    code = 0;
    if (check()) {
        code = 1;
    } else {
        if (!SolveBruteForce())
            code = 2;
        if (!check())
            code = 1;
    }
    result = tableValues();
}

UniqueOutcome Tfrm_sol::solveUnique(std::string_view puzzle)
{
    if (!checkPuzzle(puzzle))
        return {UniqueResult::BreaksRules, {}, {}};
    return countSolutions(puzzle);
}

bool Tfrm_sol::checkPuzzle(std::string_view puzzle)
{
    Edit1 = std::string(puzzle);
    btsettableClick();
    return so.isValid();
}

void Tfrm_sol::btsettableClick()
{
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            so.cell(row, col).state = 3;
    // The texts are written directly: the board's change notification only repaints and marks
    // a conflicting pair, and the explicit layoutAndPaint below repaints once for all.
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const auto k = std::size_t(9 * (row - 1) + (col - 1));
            // Past the end of a short puzzle the character is empty, which is not "0" or "*".
            const std::string_view ch
                = k < Edit1.size() ? std::string_view(Edit1).substr(k, 1) : std::string_view();
            TSD33::TNode &cell = so.cell(row, col);
            if (ch != "0" && ch != "*") {
                cell.text = std::string(ch);
                cell.state = 2;
            } else {
                cell.text = "123456789";
                cell.state = 3;
            }
        }
    }
    so.layoutAndPaint();
}

void Tfrm_sol::writeValuesToBoard(std::string_view values)
{
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const auto k = std::size_t(9 * (row - 1) + (col - 1));
            const char ch = k < values.size() ? values[k] : '0';
            // An empty cell (value 0) shows as an empty box.
            so.cell(row, col).text = ch == '0' ? std::string() : std::string(1, ch);
        }
    }
    so.onCellChange();
}

void Tfrm_sol::Button1Click()
{
    const SolveOutcome outcome = solvePuzzle(Edit1);
    // The reference search ends with the table holding exactly these values (the solution, or
    // the starting values after a failed search), so the table mirrors it for "show da".
    loadTable(outcome.values);
    FindPossibilities();
    switch (outcome.result) {
    case SolveResult::Solved:
        m_lastMessage = "OK";
        break;
    case SolveResult::NoEmptyCell:
        m_lastMessage = "No empty cell: nothing to solve";
        break;
    case SolveResult::NoSolution:
        m_lastMessage = "No solution";
        break;
    }
    writeValuesToBoard(outcome.values);
}

void Tfrm_sol::Button2Click()
{
    writeValuesToBoard(tableValues());
}

void Tfrm_sol::Button3Click()
{
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            so.cell(row, col).text.clear();
    so.onCellChange();
}

} // namespace kestrel
