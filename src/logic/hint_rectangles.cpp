// Unique rectangles: four cells in two rows, two columns and two boxes cannot all be reduced to
// the same two digits in a puzzle with one solution.
//
//        A ---- B       A, B: the base pair, identical masks of two digits P
//        |      |       C: same column (search 1) or row (search 2) as A
//        C ---- D       D: same one as B
//
// Three searches, in this order: base pairs inside one box along a row, inside one box along a
// column, and pairs split over two boxes.
#include "logic/hint_engine.hpp"

namespace kestrel {

namespace {

/// The three cells of a line inside one box: base pair candidates in the order tried.
constexpr std::array<std::array<int, 2>, 3> kPairOffsets = {{{0, 1}, {0, 2}, {1, 2}}};

constexpr bool holds(int mask, int pair) noexcept
{
    return (mask & pair) == pair;
}

} // namespace

void HintEngine::findRectangleRowPairs()
{
    for (int i = 0; i < 27 && m_searching; ++i) {
        const int r = i / 3;
        const int s = i % 3;
        const int e0 = 9 * r + s;
        int a = -1;
        int b = -1;
        for (const auto &offsets : kPairOffsets) {
            const int x = e0 + 3 * offsets[0];
            const int y = e0 + 3 * offsets[1];
            if (digitCount(m_candMask[x]) == 2 && m_candMask[x] == m_candMask[y]) {
                a = x;
                b = y;
                break;
            }
        }
        if (a < 0)
            continue;
        for (int r2 = 0; r2 < 9 && m_searching; ++r2) {
            if (r2 / 3 == r / 3)
                continue;
            tryRectangle(a, b, 9 * r2 + a % 9, 9 * r2 + b % 9, true);
        }
    }
}

void HintEngine::findRectangleColumnPairs()
{
    for (int i = 0; i < 27 && m_searching; ++i) {
        const int band = i / 9;
        const int k = i % 9;
        const int e0 = 27 * band + k;
        int a = -1;
        int b = -1;
        for (const auto &offsets : kPairOffsets) {
            const int x = e0 + 9 * offsets[0];
            const int y = e0 + 9 * offsets[1];
            if (digitCount(m_candMask[x]) == 2 && m_candMask[x] == m_candMask[y]) {
                a = x;
                b = y;
                break;
            }
        }
        if (a < 0)
            continue;
        for (int k2 = 0; k2 < 9 && m_searching; ++k2) {
            if (k2 % 3 == k % 3)
                continue;
            tryRectangle(a, b, 9 * (a / 9) + k2, 9 * (b / 9) + k2, false);
        }
    }
}

void HintEngine::tryRectangle(int a, int b, int c, int d, bool alongRows)
{
    const int pair = m_candMask[a];
    if (!holds(m_candMask[c], pair) || !holds(m_candMask[d], pair))
        return;
    const int countC = digitCount(m_candMask[c]);
    const int countD = digitCount(m_candMask[d]);

    if (countC == 2 || countD == 2) {
        // One corner already is the pair, so the other one cannot be reduced to it.
        const int target = countC < 3 ? d : c;
        highlightCell(a, kHintCyan);
        highlightCell(b, kHintCyan);
        showText("找到唯一矩阵," + cellName(target) + "不能包含候选数 "
                 + digitsComma(digitsOf(pair)));
        addWeight(HintTechnique::RectangleCornerExcluded);
        highlightCell(c, countC == 2 ? kHintCyan : kHintMagenta);
        highlightCell(d, countD == 2 ? kHintCyan : kHintMagenta);
        m_candMask[target] &= ~pair;
        m_searching = false;
        return;
    }

    if (countC != 3 || countD != 3 || m_candMask[c] != m_candMask[d])
        return;
    // One of C and D holds the extra digit x; it leaves every cell that sees both. C and D lie
    // in one line and one box, so those are the cells of C's line and of C's box.
    const int x = m_candMask[c] & ~pair;
    const int lineFirst = alongRows ? 9 * (c / 9) : c % 9;
    const int lineStride = alongRows ? 1 : 9;
    const int boxFirst = 27 * (c / 27) + c % 3;
    bool removed = false;
    for (int i = 0; i < 9; ++i) {
        for (int e : {lineFirst + lineStride * i, boxFirst + 9 * (i / 3) + 3 * (i % 3)}) {
            if (e != c && e != d && (m_candMask[e] & x)) {
                m_candMask[e] &= ~x;
                removed = true;
            }
        }
    }
    if (!removed)
        return;
    highlightCell(a, kHintCyan);
    highlightCell(b, kHintCyan);
    highlightCell(c, kHintMagenta);
    highlightCell(d, kHintMagenta);
    showText("找到唯一矩阵,(" + cellName(c) + "," + cellName(d) + ") 一定能包含候选数 "
             + digitsComma(digitsOf(x)));
    addWeight(HintTechnique::RectangleExtraDigit);
}

void HintEngine::findRectangleSplitPairs()
{
    // Along rows: A and B in one row but different boxes; C, D in a row of A's band.
    for (int r = 0; r < 9 && m_searching; ++r) {
        for (int i = 0; i < 9 && m_searching; ++i) {
            for (int j = 0; j < 9 && m_searching; ++j) {
                const int a = 9 * r + i;
                const int b = 9 * r + j;
                if (digitCount(m_candMask[a]) != 2 || m_candMask[b] != m_candMask[a] || j == i
                    || i % 3 == j % 3)
                    continue;
                for (int r2 = 0; r2 < 9; ++r2)
                    clearSplitPairDigit(a, b, 9 * r2 + i, 9 * r2 + j, 9 * r2, 1);
            }
        }
    }
    // Along columns: A and B in one engine column but different bands.
    for (int k = 0; k < 9 && m_searching; ++k) {
        for (int i = 0; i < 9 && m_searching; ++i) {
            for (int j = 0; j < 9 && m_searching; ++j) {
                const int a = 9 * i + k;
                const int b = 9 * j + k;
                if (digitCount(m_candMask[a]) != 2 || m_candMask[b] != m_candMask[a] || i == j
                    || i / 3 == j / 3)
                    continue;
                for (int k2 = 0; k2 < 9; ++k2)
                    clearSplitPairDigit(a, b, 9 * i + k2, 9 * j + k2, k2, 9);
            }
        }
    }
}

void HintEngine::clearSplitPairDigit(int a, int b, int c, int d, int first, int stride)
{
    const int pair = m_candMask[a];
    const bool cInBoxOfA = 27 * (c / 27) + c % 3 == 27 * (a / 27) + a % 3;
    if (digitCount(m_candMask[c]) != 3 || m_candMask[d] != m_candMask[c] || !cInBoxOfA
        || !holds(m_candMask[c], pair))
        return;
    const int x = m_candMask[c] & ~pair;
    // Every removal sets the text again and counts once more.
    for (int i = 0; i < 9; ++i) {
        const int e = first + stride * i;
        if (e == c || e == d || !(m_candMask[e] & x))
            continue;
        m_candMask[e] &= ~x;
        highlightCell(a, kHintCyan);
        highlightCell(b, kHintCyan);
        highlightCell(c, kHintMagenta);
        highlightCell(d, kHintMagenta);
        showText("找到唯一矩阵,（" + cellName(c) + "," + cellName(d) + "）一定有一个是数字"
                 + digitsPlain(digitsOf(x)));
        addWeight(HintTechnique::RectangleSplitPair);
    }
}

} // namespace kestrel
