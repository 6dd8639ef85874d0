#include "logic/candidate_pad.hpp"

#include <cassert>
#include <utility>

namespace kestrel {

Tfrmtile::Tfrmtile(TPICSD33 &board, std::function<bool()> isPencilAndPaperMode)
    : m_board(board), m_isPencilAndPaperMode(std::move(isPencilAndPaperMode))
{ }

void Tfrmtile::applyLanguage(const std::function<std::string(std::string_view)> &text)
{
    // An empty title bar would leave a floating box nobody can name; keep the old title then.
    if (std::string title = text("frmtile.caption"); !title.empty())
        caption = std::move(title);
    automaticCaption = text("frmtile.advglowbutton1");
    font = InterfaceFont::standard();
}

bool Tfrmtile::isDown(int digit) const
{
    assert(digit >= 1 && digit <= 9);
    return m_down[static_cast<std::size_t>(digit)];
}

void Tfrmtile::loadDigits(std::string_view text)
{
    for (int d = 1; d <= 9; ++d)
        m_down[static_cast<std::size_t>(d)] = text.find(static_cast<char>('0' + d)) != text.npos;
}

std::string Tfrmtile::digitsText() const
{
    std::string text;
    for (int d = 1; d <= 9; ++d)
        if (isDown(d))
            text += static_cast<char>('0' + d);
    return text;
}

bool Tfrmtile::hasTarget() const
{
    return targetRow >= 1 && targetRow <= 9 && targetCol >= 1 && targetCol <= 9;
}

void Tfrmtile::applyToCell()
{
    if (!hasTarget())
        return;
    TPicNode &cell = m_board.cell(targetRow, targetCol);
    // The main window never opens the pad on a given; should the board change under an open
    // pad (a new game), the puzzle's own digits must still never be overwritten.
    if (cell.state == CellState::Given)
        return;
    cell.hxs = digitsText();
    cell.state = CellState::Open;
    cell.showhxs();
    if (m_isPencilAndPaperMode && m_isPencilAndPaperMode())
        cell.hxsHidden = 0;
}

void Tfrmtile::open(int row, int col)
{
    targetRow = row;
    targetCol = col;
    loadDigits(m_board.cell(row, col).hxs);
    padOpen = true;
    visible = true;
}

void Tfrmtile::toggle(int digit)
{
    assert(digit >= 1 && digit <= 9);
    bool &down = m_down[static_cast<std::size_t>(digit)];
    down = !down;
}

void Tfrmtile::digitPressed(int digit)
{
    toggle(digit);
    applyToCell();
}

void Tfrmtile::keyPress(Key key)
{
    if (const int digit = KeyPress{key}.digit(); digit != 0)
        toggle(digit);
    applyToCell();
    if (key == Key::Escape) {
        padOpen = false;
        close();
    }
}

void Tfrmtile::AdvGlowButton1Click()
{
    if (hasTarget())
        loadDigits(m_board.allowedHxs(targetRow, targetCol));
    applyToCell();
    padOpen = false;
    close();
}

void Tfrmtile::close()
{
    if (!visible)
        return;
    visible = false;
    if (onClosed)
        onClosed();
}

} // namespace kestrel
