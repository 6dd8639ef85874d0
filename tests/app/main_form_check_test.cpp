// Check Error, Show Solution and the help pages, through the main window's logic.
#include "support/play_session.hpp"

#include <algorithm>

namespace kestrel {
namespace {

using CheckTest = PlaySession;

constexpr Colour kRed = 0x000000FE;

// A puzzle with one solution, as givens, and its solution.
constexpr const char *kUnique
    = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
constexpr const char *kUniqueSolution
    = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

void loadGivensOnly(TForm1 &form, std::string_view givens)
{
    form.game().record().clearValues();
    form.game().record().loadGivens(givens);
    form.game().showRecordOnBoard();
    form.game().refreshProgressBars();
}

TEST_F(CheckTest, CheckErrorPaintsWrongValuesAndSingleCandidates)
{
    form.newGame(Level::VeryEasy);
    const auto open = openCells();
    const int wrong = solution(open[0]) % 9 + 1;
    form.game().disnote11Click(wrong);
    form.cellClick(open[0].row, open[0].col, MouseButton::Left);
    cell(open[1]).hxs = std::to_string(solution(open[1]) % 9 + 1); // one wrong pencil mark
    cell(open[2]).hxs = "123456789";
    std::string withoutSolution = "123456789";
    withoutSolution.erase(withoutSolution.find(static_cast<char>('0' + solution(open[3]))), 1);
    cell(open[3]).hxs = withoutSolution;
    place(open[4]);

    form.btcheckClick();
    EXPECT_TRUE(fake.shownOfKind("inform").empty()) << "red cells are the answer";
    EXPECT_EQ(cell(open[0]).color, kRed);
    EXPECT_NE(cell(open[0]).hxsPanels[1].color, kRed) << "a wrong value paints only the cell";
    EXPECT_EQ(cell(open[1]).color, kRed) << "one mark counts as a value";
    EXPECT_NE(cell(open[3]).color, kRed) << "Pencil and Paper leaves several marks alone";
    EXPECT_NE(cell(open[4]).color, kRed);
}

TEST_F(CheckTest, OutsidePencilModeCandidateListsWithoutTheSolutionArePainted)
{
    form.newGame(Level::VeryEasy);
    clickMode(Mode::AllCandidates);
    const auto open = openCells();
    const int d = solution(open[0]);
    form.game().candidateClick(open[0].row, open[0].col, d, MouseButton::Right);
    cell(open[1]).hxs.clear();
    form.btcheckClick();
    EXPECT_EQ(cell(open[0]).color, kRed);
    EXPECT_EQ(cell(open[0]).hxsPanels[5].color, kRed) << "and its nine candidate panels";
    EXPECT_EQ(cell(open[1]).color, kRed) << "an empty list lacks the solution digit too";
    EXPECT_NE(cell(open[2]).color, kRed);
}

TEST_F(CheckTest, CheckErrorSaysSoWhenAllIsWell)
{
    form.newGame(Level::VeryEasy);
    place(openCells()[0]);
    form.btcheckClick();
    EXPECT_EQ(fake.lastShown().text, "No error found.");
    // Without a stored solution nothing can be wrong.
    loadGivensOnly(form, kUnique);
    form.btcheckClick();
    EXPECT_EQ(fake.shownOfKind("inform").size(), 2u);
}

TEST_F(CheckTest, ShowSolutionUsesTheStoredSolutionAndLeavesTheGame)
{
    form.newGame(Level::Moderate);
    const std::string before = board().givensString();
    fake.answerConfirm(false);
    form.btsolveClick();
    EXPECT_TRUE(fake.windowCalls().empty()) << "No shows nothing";

    fake.answerConfirm(true);
    form.btsolveClick();
    EXPECT_EQ(fake.windowCalls().back(), "showModal Tfrmda");
    std::string shown;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            shown += form.frmda().board.cell(r, c).hxs;
    EXPECT_EQ(shown, form.game().record().solutionString());
    EXPECT_EQ(form.frmda().board.cell(firstGiven().row, firstGiven().col).state, CellState::Given);
    EXPECT_EQ(board().givensString(), before);
    EXPECT_EQ(static_cast<long>(openCells().size()), std::count(before.begin(), before.end(), '0'))
        << "the main board keeps its open cells";
}

TEST_F(CheckTest, ShowSolutionSolvesAPuzzleWithoutAStoredSolution)
{
    loadGivensOnly(form, kUnique);
    fake.answerConfirm(true);
    form.btsolveClick();
    EXPECT_EQ(fake.windowCalls().back(), "showModal Tfrmda");
    EXPECT_EQ(form.frmda().board.cell(1, 3).hxs, std::string(1, kUniqueSolution[2]));
}

TEST_F(CheckTest, ShowSolutionReportsNoSolutionAndShowsTwoOfSeveral)
{
    std::string broken = kUnique;
    broken[2] = '5'; // a second 5 in row A
    loadGivensOnly(form, broken);
    fake.answerConfirm(true);
    form.btsolveClick();
    EXPECT_EQ(fake.lastShown().text, "Puzzle is not solvable");

    loadGivensOnly(form, std::string(81, '0'));
    fake.answerConfirm(true);
    form.btsolveClick();
    EXPECT_EQ(fake.lastShown().text, "This Puzzle has at least two solutions,Press OK to view it.");
    EXPECT_EQ(fake.windowCalls().back(), "showModal TFrmdas");
    const auto &memo = form.Frmdas().memoLines;
    ASSERT_EQ(memo.size(), 22u);
    EXPECT_EQ(memo[0], "Solution 1:");
    EXPECT_EQ(memo[1], "123456789") << "the first solution in the search's order";
    EXPECT_EQ(memo[10], "");
    EXPECT_EQ(memo[12], "Solution 2:");
    std::string first, second;
    for (int i = 1; i <= 9; ++i) {
        first += memo[static_cast<std::size_t>(i)];
        second += memo[static_cast<std::size_t>(12 + i)];
    }
    EXPECT_NE(first, second);
}

TEST_F(CheckTest, ShowHintOpensTheWindowWithTheFirstHintReady)
{
    form.newGame(Level::VeryEasy);
    std::string seenInWindow;
    fake.whileModal([&](std::string_view window) {
        EXPECT_EQ(window, "Tfrmsolover");
        seenInWindow = form.frmsolover().memoText;
    });
    form.btShowhintClick();
    EXPECT_FALSE(seenInWindow.empty()) << "the first hint is on screen when the window shows";
    EXPECT_FALSE(form.control(ControlId::WC_Label).visible);
}

TEST_F(CheckTest, DoItForMeOnTheLastCellCompletesTheGameWhenTheWindowCloses)
{
    form.newGame(Level::VeryEasy);
    const CellPos last = fillAllButOne();
    const auto stepsBefore = form.game().history().lines().size();
    fake.whileModal([&](std::string_view) {
        form.frmsolover().bthintClick(); // carry out the single
        form.frmsolover().bthintClick();
    });
    form.btShowhintClick();
    EXPECT_EQ(cell(last).hxs, std::to_string(solution(last)));
    EXPECT_EQ(cell(last).state, CellState::Placed);
    EXPECT_GT(form.game().history().lines().size(), stepsBefore) << "the move is a step";
    EXPECT_TRUE(form.control(ControlId::WC_Label).visible);
    EXPECT_FALSE(form.game().clock().timerenabled());
    EXPECT_FALSE(form.control(ControlId::btStartBranch).enabled);
    EXPECT_TRUE(fake.shownOfKind("inform").empty()) << "no message after the hint window";
}

TEST_F(CheckTest, HelpOpensTheInterfaceLanguagesPageAndTheEnglishOneWhereItHasNone)
{
    const std::string help = fake.programDirectory() + "/help";
    for (const char *page : {"/zh/Candidates.htm", "/en/Candidates.htm", "/en/Color.htm"})
        fake.addFile(help + page, "<html></html>");
    form.chooseLanguage(Language::Chinese);
    form.bthelp1Click();
    form.bthelp2Click();
    form.chooseLanguage(Language::English);
    form.bthelp1Click();
    form.chooseLanguage(Language::Japanese);
    form.bthelp1Click();
    form.mnContentClick();
    EXPECT_EQ(fake.shellOpens(),
              (std::vector<std::string>{help + "/zh/Candidates.htm", help + "/en/Color.htm",
                                        help + "/en/Candidates.htm", help + "/en/Candidates.htm",
                                        help + "/en/index.htm"}))
        << "a page found nowhere is asked for in English";
    fake.failShellOpens();
    form.bthelp1Click();
    EXPECT_EQ(fake.lastShown().kind, "error");
}

TEST_F(CheckTest, TheShellIsToldTheHelpLanguageAtEveryChange)
{
    const std::string help = fake.programDirectory() + "/help";
    ASSERT_TRUE(fake.helpLanguage().has_value());
    EXPECT_EQ(fake.helpLanguage()->folders, std::vector<std::string>{help + "/en"});
    EXPECT_EQ(fake.helpLanguage()->contents, "Contents");
    form.chooseLanguage(Language::Chinese);
    EXPECT_EQ(fake.helpLanguage()->folders, (std::vector<std::string>{help + "/zh", help + "/en"}));
    EXPECT_EQ(fake.helpLanguage()->back, "后退");
    form.chooseLanguage(Language::Japanese);
    EXPECT_EQ(fake.helpLanguage()->folders, (std::vector<std::string>{help + "/ja", help + "/en"}));
    EXPECT_EQ(fake.helpLanguage()->forward, "進む");
}

TEST_F(CheckTest, InstalledProgramFindsItsPagesUnderTheSharedDataFolder)
{
    fake.setProgramDirectory("/usr/bin");
    fake.addDirectory("/usr/share/sudokukestrel/help");
    form.mnContentClick();
    ASSERT_EQ(fake.shellOpens().size(), 1u);
    EXPECT_EQ(fake.shellOpens()[0], "/usr/share/sudokukestrel/help/en/index.htm");
}

} // namespace
} // namespace kestrel
