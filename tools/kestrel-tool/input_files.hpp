#pragma once
// Opening the files kestrel-tool reads: a folder, or a path that cannot be opened, is named on
// standard error instead of being read as an empty input.

#include <fstream>
#include <optional>
#include <string_view>

namespace kestrel::tool {

/// `path` opened for reading (binary), or nothing after a message on standard error.
std::optional<std::ifstream> openInputFile(std::string_view path);

} // namespace kestrel::tool
