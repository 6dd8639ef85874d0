// The hint window's press logic on the main board: loading the engine, painting its
// highlights, carrying hints out on the board and the button's caption.
#include "logic/hint_session.hpp"

namespace kestrel {

CandidateGrid boardGrid(const TPICSD33 &board, GridLoad how)
{
    CandidateGrid grid{};
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const TPicNode &node = board.cell(row, col);
            CandidateCell &cell = grid[(row - 1) * 9 + col - 1];
            const char first = node.hxs.empty() ? '\0' : node.hxs[0];
            const bool startsWithDigit = first >= '1' && first <= '9';
            if (how == GridLoad::ValuesOnly) {
                cell.hasValue = startsWithDigit && node.hxs.size() == 1;
            } else if (node.state == CellState::Open) {
                cell.candidates = DigitSet::fromText(node.hxs);
            } else {
                // A given or placed cell without a digit (never on a loaded game) still holds
                // a value; it takes nothing from its peers.
                cell.hasValue = true;
            }
            if (cell.hasValue && startsWithDigit)
                cell.value = first - '0';
        }
    }
    return grid;
}

Tfrmsolover::Tfrmsolover(TPICSD33 &board) : m_board(board)
{
    // The window teaches to the end: where the described ladder is stuck the second one runs.
    m_engine.setLadder(HintLadder::Full);
}

void Tfrmsolover::FormCreate()
{
    memoText.clear();
    caption = text("frmsolover.caption", "Show Hint");
    bthintCaption = text("frmsolover.nexthint", "Next Hint");
    button2Caption = text("frmsolover.button2.caption", "Close");
    font = InterfaceFont::standard();
}

std::string Tfrmsolover::text(std::string_view key, std::string_view fallback) const
{
    if (lookup)
        return lookup(key);
    return std::string(fallback);
}

void Tfrmsolover::openWindow()
{
    memoText.clear();
    m_engine.reset();
    m_needsLoad = true;
    showNextHint();
}

void Tfrmsolover::bthintClick()
{
    if (m_engine.pendingPlacement()) {
        placePendingOnBoard();
        setCaptionForNextPress();
        if (recordMove)
            recordMove();
        return;
    }
    showNextHint();
}

void Tfrmsolover::showNextHint()
{
    memoText = m_engine.hintShown() ? std::string() : text("frmsolover.thinking", "Thinking...");
    // The window used to sleep a millisecond here so that "Thinking..." got painted before a
    // long chain search; the Qt shell repaints from the model afterwards, so no pause is kept.
    nextStep();
    setCaptionForNextPress();
}

void Tfrmsolover::nextStep()
{
    if (m_needsLoad) {
        loadFromBoard();
        m_needsLoad = false;
    }
    if (m_engine.hintShown()) {
        // "Do It For Me" for a hint that only removed candidates.
        m_engine.carryOut();
        writeBackToBoard();
        paintHighlights();
        if (recordMove)
            recordMove();
        return;
    }
    m_engine.lookup = lookup;
    const HintOutcome outcome = m_engine.findNextHint();
    memoText = outcome == HintOutcome::Stuck ? text("frmsolover.stuck", kHintStuckText)
                                             : m_engine.text();
    paintHighlights();
}

bool Tfrmsolover::showFullTechnique(FullTechnique technique)
{
    if (m_needsLoad) {
        loadFromBoard();
        m_needsLoad = false;
    }
    m_engine.lookup = lookup;
    if (!m_engine.showFullTechnique(technique))
        return false;
    memoText = m_engine.text();
    paintHighlights();
    setCaptionForNextPress();
    return true;
}

void Tfrmsolover::placePendingOnBoard()
{
    const int digit = m_engine.pendingDigit();
    TPicNode &cell = boardCell(m_engine.pendingCell());
    m_engine.carryOut();
    cell.hxs = std::string(1, static_cast<char>('0' + digit));
    cell.state = CellState::Placed;
    memoText.clear();
    writeBackToBoard();
    paintHighlights();
}

void Tfrmsolover::loadFromBoard()
{
    const GridLoad how = pencilAndPaper() ? GridLoad::ValuesOnly : GridLoad::WithCandidates;
    m_engine.load(boardGrid(m_board, how), how);
}

void Tfrmsolover::writeBackToBoard()
{
    if (!pencilAndPaper()) {
        for (int e = 0; e < HintEngine::kCells; ++e) {
            const DigitSet candidates = m_engine.candidates(e);
            if (!candidates.isEmpty()) {
                TPicNode &cell = boardCell(e);
                cell.hxs = candidates.toText();
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
}

void Tfrmsolover::paintHighlights()
{
    // Every press clears all 81 cells before it highlights, so painting the engine's colours
    // on every cell leaves the board exactly as painting each highlight as it happens did.
    for (int e = 0; e < HintEngine::kCells; ++e) {
        TPicNode &cell = boardCell(e);
        const Colour colour = m_engine.highlight(e);
        cell.color = colour;
        cell.setcolor(colour);
        // The candidates a second-ladder hint removes get their own colour on their sub-panels.
        for (const int d : m_engine.removedHighlight(e))
            cell.hxsPanels[static_cast<std::size_t>(d)].color = kHintRemoved;
    }
    markRemovals();
}

void Tfrmsolover::markRemovals()
{
    // A hint that removes candidates has already removed them from the engine's grid: they are
    // the board's candidates the engine no longer has. A single removes nothing yet.
    m_board.hintRemovals.fill(DigitSet());
    if (!m_engine.hintShown() || m_engine.pendingPlacement())
        return;
    for (int e = 0; e < HintEngine::kCells; ++e) {
        const TPicNode &cell = boardCell(e);
        if (cell.state != CellState::Open)
            continue;
        const DigitSet removed(DigitSet::fromText(cell.hxs).bits()
                               & ~m_engine.candidates(e).bits());
        m_board.hintRemovals[static_cast<std::size_t>(
            cellIndex(HintEngine::boardRow(e), HintEngine::boardCol(e)))]
            = removed;
    }
}

void Tfrmsolover::setCaptionForNextPress()
{
    // A shown hint, a single or a removal, is carried out by the next press.
    bthintCaption = m_engine.hintShown() ? text("frmsolover.doitforme", "Do It For Me")
                                         : text("frmsolover.nexthint", "Next Hint");
}

} // namespace kestrel
