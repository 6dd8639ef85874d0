// kestrel-tool reads puzzle files, snapshot files and standard input that may hold anything:
// every line reads as skipped, a puzzle or a line of the wrong length, a puzzle read again
// reads the same, the snapshot reader takes exactly one non-blank line, and a file opened by
// the tool reads back byte for byte.
#include "input_files.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

std::string scratchFile()
{
    static const std::string path
        = "/tmp/kestrel-fuzz-tool-input-" + std::to_string(::getpid()) + ".txt";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace kestrel::tool;
    const std::string bytes(reinterpret_cast<const char *>(data), size);

    // Puzzle lines, split as the tool splits them (getline on the stream).
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        const PuzzleLine read = readPuzzleLine(line);
        if (read.kind == PuzzleLineKind::Skipped) {
            if (!read.cells.empty())
                __builtin_trap();
            continue;
        }
        for (const char c : read.cells)
            if (c != '*' && (c < '1' || c > '9'))
                __builtin_trap();
        if ((read.kind == PuzzleLineKind::Puzzle) != (read.cells.size() == 81))
            __builtin_trap();
        // The cells read are a puzzle line of their own that reads the same (a leading "*"
        // is no comment). A line of stray UTF-8 continuation bytes holds no cell at all.
        if (read.cells.empty())
            continue;
        const PuzzleLine again = readPuzzleLine(read.cells);
        if (again.kind != read.kind || again.cells != read.cells)
            __builtin_trap();
    }

    // The print command's one snapshot line: when taken, it is a line of the input that,
    // alone, is taken again.
    std::istringstream snapshotIn(bytes);
    std::ostringstream quiet;
    auto *const before = std::cerr.rdbuf(quiet.rdbuf());
    const std::optional<std::string> snapshot = readSnapshotLine(snapshotIn, "print");
    std::optional<std::string> again;
    if (snapshot) {
        std::istringstream alone(*snapshot + "\r\n");
        again = readSnapshotLine(alone, "print");
    }
    std::cerr.rdbuf(before);
    if (snapshot
        && (snapshot->empty() || bytes.find(*snapshot) == std::string::npos || again != snapshot))
        __builtin_trap();

    // A file the tool opens is read whole, as it is.
    const std::string path = scratchFile();
    if (std::FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        std::optional<std::ifstream> opened = openInputFile(path);
        if (!opened)
            __builtin_trap();
        const std::string read((std::istreambuf_iterator<char>(*opened)),
                               std::istreambuf_iterator<char>());
        if (read != bytes)
            __builtin_trap();
    }
    return 0;
}
