// The main window's keyboard: digit selection, the keyboard cursor and what the keys do on its
// cell, the command shortcuts; and the few window texts that tell the game's state (progress
// bar tooltips, the open branch) with the question before a game in progress is left.
#include "app/main_form.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

struct CursorKey
{
    Key key;
    CursorMove move;
};
constexpr CursorKey kCursorKeys[] = {
    {Key::Up, CursorMove::Up},         {Key::Down, CursorMove::Down},
    {Key::Left, CursorMove::Left},     {Key::Right, CursorMove::Right},
    {Key::Home, CursorMove::RowStart}, {Key::End, CursorMove::RowEnd},
};

} // namespace

bool TForm1::FormKeyDown(const KeyPress &key)
{
    if (const std::optional<ControlId> command = commandForKey(key)) {
        if (key.autoRepeat)
            return true; // a held shortcut presses its command once
        trigger(*command);
        return true;
    }
    if (m_game.paused())
        return false;
    if (moveCursor(key) || pressAtCursor(key))
        return true;
    // A plain digit selects it, from the main keyboard or the keypad; a held key does not.
    if (key.digit() == 0 || key.autoRepeat || key.ctrl || key.shift)
        return false;
    m_game.typeDigit(key.digit());
    return true;
}

bool TForm1::moveCursor(const KeyPress &key)
{
    if (key.shift)
        return false;
    for (const CursorKey &k : kCursorKeys) {
        if (k.key != key.key)
            continue;
        BoardCursor &cursor = m_game.board().cursor;
        if (cursor.visible)
            cursor.move(k.move, key.ctrl ? CursorStride::Box : CursorStride::Cell);
        cursor.visible = true;
        return true;
    }
    return false;
}

bool TForm1::pressAtCursor(const KeyPress &key)
{
    const BoardCursor &cursor = m_game.board().cursor;
    if (!cursor.visible || key.ctrl || key.autoRepeat)
        return false;
    const int row = cursor.row, col = cursor.col;
    switch (key.key) {
    case Key::Enter:
    case Key::Space:
        if (key.shift)
            return false;
        cellClick(row, col, MouseButton::Left);
        return true;
    case Key::Delete:
    case Key::Backspace:
        if (key.shift)
            return false;
        cellClick(row, col, MouseButton::Right);
        return true;
    default:
        break;
    }
    const int digit = key.digit();
    if (digit == 0 || !key.shift)
        return false;
    // As a press on the candidate: only a candidate that shows can be pressed, and only in
    // the candidate modes; the board must take input as it does for the mouse.
    const TPicNode &cell = m_game.board().cell(row, col);
    if (m_game.mode() != Mode::PencilAndPaper && m_game.board().enabled && cell.visible
        && cell.hxsPanels[static_cast<std::size_t>(digit)].visible)
        m_game.candidateClick(row, col, digit, MouseButton::Left);
    return true;
}

void TForm1::boardMousePress(int row, int col, int digit, MouseButton button)
{
    BoardCursor &cursor = m_game.board().cursor;
    cursor.visible = false;
    cursor.row = row;
    cursor.col = col;
    if (digit == 0)
        cellClick(row, col, button);
    else
        m_game.candidateClick(row, col, digit, button);
}

void TForm1::mnShowMistakesClick()
{
    m_game.setShowMistakes(!m_game.showsMistakes());
    m_playOptions.showMistakes = m_game.showsMistakes();
    settingsWritten(savePlayOptions(m_playOptions, m_platform.settings));
}

void TForm1::rememberWindowSize(int width, int height)
{
    m_playOptions.windowWidth = width;
    m_playOptions.windowHeight = height;
    settingsWritten(savePlayOptions(m_playOptions, m_platform.settings));
}

std::string TForm1::progressBarTooltip(int digit) const
{
    std::string tip = text("msg_progress_tip");
    tip = replaceAll(tip, "%1", std::to_string(digit));
    return replaceAll(tip, "%2", std::to_string(m_game.progressBar(digit).position));
}

std::string TForm1::branchStatusText() const
{
    if (m_game.branch().snapshot.empty())
        return {};
    return replaceAll(text("msg_branch_open"), "%1", std::to_string(m_game.branch().step));
}

bool TForm1::confirmAbandon()
{
    return !m_game.isInProgress() || m_platform.dialogs.confirm(text("msg_abandon"), m_caption);
}

} // namespace kestrel
