#pragma once
// Positions for the hint engine suites: a grid of 81 cells, all open with every candidate
// unless a test says otherwise, loaded into the engine with its candidates or put on a board
// in a candidate mode. Cells are named as the hint texts name them ("C7").

#include "core/board.hpp"
#include "logic/hint_engine.hpp"
#include "logic/hint_session.hpp"

#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace kestrel::test {

/// Board (row, col) of a name such as "C7".
inline CellPos cellPos(std::string_view name)
{
    return {name[0] - 'A' + 1, name[1] - '0'};
}

class HintGrid
{
public:
    HintGrid()
    {
        m_hxs.fill("123456789");
        m_state.fill(CellState::Open);
    }

    /// An open cell with these candidates.
    HintGrid &set(std::string_view name, std::string_view hxs)
    {
        const int i = index(name);
        m_hxs[i] = std::string(hxs);
        m_state[i] = CellState::Open;
        return *this;
    }
    /// A given cell.
    HintGrid &given(std::string_view name, char digit)
    {
        const int i = index(name);
        m_hxs[i] = std::string(1, digit);
        m_state[i] = CellState::Given;
        return *this;
    }
    /// Removes digit from every open cell of row letter `row` except the named cells.
    HintGrid &removeFromRow(char row, char digit, std::initializer_list<std::string_view> keep)
    {
        for (int col = 1; col <= 9; ++col)
            removeAt(row - 'A' + 1, col, digit, keep);
        return *this;
    }
    /// Removes digit from every open cell of board column `col` except the named cells.
    HintGrid &removeFromColumn(int col, char digit, std::initializer_list<std::string_view> keep)
    {
        for (int row = 1; row <= 9; ++row)
            removeAt(row, col, digit, keep);
        return *this;
    }
    /// Removes digit from every open cell of the box holding `inBox` except the named cells.
    HintGrid &removeFromBox(std::string_view inBox, char digit,
                            std::initializer_list<std::string_view> keep)
    {
        const CellPos p = cellPos(inBox);
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                if (boxOf(row, col) == boxOf(p.row, p.col))
                    removeAt(row, col, digit, keep);
            }
        }
        return *this;
    }

    /// The grid as the engine loads it.
    CandidateGrid cells() const
    {
        CandidateGrid grid{};
        for (int i = 0; i < 81; ++i) {
            if (m_state[i] == CellState::Open)
                grid[i].candidates = DigitSet::fromText(m_hxs[i]);
            else
                grid[i] = CandidateCell{true, m_hxs[i][0] - '0', DigitSet()};
        }
        return grid;
    }

    void applyTo(TPICSD33 &board) const
    {
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                TPicNode &cell = board.cell(row, col);
                cell.hxs = m_hxs[(row - 1) * 9 + col - 1];
                cell.state = m_state[(row - 1) * 9 + col - 1];
            }
        }
    }

private:
    static int index(std::string_view name)
    {
        const CellPos p = cellPos(name);
        return (p.row - 1) * 9 + p.col - 1;
    }
    void removeAt(int row, int col, char digit, std::initializer_list<std::string_view> keep)
    {
        for (std::string_view name : keep) {
            if (cellPos(name) == CellPos{row, col})
                return;
        }
        const int i = (row - 1) * 9 + col - 1;
        if (m_state[i] != CellState::Open)
            return;
        std::string &hxs = m_hxs[i];
        if (const auto at = hxs.find(digit); at != std::string::npos)
            hxs.erase(at, 1);
    }

    std::array<std::string, 81> m_hxs;
    std::array<CellState, 81> m_state;
};

/// Names of the cells (row-major, joined by " ") for which `isPainted(row, col)` holds.
template <typename Predicate> std::string cellNames(Predicate isPainted)
{
    std::string names;
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            if (!isPainted(row, col))
                continue;
            if (!names.empty())
                names += ' ';
            names += static_cast<char>('A' + row - 1);
            names += static_cast<char>('0' + col);
        }
    }
    return names;
}

/// The engine's candidates of a named cell as a digit string.
inline std::string candidatesOf(const HintEngine &engine, std::string_view name)
{
    const CellPos p = cellPos(name);
    return engine.candidates(HintEngine::engineCell(p.row, p.col)).toText();
}

/// An engine without a board, on the heap (its tables are large).
struct EngineFixture
{
    std::unique_ptr<HintEngine> engine = std::make_unique<HintEngine>();

    /// A new run on `grid` with its candidates.
    void load(const HintGrid &grid)
    {
        engine->reset();
        engine->load(grid.cells(), GridLoad::WithCandidates);
    }
    std::string cand(std::string_view name) const { return candidatesOf(*engine, name); }
    /// Names of the cells the engine highlights in `colour`.
    std::string painted(Colour colour) const
    {
        return cellNames([&](int row, int col) {
            return engine->highlight(HintEngine::engineCell(row, col)) == colour;
        });
    }
    /// Every cell's candidates, engine order.
    std::array<DigitSet, 81> candidates() const
    {
        std::array<DigitSet, 81> all;
        for (int e = 0; e < 81; ++e)
            all[e] = engine->candidates(e);
        return all;
    }
};

/// A board and the hint window bound to it, both on the heap.
struct SessionFixture
{
    std::unique_ptr<TPICSD33> board = std::make_unique<TPICSD33>();
    std::unique_ptr<Tfrmsolover> window = std::make_unique<Tfrmsolover>(*board);

    TPicNode &cell(std::string_view name)
    {
        const CellPos p = cellPos(name);
        return board->cell(p.row, p.col);
    }
    std::string cand(std::string_view name) const { return candidatesOf(window->engine(), name); }
    /// Names of the board cells painted in `colour`.
    std::string painted(Colour colour) const
    {
        return cellNames([&](int row, int col) { return board->cell(row, col).color == colour; });
    }
    /// Every board cell's nine candidate panels have the cell's colour.
    bool panelsHaveTheirCellsColour() const
    {
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                const TPicNode &node = board->cell(row, col);
                for (int d = 1; d <= 9; ++d) {
                    if (node.hxsPanels[d].color != node.color)
                        return false;
                }
            }
        }
        return true;
    }
};

} // namespace kestrel::test
