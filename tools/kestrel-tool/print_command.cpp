#include "print_command.hpp"

#include "input_files.hpp"

#include "core/board.hpp"
#include "game/step_log.hpp"
#include "print/print_page.hpp"

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::tool {

namespace {

struct PrintRequest
{
    std::optional<PrintStyle> style;
    std::optional<PaperSize> paper;
    std::string path = "-";
};

std::optional<PrintStyle> styleNamed(std::string_view name)
{
    if (name == "normal")
        return PrintStyle::Normal;
    if (name == "candidates")
        return PrintStyle::WithCandidates;
    return std::nullopt;
}

std::optional<PaperSize> paperNamed(std::string_view name)
{
    if (name == "a4")
        return PaperSize::A4;
    if (name == "a3")
        return PaperSize::A3;
    if (name == "a2")
        return PaperSize::A2;
    return std::nullopt;
}

std::optional<PrintRequest> parseRequest(int argc, char **argv)
{
    PrintRequest request;
    bool hasPath = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--style" && i + 1 < argc) {
            request.style = styleNamed(argv[++i]);
            if (!request.style)
                return std::nullopt;
        } else if (arg == "--size" && i + 1 < argc) {
            request.paper = paperNamed(argv[++i]);
            if (!request.paper)
                return std::nullopt;
        } else if (!hasPath && (arg == "-" || !arg.starts_with("--"))) {
            request.path = std::string(arg);
            hasPath = true;
        } else {
            return std::nullopt;
        }
    }
    if (!request.style || !request.paper)
        return std::nullopt;
    return request;
}

} // namespace

int runPrint(int argc, char **argv)
{
    const std::optional<PrintRequest> request = parseRequest(argc, argv);
    if (!request) {
        std::cerr << "kestrel-tool: usage: kestrel-tool print --style normal|candidates "
                     "--size a4|a3|a2 [FILE]\n";
        return 2;
    }
    std::optional<std::string> snapshot;
    if (request->path == "-") {
        snapshot = readSnapshotLine(std::cin, "print");
    } else {
        std::optional<std::ifstream> file = openInputFile(request->path);
        if (!file)
            return 2;
        snapshot = readSnapshotLine(*file, "print");
    }
    if (!snapshot)
        return 2;
    if (!isValidSnapshot(*snapshot)) {
        std::cerr << "kestrel-tool: print: not a board snapshot (81 fields joined by ',', each "
                     "a state digit 1..3 followed by the cell's digits)\n";
        return 2;
    }
    TPICSD33 board;
    applySnapshot(board, *snapshot);
    const std::string page
        = pageText(pageGenerator(*request->style, *request->paper).generate(board));
    std::cout.write(page.data(), static_cast<std::streamsize>(page.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace kestrel::tool
