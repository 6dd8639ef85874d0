// Board snapshots come back from disk (game files, the game list's steps) and from the step log
// and the branch: whatever text is restored onto a board overwrites all 81 cells, a snapshot
// that passes the check reads back exactly as the program writes it, and a game whose step is
// that snapshot shows it on its board.
#include "core/board.hpp"
#include "game/game.hpp"
#include "game/step_log.hpp"
#include "platform/platform.hpp"
#include "silent_dialogs.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// A board full of other content (givens, placed digits, candidates) to restore over.
const std::string &busySnapshot()
{
    static const std::string snapshot = [] {
        std::string s;
        for (int k = 0; k < 81; ++k) {
            if (k)
                s += ',';
            s += k % 3 == 0  ? "1" + std::to_string(k % 9 + 1)
                : k % 3 == 1 ? "2" + std::to_string((k + 4) % 9 + 1)
                             : std::string("3123456789").substr(0, 1 + k % 10);
        }
        return s;
    }();
    return snapshot;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    kestrel::TPICSD33 fresh;
    kestrel::applySnapshot(fresh, text);
    kestrel::TPICSD33 busy;
    kestrel::applySnapshot(busy, busySnapshot());
    kestrel::applySnapshot(busy, text);
    // Nothing of the board before survives a restore.
    const std::string restored = kestrel::takeSnapshot(fresh);
    if (kestrel::takeSnapshot(busy) != restored)
        __builtin_trap();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const kestrel::CellState state = fresh.cell(r, c).state;
            if (state != kestrel::CellState::Given && state != kestrel::CellState::Placed
                && state != kestrel::CellState::Open)
                __builtin_trap();
        }
    fresh.refreshByState();
    fresh.markConflicts();

    if (!kestrel::isValidSnapshot(text))
        return 0;
    if (restored != kestrel::writtenSnapshot(text) || !kestrel::isValidSnapshot(restored))
        __builtin_trap();

    // The snapshot as the one step of a game: the board shows the step, and the bars count it.
    kestrel::GameFile file;
    file.level = kestrel::Level::Unknown;
    file.givens.assign(81, '0');
    for (int k = 0; k < 81; ++k) {
        const kestrel::TPicNode &cell = fresh.cell(k / 9 + 1, k % 9 + 1);
        if (cell.state == kestrel::CellState::Given)
            file.givens[static_cast<std::size_t>(k)] = cell.hxs[0];
    }
    file.steps = {restored};
    kestrel::fuzz::SilentDialogs dialogs;
    kestrel::Game game(dialogs, [](std::string_view) { return std::string(); });
    game.loadGame(file);
    const kestrel::StepLog &log = game.history();
    if (kestrel::takeSnapshot(game.board())
        != log.lines()[static_cast<std::size_t>(log.currentIndex())])
        __builtin_trap();
    int counts[10] = {};
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const kestrel::TPicNode &cell = game.board().cell(r, c);
            if (cell.state != kestrel::CellState::Open)
                ++counts[cell.hxs[0] - '0'];
        }
    for (int digit = 1; digit <= 9; ++digit)
        if (game.progressBar(digit).position != std::min(counts[digit], 9))
            __builtin_trap();
    return 0;
}
