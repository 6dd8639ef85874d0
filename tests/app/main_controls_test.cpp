// The control table of the main window: every command reaches its handler when triggered,
// and every control key of the language tables names a control.
#include "app/main_controls.hpp"

#include "support/play_session.hpp"

#include <algorithm>
#include <functional>
#include <set>

namespace kestrel {
namespace {

class CommandTest : public PlaySession
{
public:
    // The table's lambdas act on the session from outside the fixture.
    using PlaySession::clickMode;
    using PlaySession::fake;
    using PlaySession::form;
    using PlaySession::openCells;
    using PlaySession::place;
    using PlaySession::solution;

    bool shellOpened(std::string_view suffix) const
    {
        const auto &opens = fake.shellOpens();
        return std::any_of(opens.begin(), opens.end(), [&](const std::string &path) {
            return path.size() >= suffix.size()
                && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
        });
    }
    bool windowCalled(std::string_view call) const
    {
        const auto &calls = fake.windowCalls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
};

struct Command
{
    ControlId id;
    std::function<void(CommandTest &)> before; ///< brings the game where the command acts
    std::function<bool(CommandTest &)> reached; ///< what only its handler does
    bool runsNothing = false; ///< the command keeps everything as it is
};

TEST_F(CommandTest, EveryCommandOfTheTableReachesItsHandler)
{
    auto levelIs = [](Level level) {
        return [level](CommandTest &t) {
            return t.form.game().board().nd == level;
        };
    };
    auto asked = [](CommandTest &t) {
        return !t.fake.shownOfKind("confirm").empty();
    };
    auto nothing = [](CommandTest &) {
    };
    auto levelUnknown = [](CommandTest &t) {
        t.form.game().board().nd = Level::Unknown;
    };
    auto answerNo = [](CommandTest &t) {
        t.fake.answerConfirm(false);
    };
    auto shell = [](std::string_view suffix) {
        return [suffix](CommandTest &t) {
            return t.shellOpened(suffix);
        };
    };
    auto startBranch = [](CommandTest &t) {
        t.place(t.openCells()[0]);
        t.form.trigger(ControlId::btStartBranch);
        t.place(t.openCells()[0]);
    };
    auto twoSteps = [](CommandTest &t) {
        t.place(t.openCells()[0]);
        t.place(t.openCells()[0]);
    };
    auto opened = [](std::string_view window) {
        return [call = "showModal " + std::string(window)](CommandTest &t) {
            return t.windowCalled(call);
        };
    };
    const Command commands[] = {
        {ControlId::mnSaveCurrentBoard, nothing, opened("Tfrmsave")},
        {ControlId::btsave, nothing, opened("Tfrmsave")},
        {ControlId::mnDisplayYourGameList1, nothing, opened("Tfrmgamelist")},
        {ControlId::mnDisplayYourGameList2, nothing, opened("Tfrmgamelist")},
        {ControlId::btDisplayYourGameList, nothing, opened("Tfrmgamelist")},
        {ControlId::mnContinue,
         [&](CommandTest &t) {
             twoSteps(t);
             t.form.FormClose();
             t.fake.answerConfirm(true); // abandon the game just written
             t.form.newGame(Level::VeryEasy);
         },
         [](CommandTest &t) {
             return t.form.game().history().lines().size() > 1;
         }},
        {ControlId::mnExit, nothing,
         [](CommandTest &t) {
             return t.form.closeRequested();
         }},
        {ControlId::mnVeryEasy, levelUnknown, levelIs(Level::VeryEasy)},
        {ControlId::mnGentle, levelUnknown, levelIs(Level::Gentle)},
        {ControlId::mnModerate, levelUnknown, levelIs(Level::Moderate)},
        {ControlId::mnTough, levelUnknown, levelIs(Level::Tough)},
        {ControlId::mnDiabolical, levelUnknown, levelIs(Level::Diabolical)},
        {ControlId::btCreateVeryEasy, levelUnknown, levelIs(Level::VeryEasy)},
        {ControlId::btCreateGentle, levelUnknown, levelIs(Level::Gentle)},
        {ControlId::btCreateModerate, levelUnknown, levelIs(Level::Moderate)},
        {ControlId::btCreateTough, levelUnknown, levelIs(Level::Tough)},
        {ControlId::btCreateDiabolical, levelUnknown, levelIs(Level::Diabolical)},
        {ControlId::savet, [](CommandTest &t) { t.fake.answerSave(std::nullopt); },
         [](CommandTest &t) {
             return !t.fake.shownOfKind("save").empty();
         }},
        {ControlId::mnLoadReplay, [](CommandTest &t) { t.fake.answerOpen(std::nullopt); },
         [](CommandTest &t) {
             return !t.fake.shownOfKind("open").empty();
         }},
        {ControlId::mnPrintableBoard, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrmprintselect");
         }},
        {ControlId::btprintableBoard, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrmprintselect");
         }},
        {ControlId::btsavepic, [](CommandTest &t) { t.fake.answerSave(std::nullopt); },
         [](CommandTest &t) {
             return t.windowCalled("grabBoardFrame");
         }},
        {ControlId::mnContent, nothing, shell("help/en/index.htm")},
        {ControlId::bthelp1, nothing, shell("help/en/Candidates.htm")},
        {ControlId::bthelp2, nothing, shell("help/en/Color.htm")},
        {ControlId::mne1, nothing, shell("help/en/index.htm")},
        {ControlId::mne2, nothing, shell("help/en/techniques.htm")},
        {ControlId::mne3, nothing, shell("help/en/playing.htm")},
        {ControlId::mne4, nothing, shell("help/en/playing.htm")},
        {ControlId::mnj1, nothing, shell("help/en/index.htm")},
        {ControlId::mnc1, nothing, shell("help/en/index.htm")},
        {ControlId::mnc2, nothing, shell("help/en/index.htm")},
        {ControlId::mnc3, nothing, shell("help/en/techniques.htm")},
        {ControlId::mnc4, nothing, shell("help/en/playing.htm")},
        {ControlId::mnAppearance, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal TfrmAppearance");
         }},
        {ControlId::mnChinese, [](CommandTest &t) { t.form.chooseLanguage(Language::English); },
         [](CommandTest &t) {
             return t.form.language() == Language::Chinese;
         }},
        {ControlId::mnEnglish, nothing,
         [](CommandTest &t) {
             return t.form.language() == Language::English;
         }},
        {ControlId::mnJapanese, nothing,
         [](CommandTest &t) {
             return t.form.language() == Language::Japanese;
         }},
        {ControlId::mnAbout, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal TfrmAbout");
         }},
        {ControlId::mnN11, nothing,
         [](CommandTest &t) {
             return t.form.languageEditorVisible();
         }},
        {ControlId::mnSolverWindow, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModeless Tfrm_sol");
         }},
        {ControlId::btRestart, answerNo, asked},
        {ControlId::btsolve, answerNo, asked},
        {ControlId::btcheck, nothing,
         [](CommandTest &t) {
             return !t.fake.shownOfKind("inform").empty();
         }},
        {ControlId::btShowhint, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrmsolover");
         }},
        {ControlId::btimport, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrm_new");
         }},
        {ControlId::mnImportSudoku, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrm_new");
         }},
        {ControlId::btcopy, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrmcopy");
         }},
        {ControlId::mnCopyPuzzleToClipboard, nothing,
         [](CommandTest &t) {
             return t.windowCalled("showModal Tfrmcopy");
         }},
        {ControlId::btStartBranch, nothing,
         [](CommandTest &t) {
             return !t.form.game().branch().snapshot.empty();
         }},
        {ControlId::btAccept, startBranch,
         [](CommandTest &t) { return t.form.control(ControlId::btRejectBranch).enabled; }, true},
        {ControlId::btRejectBranch, startBranch,
         [](CommandTest &t) {
             return t.form.game().branch().snapshot.empty();
         }},
        {ControlId::btfirst, twoSteps,
         [](CommandTest &t) {
             return t.form.game().history().currentIndex() == 0;
         }},
        {ControlId::btback, twoSteps,
         [](CommandTest &t) {
             return t.form.game().history().currentIndex() == 1;
         }},
        {ControlId::btnext,
         [&](CommandTest &t) {
             twoSteps(t);
             t.form.trigger(ControlId::btfirst);
         },
         [](CommandTest &t) {
             return t.form.game().history().currentIndex() == 1;
         }},
        {ControlId::btlast,
         [&](CommandTest &t) {
             twoSteps(t);
             t.form.trigger(ControlId::btfirst);
         },
         [](CommandTest &t) {
             return t.form.game().history().currentIndex() == 2;
         }},
        {ControlId::btPause, nothing,
         [](CommandTest &t) {
             return t.form.game().paused();
         }},
        {ControlId::btRewind,
         [](CommandTest &t) {
             // A wrong digit in the first open cell, then a right one in the next.
             const CellPos wrong = t.openCells()[0];
             const int digit = t.solution(wrong) % 9 + 1;
             t.form.game().disnote11Click(digit);
             t.form.cellClick(wrong.row, wrong.col, MouseButton::Left);
             t.place(t.openCells()[0]);
         },
         [](CommandTest &t) {
             return t.form.game().history().currentIndex() == 0;
         }},
        {ControlId::mnShowMistakes, nothing,
         [](CommandTest &t) {
             return t.form.game().showsMistakes();
         }},
        {ControlId::ToolButton1, [](CommandTest &t) { t.clickMode(Mode::AllCandidates); },
         [](CommandTest &t) {
             return t.form.game().mode() == Mode::PencilAndPaper;
         }},
        {ControlId::bt_clearcolor,
         [](CommandTest &t) { t.form.game().markCell(1, 1, MouseButton::Left); },
         [](CommandTest &t) {
             return t.form.game().marks().at(1, 1, 0) == ColourMarks::kNoMark;
         }},
    };

    std::set<ControlId> tested;
    for (const Command &command : commands) {
        SCOPED_TRACE(std::string(controlRow(command.id).name));
        if (form.game().isInProgress())
            fake.answerConfirm(true); // abandon the last command's game
        form.newGame(Level::Gentle);
        fake.clearLog();
        command.before(*this);
        EXPECT_EQ(command.reached(*this), command.runsNothing) << "before the command";
        form.trigger(command.id);
        EXPECT_TRUE(command.reached(*this));
        tested.insert(command.id);
    }
    for (const ControlRow &row : mainControlTable()) {
        if (row.handler != nullptr) {
            EXPECT_TRUE(tested.count(row.id)) << row.name << " has a handler but no test";
        }
    }
}

TEST_F(CommandTest, AGreyedCommandDoesNothing)
{
    form.newGame(Level::VeryEasy);
    place(openCells()[0]);
    const auto steps = form.game().history().currentIndex();
    ASSERT_FALSE(form.control(ControlId::btnext).enabled);
    form.trigger(ControlId::btnext);
    form.trigger(ControlId::btRejectBranch);
    EXPECT_EQ(form.game().history().currentIndex(), steps);
}

TEST(ControlTable, NamesAreFoundIgnoringCaseAndUnknownNamesAreNot)
{
    EXPECT_EQ(findControl("btcreateveryeasy"), ControlId::btCreateVeryEasy);
    EXPECT_EQ(findControl("DISNOTE9"), ControlId::disnote9);
    EXPECT_EQ(findControl("cbautoupdat"), std::nullopt);
    EXPECT_EQ(findControl(""), std::nullopt);
    for (const ControlRow &row : mainControlTable())
        EXPECT_EQ(findControl(row.name), row.id) << row.name;
}

// Every "<name>.caption" / "<name>.hint" key of a shipped table names a control of the main
// window or one of the program's other windows; a key that names nothing is a typo that would
// be ignored in silence.
TEST(ControlTable, EveryControlKeyOfTheLanguageTablesNamesAControl)
{
    const std::set<std::string> otherWindows
        = {"app",         "frmda",          "frmdas",        "frmsolover", "frmtile",
           "frm_about",   "frm_new",        "frmimport",     "frmcopy",    "frmsave",
           "frmgamelist", "frmprintselect", "frmappearance", "frmhelp"};
    for (const Language language : {Language::English, Language::Chinese, Language::Japanese}) {
        LanguageTable table;
        table.load(language);
        for (const std::string &line : table.lines()) {
            const std::string key = line.substr(0, line.find('='));
            const auto dot = key.find('.');
            if (dot == std::string::npos)
                continue; // a message key
            const std::string name = key.substr(0, dot);
            if (otherWindows.count(name))
                continue;
            EXPECT_TRUE(findControl(name).has_value())
                << "table " << static_cast<int>(language) << ": " << key << " names no control";
        }
    }
}

} // namespace
} // namespace kestrel
