// kestrel-tool: the command-line front of the Sudoku Kestrel model.
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "usage: kestrel-tool <command> [arguments]\n"
                                    "\n"
                                    "commands:\n"
                                    "  version     print the program version\n"
                                    "  --help      print this text\n";

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "version" || command == "--version") {
        std::cout << "kestrel-tool " << KESTREL_VERSION << "\n";
        return 0;
    }
    std::cerr << "kestrel-tool: unknown command '" << command << "'\n" << kUsage;
    return 2;
}
