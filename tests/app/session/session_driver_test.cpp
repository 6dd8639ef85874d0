// Session scripts against the main window's logic: what `show` and `messages` print after a
// player's actions, and how a session stops.
#include "app/session/session_driver.hpp"

#include "app/language_table.hpp"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kestrel {

namespace {

// A puzzle with one solution; its first hint is the hidden single I7 = 1. Cell (1, 3) may
// hold 1, 2 or 4 (its solution digit is 4).
constexpr std::string_view kPuzzleLine
    = "puzzle 53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79 "
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179\n";

struct Session
{
    int status = 0;
    std::string out;
    std::string err;
};

Session runScript(const std::string &script)
{
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    SessionDriver driver(out, err);
    Session session;
    session.status = driver.run(in);
    session.out = out.str();
    session.err = err.str();
    return session;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> fieldsOf(const std::string &commaList)
{
    std::vector<std::string> fields;
    std::istringstream in(commaList);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

/// The fields of a `show` line ("steps" → "2", …) and its 81 shown cells.
struct ShowLine
{
    std::map<std::string, std::string> fields;
    std::vector<std::string> shown;

    const std::string &cell(int row, int col) const { return shown.at((row - 1) * 9 + col - 1); }
};

ShowLine parseShow(const std::string &line)
{
    ShowLine show;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        const auto equals = word.find('=');
        if (equals != std::string::npos)
            show.fields[word.substr(0, equals)] = word.substr(equals + 1);
    }
    show.shown = fieldsOf(show.fields["shown"]);
    return show;
}

/// The last line the session printed, read as a `show` line.
ShowLine lastShow(const Session &session)
{
    const std::vector<std::string> lines = linesOf(session.out);
    return lines.empty() ? ShowLine{} : parseShow(lines.back());
}

std::string chineseText(std::string_view key)
{
    LanguageTable table;
    table.load(Language::Chinese);
    return table.lookup(key);
}

} // namespace

// --- playing the puzzle ----------------------------------------------------------------------

struct PlayCase
{
    const char *name;
    const char *script; ///< after the puzzle line; ends with "show"
    int row;
    int col;
    const char *snapshot; ///< the cell's field of the board snapshot at the end
    const char *shown; ///< what the cell shows at the end (nullptr: not checked)
    std::map<std::string, std::string> fields; ///< further fields of the last show line
};

TEST(SessionDriver, PlaysThePuzzleAsTheWindowDoes)
{
    const PlayCase cases[] = {
        {"the puzzle starts as a loaded game",
         "show",
         1,
         3,
         "3",
         "/",
         {{"steps", "1"}, {"at", "0"}, {"mode", "pencil"}, {"level", "5"}, {"clock", "running"}}},
        {"a digit and a click place it",
         "digit 4\nclick 1 3\nshow",
         1,
         3,
         "24",
         "4/",
         {{"steps", "2"}, {"at", "1"}, {"solved", "0"}}},
        {"a typed digit selects it", "key 4\nclick 1 3\nshow", 1, 3, "24", "4/", {}},
        {"all candidates shows the cell's candidates",
         "mode all\nshow",
         1,
         3,
         "3124",
         "/124",
         {{"mode", "all"}}},
        {"a left press on a candidate places it",
         "mode all\ncand 1 3 4\nshow",
         1,
         3,
         "24",
         "4/",
         {}},
        {"a right press on a candidate removes it",
         "mode all\ncand 1 3 4 right\nshow",
         1,
         3,
         "312",
         "/12",
         {}},
        {"a press on a hidden candidate lands on the cell",
         "mode all\ncand 1 3 3\nshow",
         1,
         3,
         "3124",
         "/124",
         {}},
        {"the pad toggles a candidate and Esc closes it",
         "mode all\npad 1 3\npad 1\nkey esc\nshow",
         1,
         3,
         "324",
         "/24",
         {{"steps", "3"}}},
        {"the pad's keys toggle candidates",
         "mode all\npad 1 3\nkey 2\nkey 4\npad close\nshow",
         1,
         3,
         "31",
         "/1",
         {}},
        {"Automatic fills the allowed digits", "pad 1 3\npad auto\nshow", 1, 3, "3124", "/124", {}},
        {"a click on the cell under the pad only closes the pad",
         "digit 4\npad 1 3\nclick 1 3\nshow",
         1,
         3,
         "3",
         "/",
         {}},
        {"a press elsewhere lets the pad go",
         "digit 4\npad 1 3\ndigit 4\nclick 1 3\nshow",
         1,
         3,
         "24",
         "4/",
         {}},
        {"the next click places again",
         "digit 4\npad 1 3\nclick 1 3\nclick 1 3\nshow",
         1,
         3,
         "24",
         "4/",
         {}},
        {"the hint button places the hint's single",
         "hint\nhint press\nhint close\nshow",
         9,
         7,
         "21",
         "1/",
         {{"steps", "2"}, {"at", "1"}}},
        {"restart answered No keeps the game",
         "digit 4\nclick 1 3\nanswer no\nrestart\nshow",
         1,
         3,
         "24",
         "4/",
         {}},
        {"restart answered Yes clears the entries",
         "digit 4\nclick 1 3\nanswer yes\nrestart\nshow",
         1,
         3,
         "3",
         "/",
         {{"steps", "1"}}},
        {"first shows step 0",
         "digit 4\nclick 1 3\nfirst\nshow",
         1,
         3,
         "3",
         "/",
         {{"steps", "2"}, {"at", "0"}}},
        {"exit starts the program again",
         "digit 4\nclick 1 3\nexit\nshow",
         1,
         3,
         "1",
         "/",
         {{"steps", "1"}, {"level", "0"}, {"clock", "stopped"}}},
        // What a loaded game's placed cell shows is the board's redraw, not the session's.
        {"continue brings the last game back",
         "digit 4\nclick 1 3\nexit\ncontinue\nshow",
         1,
         3,
         "24",
         nullptr,
         {{"level", "5"}, {"steps", "2"}}},
        {"a replay comes back as saved",
         "digit 4\nclick 1 3\nsave-replay r\nanswer yes\nrestart\nload-replay r\nshow",
         1,
         3,
         "24",
         nullptr,
         {{"steps", "2"}}},
    };
    for (const PlayCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Session session = runScript(std::string(kPuzzleLine) + c.script + "\n");
        ASSERT_EQ(session.status, SessionDriver::kCompleted) << session.err;
        const ShowLine show = lastShow(session);
        ASSERT_EQ(show.shown.size(), 81u) << session.out;
        const std::vector<std::string> snapshot = fieldsOf(show.fields.at("board"));
        ASSERT_EQ(snapshot.size(), 81u);
        EXPECT_EQ(snapshot[static_cast<std::size_t>((c.row - 1) * 9 + c.col - 1)], c.snapshot);
        if (c.shown != nullptr) {
            EXPECT_EQ(show.cell(c.row, c.col), c.shown);
        }
        for (const auto &[field, value] : c.fields) {
            EXPECT_EQ(show.fields.at(field), value) << field;
        }
    }
}

TEST(SessionDriver, NewGamesFollowTheSeed)
{
    auto board = [](const std::string &script) {
        return lastShow(runScript(script + "new 2\nshow\n")).fields["board"];
    };
    const std::string first = board("seed 5\n");
    EXPECT_EQ(board("seed 5\n"), first);
    EXPECT_NE(board("seed 6\n"), first);
    EXPECT_EQ(board(""), board("seed 0\n"));
    const ShowLine show = lastShow(runScript("seed 5\nnew 2\nshow\n"));
    EXPECT_EQ(show.fields.at("level"), "2");
    EXPECT_EQ(show.fields.at("clock"), "running");
}

// --- the exchange and library windows ----------------------------------------------------------

TEST(SessionDriver, CopiedBoardsPasteBackAsTheSamePuzzle)
{
    // The placed 4 at (1, 3) becomes a clue of the imported puzzle, and so a given.
    const std::string played = std::string(kPuzzleLine) + "digit 4\nclick 1 3\nshow\n";
    const ShowLine before = lastShow(runScript(played));
    std::vector<std::string> expected = fieldsOf(before.fields.at("board"));
    expected[2] = "14";
    // (With Candidates is left out: an open cell with one candidate reads back as a clue.)
    for (const char *layout : {"nocand", "9x9", "1x81"}) {
        SCOPED_TRACE(layout);
        const Session session
            = runScript(played + "copy " + layout + "\nanswer yes\npaste\nshow\n");
        ASSERT_EQ(session.status, SessionDriver::kCompleted) << session.err << session.out;
        const ShowLine after = lastShow(session);
        std::vector<std::string> givens;
        for (const std::string &field : fieldsOf(after.fields.at("board")))
            givens.push_back(field[0] == '1' ? field : "3");
        for (std::string &field : expected)
            field = field[0] == '3' ? "3" : "1" + field.substr(1);
        EXPECT_EQ(givens, expected);
        EXPECT_EQ(after.fields.at("level"), "5");
        EXPECT_EQ(after.fields.at("steps"), "1");
    }
    // Typed text: the lines of a 9x9 block.
    const Session typed = runScript(
        "import 53..7....\\n6..195...\\n.98....6.\\n8...6...3\\n4..8.3..1\\n7...2...6\\n"
        ".6....28.\\n...419..5\\n....8..79\nshow\n");
    ASSERT_EQ(typed.status, SessionDriver::kCompleted) << typed.err;
    EXPECT_EQ(lastShow(typed).fields.at("board"),
              lastShow(runScript(std::string(kPuzzleLine) + "show\n")).fields.at("board"));
}

TEST(SessionDriver, SavedGamesAreListedRenamedLoadedAndDeleted)
{
    const Session session = runScript(std::string(kPuzzleLine)
                                      + "digit 4\nclick 1 3\nshow\nsave-game mine 2\n"
                                        "save-game other\ngames\nanswer yes\nnew 3\n"
                                        "rename-game mine yours\nrename-game yours other\n"
                                        "load-game yours\nshow\nanswer yes\n"
                                        "delete-game other\ngames\nload-game nobody\nshow\n");
    ASSERT_EQ(session.status, SessionDriver::kCompleted) << session.err << session.out;
    const std::vector<std::string> lines = linesOf(session.out);
    ASSERT_EQ(lines.size(), 5u) << session.out;
    EXPECT_EQ(lines[1], "games=mine,other");
    EXPECT_EQ(lines[3], "games=yours");
    // The loaded game is the board saved, at the level it was saved with.
    const ShowLine saved = parseShow(lines[0]);
    const ShowLine loaded = parseShow(lines[2]);
    EXPECT_EQ(fieldsOf(loaded.fields.at("board"))[2], "24");
    EXPECT_EQ(loaded.fields.at("level"), "2");
    for (int k = 0; k < 81; ++k) {
        const std::string a = fieldsOf(saved.fields.at("board"))[k];
        const std::string b = fieldsOf(loaded.fields.at("board"))[k];
        EXPECT_EQ(a[0] == '3' ? "3" : a, b[0] == '3' ? "3" : b) << "cell " << k;
    }
    // A name no row holds loads nothing.
    EXPECT_EQ(parseShow(lines[4]).fields.at("board"), loaded.fields.at("board"));
}

// --- what the player was shown -----------------------------------------------------------------

TEST(SessionDriver, MessagesListWhatWasShownSinceTheLastCall)
{
    const Session session = runScript(std::string(kPuzzleLine)
                                      + "answer no\nrestart\nmessages\nmessages\n"
                                        "hint\nmessages\nhint press\nhint press\nhint close\n"
                                        "messages\ncheck\nmessages\n");
    ASSERT_EQ(session.status, SessionDriver::kCompleted) << session.err;
    const std::vector<std::string> expected = {
        "ask: " + chineseText("msg_restart"),
        "hint: 在右下九宫格, I7 一定是 1", // the first hint, as the window opens
        // the first press places the single and empties the text; the second shows the next
        "hint: 在右下九宫格, G9 一定是 4",
        "info: " + chineseText("msg_no_error"),
    };
    EXPECT_EQ(linesOf(session.out), expected);
}

TEST(SessionDriver, LineBreaksOfAShownTextAreWrittenAsBackslashN)
{
    const std::pair<const char *, const char *> cases[] = {
        {"one line", "one line"}, {"a\r\nb", "a\\nb"},    {"a\nb\r\n", "a\\nb\\n"},
        {"a\rb", "a\\nb"},        {"\r\n\r\n", "\\n\\n"},
    };
    for (const auto &[text, written] : cases) {
        EXPECT_EQ(escapeLineBreaks(text), written) << text;
    }
}

// --- how a session stops -----------------------------------------------------------------------

struct StopCase
{
    const char *name;
    std::string script;
    int status;
    std::size_t outLines; ///< lines printed before the session stopped
    std::string outLast; ///< the last of them starts so (empty: not checked)
    std::string err;
};

TEST(SessionDriver, StopsAtTheFirstLineThatCannotRun)
{
    const std::string puzzle(kPuzzleLine);
    const StopCase cases[] = {
        {"an unknown action keeps the output before it", "show\nbogus\nshow\n",
         SessionDriver::kScriptError, 1, "steps=1 at=0 mode=pencil level=0 solved=0 clock=stopped",
         "error line 2: unknown action 'bogus'\n"},
        {"comments and blank lines count as lines", "# a comment\n\nmode sideways\n",
         SessionDriver::kScriptError, 0, "", "error line 3: bad argument 'sideways' for 'mode'\n"},
        {"a digit out of range", "digit 0\n", SessionDriver::kScriptError, 0, "",
         "error line 1: bad argument '0': expected a digit 1..9\n"},
        {"a missing argument", "click 1\n", SessionDriver::kScriptError, 0, "",
         "error line 1: wrong number of arguments for 'click'\n"},
        {"a key the program does not handle", "key f9\n", SessionDriver::kScriptError, 0, "",
         "error line 1: bad argument 'f9': expected a key (1..9, kp1..kp9, tab, esc, up, down, "
         "left, right, home, end, enter, space, delete, backspace, f1, f5, n, p, r, y, z), "
         "optionally after ctrl+ and shift+\n"},
        {"short givens", "puzzle 123\n", SessionDriver::kScriptError, 0, "",
         "error line 1: bad argument: the givens must be 81 characters of 1-9, 0 or .\n"},
        {"the pad is closed", "pad 5\n", SessionDriver::kScriptError, 0, "",
         "error line 1: the candidate pad is not open\n"},
        {"the main window closes the pad", puzzle + "pad 1 3\ndigit 5\npad 2\n",
         SessionDriver::kScriptError, 0, "", "error line 4: the candidate pad is not open\n"},
        {"the hint window is closed", "hint press\n", SessionDriver::kScriptError, 0, "",
         "error line 1: the hint window is not open\n"},
        {"the hint window holds the main window", puzzle + "hint\nshow\ndigit 1\n",
         SessionDriver::kScriptError, 1, "steps=1",
         "error line 4: the hint window is open; only 'hint press', 'hint close', 'show', "
         "'messages' and 'answer' reach it\n"},
        {"a question nobody answered", puzzle + "digit 4\nclick 1 3\nrestart\nshow\n",
         SessionDriver::kUnanswered, 1, "unanswered: " + chineseText("msg_restart"), ""},
        {"the end of the script closes the hint window", puzzle + "hint\nhint press\n",
         SessionDriver::kCompleted, 0, "", ""},
    };
    for (const StopCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Session session = runScript(c.script);
        EXPECT_EQ(session.status, c.status);
        const std::vector<std::string> lines = linesOf(session.out);
        ASSERT_EQ(lines.size(), c.outLines) << session.out;
        if (!c.outLast.empty()) {
            EXPECT_EQ(lines.back().substr(0, c.outLast.size()), c.outLast);
        }
        EXPECT_EQ(session.err, c.err);
    }
}

} // namespace kestrel
