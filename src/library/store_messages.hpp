#pragma once
// The messages the game library shows when "games.dat" cannot be read or written.

#include "game/game.hpp"

#include <string>

namespace kestrel {

class GameStore;
struct StoreResult;

/// The text telling the player that the store's file failed, with the system's reason.
std::string storeFailureMessage(const TextLookup &text, const GameStore &store,
                                const StoreResult &result);

} // namespace kestrel
