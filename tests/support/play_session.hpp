#pragma once
// A player's session against the main window's logic: the fake platform answers questions
// and holds the files, a seeded generator draws the puzzles.

#include "app/main_form.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {

class PlaySession : public testing::Test
{
protected:
    PlaySession()
    {
        form.game().setRandomSource(random);
        form.FormCreate();
        form.loadLanguage(Language::English);
    }

    TPICSD33 &board() { return form.game().board(); }
    TPicNode &cell(CellPos p) { return board().cell(p.row, p.col); }
    int solution(CellPos p) { return form.game().record().node(p.row, p.col).value; }

    /// Open cells of the board in row-major order.
    std::vector<CellPos> openCells()
    {
        std::vector<CellPos> cells;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (board().cell(r, c).state == CellState::Open)
                    cells.push_back({r, c});
        return cells;
    }
    /// The first open cell holding at least `count` candidates.
    CellPos openCellWithCandidates(std::size_t count)
    {
        for (const CellPos p : openCells())
            if (cell(p).hxs.size() >= count)
                return p;
        ADD_FAILURE() << "no open cell with " << count << " candidates";
        return openCells().front();
    }
    /// The first given in row-major order.
    CellPos firstGiven()
    {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (board().cell(r, c).state == CellState::Given)
                    return {r, c};
        return {};
    }
    /// Places the solution digit of `p` with a left click in Pencil and Paper mode.
    void place(CellPos p)
    {
        form.game().disnote11Click(solution(p));
        form.cellClick(p.row, p.col, MouseButton::Left);
    }
    /// Places the solution in every open cell but the last, as the player would.
    CellPos fillAllButOne()
    {
        const auto open = openCells();
        for (std::size_t i = 0; i + 1 < open.size(); ++i)
            place(open[i]);
        return open.back();
    }
    /// A click on the radio button of `mode`, with the press check of Pencil and Paper.
    void clickMode(Mode mode)
    {
        if (mode != Mode::PencilAndPaper || form.game().rb_noneMouseDown())
            form.game().radioClick(mode);
    }

    FakePlatform fake;
    MersenneRandom random{2024};
    TForm1 form{fake.platform()};
};

} // namespace kestrel
