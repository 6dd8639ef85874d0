// The main window's "Save as picture" command.
#include "app/main_form.hpp"

#include "app/picture_export.hpp"
#include "core/digit_strings.hpp"
#include "platform/platform.hpp"

namespace kestrel {

void TForm1::btsavepicClick()
{
    // The board is taken as it shows at the click, before the dialog covers any of it.
    const std::unique_ptr<Picture> picture = m_platform.windows.grabBoardFrame();
    if (!picture) {
        m_platform.dialogs.showError(text("msg_picture_grab_failed"), m_caption);
        return;
    }
    const std::optional<std::string> chosen
        = m_platform.dialogs.saveFile(text("btsavepic.hint"), {}, kPictureFilter);
    if (!chosen)
        return;
    const std::string path = withPictureExtension(*chosen);
    if (!picture->save(path, pictureFormatFor(path)))
        m_platform.dialogs.showError(replaceAll(text("msg_file_write_failed"), "%1", path),
                                     m_caption);
}

} // namespace kestrel
