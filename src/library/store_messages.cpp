#include "library/store_messages.hpp"

#include "core/digit_strings.hpp"
#include "library/game_store.hpp"

namespace kestrel {

std::string storeFailureMessage(const TextLookup &text, const GameStore &store,
                                const StoreResult &result)
{
    const char *key = result.status == StoreStatus::ReadFailed ? "msg_gamestore_read_failed"
                                                               : "msg_gamestore_write_failed";
    const std::string reason
        = result.reason.empty() ? text("msg_gamestore_unknown_reason") : result.reason;
    return replaceAll(replaceAll(text(key), "%1", store.path()), "%2", reason);
}

} // namespace kestrel
