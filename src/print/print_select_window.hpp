#pragma once
// The print selection window `Tfrmprintselect`: the print style and the paper size, kept
// between openings (the window is made once with the main window), and OK, which writes the
// printable page of the board into the program's private folder and opens it.

#include "print/print_page.hpp"

#include <array>
#include <string>

namespace kestrel {

class LanguageTable;
class TPICSD33;
struct Platform;

/// What OK leaves the window doing.
enum class AfterOk { Close, StayOpen };

/// The print selection window's logic.
class Tfrmprintselect
{
public:
    /// A window printing `board` and writing and opening the page through `platform` (both
    /// must outlive the window).
    Tfrmprintselect(const TPICSD33 &board, Platform &platform);

    std::string caption = "Sudoku Kestrel 5.0"; ///< the application title
    std::string styleGroupCaption = "Select Print Style";
    std::string normalCaption = "Normal";
    std::string candidatesCaption = "With Candidates";
    std::string paperGroupCaption = "Paper Size";
    std::array<std::string, 3> paperItems{"Small   (A4)", "Normal   (A3)", "Big  (A2)"};
    std::string okCaption = "OK";
    std::string cancelCaption = "Cancel";

    PrintStyle style = PrintStyle::Normal;
    PaperSize paper = PaperSize::A4;

    /// Sets the texts from the active language table; the flat buttons keep their caption
    /// when the table has none for them.
    void applyLanguage(const LanguageTable &table);
    /// OK: writes "print_temp.htm" of the chosen style and paper size into the private folder
    /// and opens it with the default handler. A page that cannot be written is reported and
    /// the window stays open (the player may try again or cancel); a page no program could be
    /// started for is reported with its path, and the window closes.
    AfterOk SpeedButton1Click();

private:
    const TPICSD33 &m_board;
    Platform &m_platform;
    std::string m_writeFailedText;
    std::string m_openFailedText;
};

} // namespace kestrel
