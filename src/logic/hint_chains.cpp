// Alternating chains, the last rung of the ladder.
//
// A chain alternates "digit d is not in this cell" (off) and "digit d is in that cell" (on).
// From off the chain follows strong links (the only other place of d in a unit; or, in a
// two-candidate cell, the other digit); from on it follows weak links (every peer holding d;
// or, in a mixed chain, every other digit of the same cell). A chain from "d is not in the
// start cell" to "d is in another cell" proves that one of the two holds d, so d leaves every
// cell that sees both.
//
// The search is depth-first with iterative deepening. Depth counts links between different
// cells; steps inside one cell keep the depth. Per start, each (digit, cell, on/off) state is
// expanded at most once (stamps), and the link tables are built once per search.
//
// The rules that look at a cell's candidates read the live grid; `peerHolders` and
// `strongPartner` stay as they were built at the start of the search.
#include "logic/hint_engine.hpp"

#include <bit>
#include <cassert>

namespace kestrel {

namespace {

/// The largest digit of a mask (bit d - 1 = digit d); 0 for the empty mask.
constexpr int highestDigit(int mask) noexcept
{
    return std::bit_width(static_cast<unsigned>(mask));
}

} // namespace

void HintEngine::clearChainState()
{
    for (auto &digit : m_onMark)
        digit.fill(0);
    for (auto &digit : m_offMark)
        digit.fill(0);
    m_searchStamp = 0;
    m_chainStart = 0;
    m_chainDigit = 0;
    m_chainType = 0;
    m_deepen = false;
    m_path.fill(-1);
}

void HintEngine::buildLinkTables()
{
    for (int d = 0; d < 9; ++d) {
        const int bit = 1 << d;
        for (int e = 0; e < kCells; ++e) {
            auto &holders = m_peerHolders[d][e];
            holders.fill(-1);
            if (m_candMask[e] > 0) {
                int n = 0;
                for (int p : m_peers[e]) {
                    if (m_candMask[p] & bit)
                        holders[n++] = p;
                }
            }

            // The only other holder of d in the row, the engine column and the box.
            auto &partners = m_strongPartner[d][e];
            partners.fill(-1);
            const int row = 9 * (e / 9);
            const int column = e % 9;
            const int box = 27 * (e / 27) + e % 3;
            int n = 0;
            for (int unit = 0; unit < 3; ++unit) {
                int partner = -1;
                int count = 0;
                for (int i = 0; i < 9; ++i) {
                    const int p = unit == 0 ? row + i
                        : unit == 1         ? column + 9 * i
                                            : box + 9 * (i / 3) + 3 * (i % 3);
                    if (p != e && (m_candMask[p] & bit)) {
                        partner = p;
                        ++count;
                    }
                }
                if (count == 1)
                    partners[n++] = partner;
            }
        }
    }
}

void HintEngine::findChain()
{
    if (!m_searching)
        return;
    buildLinkTables();

    // Pass A: chains of one digit and chains of two-candidate cells.
    m_deepen = true;
    for (int maxDepth = 3; m_searching && m_deepen && maxDepth < kMaxPath; ++maxDepth) {
        m_deepen = false;
        for (int e = 0; e < kCells && m_searching; ++e) {
            if (digitCount(m_candMask[e]) == 2) {
                startChain(maxDepth, e, kChainTwoCandidate, candidates(e).lowest());
                if (m_searching)
                    startChain(maxDepth, e, kChainTwoCandidate, highestDigit(m_candMask[e]));
            }
            for (int d = 1; d <= 9 && m_searching; ++d) {
                if (m_candMask[e] & (1 << (d - 1)))
                    startChain(maxDepth, e, kChainOneDigit, d);
            }
        }
    }

    // Pass B: mixed chains; digit 1 is never a start digit here.
    m_deepen = true;
    for (int maxDepth = 3; m_searching && m_deepen && maxDepth < kMaxPath; ++maxDepth) {
        m_deepen = false;
        for (int e = 0; e < kCells && m_searching; ++e) {
            for (int d = 9; d >= 2 && m_searching; --d) {
                if (m_candMask[e] & (1 << (d - 1)))
                    startChain(maxDepth, e, kChainMixed, d);
            }
        }
    }
}

void HintEngine::startChain(int maxDepth, int e, int type, int d)
{
    m_chainStart = e;
    m_chainDigit = d;
    m_chainType = type;
    ++m_searchStamp;
    m_path[1] = e;
    offStep(1, maxDepth, d, e);
}

void HintEngine::offStep(int depth, int maxDepth, int d, int c)
{
    m_offMark[d - 1][c] = m_searchStamp;

    if (m_chainType != kChainTwoCandidate) {
        for (int p : m_strongPartner[d - 1][c]) {
            if (p < 0 || !m_searching)
                break;
            if (m_onMark[d - 1][p] == m_searchStamp)
                continue;
            if (depth >= maxDepth) {
                m_deepen = true;
                continue;
            }
            assert(depth + 1 <= kMaxPath);
            m_path[depth + 1] = p;
            onStep(depth + 1, maxDepth, d, p);
        }
    }
    if (m_chainType == kChainOneDigit)
        return;

    // In a two-candidate cell the other digit is true. This step does not look at
    // `searching`, so unwinding after a removal can still reach another end cell.
    const int mask = m_candMask[c];
    if (digitCount(mask) == 2 && m_onMark[d - 1][c] != m_searchStamp) {
        const int bit = 1 << (d - 1);
        const int other = digitsOf((mask & bit) ? mask & ~bit : mask).lowest();
        onStep(depth, maxDepth, other, c);
    }
}

void HintEngine::onStep(int depth, int maxDepth, int d, int c)
{
    m_onMark[d - 1][c] = m_searchStamp;

    if (d == m_chainDigit && c != m_chainStart)
        reportChain(depth, d);
    if (depth == maxDepth && m_deepen)
        return;

    for (int p : m_peerHolders[d - 1][c]) {
        if (p < 0 || !m_searching)
            break;
        if (m_offMark[d - 1][p] == m_searchStamp)
            continue;
        if (m_chainType == kChainTwoCandidate && digitCount(m_candMask[p]) != 2)
            continue;
        if (depth < maxDepth) {
            assert(depth + 1 <= kMaxPath);
            m_path[depth + 1] = p;
            offStep(depth + 1, maxDepth, d, p);
        } else {
            m_deepen = true;
        }
    }

    if (m_chainType == kChainMixed) {
        // Every other digit of the cell is false; like step 4 of offStep, no look at
        // `searching` here.
        for (int i = 1; i <= 9; ++i) {
            if (i == d || !(m_candMask[c] & (1 << (i - 1))))
                continue;
            if (m_offMark[i - 1][c] != m_searchStamp)
                offStep(depth, maxDepth, i, c);
        }
    }
}

void HintEngine::reportChain(int depth, int d)
{
    const int start = m_chainStart;
    const int end = m_path[depth];
    const int bit = 1 << (d - 1);
    const auto &startPeers = m_peers[start];
    const auto &endPeers = m_peers[end];

    // Common peers: merge of the two ascending lists.
    for (std::size_t i = 0, j = 0; i < startPeers.size() && j < endPeers.size();) {
        if (startPeers[i] < endPeers[j]) {
            ++i;
            continue;
        }
        if (endPeers[j] < startPeers[i]) {
            ++j;
            continue;
        }
        const int q = startPeers[i];
        ++i;
        ++j;
        if (!(m_candMask[q] & bit))
            continue;
        if (m_searching) {
            // Text, highlights and weight come from the first removal only.
            std::string text;
            HintTechnique technique = HintTechnique::ChainMixed;
            if (m_chainType == kChainOneDigit) {
                text = "在数字 " + std::to_string(d) + " 的链 (";
                technique = HintTechnique::ChainOneDigit;
            } else if (m_chainType == kChainTwoCandidate) {
                text = "在双数链 (";
                technique = HintTechnique::ChainTwoCandidate;
            } else {
                text = "在链 (";
            }
            for (int k = 1; k <= depth; ++k) {
                const int e = m_path[k];
                appendToList(cellName(e));
                highlightCell(e, k == 1 || k == depth ? kHintMagenta : kHintCyan);
            }
            text += takeList() + ") 中,\r\n在 " + cellName(end) + ", " + cellName(start)
                + " 中必有一个是 " + std::to_string(d);
            showText(std::move(text));
            addWeight(technique);
        }
        m_candMask[q] &= ~bit;
        m_searching = false;
    }
}

} // namespace kestrel
