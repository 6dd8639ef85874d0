// The frame of the hint engine: loading, the one-button press logic, write-back, highlights
// and the text helpers shared by the techniques.
#include "logic/hint_engine.hpp"

#include <algorithm>
#include <cassert>

namespace kestrel {

namespace {

constexpr std::array<const char *, 9> kRowLetters = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
// Board column digit by engine column.
constexpr std::array<const char *, 9> kColumnDigits = {"1", "4", "7", "2", "5", "8", "3", "6", "9"};
// Box names by band * 3 + stack.
constexpr std::array<const char *, 9> kBoxNames
    = {"左上", "中上", "右上", "左中", "中间", "右中", "左下", "中下", "右下"};

} // namespace

Tfrmsolover::Tfrmsolover(TPICSD33 &board) : m_board(board)
{
    resetEngine();
}

void Tfrmsolover::FormCreate()
{
    memoText.clear();
    caption = text("frmsolover.caption", "Show Hint");
    bthintCaption = text("frmsolover.nexthint", "Next Hint");
    button2Caption = text("frmsolover.button2.caption", "Close");
}

std::string Tfrmsolover::text(std::string_view key, std::string_view fallback) const
{
    if (lookup)
        return lookup(key);
    return std::string(fallback);
}

void Tfrmsolover::openWindow()
{
    // WARNING: the caption is left as it is; only a single (through setPendingPlacement)
    // changes it here. A first hint that removes candidates keeps the caption of the last
    // opening, as the window always did.
    resetEngine();
    showNextHint();
}

void Tfrmsolover::bthintClick()
{
    if (m_pending.active) {
        applyPendingPlacement();
        clearHighlights();
        bthintCaption = text("frmsolover.nexthint", "Next Hint");
        m_pending.active = false;
        if (recordMove)
            recordMove();
        return;
    }
    showNextHint();
    bthintCaption = m_hintShown ? text("frmsolover.doitforme", "Do It For Me")
                                : text("frmsolover.nexthint", "Next Hint");
}

void Tfrmsolover::resetEngine()
{
    memoText.clear();
    m_needsLoad = true;
    m_hintShown = false;
    m_pending = Pending{};
    m_searching = false;
    clearChainState();
    m_cellList.clear();
    m_difficultyScore = 0;

    for (int e = 0; e < kCells; ++e) {
        int n = 0;
        const int boxFirst = 27 * (e / 27) + e % 3;
        for (int i = 0; i < 9; ++i) {
            const int p = boxFirst + 9 * (i / 3) + 3 * (i % 3);
            if (p != e)
                m_peers[e][n++] = p;
        }
        for (int k = 0; k < 9; ++k) {
            const int p = 9 * (e / 9) + k;
            if (k % 3 != e % 3)
                m_peers[e][n++] = p;
        }
        for (int r = 0; r < 9; ++r) {
            const int p = 9 * r + e % 9;
            if (r / 3 != e / 27)
                m_peers[e][n++] = p;
        }
        assert(n == 20);
        std::sort(m_peers[e].begin(), m_peers[e].end());
    }
}

void Tfrmsolover::loadFromBoard()
{
    m_candMask.fill(kFullMask);
    m_boxOpen.fill(kFullMask);
    m_placedCount = 0;
    const bool pencil = pencilAndPaper();
    for (int e = 0; e < kCells; ++e) {
        const TPicNode &cell = boardCell(e);
        if (pencil) {
            // The player's pencil marks are ignored; only values count, and an open cell with
            // one mark counts as holding that value.
            if (cell.hxs.size() == 1 && cell.hxs[0] >= '1' && cell.hxs[0] <= '9')
                placeDigit(cell.hxs[0] - '0', e);
        } else if (cell.state == CellState::Open) {
            m_candMask[e] = DigitSet::fromText(cell.hxs).bits();
        } else {
            // A given or placed cell without a digit (never on a loaded game) still counts as
            // holding a value; it takes nothing from its peers.
            const int digit = !cell.hxs.empty() && cell.hxs[0] >= '1' && cell.hxs[0] <= '9'
                ? cell.hxs[0] - '0'
                : 0;
            placeDigit(digit, e);
        }
    }
}

void Tfrmsolover::placeDigit(int digit, int e)
{
    const int bit = digit >= 1 && digit <= 9 ? 1 << (digit - 1) : 0;
    m_candMask[e] = 0;
    const int row = 9 * (e / 9);
    const int column = e % 9;
    const int box = 27 * (e / 27) + e % 3;
    for (int i = 0; i < 9; ++i) {
        m_candMask[row + i] &= ~bit;
        m_candMask[column + 9 * i] &= ~bit;
        m_candMask[box + 9 * (i / 3) + 3 * (i % 3)] &= ~bit;
    }
    m_boxOpen[3 * (e / 27) + e % 3] &= ~bit;
    ++m_placedCount;
}

void Tfrmsolover::nextStep()
{
    if (m_needsLoad) {
        loadFromBoard();
        m_needsLoad = false;
    }
    if (m_hintShown) {
        // "Do It For Me" for a hint that only removed candidates.
        writeBackToBoard();
        if (recordMove)
            recordMove();
        return;
    }
    m_searching = true;
    runLadder();
    const bool found = !m_searching;
    if (found)
        m_hintShown = true;

    if (m_placedCount == kCells) {
        memoText = kHintSolvedText;
    } else if (!found) {
        int open = 0;
        for (int mask : m_candMask)
            open += mask > 0 ? 1 : 0;
        if (open + m_placedCount == kCells) {
            memoText = kHintStuckText;
            addWeight(HintTechnique::Stuck);
        } else {
            memoText = kHintNoSolutionText;
        }
    }
}

void Tfrmsolover::runLadder()
{
    // Each technique returns at once when an earlier one cleared `searching`.
    findHiddenSingle();
    findNakedSingle();
    findIntersection();
    findSubsets();
    findRectangleRowPairs();
    findRectangleColumnPairs();
    findRectangleSplitPairs();
    findChain();
}

bool Tfrmsolover::runTechnique(HintSearch search)
{
    if (m_needsLoad) {
        loadFromBoard();
        m_needsLoad = false;
    }
    m_searching = true;
    switch (search) {
    case HintSearch::HiddenSingle:
        findHiddenSingle();
        break;
    case HintSearch::NakedSingle:
        findNakedSingle();
        break;
    case HintSearch::Intersection:
        findIntersection();
        break;
    case HintSearch::Subsets:
        findSubsets();
        break;
    case HintSearch::RectangleRowPairs:
        findRectangleRowPairs();
        break;
    case HintSearch::RectangleColumnPairs:
        findRectangleColumnPairs();
        break;
    case HintSearch::RectangleSplitPairs:
        findRectangleSplitPairs();
        break;
    case HintSearch::Rectangles:
        findRectangleRowPairs();
        findRectangleColumnPairs();
        findRectangleSplitPairs();
        break;
    case HintSearch::Chains:
        findChain();
        break;
    }
    return !m_searching;
}

void Tfrmsolover::showNextHint()
{
    clearHighlights();
    memoText = m_hintShown ? std::string() : text("frmsolover.thinking", "Thinking...");
    // The window used to sleep a millisecond here so that "Thinking..." got painted before a
    // long chain search; the Qt shell repaints from the model afterwards, so no pause is kept.
    nextStep();
}

void Tfrmsolover::applyPendingPlacement()
{
    placeDigit(m_pending.digit, m_pending.cell);
    TPicNode &cell = boardCell(m_pending.cell);
    cell.hxs = std::string(1, static_cast<char>('0' + m_pending.digit));
    cell.state = CellState::Placed;
    memoText.clear();
    writeBackToBoard();
    m_searching = false;
    clearHighlights();
}

void Tfrmsolover::writeBackToBoard()
{
    if (!pencilAndPaper()) {
        for (int e = 0; e < kCells; ++e) {
            if (m_candMask[e] > 0) {
                TPicNode &cell = boardCell(e);
                cell.hxs = digitsOf(m_candMask[e]).toText();
                cell.showhxs();
            }
        }
    }
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            TPicNode &cell = m_board.cell(row, col);
            if (cell.state != CellState::Placed)
                continue;
            cell.caption = cell.hxs;
            cell.Hide();
            cell.fontSize = m_board.FONTSize2;
            cell.fontColor = m_board.FONTColor2;
        }
    }
    m_hintShown = false;
}

void Tfrmsolover::highlightCell(int e, Colour colour)
{
    TPicNode &cell = boardCell(e);
    cell.color = colour;
    cell.setcolor(colour);
}

void Tfrmsolover::clearHighlights()
{
    for (int e = 0; e < kCells; ++e)
        highlightCell(e, kHintWhite);
}

std::string Tfrmsolover::unitText(int first, int stride)
{
    clearHighlights();
    for (int i = 0; i < 9; ++i)
        highlightCell(first + stride * i, kHintCyan);
    if (stride == 1)
        return std::string("在行") + kRowLetters[first / 9];
    if (stride == 9)
        return std::string("在列") + kColumnDigits[first];
    return std::string("在") + kBoxNames[3 * (first / 27) + first % 3] + "九宫格";
}

std::string Tfrmsolover::cellName(int e) const
{
    return std::string(kRowLetters[e / 9]) + kColumnDigits[e % 9];
}

void Tfrmsolover::appendToList(std::string_view item)
{
    if (!m_cellList.empty())
        m_cellList += ", ";
    m_cellList += item;
}

std::string Tfrmsolover::takeList()
{
    std::string list;
    list.swap(m_cellList);
    return list;
}

void Tfrmsolover::showText(std::string text)
{
    memoText = std::move(text);
    m_searching = false;
}

void Tfrmsolover::setPendingPlacement(int digit, int e)
{
    m_pending = Pending{true, digit, e};
    bthintCaption = text("frmsolover.doitforme", "Do It For Me");
}

std::string Tfrmsolover::digitsComma(DigitSet digits)
{
    std::string text;
    for (const int d : digits) {
        if (!text.empty())
            text += ',';
        text += static_cast<char>('0' + d);
    }
    return text;
}

void Tfrmsolover::addWeight(HintTechnique technique)
{
    const int slot = static_cast<int>(technique);
    m_difficultyScore += kWeights[slot];
    ++m_techniqueCount[slot];
}

} // namespace kestrel
