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
    const int kind = pick(100);
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
    else
        line += "colour " + std::to_string(pick(16)) + "\nclick " + rc() + " left";
    return line + "\n";
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
