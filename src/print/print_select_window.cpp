#include "print/print_select_window.hpp"

#include "app/language_table.hpp"
#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

namespace kestrel {

namespace {

void setUnlessEmpty(std::string &caption, std::string text)
{
    if (!text.empty())
        caption = std::move(text);
}

} // namespace

Tfrmprintselect::Tfrmprintselect(const TPICSD33 &board, Platform &platform)
    : m_board(board), m_platform(platform)
{ }

void Tfrmprintselect::applyLanguage(const LanguageTable &table)
{
    styleGroupCaption = table.lookup("frmprintselect.radiogroup1.caption");
    normalCaption = table.lookup("frmprintselect.radiobutton1.caption");
    candidatesCaption = table.lookup("frmprintselect.radiobutton2.caption");
    setUnlessEmpty(okCaption, table.lookup("frmprintselect.speedbutton1.caption"));
    setUnlessEmpty(cancelCaption, table.lookup("frmprintselect.speedbutton2.caption"));
    paperGroupCaption = table.lookup("frmprintselect.pg2.caption");
    constexpr const char *kPaperItemKeys[]
        = {"frmprintselect.pg2.items[0]", "frmprintselect.pg2.items[1]",
           "frmprintselect.pg2.items[2]"};
    for (std::size_t i = 0; i < paperItems.size(); ++i)
        paperItems[i] = table.lookup(kPaperItemKeys[i]);
    m_writeFailedText = table.lookup("msg_print_write_failed");
    m_openFailedText = table.lookup("msg_print_open_failed");
}

AfterOk Tfrmprintselect::SpeedButton1Click()
{
    const std::vector<std::string> page = pageGenerator(style, paper).generate(m_board);
    const std::optional<std::string> path
        = m_platform.files.writePrivateLines(kPrintPageName, page);
    if (!path) {
        m_platform.dialogs.showError(m_writeFailedText, caption);
        return AfterOk::StayOpen;
    }
    if (!m_platform.shell.open(*path))
        m_platform.dialogs.showError(replaceAll(m_openFailedText, "%1", *path), caption);
    return AfterOk::Close;
}

} // namespace kestrel
