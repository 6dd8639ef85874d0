// kestrel-tool: the command-line front of the Sudoku Kestrel model.
#include "exchange_commands.hpp"
#include "games_command.hpp"
#include "input_files.hpp"

#include "app/bank_builder.hpp"
#include "app/puzzle_bank.hpp"
#include "app/session/session_driver.hpp"
#include "core/digit_strings.hpp"
#include "core/random_source.hpp"
#include "core/solver.hpp"
#include "logic/hint_tool.hpp"
#include "print_command.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

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
      "  grade [FILE]   run the hint engine on each puzzle's givens (as in Pencil and Paper),\n"
      "                 carrying out every hint, until it stops; prints '<status> <score> <grid>\n"
      "                 <c0,...,c11>': status solved, stuck or nosolution, the difficulty\n"
      "                 score, the 81 cells after the engine stopped ('.' = open) and the\n"
      "                 twelve technique counters (hidden single, naked single, box/line,\n"
      "                 naked subset, hidden subset, three unique rectangles, mixed chain,\n"
      "                 one-digit chain, two-candidate chain, stuck)\n"
      "  bank --seed N --count C0,C1,C2,C3,C4 [--symmetric] --out DIR\n"
      "                 generate puzzles from seed N until level L has C<L> of them and write\n"
      "                 DIR/level0.txt .. DIR/level4.txt (bank lines: '1'-'9' a given, 'A'-'I'\n"
      "                 an open cell's solution digit); progress on standard error. Puzzles are\n"
      "                 minimal (Very Easy ones keep 32-36 givens), optionally symmetric under\n"
      "                 a half turn; copies under row/column swaps and relabelling are skipped\n"
      "  check-bank [DIR]\n"
      "                 check every line of DIR/level0.txt .. level4.txt (default: the bank\n"
      "                 built into the program): format, a valid solution grid, exactly one\n"
      "                 solution, solved by the hint engine at its level, no copy of another\n"
      "                 puzzle; prints per level the count, givens and mean score; exit status\n"
      "                 1 on any failure\n"
      "  session [FILE] play the main window headless from a script (see below)\n"
      "  import [FILE]  read one import text (the whole file) as the Import window does;\n"
      "                 prints '<format> <snapshot>': the format 1..4 and the create board's\n"
      "                 81 cells as a board snapshot (state digit, then the cell's digits,\n"
      "                 joined by ','; 2 = clue, 3 = open), or 'invalid' with exit status 1\n"
      "  copy --layout nocand|cand|9x9|1x81 [--blank C] [FILE]\n"
      "                 render the board snapshot on the first line in a copy layout (No\n"
      "                 Candidate, With Candidates, 9*9, 1*81); C is the blank chooser's text\n"
      "                 (default '.'); a line that is not a snapshot gives exit status 2\n"
      "  print --style normal|candidates --size a4|a3|a2 [FILE]\n"
      "                 the printable page of one board, byte for byte as the Printable Board\n"
      "                 window writes it (CR LF line ends), on standard output. FILE (or\n"
      "                 standard input) holds one board snapshot line as the step log writes\n"
      "                 it: 81 fields joined by ',', each a state digit (1 given, 2 placed,\n"
      "                 3 open) followed by the cell's digit or candidates. A malformed\n"
      "                 snapshot gives a message on standard error and exit status 2\n"
      "  version        print the program version\n"
      "  --help         print this text\n"
      "\n"
      "Puzzles are read from FILE, or from standard input without FILE or with '-', one per\n"
      "line: 81 cells after trimming, '1'-'9' a given, any other character an empty cell.\n"
      "Blank lines and lines starting with '#' are skipped. A line of another length prints\n"
      "'error line <N>: expected 81 cells, got <M>' in its place; the rest of the input is\n"
      "still read and the exit status is 1. A missing file gives exit status 2.\n"
      "\n"
      "Levels of the bank, by the hardest technique the hint engine needed:\n"
      "  0 Very Easy   hidden singles only, at least 32 givens\n"
      "  1 Gentle      hidden and naked singles only\n"
      "  2 Moderate    box/line intersections or naked pairs, triples, quads\n"
      "  3 Tough       hidden subsets, unique rectangles or one-digit chains\n"
      "  4 Diabolical  chains of two-candidate cells or mixed chains\n"
      "A puzzle the engine cannot finish has no level and is never in the bank.\n"
      "\n"
      "session: one action per line (blank lines and '#' lines skipped), run on the main\n"
      "window's logic as the player's input would be, with an in-memory data folder:\n"
      "  seed N; new L (0..4); puzzle GIVENS81 [SOLUTION81] (played as a loaded game)\n"
      "  digit D [left|right]; click R C [left|right];\n"
      "  key K, K one of 1..9, kp1..kp9 (keypad), tab, esc, up, down, left, right, home, end,\n"
      "    enter, space, delete, backspace, f1, f5, n, p, r, y, z, after any of ctrl+ and\n"
      "    shift+ (key shift+5, key ctrl+shift+z)\n"
      "  cand R C D [left|right]; mode pencil|all|part; auto on|off\n"
      "  answer yes|no (the answer to the next question)\n"
      "  first; back; next; last; branch start|accept|reject; marking on|off;\n"
      "  colour N (0..15); clear-marks; pad R C; pad D; pad auto; pad close\n"
      "  check; hint (opens the hint window); hint press; hint close; solution; restart\n"
      "  exit (closes and starts again); continue; save-replay NAME; load-replay NAME\n"
      "  pause (and resume); rewind (to the first mistake); mistakes (the option, on/off)\n"
      "  import TEXT  Import or Create > Import with TEXT in the text area ('\\n' parts its\n"
      "            lines) > OK > Play Puzzle (Quit when the puzzle is refused)\n"
      "  paste     the same with the clipboard's text pasted into the text area\n"
      "  copy nocand|cand|9x9|1x81 [BLANK]  Copy Puzzle To Clipboard in that layout, blanks\n"
      "            as BLANK (the blank chooser's text), then Copy\n"
      "  save-game NAME [LEVEL]  Save Current Board under NAME (one word) at LEVEL 0..5 (the\n"
      "            board's own by default); OK, and Cancel when the write failed\n"
      "  games     Display Your Game List; prints 'games=' and the names, joined by ','\n"
      "  load-game NAME; delete-game NAME; rename-game NAME NEW  the game list with the row\n"
      "            of NAME selected, then OK, Delete or Rename (Cancel when no row has NAME)\n"
      "  show      prints 'steps= at= mode= level= solved= clock= board= shown=', shown\n"
      "            being the 81 cells as '<big digit>/<visible candidates>'; then, only when\n"
      "            they apply, 'cursor=R,C', 'paused', 'mistakes=RC,..' and\n"
      "            'removals=RC-digits,..' (the candidates the hint on show removes)\n"
      "  messages  prints what was shown since the last 'messages': 'info: ', 'ask: ' or\n"
      "            'hint: ' and the text, its line breaks written as '\\n'\n"
      "The session starts as the program does (Chinese texts, no game), the random source\n"
      "seeded with 0 and the clock still; 'exit' starts it again on the same files.\n"
      "While the candidate pad is up keys go to it; while the hint window is open only hint\n"
      "press, hint close, show, messages and answer may be used. A bad line prints\n"
      "'error line N: <why>' on standard error (exit status 2); a question without a queued\n"
      "answer prints 'unanswered: <text>' (exit status 3).\n";

enum class PuzzleCommand {
    Solve,
    Unique,
    Hint,
    Grade,
    GradeFull,
};

void writeGrade(std::ostream &out, const kestrel::GradeResult &grade)
{
    out << kestrel::gradeStatusName(grade.status) << ' ' << grade.difficultyScore << ' '
        << grade.cells << ' ';
    for (std::size_t slot = 0; slot < grade.techniqueCount.size(); ++slot)
        out << (slot ? "," : "") << grade.techniqueCount[slot];
    out << '\n';
}

/// Answers every puzzle line of `in` on `out`, one line each, flushed before reading blocks.
/// Returns the exit status: 0, or 1 when some line did not hold 81 cells.
int answerPuzzles(PuzzleCommand command, std::istream &in, std::ostream &out)
{
    int status = 0;
    long lineNumber = 0;
    long puzzleLines = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        const kestrel::tool::PuzzleLine read = kestrel::tool::readPuzzleLine(line);
        if (read.kind == kestrel::tool::PuzzleLineKind::Skipped)
            continue;
        ++puzzleLines;
        const std::string &puzzle = read.cells;
        if (read.kind == kestrel::tool::PuzzleLineKind::WrongLength) {
            out << "error line " << lineNumber << ": expected 81 cells, got " << puzzle.size()
                << '\n';
            status = 1;
        } else if (command == PuzzleCommand::Hint) {
            out << kestrel::firstHintLine(puzzle) << '\n';
        } else if (command == PuzzleCommand::Grade) {
            writeGrade(out, kestrel::gradePuzzle(puzzle));
        } else if (command == PuzzleCommand::GradeFull) {
            const kestrel::GradeResult grade
                = kestrel::gradePuzzle(puzzle, kestrel::HintLadder::Full);
            out << kestrel::gradeStatusName(grade.status) << ' ' << grade.difficultyScore << ' '
                << grade.cells << ' ' << grade.hardestTechnique << '\n';
        } else if (command == PuzzleCommand::Solve) {
            const kestrel::SolveOutcome outcome = kestrel::solvePuzzle(puzzle);
            out << kestrel::solveCode(outcome.result) << ' ' << outcome.values << '\n';
        } else {
            // The solver window's solveUnique runs its edit-board check first, which on a line
            // of '1'-'9' and '*' objects exactly to equal digits that see each other, the
            // check countSolutions makes itself (BreaksRules); so the answer is the same
            // without building the window's board and table for every run.
            const kestrel::UniqueOutcome outcome = kestrel::countSolutions(puzzle);
            out << kestrel::uniqueCode(outcome.result);
            if (outcome.result == kestrel::UniqueResult::Unique)
                out << ' ' << outcome.first;
            else if (outcome.result == kestrel::UniqueResult::Several)
                out << ' ' << outcome.first << ' ' << outcome.second;
            out << '\n';
        }
        // Each answer is out before the tool waits for more input, so a program talking to it
        // through a pipe gets every line at once. solve and unique take about a microsecond
        // per puzzle, where a write per line would be a tenth of the run on a large file:
        // they flush only when the input has nothing more buffered.
        const bool isQuick = command == PuzzleCommand::Solve || command == PuzzleCommand::Unique;
        if (!isQuick || in.rdbuf()->in_avail() <= 0)
            out.flush();
    }
    if (puzzleLines == 0) {
        std::cerr << "kestrel-tool: no puzzle line in the input\n";
        return 1;
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
    std::optional<std::ifstream> file = kestrel::tool::openInputFile(path);
    if (!file)
        return 2;
    return answerPuzzles(command, *file, std::cout);
}

// --- bank ---------------------------------------------------------------------------------

using Clock = std::chrono::steady_clock;

struct BankRequest
{
    std::uint64_t seed = 0;
    std::array<int, kestrel::kBankLevels> counts{};
    kestrel::Symmetry symmetry = kestrel::Symmetry::None;
    std::string outDir;
};

// `text` read as a number when it is digits only and fits `value` (no sign, no blanks, nothing
// after the digits).
template <typename Number> bool readWholeNumber(std::string_view text, Number &value)
{
    if (text.empty()
        || !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::optional<BankRequest> parseBankRequest(int argc, char **argv)
{
    BankRequest request;
    bool hasSeed = false, hasCounts = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--symmetric") {
            request.symmetry = kestrel::Symmetry::Rotational;
        } else if (arg == "--seed" && hasValue) {
            if (!readWholeNumber(argv[++i], request.seed))
                return std::nullopt;
            hasSeed = true;
        } else if (arg == "--count" && hasValue) {
            std::istringstream list(argv[++i]);
            std::string item;
            int level = 0;
            while (std::getline(list, item, ',')) {
                if (level >= kestrel::kBankLevels)
                    return std::nullopt;
                if (!readWholeNumber(item, request.counts[level++]))
                    return std::nullopt;
            }
            if (level != kestrel::kBankLevels
                || std::any_of(request.counts.begin(), request.counts.end(),
                               [](int n) { return n < 0; }))
                return std::nullopt;
            hasCounts = true;
        } else if (arg == "--out" && hasValue) {
            request.outDir = argv[++i];
        } else {
            return std::nullopt;
        }
    }
    if (!hasSeed || !hasCounts || request.outDir.empty())
        return std::nullopt;
    return request;
}

std::string durationText(double seconds)
{
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%ldh%02ldm", total / 3600, total / 60 % 60);
    else if (total >= 60)
        std::snprintf(text, sizeof text, "%ldm%02lds", total / 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%lds", total);
    return text;
}

/// Writes `lines` (LF after each) to `path` through a temporary file renamed over it, so an
/// interrupted run never leaves half a list. Returns false on any failure.
bool writeLinesWhole(const std::filesystem::path &path, const std::vector<std::string> &lines)
{
    std::filesystem::path temp = path;
    temp += ".tmp";
    std::error_code error;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const std::string &line : lines)
            out << line << '\n';
        out.close();
        if (!out) {
            std::filesystem::remove(temp, error); // a failed write leaves nothing behind
            return false;
        }
    }
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

/// The generator's tallies, for the progress line and the closing summary.
struct BankTally
{
    std::array<std::vector<std::string>, kestrel::kBankLevels> lines;
    std::array<long, kestrel::kBankLevels> graded{}; ///< puzzles the rule put on the level
    std::array<long, kestrel::kBankLevels> surplus{}; ///< ... when the level was already full
    std::array<long, kestrel::kBankLevels> copies{}; ///< ... that copied a kept puzzle
    long unfinished = 0; ///< puzzles the engine could not finish
    long attempts = 0;
};

void writeBankProgress(const BankTally &tally, const BankRequest &request, double seconds)
{
    std::string text = "\r";
    double remaining = 0;
    bool remainingKnown = true;
    long rejected = tally.unfinished;
    for (int level = 0; level < kestrel::kBankLevels; ++level) {
        const auto have = static_cast<long>(tally.lines[level].size());
        text += "L" + std::to_string(level) + " " + std::to_string(have) + "/"
            + std::to_string(request.counts[level]) + "  ";
        rejected += tally.surplus[level] + tally.copies[level];
        const long missing = request.counts[level] - have;
        if (missing <= 0)
            continue;
        if (have == 0)
            remainingKnown = false;
        else
            remaining = std::max(
                remaining, static_cast<double>(missing) * seconds / static_cast<double>(have));
    }
    char rate[64];
    std::snprintf(rate, sizeof rate, "| %.1f puzzles/s ",
                  seconds > 0 ? static_cast<double>(tally.attempts) / seconds : 0.0);
    text += rate;
    text += "| left " + (remainingKnown ? durationText(remaining) : std::string("?"));
    text += " | rejected " + std::to_string(rejected) + " (unfinished "
        + std::to_string(tally.unfinished) + ")   ";
    std::cerr << text << std::flush;
}

int runBank(int argc, char **argv)
{
    const std::optional<BankRequest> request = parseBankRequest(argc, argv);
    if (!request) {
        std::cerr << "kestrel-tool: bank needs --seed N --count C0,C1,C2,C3,C4 --out DIR\n"
                  << kUsage;
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(request->outDir, error);
    if (error) {
        std::cerr << "kestrel-tool: cannot create '" << request->outDir << "'\n";
        return 2;
    }

    kestrel::MersenneRandom random(request->seed);
    BankTally tally;
    std::unordered_set<std::string> keys; // canonicalKey of every kept puzzle
    auto isFull = [&](int level) {
        return static_cast<int>(tally.lines[level].size()) >= request->counts[level];
    };
    const auto start = Clock::now();
    auto lastProgress = start;
    auto seconds = [&] {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };

    while (true) {
        bool othersFull = true;
        for (int level = 1; level < kestrel::kBankLevels; ++level)
            othersFull = othersFull && isFull(level);
        if (othersFull && isFull(0))
            break;
        // Minimal puzzles almost never qualify as Very Easy, so every fourth puzzle (or every
        // one, once the other levels are full) keeps 32-36 givens while Very Easy needs more.
        kestrel::GeneratorOptions options;
        options.symmetry = request->symmetry;
        if (!isFull(0) && (othersFull || tally.attempts % 4 == 0))
            options.minGivens = random.between(kestrel::kVeryEasyMinGivens, 36);
        const std::string line = kestrel::generateBankLine(random, options);
        const kestrel::GradeResult grade = kestrel::gradePuzzle(kestrel::bankLinePuzzle(line));
        const std::optional<int> level = kestrel::levelFor(grade, kestrel::givenCount(line));
        ++tally.attempts;
        if (!level) {
            ++tally.unfinished;
        } else {
            ++tally.graded[*level];
            if (isFull(*level))
                ++tally.surplus[*level];
            else if (!keys.insert(kestrel::canonicalKey(line)).second)
                ++tally.copies[*level];
            else
                tally.lines[*level].push_back(line);
        }
        if (Clock::now() - lastProgress > std::chrono::milliseconds(500)) {
            lastProgress = Clock::now();
            writeBankProgress(tally, *request, seconds());
        }
    }
    const double elapsed = seconds();
    writeBankProgress(tally, *request, elapsed);
    std::cerr << '\n';

    int status = 0;
    for (int level = 0; level < kestrel::kBankLevels; ++level) {
        const auto path
            = std::filesystem::path(request->outDir) / ("level" + std::to_string(level) + ".txt");
        if (!writeLinesWhole(path, tally.lines[level])) {
            std::cerr << "kestrel-tool: cannot write '" << path.string() << "'\n";
            status = 1;
        }
    }
    char summary[160];
    std::snprintf(summary, sizeof summary,
                  "%ld puzzles generated in %s (%.1f/s); %ld (%.1f%%) "
                  "not finished by the hint engine\n",
                  tally.attempts, durationText(elapsed).c_str(),
                  static_cast<double>(tally.attempts) / std::max(elapsed, 1e-9), tally.unfinished,
                  100.0 * static_cast<double>(tally.unfinished)
                      / static_cast<double>(std::max(tally.attempts, 1L)));
    std::cerr << summary;
    for (int level = 0; level < kestrel::kBankLevels; ++level) {
        std::snprintf(summary, sizeof summary,
                      "level %d: kept %zu, graded %ld (%.1f%% of all), surplus %ld, copies %ld\n",
                      level, tally.lines[level].size(), tally.graded[level],
                      100.0 * static_cast<double>(tally.graded[level])
                          / static_cast<double>(std::max(tally.attempts, 1L)),
                      tally.surplus[level], tally.copies[level]);
        std::cerr << summary;
    }
    return status;
}

// --- check-bank ---------------------------------------------------------------------------

// Per-level figures of check-bank, over the lines that passed.
struct LevelSummary
{
    std::size_t lines = 0;
    std::size_t passed = 0;
    int minGivens = 0;
    int maxGivens = 0;
    double givensSum = 0;
    double scoreSum = 0;

    void add(int givens, int score)
    {
        minGivens = passed ? std::min(minGivens, givens) : givens;
        maxGivens = passed ? std::max(maxGivens, givens) : givens;
        givensSum += givens;
        scoreSum += score;
        ++passed;
    }
    std::string text(int level) const
    {
        char line[200];
        if (passed == 0)
            std::snprintf(line, sizeof line, "level %d: %zu puzzles, none valid\n", level, lines);
        else
            std::snprintf(line, sizeof line,
                          "level %d: %zu puzzles, givens %d-%d (mean %.1f), mean score %.1f\n",
                          level, lines, minGivens, maxGivens,
                          givensSum / static_cast<double>(passed),
                          scoreSum / static_cast<double>(passed));
        return line;
    }
};

int checkBank(const kestrel::PuzzleBank &bank, std::ostream &out)
{
    long failures = 0;
    std::unordered_map<std::string, std::pair<int, std::size_t>> keys;
    for (int level = 0; level < kestrel::kBankLevels; ++level) {
        const auto &lines = bank.lines(level);
        LevelSummary summary;
        summary.lines = lines.size();
        if (lines.empty()) {
            out << "level " << level << ": no puzzles\n";
            ++failures;
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            kestrel::GradeResult grade;
            const std::optional<std::string> problem
                = kestrel::checkBankLine(lines[i], level, &grade);
            if (problem) {
                // A line that is no puzzle has no key to compare: it is reported once.
                out << "level " << level << " puzzle " << i + 1 << ": " << *problem << '\n';
                ++failures;
                continue;
            }
            const auto [found, inserted]
                = keys.emplace(kestrel::canonicalKey(lines[i]), std::make_pair(level, i));
            if (!inserted) {
                out << "level " << level << " puzzle " << i + 1 << ": a copy of level "
                    << found->second.first << " puzzle " << found->second.second + 1 << '\n';
                ++failures;
                continue;
            }
            summary.add(kestrel::givenCount(lines[i]), grade.difficultyScore);
        }
        out << summary.text(level);
    }
    if (failures)
        out << failures << " problem" << (failures == 1 ? "" : "s") << '\n';
    else
        out << "ok\n";
    return failures ? 1 : 0;
}

int runCheckBank(int argc, char **argv)
{
    if (argc > 3) {
        std::cerr << "kestrel-tool: check-bank takes at most one folder\n" << kUsage;
        return 2;
    }
    if (argc == 2)
        return checkBank(kestrel::PuzzleBank::shipped(), std::cout);
    std::vector<std::string> texts;
    for (int level = 0; level < kestrel::kBankLevels; ++level) {
        const auto path
            = std::filesystem::path(argv[2]) / ("level" + std::to_string(level) + ".txt");
        std::optional<std::ifstream> file = kestrel::tool::openInputFile(path.string());
        if (!file)
            return 2;
        std::ostringstream text;
        text << file->rdbuf();
        texts.push_back(text.str());
    }
    const kestrel::PuzzleBank bank(std::vector<std::string_view>(texts.begin(), texts.end()));
    return checkBank(bank, std::cout);
}

// --- session ------------------------------------------------------------------------------

int runSession(int argc, char **argv)
{
    if (argc > 3) {
        std::cerr << "kestrel-tool: session takes at most one file\n" << kUsage;
        return 2;
    }
    const std::string_view path = argc == 3 ? argv[2] : "-";
    kestrel::SessionDriver driver(std::cout, std::cerr);
    if (path == "-")
        return driver.run(std::cin);
    std::optional<std::ifstream> file = kestrel::tool::openInputFile(path);
    if (!file)
        return 2;
    return driver.run(*file);
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
        std::cout << kUsage << "\nsaved games (games.dat):\n" << kestrel::kGamesUsage;
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
    if (command == "grade" && argc >= 3 && std::string_view(argv[2]) == "--full") {
        // "grade --full FILE": the file moves up one place for runPuzzleCommand.
        return runPuzzleCommand(PuzzleCommand::GradeFull, argc - 1, argv + 1);
    }
    if (command == "grade")
        return runPuzzleCommand(PuzzleCommand::Grade, argc, argv);
    if (command == "bank")
        return runBank(argc, argv);
    if (command == "check-bank")
        return runCheckBank(argc, argv);
    if (command == "session")
        return runSession(argc, argv);
    if (command == "import")
        return kestrel::tool::runImport(argc, argv);
    if (command == "copy")
        return kestrel::tool::runCopy(argc, argv);
    if (command == "games")
        return kestrel::runGamesCommand(argc, argv);
    if (command == "print")
        return kestrel::tool::runPrint(argc, argv);
    std::cerr << "kestrel-tool: unknown command '" << command << "'\n" << kUsage;
    return 2;
}
