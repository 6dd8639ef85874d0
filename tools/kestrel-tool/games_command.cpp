// kestrel-tool games: the saved-game store's operations on a real "games.dat", through the
// same logic as the Save window and the game list, so that players' files can be checked
// and repaired from a shell.
#include "games_command.hpp"

#include "app/language_table.hpp"
#include "core/board.hpp"
#include "core/digit_strings.hpp"
#include "game/step_log.hpp"
#include "library/game_list_window.hpp"
#include "library/save_window.hpp"
#include "platform/file_text_files.hpp"

#include <deque>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

namespace {

constexpr std::string_view kTitle = "kestrel-tool";

// Exit statuses of the games commands.
constexpr int kOk = 0;
constexpr int kIncomplete = 1; ///< something was not read, or the change was refused
constexpr int kFileFailed = 2; ///< the file could not be read or written; usage errors
constexpr int kNoSuchGame = 3;

// The windows' questions answered from the command line, their messages on standard error.
class ConsoleDialogs final : public Dialogs
{
public:
    bool confirmAnswer = false;
    std::deque<std::optional<std::string>> inputs;
    std::vector<std::string> informed;
    int errors = 0;

    void inform(std::string_view text, std::string_view) override
    {
        informed.emplace_back(text);
        std::cerr << text << "\n";
    }
    void showError(std::string_view text, std::string_view) override
    {
        ++errors;
        std::cerr << "kestrel-tool: " << text << "\n";
    }
    bool confirm(std::string_view, std::string_view) override { return confirmAnswer; }
    std::optional<std::string> openFile(std::string_view, std::string_view,
                                        std::string_view) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(std::string_view, std::string_view,
                                        std::string_view) override
    {
        return std::nullopt;
    }
    std::optional<std::string> inputText(std::string_view, std::string_view,
                                         std::string_view) override
    {
        if (inputs.empty())
            return std::nullopt;
        auto answer = inputs.front();
        inputs.pop_front();
        return answer;
    }
    std::optional<Colour> pickColour(Colour) override { return std::nullopt; }
};

// Everything a games command works with: the English texts, the dialogs, the file system and
// a game whose board the commands save from or load into.
struct Session
{
    Session() { language.load(Language::English); }
    TextLookup lookup()
    {
        return [this](std::string_view key) {
            return language.lookup(key);
        };
    }

    LanguageTable language;
    ConsoleDialogs dialogs;
    FileTextFiles files;
    Game game{dialogs, lookup()};
};

int usageError(std::string_view message)
{
    std::cerr << "kestrel-tool games: " << message << "\n" << kGamesUsage;
    return kFileFailed;
}

bool isSolution(std::string_view text)
{
    if (text.size() != 81)
        return false;
    for (const char ch : text) {
        if (ch < '1' || ch > '9')
            return false;
    }
    return true;
}

int runList(const std::string &path)
{
    Session session;
    // Listing never creates a file: a missing one is said so.
    if (!session.files.exists(path)) {
        std::cerr << "kestrel-tool: no file " << path << "\n";
        return kFileFailed;
    }
    GameStore store(session.files, path);
    const StoreResult loaded = store.load();
    if (!loaded.ok()) {
        std::cerr << "kestrel-tool: " << path << ": " << loaded.reason << "\n";
        return kFileFailed;
    }
    if (store.records().empty()) {
        std::cerr << "kestrel-tool: no saved game in " << path << "\n";
        return kIncomplete;
    }
    for (const int position : store.records()) {
        const int level = store.levelOfRecord(position);
        std::cout << (level >= 0 ? std::to_string(level) : std::string("?")) << '\t'
                  << store.nameOfRecord(position) << '\n';
    }
    return kOk;
}

int runSave(const std::vector<std::string> &args)
{
    if (args.size() < 3)
        return usageError("save needs FILE NAME LEVEL");
    const std::string &path = args[0];
    const std::string &name = args[1];
    const std::string &levelText = args[2];
    if (levelText.size() != 1 || levelText[0] < '0' || levelText[0] > '5')
        return usageError("LEVEL must be 0..5");
    std::optional<std::string> solution;
    bool overwrite = false;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--overwrite") {
            overwrite = true;
        } else if (args[i] == "--solution" && i + 1 < args.size()) {
            solution = args[++i];
            if (!isSolution(*solution))
                return usageError("--solution needs 81 digits 1..9");
        } else {
            return usageError("unknown option '" + args[i] + "'");
        }
    }
    std::string snapshot;
    std::getline(std::cin, snapshot);
    if (!snapshot.empty() && snapshot.back() == '\r')
        snapshot.pop_back();
    if (!isValidSnapshot(snapshot)) {
        std::cerr << "kestrel-tool: standard input is not a board snapshot (81 fields "
                     "joined by ',')\n";
        return kIncomplete;
    }

    Session session;
    applySnapshot(session.game.board(), snapshot);
    if (solution)
        session.game.record().loadValues(*solution);
    Tfrmsave window(session.game, session.dialogs, session.files, path, session.lookup(),
                    std::string(kTitle));
    if (!window.FormCreate())
        return kFileFailed;
    window.nameText = name;
    window.levelIndex = levelText[0] - '0';
    session.dialogs.confirmAnswer = overwrite;
    window.Button1Click();
    switch (window.outcome()) {
    case SaveOutcome::Saved:
        return kOk;
    case SaveOutcome::KeptOld:
        std::cerr << "kestrel-tool: a game named '" << name
                  << "' is stored already; nothing saved (--overwrite replaces it)\n";
        return kIncomplete;
    case SaveOutcome::None:
    case SaveOutcome::Failed:
        break;
    }
    return kFileFailed;
}

// Opens the game list over `path` and selects the row of `name`; the exit status when that
// cannot be done.
std::optional<int> openAndSelect(Tfrmgamelist &list, const std::string &path,
                                 const std::string &name)
{
    if (!list.open(path, std::string(kTitle)))
        return kFileFailed;
    const GameStore &store = *list.store();
    const auto &rows = list.rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].name == name && store.find(name) != 0) {
            list.selectRow(static_cast<int>(row));
            return std::nullopt;
        }
    }
    std::cerr << "kestrel-tool: no game named '" << name << "' in " << path << "\n";
    return kNoSuchGame;
}

int runLoad(const std::string &path, const std::string &name)
{
    Session session;
    Tfrmgamelist list(session.game, session.dialogs, session.files, session.lookup());
    if (const auto status = openAndSelect(list, path, name))
        return *status;
    const std::string levelLine = list.store()->levelLine(list.store()->find(name));
    const std::string_view solution
        = levelLine.size() > 2 ? trimmed(std::string_view(levelLine).substr(2)) : "";
    std::cout << levelLine.substr(0, 1) << ' ' << solution << '\n';
    const GameListLoad loaded = list.loadSelected();
    std::cout << takeSnapshot(session.game.board()) << '\n';
    return loaded == GameListLoad::Loaded ? kOk : kIncomplete;
}

int runDelete(const std::string &path, const std::string &name)
{
    Session session;
    Tfrmgamelist list(session.game, session.dialogs, session.files, session.lookup());
    if (const auto status = openAndSelect(list, path, name))
        return *status;
    session.dialogs.confirmAnswer = true;
    list.Button1Click();
    return session.dialogs.errors == 0 ? kOk : kFileFailed;
}

int runRename(const std::string &path, const std::string &oldName, const std::string &newName)
{
    Session session;
    Tfrmgamelist list(session.game, session.dialogs, session.files, session.lookup());
    if (const auto status = openAndSelect(list, path, oldName))
        return *status;
    // The window asks again after a taken name; the second answer cancels.
    session.dialogs.inputs = {newName, std::nullopt};
    list.Button2Click();
    if (session.dialogs.errors != 0)
        return kFileFailed;
    return session.dialogs.informed.empty() ? kOk : kIncomplete;
}

} // namespace

int runGamesCommand(int argc, char **argv)
{
    std::vector<std::string> args(argv + 2, argv + argc);
    if (args.empty())
        return usageError("missing action");
    const std::string action = args.front();
    args.erase(args.begin());
    if (action == "list" && args.size() == 1)
        return runList(args[0]);
    if (action == "save")
        return runSave(args);
    if (action == "load" && args.size() == 2)
        return runLoad(args[0], args[1]);
    if (action == "delete" && args.size() == 2)
        return runDelete(args[0], args[1]);
    if (action == "rename" && args.size() == 3)
        return runRename(args[0], args[1], args[2]);
    return usageError("unknown action or wrong arguments: '" + action + "'");
}

} // namespace kestrel
