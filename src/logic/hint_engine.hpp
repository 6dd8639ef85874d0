#pragma once
// The hint engine `Tfrmsolover`: the logic of the "Show Hint" window. It loads its own
// candidate grid from the main board once per opening, climbs a fixed ladder of human-style
// techniques until one fires, explains it in one Chinese text with highlights on the board,
// and carries it out on the board at the next press of its one button.
//
// Engine cell numbering. The engine keeps its own order of the 81 cells, chosen so that every
// unit is an arithmetic progression (first index, stride) of nine indices:
//
//   e = 9 * row + k           row 0..8 = board rows A..I
//   k = engine column         board column = 3 * (k % 3) + k / 3 + 1
//
//   engine column k   0  1  2  3  4  5  6  7  8
//   board column      1  4  7  2  5  8  3  6  9
//
//   row r            (9r, 1)
//   engine column k  (k, 9)
//   box (band b, stack s)  (27b + s, 3)     box of e: 27 * (e / 27) + e % 3
//
// Every loop over "columns" therefore visits board columns 1, 4, 7, 2, 5, 8, 3, 6, 9, and that
// order decides every first-found tie-break that involves columns.
//
// Candidate sets are 9-bit masks in the layout of DigitSet (bit d-1 = digit d, full set 511);
// a cell holding a value has mask 0. The hot loops keep them as plain ints and count them with
// DigitSet. The search works on fixed arrays only: nothing allocates inside a step except the
// hint text.

#include "core/board.hpp"
#include "core/digit_set.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kestrel {

/// Slots of the technique counters and their score weights.
enum class HintTechnique {
    HiddenSingle = 0,
    NakedSingle = 1,
    Intersection = 2,
    NakedSubset = 3,
    HiddenSubset = 4,
    RectangleCornerExcluded = 5,
    RectangleExtraDigit = 6,
    RectangleSplitPair = 7,
    ChainMixed = 8,
    ChainOneDigit = 9,
    ChainTwoCandidate = 10,
    Stuck = 11,
};

/// One rung of the ladder, for running a single technique on its own (tests, tools).
enum class HintSearch {
    HiddenSingle,
    NakedSingle,
    Intersection,
    Subsets,
    RectangleRowPairs,
    RectangleColumnPairs,
    RectangleSplitPairs,
    Rectangles, ///< the three rectangle searches in ladder order
    Chains,
};

/// Highlight colours of the hint engine ($00BBGGRR).
inline constexpr Colour kHintMagenta = 0x00FF00FF; ///< conclusion cells, pattern cells
inline constexpr Colour kHintCyan = 0x00FFFF00; ///< the unit, supporting cells
inline constexpr Colour kHintWhite = 0x00FFFFFF; ///< cleared

/// Fixed texts of the engine.
inline constexpr std::string_view kHintSolvedText = "已全部解答完成!";
inline constexpr std::string_view kHintNoSolutionText = "无解!";
inline constexpr std::string_view kHintStuckText
    = "难住我了，到http://forum.enjoysudoku.com/求助吧!!!";

class Tfrmsolover
{
public:
    static constexpr int kCells = 81;
    static constexpr int kFullMask = 511;
    static constexpr int kTechniqueSlots = 12;
    /// Score weight of each technique slot.
    static constexpr std::array<int, kTechniqueSlots> kWeights
        = {1, 10, 5, 20, 40, 30, 50, 50, 250, 50, 100, 800};

    /// An engine bound to the main board (not owned; must outlive the engine).
    explicit Tfrmsolover(TPICSD33 &board);

    // What the engine needs from the main window. Unset hooks mean: candidate mode, no
    // history, English texts.
    /// Answers whether the main window is in "Pencil and Paper" mode; asked at every use.
    std::function<bool()> isPencilAndPaperMode;
    /// Appends the board as a new step of the history and refreshes the history buttons.
    std::function<void()> recordMove;
    /// Text of a language key ("frmsolover.thinking", ".doitforme", ".nexthint").
    std::function<std::string(std::string_view)> lookup;

    // State of the window's controls.
    std::string caption = "Show Hint"; ///< window caption, set once at creation
    std::string memoText; ///< the hint memo's whole text
    std::string bthintCaption = "Next Hint"; ///< caption of the one hint button
    std::string button2Caption = "Close"; ///< caption of the close button, set once

    /// Creation of the window: empties the memo and takes the captions from `lookup`
    /// ("frmsolover.caption", ".nexthint", ".button2.caption"). Call once the hooks are set.
    void FormCreate();

    /// The hint button: carries out a pending single, otherwise shows the next hint (or carries
    /// out the shown one), then sets the caption for the next press.
    void bthintClick();
    /// The "Show hint" command of the main window: reset, then show the first hint.
    void openWindow();

    // --- engine operations -------------------------------------------------------------
    /// Empties the hint text, requests a load, clears the found/pending/search/chain state and
    /// the score (not the counters), fills the peer lists.
    void resetEngine();
    /// Loads the candidate grid from the board, honouring the mode of the main window.
    void loadFromBoard();
    /// One press of the hint logic: load if needed; write back a shown hint; else climb the
    /// ladder and set the text of the result.
    void nextStep();
    /// Clears highlights, shows "Thinking..." (or nothing when a hint is shown), runs nextStep.
    void showNextHint();
    /// Puts digit (1..9) into engine cell e and removes it from e's row, column and box.
    void placeDigit(int digit, int e);
    /// Carries out the pending single on the engine grid and on the board.
    void applyPendingPlacement();
    /// Writes the engine grid back to the board (candidates only outside Pencil and Paper).
    void writeBackToBoard();
    /// Paints board cell of engine cell e and its nine sub-panels.
    void highlightCell(int e, Colour colour);
    /// Paints all 81 board cells white.
    void clearHighlights();
    /// Clears highlights, paints the unit (first, stride) cyan and returns its name in a text.
    std::string unitText(int first, int stride);
    /// Name of engine cell e in hint texts, e.g. "A5" for e = 4.
    std::string cellName(int e) const;
    /// Appends an item to the cell list, ", " before every item but the first.
    void appendToList(std::string_view text);
    /// Returns the cell list and empties it.
    std::string takeList();
    /// Sets the memo's whole text and ends the search.
    void showText(std::string text);
    /// Remembers a single to place at the next press; the button then offers to do it.
    void setPendingPlacement(int digit, int e);
    /// Digits ascending without separator ("37").
    static std::string digitsPlain(DigitSet digits) { return digits.toText(); }
    /// Digits ascending joined by "," ("3,7").
    static std::string digitsComma(DigitSet digits);

    /// Runs one technique on the loaded grid with a fresh search; true when it fired.
    bool runTechnique(HintSearch search);

    // --- read-only state ---------------------------------------------------------------
    const std::array<int, kCells> &candMask() const { return m_candMask; }
    int placedCount() const { return m_placedCount; }
    const std::array<int, 9> &boxOpen() const { return m_boxOpen; }
    bool searching() const { return m_searching; }
    bool hintShown() const { return m_hintShown; }
    bool pendingPlacement() const { return m_pending.active; }
    int pendingDigit() const { return m_pending.digit; }
    int pendingCell() const { return m_pending.cell; }
    bool needsLoad() const { return m_needsLoad; }
    int difficultyScore() const { return m_difficultyScore; }
    const std::array<int, kTechniqueSlots> &techniqueCount() const { return m_techniqueCount; }
    const std::array<int, 20> &peers(int e) const { return m_peers[e]; }

    /// Board row 1..9 and column 1..9 of engine cell e.
    static constexpr int boardRow(int e) noexcept { return e / 9 + 1; }
    static constexpr int boardCol(int e) noexcept { return 3 * (e % 9 % 3) + e % 9 / 3 + 1; }
    /// Engine cell of board (row, col), both 1..9.
    static constexpr int engineCell(int row, int col) noexcept
    {
        return 9 * (row - 1) + 3 * ((col - 1) % 3) + (col - 1) / 3;
    }

private:
    struct Pending
    {
        bool active = false;
        int digit = 0;
        int cell = 0;
    };

    // Kinds of chain; the numbers are those of `chainType`.
    static constexpr int kChainOneDigit = 0;
    static constexpr int kChainTwoCandidate = 1;
    static constexpr int kChainMixed = 2;
    // Longest chain path: each (digit, cell, true/false) state is expanded at most once per
    // start, so a path never has more cells than there are states, plus the start.
    static constexpr int kMaxPath = 2 * 9 * kCells + 2;

    /// The digits of a mask.
    static constexpr DigitSet digitsOf(int mask) noexcept
    {
        return DigitSet(static_cast<std::uint16_t>(mask));
    }
    /// Number of digits of a mask.
    static constexpr int digitCount(int mask) noexcept { return digitsOf(mask).count(); }

    TPicNode &boardCell(int e) { return m_board.cell(boardRow(e), boardCol(e)); }
    std::string text(std::string_view key, std::string_view fallback) const;
    bool pencilAndPaper() const { return isPencilAndPaperMode && isPencilAndPaperMode(); }
    void addWeight(HintTechnique technique);
    void runLadder();

    // Singles, intersections and subsets (hint_singles.cpp).
    void findHiddenSingle();
    void findNakedSingle();
    void findIntersection();
    void findSubsets();
    void findSubsetsInUnit(int size, int first, int stride);
    bool findNakedSubset(int size, std::array<int, 9> &u, int first, int stride);
    void findHiddenSubset(int size, std::array<int, 9> &t, int first, int stride);

    // Unique rectangles (hint_rectangles.cpp).
    void findRectangleRowPairs();
    void findRectangleColumnPairs();
    void findRectangleSplitPairs();
    void tryRectangle(int a, int b, int c, int d, bool alongRows);
    void clearSplitPairDigit(int a, int b, int c, int d, int first, int stride);

    // Chains (hint_chains.cpp).
    void findChain();
    void buildLinkTables();
    void startChain(int maxDepth, int e, int type, int d);
    void offStep(int depth, int maxDepth, int d, int c);
    void onStep(int depth, int maxDepth, int d, int c);
    void reportChain(int depth, int d);
    void clearChainState();

    TPICSD33 &m_board;

    std::array<int, kCells> m_candMask{};
    int m_placedCount = 0;
    std::array<int, 9> m_boxOpen{};
    std::array<std::array<int, 20>, kCells> m_peers{};
    std::string m_cellList;
    bool m_searching = false;
    bool m_hintShown = false;
    Pending m_pending;
    bool m_needsLoad = true;
    int m_difficultyScore = 0;
    std::array<int, kTechniqueSlots> m_techniqueCount{};

    // Chain search state. Digits are indexed 0..8 (digit - 1).
    std::array<std::array<std::array<int, 20>, kCells>, 9> m_peerHolders{};
    std::array<std::array<std::array<int, 3>, kCells>, 9> m_strongPartner{};
    std::array<std::array<int, kCells>, 9> m_onMark{};
    std::array<std::array<int, kCells>, 9> m_offMark{};
    int m_searchStamp = 0;
    int m_chainStart = 0;
    int m_chainDigit = 0;
    int m_chainType = 0;
    bool m_deepen = false;
    // The current chain, indexed by depth: m_path[1] is the start cell, m_path[depth] the
    // newest. A step inside one cell keeps the depth, so it keeps the slot.
    std::array<int, kMaxPath + 1> m_path{};
};

} // namespace kestrel
