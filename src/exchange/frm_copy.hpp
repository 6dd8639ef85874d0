#pragma once
// The copy window's logic `Tfrmcopy`: the command "Copy Puzzle To Clipboard" renders the main
// board in one of four layouts (copy_layouts.hpp) into an editable text area, and Copy puts
// that text on the clipboard.
//
// The board is only read. Open cells without candidates are shown with their allowed
// candidates, as if they had been filled, but the main board and its step log stay exactly
// as they were: copying a puzzle is not a move.

#include "exchange/copy_layouts.hpp"
#include "game/game.hpp"

#include <array>
#include <string>
#include <vector>

namespace kestrel {

struct Platform;
class TPICSD33;

/// The cells the copy layouts show for `board`: every cell's state and `hxs`, an empty `hxs`
/// of a cell that is not a given replaced by its allowedHxs. `board` is not changed.
CopyBoard copySourceOf(const TPICSD33 &board);

/// The captions of the copy window, from the active language.
struct CopyCaptions
{
    std::string caption;
    std::string group; ///< "Select the format to be copied"
    std::array<std::string, 4> layouts; ///< in CopyLayout order
    std::string expressBlanks; ///< "Express blanks as"
    std::string copy;
    std::string close;
};

class Tfrmcopy
{
public:
    static constexpr std::string_view kWindowName = "Tfrmcopy";
    /// Outer size the command gives the window.
    static constexpr int kWidth = 725;
    static constexpr int kHeight = 309;

    Tfrmcopy(Platform &platform, TextLookup text);

    /// Sets every caption from the active language.
    void applyLanguage();

    /// The command: takes the board's cells (see copySourceOf), renders "No Candidate" and
    /// selects it. The caller then shows the window.
    void open(const TPICSD33 &board);

    /// A radio button: renders `layout`; the blank chooser shows for every layout but With
    /// Candidates.
    void RadioGroup1Click(CopyLayout layout);
    /// The player changed the blank chooser's text: re-rendered unless With Candidates.
    void setBlankText(std::string text);
    /// The player edited the text area.
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    /// Copy: the whole text to the clipboard (lines joined by CR LF), then the window closes.
    void Button1Click();
    /// Close: the window closes without copying.
    void Button2Click();

    CopyLayout layout() const { return m_layout; }
    const std::string &blankText() const { return m_blankText; }
    /// True while the label "Express blanks as" and the chooser are visible.
    bool blankChooserVisible() const { return m_layout != CopyLayout::WithCandidates; }
    const std::vector<std::string> &lines() const { return m_lines; }
    const CopyCaptions &captions() const { return m_captions; }
    /// The choices the blank chooser offers.
    static const std::array<std::string_view, 4> &blankChoices();

private:
    void render();

    Platform &m_platform;
    TextLookup m_text;
    CopyBoard m_source;
    CopyLayout m_layout = CopyLayout::NoCandidate;
    std::string m_blankText = ".";
    std::vector<std::string> m_lines;
    CopyCaptions m_captions;
};

} // namespace kestrel
