#pragma once
// Positions for the hint engine suites: a grid of 81 cells, all open with every candidate
// unless a test says otherwise, put on a board in a candidate mode. Cells are named as the
// hint texts name them ("C7").

#include "core/board.hpp"
#include "logic/hint_engine.hpp"

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

/// A board and an engine bound to it, both on the heap (the engine's tables are large).
struct HintFixture
{
    std::unique_ptr<TPICSD33> board = std::make_unique<TPICSD33>();
    std::unique_ptr<Tfrmsolover> engine = std::make_unique<Tfrmsolover>(*board);

    TPicNode &cell(std::string_view name)
    {
        const CellPos p = cellPos(name);
        return board->cell(p.row, p.col);
    }
    /// The engine's candidates of a named cell as a digit string.
    std::string cand(std::string_view name) const
    {
        const CellPos p = cellPos(name);
        return DigitSet(static_cast<std::uint16_t>(
                            engine->candMask()[Tfrmsolover::engineCell(p.row, p.col)]))
            .toText();
    }
    /// Names of the cells painted in `colour`, row-major, joined by " ".
    std::string painted(Colour colour) const
    {
        std::string names;
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                if (board->cell(row, col).color != colour)
                    continue;
                if (!names.empty())
                    names += ' ';
                names += static_cast<char>('A' + row - 1);
                names += static_cast<char>('0' + col);
            }
        }
        return names;
    }
};

} // namespace kestrel::test
