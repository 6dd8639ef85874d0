// The saved-game store and its records: the file byte for byte, the operations of the
// store, and records read back from hand-edited or damaged files.
#include "library/game_store.hpp"
#include "library/saved_game_record.hpp"

#include "library_session.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

// Two records as a player's file holds them: CR LF everywhere, a Chinese name, a level
// line without solution, a record with one.
std::string handMadeFile()
{
    const std::string row = "15        29        3127      3         3987654321"
                            "15        15        15        15        ";
    std::string bytes = "Name=数独 第一局\r\n5 \r\n";
    for (int i = 0; i < 9; ++i)
        bytes += row + "\r\n";
    bytes += "\r\n\r\nName=Game\r\n3 ";
    bytes += std::string(LibrarySession::kSolution) + "\r\n";
    for (int i = 0; i < 9; ++i)
        bytes += row + "\r\n";
    bytes += "\r\n\r\n";
    return bytes;
}

class GameStoreTest : public LibrarySession
{
protected:
    GameStore store{fake, std::string(kStore)};
};

TEST_F(GameStoreTest, AHandMadeFileLoadsAndIsWrittenBackByteForByte)
{
    fake.addFile(kStore, handMadeFile());
    ASSERT_TRUE(store.load().ok());
    ASSERT_EQ(store.records(), (std::vector<int>{1, 14}));
    EXPECT_EQ(store.nameOfRecord(1), "数独 第一局");
    EXPECT_EQ(store.levelOfRecord(1), 5);
    EXPECT_EQ(store.find("Game"), 14);
    EXPECT_EQ(store.levelOfRecord(14), 3);

    ASSERT_TRUE(store.write().ok());
    EXPECT_EQ(fake.fileBytes(kStore), handMadeFile());
}

TEST_F(GameStoreTest, LoadWithoutAFileCreatesAnEmptyOne)
{
    ASSERT_TRUE(store.load().ok());
    EXPECT_TRUE(store.lines().empty());
    EXPECT_EQ(fake.fileBytes(kStore), "");
    EXPECT_EQ(store.firstRecord(), 0);
}

TEST_F(GameStoreTest, AByteOrderMarkIsHonouredAndNotWrittenBack)
{
    const std::string utf16
        = std::string("\xFF\xFE", 2) + std::string("N\0a\0m\0e\0=\0\x70\x5F\r\0\n\0", 16);
    const struct
    {
        std::string bytes;
        std::string name;
    } cases[] = {{"\xEF\xBB\xBFName=A\r\n", "A"}, {utf16, "\xE5\xBD\xB0"}};
    for (const auto &c : cases) {
        fake.addFile(kStore, c.bytes);
        GameStore fresh(fake, std::string(kStore));
        ASSERT_TRUE(fresh.load().ok());
        EXPECT_EQ(fresh.nameOfRecord(1), c.name);
        ASSERT_TRUE(fresh.write().ok());
        EXPECT_EQ(fake.fileBytes(kStore), "Name=" + c.name + "\r\n");
    }
}

TEST_F(GameStoreTest, FindComparesWholeNamesExactlyFromTheFirstRecordOn)
{
    // Lines before the first record are skipped; later records are every 13 lines.
    std::vector<std::string> lines = {"junk", "Name=not a record"};
    for (const std::string name : {"Game", "game", "", "Game "}) {
        lines.push_back("Name=" + name);
        lines.resize(lines.size() + 12);
    }
    fake.addTextFile(kStore, lines);
    ASSERT_TRUE(store.load().ok());
    EXPECT_EQ(store.firstRecord(), 2);
    const struct
    {
        std::string name;
        int position;
    } cases[] = {{"not a record", 2}, {"Game", 0}, {"game", 0}, {"GAME", 0}, {"", 15}};
    // Record positions run 2, 15, 28…: the names pushed above sit off that beat, so they are
    // never found, and the empty line at 15 reads as a record named "".
    for (const auto &c : cases)
        EXPECT_EQ(store.find(c.name), c.position) << c.name;
}

TEST_F(GameStoreTest, DeleteRemovesTheRecordEvenWhenItIsCutOffAtTheEnd)
{
    fake.addTextFile(kStore, {"Name=A", "0 ", "Name=B", "1 "});
    ASSERT_TRUE(store.load().ok());
    // "Name=B" is inside A's 13 lines: only A is a record, and it is cut off.
    ASSERT_EQ(store.records(), std::vector<int>{1});
    ASSERT_TRUE(store.deleteRecord("A").ok());
    EXPECT_TRUE(store.lines().empty());
    EXPECT_EQ(fake.fileBytes(kStore), "");
}

TEST_F(GameStoreTest, AFailedWriteLeavesFileAndStoreAsTheyWere)
{
    fake.addFile(kStore, handMadeFile());
    ASSERT_TRUE(store.load().ok());
    const auto before = store.lines();
    fake.failWritesUnder(kFolder, "Disk quota exceeded");
    const StoreResult result = store.deleteRecord("Game");
    EXPECT_EQ(result.status, StoreStatus::WriteFailed);
    EXPECT_EQ(result.reason, "Disk quota exceeded");
    EXPECT_EQ(store.lines(), before);
    EXPECT_EQ(fake.fileBytes(kStore), handMadeFile());
}

TEST_F(GameStoreTest, RowLinesAreNineFieldsOfTenCharacters)
{
    setGivens(1);
    board().cell(1, 2).state = CellState::Placed;
    board().cell(1, 2).hxs = "3";
    board().cell(1, 3).hxs = "721";
    board().cell(1, 4).hxs = "123456789";
    const std::string line = recordRowLine(board(), 1);
    ASSERT_EQ(line.size(), 90u);
    EXPECT_EQ(line.substr(0, 40), "15        23        3721      3123456789");
    EXPECT_EQ(line.substr(40, 10), "3         ");

    const auto record = makeRecord("", 4, "", board());
    ASSERT_EQ(record.size(), 13u);
    EXPECT_EQ(record[0], "Name=");
    EXPECT_EQ(record[1], "4 ");
    EXPECT_EQ(record[11], "");
    EXPECT_EQ(record[12], "");
}

TEST_F(GameStoreTest, ARecordReadsBackTheCellsItWasMadeFrom)
{
    setGivens(30);
    markAllCandidates();
    board().cell(5, 5).hxs.clear();
    board().cell(4, 1).state = CellState::Placed;
    board().cell(4, 1).hxs = "9";
    std::string unsorted = board().allowedHxs(6, 6);
    std::reverse(unsorted.begin(), unsorted.end());
    board().cell(6, 6).hxs = unsorted;

    const RecordReading reading = readRecord(makeRecord("x", 2, kSolution, board()), 1);
    EXPECT_TRUE(reading.isComplete());
    EXPECT_EQ(reading.board.levelDigit, 2);
    EXPECT_EQ(reading.board.solution, kSolution);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const SavedCell &cell
                = reading.board.cells[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
            EXPECT_EQ(cell.state, board().cell(r, c).state) << r << c;
            EXPECT_EQ(cell.hxs, board().cell(r, c).hxs) << r << c;
        }
    }
}

// Damaged records: what is readable is read, and each part that is not is named.
TEST(SavedGameRecord, DamagedRecordsNameWhatCouldNotBeRead)
{
    auto row = [](std::string fields) {
        fields.resize(90, ' ');
        return fields;
    };
    const std::string fullRow = row("15        29        3127      3         3         "
                                    "3         3         3         3         ");
    auto record = [&](std::string level) {
        std::vector<std::string> lines = {"Name=x", std::move(level)};
        for (int i = 0; i < 9; ++i)
            lines.push_back(fullRow);
        lines.insert(lines.end(), {"", ""});
        return lines;
    };
    struct Case
    {
        const char *what;
        std::vector<std::string> lines;
        bool levelUnreadable;
        bool solutionUnreadable;
        std::vector<CellPos> unreadable;
    };
    std::vector<Case> cases;
    cases.push_back({"whole", record("3 "), false, false, {}});
    cases.push_back({"level not a digit", record("x "), true, false, {}});
    cases.push_back(
        {"solution of 80 digits", record("3 " + std::string(80, '1')), false, true, {}});
    auto rowCells = [](int row, int from) {
        std::vector<CellPos> cells;
        for (int c = from; c <= 9; ++c)
            cells.push_back({row, c});
        return cells;
    };
    // A field cut short by dropped trailing blanks still reads; a placed cell without its
    // digit and the missing fields do not.
    auto shortRow = record("1 ");
    shortRow[2] = "15        2";
    cases.push_back({"short row line", shortRow, false, false, rowCells(1, 2)});
    auto badState = record("1 ");
    badState[3] = fullRow;
    badState[3].replace(0, 30, "x5        20        3117      ");
    cases.push_back({"bad states and digits", badState, false, false, {{2, 1}, {2, 2}, {2, 3}}});
    auto cut = record("1 ");
    cut.resize(10); // row 9 and the empty lines are gone
    cases.push_back({"cut off", cut, false, false, rowCells(9, 1)});
    cases.push_back({"binary junk", {"Name=x", std::string("\0\xFF\x01", 3)}, true, false, {}});
    auto stray = record("1 ");
    stray.insert(stray.begin() + 5, "a stray line");
    cases.push_back({"stray line", stray, false, false, rowCells(4, 1)});

    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const RecordReading reading = readRecord(c.lines, 1);
        EXPECT_EQ(reading.levelUnreadable, c.levelUnreadable);
        EXPECT_EQ(reading.solutionUnreadable, c.solutionUnreadable);
        if (c.lines.size() > 2) {
            EXPECT_EQ(reading.unreadableCells, c.unreadable);
            EXPECT_EQ(reading.board.cells[0].hxs, "5");
        } else {
            EXPECT_EQ(reading.unreadableCells.size(), 81u);
        }
    }
}

} // namespace
} // namespace kestrel
