#pragma once
// The game list window `Tfrmgamelist` ("Choose a sudoku"): the saved games as a two-column
// grid of name and level, with Delete, Rename, OK (load) and Cancel. The window lives for
// the whole run; each opening makes a fresh store, Loads it and fills the grid again.
//
// Client area 377 x 335, fixed size:
//   grid (5, 5) 366 x 286: columns 217 and 116 wide, rows 20 high, one header row
//   Delete (4, 300), Rename (84, 300), OK (214, 300): 75 x 25; Cancel (293, 300) 82 x 25

#include "game/game.hpp"
#include "library/game_store.hpp"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {

class Dialogs;
struct RecordReading;

/// One data row of the grid: the name, and the level text.
struct GameListRow
{
    std::string name;
    std::string level;

    bool operator==(const GameListRow &) const = default;
};

/// What OK (or a double click) did.
enum class GameListLoad {
    None, ///< nothing was loaded: no row, or no record of the selected name
    Loaded, ///< the record was read whole and is on the board
    LoadedDamaged, ///< the readable part is on the board; the player was told the rest
};

class Tfrmgamelist
{
public:
    /// The game list for `game`; asks through `dialogs`, reads the store through `files` and
    /// its texts from `text`.
    Tfrmgamelist(Game &game, Dialogs &dialogs, TextFiles &files, TextLookup text);
    ~Tfrmgamelist();

    // Controls.
    std::string caption;
    std::array<std::string, 4> buttonCaptions; ///< Delete, Rename, OK, Cancel
    GameListRow header;

    /// The "Display Your Game List" command before the window shows: texts, a fresh store of
    /// the file at `storePath` Loaded, the grid filled; message boxes titled `title`. False
    /// when the file could not be read or created (the player has been told; the window
    /// should not open).
    bool open(std::string storePath, std::string title);
    /// After the window closed: the store is let go.
    void closed();

    /// The grid's data rows (at least one; an empty store shows one empty row).
    const std::vector<GameListRow> &rows() const { return m_rows; }
    /// The current data row, 0-based.
    int currentRow() const { return m_currentRow; }
    /// The player selects data row `row` (0-based; ignored outside the grid).
    void selectRow(int row);

    /// Delete: after a question, the selected game leaves the file and the grid.
    void Button1Click();
    /// Rename: asks for a new name until it is free, the same, or cancelled.
    void Button2Click();
    /// OK: loads the selected game into the main board and closes the window.
    void Button3Click() { loadSelected(); }
    /// Cancel: closes the window; nothing changes.
    void Button4Click() { m_closeRequested = true; }
    /// A double click on the grid: as OK.
    void StringGrid1DblClick() { loadSelected(); }

    /// OK's work: what was loaded.
    GameListLoad loadSelected();

    bool closeRequested() const { return m_closeRequested; }
    /// The store of the current opening (null while the window is closed).
    const GameStore *store() const { return m_store.get(); }

private:
    void applyLanguage();
    void fillGrid();
    std::string selectedName() const;
    std::string levelText(int levelDigit) const;
    std::string damageMessage(const std::string &name, const RecordReading &reading) const;
    bool reportFailure(const StoreResult &result);

    Game &m_game;
    Dialogs &m_dialogs;
    TextFiles &m_files;
    std::string m_storePath;
    TextLookup m_text;
    std::string m_title;
    std::unique_ptr<GameStore> m_store;
    std::vector<GameListRow> m_rows{GameListRow{}};
    int m_currentRow = 0;
    bool m_closeRequested = false;
};

} // namespace kestrel
