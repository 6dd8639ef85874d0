// Bank level lists are read from text (the shipped bank, and check-bank on a folder of lists):
// any text gives lists of lines without a crash; a line check-bank accepts is a puzzle the game
// can start, and its duplicate key does not change under the game's shuffle.
#include "app/bank_builder.hpp"
#include "app/puzzle_bank.hpp"
#include "core/puzzle_record.hpp"
#include "core/random_source.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The givens of the record as a puzzle ("." open), for the duplicate key.
std::string recordPuzzle(const kestrel::TQJ &record)
{
    std::string puzzle = record.givensString();
    for (char &c : puzzle)
        if (c == '0')
            c = '.';
    return puzzle;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the level the lines are checked for ("0".."4", any other byte by
    // its value); "\f" parts the level lists.
    const int level
        = data[0] >= '0' && data[0] <= '4' ? data[0] - '0' : data[0] % kestrel::kBankLevels;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    std::vector<std::string_view> texts;
    std::string_view rest = text;
    while (texts.size() < static_cast<std::size_t>(kestrel::kBankLevels)) {
        const auto end = rest.find('\f');
        texts.push_back(rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    const kestrel::PuzzleBank bank(texts);

    int checked = 0;
    for (int l = 0; l < kestrel::kBankLevels; ++l) {
        for (const std::string_view line : bank.lines(l)) {
            if (line.empty() || line.front() == '#')
                __builtin_trap(); // blank and comment lines never reach the lists
            if (checked++ >= 6)
                return 0; // the check grades with the hint engine: a few lines a run
            if (kestrel::checkBankLine(line, level))
                continue;
            const std::string key = kestrel::canonicalKey(line);
            if (key.size() != 81 || key != kestrel::canonicalKey(kestrel::bankLinePuzzle(line)))
                __builtin_trap();
            // The game's new game: the line shuffled; the same puzzle by the key, and the
            // record still carries a full solution.
            kestrel::MersenneRandom random(static_cast<std::uint64_t>(size));
            kestrel::TQJ record;
            record.loadTemplate(line, random);
            if (record.solutionString().size() != 81
                || kestrel::givenCount(record.givensString()) != kestrel::givenCount(line)
                || kestrel::canonicalKey(recordPuzzle(record)) != key)
                __builtin_trap();
        }
    }
    return 0;
}
