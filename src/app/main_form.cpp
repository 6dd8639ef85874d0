#include "app/main_form.hpp"

#include "app/puzzle_bank.hpp"
#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

#include <cassert>
#include <cctype>

namespace kestrel {

namespace {

// Status-line colour while a hint is shown.
constexpr Colour kStatusHintColour = 7978239; // $0079BCFF

// Pages opened by the web menu items.
struct WebPage
{
    ControlId item;
    std::string_view page; ///< a page of the shipped help
};

// The program has no web site: each web item opens the help page that fits its caption.
constexpr WebPage kWebPages[] = {
    {ControlId::mne1, "index.htm"},   {ControlId::mne2, "techniques.htm"},
    {ControlId::mne3, "playing.htm"}, {ControlId::mne4, "playing.htm"},
    {ControlId::mnj1, "index.htm"},   {ControlId::mnc1, "index.htm"},
    {ControlId::mnc2, "index.htm"},   {ControlId::mnc3, "techniques.htm"},
    {ControlId::mnc4, "playing.htm"},
};

std::string lowerCase(std::string_view s)
{
    std::string lower(s);
    for (char &ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

} // namespace

TForm1::TForm1(Platform &platform)
    : m_platform(platform),
      m_game(platform.dialogs, [this](std::string_view key) { return text(key); }),
      m_frmgamelist(m_game, platform.dialogs, platform.files,
                    [this](std::string_view key) { return text(key); }),
      m_frmAppearance(m_settings, platform.settings, platform.dialogs, m_game.board())
{
    m_game.setStepRecorded([this] { stepRecorded(); });
    m_frmAppearance.onSettingsWritten = [this](bool stored) {
        settingsWritten(stored);
    };
    for (const ControlRow &row : mainControlTable()) {
        Control &c = m_controls[static_cast<std::size_t>(row.id)];
        c.id = row.id;
        c.caption = std::string(row.caption);
        c.hint = std::string(row.hint);
        c.visible = row.visible;
        c.enabled = row.enabled;
        c.checked = row.checked;
        if (row.kind == ControlKind::GlassButton)
            c.groupIndex = 2;
    }
    // Closing the pad, by whatever route, recounts the digits.
    m_frmtile.onClosed = [this] {
        m_game.refreshProgressBars();
    };
    m_frmsolover.isPencilAndPaperMode = [this] {
        return m_game.mode() == Mode::PencilAndPaper;
    };
    m_frmsolover.recordMove = [this] {
        m_game.recordStep();
    };
    m_frmsolover.lookup = [this](std::string_view key) {
        return text(key);
    };
}

// ---------------------------------------------------------------------------------------------
// Controls

Control &TForm1::editControl(ControlId id)
{
    return m_controls[static_cast<std::size_t>(id)];
}

const Control &TForm1::control(ControlId id) const
{
    showGameInControls();
    return m_controls[static_cast<std::size_t>(id)];
}

const std::array<Control, kControlCount> &TForm1::controls() const
{
    showGameInControls();
    return m_controls;
}

void TForm1::showGameInControls() const
{
    auto at = [this](ControlId id) -> Control & {
        return m_controls[static_cast<std::size_t>(id)];
    };
    const Mode mode = m_game.mode();
    at(ControlId::rb_none).checked = mode == Mode::PencilAndPaper;
    at(ControlId::rb_all).checked = mode == Mode::AllCandidates;
    at(ControlId::rb_one).checked = mode == Mode::PartCandidates;
    for (int d = 1; d <= 9; ++d) {
        Control &button = at(digitButton(d));
        button.down = m_game.isDigitDown(d);
        button.groupIndex = m_game.digitsExclusive() ? 2 : d + 10;
    }
    at(ControlId::cbautoupdate).checked = m_game.autoUpdate().checked;
    at(ControlId::cbautoupdate).enabled = m_game.autoUpdate().enabled;
    at(ControlId::chkcolor).checked = m_game.marking();
    at(ControlId::btStartBranch).enabled = m_game.branch().canStart;
    at(ControlId::btAccept).enabled = m_game.branch().canAccept;
    at(ControlId::btRejectBranch).enabled = m_game.branch().canReject;
    const StepButtons &steps = m_game.stepButtons();
    at(ControlId::btfirst).enabled = steps.first;
    at(ControlId::btback).enabled = steps.back;
    at(ControlId::btnext).enabled = steps.next;
    at(ControlId::btlast).enabled = steps.last;
    at(ControlId::WC_Label).visible = m_game.solvedMarkerVisible();
    at(ControlId::WC_Label).caption = m_game.solvedMarkerText();
    at(ControlId::ndtxt).caption = m_game.levelText();
    at(ControlId::TimeLabel1).caption = m_game.clock().caption();
    at(ControlId::btPause).enabled = m_game.canPause();
    at(ControlId::btPause).checked = m_game.paused();
    at(ControlId::btRewind).enabled = m_game.canRewind();
    at(ControlId::btStartBranch).checked = !m_game.branch().snapshot.empty();
    at(ControlId::mnShowMistakes).checked = m_game.showsMistakes();
}

void TForm1::trigger(ControlId id)
{
    const ControlRow &row = controlRow(id);
    if (row.handler == nullptr || row.isSeparator || !control(id).enabled)
        return;
    // Any other command ends a pause first: the board it acts on is shown again.
    if (id != ControlId::btPause)
        m_game.resume();
    row.handler(*this);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TForm1::FormCreate()
{
    const bool settingsStored = loadSettings(m_settings, m_platform.settings);
    m_playOptions = loadPlayOptions(m_platform.settings);
    m_game.setShowMistakes(m_playOptions.showMistakes);
    // The player's last choice; Chinese on a first start.
    loadLanguage(loadLanguageSetting(m_platform.settings).value_or(Language::Chinese));
    m_caption = std::string(kApplicationTitle);
    editControl(ControlId::Form1).caption = m_caption;
    m_game.setDialogTitle(m_caption);
    // Told only now, in the language just loaded.
    if (!settingsStored)
        settingsWritten(false);
    prepareDataDirectory();
    m_game.clearForStart();
    m_frm_new.FormCreate();
}

void TForm1::applyBoardAppearance()
{
    m_frmAppearance.FormCreate([this](std::string_view key) { return text(key); });
}

void TForm1::loadLanguage(Language language)
{
    m_language = language;
    m_lst1.load(language);
    applyLanguageToMainWindow();
    for (const ControlId item : {ControlId::mnChinese, ControlId::mnEnglish, ControlId::mnJapanese})
        editControl(item).checked = menuLanguage(item) == language;
    const auto lookup = [this](std::string_view key) {
        return text(key);
    };
    m_frmtile.applyLanguage(lookup);
    m_frmda.applyLanguage(m_lst1);
    m_frmsolover.FormCreate();
    m_frm_new.applyLanguage();
    m_frmImport.applyLanguage();
    m_frmcopy.applyLanguage();
    m_Frmdas.applyLanguage(m_lst1);
    m_frmprintselect.applyLanguage(m_lst1);
    m_frmAppearance.applyLanguage(lookup);
    m_frm_sol.applyInterfaceFont();
    m_platform.shell.setHelpLanguage(helpLanguage());
}

void TForm1::applyLanguageToMainWindow()
{
    for (Control &c : m_controls) {
        const ControlRow &row = c.row();
        const std::string key = lowerCase(row.name);
        switch (row.kind) {
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
        if (c.id != ControlId::Form1)
            c.hint = text(key + ".hint");
    }
    for (const ControlId id : {ControlId::mnc1, ControlId::mnc2, ControlId::mnc3, ControlId::mnc4})
        editControl(id).visible = true;
    editControl(ControlId::lbl1).caption = "Sudoku Kestrel";
    m_interfaceFontName = std::string(kInterfaceFontName);
    m_interfaceFontSize = kInterfaceFontSize;
}

// ---------------------------------------------------------------------------------------------
// Keyboard and window events

bool TForm1::ApplicationEvents1Message(const KeyPress &key, bool mainWindowActive)
{
    if (key.key != Key::Tab || key.withModifiers || key.fromKeypad || !mainWindowActive)
        return false;
    m_game.selectNextDigit();
    return true;
}

void TForm1::FormActivate()
{
    bool overCell = false;
    for (int r = 1; r <= 9 && !overCell; ++r)
        for (int c = 1; c <= 9 && !overCell; ++c)
            overCell = m_game.board().cell(r, c).isEnter();
    if (!overCell)
        m_frmtile.padOpen = false;
    m_frmtile.close();
}

void TForm1::mnAboutClick()
{
    m_frmAbout.emplace([this](std::string_view key) { return text(key); });
    m_platform.windows.showModal(TfrmAbout::kWindowName);
    m_frmAbout.reset();
}

void TForm1::webMenuClick(ControlId item)
{
    for (const WebPage &page : kWebPages)
        if (page.item == item)
            openHelpPage(page.page);
}

void TForm1::mnSolverWindowClick()
{
    m_platform.windows.showModeless("Tfrm_sol");
}

void TForm1::newGame(Level level)
{
    assert(levelNumber(level) < kBankLevels);
    if (!confirmAbandon())
        return;
    const std::string_view line = PuzzleBank::shipped().draw(levelNumber(level), m_game.random());
    m_game.newGame(level, line);
    m_frmtile.padOpen = false;
}

// ---------------------------------------------------------------------------------------------
// The board and the side panel

void TForm1::openCandidatePad(int row, int col)
{
    // The pad stands just below and right of the cell; the shell adds the window's corner.
    m_padOffset = {46 * col + 20, 46 * row + 90};
    m_frmtile.open(row, col);
    showStatus(text("howtoclosetile"));
}

void TForm1::cellClick(int row, int col, MouseButton button)
{
    if (!m_game.board().enabled || button == MouseButton::Middle)
        return; // only the left and right buttons act on the board
    if (m_game.marking()) {
        m_game.markCell(row, col, button);
        return;
    }
    if (m_frmtile.padOpen) {
        m_frmtile.padOpen = false;
        m_frmtile.close();
        return;
    }
    if (m_game.cellClick(row, col, button) == CellPressFollowUp::OpenCandidatePad)
        openCandidatePad(row, col);
}

void TForm1::checkBoxClick(ControlId box, bool checked)
{
    if (box == ControlId::cbautoupdate)
        m_game.setAutoUpdateChecked(checked);
    else if (box == ControlId::chkcolor)
        m_game.setMarking(checked);
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

void TForm1::disnote1MouseMove()
{
    showStatus(
        text(m_game.mode() == Mode::PartCandidates ? "rb_one_number_hint" : "rb_all_number_hint"));
}

void TForm1::hoverEnter(int row, int col, int digit)
{
    TPicNode &cell = m_game.board().cell(row, col);
    if (digit == 0)
        cell.setIsEnter(true);
    else
        cell.hxsPanels[static_cast<std::size_t>(digit)].setIsEnter(true);

    if (m_game.marking()) {
        showStatus(text("msg_color"));
        return;
    }
    if (digit != 0) {
        showStatus(text("msg_notcolor"));
        return;
    }
    if (cell.state == CellState::Given) {
        clearStatus();
        return;
    }
    switch (m_game.mode()) {
    case Mode::PencilAndPaper:
        showStatus(text("msg_rb_one"));
        break;
    case Mode::AllCandidates:
        showStatus(text(cell.state == CellState::Placed ? "msg_tb_all" : "msg_right_pop"));
        break;
    case Mode::PartCandidates:
        if (cell.state == CellState::Open)
            showStatus(text("msg_right_pop"));
        break;
    }
}

void TForm1::hoverLeave(int row, int col, int digit)
{
    TPicNode &cell = m_game.board().cell(row, col);
    if (digit == 0)
        cell.setIsEnter(false);
    else
        cell.hxsPanels[static_cast<std::size_t>(digit)].setIsEnter(false);
}

void TForm1::controlHovered(ControlId id)
{
    const ControlRow &row = controlRow(id);
    if (row.isSeparator)
        return;
    switch (row.kind) {
    case ControlKind::ToolButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::ColorGrid:
    case ControlKind::SpeedButton:
        showStatus(control(id).hint);
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
        if (id == ControlId::ndtxt)
            clearStatus();
        break;
    default:
        break;
    }
}

} // namespace kestrel
