#include "app/main_form.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

#include <algorithm>
#include <cassert>
#include <cctype>

namespace kestrel {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                   == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string digitButtonName(int digit)
{
    return "disnote" + std::to_string(digit);
}

// Status-line colour while a hint is shown.
constexpr Colour kStatusHintColour = 7978239; // $0079BCFF

// Pages opened by the web menu items.
struct WebPage
{
    std::string_view item;
    std::string_view address;
};
constexpr WebPage kWebPages[] = {
    {"mne1", "https://en.wikipedia.org/wiki/Sudoku"},
    {"mne2", "https://www.sudokuwiki.org/Strategy_Families"},
    {"mne3", "https://en.wikipedia.org/wiki/Sudoku"},
    {"mne4", "https://www.sudokuwiki.org/sudoku.htm"},
    {"mnj1", "https://ja.wikipedia.org/wiki/数独"},
    {"mnc1", "https://zh.wikipedia.org/wiki/数独"},
    {"mnc2", "http://forum.enjoysudoku.com/"},
    {"mnc3", "https://www.sudokuwiki.org/Strategy_Families"},
    {"mnc4", "https://www.sudokuwiki.org/sudoku.htm"},
};

} // namespace

TForm1::TForm1(Platform &platform) : m_platform(platform)
{
    // The main board's designed look.
    m_board.UNFoucsColor1 = 14284791;
    m_board.UNFoucsColor2 = 14284791;
    m_board.FoucsColor1 = 14284791;
    m_board.FoucsColor2 = 14284791;
    m_board.FONTSize1 = 20;
    m_board.FONTSize2 = 20;
    m_board.FONTSize3 = 10;
    m_board.FONTColor1 = 0;
    m_board.FONTColor2 = 0x00FF0000;
    m_board.FONTColor3 = 0;
    m_board.errorcolor = 239;
    m_board.highcolor = 9813909;
    m_board.autotranzt = true;
    m_board.fontName = "Arial";
    m_board.refresh();

    for (auto &cell : m_colourMarks)
        cell.fill(kNoMark);
    buildControls();

    // The game clock as the window designs it: stopped, ticking every 100 ms once started.
    m_TimeLabel1.setCaption("0:0:0");
    m_TimeLabel1.setTimerenabled(false);
    m_TimeLabel1.setTimeinterval(100);
    m_TimeLabel1.OnTimer = [this] {
        TimeLabel1Timer();
    };
    m_TimeLabel1.setMS(0);
    for (ProgressBarState &bar : m_progressBars)
        bar.hint = "0";
    // Closing the pad, by whatever route, recounts the digits.
    m_frmtile.onClosed = [this] {
        refreshProgressBars();
    };
    m_frmsolover.isPencilAndPaperMode = [this] {
        return mode() == Mode::PencilAndPaper;
    };
    m_frmsolover.recordMove = [this] {
        recordStep();
    };
    m_frmsolover.lookup = [this](std::string_view key) {
        return text(key);
    };
}

void TForm1::buildControls()
{
    auto add = [this](std::string name, ControlKind kind, std::string parent, std::string caption,
                      std::string hint = {}) -> Control & {
        Control c;
        c.name = std::move(name);
        c.kind = kind;
        c.parent = std::move(parent);
        c.caption = std::move(caption);
        c.hint = std::move(hint);
        m_controls.push_back(std::move(c));
        return m_controls.back();
    };
    auto menu = [&](std::string name, std::string parent, std::string caption) -> Control & {
        return add(std::move(name), ControlKind::MenuItem, std::move(parent), std::move(caption));
    };
    auto separator = [&](std::string name, std::string parent) -> Control & {
        Control &c = menu(std::move(name), std::move(parent), "-");
        c.isSeparator = true;
        return c;
    };
    auto tool = [&](std::string name, std::string parent, std::string hint) -> Control & {
        return add(std::move(name), ControlKind::ToolButton, std::move(parent), hint, hint);
    };
    auto spacer = [&](std::string name, std::string parent) -> Control & {
        Control &c = add(std::move(name), ControlKind::ToolButton, std::move(parent), {});
        c.isSeparator = true;
        return c;
    };

    add("Form1", ControlKind::Panel, {}, std::string(kApplicationTitle));

    // Main menu, in its designed order.
    menu("mnFile", {}, "&File");
    menu("mnSaveCurrentBoard", "mnFile", "&Save Current Board");
    menu("mnDisplayYourGameList1", "mnFile", "Display Your Game List");
    menu("mnPrintableBoard", "mnFile", "Printable Board");
    menu("mnImportSudoku", "mnFile", "&Import or Create Sudoku");
    separator("N1", "mnFile");
    menu("mnContinue", "mnFile", "Continue Your Last Game");
    separator("N2", "mnFile");
    menu("mnExit", "mnFile", "&Exit");
    menu("mnNewGame", {}, "New Game");
    menu("mnVeryEasy", "mnNewGame", "Very Easy");
    menu("mnGentle", "mnNewGame", "Gentle");
    menu("mnModerate", "mnNewGame", "Moderate");
    menu("mnTough", "mnNewGame", "Tough");
    menu("mnDiabolical", "mnNewGame", "Diabolical");
    separator("N3", "mnNewGame");
    menu("mnDisplayYourGameList2", "mnNewGame", "Display Your Game List");
    menu("mnTools", {}, "Tools");
    menu("mnAppearance", "mnTools", "Appearance");
    separator("N4", "mnTools");
    menu("savet", "mnTools", "Save Replay");
    menu("mnLoadReplay", "mnTools", "Load Replay");
    separator("N5", "mnTools");
    menu("mnCopyPuzzleToClipboard", "mnTools", "Copy Puzzle To Clipboard");
    menu("mnHelp", {}, "Help");
    menu("mnContent", "mnHelp", "Contents");
    separator("N9", "mnHelp");
    menu("mnCheckNewVersion", "mnHelp", "Check New Version").visible = false;
    menu("mnAutoCheckNewVersion", "mnHelp", "Auto Check New Version").visible = false;
    separator("N15", "mnHelp");
    menu("mne1", "mnHelp", "SudokuKestrel Home").visible = false;
    menu("mne2", "mnHelp", "Solving sudoku strategies").visible = false;
    menu("mne3", "mnHelp", "Printable Sudoku Puzzles").visible = false;
    menu("mne4", "mnHelp", "Online Sudoku").visible = false;
    menu("mnj1", "mnHelp", "Sister Site").visible = false;
    menu("mnc1", "mnHelp", "SudokuKestrel Chinese Home").visible = false;
    menu("mnc2", "mnHelp", "Forum").visible = false;
    menu("mnc3", "mnHelp", "Solving Techniques").visible = false;
    menu("mnc4", "mnHelp", "Online Sudoku").visible = false;
    separator("N18", "mnHelp");
    menu("mnAbout", "mnHelp", "&About SudokuKestrel");
    menu("mnCreatetxt", {}, "Create txt").visible = false;
    menu("mnN11", "mnCreatetxt", "pgc1.Visible");
    menu("mnSolverWindow", "mnCreatetxt", "Tfrm_sol");

    // Upper toolbar.
    add("ToolBar1", ControlKind::ToolBar, {}, {});
    tool("btDisplayYourGameList", "ToolBar1", "Display Your Game List");
    tool("btsave", "ToolBar1", "Save Current Board");
    tool("btprintableBoard", "ToolBar1", "Printable Board");
    tool("btimport", "ToolBar1", "Import or Create Sudoku");
    spacer("ToolButton3", "ToolBar1");
    tool("btCreateVeryEasy", "ToolBar1", "Create Sudoku:Very Easy");
    tool("btCreateGentle", "ToolBar1", "Create Sudoku:Gentle");
    tool("btCreateModerate", "ToolBar1", "Create Sudoku:Moderate");
    tool("btCreateTough", "ToolBar1", "Create Sudoku:Tough");
    tool("btCreateDiabolical", "ToolBar1", "Create Sudoku:Diabolical");
    spacer("ToolButton10", "ToolBar1");
    add("TimeLabel1", ControlKind::Clock, "ToolBar1", "0:0:0");
    spacer("ToolButton18", "ToolBar1");
    tool("btRestart", "ToolBar1", "Restart");
    tool("btsolve", "ToolBar1", "Show Solution");
    tool("btcopy", "ToolBar1", "Copy Puzzle To Clipboard");
    tool("btsavepic", "ToolBar1", "Save as picture");
    add("ndtxt", ControlKind::Label, "ToolBar1", " ");

    // Board frame and its labels.
    add("Panel1", ControlKind::Panel, {}, {});
    add("Panel2", ControlKind::Panel, "Panel1", {});
    add("lbl1", ControlKind::Label, "Panel2", {});

    // Side panel.
    add("grpshowcandidates", ControlKind::GroupBox, {}, "Operation Mode");
    add("rb_none", ControlKind::RadioButton, "grpshowcandidates", "Pencil and Paper").checked
        = true;
    add("rb_all", ControlKind::RadioButton, "grpshowcandidates", "All Candidates");
    add("rb_one", ControlKind::RadioButton, "grpshowcandidates", "Part Candidates");
    for (int d = 1; d <= 9; ++d) {
        Control &b = add(digitButtonName(d), ControlKind::GlassButton, "grpshowcandidates",
                         std::to_string(d), "You can type number 1..9 to select it quickly.");
        b.groupIndex = 2;
    }
    add("bthelp1", ControlKind::SpeedButton, {}, "?", "Help");
    add("grpColorPanel", ControlKind::GroupBox, {}, "Color Panel");
    add("chkcolor", ControlKind::CheckBox, "grpColorPanel", "Marking");
    add("colorgrid1", ControlKind::ColorGrid, "grpColorPanel", {});
    add("bt_clearcolor", ControlKind::SpeedButton, "grpColorPanel", "Clear Marking");
    add("bthelp2", ControlKind::SpeedButton, {}, "?", "Help");
    for (int d = 1; d <= 9; ++d)
        add("ProgressBar" + std::to_string(d), ControlKind::ProgressBar, {}, {});

    // Lower toolbar.
    add("ToolBar2", ControlKind::ToolBar, {}, {});
    Control &autoUpdate
        = add("cbautoupdate", ControlKind::CheckBox, "ToolBar2", "Auto Update Candidates");
    autoUpdate.checked = true;
    autoUpdate.enabled = false; // greyed while Pencil and Paper is the mode
    spacer("ToolButton13", "ToolBar2");
    tool("btcheck", "ToolBar2", "Check Error");
    tool("btShowhint", "ToolBar2", "Show hint");
    spacer("ToolButton15", "ToolBar2");
    tool("btStartBranch", "ToolBar2", "Start Branch").enabled = false;
    tool("btAccept", "ToolBar2", "Accept Branch").enabled = false;
    tool("btRejectBranch", "ToolBar2", "Reject Branch").enabled = false;
    spacer("ToolButton17", "ToolBar2");
    tool("btfirst", "ToolBar2", "First Step").enabled = false;
    tool("btback", "ToolBar2", "Back Step").enabled = false;
    tool("btnext", "ToolBar2", "Next Step").enabled = false;
    tool("btlast", "ToolBar2", "Last Step").enabled = false;
    tool("ToolButton1", "ToolBar2", {});
    add("WC_Label", ControlKind::Label, "ToolBar2", {}).visible = false;

    add("sb1", ControlKind::StatusBar, {}, {});
}

Control &TForm1::control(std::string_view name)
{
    for (Control &c : m_controls)
        if (equalsIgnoringCase(c.name, name))
            return c;
    assert(false && "no such control");
    return m_controls.front();
}

const Control &TForm1::control(std::string_view name) const
{
    return const_cast<TForm1 *>(this)->control(name);
}

Mode TForm1::mode() const
{
    if (control("rb_all").checked)
        return Mode::AllCandidates;
    if (control("rb_one").checked)
        return Mode::PartCandidates;
    return Mode::PencilAndPaper;
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TForm1::FormCreate()
{
    loadSettings(m_settings, m_platform.settings);
    loadLanguage(Language::Chinese);
    m_caption = std::string(kApplicationTitle);
    control("Form1").caption = m_caption;
    prepareDataDirectory();
    m_branchSnapshot.clear();
    m_colorGridForeground = 11; // yellow

    m_board.enabled = false;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = m_board.cell(r, c);
            cell.hxs.clear();
            cell.state = CellState::Given;
        }
    }
    for (auto &cell : m_colourMarks)
        cell.fill(kNoMark);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            m_board.cell(r, c).setFontSize(m_board.FONTSize3);
}

void TForm1::applyBoardAppearance()
{
    m_board.refreshByState();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = m_board.cell(r, c);
            if (cell.state == CellState::Open)
                cell.setcolor(cell.color);
        }
    }
}

void TForm1::prepareDataDirectory()
{
    TextFiles &files = m_platform.files;
    m_dataDirectory = m_platform.paths.dataDirectory();
    const std::string replay = joinPath(m_dataDirectory, "replay");

    // The data directory and its "replay" folder are tried once each. The player is told
    // when they cannot be had, since games and replays then cannot be saved; the program
    // itself goes on.
    bool made = files.isDirectory(m_dataDirectory) || files.makeDirectory(m_dataDirectory);
    if (made)
        made = files.isDirectory(replay) || files.makeDirectory(replay);
    if (!made) {
        m_dataDirectoryUsable = false;
        m_platform.dialogs.showError(replaceAll(text("msg_datadir_failed"), "%1", m_dataDirectory),
                                     m_caption);
        return;
    }
    m_dataDirectoryUsable = m_platform.files.setCurrentDirectory(m_dataDirectory);
    if (!m_dataDirectoryUsable)
        m_platform.dialogs.showError(
            replaceAll(text("msg_datadir_enter_failed"), "%1", m_dataDirectory), m_caption);
}

void TForm1::loadLanguage(Language language)
{
    m_lst1.load(language);
    applyLanguageToMainWindow();
    m_frmtile.applyLanguage(m_lst1);
    m_frmda.applyLanguage(m_lst1);
    m_frmsolover.FormCreate();
    m_Frmdas.applyLanguage(m_lst1);
}

void TForm1::applyLanguageToMainWindow()
{
    auto lower = [](std::string s) {
        for (char &ch : s)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    for (Control &c : m_controls) {
        const std::string key = lower(c.name);
        switch (c.kind) {
        case ControlKind::MenuItem:
            if (const std::string v = text(key + ".caption"); !v.empty())
                c.caption = std::string(trimmed(v));
            continue; // menu items carry no hint
        case ControlKind::GroupBox:
        case ControlKind::ToolButton:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            c.caption = text(key + ".caption");
            break;
        case ControlKind::SpeedButton:
            if (const std::string v = text(key + ".caption"); !v.empty())
                c.caption = v;
            break;
        default:
            break;
        }
        if (c.kind != ControlKind::Panel || c.name != "Form1")
            c.hint = text(key + ".hint");
    }
    for (const char *name : {"mnc1", "mnc2", "mnc3", "mnc4"})
        control(name).visible = true;
    control("lbl1").caption = "sudokukestrel.org";
    m_interfaceFontName = "宋体";
    m_interfaceFontSize = 9;
}

// ---------------------------------------------------------------------------------------------
// Keyboard

bool TForm1::FormKeyDown(int key)
{
    if (key < 49 || key > 57)
        return false;
    disnote11Click(key - 48);
    m_board.refreshFilterAny(displayDigits());
    reapplyColourMarks();
    return true;
}

bool TForm1::ApplicationEvents1Message(int key, bool mainWindowActive)
{
    if (key != 9 || !mainWindowActive)
        return false;
    int next = 1;
    for (const int d : {9, 1, 2, 3, 4, 5, 6, 7, 8}) {
        if (control(digitButtonName(d)).down) {
            next = d == 9 ? 1 : d + 1;
            break;
        }
    }
    disnote11Click(next);
    return true;
}

void TForm1::FormActivate()
{
    bool overCell = false;
    for (int r = 1; r <= 9 && !overCell; ++r)
        for (int c = 1; c <= 9 && !overCell; ++c)
            overCell = m_board.cell(r, c).isEnter();
    if (!overCell)
        m_frmtile.padOpen = false;
    m_frmtile.close();
}

void TForm1::mnAboutClick()
{
    m_platform.dialogs.inform(std::string(kApplicationTitle)
                                  + "\n\nSudoku game, solver and teacher.",
                              text("frm_about.caption"));
}

void TForm1::webMenuClick(std::string_view itemName)
{
    for (const WebPage &page : kWebPages)
        if (equalsIgnoringCase(page.item, itemName))
            m_platform.shell.open(page.address);
}

// ---------------------------------------------------------------------------------------------
// Digit selection

int TForm1::selectedDigit() const
{
    int selected = 0;
    for (int d = 1; d <= 9; ++d) {
        if (control(digitButtonName(d)).down) {
            if (selected != 0)
                return 0;
            selected = d;
        }
    }
    return selected;
}

std::string TForm1::displayDigits() const
{
    switch (mode()) {
    case Mode::PencilAndPaper:
        return m_candidateSet ? std::string() : std::string("123456789");
    case Mode::AllCandidates:
        return "123456789";
    case Mode::PartCandidates:
        break;
    }
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (control(digitButtonName(d)).down)
            digits.push_back(static_cast<char>('0' + d));
    return digits;
}

void TForm1::setDigitDown(int digit)
{
    for (int d = 1; d <= 9; ++d)
        control(digitButtonName(d)).down = d == digit;
}

void TForm1::disnote11Click(int digit)
{
    assert(digit >= 1 && digit <= 9);
    setDigitDown(digit);
    switch (mode()) {
    case Mode::PencilAndPaper:
        m_board.refreshHonouringHidden();
        break;
    case Mode::PartCandidates: {
        bool someEmpty = false;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                someEmpty = someEmpty || m_board.cell(r, c).hxs.empty();
        if (someEmpty) {
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    TPicNode &cell = m_board.cell(r, c);
                    if (cell.state != CellState::Given && cell.hxs.empty())
                        cell.hxs = m_board.allowedHxs(r, c);
                }
            }
        }
        m_board.refreshFilterDigit(selectedDigit());
        break;
    }
    case Mode::AllCandidates:
        m_board.refreshByState();
        break;
    }
    reapplyColourMarks();
}

void TForm1::disnote1MouseDown(int digit, MouseButton button)
{
    if (button != MouseButton::Right || mode() != Mode::PartCandidates)
        return;
    Control &b = control(digitButtonName(digit));
    b.down = !b.down;
    if (displayDigits().empty())
        b.down = true;
    m_board.refreshFilterAny(displayDigits());
}

void TForm1::disnote1MouseMove()
{
    showStatus(text(mode() == Mode::PartCandidates ? "rb_one_number_hint" : "rb_all_number_hint"));
}

// ---------------------------------------------------------------------------------------------
// Hover and the status line

void TForm1::showStatus(std::string_view statusText)
{
    m_statusColour = kStatusHintColour;
    m_statusText = std::string(statusText);
}

void TForm1::clearStatus()
{
    m_statusText.clear();
    m_statusColour.reset();
}

void TForm1::hoverEnter(int row, int col, int digit)
{
    TPicNode &cell = m_board.cell(row, col);
    if (digit == 0)
        cell.setIsEnter(true);
    else
        cell.hxsPanels[static_cast<std::size_t>(digit)].setIsEnter(true);

    if (control("chkcolor").checked) {
        showStatus(text("msg_color"));
        return;
    }
    if (digit != 0) {
        showStatus(text("msg_notcolor"));
        return;
    }
    switch (mode()) {
    case Mode::PencilAndPaper:
        if (cell.state == CellState::Given)
            clearStatus();
        else
            showStatus(text("msg_rb_one"));
        break;
    case Mode::AllCandidates:
        if (cell.state == CellState::Given)
            clearStatus();
        else
            showStatus(text(cell.state == CellState::Placed ? "msg_tb_all" : "msg_right_pop"));
        break;
    case Mode::PartCandidates:
        if (cell.state == CellState::Given)
            clearStatus();
        else if (cell.state == CellState::Open)
            showStatus(text("msg_right_pop"));
        break;
    }
}

void TForm1::hoverLeave(int row, int col, int digit)
{
    TPicNode &cell = m_board.cell(row, col);
    if (digit == 0)
        cell.setIsEnter(false);
    else
        cell.hxsPanels[static_cast<std::size_t>(digit)].setIsEnter(false);
}

void TForm1::controlHovered(std::string_view name)
{
    const Control &c = control(name);
    if (c.isSeparator)
        return;
    switch (c.kind) {
    case ControlKind::ToolButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::ColorGrid:
    case ControlKind::SpeedButton:
        showStatus(c.hint);
        break;
    case ControlKind::GlassButton:
        disnote1MouseMove();
        break;
    case ControlKind::Panel:
    case ControlKind::GroupBox:
    case ControlKind::ToolBar:
    case ControlKind::Clock:
        clearStatus();
        break;
    case ControlKind::Label:
        if (c.name == "ndtxt")
            clearStatus();
        break;
    default:
        break;
    }
}

void TForm1::checkBoxClick(std::string_view name, bool checked)
{
    Control &box = control(name);
    if (box.enabled)
        box.checked = checked;
}

void TForm1::colorGridSelect(int index)
{
    if (index >= 0 && index < 16)
        m_colorGridForeground = index;
}

const std::array<Colour, 16> &TForm1::colorGridColours()
{
    // black, maroon, green, olive, navy, purple, teal, silver, gray, red, lime, yellow, blue,
    // fuchsia, aqua, white — as $00BBGGRR
    static const std::array<Colour, 16> colours
        = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
           0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return colours;
}

// ---------------------------------------------------------------------------------------------
// Board colouring shared by the play commands

Colour TForm1::defaultCellColour(int row, int col) const
{
    const TPicNode &cell = m_board.cell(row, col);
    if (cell.isError)
        return m_board.errorcolor;
    const int selected = selectedDigit();
    if (selected != 0 && cell.state != CellState::Open
        && cell.hxs == std::string(1, static_cast<char>('0' + selected)))
        return m_board.highcolor;
    return m_board.boxColour(row, col);
}

void TForm1::highlightSelectedDigit()
{
    const int selected = selectedDigit();
    if (selected == 0)
        return;
    const std::string digit(1, static_cast<char>('0' + selected));
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = m_board.cell(r, c);
            if (cell.state != CellState::Open && !cell.isError && cell.hxs == digit)
                cell.color = m_board.highcolor;
        }
    }
}

void TForm1::reapplyColourMarks()
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = m_board.cell(r, c);
            const Colour base = defaultCellColour(r, c);
            cell.color = base;
            cell.setcolor(base);
            const auto &marks = m_colourMarks[cellIndex(r, c)];
            if (marks[0] != kNoMark)
                cell.color = marks[0];
            for (int d = 1; d <= 9; ++d)
                if (marks[static_cast<std::size_t>(d)] != kNoMark)
                    cell.hxsPanels[static_cast<std::size_t>(d)].color
                        = marks[static_cast<std::size_t>(d)];
        }
    }
    recolourWrongDigits();
}

void TForm1::recolourWrongDigits()
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = m_board.cell(r, c);
            const int v = m_QJ1.node(r, c).value;
            if (cell.hxs.size() == 1 && v != 0
                && cell.hxs != std::string(1, static_cast<char>('0' + v)))
                cell.fontColor = m_board.FONTColor2;
        }
    }
}

} // namespace kestrel
