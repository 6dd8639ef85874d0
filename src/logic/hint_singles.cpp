// The first rungs of the ladder: hidden single, naked single, box/line intersection, and
// naked and hidden subsets of two, three and four.
//
// A "unit scan from 8 down to 0" visits, for n = 8, 7, ..., 0: row n, engine column n, box n.
// So the first units are row I, column 9, the bottom-right box, row H, column 6, ...
#include "logic/hint_engine.hpp"

#include <array>

namespace kestrel {

namespace {

struct Unit
{
    int first;
    int stride;
};

/// The three units of step n of a unit scan, in scan order.
constexpr std::array<Unit, 3> scanUnits(int n) noexcept
{
    return {Unit{9 * n, 1}, Unit{n, 9}, Unit{27 * (n / 3) + n % 3, 3}};
}

/// Engine cell of member i (0..8) of a unit. A box's members run row by row.
constexpr int member(Unit unit, int i) noexcept
{
    if (unit.stride == 3)
        return unit.first + 9 * (i / 3) + 3 * (i % 3);
    return unit.first + unit.stride * i;
}

/// Advances an ascending combination of `size` items out of 0..8 to the next one in
/// lexicographic order; false after the last.
bool nextCombination(std::array<int, 4> &items, int size) noexcept
{
    int i = size - 1;
    while (i >= 0 && items[i] == 9 - size + i)
        --i;
    if (i < 0)
        return false;
    ++items[i];
    for (int j = i + 1; j < size; ++j)
        items[j] = items[j - 1] + 1;
    return true;
}

/// Digits ascending joined by ", " ("1, 2").
std::string digitsSpaced(DigitSet digits)
{
    std::string text;
    for (const int d : digits) {
        if (!text.empty())
            text += ", ";
        text += static_cast<char>('0' + d);
    }
    return text;
}

} // namespace

void HintEngine::findHiddenSingle()
{
    for (int n = 8; n >= 0 && m_searching; --n) {
        for (Unit unit : scanUnits(n)) {
            if (!m_searching)
                return;
            int once = 0;
            int twice = 0;
            for (int i = 0; i < 9; ++i) {
                const int mask = m_candMask[member(unit, i)];
                twice |= once & mask;
                once |= mask;
            }
            const int singles = once & ~twice;
            for (int d = 1; d <= 9 && m_searching; ++d) {
                const int bit = 1 << (d - 1);
                if (!(singles & bit))
                    continue;
                int cell = member(unit, 0);
                for (int i = 0; i < 9; ++i) {
                    if (m_candMask[member(unit, i)] & bit) {
                        cell = member(unit, i);
                        break;
                    }
                }
                std::string text = unitText(unit.first, unit.stride) + ", " + cellName(cell)
                    + " 一定是 " + std::to_string(d);
                setPendingPlacement(d, cell);
                showText(std::move(text));
                addWeight(HintTechnique::HiddenSingle);
                highlightCell(cell, kHintMagenta);
            }
        }
    }
}

void HintEngine::findNakedSingle()
{
    if (!m_searching)
        return;
    for (int e = 0; e < kCells; ++e) {
        if (digitCount(m_candMask[e]) != 1)
            continue;
        const int d = candidates(e).lowest();
        setPendingPlacement(d, e);
        showText(cellName(e) + "只能是 " + std::to_string(d));
        addWeight(HintTechnique::NakedSingle);
        highlightCell(e, kHintMagenta);
        return;
    }
}

// One line through a box, as the intersection search looks at it: the line as a unit, which of
// its nine cells lie in the box, the six cells of the box off the line (in member order) and the
// line's three cells in the box in the order a hint lists them.
struct HintEngine::Crossing
{
    int lineFirst;
    int lineStride;
    std::array<bool, 9> inBox;
    std::array<int, 6> boxRest;
    std::array<int, 3> listed;
};

HintEngine::Crossing HintEngine::rowCrossing(int b, int s, int i)
{
    const Unit box{27 * b + s, 3};
    Crossing crossing{};
    const int rowFirst = 9 * (3 * b + i);
    crossing.lineFirst = rowFirst;
    crossing.lineStride = 1;
    for (int k = 0; k < 9; ++k)
        crossing.inBox[k] = k % 3 == s;
    int n = 0;
    for (int j = 0; j < 9; ++j) {
        if (j / 3 != i)
            crossing.boxRest[n++] = member(box, j);
    }
    crossing.listed = {rowFirst + s, rowFirst + s + 3, rowFirst + s + 6};
    return crossing;
}

HintEngine::Crossing HintEngine::columnCrossing(int b, int s, int i)
{
    const Unit box{27 * b + s, 3};
    Crossing crossing{};
    const int column = s + 3 * i;
    crossing.lineFirst = column;
    crossing.lineStride = 9;
    for (int r = 0; r < 9; ++r)
        crossing.inBox[r] = r / 3 == b;
    int n = 0;
    for (int j = 0; j < 9; ++j) {
        if (j % 3 != i)
            crossing.boxRest[n++] = member(box, j);
    }
    // Listed from the lowest row of the band upwards ("C4, B4").
    crossing.listed = {9 * (3 * b + 2) + column, 9 * (3 * b + 1) + column, 9 * 3 * b + column};
    return crossing;
}

void HintEngine::findIntersection()
{
    // Boxes stack by stack: 0, 3, 6, 1, 4, 7, 2, 5, 8; in each box its rows and columns in
    // turn: row 0, column 0, row 1, column 1, ...
    for (int s = 0; s < 3 && m_searching; ++s) {
        for (int b = 0; b < 3 && m_searching; ++b) {
            const int box = 3 * b + s;
            if (m_boxOpen[box] == 0)
                continue;
            for (int i = 0; i < 3 && m_searching; ++i) {
                findIntersectionOn(box, rowCrossing(b, s, i));
                if (m_searching)
                    findIntersectionOn(box, columnCrossing(b, s, i));
            }
        }
    }
}

void HintEngine::findIntersectionOn(int box, const Crossing &crossing)
{
    const Unit line{crossing.lineFirst, crossing.lineStride};
    int inter = 0;
    int restLine = 0;
    int restBox = 0;
    for (int m = 0; m < 9; ++m)
        (crossing.inBox[m] ? inter : restLine) |= m_candMask[member(line, m)];
    for (int e : crossing.boxRest)
        restBox |= m_candMask[e];
    // A digit of the box's open ones that the line and the box share, but that is missing from
    // the rest of the line or from the rest of the box.
    const int candidates = m_boxOpen[box] & inter & ~(restLine & restBox);
    for (int d = 1; d <= 9 && m_searching; ++d) {
        const int bit = 1 << (d - 1);
        if (!(candidates & bit))
            continue;
        const bool pointing = !(restBox & bit);
        m_boxOpen[box] &= ~bit;
        bool removed = false;
        for (int m = 0; m < 9; ++m) {
            const int e = member(line, m);
            if (!crossing.inBox[m] && (m_candMask[e] & bit)) {
                m_candMask[e] &= ~bit;
                removed = true;
            }
        }
        for (int e : crossing.boxRest) {
            if (m_candMask[e] & bit) {
                m_candMask[e] &= ~bit;
                removed = true;
            }
        }
        if (!removed)
            continue;
        const int boxFirst = 27 * (box / 3) + box % 3;
        std::string text = pointing ? unitText(boxFirst, 3) : unitText(line.first, line.stride);
        for (int e : crossing.listed) {
            if (m_candMask[e] & bit) {
                appendToList(cellName(e));
                highlightCell(e, kHintMagenta);
            }
        }
        text += ", 单元格 " + takeList() + " 中一定包含 " + std::to_string(d);
        showText(std::move(text));
        addWeight(HintTechnique::Intersection);
    }
}

void HintEngine::findSubsets()
{
    for (int size = 2; size <= 4 && m_searching; ++size) {
        for (int n = 8; n >= 0 && m_searching; --n) {
            for (Unit unit : scanUnits(n)) {
                if (!m_searching)
                    return;
                findSubsetsInUnit(size, unit.first, unit.stride);
            }
        }
    }
}

void HintEngine::findSubsetsInUnit(int size, int first, int stride)
{
    const Unit unit{first, stride};
    std::array<int, 9> u{};
    for (int i = 0; i < 9; ++i)
        u[i] = m_candMask[member(unit, i)];

    if (!findNakedSubset(size, u, first, stride)) {
        std::array<int, 9> t{};
        for (int d = 0; d < 9; ++d) {
            for (int i = 0; i < 9; ++i) {
                if (u[i] & (1 << d))
                    t[d] |= 1 << i;
            }
        }
        findHiddenSubset(size, t, first, stride);
        u.fill(0);
        for (int d = 0; d < 9; ++d) {
            for (int i = 0; i < 9; ++i) {
                if (t[d] & (1 << i))
                    u[i] |= 1 << d;
            }
        }
    }
    for (int i = 0; i < 9; ++i)
        m_candMask[member(unit, i)] = u[i];
}

bool HintEngine::findNakedSubset(int size, std::array<int, 9> &u, int first, int stride)
{
    std::array<int, 4> items = {0, 1, 2, 3};
    do {
        int all = 0;
        bool hasEmpty = false;
        for (int i = 0; i < size; ++i) {
            hasEmpty = hasEmpty || u[items[i]] == 0;
            all |= u[items[i]];
        }
        if (hasEmpty || digitCount(all) != size)
            continue;
        bool fired = false;
        for (int j = 0; j < 9; ++j) {
            if (!(u[j] & all) || !(u[j] & ~all))
                continue;
            if (!fired) {
                const std::string count = std::to_string(size);
                std::string text = count + " 个格子内只能包含 " + count + " 个数字。\r\n"
                    + unitText(first, stride);
                for (int i = 0; i < 9; ++i) {
                    if (u[i] != 0 && !(u[i] & ~all)) {
                        const int e = member(Unit{first, stride}, i);
                        appendToList(cellName(e));
                        highlightCell(e, kHintMagenta);
                    }
                }
                text += ", 单元格 " + takeList() + "\r\n一定包含且只包含 "
                    + digitsSpaced(digitsOf(all)) + ".";
                showText(std::move(text));
                addWeight(HintTechnique::NakedSubset);
                fired = true;
            }
            u[j] &= ~all;
            m_searching = false;
        }
        if (fired)
            return true;
    } while (nextCombination(items, size));
    return false;
}

void HintEngine::findHiddenSubset(int size, std::array<int, 9> &t, int first, int stride)
{
    std::array<int, 4> items = {0, 1, 2, 3};
    do {
        int all = 0;
        bool hasEmpty = false;
        for (int i = 0; i < size; ++i) {
            hasEmpty = hasEmpty || t[items[i]] == 0;
            all |= t[items[i]];
        }
        if (hasEmpty || digitCount(all) != size)
            continue;
        bool fired = false;
        for (int d = 0; d < 9; ++d) {
            if (!(t[d] & all) || !(t[d] & ~all))
                continue;
            if (!fired) {
                const std::string count = std::to_string(size);
                std::string text = count + " 个数字只能存在于 " + count + " 个格子内。\r\n"
                    + unitText(first, stride);
                for (int i = 0; i < 9; ++i) {
                    if (all & (1 << i)) {
                        const int e = member(Unit{first, stride}, i);
                        appendToList(cellName(e));
                        highlightCell(e, kHintMagenta);
                    }
                }
                int digits = 0;
                for (int x = 0; x < 9; ++x) {
                    if (t[x] != 0 && !(t[x] & ~all))
                        digits |= 1 << x;
                }
                text += ", 单元格 " + takeList() + "\r\n一定包含且只包含 "
                    + digitsSpaced(digitsOf(digits)) + ".";
                showText(std::move(text));
                addWeight(HintTechnique::HiddenSubset);
                fired = true;
            }
            t[d] &= ~all;
            m_searching = false;
        }
        if (fired)
            return;
    } while (nextCombination(items, size));
}

} // namespace kestrel
