#pragma once
// The About window `TfrmAbout`: the program's name and version beside its icon, what it
// does, the libraries and fonts it is built with and their licences, and a Close button. A
// fresh window is made for each Help > About and dropped when it closes; its texts are the
// keys "frm_about.*" of the language active when it opens.
//
//   [icon]  Sudoku Kestrel 5.0          title (lbl1), large
//           what the program does       description (lbl2)
//   Libraries and fonts:                creditsHeading (credits)
//     • Qt 6 — …                        one line per library or font (credit.*)
//                              [Close]  button1

#include "core/interface_font.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class TfrmAbout
{
public:
    /// Name of the window in the window host.
    static constexpr std::string_view kWindowName = "TfrmAbout";

    /// The window with its texts from `text` (the active language's lookup), read once here.
    explicit TfrmAbout(const std::function<std::string(std::string_view)> &text);

    std::string caption; ///< title bar
    std::string title; ///< product name and version
    std::string description;
    std::string creditsHeading;
    /// One line per library or font: its name, its licence and the notice it asks for.
    std::vector<std::string> credits;
    std::string closeCaption;
    InterfaceFont font = InterfaceFont::standard();

    /// Close: the window closes.
    void Button1Click() { m_closeRequested = true; }
    bool closeRequested() const { return m_closeRequested; }

private:
    bool m_closeRequested = false;
};

} // namespace kestrel
