#pragma once
// A set of Sudoku digits 1..9 in nine bits, shared by the solver, the hint engine and the
// board:
//
//   bit    8 7 6 5 4 3 2 1 0
//   digit  9 8 7 6 5 4 3 2 1      full set 0x1FF (511)
//
// The hint engine's and the solver's candidate masks are this layout, so a mask read from a
// table and a DigitSet convert with `DigitSet(bits)` / `bits()` at no cost.

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

class DigitSet
{
public:
    static constexpr std::uint16_t kAll = 0x1FF;

    constexpr DigitSet() = default;
    /// The digits of a 9-bit mask (bit d - 1 = digit d); higher bits are dropped.
    constexpr explicit DigitSet(std::uint16_t bits) : m_bits(bits & kAll) { }
    /// The set of one digit (1..9).
    static constexpr DigitSet of(int digit)
    {
        assert(digit >= 1 && digit <= 9);
        return DigitSet(std::uint16_t(1u << (digit - 1)));
    }
    /// All nine digits.
    static constexpr DigitSet all() { return DigitSet(kAll); }
    /// The digits 1..digit - 1.
    static constexpr DigitSet below(int digit)
    {
        return DigitSet(std::uint16_t((1u << (digit - 1)) - 1));
    }
    /// The digits "1".."9" found in `text`; every other character is ignored.
    static constexpr DigitSet fromText(std::string_view text)
    {
        DigitSet set;
        for (const char ch : text)
            if (ch >= '1' && ch <= '9')
                set.m_bits |= std::uint16_t(1u << (ch - '1'));
        return set;
    }

    constexpr std::uint16_t bits() const { return m_bits; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr bool isSingle() const { return m_bits != 0 && (m_bits & (m_bits - 1)) == 0; }
    /// Number of digits (a table lookup: std::popcount is a library call without -mpopcnt).
    constexpr int count() const { return kCounts[m_bits]; }
    constexpr bool has(int digit) const { return (m_bits >> (digit - 1)) & 1u; }
    /// The smallest digit; the set must not be empty.
    constexpr int lowest() const
    {
        assert(m_bits != 0);
        return std::countr_zero(m_bits) + 1;
    }
    /// Removes and returns the smallest digit; the set must not be empty.
    constexpr int takeLowest()
    {
        const int digit = lowest();
        m_bits &= std::uint16_t(m_bits - 1);
        return digit;
    }
    constexpr void add(int digit) { m_bits |= of(digit).m_bits; }
    constexpr void remove(int digit) { m_bits &= std::uint16_t(~of(digit).m_bits); }
    /// The digits ascending without separator ("37"); empty for the empty set.
    std::string toText() const
    {
        std::string text;
        for (const int d : *this)
            text.push_back(static_cast<char>('0' + d));
        return text;
    }

    constexpr DigitSet operator~() const { return DigitSet(std::uint16_t(~m_bits)); }
    constexpr DigitSet operator&(DigitSet o) const { return DigitSet(m_bits & o.m_bits); }
    constexpr DigitSet operator|(DigitSet o) const { return DigitSet(m_bits | o.m_bits); }
    constexpr DigitSet &operator|=(DigitSet o)
    {
        m_bits |= o.m_bits;
        return *this;
    }
    constexpr DigitSet &operator&=(DigitSet o)
    {
        m_bits &= o.m_bits;
        return *this;
    }
    constexpr bool operator==(const DigitSet &) const = default;

    /// Visits the digits ascending: `for (int d : set)`.
    class Iterator
    {
    public:
        constexpr explicit Iterator(std::uint16_t bits) : m_rest(bits) { }
        constexpr int operator*() const { return std::countr_zero(m_rest) + 1; }
        constexpr Iterator &operator++()
        {
            m_rest &= std::uint16_t(m_rest - 1);
            return *this;
        }
        constexpr bool operator==(const Iterator &) const = default;

    private:
        std::uint16_t m_rest;
    };
    constexpr Iterator begin() const { return Iterator(m_bits); }
    constexpr Iterator end() const { return Iterator(0); }

private:
    static constexpr std::array<std::uint8_t, 512> kCounts = [] {
        std::array<std::uint8_t, 512> counts{};
        for (unsigned bits = 1; bits < 512; ++bits)
            counts[bits] = std::uint8_t(counts[bits >> 1] + (bits & 1u));
        return counts;
    }();

    std::uint16_t m_bits = 0;
};

} // namespace kestrel
