#include "library/game_list_window.hpp"

#include "core/digit_strings.hpp"
#include "library/saved_game_record.hpp"
#include "library/store_messages.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

constexpr const char *kLevelKeys[]
    = {"msg_frmgamelist_VeryEasy", "msg_frmgamelist_Gentle",     "msg_frmgamelist_Moderate",
       "msg_frmgamelist_Tough",    "msg_frmgamelist_Diabolical", "msg_frmgamelist_Unknown"};

// Long lists of damaged cells are cut here; the board shows the rest.
constexpr std::size_t kCellsNamed = 12;

std::string cellName(CellPos cell)
{
    return std::string(1, static_cast<char>('A' + cell.row - 1)) + std::to_string(cell.col);
}

} // namespace

Tfrmgamelist::Tfrmgamelist(Game &game, Dialogs &dialogs, TextFiles &files, TextLookup text)
    : m_game(game), m_dialogs(dialogs), m_files(files), m_text(std::move(text))
{ }

Tfrmgamelist::~Tfrmgamelist() = default;

void Tfrmgamelist::applyLanguage()
{
    caption = m_text("frmgamelist.caption");
    constexpr const char *kButtonKeys[]
        = {"frmgamelist.button1.caption", "frmgamelist.button2.caption",
           "frmgamelist.button3.caption", "frmgamelist.button4.caption"};
    for (std::size_t i = 0; i < buttonCaptions.size(); ++i)
        buttonCaptions[i] = m_text(kButtonKeys[i]);
    header = {m_text("msg_frmgamelist_gamename"), m_text("msg_frmgamelist_Difficulty")};
}

bool Tfrmgamelist::open(std::string storePath, std::string title)
{
    m_storePath = std::move(storePath);
    m_title = std::move(title);
    applyLanguage();
    m_closeRequested = false;
    m_store = std::make_unique<GameStore>(m_files, m_storePath);
    const StoreResult loaded = m_store->load();
    if (!loaded.ok()) {
        reportFailure(loaded);
        m_store.reset();
        return false;
    }
    fillGrid();
    return true;
}

void Tfrmgamelist::closed()
{
    m_store.reset();
}

std::string Tfrmgamelist::levelText(int levelDigit) const
{
    if (levelDigit >= 0 && levelDigit <= 5)
        return m_text(kLevelKeys[levelDigit]);
    // Another digit is shown as it is; a level line without a digit shows nothing.
    return levelDigit > 5 ? std::to_string(levelDigit) : std::string();
}

void Tfrmgamelist::fillGrid()
{
    m_rows.assign(1, GameListRow{});
    m_currentRow = 0;
    const std::vector<int> records = m_store->records();
    if (records.empty())
        return;
    m_rows.clear();
    for (const int position : records)
        m_rows.push_back(
            {m_store->nameOfRecord(position), levelText(m_store->levelOfRecord(position))});
}

void Tfrmgamelist::selectRow(int row)
{
    if (row >= 0 && row < static_cast<int>(m_rows.size()))
        m_currentRow = row;
}

std::string Tfrmgamelist::selectedName() const
{
    return m_rows[static_cast<std::size_t>(m_currentRow)].name;
}

bool Tfrmgamelist::reportFailure(const StoreResult &result)
{
    if (result.ok())
        return false;
    const GameStore shown(m_files, m_storePath);
    m_dialogs.showError(storeFailureMessage(m_text, m_store ? *m_store : shown, result), m_title);
    return true;
}

void Tfrmgamelist::Button1Click()
{
    if (!m_store)
        return;
    const std::string name = selectedName();
    if (name.empty())
        return;
    if (!m_dialogs.confirm(m_text("msg_frmgamelist_querydelete"), m_title))
        return;
    // A failed write leaves the file, the store and the grid as they were.
    if (reportFailure(m_store->deleteRecord(name)))
        return;
    if (m_rows.size() == 1) {
        m_rows.front() = GameListRow{};
        return;
    }
    m_rows.erase(m_rows.begin() + m_currentRow);
    if (m_currentRow >= static_cast<int>(m_rows.size()))
        m_currentRow = static_cast<int>(m_rows.size()) - 1;
}

void Tfrmgamelist::Button2Click()
{
    if (!m_store)
        return;
    const std::string name = selectedName();
    const int position = m_store->find(name);
    if (position == 0)
        return;
    for (;;) {
        const std::string answer = m_dialogs
                                       .inputText(m_text("msg_frmgamelist_Sudoku"),
                                                  m_text("msg_frmgamelist_Entername"), name)
                                       .value_or(name);
        if (answer == name)
            return;
        if (m_store->find(answer) != 0) {
            m_dialogs.inform(m_text("msg_frmgamelist_queryexits"), m_title);
            continue;
        }
        std::vector<std::string> lines = m_store->lines();
        lines[static_cast<std::size_t>(position - 1)] = std::string(kRecordNamePrefix) + answer;
        if (reportFailure(m_store->replaceLines(std::move(lines))))
            return;
        m_rows[static_cast<std::size_t>(m_currentRow)].name = answer;
        return;
    }
}

std::string Tfrmgamelist::damageMessage(const std::string &name, const RecordReading &reading) const
{
    std::vector<std::string> parts;
    if (reading.levelUnreadable)
        parts.push_back(m_text("msg_frmgamelist_damaged_level"));
    if (reading.solutionUnreadable)
        parts.push_back(m_text("msg_frmgamelist_damaged_solution"));
    if (!reading.unreadableCells.empty()) {
        std::string cells;
        for (std::size_t i = 0; i < reading.unreadableCells.size() && i < kCellsNamed; ++i)
            cells += (i == 0 ? "" : " ") + cellName(reading.unreadableCells[i]);
        if (reading.unreadableCells.size() > kCellsNamed)
            cells += " …";
        parts.push_back(replaceAll(m_text("msg_frmgamelist_damaged_cells"), "%1", cells));
    }
    std::string list;
    for (const std::string &part : parts)
        list += (list.empty() ? "" : "; ") + part;
    return replaceAll(replaceAll(m_text("msg_frmgamelist_damaged"), "%1", name), "%2", list);
}

GameListLoad Tfrmgamelist::loadSelected()
{
    m_closeRequested = true;
    if (!m_store)
        return GameListLoad::None;
    // Nothing to load (an empty list, or a name no longer in the file): the game in
    // progress stays as it is.
    const std::string name = selectedName();
    const int position = m_store->find(name);
    if (position == 0)
        return GameListLoad::None;
    const RecordReading reading = readRecord(m_store->lines(), position);
    m_game.loadSavedBoard(reading.board);
    if (reading.isComplete())
        return GameListLoad::Loaded;
    m_dialogs.inform(damageMessage(name, reading), m_title);
    return GameListLoad::LoadedDamaged;
}

} // namespace kestrel
