#include "app/main_controls.hpp"

#include "app/main_form.hpp"

#include <algorithm>
#include <array>
#include <cctype>

namespace kestrel {

namespace {

// clang-format off
// id, name, kind, parent, caption, hint, icon, geometry, handler, separator, visible, enabled,
// checked — one row per control, in the order of ControlId.
constexpr std::array<ControlRow, kControlCount> kRows = {{
    {ControlId::Form1, "Form1", ControlKind::Panel, std::nullopt, "Sudoku Kestrel 5.0", "", "", {}, nullptr, false, true, true, false},
    {ControlId::mnFile, "mnFile", ControlKind::MenuItem, std::nullopt, "&File", "", "", {}, nullptr, false, true, true, false},
    {ControlId::mnSaveCurrentBoard, "mnSaveCurrentBoard", ControlKind::MenuItem, ControlId::mnFile, "&Save Current Board", "", "", {}, [](TForm1 &f) { f.mnSaveCurrentBoardClick(); }, false, true, true, false},
    {ControlId::mnDisplayYourGameList1, "mnDisplayYourGameList1", ControlKind::MenuItem, ControlId::mnFile, "Display Your Game List", "", "", {}, [](TForm1 &f) { f.mnDisplayYourGameListClick(); }, false, true, true, false},
    {ControlId::mnPrintableBoard, "mnPrintableBoard", ControlKind::MenuItem, ControlId::mnFile, "Printable Board", "", "", {}, [](TForm1 &f) { f.btprintableBoardClick(); }, false, true, true, false},
    {ControlId::mnImportSudoku, "mnImportSudoku", ControlKind::MenuItem, ControlId::mnFile, "&Import or Create Sudoku", "", "", {}, [](TForm1 &f) { f.btimportClick(); }, false, true, true, false},
    {ControlId::N1, "N1", ControlKind::MenuItem, ControlId::mnFile, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnContinue, "mnContinue", ControlKind::MenuItem, ControlId::mnFile, "Continue Your Last Game", "", "", {}, [](TForm1 &f) { f.mnContinueClick(); }, false, true, true, false},
    {ControlId::N2, "N2", ControlKind::MenuItem, ControlId::mnFile, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnExit, "mnExit", ControlKind::MenuItem, ControlId::mnFile, "&Exit", "", "", {}, [](TForm1 &f) { f.mnExitClick(); }, false, true, true, false},
    {ControlId::mnNewGame, "mnNewGame", ControlKind::MenuItem, std::nullopt, "New Game", "", "", {}, nullptr, false, true, true, false},
    {ControlId::mnVeryEasy, "mnVeryEasy", ControlKind::MenuItem, ControlId::mnNewGame, "Very Easy", "", "", {}, [](TForm1 &f) { f.newGame(Level::VeryEasy); }, false, true, true, false},
    {ControlId::mnGentle, "mnGentle", ControlKind::MenuItem, ControlId::mnNewGame, "Gentle", "", "", {}, [](TForm1 &f) { f.newGame(Level::Gentle); }, false, true, true, false},
    {ControlId::mnModerate, "mnModerate", ControlKind::MenuItem, ControlId::mnNewGame, "Moderate", "", "", {}, [](TForm1 &f) { f.newGame(Level::Moderate); }, false, true, true, false},
    {ControlId::mnTough, "mnTough", ControlKind::MenuItem, ControlId::mnNewGame, "Tough", "", "", {}, [](TForm1 &f) { f.newGame(Level::Tough); }, false, true, true, false},
    {ControlId::mnDiabolical, "mnDiabolical", ControlKind::MenuItem, ControlId::mnNewGame, "Diabolical", "", "", {}, [](TForm1 &f) { f.newGame(Level::Diabolical); }, false, true, true, false},
    {ControlId::N3, "N3", ControlKind::MenuItem, ControlId::mnNewGame, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnDisplayYourGameList2, "mnDisplayYourGameList2", ControlKind::MenuItem, ControlId::mnNewGame, "Display Your Game List", "", "", {}, [](TForm1 &f) { f.mnDisplayYourGameListClick(); }, false, true, true, false},
    {ControlId::mnTools, "mnTools", ControlKind::MenuItem, std::nullopt, "Tools", "", "", {}, nullptr, false, true, true, false},
    {ControlId::mnAppearance, "mnAppearance", ControlKind::MenuItem, ControlId::mnTools, "Appearance", "", "", {}, [](TForm1 &f) { f.mnAppearanceClick(); }, false, true, true, false},
    {ControlId::mnLanguage, "mnLanguage", ControlKind::MenuItem, ControlId::mnTools, "Language", "", "", {}, nullptr, false, true, true, false},
    {ControlId::mnChinese, "mnChinese", ControlKind::MenuItem, ControlId::mnLanguage, "中文", "", "", {}, [](TForm1 &f) { f.chooseLanguage(Language::Chinese); }, false, true, true, false},
    {ControlId::mnEnglish, "mnEnglish", ControlKind::MenuItem, ControlId::mnLanguage, "English", "", "", {}, [](TForm1 &f) { f.chooseLanguage(Language::English); }, false, true, true, false},
    {ControlId::mnJapanese, "mnJapanese", ControlKind::MenuItem, ControlId::mnLanguage, "日本語", "", "", {}, [](TForm1 &f) { f.chooseLanguage(Language::Japanese); }, false, true, true, false},
    {ControlId::N4, "N4", ControlKind::MenuItem, ControlId::mnTools, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::savet, "savet", ControlKind::MenuItem, ControlId::mnTools, "Save Replay", "", "", {}, [](TForm1 &f) { f.savetClick(); }, false, true, true, false},
    {ControlId::mnLoadReplay, "mnLoadReplay", ControlKind::MenuItem, ControlId::mnTools, "Load Replay", "", "", {}, [](TForm1 &f) { f.mnLoadReplayClick(); }, false, true, true, false},
    {ControlId::N5, "N5", ControlKind::MenuItem, ControlId::mnTools, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnCopyPuzzleToClipboard, "mnCopyPuzzleToClipboard", ControlKind::MenuItem, ControlId::mnTools, "Copy Puzzle To Clipboard", "", "", {}, [](TForm1 &f) { f.btcopyClick(); }, false, true, true, false},
    {ControlId::N6, "N6", ControlKind::MenuItem, ControlId::mnTools, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnShowMistakes, "mnShowMistakes", ControlKind::MenuItem, ControlId::mnTools, "Show Mistakes As I Play", "", "", {}, [](TForm1 &f) { f.mnShowMistakesClick(); }, false, true, true, false},
    {ControlId::mnHelp, "mnHelp", ControlKind::MenuItem, std::nullopt, "Help", "", "", {}, nullptr, false, true, true, false},
    {ControlId::mnContent, "mnContent", ControlKind::MenuItem, ControlId::mnHelp, "Contents", "", "", {}, [](TForm1 &f) { f.mnContentClick(); }, false, true, true, false},
    {ControlId::N9, "N9", ControlKind::MenuItem, ControlId::mnHelp, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnCheckNewVersion, "mnCheckNewVersion", ControlKind::MenuItem, ControlId::mnHelp, "Check New Version", "", "", {}, nullptr, false, false, true, false},
    {ControlId::mnAutoCheckNewVersion, "mnAutoCheckNewVersion", ControlKind::MenuItem, ControlId::mnHelp, "Auto Check New Version", "", "", {}, nullptr, false, false, true, false},
    {ControlId::N15, "N15", ControlKind::MenuItem, ControlId::mnHelp, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mne1, "mne1", ControlKind::MenuItem, ControlId::mnHelp, "SudokuKestrel Home", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mne1); }, false, false, true, false},
    {ControlId::mne2, "mne2", ControlKind::MenuItem, ControlId::mnHelp, "Solving sudoku strategies", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mne2); }, false, false, true, false},
    {ControlId::mne3, "mne3", ControlKind::MenuItem, ControlId::mnHelp, "Printable Sudoku Puzzles", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mne3); }, false, false, true, false},
    {ControlId::mne4, "mne4", ControlKind::MenuItem, ControlId::mnHelp, "Online Sudoku", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mne4); }, false, false, true, false},
    {ControlId::mnj1, "mnj1", ControlKind::MenuItem, ControlId::mnHelp, "Sister Site", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mnj1); }, false, false, true, false},
    {ControlId::mnc1, "mnc1", ControlKind::MenuItem, ControlId::mnHelp, "SudokuKestrel Chinese Home", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mnc1); }, false, false, true, false},
    {ControlId::mnc2, "mnc2", ControlKind::MenuItem, ControlId::mnHelp, "Sudoku Help", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mnc2); }, false, false, true, false},
    {ControlId::mnc3, "mnc3", ControlKind::MenuItem, ControlId::mnHelp, "Solving Techniques", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mnc3); }, false, false, true, false},
    {ControlId::mnc4, "mnc4", ControlKind::MenuItem, ControlId::mnHelp, "How to Play", "", "", {}, [](TForm1 &f) { f.webMenuClick(ControlId::mnc4); }, false, false, true, false},
    {ControlId::N18, "N18", ControlKind::MenuItem, ControlId::mnHelp, "-", "", "", {}, nullptr, true, true, true, false},
    {ControlId::mnAbout, "mnAbout", ControlKind::MenuItem, ControlId::mnHelp, "&About SudokuKestrel", "", "", {}, [](TForm1 &f) { f.mnAboutClick(); }, false, true, true, false},
    {ControlId::mnCreatetxt, "mnCreatetxt", ControlKind::MenuItem, std::nullopt, "Create txt", "", "", {}, nullptr, false, false, true, false},
    {ControlId::mnN11, "mnN11", ControlKind::MenuItem, ControlId::mnCreatetxt, "pgc1.Visible", "", "", {}, [](TForm1 &f) { f.mnN11Click(); }, false, true, true, false},
    {ControlId::mnSolverWindow, "mnSolverWindow", ControlKind::MenuItem, ControlId::mnCreatetxt, "Tfrm_sol", "", "", {}, [](TForm1 &f) { f.mnSolverWindowClick(); }, false, true, true, false},
    {ControlId::ToolBar1, "ToolBar1", ControlKind::ToolBar, std::nullopt, "", "", "", {0, 0, 593, 29}, nullptr, false, true, true, false},
    {ControlId::btDisplayYourGameList, "btDisplayYourGameList", ControlKind::ToolButton, ControlId::ToolBar1, "Display Your Game List", "Display Your Game List", "gamelist", {2, 3, 23, 22}, [](TForm1 &f) { f.mnDisplayYourGameListClick(); }, false, true, true, false},
    {ControlId::btsave, "btsave", ControlKind::ToolButton, ControlId::ToolBar1, "Save Current Board", "Save Current Board", "save", {25, 3, 23, 22}, [](TForm1 &f) { f.mnSaveCurrentBoardClick(); }, false, true, true, false},
    {ControlId::btprintableBoard, "btprintableBoard", ControlKind::ToolButton, ControlId::ToolBar1, "Printable Board", "Printable Board", "print", {48, 3, 23, 22}, [](TForm1 &f) { f.btprintableBoardClick(); }, false, true, true, false},
    {ControlId::btimport, "btimport", ControlKind::ToolButton, ControlId::ToolBar1, "Import or Create Sudoku", "Import or Create Sudoku", "import", {71, 3, 23, 22}, [](TForm1 &f) { f.btimportClick(); }, false, true, true, false},
    {ControlId::ToolButton3, "ToolButton3", ControlKind::ToolButton, ControlId::ToolBar1, "", "", "", {}, nullptr, true, true, true, false},
    {ControlId::btCreateVeryEasy, "btCreateVeryEasy", ControlKind::ToolButton, ControlId::ToolBar1, "Create Sudoku:Very Easy", "Create Sudoku:Very Easy", "level0", {102, 3, 23, 22}, [](TForm1 &f) { f.newGame(Level::VeryEasy); }, false, true, true, false},
    {ControlId::btCreateGentle, "btCreateGentle", ControlKind::ToolButton, ControlId::ToolBar1, "Create Sudoku:Gentle", "Create Sudoku:Gentle", "level1", {125, 3, 23, 22}, [](TForm1 &f) { f.newGame(Level::Gentle); }, false, true, true, false},
    {ControlId::btCreateModerate, "btCreateModerate", ControlKind::ToolButton, ControlId::ToolBar1, "Create Sudoku:Moderate", "Create Sudoku:Moderate", "level2", {148, 3, 23, 22}, [](TForm1 &f) { f.newGame(Level::Moderate); }, false, true, true, false},
    {ControlId::btCreateTough, "btCreateTough", ControlKind::ToolButton, ControlId::ToolBar1, "Create Sudoku:Tough", "Create Sudoku:Tough", "level3", {171, 3, 23, 22}, [](TForm1 &f) { f.newGame(Level::Tough); }, false, true, true, false},
    {ControlId::btCreateDiabolical, "btCreateDiabolical", ControlKind::ToolButton, ControlId::ToolBar1, "Create Sudoku:Diabolical", "Create Sudoku:Diabolical", "level4", {194, 3, 23, 22}, [](TForm1 &f) { f.newGame(Level::Diabolical); }, false, true, true, false},
    {ControlId::ToolButton10, "ToolButton10", ControlKind::ToolButton, ControlId::ToolBar1, "", "", "", {}, nullptr, true, true, true, false},
    {ControlId::TimeLabel1, "TimeLabel1", ControlKind::Clock, ControlId::ToolBar1, "0:0:0", "", "", {236, 3, 77, 22}, nullptr, false, true, true, false},
    {ControlId::ToolButton18, "ToolButton18", ControlKind::ToolButton, ControlId::ToolBar1, "", "", "", {}, nullptr, true, true, true, false},
    {ControlId::btRestart, "btRestart", ControlKind::ToolButton, ControlId::ToolBar1, "Restart", "Restart", "restart", {321, 3, 23, 22}, [](TForm1 &f) { f.game().btRestartClick(); }, false, true, true, false},
    {ControlId::btsolve, "btsolve", ControlKind::ToolButton, ControlId::ToolBar1, "Show Solution", "Show Solution", "solution", {344, 3, 23, 22}, [](TForm1 &f) { f.btsolveClick(); }, false, true, true, false},
    {ControlId::btcopy, "btcopy", ControlKind::ToolButton, ControlId::ToolBar1, "Copy Puzzle To Clipboard", "Copy Puzzle To Clipboard", "copy", {367, 3, 23, 22}, [](TForm1 &f) { f.btcopyClick(); }, false, true, true, false},
    {ControlId::btsavepic, "btsavepic", ControlKind::ToolButton, ControlId::ToolBar1, "Save as picture", "Save as picture", "picture", {390, 3, 23, 22}, [](TForm1 &f) { f.btsavepicClick(); }, false, true, true, false},
    {ControlId::btPause, "btPause", ControlKind::ToolButton, ControlId::ToolBar1, "Pause", "Pause", "pause", {413, 3, 23, 22}, [](TForm1 &f) { f.btPauseClick(); }, false, true, true, false},
    {ControlId::ndtxt, "ndtxt", ControlKind::Label, ControlId::ToolBar1, " ", "", "", {442, 3, 146, 22}, nullptr, false, true, true, false},
    {ControlId::Panel1, "Panel1", ControlKind::Panel, std::nullopt, "", "", "", {6, 31, 466, 462}, nullptr, false, true, true, false},
    {ControlId::Panel2, "Panel2", ControlKind::Panel, ControlId::Panel1, "", "", "", {1, 1, 464, 460}, nullptr, false, true, true, false},
    {ControlId::lbl1, "lbl1", ControlKind::Label, ControlId::Panel2, "", "", "", {324, 443, 118, 13}, nullptr, false, true, true, false},
    {ControlId::grpshowcandidates, "grpshowcandidates", ControlKind::GroupBox, std::nullopt, "Operation Mode", "", "", {480, 40, 107, 168}, nullptr, false, true, true, false},
    {ControlId::rb_none, "rb_none", ControlKind::RadioButton, ControlId::grpshowcandidates, "Pencil and Paper", "", "", {8, 17, 97, 17}, nullptr, false, true, true, true},
    {ControlId::rb_all, "rb_all", ControlKind::RadioButton, ControlId::grpshowcandidates, "All Candidates", "", "", {8, 35, 97, 17}, nullptr, false, true, true, false},
    {ControlId::rb_one, "rb_one", ControlKind::RadioButton, ControlId::grpshowcandidates, "Part Candidates", "", "", {8, 54, 97, 17}, nullptr, false, true, true, false},
    {ControlId::disnote1, "disnote1", ControlKind::GlassButton, ControlId::grpshowcandidates, "1", "You can type number 1..9 to select it quickly.", "", {5, 75, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote2, "disnote2", ControlKind::GlassButton, ControlId::grpshowcandidates, "2", "You can type number 1..9 to select it quickly.", "", {38, 75, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote3, "disnote3", ControlKind::GlassButton, ControlId::grpshowcandidates, "3", "You can type number 1..9 to select it quickly.", "", {71, 75, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote4, "disnote4", ControlKind::GlassButton, ControlId::grpshowcandidates, "4", "You can type number 1..9 to select it quickly.", "", {5, 104, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote5, "disnote5", ControlKind::GlassButton, ControlId::grpshowcandidates, "5", "You can type number 1..9 to select it quickly.", "", {38, 104, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote6, "disnote6", ControlKind::GlassButton, ControlId::grpshowcandidates, "6", "You can type number 1..9 to select it quickly.", "", {71, 104, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote7, "disnote7", ControlKind::GlassButton, ControlId::grpshowcandidates, "7", "You can type number 1..9 to select it quickly.", "", {5, 133, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote8, "disnote8", ControlKind::GlassButton, ControlId::grpshowcandidates, "8", "You can type number 1..9 to select it quickly.", "", {38, 133, 29, 28}, nullptr, false, true, true, false},
    {ControlId::disnote9, "disnote9", ControlKind::GlassButton, ControlId::grpshowcandidates, "9", "You can type number 1..9 to select it quickly.", "", {71, 133, 29, 28}, nullptr, false, true, true, false},
    {ControlId::bthelp1, "bthelp1", ControlKind::SpeedButton, std::nullopt, "?", "Help", "", {565, 37, 19, 17}, [](TForm1 &f) { f.bthelp1Click(); }, false, true, true, false},
    {ControlId::grpColorPanel, "grpColorPanel", ControlKind::GroupBox, std::nullopt, "Color Panel", "", "", {480, 219, 107, 173}, nullptr, false, true, true, false},
    {ControlId::chkcolor, "chkcolor", ControlKind::CheckBox, ControlId::grpColorPanel, "Marking", "", "", {8, 18, 95, 17}, nullptr, false, true, true, false},
    {ControlId::colorgrid1, "colorgrid1", ControlKind::ColorGrid, ControlId::grpColorPanel, "", "", "", {6, 36, 96, 100}, nullptr, false, true, true, false},
    {ControlId::bt_clearcolor, "bt_clearcolor", ControlKind::SpeedButton, ControlId::grpColorPanel, "Clear Marking", "", "", {6, 141, 96, 25}, [](TForm1 &f) { f.game().bt_clearcolorClick(); }, false, true, true, false},
    {ControlId::bthelp2, "bthelp2", ControlKind::SpeedButton, std::nullopt, "?", "Help", "", {565, 217, 19, 17}, [](TForm1 &f) { f.bthelp2Click(); }, false, true, true, false},
    {ControlId::ProgressBar1, "ProgressBar1", ControlKind::ProgressBar, std::nullopt, "", "", "", {480, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar2, "ProgressBar2", ControlKind::ProgressBar, std::nullopt, "", "", "", {492, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar3, "ProgressBar3", ControlKind::ProgressBar, std::nullopt, "", "", "", {504, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar4, "ProgressBar4", ControlKind::ProgressBar, std::nullopt, "", "", "", {516, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar5, "ProgressBar5", ControlKind::ProgressBar, std::nullopt, "", "", "", {529, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar6, "ProgressBar6", ControlKind::ProgressBar, std::nullopt, "", "", "", {541, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar7, "ProgressBar7", ControlKind::ProgressBar, std::nullopt, "", "", "", {553, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar8, "ProgressBar8", ControlKind::ProgressBar, std::nullopt, "", "", "", {565, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ProgressBar9, "ProgressBar9", ControlKind::ProgressBar, std::nullopt, "", "", "", {578, 432, 11, 44}, nullptr, false, true, true, false},
    {ControlId::ToolBar2, "ToolBar2", ControlKind::ToolBar, std::nullopt, "", "", "", {0, 495, 593, 26}, nullptr, false, true, true, false},
    {ControlId::cbautoupdate, "cbautoupdate", ControlKind::CheckBox, ControlId::ToolBar2, "Auto Update Candidates", "", "", {4, 1, 158, 24}, nullptr, false, true, false, true},
    {ControlId::ToolButton13, "ToolButton13", ControlKind::ToolButton, ControlId::ToolBar2, "", "", "", {}, nullptr, true, true, true, false},
    {ControlId::btcheck, "btcheck", ControlKind::ToolButton, ControlId::ToolBar2, "Check Error", "Check Error", "check", {170, 0, 25, 25}, [](TForm1 &f) { f.btcheckClick(); }, false, true, true, false},
    {ControlId::btShowhint, "btShowhint", ControlKind::ToolButton, ControlId::ToolBar2, "Show hint", "Show hint", "hint", {195, 0, 25, 25}, [](TForm1 &f) { f.btShowhintClick(); }, false, true, true, false},
    {ControlId::ToolButton15, "ToolButton15", ControlKind::ToolButton, ControlId::ToolBar2, "", "", "", {}, nullptr, true, true, true, false},
    {ControlId::btStartBranch, "btStartBranch", ControlKind::ToolButton, ControlId::ToolBar2, "Start Branch", "Start Branch", "branch_start", {228, 0, 25, 25}, [](TForm1 &f) { f.game().btStartBranchClick(); }, false, true, false, false},
    {ControlId::btAccept, "btAccept", ControlKind::ToolButton, ControlId::ToolBar2, "Accept Branch", "Accept Branch", "branch_accept", {253, 0, 25, 25}, [](TForm1 &f) { f.game().btAcceptClick(); }, false, true, false, false},
    {ControlId::btRejectBranch, "btRejectBranch", ControlKind::ToolButton, ControlId::ToolBar2, "Reject Branch", "Reject Branch", "branch_reject", {278, 0, 25, 25}, [](TForm1 &f) { f.game().btRejectBranchClick(); }, false, true, false, false},
    {ControlId::ToolButton17, "ToolButton17", ControlKind::ToolButton, ControlId::ToolBar2, "", "", "", {}, nullptr, true, true, true, false},
    {ControlId::btfirst, "btfirst", ControlKind::ToolButton, ControlId::ToolBar2, "First Step", "First Step", "first", {311, 0, 25, 25}, [](TForm1 &f) { f.game().btfirstClick(); }, false, true, false, false},
    {ControlId::btback, "btback", ControlKind::ToolButton, ControlId::ToolBar2, "Back Step", "Back Step", "back", {336, 0, 25, 25}, [](TForm1 &f) { f.game().btbackClick(); }, false, true, false, false},
    {ControlId::btnext, "btnext", ControlKind::ToolButton, ControlId::ToolBar2, "Next Step", "Next Step", "next", {361, 0, 25, 25}, [](TForm1 &f) { f.game().btnextClick(); }, false, true, false, false},
    {ControlId::btlast, "btlast", ControlKind::ToolButton, ControlId::ToolBar2, "Last Step", "Last Step", "last", {386, 0, 25, 25}, [](TForm1 &f) { f.game().btlastClick(); }, false, true, false, false},
    {ControlId::btRewind, "btRewind", ControlKind::ToolButton, ControlId::ToolBar2, "Rewind to the First Mistake", "Rewind to the First Mistake", "rewind", {411, 0, 25, 25}, [](TForm1 &f) { f.game().btRewindClick(); }, false, true, false, false},
    {ControlId::ToolButton1, "ToolButton1", ControlKind::ToolButton, ControlId::ToolBar2, "", "", "pencil", {444, 0, 25, 25}, [](TForm1 &f) { f.game().pressPencilAndPaper(); }, false, true, true, false},
    {ControlId::WC_Label, "WC_Label", ControlKind::Label, ControlId::ToolBar2, "", "", "", {474, 2, 115, 22}, nullptr, false, false, true, false},
    {ControlId::sb1, "sb1", ControlKind::StatusBar, std::nullopt, "", "", "", {0, 521, 593, 19}, nullptr, false, true, true, false},
}};
// clang-format on

constexpr bool rowsInIdOrder()
{
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].id) != i)
            return false;
    return true;
}
static_assert(rowsInIdOrder(), "the control table lists every control once, in id order");

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                   == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::span<const ControlRow> mainControlTable()
{
    return kRows;
}

const ControlRow &controlRow(ControlId id)
{
    return kRows[static_cast<std::size_t>(id)];
}

std::optional<Language> menuLanguage(ControlId id)
{
    switch (id) {
    case ControlId::mnChinese:
        return Language::Chinese;
    case ControlId::mnEnglish:
        return Language::English;
    case ControlId::mnJapanese:
        return Language::Japanese;
    default:
        return std::nullopt;
    }
}

std::span<const Shortcut> commandShortcuts()
{
    // The chords players know from other games and editors: Ctrl+Z and Ctrl+Y (or
    // Ctrl+Shift+Z) step back and forward, F1 opens the help, Ctrl+1..5 start a game of a
    // level, Ctrl+N one of the Gentle level, Ctrl+R and F5 restart, P pauses.
    // clang-format off
    static constexpr Shortcut kShortcuts[] = {
        {{Key::Z, true, false},       ControlId::btback,             "Ctrl+Z"},
        {{Key::Y, true, false},       ControlId::btnext,             "Ctrl+Y"},
        {{Key::Z, true, true},        ControlId::btnext,             "Ctrl+Shift+Z"},
        {{Key::F1, false, false},     ControlId::mnContent,          "F1"},
        {{Key::Digit1, true, false},  ControlId::mnVeryEasy,         "Ctrl+1"},
        {{Key::Digit2, true, false},  ControlId::mnGentle,           "Ctrl+2"},
        {{Key::Digit3, true, false},  ControlId::mnModerate,         "Ctrl+3"},
        {{Key::Digit4, true, false},  ControlId::mnTough,            "Ctrl+4"},
        {{Key::Digit5, true, false},  ControlId::mnDiabolical,       "Ctrl+5"},
        {{Key::N, true, false},       ControlId::mnGentle,           "Ctrl+N"},
        {{Key::R, true, false},       ControlId::btRestart,          "Ctrl+R"},
        {{Key::F5, false, false},     ControlId::btRestart,          "F5"},
        {{Key::P, false, false},      ControlId::btPause,            "P"},
    };
    // clang-format on
    return kShortcuts;
}

std::optional<ControlId> commandForKey(const KeyPress &key)
{
    for (const Shortcut &s : commandShortcuts())
        if (s.chord.key == key.key && s.chord.ctrl == key.ctrl && s.chord.shift == key.shift)
            return s.command;
    return std::nullopt;
}

std::string_view shortcutText(ControlId command)
{
    for (const Shortcut &s : commandShortcuts())
        if (s.command == command)
            return s.text;
    return {};
}

std::optional<ControlId> findControl(std::string_view name)
{
    for (const ControlRow &row : kRows)
        if (equalsIgnoringCase(row.name, name))
            return row.id;
    return std::nullopt;
}

} // namespace kestrel
