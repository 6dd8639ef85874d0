// Speed of the solver: solve and the uniqueness test on easy, hard and pathological puzzles,
// the reference search for contrast, and a file of hard puzzles with its slowest puzzle.
#include "core/solver.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using kestrel::Tfrm_sol;

// One solution, found by singles alone.
const std::string kEasy
    = "53**7****6**195****98****6*8***6***34**8*3**17***2***6*6****28****419**5****8**79";
// "Easter Monster": one solution, hard for every search.
const std::string kHard
    = "1*******2*9*4***5***6***7***5*9*3*******7*******85**4*7*****6***3***9*8***2*****1";
// Built against row-major backtracking: the first row of the solution reads 987654321.
const std::string kPathological
    = "**************3*85**1*2*******5*7*****4***1***9*******5******73**2*1********4***9";
// The same without its last clue: several solutions, so the smallest one is searched for.
const std::string kPathologicalSeveral
    = "**************3*85**1*2*******5*7*****4***1***9*******5******73**2*1********4****";
// Seventeen clues, several solutions hidden behind a large dead region.
const std::string kSparseSeveral
    = "*****6****59*****82****8****45********3********6**3*54***325**6******************";

void BM_Solve(benchmark::State &state, const std::string &puzzle)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kestrel::solvePuzzle(puzzle));
}
BENCHMARK_CAPTURE(BM_Solve, easy, kEasy);
BENCHMARK_CAPTURE(BM_Solve, hard, kHard);
BENCHMARK_CAPTURE(BM_Solve, pathological, kPathological);
BENCHMARK_CAPTURE(BM_Solve, pathological_several, kPathologicalSeveral);
BENCHMARK_CAPTURE(BM_Solve, sparse_several, kSparseSeveral);
BENCHMARK_CAPTURE(BM_Solve, empty, std::string(81, '*'));

void BM_SolveUnique(benchmark::State &state, const std::string &puzzle)
{
    const auto sol = std::make_unique<Tfrm_sol>();
    for (auto _ : state)
        benchmark::DoNotOptimize(sol->solveUnique(puzzle));
}
BENCHMARK_CAPTURE(BM_SolveUnique, easy, kEasy);
BENCHMARK_CAPTURE(BM_SolveUnique, hard, kHard);
BENCHMARK_CAPTURE(BM_SolveUnique, pathological, kPathological);
BENCHMARK_CAPTURE(BM_SolveUnique, pathological_several, kPathologicalSeveral);
BENCHMARK_CAPTURE(BM_SolveUnique, sparse_several, kSparseSeveral);

// The reference search, on the easy puzzle only (it takes minutes on the others).
void BM_ReferenceSolve(benchmark::State &state, const std::string &puzzle)
{
    const auto sol = std::make_unique<Tfrm_sol>();
    int code = 0;
    std::string result;
    for (auto _ : state) {
        sol->solve(puzzle, code, result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_ReferenceSolve, easy, kEasy);

std::vector<std::string> hardPuzzles()
{
    std::vector<std::string> puzzles;
    std::ifstream in(std::string(KESTREL_BENCH_DATA_DIR) + "/hard.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 81 || line[0] == '#')
            continue;
        std::string puzzle = line.substr(0, 81);
        for (char &ch : puzzle)
            ch = ch >= '1' && ch <= '9' ? ch : '*';
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

// The uniqueness test over bench/data/hard.txt. Counters: puzzles per second, and the
// slowest puzzle (each puzzle's fastest run over the iterations, in microseconds).
void BM_SolveUniqueHardFile(benchmark::State &state)
{
    const std::vector<std::string> puzzles = hardPuzzles();
    if (puzzles.empty()) {
        state.SkipWithError("bench/data/hard.txt is missing");
        return;
    }
    const auto sol = std::make_unique<Tfrm_sol>();
    std::vector<double> fastest(puzzles.size(), std::numeric_limits<double>::infinity());
    for (auto _ : state) {
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(sol->solveUnique(puzzles[i]));
            const std::chrono::duration<double, std::micro> took
                = std::chrono::steady_clock::now() - start;
            fastest[i] = std::min(fastest[i], took.count());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
    state.counters["worst_us"] = *std::max_element(fastest.begin(), fastest.end());
}
BENCHMARK(BM_SolveUniqueHardFile)->Unit(benchmark::kMillisecond);

} // namespace
