#pragma once
// A game and the fake platform for the game library's suites: "games.dat" in the data folder
// of the fake file system, English texts, and boards built cell by cell.

#include "app/language_table.hpp"
#include "core/board.hpp"
#include "game/game.hpp"
#include "support/fake_platform.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {

class LibrarySession : public testing::Test
{
public:
    static constexpr std::string_view kFolder = "/home/player/data";
    static constexpr std::string_view kStore = "/home/player/data/games.dat";
    // A solved grid the boards of the suites are cut from.
    static constexpr std::string_view kSolution
        = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

protected:
    LibrarySession()
    {
        english.load(Language::English);
        fake.addDirectory(kFolder);
    }

    TextLookup lookup()
    {
        return [this](std::string_view key) {
            return english.lookup(key);
        };
    }
    TPICSD33 &board() { return game.board(); }
    int solutionAt(int r, int c) const
    {
        return kSolution[static_cast<std::size_t>((r - 1) * 9 + c - 1)] - '0';
    }

    /// The grid with the cells of the first `givens` row-major positions as givens and every
    /// other cell open without candidates.
    void setGivens(int givens)
    {
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                TPicNode &cell = board().cell(r, c);
                const bool given = (r - 1) * 9 + c <= givens;
                cell.state = given ? CellState::Given : CellState::Open;
                cell.hxs = given ? std::to_string(solutionAt(r, c)) : std::string();
                game.record().node(r, c).given = given;
            }
        }
    }
    /// Every open cell gets its allowedHxs.
    void markAllCandidates()
    {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (board().cell(r, c).state == CellState::Open)
                    board().cell(r, c).hxs = board().allowedHxs(r, c);
    }

    LanguageTable english;
    FakePlatform fake;
    Game game{fake, lookup()};
};

} // namespace kestrel
