// The play commands of the main window: new game, the three candidate modes, entries on the
// board, the progress bars, completion, restart and colour marking.
#include "app/main_form.hpp"

#include "app/puzzle_bank.hpp"
#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

#include <cassert>

namespace kestrel {

namespace {

constexpr const char *kLevelTextKeys[]
    = {"msg_ndtxt_veryeasy", "msg_ndtxt_gentle",     "msg_ndtxt_moderate",
       "msg_ndtxt_tough",    "msg_ndtxt_diabolical", "msg_ndtxt_unkown"};

constexpr Colour kBarFull = 0x000000FF; // red
constexpr Colour kBarPartial = 0x00FF0000; // blue

std::string digitText(int d)
{
    return std::string(1, static_cast<char>('0' + d));
}

std::string digitButton(int d)
{
    return "disnote" + std::to_string(d);
}

template <typename F> void forEachCell(TPICSD33 &board, F &&f)
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            f(board.cell(r, c), r, c);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// New game

void TForm1::newGame(int level)
{
    assert(level >= 0 && level < kBankLevels);
    m_QJ1.clearValues();
    forEachCell(m_board, [](TPicNode &cell, int, int) {
        cell.state = CellState::Open;
        cell.hxs.clear();
    });
    bt_clearcolorClick();
    control("chkcolor").checked = false;

    // Pencil and Paper, exactly as the player's click on its radio button.
    if (rb_noneMouseDown())
        radioClick(Mode::PencilAndPaper);
    setDigitDown(1);
    control("cbautoupdate").enabled = false;

    m_QJ1.loadTemplate(PuzzleBank::shipped().draw(level, *m_random), *m_random);
    forEachCell(m_board, [](TPicNode &cell, int, int) { cell.hxsHidden = 0; });

    control("ndtxt").caption = levelText(level);
    showRecordOnBoard();
    refreshProgressBars();
    disnote11Click(1);
    resetStepLog();
    m_candidateSet = false;
    setNavigationButtons(false);
    startClock();
    m_board.nd = level;
    m_board.hideMultiHxs();
    for (int d = 1; d <= 9; ++d)
        control(digitButton(d)).groupIndex = 2;
    m_frmtile.padOpen = false;
}

std::string TForm1::levelText(int level) const
{
    return text(kLevelTextKeys[level >= 0 && level <= 5 ? level : 5]);
}

void TForm1::showRecordOnBoard()
{
    boardFromRecord(m_board, m_QJ1);
    control("WC_Label").visible = false;
    control("chkcolor").checked = false;
    control("btStartBranch").enabled = true;
    control("btAccept").enabled = false;
    control("btRejectBranch").enabled = false;
}

// ---------------------------------------------------------------------------------------------
// Candidate modes

int TForm1::candidateClassification() const
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

bool TForm1::autoUpdateOn() const
{
    const Control &box = control("cbautoupdate");
    return box.checked && box.enabled;
}

void TForm1::fillCandidates()
{
    control("cbautoupdate").enabled = true;
    bool anyEmpty = false;
    forEachCell(m_board,
                [&](TPicNode &cell, int, int) { anyEmpty = anyEmpty || cell.hxs.empty(); });
    if (anyEmpty) {
        forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
            if (cell.state == CellState::Open)
                cell.hxs = m_board.allowedHxs(r, c);
        });
    }
    if (autoUpdateOn()) {
        forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
            if (cell.state == CellState::Open)
                cell.hxs = m_board.reduceHxs(r, c);
        });
    }
}

bool TForm1::rb_noneMouseDown()
{
    const Mode previous = mode();
    if (candidateClassification() != 3)
        return true;
    if (!m_platform.dialogs.confirm(text("msg_leave_candidates"),
                                    text("msg_leave_candidates_title"))) {
        if (previous == Mode::PencilAndPaper)
            return true;
        // Restore the mode as a click on its radio button would; the press on Pencil and
        // Paper is then lost.
        radioClick(previous);
        return false;
    }
    forEachCell(m_board, [](TPicNode &cell, int, int) {
        if (cell.state == CellState::Open)
            cell.hxs.clear();
    });
    m_board.hideMultiHxs();
    return true;
}

void TForm1::radioClick(Mode wanted)
{
    if (mode() == wanted)
        return; // a click on the checked radio button changes nothing
    control("rb_none").checked = wanted == Mode::PencilAndPaper;
    control("rb_all").checked = wanted == Mode::AllCandidates;
    control("rb_one").checked = wanted == Mode::PartCandidates;
    rb_noneClick();
}

void TForm1::joinExclusiveGroup()
{
    // Joining one exclusive group leaves only the last button that was down.
    int last = 0;
    for (int d = 1; d <= 9; ++d) {
        Control &b = control(digitButton(d));
        b.groupIndex = 2;
        if (b.down)
            last = d;
    }
    if (last != 0)
        setDigitDown(last);
}

void TForm1::rb_noneClick()
{
    switch (mode()) {
    case Mode::PencilAndPaper:
        if (candidateClassification() == 2) {
            forEachCell(m_board, [](TPicNode &cell, int, int) {
                if (cell.state == CellState::Open)
                    cell.hxs.clear();
            });
        }
        m_candidateSet = false;
        control("cbautoupdate").enabled = false;
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
        for (int i = 1; i <= 9; ++i)
            control(digitButton(i)).groupIndex = i + 10;
        break;
    }
    }
    reapplyColourMarks();
    refreshProgressBars();
}

void TForm1::ProgressBar1MouseDown(int digit, MouseButton button)
{
    disnote1MouseDown(digit, button);
    if (button == MouseButton::Left)
        disnote11Click(digit);
}

// ---------------------------------------------------------------------------------------------
// Entries on the board

void TForm1::redrawForMode()
{
    switch (mode()) {
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

void TForm1::openCandidatePad(int row, int col)
{
    // The pad stands just below and right of the cell; the shell adds the window's corner.
    m_padOffset = {46 * col + 20, 46 * row + 90};
    m_frmtile.open(row, col);
    showStatus(text("howtoclosetile"));
}

void TForm1::cellClick(int row, int col, MouseButton button)
{
    if (!m_board.enabled)
        return;
    if (control("chkcolor").checked) {
        markCell(row, col, button);
        return;
    }
    if (m_frmtile.padOpen) {
        m_frmtile.padOpen = false;
        m_frmtile.close();
        return;
    }
    TPicNode &cell = m_board.cell(row, col);
    if (mode() != Mode::PencilAndPaper && cell.state == CellState::Placed) {
        // Taking a placed digit back gives it back to the neighbours' candidates.
        const int removed = cell.hxs.empty() ? 0 : cell.hxs[0] - '0';
        cell.hxs = m_board.allowedHxs(row, col);
        cell.state = CellState::Open;
        if (removed >= 1 && removed <= 9)
            m_board.restoreToPeers(row, col, removed);
        m_board.markConflicts();
        m_board.isSolved();
        refreshProgressBars();
        m_board.refreshFilterAny(displayDigits());
        reapplyColourMarks();
    } else if (button == MouseButton::Left) {
        const int d = selectedDigit();
        if (cell.state != CellState::Given && mode() == Mode::PencilAndPaper && d != 0) {
            cell.hxs = digitText(d);
            cell.state = CellState::Placed;
            cell.Hide();
        }
    } else if (button == MouseButton::Right && cell.state != CellState::Given) {
        if (cell.state == CellState::Open) {
            openCandidatePad(row, col);
        } else if (cell.state == CellState::Placed && mode() == Mode::PencilAndPaper
                   && !trimmed(cell.hxs).empty()) {
            cell.state = CellState::Open;
            cell.hxs.clear();
        }
    }

    m_board.markConflicts();
    const bool solved = m_board.isSolved();
    refreshProgressBars();
    redrawForMode();
    highlightSelectedDigit();
    reapplyColourMarks();
    if (solved)
        completion(CompletedBy::CellClick);
    recolourWrongDigits();
}

void TForm1::candidateClick(int row, int col, int digit, MouseButton button)
{
    if (!m_board.enabled)
        return;
    if (control("chkcolor").checked) {
        markCandidate(row, col, digit, button);
        return;
    }
    TPicNode &cell = m_board.cell(row, col);
    if (button == MouseButton::Left) {
        cell.hxs = digitText(digit);
        cell.state = CellState::Placed;
        if (autoUpdateOn())
            m_board.eliminateFromPeers(row, col);
    } else if (button == MouseButton::Right) {
        cell.hxs = removeDigits(cell.hxs, digitText(digit));
    }
    refreshProgressBars();
    m_board.markConflicts();
    m_board.refreshFilterAny(displayDigits());
    highlightSelectedDigit();
    reapplyColourMarks();
    recolourWrongDigits();
    if (m_board.isSolved())
        completion(CompletedBy::CandidateClick);
}

// ---------------------------------------------------------------------------------------------
// Progress, clock, completion, restart

void TForm1::refreshProgressBars()
{
    for (ProgressBarState &bar : m_progressBars)
        bar.position = 0;
    forEachCell(m_board, [this](TPicNode &cell, int, int) {
        if (cell.state == CellState::Open || !isDigitChar(cell.hxs))
            return;
        int &position = m_progressBars[static_cast<std::size_t>(cell.hxs[0] - '1')].position;
        position = std::min(position + 1, 9);
    });
    for (ProgressBarState &bar : m_progressBars) {
        bar.color = bar.position == 9 ? kBarFull : kBarPartial;
        bar.hint = std::to_string(bar.position);
    }
    recordStep();
}

void TForm1::setNavigationFromLog()
{
    control("btfirst").enabled = m_stepLog.canGoBack();
    control("btback").enabled = m_stepLog.canGoBack();
    control("btnext").enabled = m_stepLog.canGoForward();
    control("btlast").enabled = m_stepLog.canGoForward();
}

void TForm1::setNavigationButtons(bool enabled)
{
    for (const char *name : {"btfirst", "btback", "btnext", "btlast"})
        control(name).enabled = enabled;
}

void TForm1::startClock()
{
    m_TimeLabel1.setTimerenabled(true);
    m_TimeLabel1.setMS(0);
}

void TForm1::TimeLabel1Timer()
{
    m_TimeLabel1.setMS(m_TimeLabel1.MS() + m_TimeLabel1.timeinterval());
}

void TForm1::completion(CompletedBy by)
{
    Control &marker = control("WC_Label");
    marker.visible = true;
    marker.caption = "\u2714 " + text("msg_puzzle_solved");
    switch (by) {
    case CompletedBy::CellClick:
        m_platform.dialogs.inform(text("msg_Puzzlesolved"), m_caption);
        break;
    case CompletedBy::CandidateClick:
        m_platform.dialogs.inform(text("msg_puzzle_solved"), m_caption);
        break;
    case CompletedBy::HintWindow:
        break;
    }
    m_TimeLabel1.setTimerenabled(false);
    if (by != CompletedBy::CandidateClick) {
        for (const char *name : {"btStartBranch", "btAccept", "btRejectBranch"})
            control(name).enabled = false;
    }
}

void TForm1::btRestartClick()
{
    if (m_QJ1.givensString() == std::string(81, '0'))
        return;
    if (!m_platform.dialogs.confirm(text("msg_restart"), m_caption))
        return;
    bt_clearcolorClick();
    control("chkcolor").checked = false;
    m_board.enabled = true;
    forEachCell(m_board, [](TPicNode &cell, int, int) {
        if (cell.state != CellState::Given) {
            cell.hxs.clear();
            cell.state = CellState::Open;
        }
    });
    m_board.markConflicts();
    control("WC_Label").visible = false;
    radioClick(Mode::PencilAndPaper);
    setDigitDown(1);
    m_candidateSet = false;
    refreshProgressBars();
    disnote11Click(1);
    m_board.hideMultiHxs();
    resetStepLog();
    setNavigationButtons(false);
    startClock();
    recolourWrongDigits();
}

// ---------------------------------------------------------------------------------------------
// Colour marking

void TForm1::markCell(int row, int col, MouseButton button)
{
    TPicNode &cell = m_board.cell(row, col);
    const Colour colour = button == MouseButton::Left
        ? colorGridColours()[static_cast<std::size_t>(m_colorGridForeground)]
        : defaultCellColour(row, col);
    cell.color = colour;
    cell.setcolor(colour);
    storeMarks();
}

void TForm1::markCandidate(int row, int col, int digit, MouseButton button)
{
    TPicNode &cell = m_board.cell(row, col);
    cell.hxsPanels[static_cast<std::size_t>(digit)].color = button == MouseButton::Left
        ? colorGridColours()[static_cast<std::size_t>(m_colorGridForeground)]
        : cell.color;
    storeMarks();
}

void TForm1::storeMarks()
{
    const Colour standard[]
        = {m_board.errorcolor, m_board.highcolor, m_board.UNFoucsColor1, m_board.UNFoucsColor2};
    auto markOf = [&](Colour colour) {
        for (const Colour s : standard)
            if (colour == s)
                return kNoMark;
        return colour;
    };
    forEachCell(m_board, [&](TPicNode &cell, int r, int c) {
        auto &marks = m_colourMarks[cellIndex(r, c)];
        marks[0] = markOf(cell.color);
        for (int d = 1; d <= 9; ++d)
            marks[static_cast<std::size_t>(d)]
                = markOf(cell.hxsPanels[static_cast<std::size_t>(d)].color);
    });
}

void TForm1::bt_clearcolorClick()
{
    forEachCell(m_board, [this](TPicNode &cell, int r, int c) {
        const Colour base = defaultCellColour(r, c);
        cell.color = base;
        cell.setcolor(base);
    });
    for (auto &cell : m_colourMarks)
        cell.fill(kNoMark);
}

} // namespace kestrel
