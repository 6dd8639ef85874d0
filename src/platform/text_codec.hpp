#pragma once
// The rules for the program's text files, shared by every TextFiles implementation.
//
// Reading: a leading byte-order mark picks the encoding (EF BB BF UTF-8, FF FE UTF-16LE,
// FE FF UTF-16BE) and is dropped; without one the bytes are taken as UTF-8 as they are.
// A line ends at CR LF, LF or a lone CR; a last line without an ending still counts.
// Writing: UTF-8 without a mark, CR LF after every line, the last one included.

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

/// Splits the bytes of a text file into its lines (UTF-8, without line endings); an empty
/// file, or one holding only a byte-order mark, has no lines.
std::vector<std::string> decodeLines(std::string_view bytes);

/// The bytes of a text file holding `lines`: UTF-8, no byte-order mark, CR LF after each line.
std::string encodeLines(const std::vector<std::string> &lines);

} // namespace kestrel
