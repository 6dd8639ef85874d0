#include "app/language_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using kestrel::Language;
using kestrel::LanguageTable;

namespace {

TEST(LanguageTableLookup, IgnoresAsciiCaseAndTakesTheFirstMatch)
{
    LanguageTable table;
    table.loadText("msg_restart=first\nMSG_Restart=second\nfrmimport.caption=Import\n");
    EXPECT_EQ(table.lookup("MSG_RESTART"), "first");
    EXPECT_EQ(table.lookup("msg_restart"), "first");
    EXPECT_EQ(table.lookup("frmImport.caption"), "Import");
}

TEST(LanguageTableLookup, KeyEndsAtTheFirstEqualsSign)
{
    LanguageTable table;
    table.loadText("a=b=c\nlevel=  Level:Tough  \nempty=\n");
    EXPECT_EQ(table.lookup("a"), "b=c");
    EXPECT_EQ(table.lookup("a=b"), "");
    // Blanks are part of the value: the level texts rely on their leading blanks.
    EXPECT_EQ(table.lookup("level"), "  Level:Tough  ");
    EXPECT_EQ(table.lookup("empty"), "");
}

TEST(LanguageTableLookup, MissingKeyAndLinesWithoutEqualsGiveEmptyText)
{
    LanguageTable table;
    table.loadText("orphan\nkey=value\n");
    EXPECT_EQ(table.lookup("orphan"), "");
    EXPECT_EQ(table.lookup("nosuchkey"), "");
    EXPECT_EQ(table.lookup(""), "");
    EXPECT_EQ(table.lookup("key "), "");
}

TEST(LanguageTableLookup, OnlyAsciiLettersFold)
{
    // "Ä" in UTF-8 must not match "ä": folding is limited to A-Z.
    LanguageTable table;
    table.loadText("\xC3\x84=upper\n\xC3\xA4=lower\n");
    EXPECT_EQ(table.lookup("\xC3\xA4"), "lower");
}

TEST(LanguageTableLoad, SplitsOnEveryLineEndSkipsBomAndDropsEmptyLines)
{
    LanguageTable table;
    table.loadText("\xEF\xBB\xBF"
                   "a=1\r\nb=2\n\nc=3\rd=4\r\n\r\ne=5");
    const std::vector<std::string> expected{"a=1", "b=2", "c=3", "d=4", "e=5"};
    EXPECT_EQ(table.lines(), expected);
    EXPECT_EQ(table.lookup("a"), "1");
}

TEST(LanguageTableLoad, ReplacesPreviousLinesAndAppendAddsAtTheEnd)
{
    LanguageTable table;
    table.loadText("a=old\nb=old\n");
    table.loadText("a=new\n");
    table.append("b=appended");
    table.append("a=shadowed");
    EXPECT_EQ(table.lines().size(), 3u);
    EXPECT_EQ(table.lookup("a"), "new");
    EXPECT_EQ(table.lookup("b"), "appended");
}

TEST(LanguageTableLoad, ShippedTablesAreSelectedByLanguage)
{
    LanguageTable table;
    table.load(Language::English);
    EXPECT_EQ(table.lookup("MSG_RESTART"),
              "Are you sure you want to reset this game to the initial state?");
    EXPECT_EQ(table.lookup("msg_ndtxt_veryeasy"), "  Level:Very Easy");
    table.load(Language::Chinese);
    EXPECT_EQ(table.lookup("msg_leave_candidates"), "将删除所有标记，是否继续？");
    EXPECT_EQ(table.lookup("msg_leave_candidates_title"), "提示");
    table.load(Language::Japanese);
    EXPECT_EQ(table.lookup("mnfile.caption"), "ファイル(&F)");
}

// ---------------------------------------------------------------------------------------------
// The shipped tables.

// Every key the main window asks for: the captions and hints of its controls and menu items,
// then its messages. Listed once, separated by blanks.
constexpr std::string_view kMainWindowKeys = R"(
    bt_clearcolor.caption bt_clearcolor.hint btaccept.caption btaccept.hint btback.caption
    btback.hint btcheck.caption btcheck.hint btcopy.caption btcopy.hint
    btcreatediabolical.caption btcreatediabolical.hint btcreategentle.caption
    btcreategentle.hint btcreatemoderate.caption btcreatemoderate.hint btcreatetough.caption
    btcreatetough.hint btcreateveryeasy.caption btcreateveryeasy.hint
    btdisplayyourgamelist.caption btdisplayyourgamelist.hint btfirst.caption btfirst.hint
    btimport.caption btimport.hint btlast.caption btlast.hint btnext.caption btnext.hint
    btsavepic.caption btsavepic.hint btprintableboard.caption btprintableboard.hint
    btrejectbranch.caption btrejectbranch.hint btrestart.caption btrestart.hint btsave.caption
    btsave.hint btshowhint.caption btshowhint.hint btsolve.caption btsolve.hint
    btstartbranch.caption btstartbranch.hint cbautoupdate.caption cbautoupdate.hint
    chkcolor.caption chkcolor.hint colorgrid1.hint disnote1.hint disnote2.hint disnote3.hint
    disnote4.hint disnote5.hint disnote6.hint disnote7.hint disnote8.hint disnote9.hint
    grpcolorpanel.caption grpshowcandidates.caption mnabout.caption mnappearance.caption
    mnautochecknewversion.caption mnc1.caption mnc2.caption mnc3.caption mnc4.caption
    mnchecknewversion.caption mncontent.caption mncontinue.caption
    mncopypuzzletoclipboard.caption mncreatetxt.caption mndiabolical.caption
    mndisplayyourgamelist1.caption mndisplayyourgamelist2.caption mne1.caption mne2.caption
    mne3.caption mne4.caption mnexit.caption mnfile.caption mngentle.caption mnhelp.caption
    mnimportsudoku.caption mnj1.caption mnloadreplay.caption mnmoderate.caption
    mnnewgame.caption mnprintableboard.caption mnsavecurrentboard.caption mntools.caption
    mntough.caption mnveryeasy.caption n1.caption n2.caption n3.caption n4.caption n5.caption
    n9.caption n15.caption n18.caption rb_all.caption rb_all.hint rb_none.caption rb_none.hint
    rb_one.caption rb_one.hint savet.caption toolbutton3.caption toolbutton3.hint
    toolbutton10.caption toolbutton10.hint toolbutton13.caption toolbutton13.hint
    toolbutton15.caption toolbutton15.hint toolbutton17.caption toolbutton17.hint
    toolbutton18.caption toolbutton18.hint bthelp1.hint bthelp2.hint

    app.title msg_ndtxt_veryeasy msg_ndtxt_gentle msg_ndtxt_moderate msg_ndtxt_tough
    msg_ndtxt_diabolical msg_ndtxt_unkown msg_restart msg_puzzle_solved msg_puzzlesolved
    msg_solve msg_nosolve msg_twosolve msg_no_error msg_error msg_color msg_notcolor msg_rb_one
    msg_tb_all msg_right_pop howtoclosetile rb_one_number_hint rb_all_number_hint
    msg_frmstep_queryexits msg_add msg_move msg_regenerate_candidate msg_title_confirm
    msg_leave_candidates msg_leave_candidates_title msg_datadir_failed msg_datadir_enter_failed
)";

constexpr std::string_view kSeparatorKeys
    = "n1.caption n2.caption n3.caption n4.caption n5.caption n9.caption n15.caption n18.caption";

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \n", pos)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \n", pos), text.size());
        result.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return result;
}

bool isSeparatorOrSpacer(std::string_view key)
{
    for (std::string_view separator : words(kSeparatorKeys)) {
        if (key == separator)
            return true;
    }
    return key.starts_with("toolbutton");
}

// Whether the table has a line with exactly this key (lookup alone cannot tell a missing key
// from an empty value).
bool hasKey(const LanguageTable &table, std::string_view key)
{
    for (const std::string &line : table.lines()) {
        if (std::string_view(line).substr(0, line.find('=')) == key)
            return true;
    }
    return false;
}

struct ShippedTable
{
    Language language;
    const char *name;
};

class ShippedLanguageTable : public testing::TestWithParam<ShippedTable>
{
protected:
    void SetUp() override { table.load(GetParam().language); }
    LanguageTable table;
};

TEST_P(ShippedLanguageTable, HasEveryMainWindowKeyWithText)
{
    LanguageTable english;
    english.load(Language::English);
    for (std::string_view key : words(kMainWindowKeys)) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(hasKey(table, key));
        // Every control or message with a text in English has one in this table too.
        if (!isSeparatorOrSpacer(key)) {
            EXPECT_EQ(table.lookup(key).empty(), english.lookup(key).empty());
        }
    }
    EXPECT_EQ(table.lookup("app.title"), "Sudoku Kestrel 5.0");
}

TEST_P(ShippedLanguageTable, SeparatorsStaySeparators)
{
    // English writes "-"; the other tables leave the value empty so the menu keeps its "-".
    const std::string expected = GetParam().language == Language::English ? "-" : "";
    for (std::string_view key : words(kSeparatorKeys)) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(hasKey(table, key));
        EXPECT_EQ(table.lookup(key), expected);
    }
}

TEST_P(ShippedLanguageTable, EveryLineIsALowerCaseKeyGivenOnce)
{
    ASSERT_FALSE(table.lines().empty());
    std::set<std::string> keys;
    for (const std::string &line : table.lines()) {
        SCOPED_TRACE(line);
        const std::size_t separator = line.find('=');
        ASSERT_NE(separator, std::string::npos);
        std::string key = line.substr(0, separator);
        ASSERT_FALSE(key.empty());
        for (char c : key)
            EXPECT_FALSE(c >= 'A' && c <= 'Z');
        // A duplicate would be shadowed by the first line and silently ignored.
        EXPECT_TRUE(keys.insert(key).second) << "duplicated key " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Language, ShippedLanguageTable,
                         testing::Values(ShippedTable{Language::English, "English"},
                                         ShippedTable{Language::Chinese, "Chinese"},
                                         ShippedTable{Language::Japanese, "Japanese"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
