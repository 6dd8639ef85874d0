// The keyboard against the mouse: every key that acts on the game does what the mouse action
// it stands for does, seen through a session's `show`; and the commands the keyboard brought
// along (pause, mistakes as they are played, rewind, the question before a game is left).
#include "app/session/session_driver.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

namespace {

// One solution; (1, 3) takes 1, 2 or 4 and its solution is 4; (1, 4) takes 2 or 6 (solution
// 6); (1, 6) takes 2, 4, 6 or 8 (solution 8).
constexpr std::string_view kPuzzle
    = "puzzle 53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79 "
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179\n";

struct SessionRun
{
    int status = 0;
    std::string out;
};

SessionRun runScript(const std::string &script)
{
    std::istringstream in(std::string(kPuzzle) + script);
    std::ostringstream out, err;
    SessionDriver driver(out, err);
    SessionRun run;
    run.status = driver.run(in);
    run.out = out.str() + err.str();
    return run;
}

/// The output without the keyboard cursor, which only the keys show.
std::string withoutCursor(const std::string &out)
{
    return std::regex_replace(out, std::regex(" cursor=[0-9],[0-9]"), "");
}

/// The field `name=` of the last `show` line that has it; empty when none has.
std::string lastField(const std::string &out, const std::string &name)
{
    const std::regex field("(^| )" + name + "=([^ ]*)");
    std::string found;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (std::smatch m; std::regex_search(line, m, field))
            found = m[2];
    return found;
}

// Keys that bring the cursor to (1, 3) from row 1, shown or not: the first key of the cursor
// only shows it where it stood (A1 at the start, the last cell clicked after a click).
constexpr std::string_view kToC3 = "key home\nkey home\nkey right\nkey right\n";

struct KeyCase
{
    const char *name;
    std::string before; ///< run first on both sides
    std::string keys; ///< after the cursor was brought to (1, 3)
    std::string mouse;
};

class KeyEqualsMouse : public testing::TestWithParam<KeyCase>
{
};

TEST_P(KeyEqualsMouse, SameBoardAfterTheSameSequence)
{
    const KeyCase &c = GetParam();
    const SessionRun byKeys
        = runScript(c.before + std::string(kToC3) + c.keys + "show\nmessages\n");
    const SessionRun byMouse = runScript(c.before + c.mouse + "show\nmessages\n");
    ASSERT_EQ(byKeys.status, SessionDriver::kCompleted) << byKeys.out;
    ASSERT_EQ(byMouse.status, SessionDriver::kCompleted) << byMouse.out;
    EXPECT_EQ(withoutCursor(byKeys.out), byMouse.out);
    EXPECT_EQ(lastField(byKeys.out, "cursor"), "1,3");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyEqualsMouse,
    testing::Values(
        KeyCase{"EnterPlaces", "key 4\n", "key enter\n", "click 1 3\n"},
        KeyCase{"SpacePlaces", "key 1\n", "key space\n", "click 1 3\n"},
        KeyCase{"KeypadDigitSelects", "", "key kp4\nkey enter\n", "digit 4\nclick 1 3\n"},
        KeyCase{"DeleteTakesAPencilDigitAway", "key 4\nclick 1 3\n", "key delete\n",
                "click 1 3 right\n"},
        KeyCase{"BackspaceOpensThePad", "mode all\n", "key backspace\n", "click 1 3 right\n"},
        KeyCase{"EnterTakesBackAPlacedDigit", "mode all\ncand 1 3 4\n", "key enter\n",
                "click 1 3\n"},
        KeyCase{"ShiftDigitPlacesAShownCandidate", "mode all\n", "key shift+4\n", "cand 1 3 4\n"},
        KeyCase{"ShiftKeypadDigitPlacesAShownCandidate", "mode all\n", "key shift+kp2\n",
                "cand 1 3 2\n"},
        KeyCase{"CtrlZStepsBack", "key 4\nclick 1 3\n", "key ctrl+z\n", "back\n"},
        KeyCase{"CtrlYStepsForward", "key 4\nclick 1 3\nback\n", "key ctrl+y\n", "next\n"},
        KeyCase{"CtrlShiftZStepsForward", "key 4\nclick 1 3\nback\n", "key ctrl+shift+z\n",
                "next\n"},
        KeyCase{"CtrlRRestarts", "key 4\nclick 1 3\nanswer yes\n", "key ctrl+r\n", "restart\n"},
        KeyCase{"PPauses", "", "key p\n", "pause\n"},
        KeyCase{"PauseTwiceGoesOn", "", "key p\nkey p\n", "pause\npause\n"}),
    [](const testing::TestParamInfo<KeyCase> &info) { return std::string(info.param.name); });

TEST(SessionKeys, ShiftDigitOnAHiddenCandidateOrInPencilModeDoesNothing)
{
    // (1, 3) cannot hold 9, so its sub-panel 9 is hidden in All Candidates; in Pencil and
    // Paper no candidate shows.
    const std::pair<std::string, std::string> cases[]
        = {{"mode all\n", "key shift+9\n"}, {"", "key shift+4\n"}};
    for (const auto &[mode, keys] : cases) {
        const SessionRun before = runScript(mode + "show\n");
        const SessionRun after = runScript(mode + std::string(kToC3) + keys + "show\n");
        EXPECT_EQ(withoutCursor(after.out), before.out) << mode;
    }
}

TEST(SessionKeys, AMouseClickHidesTheCursorAndLeavesItOnTheClickedCell)
{
    const SessionRun run = runScript(std::string(kToC3) + "click 5 5\nshow\nkey right\nshow\n");
    EXPECT_EQ(run.out.find(" cursor="), run.out.rfind(" cursor=")) << "hidden after the click";
    EXPECT_EQ(lastField(run.out, "cursor"), "5,5") << "shown again where the click was";
}

TEST(SessionKeys, WhilePausedTheBoardTakesNoKeyAndNoClick)
{
    const SessionRun paused = runScript("key 4\nkey p\nclick 1 3\nkey down\nkey enter\nshow\n");
    const SessionRun untouched = runScript("key 4\nshow\n");
    EXPECT_NE(paused.out.find(" paused"), std::string::npos);
    EXPECT_NE(paused.out.find("clock=stopped"), std::string::npos);
    EXPECT_EQ(lastField(paused.out, "board"), lastField(untouched.out, "board"));
    const SessionRun resumed = runScript("key 4\nkey p\nkey p\nclick 1 3\nshow\n");
    EXPECT_EQ(resumed.out.find(" paused"), std::string::npos);
    EXPECT_EQ(lastField(resumed.out, "at"), "1");
}

// ---------------------------------------------------------------------------------------------
// Mistakes as they are played, and the rewind

TEST(SessionMistakes, WrongPlacedDigitsAreMarkedOnlyWithTheOption)
{
    const std::string moves = "key 1\nclick 1 3\nkey 6\nclick 1 4\n"; // 1 is wrong, 6 right
    EXPECT_EQ(lastField(runScript(moves + "show\n").out, "mistakes"), "");
    EXPECT_EQ(lastField(runScript("mistakes\n" + moves + "show\n").out, "mistakes"), "13");
    // The option is remembered over a restart of the program.
    EXPECT_EQ(lastField(runScript("mistakes\nexit\n" + std::string(kPuzzle) + moves + "show\n").out,
                        "mistakes"),
              "13");
}

struct RewindCase
{
    const char *name;
    std::string moves;
    std::string expectedAt; ///< the step shown after the rewind
    std::string expectedAtAfterNext; ///< and after Next
};

class Rewind : public testing::TestWithParam<RewindCase>
{
};

TEST_P(Rewind, LandsOnTheLastStepWithoutAMistake)
{
    const RewindCase &c = GetParam();
    const SessionRun run = runScript(c.moves + "rewind\nshow\nnext\nshow\n");
    ASSERT_EQ(run.status, SessionDriver::kCompleted) << run.out;
    const std::string firstShow = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(lastField(firstShow, "at"), c.expectedAt);
    EXPECT_EQ(lastField(run.out, "at"), c.expectedAtAfterNext);
}

// Steps: each placement records one. A4 = 6, A3 = 4, A6 = 8 are right; A3 = 1, A4 = 2 wrong.
INSTANTIATE_TEST_SUITE_P(
    Steps, Rewind,
    testing::Values(RewindCase{"NoMistakeStays", "key 4\nclick 1 3\nkey 6\nclick 1 4\n", "2", "2"},
                    RewindCase{"OneMistake",
                               "key 4\nclick 1 3\nkey 2\nclick 1 4\nkey 8\nclick 1 6\n", "1", "2"},
                    RewindCase{
                        "TwoMistakes",
                        "key 6\nclick 1 4\nkey 8\nclick 1 6\nkey 1\nclick 1 3\nkey 2\nclick 5 5\n",
                        "2", "3"},
                    RewindCase{"FirstMoveWrongGoesToTheGivens",
                               "key 1\nclick 1 3\nkey 6\nclick 1 4\n", "0", "1"},
                    RewindCase{"AMistakeTakenBackIsNoMistake",
                               "key 1\nclick 1 3\nclick 1 3 right\nkey 6\nclick 1 4\n", "3", "3"}),
    [](const testing::TestParamInfo<RewindCase> &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Leaving a game in progress

TEST(SessionAbandon, LeavingAGameWithMovesAsksFirst)
{
    // Load Replay (the "puzzle" action) over a game with a move: answered no, the game stays.
    const SessionRun kept
        = runScript("key 4\nclick 1 3\nanswer no\n" + std::string(kPuzzle) + "show\n");
    EXPECT_EQ(kept.status, SessionDriver::kCompleted) << kept.out;
    EXPECT_EQ(lastField(kept.out, "steps"), "2");
    const SessionRun left
        = runScript("key 4\nclick 1 3\nanswer yes\n" + std::string(kPuzzle) + "show\n");
    EXPECT_EQ(lastField(left.out, "steps"), "1");
    // Without a move nothing is asked (an unanswered question would stop the session).
    EXPECT_EQ(runScript(std::string(kPuzzle) + "show\n").status, SessionDriver::kCompleted);
    EXPECT_EQ(runScript("key 4\nclick 1 3\nnew 1\n").status, SessionDriver::kUnanswered);
}

// ---------------------------------------------------------------------------------------------
// The candidates a hint removes

/// The candidates cell `rc` ("13") shows in a `shown=` list of a show line.
std::string shownCandidates(const std::string &line, int row, int col)
{
    std::istringstream cells(lastField(line, "shown"));
    std::string cell;
    for (int i = 0; i < (row - 1) * 9 + col; ++i)
        std::getline(cells, cell, ',');
    return cell.substr(cell.find('/') + 1);
}

TEST(SessionHint, TheCandidatesAHintRemovesAreMarkedUntilItIsCarriedOut)
{
    // A Tough game whose hints soon remove candidates (intersections, pairs).
    std::string script = "seed 3\nnew 3\nmode all\nhint\n";
    for (int i = 0; i < 16; ++i)
        script += "hint press\nshow\n";
    script += "hint close\nshow\n";
    std::istringstream in(script);
    std::ostringstream out, err;
    SessionDriver driver(out, err);
    ASSERT_EQ(driver.run(in), SessionDriver::kCompleted) << err.str();
    std::vector<std::string> shows;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("steps="))
            shows.push_back(line);
    // Each show in the window but the last is followed by the press that carries its hint out;
    // the last show is of the closed window, which carries nothing out.
    int marked = 0;
    for (std::size_t i = 0; i + 2 < shows.size(); ++i) {
        std::istringstream removals(lastField(shows[i], "removals"));
        for (std::string cell; std::getline(removals, cell, ',');) {
            // "13-2": cell A3 loses candidate 2 when the hint is carried out.
            const int row = cell[0] - '0', col = cell[1] - '0';
            for (const char digit : cell.substr(3)) {
                SCOPED_TRACE(shows[i].substr(0, 20) + " " + cell);
                EXPECT_NE(shownCandidates(shows[i], row, col).find(digit), std::string::npos);
                EXPECT_EQ(shownCandidates(shows[i + 1], row, col).find(digit), std::string::npos);
                ++marked;
            }
        }
    }
    EXPECT_GT(marked, 3) << "the game's hints removed candidates";
    EXPECT_EQ(lastField(shows.back(), "removals"), "") << "nothing marked once the window closed";
}

} // namespace

} // namespace kestrel
