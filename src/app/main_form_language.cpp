// The main window's language menu, the appearance command and the hidden language-table
// editor.
#include "app/main_form.hpp"

#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

#include <cctype>

namespace kestrel {

namespace {

std::string lowerCase(std::string_view s)
{
    std::string lower(s);
    for (char &ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

} // namespace

void TForm1::chooseLanguage(Language language)
{
    loadLanguage(language);
    settingsWritten(saveLanguageSetting(m_platform.settings, language));
}

void TForm1::settingsWritten(bool stored)
{
    if (stored) {
        m_settingsFailureShown = false;
        return;
    }
    // Said once, not at every later write that fails the same way (a window being resized).
    if (m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    m_platform.dialogs.showError(text("msg_settings_write_failed"), m_caption);
}

void TForm1::mnAppearanceClick()
{
    m_frmAppearance.FormShow();
    m_platform.windows.showModal("TfrmAppearance");
    m_frmAppearance.visible = false;
    // "OK" redrew the main board by state; the game's own colours go back on top.
    m_game.redrawBoard();
}

void TForm1::btn1Click()
{
    for (const Control &c : m_controls) {
        const ControlRow &row = c.row();
        const std::string name = lowerCase(row.name);
        switch (row.kind) {
        case ControlKind::ToolButton:
            m_lst1.append(name + ".caption=" + c.caption);
            m_lst1.append(name + ".hint=" + c.hint);
            break;
        case ControlKind::MenuItem:
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::SpeedButton:
            m_lst1.append(name + ".caption=" + c.caption);
            break;
        default:
            break;
        }
    }
    // The table goes into the data folder: a drive root is not writable for most players.
    const std::string path = joinPath(m_dataDirectory, "all.txt");
    if (!m_platform.files.writeLines(path, m_lst1.lines()))
        m_platform.dialogs.showError(replaceAll(text("msg_file_write_failed"), "%1", path),
                                     m_caption);
}

} // namespace kestrel
