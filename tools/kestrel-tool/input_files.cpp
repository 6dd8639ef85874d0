#include "input_files.hpp"

#include <filesystem>
#include <iostream>
#include <string>

namespace kestrel::tool {

std::optional<std::ifstream> openInputFile(std::string_view path)
{
    const std::filesystem::path file{std::string(path)};
    std::error_code error;
    // On this system a folder opens as a stream that reads nothing: ask first.
    if (std::filesystem::is_directory(file, error)) {
        std::cerr << "kestrel-tool: '" << path << "' is a folder, not a file\n";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "kestrel-tool: cannot open '" << path << "'\n";
        return std::nullopt;
    }
    return in;
}

} // namespace kestrel::tool
