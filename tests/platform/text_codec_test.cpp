#include "platform/text_codec.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kestrel::decodeLines;
using kestrel::encodeLines;
using Lines = std::vector<std::string>;

namespace {

// UTF-16 bytes of `units` in the given order, behind the matching byte-order mark.
std::string utf16(std::initializer_list<char16_t> units, bool bigEndian)
{
    std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    for (char16_t u : units) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

} // namespace

TEST(TextCodec, LineEndingsAndEmptyLines)
{
    struct Case
    {
        const char *name;
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"one line without ending", "abc", {"abc"}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF only", "a\nb", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"mixed endings", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"blank lines kept", "\r\n\r\nx\r\n\r\n", {"", "", "x", ""}},
        {"LF CR is two endings", "a\n\rb", {"a", "", "b"}},
        {"CR at the very end", "a\r", {"a"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeLines(c.bytes), c.expected);
    }
}

TEST(TextCodec, Utf8MarkIsDroppedAndBytesPassThrough)
{
    EXPECT_EQ(decodeLines("\xEF\xBB\xBF"
                          "\xE6\x95\xB0\xE7\x8B\xAC\r\nx"),
              (Lines{"\xE6\x95\xB0\xE7\x8B\xAC", "x"}));
    EXPECT_TRUE(decodeLines("\xEF\xBB\xBF").empty());
    // Without a mark, bytes are not reinterpreted (not even invalid UTF-8).
    EXPECT_EQ(decodeLines("\xFF\x41"), (Lines{"\xFF\x41"}));
}

TEST(TextCodec, Utf16BothByteOrdersWithSurrogatePairs)
{
    // "数", CR LF, "A", U+1F600 as a surrogate pair, LF, "é".
    const std::initializer_list<char16_t> units
        = {0x6570, u'\r', u'\n', u'A', 0xD83D, 0xDE00, u'\n', 0x00E9};
    const Lines expected{"\xE6\x95\xB0", "A\xF0\x9F\x98\x80", "\xC3\xA9"};
    EXPECT_EQ(decodeLines(utf16(units, false)), expected);
    EXPECT_EQ(decodeLines(utf16(units, true)), expected);
    EXPECT_TRUE(decodeLines(utf16({}, false)).empty());
}

TEST(TextCodec, BrokenUtf16BecomesReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    // A lone low surrogate, a high surrogate followed by a plain unit, a high one at the end.
    EXPECT_EQ(decodeLines(utf16({0xDC00, u'a', 0xD800, u'b', 0xD800}, false)),
              (Lines{replacement + "a" + replacement + "b" + replacement}));
    // An odd byte left over at the end.
    EXPECT_EQ(decodeLines(utf16({u'z'}, true) + std::string(1, '\0')), (Lines{"z" + replacement}));
}

TEST(TextCodec, EncodeEndsEveryLineWithCrLfAndRoundTrips)
{
    EXPECT_EQ(encodeLines({}), "");
    EXPECT_EQ(encodeLines({"a", "", "\xE6\x95\xB0"}), "a\r\n\r\n\xE6\x95\xB0\r\n");
    const Lines lines{"first", "", "last"};
    EXPECT_EQ(decodeLines(encodeLines(lines)), lines);
}
