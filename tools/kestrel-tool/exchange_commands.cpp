#include "exchange_commands.hpp"

#include "core/board.hpp"
#include "exchange/copy_layouts.hpp"
#include "exchange/frm_copy.hpp"
#include "exchange/import_text.hpp"
#include "game/step_log.hpp"
#include "input_files.hpp"

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace kestrel::tool {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The whole of FILE, or of standard input for "-"; nothing when the file cannot be read.
std::optional<std::string> readAll(std::string_view path)
{
    std::string bytes;
    if (path == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::optional<std::ifstream> file = openInputFile(path);
        if (!file)
            return std::nullopt;
        bytes.assign(std::istreambuf_iterator<char>(*file), {});
    }
    if (bytes.starts_with(kUtf8Bom))
        bytes.erase(0, kUtf8Bom.size());
    return bytes;
}

std::optional<CopyLayout> layoutNamed(std::string_view name)
{
    if (name == "nocand")
        return CopyLayout::NoCandidate;
    if (name == "cand")
        return CopyLayout::WithCandidates;
    if (name == "9x9")
        return CopyLayout::NineByNine;
    if (name == "1x81")
        return CopyLayout::OneByEightyOne;
    return std::nullopt;
}

struct CopyRequest
{
    CopyLayout layout = CopyLayout::NoCandidate;
    std::string blank = ".";
    std::string path = "-";
};

std::optional<CopyRequest> parseCopyArguments(int argc, char **argv)
{
    CopyRequest request;
    bool haveLayout = false;
    bool havePath = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--layout" && hasValue) {
            const std::optional<CopyLayout> layout = layoutNamed(argv[++i]);
            if (!layout) {
                std::cerr << "kestrel-tool: copy: unknown layout '" << argv[i]
                          << "' (nocand, cand, 9x9 or 1x81)\n";
                return std::nullopt;
            }
            request.layout = *layout;
            haveLayout = true;
        } else if (arg == "--blank" && hasValue) {
            request.blank = argv[++i];
        } else if (!havePath && (arg == "-" || !arg.starts_with("--"))) {
            request.path = std::string(arg);
            havePath = true;
        } else {
            std::cerr << "kestrel-tool: copy: unexpected argument '" << arg << "'\n";
            return std::nullopt;
        }
    }
    if (!haveLayout) {
        std::cerr << "kestrel-tool: copy needs --layout nocand|cand|9x9|1x81\n";
        return std::nullopt;
    }
    return request;
}

} // namespace

int runImport(int argc, char **argv)
{
    if (argc > 3) {
        std::cerr << "kestrel-tool: import takes at most one file\n";
        return 2;
    }
    const std::optional<std::string> bytes = readAll(argc == 3 ? argv[2] : "-");
    if (!bytes)
        return 2;
    if (bytes->find('\0') != std::string::npos) {
        std::cerr << "kestrel-tool: import: the input is not text (it holds a NUL byte)\n";
        std::cout << "invalid\n";
        return 1;
    }
    // The text as the Import window's text area holds it: its lines, joined by CR LF.
    const std::string text = joinImportLines(splitImportLines(*bytes));
    const std::optional<ImportResult> result = readImportText(text);
    if (!result) {
        std::cout << "invalid\n";
        return 1;
    }
    TPICSD33 board;
    fillCreateBoard(board, result->cells);
    const std::string snapshot = takeSnapshot(board);
    // Format 4 takes digit groups as written: a group of repeated or too many digits makes a
    // cell no board can hold.
    if (!isValidSnapshot(snapshot)) {
        std::cerr << "kestrel-tool: import: a cell of the text holds a digit twice\n";
        std::cout << "invalid\n";
        return 1;
    }
    std::cout << static_cast<int>(result->format) << ' ' << snapshot << '\n';
    return 0;
}

int runCopy(int argc, char **argv)
{
    const std::optional<CopyRequest> request = parseCopyArguments(argc, argv);
    if (!request)
        return 2;
    const std::optional<std::string> bytes = readAll(request->path);
    if (!bytes)
        return 2;
    const std::vector<std::string> lines = splitImportLines(*bytes);
    std::string snapshot = lines.front();
    if (!isValidSnapshot(snapshot)) {
        std::cerr << "kestrel-tool: copy: the first line is not a board snapshot (81 fields "
                     "joined by ',', each a state 1..3 and its digits)\n";
        return 2;
    }
    TPICSD33 board;
    applySnapshot(board, snapshot);
    const CopyBoard source = copySourceOf(board);
    for (const std::string &line :
         renderCopyLayout(source, request->layout, blankCharacter(request->blank)))
        std::cout << line << '\n';
    return 0;
}

} // namespace kestrel::tool
