#include "core/grid.hpp"

#include <cassert>

namespace kestrel {

namespace {

struct PeerTable
{
    std::array<PeerList, kCellSlots> peers{};

    PeerTable() noexcept
    {
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                int n = 0;
                for (int i = 1; i <= 9; ++i)
                    for (int j = 1; j <= 9; ++j)
                        if (isPeer(r, c, i, j))
                            peers[cellIndex(r, c)][n++] = {i, j};
                assert(n == 20);
            }
        }
    }
};

} // namespace

const PeerList &peersOf(int row, int col) noexcept
{
    static const PeerTable table;
    assert(row >= 1 && row <= 9 && col >= 1 && col <= 9);
    return table.peers[cellIndex(row, col)];
}

} // namespace kestrel
