#include "board/appearance.hpp"

#include "platform/platform.hpp"

#include <algorithm>
#include <cstdint>

namespace kestrel {

namespace {

// The preview's sample position, row by row: "[d]" a given, one digit a placed cell, more
// digits an open cell with those candidates.
constexpr std::array<std::string_view, 9> kSampleRows = {
    "48 [1] 5 [6] 2 [9] 48 3 [7]",
    "4689 48 [3] [7] 48 5 [2] 1469 1468",
    "246789 2478 2679 148 [3] 148 5 1469 1468",
    "2467 3 1267 489 4789 4678 147 1467 [5]",
    "467 47 [8] 5 [1] 467 [3] [2] 9",
    "5 [9] 167 3 47 [2] 147 [8] 146",
    "3 [6] 79 [2] [5] 1478 14789 1479 148",
    "[1] 5 79 489 [6] 3 4789 479 [2]",
    "2789 278 [4] 189 789 178 6 [5] [3]",
};

std::string colourText(Colour colour)
{
    // Stored as a signed 32-bit decimal, as the settings are read back.
    return std::to_string(static_cast<std::int32_t>(colour));
}

std::string flagText(bool checked)
{
    return checked ? "1" : "0";
}

AppearanceGroup groupOf(Swatch which)
{
    switch (which) {
    case Swatch::Panel1:
    case Swatch::Panel2:
        return AppearanceGroup::Background;
    case Swatch::fpanel1:
    case Swatch::fpanel2:
    case Swatch::fpanel3:
        return AppearanceGroup::FontColor;
    case Swatch::highpanle:
        break;
    }
    return AppearanceGroup::Highlight;
}

} // namespace

TfrmAppearance::TfrmAppearance(AppSettings &settings, SettingsStore &store, Dialogs &dialogs,
                               TPICSD33 &mainBoard)
    : m_settings(settings), m_store(store), m_dialogs(dialogs), m_mainBoard(mainBoard)
{
    // The swatches as designed, before any apply.
    editSwatch(Swatch::Panel1).color = 0x00FFFFFF;
    editSwatch(Swatch::Panel2).color = 14284791;
    editSwatch(Swatch::fpanel1).color = 0;
    editSwatch(Swatch::fpanel2).color = 0x00FF0000;
    editSwatch(Swatch::fpanel3).color = 4227327;
    editSwatch(Swatch::highpanle).color = 0x0000FFFF;
}

void TfrmAppearance::applyLanguage(const std::function<std::string(std::string_view)> &text)
{
    caption = text("frmappearance.caption");
    const std::array<std::string_view, 3> groups
        = {"frmappearance.groupbox1.caption", "frmappearance.groupbox2.caption",
           "frmappearance.groupbox3.caption"};
    const std::array<std::string_view, 3> boxes
        = {"frmappearance.checkbox1.caption", "frmappearance.checkbox2.caption",
           "frmappearance.checkbox3.caption"};
    const std::array<std::string_view, kSwatchCount> labels
        = {"frmappearance.label1.caption", "frmappearance.label2.caption",
           "frmappearance.label3.caption", "frmappearance.label4.caption",
           "frmappearance.label5.caption", "frmappearance.label6.caption"};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        groupCaptions[i] = text(groups[i]);
        checkBoxCaptions[i] = text(boxes[i]);
    }
    for (std::size_t i = 0; i < labels.size(); ++i)
        labelCaptions[i] = text(labels[i]);
    okCaption = text("frmappearance.button1.caption");
    cancelCaption = text("frmappearance.button2.caption");
    defaultCaption = text("frmappearance.button3.caption");
    font = InterfaceFont::standard();
}

void TfrmAppearance::FormCreate(const std::function<std::string(std::string_view)> &text)
{
    applyLanguage(text);
    fillSample();
    applySettings(sd1);
    applySettings(sd1);
    applySettings(m_mainBoard);
}

void TfrmAppearance::FormShow()
{
    applySettings(sd1);
    visible = true;
}

void TfrmAppearance::fillSample()
{
    for (int r = 1; r <= 9; ++r) {
        std::string_view row = kSampleRows[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c <= 9; ++c) {
            const std::size_t end = std::min(row.find(' '), row.size());
            std::string_view entry = row.substr(0, end);
            row.remove_prefix(std::min(end + 1, row.size()));
            TPicNode &cell = sd1.cell(r, c);
            const bool given = entry.starts_with('[');
            if (given)
                entry = entry.substr(1, entry.size() - 2);
            cell.hxs = std::string(entry);
            cell.state = given ? CellState::Given : CellState::Open;
        }
    }
    sd1.refresh();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = sd1.cell(r, c);
            if (cell.state != CellState::Given)
                cell.state = cell.hxs.size() == 1 ? CellState::Placed : CellState::Open;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The apply step

void TfrmAppearance::applySettings(TPICSD33 &board)
{
    if (tryApplySettings(board, true))
        return;
    resetSettings(m_settings);
    reportWrite(saveSettings(m_settings, m_store));
    if (tryApplySettings(board, true))
        return;
    // The store still holds the bad text because it cannot be written: reloading it again
    // would never end, so the defaults are applied from memory.
    resetSettings(m_settings);
    tryApplySettings(board, false);
}

bool TfrmAppearance::tryApplySettings(TPICSD33 &board, bool reload)
{
    // A reload that wrote nothing says nothing: only a refused write is worth telling.
    if (reload && !loadSettings(m_settings, m_store))
        reportWrite(false);

    setCheckBox(AppearanceGroup::Background, m_settings.reg_board_background_use_default == "1");
    const auto color1 = parseColourSetting(m_settings.reg_Board_color1);
    const auto color2 = parseColourSetting(m_settings.reg_Board_color2);
    if (!color1 || !color2)
        return false;
    editSwatch(Swatch::Panel1).color = *color1;
    editSwatch(Swatch::Panel2).color = *color2;
    showBackground(board);

    setCheckBox(AppearanceGroup::FontColor, m_settings.reg_Font_use_default == "1");
    const auto fixed = parseColourSetting(m_settings.reg_Font_color_Fix);
    const auto big = parseColourSetting(m_settings.reg_Font_color_Big);
    const auto candidate = parseColourSetting(m_settings.reg_Font_color_Candidate);
    if (!fixed || !big || !candidate)
        return false;
    editSwatch(Swatch::fpanel1).color = *fixed;
    editSwatch(Swatch::fpanel2).color = *big;
    editSwatch(Swatch::fpanel3).color = *candidate;
    showFontColors(board);

    setCheckBox(AppearanceGroup::Highlight, m_settings.reg_HighLight_use_default == "1");
    const auto highlight = parseColourSetting(m_settings.reg_HighLight_color);
    if (!highlight)
        return false;
    editSwatch(Swatch::highpanle).color = *highlight;
    showHighlight(board);
    return true;
}

void TfrmAppearance::setCheckBox(AppearanceGroup group, bool checked)
{
    // WARNING: a box that changes state here runs its click action at once, as a click
    // would; the group is then stored from the swatches before they are loaded, so a
    // colour picked before a cancel survives the reload of the next opening.
    if (m_checked[index(group)] == checked)
        return;
    m_checked[index(group)] = checked;
    clickAction(group);
}

void TfrmAppearance::clickAction(AppearanceGroup group)
{
    switch (group) {
    case AppearanceGroup::Background:
        storeBackground();
        showBackground(sd1);
        break;
    case AppearanceGroup::FontColor:
        storeFontColors();
        showFontColors(sd1);
        break;
    case AppearanceGroup::Highlight:
        storeHighlight();
        showHighlight(sd1);
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Events

void TfrmAppearance::checkBoxClick(AppearanceGroup group, bool checked)
{
    m_checked[index(group)] = checked;
    clickAction(group);
}

void TfrmAppearance::swatchClick(Swatch which)
{
    if (const auto picked = m_dialogs.pickColour(swatch(which).color))
        editSwatch(which).color = *picked;
    clickAction(groupOf(which));
}

void TfrmAppearance::Button1Click()
{
    saveOrGoBack();
    applySettings(m_mainBoard);
    visible = false;
}

void TfrmAppearance::Button3Click()
{
    resetSettings(m_settings);
    saveOrGoBack();
    applySettings(sd1);
}

void TfrmAppearance::saveOrGoBack()
{
    const bool stored = saveSettings(m_settings, m_store);
    reportWrite(stored);
    if (stored)
        return;
    // The store kept the choices saved before, and the dialog goes back to them whole: the
    // boxes are set to the stored flags first, so that the apply that follows reloads every
    // colour instead of running the box actions, which would carry the refused colours over.
    loadSettings(m_settings, m_store);
    m_checked
        = {m_settings.reg_board_background_use_default == "1",
           m_settings.reg_Font_use_default == "1", m_settings.reg_HighLight_use_default == "1"};
}

void TfrmAppearance::reportWrite(bool stored)
{
    if (onSettingsWritten)
        onSettingsWritten(stored);
}

// ---------------------------------------------------------------------------------------------
// Store and show

void TfrmAppearance::storeBackground()
{
    m_settings.reg_board_background_use_default = flagText(isChecked(AppearanceGroup::Background));
    m_settings.reg_Board_color1 = colourText(swatch(Swatch::Panel1).color);
    m_settings.reg_Board_color2 = colourText(swatch(Swatch::Panel2).color);
}

void TfrmAppearance::storeFontColors()
{
    m_settings.reg_Font_use_default = flagText(isChecked(AppearanceGroup::FontColor));
    m_settings.reg_Font_color_Fix = colourText(swatch(Swatch::fpanel1).color);
    m_settings.reg_Font_color_Big = colourText(swatch(Swatch::fpanel2).color);
    m_settings.reg_Font_color_Candidate = colourText(swatch(Swatch::fpanel3).color);
}

void TfrmAppearance::storeHighlight()
{
    m_settings.reg_HighLight_use_default = flagText(isChecked(AppearanceGroup::Highlight));
    m_settings.reg_HighLight_color = colourText(swatch(Swatch::highpanle).color);
}

void TfrmAppearance::showBackground(TPICSD33 &board)
{
    const bool standard = isChecked(AppearanceGroup::Background);
    board.UNFoucsColor1 = standard ? kDefaultBackground1 : swatch(Swatch::Panel1).color;
    board.UNFoucsColor2 = standard ? kDefaultBackground2 : swatch(Swatch::Panel2).color;
    board.refreshByState();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = board.cell(r, c);
            if (cell.state == CellState::Open)
                cell.setcolor(cell.color);
        }
    }
    showHighlight(board);
}

void TfrmAppearance::showFontColors(TPICSD33 &board)
{
    const bool standard = isChecked(AppearanceGroup::FontColor);
    board.FONTColor1 = standard ? kDefaultFixed : swatch(Swatch::fpanel1).color;
    board.FONTColor2 = standard ? kDefaultBig : swatch(Swatch::fpanel2).color;
    board.FONTColor3 = standard ? kDefaultCandidate : swatch(Swatch::fpanel3).color;
    board.refreshByState();
    showHighlight(board);
}

void TfrmAppearance::showHighlight(TPICSD33 &board)
{
    board.highcolor = isChecked(AppearanceGroup::Highlight) ? kDefaultHighlight
                                                            : swatch(Swatch::highpanle).color;
    if (&board != &sd1)
        return; // the main window paints its own highlights with the stored colour
    // The preview demonstrates the highlight of a digit on its "5" cells.
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (sd1.cell(r, c).hxs == "5")
                sd1.cell(r, c).color = sd1.highcolor;
}

} // namespace kestrel
