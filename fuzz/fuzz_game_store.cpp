// games.dat comes from disk and may have been edited by hand: any bytes must load, fill the
// game list and load every record onto a game without a crash, and every record written
// back must read the same.
#include "game/game.hpp"
#include "library/game_store.hpp"
#include "library/saved_game_record.hpp"
#include "platform/platform.hpp"
#include "silent_dialogs.hpp"
#include "platform/text_codec.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// One in-memory file, and dialogs that answer No.
class MemoryPlatform final : public kestrel::TextFiles, public kestrel::fuzz::SilentDialogs
{
public:
    std::string bytes;

    std::optional<std::vector<std::string>> readLines(std::string_view) const override
    {
        return kestrel::decodeLines(bytes);
    }
    bool writeLines(std::string_view, const std::vector<std::string> &lines) override
    {
        bytes = kestrel::encodeLines(lines);
        return true;
    }
    bool exists(std::string_view) const override { return true; }
    bool isDirectory(std::string_view) const override { return false; }
    bool makeDirectory(std::string_view) override { return true; }
    bool setCurrentDirectory(std::string_view) override { return true; }

};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemoryPlatform platform;
    platform.bytes.assign(reinterpret_cast<const char *>(data), size);
    kestrel::GameStore store(platform, "games.dat");
    if (!store.load().ok())
        __builtin_trap();
    kestrel::Game game(platform, [](std::string_view) { return std::string(); });
    int loaded = 0;
    for (const int position : store.records()) {
        (void)store.nameOfRecord(position);
        (void)store.levelOfRecord(position);
        const kestrel::RecordReading reading = kestrel::readRecord(store.lines(), position);
        if (loaded++ < 4)
            game.loadSavedBoard(reading.board);
        // What the board holds after a load is a board the program can write and read back.
        const auto record
            = kestrel::makeRecord("x", 5, game.record().solutionString(), game.board());
        const kestrel::RecordReading again = kestrel::readRecord(record, 1);
        if (!again.isComplete())
            __builtin_trap();
    }
    return 0;
}
