#include "core/puzzle_record.hpp"

#include "core/digit_strings.hpp"
#include "core/random_source.hpp"

#include <utility>

namespace kestrel {

namespace {

constexpr std::string_view kSolutionLetters = "ABCDEFGHI";

void swapNodes(TNode &a, TNode &b)
{
    std::swap(a.value, b.value);
    std::swap(a.given, b.given);
}

} // namespace

TQJ::TQJ()
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            node(r, c) = TNode{r, c, 0, false};
}

void TQJ::loadTemplateUnshuffled(std::string_view bankLine)
{
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            const auto k = static_cast<std::size_t>((i - 1) * 9 + (j - 1));
            const char ch = k < bankLine.size() ? bankLine[k] : '0';
            TNode &n = node(i, j);
            n.row = i;
            n.col = j;
            const auto letter = kSolutionLetters.find(ch);
            if (letter != std::string_view::npos) {
                n.given = false;
                n.value = static_cast<int>(letter) + 1;
            } else {
                // Bank lines carry only digits and letters; anything else reads as 0.
                n.given = true;
                n.value = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
            }
        }
    }
}

void TQJ::loadTemplate(std::string_view bankLine)
{
    loadTemplateUnshuffled(bankLine);
    shuffle(200);
}

void TQJ::loadTemplate(std::string_view bankLine, RandomSource &random)
{
    loadTemplateUnshuffled(bankLine);
    shuffle(200, random);
}

void TQJ::shuffle(int times)
{
    if (times < 1)
        return;
    MersenneRandom random; // reseeded from the clock on every call
    shuffle(times, random);
}

void TQJ::shuffle(int times, RandomSource &random)
{
    for (int t = 0; t < times; ++t) {
        const int k = random.between(1, 7);
        const int a = random.between(1, 3);
        int b = random.between(1, 2);
        if (a == 1)
            b = b + 1;
        if (a == 2 && b == 2)
            b = 3;
        if (k <= 3) {
            const int colA = 3 * (k - 1) + a;
            const int colB = 3 * (k - 1) + b;
            for (int r = 1; r <= 9; ++r)
                swapNodes(node(r, colA), node(r, colB));
        } else if (k <= 6) {
            const int rowA = 3 * (k - 4) + a;
            const int rowB = 3 * (k - 4) + b;
            for (int c = 1; c <= 9; ++c)
                swapNodes(node(rowA, c), node(rowB, c));
        } else {
            const int x = random.between(1, 9);
            int y = random.between(1, 9);
            if (y == x)
                y = (x == 9) ? 1 : x + 1;
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    TNode &n = node(r, c);
                    if (n.value == x)
                        n.value = y;
                    else if (n.value == y)
                        n.value = x;
                }
            }
        }
    }
}

std::string TQJ::solutionString() const
{
    std::string out;
    out.reserve(81);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const int v = node(r, c).value;
            if (v < 1 || v > 9)
                return {};
            out.push_back(static_cast<char>('0' + v));
        }
    }
    return out;
}

std::string TQJ::givensString() const
{
    std::string out;
    out.reserve(81);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TNode &n = node(r, c);
            // A given always holds 1..9 in practice; anything else is written as "0" so that
            // the string stays a valid givens string.
            const bool writable = n.given && n.value >= 1 && n.value <= 9;
            out.push_back(writable ? static_cast<char>('0' + n.value) : '0');
        }
    }
    return out;
}

void TQJ::clearValues()
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            node(r, c).value = 0;
}

void TQJ::loadValues(std::string_view digits)
{
    clearValues();
    const std::string_view text = trimmed(digits);
    if (text.size() != 81)
        return;
    for (int k = 0; k < 81; ++k) {
        const char ch = text[static_cast<std::size_t>(k)];
        // Callers pass digit strings; a stray character is read as 0 rather than garbage.
        node(k / 9 + 1, k % 9 + 1).value = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
    }
}

void TQJ::loadGivens(std::string_view chars)
{
    clearValues();
    const std::string_view text = trimmed(chars);
    if (text.size() != 81)
        return;
    for (int k = 0; k < 81; ++k) {
        const char ch = text[static_cast<std::size_t>(k)];
        TNode &n = node(k / 9 + 1, k % 9 + 1);
        n.given = ch >= '1' && ch <= '9';
        n.value = n.given ? ch - '0' : 0;
    }
}

bool TQJ::isEmpty() const
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (node(r, c).given)
                return false;
    return true;
}

} // namespace kestrel
