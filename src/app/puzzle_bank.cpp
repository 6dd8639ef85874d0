#include "app/puzzle_bank.hpp"

#include "core/digit_strings.hpp"
#include "core/random_source.hpp"

#include <cassert>
#include <string>

// Generated from src/app/bank/*.txt.
std::string_view embeddedBankFile(std::string_view stem);

namespace kestrel {

const PuzzleBank &PuzzleBank::shipped()
{
    static const PuzzleBank bank([] {
        std::vector<std::string_view> texts;
        for (int level = 0; level < kBankLevels; ++level)
            texts.push_back(embeddedBankFile("level" + std::to_string(level)));
        return texts;
    }());
    return bank;
}

PuzzleBank::PuzzleBank(const std::vector<std::string_view> &levelTexts)
{
    m_levels.resize(kBankLevels);
    for (std::size_t level = 0; level < levelTexts.size() && level < m_levels.size(); ++level) {
        std::string_view text = levelTexts[level];
        while (!text.empty()) {
            const auto end = text.find('\n');
            std::string_view line = trimmed(text.substr(0, end));
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            if (!line.empty() && line.front() != '#')
                m_levels[level].push_back(line);
        }
    }
}

const std::vector<std::string_view> &PuzzleBank::lines(int level) const
{
    assert(level >= 0 && level < kBankLevels);
    return m_levels[static_cast<std::size_t>(level)];
}

int PuzzleBank::drawIndex(int count, RandomSource &random)
{
    assert(count > 0);
    const int r = random.between(0, count - 1);
    if (count == 1)
        return 0;
    return r == count - 1 ? count - 2 : r;
}

std::string_view PuzzleBank::draw(int level, RandomSource &random) const
{
    const auto &list = lines(level);
    assert(!list.empty());
    return list[static_cast<std::size_t>(drawIndex(static_cast<int>(list.size()), random))];
}

} // namespace kestrel
