#pragma once
// Small string operations on digit strings (`hxs`-style candidate strings, puzzle strings)
// shared by the board, the exchange formats and the windows. Strings are byte strings; the
// digits are ASCII.

#include <string>
#include <string_view>

namespace kestrel {

/// `s` preceded by as many copies of `c` as make it `width` characters; unchanged when `s` is
/// already that long or longer.
std::string padLeft(int width, std::string_view s, char c);

/// `s` followed by as many copies of `c` as make it `width` characters; unchanged when `s` is
/// already that long or longer.
std::string padRight(int width, std::string_view s, char c);

/// The digits 1..9 that occur in `s`, each once, ascending ("3113" -> "13").
std::string sortedDigits(std::string_view s);

/// True when `s` is exactly one of "1".."9".
bool isDigitChar(std::string_view s);

/// How many times `sub` occurs in `s`. The search resumes one character after the start of
/// each match, so occurrences may overlap ("aa" occurs twice in "aaa"). An empty `sub` counts 0.
int countOf(std::string_view sub, std::string_view s);

/// `s` with, for each character of `t` taken from the last to the first, the first remaining
/// occurrence of that character deleted; characters of `t` absent from `s` are ignored.
std::string removeDigits(std::string_view s, std::string_view t);

/// `text` with every occurrence of `what` (not empty) replaced by `with`; used to fill the
/// "%1"-style places of message texts.
std::string replaceAll(std::string text, std::string_view what, std::string_view with);

/// `s` without leading and trailing characters of code 0..32 (blanks and control characters).
std::string_view trimmed(std::string_view s);

} // namespace kestrel
