// The game's state, the digit selection, the three operation modes and the board colouring
// shared by the commands.
#include "game/game.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

#include <cassert>

namespace kestrel {

namespace {

template <typename F> void forEachCell(TPICSD33 &board, F &&f)
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            f(board.cell(r, c), r, c);
}

void clearOpenCandidates(TPICSD33 &board)
{
    forEachCell(board, [](TPicNode &cell, int, int) {
        if (cell.state == CellState::Open)
            cell.hxs.clear();
    });
}

} // namespace

Game::Game(Dialogs &dialogs, TextLookup text) : m_dialogs(dialogs), m_text(std::move(text))
{
    // The main board's designed look.
    m_board.UNFoucsColor1 = 14284791;
    m_board.UNFoucsColor2 = 14284791;
    m_board.FoucsColor1 = 14284791;
    m_board.FoucsColor2 = 14284791;
    m_board.FONTSize1 = 20;
    m_board.FONTSize2 = 20;
    m_board.FONTSize3 = 10;
    m_board.FONTColor1 = 0;
    m_board.FONTColor2 = 0x00FF0000;
    m_board.FONTColor3 = 0;
    m_board.errorcolor = 239;
    m_board.highcolor = 9813909;
    m_board.autotranzt = true;
    m_board.fontName = "Arial";
    m_board.refresh();

    // The game clock as the window designs it: stopped, ticking every 100 ms once started.
    m_clock.setCaption("0:0:0");
    m_clock.setTimerenabled(false);
    m_clock.setTimeinterval(100);
    m_clock.OnTimer = [this] {
        TimeLabel1Timer();
    };
    m_clock.setMS(0);
}

bool Game::hasPuzzle() const
{
    return m_QJ1.givensString() != std::string(81, '0');
}

void Game::setAutoUpdateChecked(bool checked)
{
    if (m_autoUpdate.enabled)
        m_autoUpdate.checked = checked;
}

void Game::setMarkingColour(int index)
{
    if (index >= 0 && index < 16)
        m_markingColour = index;
}

// ---------------------------------------------------------------------------------------------
// Digit selection

int Game::selectedDigit() const
{
    return m_down.isSingle() ? m_down.lowest() : 0;
}

std::string Game::displayDigits() const
{
    switch (m_mode) {
    case Mode::PencilAndPaper:
        return m_candidateSet ? std::string() : std::string("123456789");
    case Mode::AllCandidates:
        return "123456789";
    case Mode::PartCandidates:
        break;
    }
    return m_down.toText();
}

void Game::setDigitDown(int digit)
{
    m_down = digit >= 1 && digit <= 9 ? DigitSet::of(digit) : DigitSet();
}

void Game::disnote11Click(int digit)
{
    assert(digit >= 1 && digit <= 9);
    setDigitDown(digit);
    switch (m_mode) {
    case Mode::PencilAndPaper:
        m_board.refreshHonouringHidden();
        break;
    case Mode::PartCandidates: {
        bool someEmpty = false;
        forEachCell(m_board,
                    [&](TPicNode &cell, int, int) { someEmpty = someEmpty || cell.hxs.empty(); });
        if (someEmpty) {
            forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
                if (cell.state != CellState::Given && cell.hxs.empty())
                    cell.hxs = m_board.allowedHxs(r, c);
            });
        }
        m_board.refreshFilterDigit(selectedDigit());
        break;
    }
    case Mode::AllCandidates:
        m_board.refreshByState();
        break;
    }
    reapplyColourMarks();
}

void Game::disnote1MouseDown(int digit, MouseButton button)
{
    if (button != MouseButton::Right || m_mode != Mode::PartCandidates)
        return;
    if (m_down.has(digit))
        m_down.remove(digit);
    else
        m_down.add(digit);
    if (displayDigits().empty())
        m_down.add(digit);
    m_board.refreshFilterAny(displayDigits());
    // The redraw wipes the cell colours; the board keeps showing its highlight and marks.
    highlightSelectedDigit();
    reapplyColourMarks();
}

void Game::typeDigit(int digit)
{
    disnote11Click(digit);
    m_board.refreshFilterAny(displayDigits());
    reapplyColourMarks();
}

void Game::selectNextDigit()
{
    int next = 1;
    for (const int d : {9, 1, 2, 3, 4, 5, 6, 7, 8}) {
        if (m_down.has(d)) {
            next = d == 9 ? 1 : d + 1;
            break;
        }
    }
    disnote11Click(next);
}

void Game::ProgressBar1MouseDown(int digit, MouseButton button)
{
    disnote1MouseDown(digit, button);
    if (button == MouseButton::Left)
        disnote11Click(digit);
}

// ---------------------------------------------------------------------------------------------
// Candidate modes

int Game::candidateClassification() const
{
    bool anyOpen = false;
    bool anyMarked = false;
    bool anyEmpty = false;
    bool anyEdited = false;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = m_board.cell(r, c);
            if (cell.state != CellState::Open)
                continue;
            anyOpen = true;
            if (cell.hxs.empty()) {
                anyEmpty = true;
                continue;
            }
            anyMarked = true;
            if (sortedDigits(cell.hxs) != m_board.allowedHxs(r, c))
                anyEdited = true;
        }
    }
    if (!anyOpen || !anyMarked)
        return 0;
    if (anyEmpty)
        return 1;
    return anyEdited ? 3 : 2;
}

void Game::fillCandidates()
{
    m_autoUpdate.enabled = true;
    bool anyEmpty = false;
    forEachCell(m_board,
                [&](TPicNode &cell, int, int) { anyEmpty = anyEmpty || cell.hxs.empty(); });
    if (anyEmpty) {
        forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
            if (cell.state == CellState::Open)
                cell.hxs = m_board.allowedHxs(r, c);
        });
    }
    if (autoUpdateOn() && !m_restoringFile) {
        forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
            if (cell.state == CellState::Open)
                cell.hxs = m_board.reduceHxs(r, c);
        });
    }
}

bool Game::rb_noneMouseDown()
{
    const Mode previous = m_mode;
    if (candidateClassification() != 3)
        return true;
    if (!m_dialogs.confirm(text("msg_leave_candidates"), text("msg_leave_candidates_title"))) {
        if (previous == Mode::PencilAndPaper)
            return true;
        // Restore the mode as a click on its radio button would; the press on Pencil and
        // Paper is then lost.
        radioClick(previous);
        return false;
    }
    clearOpenCandidates(m_board);
    m_board.hideMultiHxs();
    return true;
}

void Game::pressPencilAndPaper()
{
    if (rb_noneMouseDown())
        radioClick(Mode::PencilAndPaper);
}

void Game::radioClick(Mode wanted)
{
    if (m_mode == wanted)
        return; // a click on the checked radio button changes nothing
    m_mode = wanted;
    rb_noneClick();
}

void Game::joinExclusiveGroup()
{
    // Joining one exclusive group leaves only the last button that was down.
    m_digitsExclusive = true;
    if (!m_down.isEmpty()) {
        int last = 0;
        for (const int d : m_down)
            last = d;
        setDigitDown(last);
    }
}

void Game::rb_noneClick()
{
    switch (m_mode) {
    case Mode::PencilAndPaper:
        if (candidateClassification() == 2)
            clearOpenCandidates(m_board);
        m_candidateSet = false;
        m_autoUpdate.enabled = false;
        m_board.refreshHonouringHidden();
        if (selectedDigit() == 0) {
            m_digitsAllowAllUp = false;
            setDigitDown(1);
        }
        highlightSelectedDigit();
        joinExclusiveGroup();
        break;
    case Mode::AllCandidates:
        forEachCell(m_board, [](TPicNode &cell, int, int) { cell.hxsHidden = 1; });
        m_candidateSet = true;
        fillCandidates();
        m_board.refreshByState();
        m_digitsAllowAllUp = true;
        refreshProgressBars();
        highlightSelectedDigit();
        joinExclusiveGroup();
        break;
    case Mode::PartCandidates: {
        m_candidateSet = true;
        forEachCell(m_board, [](TPicNode &cell, int, int) { cell.hxsHidden = 1; });
        fillCandidates();
        const int d = selectedDigit() != 0 ? selectedDigit() : 1;
        m_digitsAllowAllUp = false;
        setDigitDown(d);
        m_board.refreshFilterDigit(d);
        refreshProgressBars();
        highlightSelectedDigit();
        m_digitsExclusive = false;
        break;
    }
    }
    reapplyColourMarks();
    refreshProgressBars();
}

void Game::redrawForMode()
{
    switch (m_mode) {
    case Mode::PencilAndPaper:
        m_board.refreshHonouringHidden();
        break;
    case Mode::AllCandidates:
        m_board.refreshFilterAny("123456789");
        break;
    case Mode::PartCandidates:
        m_board.refreshFilterAny(displayDigits());
        break;
    }
}

void Game::redrawBoard()
{
    redrawForMode();
    highlightSelectedDigit();
    reapplyColourMarks();
}

// ---------------------------------------------------------------------------------------------
// Board colouring shared by the commands

Colour Game::defaultCellColour(int row, int col) const
{
    const TPicNode &cell = m_board.cell(row, col);
    if (cell.isError)
        return m_board.errorcolor;
    const int selected = selectedDigit();
    if (selected != 0 && cell.state != CellState::Open
        && cell.hxs == std::string(1, static_cast<char>('0' + selected)))
        return m_board.highcolor;
    return m_board.boxColour(row, col);
}

void Game::highlightSelectedDigit()
{
    const int selected = selectedDigit();
    if (selected == 0)
        return;
    const std::string digit(1, static_cast<char>('0' + selected));
    forEachCell(m_board, [&](TPicNode &cell, int, int) {
        if (cell.state != CellState::Open && !cell.isError && cell.hxs == digit)
            cell.color = m_board.highcolor;
    });
}

void Game::reapplyColourMarks()
{
    forEachCell(m_board, [this](TPicNode &cell, int r, int c) {
        const Colour base = defaultCellColour(r, c);
        cell.color = base;
        cell.setcolor(base);
        if (const Colour mark = m_marks.at(r, c, 0); mark != ColourMarks::kNoMark)
            cell.color = mark;
        for (int d = 1; d <= 9; ++d)
            if (const Colour mark = m_marks.at(r, c, d); mark != ColourMarks::kNoMark)
                cell.hxsPanels[static_cast<std::size_t>(d)].color = mark;
    });
    recolourWrongDigits();
}

void Game::recolourWrongDigits()
{
    forEachCell(m_board, [this](TPicNode &cell, int r, int c) {
        const int v = m_QJ1.node(r, c).value;
        if (cell.hxs.size() == 1 && v != 0
            && cell.hxs != std::string(1, static_cast<char>('0' + v)))
            cell.fontColor = m_board.FONTColor2;
    });
    updateMistakes();
}

// ---------------------------------------------------------------------------------------------
// Colour marking

const std::array<Colour, 16> &Game::colorGridColours()
{
    // black, maroon, green, olive, navy, purple, teal, silver, gray, red, lime, yellow, blue,
    // fuchsia, aqua, white — as $00BBGGRR
    static const std::array<Colour, 16> colours
        = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
           0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return colours;
}

void Game::markCell(int row, int col, MouseButton button)
{
    TPicNode &cell = m_board.cell(row, col);
    const Colour colour = button == MouseButton::Left
        ? colorGridColours()[static_cast<std::size_t>(m_markingColour)]
        : defaultCellColour(row, col);
    cell.color = colour;
    cell.setcolor(colour);
    m_marks.storeFrom(m_board);
}

void Game::markCandidate(int row, int col, int digit, MouseButton button)
{
    TPicNode &cell = m_board.cell(row, col);
    cell.hxsPanels[static_cast<std::size_t>(digit)].color = button == MouseButton::Left
        ? colorGridColours()[static_cast<std::size_t>(m_markingColour)]
        : cell.color;
    m_marks.storeFrom(m_board);
}

void Game::bt_clearcolorClick()
{
    forEachCell(m_board, [this](TPicNode &cell, int r, int c) {
        const Colour base = defaultCellColour(r, c);
        cell.color = base;
        cell.setcolor(base);
    });
    m_marks.clear();
}

} // namespace kestrel
