#include "app/about_window.hpp"

namespace kestrel {

TfrmAbout::TfrmAbout(const std::function<std::string(std::string_view)> &text)
    : caption(text("frm_about.caption")), title(text("frm_about.lbl1.caption")),
      description(text("frm_about.lbl2.caption")), creditsHeading(text("frm_about.credits")),
      closeCaption(text("frm_about.button1.caption"))
{
    // The libraries the program links and the fonts its package installs for it.
    for (const char *key : {"frm_about.credit.qt", "frm_about.credit.libjpeg",
                            "frm_about.credit.wenquanyi", "frm_about.credit.liberation"})
        credits.push_back(text(key));
}

} // namespace kestrel
