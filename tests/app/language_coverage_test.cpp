// No text of the program is empty in any language: every key the sources ask for is in all
// three shipped tables, with a text wherever the English table has one.
//
// The keys are collected from the sources themselves, so that a window added later is
// covered without editing this test:
//   - every string literal passed to a lookup call (`text("…")`, `lookup("…")`, …) in the
//     model's sources;
//   - every literal anywhere under src/ shaped like a key of a window or a message:
//     "msg_…", or "frm…"/"btsavepic" followed by "." and more (key lists of window routines);
//   - the captions and hints the main window asks for, from its control table.
// A literal that only begins a key ("msg_ndtxt_", "frmcopy.radiogroup1.items[") means a key
// built at run time, which no scan can check: the test names it so that the key is listed
// whole instead.
#include "app/language_table.hpp"
#include "app/main_controls.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kestrel {
namespace {

struct Literal
{
    std::string text;
    std::string callee; ///< identifier of the call the literal is the first argument of
};

bool isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The identifier before "(" when the literal at `start` opens a call's argument list.
std::string calleeBefore(const std::string &source, std::size_t start)
{
    std::size_t i = start;
    while (i > 0 && std::isspace(static_cast<unsigned char>(source[i - 1])))
        --i;
    if (i == 0 || source[i - 1] != '(')
        return {};
    --i;
    std::size_t end = i;
    while (i > 0 && isIdentifierChar(source[i - 1]))
        --i;
    return source.substr(i, end - i);
}

// Ordinary string literals of a C++ source, skipping comments, character literals and raw
// strings.
std::vector<Literal> stringLiterals(const std::string &source)
{
    std::vector<Literal> literals;
    std::size_t i = 0;
    while (i < source.size()) {
        const char c = source[i];
        if (source.compare(i, 2, "//") == 0) {
            i = std::min(source.find('\n', i), source.size());
        } else if (source.compare(i, 2, "/*") == 0) {
            i = std::min(source.find("*/", i + 2), source.size() - 2) + 2;
        } else if (source.compare(i, 2, "R\"") == 0
                   && (i == 0 || !isIdentifierChar(source[i - 1]))) {
            const std::size_t open = source.find('(', i);
            const std::string close = ")" + source.substr(i + 2, open - i - 2) + "\"";
            i = std::min(source.find(close, open), source.size()) + close.size();
        } else if (c == '\''
                   && !(i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1])))) {
            ++i;
            while (i < source.size() && source[i] != '\'')
                i += source[i] == '\\' ? 2 : 1;
            ++i;
        } else if (c == '"') {
            const std::size_t start = i++;
            std::string text;
            while (i < source.size() && source[i] != '"') {
                if (source[i] == '\\' && i + 1 < source.size())
                    text += source[++i];
                else
                    text += source[i];
                ++i;
            }
            ++i;
            literals.push_back({text, calleeBefore(source, start)});
        } else {
            ++i;
        }
    }
    return literals;
}

bool isLookupCall(const std::string &callee)
{
    return callee == "text" || callee == "m_text" || callee == "tr" || callee.ends_with("lookup")
        || callee.ends_with("Lookup");
}

bool hasKeyShape(const std::string &s)
{
    if (s.empty() || s.find_first_of(" \t/\\%:") != std::string::npos)
        return false;
    if (s.starts_with("msg_"))
        return true;
    const std::size_t dot = s.find('.');
    if (dot == std::string::npos || dot + 1 >= s.size())
        return false;
    const std::string window = s.substr(0, dot);
    return window.starts_with("frm") || window == "btsavepic";
}

bool isPartialKey(const std::string &s)
{
    return (s.starts_with("msg_") || s.starts_with("frm"))
        && (s.ends_with("_") || s.ends_with(".") || s.ends_with("["));
}

// Menu separators and toolbar spacers: their line must exist, but only English writes "-"
// (an empty value keeps the separator).
std::set<std::string> separatorKeys()
{
    std::set<std::string> keys;
    for (const ControlRow &row : mainControlTable()) {
        if (!row.isSeparator)
            continue;
        std::string name(row.name);
        for (char &ch : name)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        keys.insert(name + ".caption");
    }
    return keys;
}

struct Scan
{
    std::map<std::string, std::string> keys; ///< lower-case key -> where it was found
    std::set<std::string> partialKeys;
};

Scan scanSources(const std::filesystem::path &root)
{
    Scan scan;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".hpp"))
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const bool shell = entry.path().string().find("/qt/") != std::string::npos;
        for (const Literal &literal : stringLiterals(buffer.str())) {
            const bool asked = !shell && isLookupCall(literal.callee) && !literal.text.empty()
                && literal.text.front() != '.';
            if (isPartialKey(literal.text))
                scan.partialKeys.insert(literal.text + "  (" + entry.path().filename().string()
                                        + ")");
            else if (asked || hasKeyShape(literal.text)) {
                std::string key = literal.text;
                for (char &ch : key)
                    ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
                scan.keys.emplace(key, entry.path().filename().string());
            }
        }
    }
    return scan;
}

// The captions and hints the main window's language step writes even when empty, and the
// menu captions; speed-button captions and the hints of plain panels may be missing.
std::map<std::string, std::string> mainWindowKeys()
{
    std::map<std::string, std::string> keys;
    for (const ControlRow &row : mainControlTable()) {
        std::string name(row.name);
        for (char &ch : name)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        switch (row.kind) {
        case ControlKind::MenuItem:
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            keys.emplace(name + ".caption", "control table");
            break;
        case ControlKind::ToolButton:
            keys.emplace(name + ".caption", "control table");
            keys.emplace(name + ".hint", "control table");
            break;
        case ControlKind::GlassButton:
        case ControlKind::ColorGrid:
        case ControlKind::SpeedButton:
            keys.emplace(name + ".hint", "control table");
            break;
        default:
            break;
        }
        if (row.kind == ControlKind::RadioButton || row.kind == ControlKind::CheckBox)
            keys.emplace(name + ".hint", "control table");
    }
    return keys;
}

bool hasLine(const LanguageTable &table, const std::string &key)
{
    for (const std::string &line : table.lines()) {
        const std::string lineKey = line.substr(0, line.find('='));
        if (lineKey.size() == key.size()
            && std::equal(lineKey.begin(), lineKey.end(), key.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               }))
            return true;
    }
    return false;
}

TEST(SourceScan, FindsLiteralsOutsideCommentsAndTheirLookupCalls)
{
    const std::string source = R"cpp(
        // text("msg_in_comment")
        /* lookup("msg_in_block") */
        auto a = text( "msg_Restart");
        auto b = table.lookup("frmda.caption");
        auto c = show("quote \" inside");
        char q = '"'; int n = 0x1'000;
        auto r = R"x(text("msg_in_raw"))x";
        auto d = text("howtoclosetile");
    )cpp";
    const std::vector<Literal> literals = stringLiterals(source);
    ASSERT_EQ(literals.size(), 4u);
    EXPECT_EQ(literals[0].text, "msg_Restart");
    EXPECT_EQ(literals[0].callee, "text");
    EXPECT_EQ(literals[1].callee, "lookup");
    EXPECT_EQ(literals[2].text, "quote \" inside");
    EXPECT_EQ(literals[2].callee, "show");
    EXPECT_EQ(literals[3].text, "howtoclosetile");
    EXPECT_TRUE(isLookupCall(literals[3].callee));
}

TEST(SourceScan, TellsKeysFromOtherTexts)
{
    for (const char *key : {"msg_frmsave_saved", "frmcopy.radiogroup1.items[2]", "frm_new.caption",
                            "btsavepic.filter"})
        EXPECT_TRUE(hasKeyShape(key)) << key;
    for (const char *other :
         {"games.dat", "help2.chm", "frmsolover", "print_temp.htm", ":/icons/%1.svg", "frame.x y"})
        EXPECT_FALSE(hasKeyShape(other)) << other;
    EXPECT_TRUE(isPartialKey("msg_ndtxt_"));
    EXPECT_TRUE(isPartialKey("frmcopy.radiogroup1.items["));
    EXPECT_FALSE(isPartialKey("msg_restart"));
}

TEST(LanguageCoverage, EveryKeyTheProgramAsksForHasATextInEveryTable)
{
    Scan scan = scanSources(KESTREL_SOURCE_DIR);
    // The scan itself must work: keys of the game, the windows and the dialogs are found.
    for (const char *known :
         {"msg_restart", "msg_puzzlesolved", "frmsolover.thinking", "msg_ndtxt_unkown",
          "frmappearance.label6.caption", "msg_gamefile_bad_step", "howtoclosetile"})
        EXPECT_TRUE(scan.keys.count(known)) << known << " was not found by the scan";
    EXPECT_TRUE(scan.partialKeys.empty())
        << "keys built at run time: " << testing::PrintToString(scan.partialKeys);
    scan.keys.merge(mainWindowKeys());

    const std::set<std::string> separators = separatorKeys();
    LanguageTable english;
    english.load(Language::English);
    for (const Language language : {Language::English, Language::Chinese, Language::Japanese}) {
        LanguageTable table;
        table.load(language);
        SCOPED_TRACE(std::string(languageCode(language)));
        for (const auto &[key, where] : scan.keys) {
            EXPECT_TRUE(hasLine(table, key)) << key << " (asked in " << where << ") is missing";
            if (!english.lookup(key).empty() && !separators.count(key)) {
                EXPECT_FALSE(table.lookup(key).empty()) << key << " (" << where << ") is empty";
            }
        }
    }
}

} // namespace
} // namespace kestrel
