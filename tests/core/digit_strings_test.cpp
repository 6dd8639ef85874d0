#include "core/digit_strings.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(DigitStrings, RemoveDigitsDeletesFirstOccurrencesFromTheEndOfTheList)
{
    EXPECT_EQ(removeDigits("1234", "42"), "13");
    EXPECT_EQ(removeDigits("12", ""), "12");
    EXPECT_EQ(removeDigits("", "5"), "");
    EXPECT_EQ(removeDigits("1213", "1"), "213"); // only the first remaining occurrence
    EXPECT_EQ(removeDigits("1213", "11"), "23");
    EXPECT_EQ(removeDigits("789", "5"), "789"); // absent characters are ignored
}

TEST(DigitStrings, SortedDigitsKeepsEachDigitOnceAscending)
{
    EXPECT_EQ(sortedDigits("9315531"), "1359");
    EXPECT_EQ(sortedDigits("0a*"), "");
    EXPECT_EQ(sortedDigits(""), "");
}

TEST(DigitStrings, IsDigitCharAcceptsExactlyOneOfOneToNine)
{
    EXPECT_TRUE(isDigitChar("1"));
    EXPECT_TRUE(isDigitChar("9"));
    EXPECT_FALSE(isDigitChar("0"));
    EXPECT_FALSE(isDigitChar(""));
    EXPECT_FALSE(isDigitChar("12"));
    EXPECT_FALSE(isDigitChar("a"));
}

TEST(DigitStrings, CountOfCountsOverlappingOccurrences)
{
    EXPECT_EQ(countOf("aa", "aaaa"), 3);
    EXPECT_EQ(countOf("1", "1231"), 2);
    EXPECT_EQ(countOf("x", "abc"), 0);
    EXPECT_EQ(countOf("", "abc"), 0);
    EXPECT_EQ(countOf("abc", "ab"), 0);
}

TEST(DigitStrings, PaddingFillsUpToTheWidthOnly)
{
    EXPECT_EQ(padLeft(5, "12", ' '), "   12");
    EXPECT_EQ(padRight(5, "12", '.'), "12...");
    EXPECT_EQ(padLeft(2, "1234", ' '), "1234");
    EXPECT_EQ(padRight(0, "", ' '), "");
}

TEST(DigitStrings, TrimmedDropsBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(trimmed(" \t12 3\r\n"), "12 3");
    EXPECT_EQ(trimmed("   "), "");
}

TEST(DigitStrings, ReplaceAllFillsEveryPlaceAndLeavesTextsWithoutOne)
{
    EXPECT_EQ(replaceAll("file %1 and %1", "%1", "a%1"), "file a%1 and a%1");
    EXPECT_EQ(replaceAll("no place", "%1", "x"), "no place");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
}

} // namespace
} // namespace kestrel
