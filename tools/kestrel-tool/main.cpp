// kestrel-tool: the command-line front of the Sudoku Kestrel model.
#include "core/digit_strings.hpp"
#include "core/solver.hpp"
#include "logic/hint_tool.hpp"

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage
    = "usage: kestrel-tool <command> [arguments]\n"
      "\n"
      "commands:\n"
      "  solve [FILE]   solve each puzzle; prints '<code> <81 digits>': code 0 with the\n"
      "                 first solution (row-major, lowest digits first), or code 1 with the\n"
      "                 puzzle's own values (0 = empty) when it has no solution or no empty cell\n"
      "  unique [FILE]  count the solutions of each puzzle; prints '0 <solution>' for exactly\n"
      "                 one, '2 <first> <second>' for several, '1' for none, for equal digits\n"
      "                 that see each other, or for a puzzle without an empty cell\n"
      "  hint [FILE]    the hint engine's first hint for each puzzle, on one line (its line\n"
      "                 breaks written as ' / ')\n"
      "  grade [FILE]   put each puzzle on a Pencil and Paper board of givens and press the\n"
      "                 hint button until the engine stops; prints '<status> <score> <grid>\n"
      "                 <c0,...,c11>': status solved, stuck or nosolution, the difficulty\n"
      "                 score, the 81 cells after the engine stopped ('.' = open) and the\n"
      "                 twelve technique counters (hidden single, naked single, box/line,\n"
      "                 naked subset, hidden subset, three unique rectangles, mixed chain,\n"
      "                 one-digit chain, two-candidate chain, stuck)\n"
      "  version        print the program version\n"
      "  --help         print this text\n"
      "\n"
      "Puzzles are read from FILE, or from standard input without FILE or with '-', one per\n"
      "line: 81 cells after trimming, '1'-'9' a given, any other character an empty cell.\n"
      "Blank lines and lines starting with '#' are skipped. A line of another length prints\n"
      "'error line <N>: expected 81 cells, got <M>' in its place; the rest of the input is\n"
      "still read and the exit status is 1. A missing file gives exit status 2.\n";

enum class PuzzleCommand {
    Solve,
    Unique,
    Hint,
    Grade,
};

void writeGrade(std::ostream &out, const kestrel::GradeResult &grade)
{
    out << kestrel::gradeStatusName(grade.status) << ' ' << grade.difficultyScore << ' '
        << grade.cells << ' ';
    for (std::size_t slot = 0; slot < grade.techniqueCount.size(); ++slot)
        out << (slot ? "," : "") << grade.techniqueCount[slot];
    out << '\n';
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

/// Answers every puzzle line of `in` on `out`, one line each, flushed at once. Returns the
/// exit status: 0, or 1 when some line did not hold 81 cells.
int answerPuzzles(PuzzleCommand command, std::istream &in, std::ostream &out)
{
    // The solver window's logic is large (its search table and edit board); keep it off the
    // stack.
    const auto solver = std::make_unique<kestrel::Tfrm_sol>();
    int status = 0;
    long lineNumber = 0;
    std::string line;
    std::string puzzle;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string_view text = kestrel::trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        // A cell is a character, so a blank written as a multi-byte symbol ("·") counts once.
        puzzle.clear();
        for (const char c : text)
            if (!isContinuationByte(c))
                puzzle.push_back(c >= '1' && c <= '9' ? c : '*');
        if (puzzle.size() != 81) {
            out << "error line " << lineNumber << ": expected 81 cells, got " << puzzle.size()
                << '\n';
            status = 1;
        } else if (command == PuzzleCommand::Hint) {
            out << kestrel::firstHintLine(puzzle) << '\n';
        } else if (command == PuzzleCommand::Grade) {
            writeGrade(out, kestrel::gradePuzzle(puzzle));
        } else if (command == PuzzleCommand::Solve) {
            const kestrel::SolveOutcome outcome = kestrel::solvePuzzle(puzzle);
            out << kestrel::solveCode(outcome.result) << ' ' << outcome.values << '\n';
        } else {
            const kestrel::UniqueOutcome outcome = solver->solveUnique(puzzle);
            out << kestrel::uniqueCode(outcome.result);
            if (outcome.result == kestrel::UniqueResult::Unique)
                out << ' ' << outcome.first;
            else if (outcome.result == kestrel::UniqueResult::Several)
                out << ' ' << outcome.first << ' ' << outcome.second;
            out << '\n';
        }
        out.flush();
    }
    return status;
}

int runPuzzleCommand(PuzzleCommand command, int argc, char **argv)
{
    if (argc > 3) {
        std::cerr << "kestrel-tool: " << argv[1] << " takes at most one file\n" << kUsage;
        return 2;
    }
    const std::string_view path = argc == 3 ? argv[2] : "-";
    if (path == "-")
        return answerPuzzles(command, std::cin, std::cout);
    std::ifstream file{std::string(path)};
    if (!file) {
        std::cerr << "kestrel-tool: cannot open '" << path << "'\n";
        return 2;
    }
    return answerPuzzles(command, file, std::cout);
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
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
    if (command == "solve")
        return runPuzzleCommand(PuzzleCommand::Solve, argc, argv);
    if (command == "unique")
        return runPuzzleCommand(PuzzleCommand::Unique, argc, argv);
    if (command == "hint")
        return runPuzzleCommand(PuzzleCommand::Hint, argc, argv);
    if (command == "grade")
        return runPuzzleCommand(PuzzleCommand::Grade, argc, argv);
    std::cerr << "kestrel-tool: unknown command '" << command << "'\n" << kUsage;
    return 2;
}
