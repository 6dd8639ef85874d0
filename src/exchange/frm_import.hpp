#pragma once
// The Import window's logic `TfrmImport`: the text area's lines, the hint line, the four
// example buttons, and OK, which recognises the text and fills the create board of the
// Import-or-create window. The window is created once; its text stays between openings.

#include "game/game.hpp"

#include <array>
#include <string>
#include <vector>

namespace kestrel {

struct Platform;
class TPICSD33;

/// The captions of the Import window, from the active language.
struct ImportCaptions
{
    std::string caption; ///< "Import Sudoku"
    std::string compatibleFormats; ///< "Compatible Formats:"
    std::string ok;
    std::string cancel;
    std::array<std::string, 4> examples; ///< "Example 1" .. "Example 4"
    std::array<std::string, 4> exampleHints; ///< shown when the mouse is over an example
};

class TfrmImport
{
public:
    /// Name of the window in the window host.
    static constexpr std::string_view kWindowName = "TfrmImport";
    static constexpr int kClientWidth = 709;
    static constexpr int kClientHeight = 324;

    /// The window filling `createBoard` (the Import-or-create window's board; it must
    /// outlive this window) and taking its texts from `text`.
    TfrmImport(Platform &platform, TextLookup text, TPICSD33 &createBoard);

    /// Sets every caption and the hint line from the active language (at creation and each
    /// time the window is shown).
    void applyLanguage();

    /// The lines of the text area.
    const std::vector<std::string> &lines() const { return m_lines; }
    /// The player typed or pasted: the text area now holds `lines`.
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    /// Context menu "Clear": the text area becomes empty.
    void clearClick() { m_lines = {std::string()}; }

    /// Example button `example` (1..4): its example replaces the text, the texts are set
    /// again and the hint line shows the example's description.
    void exampleClick(int example);
    /// OK: recognises the text and fills the create board (conflicts marked, redrawn), or
    /// says "Invalid format." and leaves the board as it was; the window closes either way.
    void okClick();
    /// Cancel: the window closes, nothing changes.
    void cancelClick();

    const ImportCaptions &captions() const { return m_captions; }
    /// The text of the hint line.
    const std::string &hintLine() const { return m_hintLine; }

    /// The lines of example `example` (1..4).
    static const std::vector<std::string> &exampleLines(int example);

private:
    Platform &m_platform;
    TextLookup m_text;
    TPICSD33 &m_createBoard;
    std::vector<std::string> m_lines{std::string()};
    ImportCaptions m_captions;
    std::string m_hintLine;
};

} // namespace kestrel
