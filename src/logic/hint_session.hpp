#pragma once
// The "Show Hint" window `Tfrmsolover`: one hint session on the main board. At each opening it
// loads a HintEngine from the board, shows the engine's first hint, paints its highlights on
// the board and, at the next press of its one button, carries the hint out on the board. The
// reasoning lives in the engine (hint_engine.hpp); this class owns the window's controls and
// everything that touches the board.
//
// The one button, press by press:
//
//   state before the press            the press                        caption after it
//   --------------------------------  -------------------------------  ----------------
//   a single is pending               places it, redraws the board     Next Hint
//   a hint that removed candidates    writes the candidates back       Next Hint
//   nothing shown                     looks for the next hint          Do It For Me when
//                                                                      one is shown, else
//                                                                      Next Hint
//
// The caption always says what the next press does; an opening sets it like the last row.

#include "core/board.hpp"
#include "core/interface_font.hpp"
#include "logic/hint_engine.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace kestrel {

/// The board as the engine loads it: with GridLoad::ValuesOnly a cell whose `hxs` is one digit
/// holds that value (a player's single pencil mark counts) and every other mark is ignored;
/// with GridLoad::WithCandidates every given or placed cell holds its digit and an open cell
/// offers the digits of its `hxs`.
CandidateGrid boardGrid(const TPICSD33 &board, GridLoad how);

class Tfrmsolover
{
public:
    /// A window bound to the main board (not owned; must outlive the window).
    explicit Tfrmsolover(TPICSD33 &board);

    // What the window needs from the main window. Unset hooks mean: candidate mode, no
    // history, English texts.
    /// Answers whether the main window is in "Pencil and Paper" mode; asked at every use.
    std::function<bool()> isPencilAndPaperMode;
    /// Appends the board as a new step of the history and refreshes the history buttons.
    std::function<void()> recordMove;
    /// Text of a language key ("frmsolover.thinking", ".doitforme", ".nexthint", ".stuck").
    std::function<std::string(std::string_view)> lookup;

    // State of the window's controls.
    std::string caption = "Show Hint"; ///< window caption, set once at creation
    std::string memoText; ///< the hint memo's whole text
    std::string bthintCaption = "Next Hint"; ///< caption of the one hint button
    std::string button2Caption = "Close"; ///< caption of the close button, set once
    InterfaceFont font; ///< the window's text font, set by FormCreate

    /// Creation of the window: empties the memo and takes the captions from `lookup`
    /// ("frmsolover.caption", ".nexthint", ".button2.caption"), then the interface font. Call
    /// once the hooks are set, and again whenever the language changes.
    void FormCreate();
    /// The hint button: carries out a pending single, otherwise shows the next hint (or carries
    /// out the shown one), then sets the caption for the next press.
    void bthintClick();
    /// The "Show hint" command of the main window: a new run on a fresh load of the board,
    /// the first hint shown and the caption set for the next press.
    void openWindow();

    /// Loads the engine from the board, honouring the mode of the main window.
    void loadFromBoard();
    /// Writes the engine's candidates back to the board (not in Pencil and Paper mode) and
    /// redraws the placed cells.
    void writeBackToBoard();

    /// Shows the hint of one second-ladder technique on the board as it stands (see
    /// HintEngine::showFullTechnique), painted and captioned as the hint button shows a hint;
    /// the next press carries it out. True when the technique fired.
    bool showFullTechnique(FullTechnique technique);

    /// The engine of the window.
    const HintEngine &engine() const { return m_engine; }
    HintEngine &engine() { return m_engine; }

private:
    TPicNode &boardCell(int e)
    {
        return m_board.cell(HintEngine::boardRow(e), HintEngine::boardCol(e));
    }
    std::string text(std::string_view key, std::string_view fallback) const;
    bool pencilAndPaper() const { return isPencilAndPaperMode && isPencilAndPaperMode(); }
    void showNextHint();
    void nextStep();
    void placePendingOnBoard();
    void paintHighlights();
    void markRemovals();
    void setCaptionForNextPress();

    TPICSD33 &m_board;
    HintEngine m_engine;
    bool m_needsLoad = true;
};

} // namespace kestrel
