#pragma once
// Texts the player pastes or types are UTF-8; the import formats and the copy window's blank
// chooser count characters as Unicode code points ("？" is one character, not three bytes).

#include <string>
#include <string_view>

namespace kestrel {

/// The code points of a UTF-8 text. A byte that does not start or continue a well-formed
/// sequence (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short)
/// becomes one U+FFFD, so every input gives a definite character sequence.
std::u32string decodeUtf8(std::string_view text);

/// The UTF-8 form of one code point (U+FFFD for a value that is not a scalar value).
std::string encodeUtf8(char32_t codePoint);

/// True for the characters the program counts as white space: code point at most 32 (space,
/// tab, CR, LF and the other control characters). A no-break space is not white space.
constexpr bool isWhiteSpace(char32_t ch) noexcept
{
    return ch <= 32;
}

/// `text` without its leading and trailing white space.
std::u32string_view trimWhiteSpace(std::u32string_view text);

} // namespace kestrel
