// Writes a reproducible mix of puzzles, one per line, for comparing two builds of kestrel-tool
// answer by answer (bench/compare_builds.sh):
//
//   puzzle_mix COUNT SEED
//
// A fifth each: puzzles cut from a random solution grid (22-45 givens: mostly one solution,
// some several); sparse cuts (0-21 givens: several solutions); cuts with one given changed
// without a conflict (mostly no solution); cuts with a given repeated in a peer (conflicting
// givens); and random digits in random cells, 5-24 of them, half of which conflict, with a
// full grid (with and without a conflict) now and then.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>

namespace {

bool seeEachOther(int a, int b)
{
    const int ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
    return a != b && (ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3));
}

/// Draws use `rng() % n` rather than the standard distributions, whose output differs between
/// standard libraries.
class Maker
{
public:
    explicit Maker(std::uint32_t seed) : m_rng(seed) { }

    int pick(int n) { return static_cast<int>(m_rng() % static_cast<std::uint32_t>(n)); }
    int between(int low, int high) { return low + pick(high - low + 1); }

    /// A random solution grid: a pattern grid under relabelling, line permutations within and
    /// of bands and stacks, and transposition.
    std::string grid()
    {
        std::array<int, 9> digit{1, 2, 3, 4, 5, 6, 7, 8, 9};
        shuffle(digit);
        const auto rows = lineOrder(), cols = lineOrder();
        const bool transpose = pick(2) == 1;
        std::string g(81, '.');
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                int pr = rows[r], pc = cols[c];
                if (transpose)
                    std::swap(pr, pc);
                g[r * 9 + c] = static_cast<char>('0' + digit[(pr * 3 + pr / 3 + pc) % 9]);
            }
        }
        return g;
    }

    /// `count` random cells of `grid` as givens, '.' elsewhere.
    std::string keep(const std::string &grid, int count)
    {
        std::array<int, 81> order{};
        for (int k = 0; k < 81; ++k)
            order[k] = k;
        shuffle(order);
        std::string puzzle(81, '.');
        for (int i = 0; i < count; ++i)
            puzzle[order[i]] = grid[order[i]];
        return puzzle;
    }

    /// Changes one empty cell to a digit that no given of its peers holds.
    void addHarmlessGiven(std::string &puzzle)
    {
        for (;;) {
            const int cell = pick(81);
            const char digit = static_cast<char>('1' + pick(9));
            bool clash = puzzle[cell] != '.';
            for (int k = 0; k < 81 && !clash; ++k)
                clash = puzzle[k] == digit && seeEachOther(k, cell);
            if (!clash) {
                puzzle[cell] = digit;
                return;
            }
        }
    }

    /// Copies a given into an empty peer.
    void repeatGiven(std::string &puzzle)
    {
        for (;;) {
            const int cell = pick(81), given = pick(81);
            if (puzzle[cell] == '.' && puzzle[given] != '.' && seeEachOther(cell, given)) {
                puzzle[cell] = puzzle[given];
                return;
            }
        }
    }

    std::string randomDigits(int count)
    {
        std::string puzzle(81, '.');
        for (int n = 0; n < count; ++n)
            puzzle[pick(81)] = static_cast<char>('1' + pick(9));
        return puzzle;
    }

private:
    template <std::size_t N> void shuffle(std::array<int, N> &a)
    {
        for (std::size_t i = N - 1; i > 0; --i)
            std::swap(a[i], a[static_cast<std::size_t>(pick(static_cast<int>(i) + 1))]);
    }

    std::array<int, 9> lineOrder()
    {
        std::array<int, 3> bands{0, 1, 2};
        shuffle(bands);
        std::array<int, 9> order{};
        for (int b = 0; b < 3; ++b) {
            std::array<int, 3> inside{0, 1, 2};
            shuffle(inside);
            for (int i = 0; i < 3; ++i)
                order[b * 3 + i] = bands[b] * 3 + inside[i];
        }
        return order;
    }

    std::mt19937 m_rng;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: puzzle_mix COUNT SEED\n");
        return 2;
    }
    const long count = std::atol(argv[1]);
    Maker maker(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    for (long i = 0; i < count; ++i) {
        std::string puzzle;
        switch (i % 5) {
        case 0:
            puzzle = maker.keep(maker.grid(), maker.between(22, 45));
            break;
        case 1:
            puzzle = maker.keep(maker.grid(), maker.between(0, 21));
            break;
        case 2:
            puzzle = maker.keep(maker.grid(), maker.between(25, 45));
            maker.addHarmlessGiven(puzzle);
            break;
        case 3:
            puzzle = maker.keep(maker.grid(), maker.between(20, 45));
            maker.repeatGiven(puzzle);
            break;
        default:
            if (i % 100 == 4) {
                puzzle = maker.grid();
                if (i % 200 == 4)
                    puzzle[maker.pick(81)] = static_cast<char>('1' + maker.pick(9));
            } else {
                puzzle = maker.randomDigits(maker.between(5, 24));
            }
            break;
        }
        std::puts(puzzle.c_str());
    }
    return 0;
}
