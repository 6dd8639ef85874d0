// Speed of the hint engine: whole grades over the file of hard puzzles, and every single hint,
// both through the hint window on a board and on the engine alone, with the slowest single
// hint reported as a counter.
#include "core/board.hpp"
#include "logic/hint_full.hpp"
#include "logic/hint_session.hpp"
#include "logic/hint_tool.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> puzzleFile(const std::string &name)
{
    std::vector<std::string> puzzles;
    std::ifstream in(KESTREL_BENCH_DATA_DIR "/" + name);
    for (std::string line; std::getline(in, line);)
        if (line.size() >= 81 && line[0] != '#')
            puzzles.push_back(line.substr(0, 81));
    return puzzles;
}

std::vector<std::string> hardPuzzles()
{
    return puzzleFile("hard.txt");
}

/// Name of the technique the engine's last step used: the counter that grew since `before`.
std::string_view stepTechnique(const kestrel::HintEngine &engine,
                               const std::array<int, kestrel::HintEngine::kTechniqueSlots> &before,
                               const std::array<int, kestrel::kFullTechniqueCount> &fullBefore)
{
    for (int t = 0; t < kestrel::kFullTechniqueCount; ++t)
        if (engine.fullTechniqueCount()[static_cast<std::size_t>(t)]
            != fullBefore[static_cast<std::size_t>(t)])
            return kestrel::fullTechniqueInfo(static_cast<kestrel::FullTechnique>(t)).name;
    for (int t = 0; t < kestrel::HintEngine::kTechniqueSlots; ++t)
        if (engine.techniqueCount()[static_cast<std::size_t>(t)]
            != before[static_cast<std::size_t>(t)])
            return kestrel::HintEngine::techniqueName(static_cast<kestrel::HintTechnique>(t));
    return "none";
}

void loadGivens(kestrel::TPICSD33 &board, const std::string &puzzle)
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const char ch = puzzle[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
            const bool given = ch >= '1' && ch <= '9';
            board.cell(r, c).state = given ? kestrel::CellState::Given : kestrel::CellState::Open;
            board.cell(r, c).hxs = given ? std::string(1, ch) : std::string();
        }
    }
}

// Whole grade of each hard puzzle: load, then press until the engine stops.
void BM_GradeHard(benchmark::State &state)
{
    const auto puzzles = hardPuzzles();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kestrel::gradePuzzle(puzzles[i++ % puzzles.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GradeHard)->Unit(benchmark::kMillisecond);

// Each press that looks for a hint, timed alone; reports the mean and the slowest.
void BM_EachHintHard(benchmark::State &state)
{
    const auto puzzles = hardPuzzles();
    double slowest = 0;
    double total = 0;
    long hints = 0;
    for (auto _ : state) {
        for (const std::string &puzzle : puzzles) {
            kestrel::TPICSD33 board;
            loadGivens(board, puzzle);
            kestrel::Tfrmsolover window(board);
            window.isPencilAndPaperMode = [] {
                return true;
            };
            const kestrel::HintEngine &engine = window.engine();
            for (int press = 0; press < 600; ++press) {
                const bool carryOut = engine.hintShown() || engine.pendingPlacement();
                const auto start = std::chrono::steady_clock::now();
                window.bthintClick();
                const double seconds
                    = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                          .count();
                if (!carryOut) {
                    slowest = std::max(slowest, seconds);
                    total += seconds;
                    ++hints;
                    if (!engine.hintShown() && !engine.pendingPlacement())
                        break;
                }
            }
        }
    }
    state.counters["hints"] = static_cast<double>(hints);
    state.counters["mean_hint_us"] = hints ? 1e6 * total / static_cast<double>(hints) : 0;
    state.counters["slowest_hint_ms"] = 1e3 * slowest;
}
BENCHMARK(BM_EachHintHard)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each search for a hint on the engine alone, without a board; carrying out is not timed.
void BM_EachHintHardEngine(benchmark::State &state)
{
    const auto puzzles = hardPuzzles();
    const auto engine = std::make_unique<kestrel::HintEngine>();
    double slowest = 0;
    double total = 0;
    long hints = 0;
    for (auto _ : state) {
        for (const std::string &puzzle : puzzles) {
            engine->reset();
            engine->loadPuzzle(puzzle);
            for (int step = 0; step < 600; ++step) {
                const auto start = std::chrono::steady_clock::now();
                const kestrel::HintOutcome outcome = engine->findNextHint();
                const double seconds
                    = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                          .count();
                slowest = std::max(slowest, seconds);
                total += seconds;
                ++hints;
                if (outcome != kestrel::HintOutcome::Found)
                    break;
                engine->carryOut();
            }
        }
    }
    state.counters["hints"] = static_cast<double>(hints);
    state.counters["mean_hint_us"] = hints ? 1e6 * total / static_cast<double>(hints) : 0;
    state.counters["slowest_hint_ms"] = 1e3 * slowest;
}
BENCHMARK(BM_EachHintHardEngine)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each search for a hint on the full ladder (the window's), engine alone; reports the mean, the
// slowest hint, the puzzle it was found on and how many puzzles were finished.
void BM_EachHintHardFullLadder(benchmark::State &state)
{
    const auto puzzles = hardPuzzles();
    const auto engine = std::make_unique<kestrel::HintEngine>();
    engine->setLadder(kestrel::HintLadder::Full);
    double slowest = 0;
    double total = 0;
    long hints = 0;
    long solved = 0;
    std::size_t slowestPuzzle = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            engine->reset();
            engine->loadPuzzle(puzzles[i]);
            for (int step = 0; step < 2000; ++step) {
                const auto start = std::chrono::steady_clock::now();
                const kestrel::HintOutcome outcome = engine->findNextHint();
                const double seconds
                    = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                          .count();
                if (seconds > slowest) {
                    slowest = seconds;
                    slowestPuzzle = i;
                }
                total += seconds;
                ++hints;
                if (outcome != kestrel::HintOutcome::Found) {
                    solved += outcome == kestrel::HintOutcome::Solved ? 1 : 0;
                    break;
                }
                engine->carryOut();
            }
        }
    }
    state.counters["hints"] = static_cast<double>(hints);
    state.counters["solved"] = static_cast<double>(solved);
    state.counters["mean_hint_us"] = hints ? 1e6 * total / static_cast<double>(hints) : 0;
    state.counters["slowest_hint_ms"] = 1e3 * slowest;
    state.counters["slowest_puzzle_line"] = static_cast<double>(slowestPuzzle);
}
BENCHMARK(BM_EachHintHardFullLadder)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each search for a hint on the full ladder over the famous hard puzzles (famous.txt), engine
// alone. The label names the slowest hint: its puzzle (1-based among the file's puzzles), its
// step (1-based) and its technique.
void BM_EachHintFamousFullLadder(benchmark::State &state)
{
    const auto puzzles = puzzleFile("famous.txt");
    const auto engine = std::make_unique<kestrel::HintEngine>();
    engine->setLadder(kestrel::HintLadder::Full);
    double slowest = 0;
    double total = 0;
    long hints = 0;
    long solved = 0;
    std::string slowestLabel;
    for (auto _ : state) {
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            engine->reset();
            engine->loadPuzzle(puzzles[i]);
            for (int step = 0; step < 2000; ++step) {
                const auto before = engine->techniqueCount();
                const auto fullBefore = engine->fullTechniqueCount();
                const auto start = std::chrono::steady_clock::now();
                const kestrel::HintOutcome outcome = engine->findNextHint();
                const double seconds
                    = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                          .count();
                if (seconds > slowest) {
                    slowest = seconds;
                    slowestLabel = "slowest: puzzle " + std::to_string(i + 1) + " step "
                        + std::to_string(step + 1) + " "
                        + std::string(stepTechnique(*engine, before, fullBefore));
                }
                total += seconds;
                ++hints;
                if (outcome != kestrel::HintOutcome::Found) {
                    solved += outcome == kestrel::HintOutcome::Solved ? 1 : 0;
                    break;
                }
                engine->carryOut();
            }
        }
    }
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
    state.counters["hints"] = static_cast<double>(hints);
    state.counters["solved"] = static_cast<double>(solved);
    state.counters["mean_hint_us"] = hints ? 1e6 * total / static_cast<double>(hints) : 0;
    state.counters["slowest_hint_ms"] = 1e3 * slowest;
    state.SetLabel(slowestLabel);
}
BENCHMARK(BM_EachHintFamousFullLadder)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
