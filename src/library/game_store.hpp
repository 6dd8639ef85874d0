#pragma once
// The saved-game store: the lines of "games.dat" in memory, line for line, and the
// operations on records that the Save window, the game list and kestrel-tool share.
// Positions are 1-based line numbers; 0 means none.
//
// The file is only ever replaced whole through `TextFiles` (a temporary file renamed over
// the old one). Every change is computed on a copy of the lines and adopted only once the
// file holds it: a failed write leaves both the file and the store as they were.

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class TextFiles;

/// How a store operation on the file ended.
enum class StoreStatus { Ok, ReadFailed, WriteFailed };

/// The outcome of a store operation, with the system's reason when the file failed.
struct StoreResult
{
    StoreStatus status = StoreStatus::Ok;
    std::string reason; ///< empty when the platform could not tell

    bool ok() const { return status == StoreStatus::Ok; }
};

/// The file name of the store in the data directory.
inline constexpr std::string_view kGameStoreFileName = "games.dat";

class GameStore
{
public:
    /// A store of the file at `path`, empty until loaded; `files` must outlive it.
    GameStore(TextFiles &files, std::string path);

    const std::string &path() const { return m_path; }
    const std::vector<std::string> &lines() const { return m_lines; }

    /// Load: the file's lines; when there is no file, an empty list written at once (which
    /// creates an empty file). On failure the list stays as it was.
    StoreResult load();
    /// Write: the whole list to the file.
    StoreResult write();
    /// Writes `lines` as the new content and adopts them when the file holds them.
    StoreResult replaceLines(std::vector<std::string> lines);

    /// First record: the first line beginning with "Name=", or 0.
    int firstRecord() const { return firstRecordIn(m_lines); }
    /// Find: the name line of the first record (every 13 lines from the first) whose name is
    /// exactly `name`, or 0.
    int find(std::string_view name) const { return findIn(m_lines, name); }
    /// The name lines of every record, in file order.
    std::vector<int> records() const;

    /// Delete: removes the record named `name` when there is one, then writes the list (also
    /// when nothing was removed).
    StoreResult deleteRecord(std::string_view name);
    /// Append record: the record's lines at the end of the list (memory only).
    void appendRecord(const std::vector<std::string> &record);

    /// Name of record: line 1 of the record after "Name=".
    std::string nameOfRecord(int position) const;
    /// Level of record: the first character of the trimmed level line as a digit 0..9; -1
    /// when the line is missing or does not start with a digit.
    int levelOfRecord(int position) const;
    /// Line 2 of the record as stored; empty when it is missing.
    std::string levelLine(int position) const;

    /// First record and Find on any list of store lines.
    static int firstRecordIn(const std::vector<std::string> &lines);
    static int findIn(const std::vector<std::string> &lines, std::string_view name);
    /// `lines` without the record at `position` (up to 13 lines, fewer at the end).
    static std::vector<std::string> withoutRecord(std::vector<std::string> lines, int position);

private:
    TextFiles &m_files;
    std::string m_path;
    std::vector<std::string> m_lines;
};

} // namespace kestrel
