// The frame of the hint engine: loading, a step of the ladder and its outcome, carrying a hint
// out, and the text and highlight helpers shared by the techniques.
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

/// Index of engine cell e in a row-major board-order grid.
constexpr int gridIndex(int e) noexcept
{
    return (HintEngine::boardRow(e) - 1) * 9 + HintEngine::boardCol(e) - 1;
}

} // namespace

HintEngine::HintEngine()
{
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
    m_candMask.fill(kFullMask);
    m_boxOpen.fill(kFullMask);
    clearHighlights();
    reset();
}

void HintEngine::reset()
{
    m_text.clear();
    m_outcome = HintOutcome::Found;
    m_hintShown = false;
    m_pending = Pending{};
    m_searching = false;
    clearChainState();
    m_cellList.clear();
    m_difficultyScore = 0;
    m_hardestName = "none";
    m_hardestWeight = 0;
    m_removedHighlight.fill(0);
}

void HintEngine::load(const CandidateGrid &grid, GridLoad how)
{
    m_candMask.fill(kFullMask);
    m_boxOpen.fill(kFullMask);
    m_value.fill(0);
    m_placedCount = 0;
    m_check = PuzzleCheck::Unknown;
    for (int e = 0; e < kCells; ++e) {
        const CandidateCell &cell = grid[gridIndex(e)];
        if (cell.hasValue)
            placeDigit(cell.value, e);
        else if (how == GridLoad::WithCandidates)
            m_candMask[e] = cell.candidates.bits();
    }
}

bool HintEngine::loadPuzzle(std::string_view puzzle81)
{
    if (puzzle81.size() != kCells)
        return false;
    CandidateGrid grid{};
    for (int i = 0; i < kCells; ++i) {
        const char ch = puzzle81[i];
        if (ch >= '1' && ch <= '9')
            grid[i] = CandidateCell{true, ch - '0', DigitSet()};
    }
    load(grid, GridLoad::ValuesOnly);
    return true;
}

void HintEngine::placeDigit(int digit, int e)
{
    const bool isDigit = digit >= 1 && digit <= 9;
    const int bit = isDigit ? 1 << (digit - 1) : 0;
    m_candMask[e] = 0;
    m_value[e] = static_cast<std::uint8_t>(isDigit ? digit : 0);
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

std::string HintEngine::valuesText() const
{
    std::string cells(kCells, '.');
    for (int e = 0; e < kCells; ++e) {
        if (m_value[e] != 0)
            cells[gridIndex(e)] = static_cast<char>('0' + m_value[e]);
    }
    return cells;
}

HintOutcome HintEngine::findNextHint()
{
    clearHighlights();
    m_removedHighlight.fill(0);
    m_text.clear();
    m_searching = true;
    runLadder();
    if (m_searching && m_ladder == HintLadder::Full && !runFullLadder())
        return m_outcome;
    const bool found = !m_searching;
    if (found)
        m_hintShown = true;

    // WARNING: a full grid is "solved" before anything else is looked at, as it always was.
    if (m_placedCount == kCells) {
        m_outcome = HintOutcome::Solved;
        m_text = kHintSolvedText;
    } else if (found) {
        m_outcome = HintOutcome::Found;
    } else {
        int open = 0;
        for (int mask : m_candMask)
            open += mask > 0 ? 1 : 0;
        if (open + m_placedCount == kCells) {
            m_outcome = HintOutcome::Stuck;
            m_text = kHintStuckText;
            addWeight(HintTechnique::Stuck);
        } else {
            m_outcome = HintOutcome::NoSolution;
            m_text = kHintNoSolutionText;
        }
    }
    return m_outcome;
}

void HintEngine::carryOut()
{
    if (m_pending.active) {
        placeDigit(m_pending.digit, m_pending.cell);
        m_pending.active = false;
    }
    // A hint that removed candidates made its removals in the grid when it was found.
    m_hintShown = false;
    m_searching = false;
    m_text.clear();
    clearHighlights();
    m_removedHighlight.fill(0);
}

void HintEngine::runLadder()
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

bool HintEngine::runTechnique(HintSearch search)
{
    clearHighlights();
    m_text.clear();
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

std::string HintEngine::unitText(int first, int stride)
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

std::string HintEngine::cellName(int e)
{
    return std::string(kRowLetters[e / 9]) + kColumnDigits[e % 9];
}

void HintEngine::appendToList(std::string_view item)
{
    if (!m_cellList.empty())
        m_cellList += ", ";
    m_cellList += item;
}

std::string HintEngine::takeList()
{
    std::string list;
    list.swap(m_cellList);
    return list;
}

void HintEngine::showText(std::string text)
{
    m_text = std::move(text);
    m_searching = false;
}

void HintEngine::setPendingPlacement(int digit, int e)
{
    m_pending = Pending{true, digit, e};
}

std::string HintEngine::digitsComma(DigitSet digits)
{
    std::string text;
    for (const int d : digits) {
        if (!text.empty())
            text += ',';
        text += static_cast<char>('0' + d);
    }
    return text;
}

void HintEngine::addWeight(HintTechnique technique)
{
    const int slot = static_cast<int>(technique);
    m_difficultyScore += kWeights[slot];
    ++m_techniqueCount[slot];
    if (technique != HintTechnique::Stuck)
        noteHardest(techniqueName(technique), kWeights[slot]);
}

} // namespace kestrel
