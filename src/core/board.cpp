#include "core/board.hpp"

#include "core/digit_strings.hpp"
#include "core/puzzle_record.hpp"

#include <cassert>

namespace kestrel {

namespace {

bool containsDigit(std::string_view s, int d)
{
    return s.find(static_cast<char>('0' + d)) != std::string_view::npos;
}

bool sharesDigit(std::string_view a, std::string_view b)
{
    for (int d = 1; d <= 9; ++d)
        if (containsDigit(a, d) && containsDigit(b, d))
            return true;
    return false;
}

/// True when B counts as a partner of A in the conflict check: same row at another column,
/// same column at another row, or same box at another row. The three clauses together are
/// exactly the peer relation; they are spelled out because the check is defined by them.
bool seesForConflict(const TPicNode &a, const TPicNode &b)
{
    return (b.row == a.row && b.col != a.col) || (b.col == a.col && b.row != a.row)
        || (boxOf(b.row, b.col) == boxOf(a.row, a.col) && b.row != a.row);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Tmousepanel

void Tmousepanel::setIsEnter(bool value)
{
    if (m_isEnter == value)
        return;
    m_isEnter = value;
    ++m_invalidations;
}

void Tmousepanel::setIsBig(bool value)
{
    if (m_isBig == value)
        return;
    m_isBig = value;
    ++m_invalidations;
}

// ---------------------------------------------------------------------------------------------
// TPicNode

TPicNode::TPicNode()
{
    caption.assign(1, ' '); // (assigning a literal trips a false GCC 12 -Wrestrict warning)
    for (int d = 1; d <= 9; ++d) {
        Tmousepanel &panel = hxsPanels[d];
        panel.caption = std::string(1, static_cast<char>('0' + d));
        panel.fontSize = 10;
        panel.fontColor = 0x00000080;
    }
}

void TPicNode::setcolor(Colour colour)
{
    for (int d = 1; d <= 9; ++d)
        hxsPanels[d].color = colour;
}

void TPicNode::setFontSize(int size)
{
    for (int d = 1; d <= 9; ++d)
        hxsPanels[d].fontSize = size;
}

void TPicNode::setFontColor(Colour colour)
{
    for (int d = 1; d <= 9; ++d)
        hxsPanels[d].fontColor = colour;
}

void TPicNode::Hide()
{
    for (int d = 1; d <= 9; ++d)
        hxsPanels[d].visible = false;
}

void TPicNode::Show()
{
    for (int d = 1; d <= 9; ++d)
        hxsPanels[d].visible = true;
}

void TPicNode::showhxs()
{
    for (int d = 1; d <= 9; ++d)
        hxsPanels[d].visible = containsDigit(hxs, d);
}

// ---------------------------------------------------------------------------------------------
// TPICSD33

TPICSD33::TPICSD33()
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &node = cell(r, c);
            node.isError = false;
            node.setIsBig(true);
            node.state = CellState::Placed;
            node.row = r;
            node.col = c;
            node.color = boxColour(r, c);
        }
    }
    refresh();
}

Colour TPICSD33::boxColour(int row, int col) const
{
    return boxOf(row, col) % 2 == 0 ? UNFoucsColor2 : UNFoucsColor1;
}

std::string TPICSD33::allowedHxs(int row, int col) const
{
    bool taken[10] = {};
    for (const CellPos p : peersOf(row, col)) {
        const TPicNode &peer = cell(p.row, p.col);
        if (peer.state == CellState::Open)
            continue;
        for (int d = 1; d <= 9; ++d)
            taken[d] = taken[d] || containsDigit(peer.hxs, d);
    }
    std::string result;
    for (int d = 1; d <= 9; ++d)
        if (!taken[d])
            result += static_cast<char>('0' + d);
    return result;
}

std::string TPICSD33::reduceHxs(int row, int col) const
{
    std::string s = cell(row, col).hxs;
    for (const CellPos p : peersOf(row, col)) {
        const TPicNode &peer = cell(p.row, p.col);
        if (peer.state != CellState::Open)
            s = removeDigits(s, peer.hxs);
    }
    return sortedDigits(s);
}

void TPICSD33::markConflicts()
{
    TPicNode *first = nullptr;
    TPicNode *partner = nullptr;
    for (int ar = 1; ar <= 9 && first == nullptr; ++ar) {
        for (int ac = 1; ac <= 9 && first == nullptr; ++ac) {
            TPicNode &a = cell(ar, ac);
            if (a.state == CellState::Open)
                continue;
            // WARNING: the scan over B does not stop at the first match; the marked partner is
            // the last qualifying cell in row-major order.
            for (int br = 1; br <= 9; ++br) {
                for (int bc = 1; bc <= 9; ++bc) {
                    TPicNode &b = cell(br, bc);
                    if (seesForConflict(a, b) && a.hxs == b.hxs && b.state != CellState::Open) {
                        first = &a;
                        partner = &b;
                    }
                }
            }
        }
    }
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            cell(r, c).isError = false;
    if (first != nullptr) {
        first->isError = true;
        partner->isError = true;
    }
}

bool TPICSD33::hasConflict() const
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (cell(r, c).isError)
                return true;
    return false;
}

bool TPICSD33::isSolved()
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (cell(r, c).state == CellState::Open)
                return false;
    markConflicts();
    return !hasConflict();
}

std::string TPICSD33::givensString() const
{
    // A given's whole `hxs` is copied; givens always hold one digit once a puzzle is loaded.
    std::string result;
    result.reserve(81);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            result += cell(r, c).state == CellState::Given ? cell(r, c).hxs : std::string("0");
    return result;
}

void TPICSD33::eliminateFromPeers(int row, int col)
{
    const std::string digit = cell(row, col).hxs;
    if (digit.size() != 1)
        return;
    for (const CellPos p : peersOf(row, col)) {
        TPicNode &peer = cell(p.row, p.col);
        // Only candidates are removed: a placed peer with the same digit keeps it (the
        // conflict is then marked), so the player's digit is never wiped out.
        if (peer.state == CellState::Open && peer.hxs.find(digit[0]) != std::string::npos)
            peer.hxs = removeDigits(peer.hxs, digit);
    }
}

void TPICSD33::restoreToPeers(int row, int col, int d)
{
    // Only open cells change and allowedHxs reads only given and placed cells, so the order of
    // the peers does not affect the result.
    for (const CellPos p : peersOf(row, col)) {
        TPicNode &peer = cell(p.row, p.col);
        if (peer.state == CellState::Open && !containsDigit(peer.hxs, d)
            && containsDigit(allowedHxs(p.row, p.col), d))
            peer.hxs += static_cast<char>('0' + d);
    }
}

void TPICSD33::hideMultiHxs()
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (cell(r, c).hxs.size() != 1)
                cell(r, c).Hide();
}

// Redraws. `refresh` is the odd one out (construction, appearance preview, step log): it keeps
// the cell colour of unmarked cells, colours the sub-panels instead, and chooses between big
// digit and candidates by the length of `hxs` rather than by state.
//
//   step        | refresh                         | the other four variants
//   background  | isError: cell = errorcolor      | isError: cell = errorcolor
//               | else sub-panels = box colour    | else caption "", cell = box colour
//   digit       | state 1: Hide, given font       | state 1: given font, caption = hxs
//               | |hxs| = 1: Hide, placed font    | state 2: placed font, caption = hxs
//               | else "", candidate font,showhxs | else "", candidate font on sub-panels
//   candidates  | (done in the digit step)        | per variant, see redraw()
void TPICSD33::refresh()
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &node = cell(r, c);
            if (node.isError)
                node.color = errorcolor;
            else
                node.setcolor(boxColour(r, c));

            if (node.state == CellState::Given) {
                node.Hide();
                node.fontSize = FONTSize1;
                node.fontColor = FONTColor1;
                node.caption = node.hxs;
            } else if (node.hxs.size() == 1) {
                node.Hide();
                node.fontSize = FONTSize2;
                node.fontColor = FONTColor2;
                node.caption = node.hxs;
            } else {
                node.caption.clear();
                node.setFontSize(FONTSize3);
                node.setFontColor(FONTColor3);
                node.showhxs();
            }
        }
    }
}

void TPICSD33::refreshByState()
{
    redraw(CandidateStep::ByState, {});
}

void TPICSD33::refreshHonouringHidden()
{
    redraw(CandidateStep::HonourHidden, {});
}

void TPICSD33::refreshFilterDigit(int d)
{
    assert(d >= 1 && d <= 9);
    const char digit = static_cast<char>('0' + d);
    redraw(CandidateStep::FilterDigit, std::string_view(&digit, 1));
}

void TPICSD33::refreshFilterAny(std::string_view digits)
{
    redraw(CandidateStep::FilterAny, digits);
}

void TPICSD33::redraw(CandidateStep step, std::string_view digits)
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &node = cell(r, c);
            if (step == CandidateStep::HonourHidden && node.hxsHidden == 1)
                node.Hide();

            // Background: a marked cell keeps its caption, an unmarked one is wiped first.
            if (node.isError) {
                node.color = errorcolor;
            } else {
                node.caption.clear();
                node.color = boxColour(r, c);
            }

            // Digit.
            if (node.state == CellState::Given) {
                node.fontSize = FONTSize1;
                node.fontColor = FONTColor1;
                node.caption = node.hxs;
            } else if (node.state == CellState::Placed) {
                node.fontSize = FONTSize2;
                node.fontColor = FONTColor2;
                node.caption = node.hxs;
            } else {
                node.caption.clear();
                if (step != CandidateStep::HonourHidden) {
                    node.setFontSize(FONTSize3);
                    node.setFontColor(FONTColor3);
                }
            }

            // Candidates.
            const bool open = node.state == CellState::Open;
            switch (step) {
            case CandidateStep::ByState:
                if (open)
                    node.showhxs();
                else
                    node.Hide();
                break;
            case CandidateStep::FilterDigit:
            case CandidateStep::FilterAny:
                if (open && (sharesDigit(digits, node.hxs) || node.hxs.size() == 1))
                    node.showhxs();
                else
                    node.Hide();
                break;
            case CandidateStep::HonourHidden:
                // A given or placed cell never shows a candidate: marks written before its
                // digit stay in the step log but are not drawn over the digit.
                if (open)
                    node.showhxs();
                else
                    node.Hide();
                break;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------

void boardFromRecord(TPICSD33 &board, const TQJ &record)
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &node = board.cell(r, c);
            const TNode &source = record.node(r, c);
            node.Hide();
            if (source.given) {
                node.state = CellState::Given;
                node.hxs = std::to_string(source.value);
            } else {
                node.state = CellState::Open;
            }
            node.isError = false;
        }
    }
    board.enabled = true;
}

} // namespace kestrel
