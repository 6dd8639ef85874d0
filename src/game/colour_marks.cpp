#include "game/colour_marks.hpp"

#include "core/board.hpp"

namespace kestrel {

void ColourMarks::clear()
{
    for (auto &cell : m_marks)
        cell.fill(kNoMark);
}

void ColourMarks::storeFrom(const TPICSD33 &board)
{
    const Colour standard[] = {board.errorcolor, board.highcolor, board.UNFoucsColor1,
                               board.UNFoucsColor2, kCheckErrorColour};
    auto markOf = [&](Colour colour) {
        for (const Colour s : standard)
            if (colour == s)
                return kNoMark;
        return colour;
    };
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            auto &marks = m_marks[cellIndex(r, c)];
            marks[0] = markOf(cell.color);
            for (std::size_t d = 1; d <= 9; ++d)
                marks[d] = markOf(cell.hxsPanels[d].color);
        }
    }
}

} // namespace kestrel
