// A soak of the main window's logic: thousands of random actions from a fixed seed, through the
// same driver as `kestrel-tool session`, with the board's invariants checked after every one.
// KESTREL_SOAK_ACTIONS sets the length (the default is the short run of every test pass).
#include "app/main_form.hpp"
#include "app/session/session_driver.hpp"
#include "core/random_source.hpp"
#include "game/step_log.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// One random action as a script line (sometimes several: the hint window's lines).
std::string randomAction(MersenneRandom &random)
{
    auto pick = [&random](int n) {
        return random.between(0, n - 1);
    };
    auto rc = [&] {
        return std::to_string(pick(9) + 1) + " " + std::to_string(pick(9) + 1);
    };
    auto button = [&] {
        return pick(4) == 0 ? std::string(" right") : std::string(" left");
    };
    static const char *const keys[]
        = {"1",      "5",         "9",      "kp3",    "tab",     "esc",         "up",
           "down",   "left",      "right",  "home",   "end",     "enter",       "space",
           "delete", "backspace", "ctrl+z", "ctrl+y", "shift+5", "ctrl+shift+z"};
    static const char *const plain[]
        = {"first",          "back",         "next",          "last",          "check",
           "restart",        "branch start", "branch accept", "branch reject", "pause",
           "rewind",         "mistakes",     "mode pencil",   "mode all",      "mode part",
           "auto on",        "auto off",     "continue",      "solution",      "save-replay r1",
           "load-replay r1", "marking on",   "marking off",   "clear-marks"};
    static const char *const layouts[] = {"nocand", "cand", "9x9", "1x81"};
    auto game = [&] {
        return "g" + std::to_string(pick(3));
    };
    const int kind = pick(110);
    std::string line = pick(2) ? "answer yes\n" : "answer no\n";
    if (kind < 30)
        line += "click " + rc() + button();
    else if (kind < 45)
        line += "digit " + std::to_string(pick(9) + 1) + button();
    else if (kind < 60)
        line += "cand " + rc() + " " + std::to_string(pick(9) + 1) + button();
    else if (kind < 75)
        line += std::string("key ") + keys[pick(static_cast<int>(std::size(keys)))];
    else if (kind < 93)
        line += plain[pick(static_cast<int>(std::size(plain)))];
    else if (kind < 96)
        line += "new " + std::to_string(pick(5));
    else if (kind < 98)
        line += "hint\nhint press\nanswer yes\nhint press\nhint close";
    else if (kind < 100)
        line += "colour " + std::to_string(pick(16)) + "\nclick " + rc() + " left";
    else if (kind < 102)
        line += std::string("copy ") + layouts[pick(4)] + (pick(2) ? " 0" : "");
    else if (kind < 104)
        line += "paste";
    else if (kind < 105)
        line += "import " + std::to_string(pick(9) + 1) + "2.4\\n..1"; // rarely a puzzle
    else if (kind < 107)
        line += "save-game " + game() + (pick(2) ? " " + std::to_string(pick(6)) : "");
    else if (kind < 108)
        line += "load-game " + game();
    else if (kind < 109)
        line += "delete-game " + game();
    else
        line += pick(2) ? "games" : "rename-game " + game() + " " + game();
    return line + "\n";
}

std::vector<std::string> fieldsOf(const std::string &snapshot)
{
    std::vector<std::string> fields;
    std::istringstream in(snapshot);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

// What must hold after every action whatever was done.
void checkInvariants(const TForm1 &form, std::string_view line)
{
    const Game &game = form.game();
    const TPICSD33 &board = game.board();
    const std::string snapshot = takeSnapshot(board);
    const std::string givens = game.record().givensString();
    if (!game.hasPuzzle())
        return;
    ASSERT_TRUE(isValidSnapshot(snapshot)) << "after '" << line << "': " << snapshot;
    int counts[10] = {};
    for (int k = 0; k < 81; ++k) {
        const TPicNode &cell = board.cell(k / 9 + 1, k % 9 + 1);
        if (givens[static_cast<std::size_t>(k)] != '0') {
            ASSERT_EQ(cell.state, CellState::Given) << "after '" << line << "' cell " << k;
            ASSERT_EQ(cell.hxs, std::string(1, givens[static_cast<std::size_t>(k)]))
                << "after '" << line << "' cell " << k;
        } else {
            ASSERT_NE(cell.state, CellState::Given) << "after '" << line << "' cell " << k;
        }
        if (cell.state != CellState::Open)
            ++counts[cell.hxs[0] - '0'];
    }
    const StepLog &log = game.history();
    ASSERT_GE(log.currentIndex(), 0);
    ASSERT_LE(log.currentIndex(), log.lastIndex());
    for (const std::string &step : log.lines())
        ASSERT_TRUE(step == StepLog::kPlaceholder || isValidSnapshot(step)) << step;
    // The step shown reads back to exactly the board shown (states, digits and candidates as
    // a snapshot holds them): stepping away and back, or the next autosave, changes nothing.
    // Two changes of the display run ahead of the log: the cell of an open candidate pad (the
    // pad records its step when it closes), and the candidates a digit selected in Part
    // Candidates mode fills into open cells that had none (the allowed digits; no step).
    const std::string &step = log.lines()[static_cast<std::size_t>(log.currentIndex())];
    const Tfrmtile &pad = form.frmtile();
    const int padCell = pad.visible ? (pad.targetRow - 1) * 9 + pad.targetCol - 1 : -1;
    const auto stepFields = fieldsOf(step);
    const auto boardFields = fieldsOf(snapshot);
    ASSERT_EQ(stepFields.size(), 81u) << "after '" << line << "': " << step;
    for (int k = 0; k < 81; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const bool filled = stepFields[at] == "3" && form.game().mode() == Mode::PartCandidates
            && boardFields[at] == "3" + board.allowedHxs(k / 9 + 1, k % 9 + 1);
        ASSERT_TRUE(k == padCell || filled || stepFields[at] == boardFields[at])
            << "after '" << line << "' at step " << log.currentIndex() << " of " << log.lastIndex()
            << ", cell " << k << ": the step holds '" << stepFields[at] << "', the board '"
            << boardFields[at] << "'";
    }
    // Inside the modal hint window the main window's bars follow when it closes.
    if (line.starts_with("hint ") || line.starts_with("answer"))
        return;
    for (int digit = 1; digit <= 9; ++digit)
        ASSERT_EQ(game.progressBar(digit).position, std::min(counts[digit], 9))
            << "after '" << line << "' digit " << digit;
}

TEST(SessionSoak, RandomActionsKeepTheBoardWhole)
{
    long actions = 20000;
    if (const char *text = std::getenv("KESTREL_SOAK_ACTIONS"))
        actions = std::atol(text);
    MersenneRandom random(20261210);
    std::string script = "seed 5\nnew 1\n";
    for (long i = 0; i < actions; ++i)
        script += randomAction(random);

    // KESTREL_SOAK_SCRIPT names a file to keep the script in, for kestrel-tool session.
    if (const char *path = std::getenv("KESTREL_SOAK_SCRIPT"))
        std::ofstream(path, std::ios::binary) << script;

    std::ostringstream out, err;
    SessionDriver driver(out, err);
    long checked = 0;
    driver.setLineChecker([&checked](const TForm1 &form, std::string_view line) {
        ++checked;
        checkInvariants(form, line);
        if (testing::Test::HasFatalFailure())
            throw SessionDriver::ScriptError{"invariant broken"};
    });
    std::istringstream in(script);
    const int status = driver.run(in);
    EXPECT_EQ(status, SessionDriver::kCompleted) << err.str().substr(0, 2000);
    if (status == SessionDriver::kScriptError) {
        // The lines before the one that failed, to replay it with kestrel-tool session.
        const long failed = std::atol(err.str().c_str() + std::string("error line ").size());
        std::istringstream lines(script);
        std::string text, tail;
        for (long n = 1; std::getline(lines, text) && n <= failed; ++n)
            if (n > failed - 40)
                tail += text + "\n";
        ADD_FAILURE() << "script up to the failing line:\n" << tail;
    }
    EXPECT_GT(checked, actions) << "every action ran";
}

} // namespace
} // namespace kestrel
