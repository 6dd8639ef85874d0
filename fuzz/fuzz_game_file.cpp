// Game files (last game, replays) and board snapshots come from disk: any text must be read
// without a crash, and whatever is accepted must be a board the program can show.
#include "core/board.hpp"
#include "game/step_log.hpp"
#include "platform/text_codec.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto lines = kestrel::decodeLines(bytes);
    const kestrel::GameFileReading reading = kestrel::parseGameFile(lines);
    if (reading.file) {
        kestrel::TPICSD33 board;
        for (const std::string &step : reading.file->steps) {
            kestrel::applySnapshot(board, step);
            // An accepted step is kept as the program writes it and reads back unchanged.
            if (!kestrel::isValidSnapshot(step) || kestrel::takeSnapshot(board) != step)
                __builtin_trap();
        }
        board.refreshByState();
        board.markConflicts();
    }
    // The check and the loader read one snapshot alike: what passes loads as written.
    kestrel::TPICSD33 board;
    kestrel::applySnapshot(board, bytes);
    if (kestrel::isValidSnapshot(bytes)
        && kestrel::takeSnapshot(board) != kestrel::writtenSnapshot(bytes))
        __builtin_trap();
    return 0;
}
