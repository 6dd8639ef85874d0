// Feeds arbitrary bytes to the import recognition and parsers: every text gives 81 cells of
// clues and open cells, or no board at all.
#include "exchange/import_text.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const kestrel::ImportFormat format = kestrel::recogniseImport(text);
    const std::optional<kestrel::ImportResult> result = kestrel::readImportText(text);
    if (result.has_value() != (format != kestrel::ImportFormat::Invalid))
        std::abort();
    if (result) {
        for (const kestrel::ImportedCell &cell : result->cells) {
            const bool clue = cell.state == kestrel::CellState::Placed && cell.hxs.size() == 1;
            if (!clue && cell.state != kestrel::CellState::Open)
                std::abort();
            for (const char d : cell.hxs)
                if (d < '1' || d > '9')
                    std::abort();
        }
    }
    return 0;
}
