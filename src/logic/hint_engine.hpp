#pragma once
// The hint engine: the reasoning behind the "Show Hint" window, without any board. It loads a
// candidate grid, climbs a fixed ladder of human-style techniques until one fires, and explains
// it in one Chinese text with highlights kept as data (a colour per cell). How the step ended
// is a value (`HintOutcome`); the engine keeps its own values grid, so a caller reads the 81
// cells after a run without a board. The window logic (`Tfrmsolover`, hint_session.hpp) loads
// the engine from the main board, paints the highlights and writes the results back.
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
// DigitSet; the interface hands out DigitSet. The search works on fixed arrays only: nothing
// allocates inside a step except the hint text.

#include "core/colour.hpp"
#include "core/digit_set.hpp"
#include "logic/hint_full.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
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

/// How a search for the next hint ended.
enum class HintOutcome {
    Found, ///< a technique fired: its text and highlights are shown, the hint is pending
    Solved, ///< every cell holds a value
    Stuck, ///< the ladder found nothing, yet every open cell has a candidate
    NoSolution, ///< an open cell has no candidate left (or, on the full ladder, the puzzle
                ///< or its candidates allow no solution)
    SeveralSolutions, ///< full ladder only: stuck on a puzzle with more than one solution
};

/// Which techniques a search climbs.
enum class HintLadder {
    Described, ///< the first ladder alone: singles up to chains
    Full, ///< the first ladder, then where it is stuck the second (hint_full.hpp)
};

/// What a load takes from a grid.
enum class GridLoad {
    /// Values only, as in "Pencil and Paper" mode: every open cell starts with the digits its
    /// values' peers allow, whatever candidates the grid holds.
    ValuesOnly,
    /// Values and the candidates of the open cells as the grid holds them.
    WithCandidates,
};

/// One cell of a grid handed to the engine.
struct CandidateCell
{
    bool hasValue = false; ///< a given or placed cell; its digit may be missing (value 0)
    int value = 0; ///< digit 1..9 of a cell with a value, else 0
    DigitSet candidates; ///< candidates of an open cell (read by GridLoad::WithCandidates)
};

/// A whole grid, row-major in board order: index (row - 1) * 9 + col - 1.
using CandidateGrid = std::array<CandidateCell, 81>;

/// Highlight colours of the hint engine ($00BBGGRR).
inline constexpr Colour kHintMagenta = 0x00FF00FF; ///< conclusion cells, pattern cells
inline constexpr Colour kHintCyan = 0x00FFFF00; ///< the unit, supporting cells
inline constexpr Colour kHintWhite = 0x00FFFFFF; ///< cleared

/// Fixed texts of the engine. The window shows the stuck text of its language table; this one
/// is the text of every caller without a table.
inline constexpr std::string_view kHintSolvedText = "已全部解答完成!";
inline constexpr std::string_view kHintNoSolutionText = "无解!";
inline constexpr std::string_view kHintStuckText
    = "难住我了，到帮助的“解题技巧”页（techniques.htm）求助吧!!!";

class HintEngine
{
public:
    static constexpr int kCells = 81;
    static constexpr int kFullMask = 511;
    static constexpr int kTechniqueSlots = 12;
    /// Score weight of each technique slot.
    static constexpr std::array<int, kTechniqueSlots> kWeights
        = {1, 10, 5, 20, 40, 30, 50, 50, 250, 50, 100, 800};

    /// An empty engine: every cell open with all candidates, nothing found, counters at zero.
    HintEngine();

    // --- a run -------------------------------------------------------------------------
    /// Starts a new run: empties the text, clears the found/pending/search/chain state and the
    /// score (not the counters). The grid stays as it is until the next load.
    void reset();
    /// Loads `grid`: values as placed digits (each takes its digit from its peers), and with
    /// GridLoad::WithCandidates the open cells' candidates as given. Cells are read in engine
    /// order, so an open cell read before a value's cell loses that digit, one read after keeps
    /// what the grid says.
    void load(const CandidateGrid &grid, GridLoad how);
    /// Loads a puzzle of 81 characters, "1".."9" a value, anything else an open cell, values
    /// only. False (and nothing loaded) for a text of another length.
    bool loadPuzzle(std::string_view puzzle81);
    /// Climbs the ladder on the loaded grid. On Found the text, highlights and (for a single)
    /// the pending placement describe the hint, whose removals are already made in the grid;
    /// otherwise the text is the solved, stuck or no-solution text. A stuck step counts.
    HintOutcome findNextHint();
    /// Carries out the shown hint: places a pending single; a hint that removed candidates
    /// has nothing left to do. Clears the text and the highlights.
    void carryOut();
    /// Runs one technique on the loaded grid with a fresh search; true when it fired.
    bool runTechnique(HintSearch search);
    /// Shows the hint of one second-ladder technique on the loaded grid, the rest of both
    /// ladders passed over, as findNextHint shows a hint: text, highlights, removals made, a
    /// pending placement, the weight counted. True when it fired; false, with nothing changed,
    /// when it did not or the puzzle has not exactly one solution. For pictures and worked
    /// examples of a technique that the ladder reaches rarely or never.
    bool showFullTechnique(FullTechnique technique);

    // --- the grid ------------------------------------------------------------------------
    /// Puts digit (1..9) into engine cell e and removes it from e's row, column and box. Any
    /// other digit only marks the cell as holding a value.
    void placeDigit(int digit, int e);
    /// Candidates of engine cell e (empty for a cell with a value).
    DigitSet candidates(int e) const { return digitsOf(m_candMask[e]); }
    /// Digit of engine cell e, 0 when it is open (or holds a value without a digit).
    int value(int e) const { return m_value[e]; }
    /// The values grid: 81 characters row-major in board order, "1".."9" or "." for open.
    std::string valuesText() const;
    /// Number of cells holding a value.
    int placedCount() const { return m_placedCount; }
    /// Digits not yet placed in box `box` (band * 3 + stack), as the intersection search
    /// keeps them: a digit it has looked at in a box is taken out for the rest of the load.
    DigitSet boxOpen(int box) const { return digitsOf(m_boxOpen[box]); }

    // --- the hint ------------------------------------------------------------------------
    /// How the last findNextHint ended.
    HintOutcome outcome() const { return m_outcome; }
    /// The explanation of the last step (see findNextHint).
    const std::string &text() const { return m_text; }
    /// Highlight colour of engine cell e: white, cyan or magenta.
    Colour highlight(int e) const { return m_highlight[e]; }
    /// A hint is shown and not yet carried out.
    bool hintShown() const { return m_hintShown; }
    /// A shown single waits for carryOut to place pendingDigit() into engine cell
    /// pendingCell().
    bool pendingPlacement() const { return m_pending.active; }
    int pendingDigit() const { return m_pending.digit; }
    int pendingCell() const { return m_pending.cell; }
    /// Sum of the weights of the techniques used since the last reset.
    int difficultyScore() const { return m_difficultyScore; }
    /// Applications per technique slot since the engine was made.
    const std::array<int, kTechniqueSlots> &techniqueCount() const { return m_techniqueCount; }

    // --- text and highlight helpers of the techniques -----------------------------------
    /// Highlights engine cell e in `colour`.
    void highlightCell(int e, Colour colour) { m_highlight[e] = colour; }
    /// Every cell back to white.
    void clearHighlights() { m_highlight.fill(kHintWhite); }
    /// Clears highlights, highlights the unit (first, stride) cyan and returns its name in a
    /// text ("在行I", "在列4", "在右下九宫格").
    std::string unitText(int first, int stride);
    /// Name of engine cell e in hint texts, e.g. "A5" for e = 4.
    static std::string cellName(int e);
    /// Digits ascending without separator ("37").
    static std::string digitsPlain(DigitSet digits) { return digits.toText(); }
    /// Digits ascending joined by "," ("3,7").
    static std::string digitsComma(DigitSet digits);

    // --- the second ladder ---------------------------------------------------------------
    /// Chooses the ladder of the next searches; a new engine climbs the described one.
    void setLadder(HintLadder ladder) { m_ladder = ladder; }
    HintLadder ladder() const { return m_ladder; }
    /// Text of a language key for the second ladder's texts; unset means the Chinese texts.
    std::function<std::string(std::string_view)> lookup;
    /// Candidates of engine cell e that the shown hint removes (painted in kHintRemoved).
    DigitSet removedHighlight(int e) const { return digitsOf(m_removedHighlight[e]); }
    /// Applications of each second-ladder technique since the engine was made.
    const std::array<int, kFullTechniqueCount> &fullTechniqueCount() const { return m_fullCount; }
    /// Name of the hardest technique used since the last reset (the highest weight; "none").
    std::string_view hardestTechniqueName() const { return m_hardestName; }
    /// Name of each first-ladder technique slot, as `grade --full` prints it.
    static std::string_view techniqueName(HintTechnique technique) noexcept;
    /// The 20 peers of engine cell e, ascending.
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

    void appendToList(std::string_view text);
    std::string takeList();
    void showText(std::string text);
    void setPendingPlacement(int digit, int e);
    void addWeight(HintTechnique technique);
    void runLadder();

    // The second ladder (hint_engine_full.cpp).
    enum class PuzzleCheck { Unknown, Unique, Several, NoSolution };
    bool runFullLadder();
    void checkPuzzle();
    void applyDeduction(const Deduction &deduction);
    std::string fullText(const Deduction &deduction) const;
    void noteHardest(std::string_view name, int weight);

    // Singles, intersections and subsets (hint_singles.cpp).
    void findHiddenSingle();
    void findNakedSingle();
    void findIntersection();
    struct Crossing;
    /// Row 3b + i, or engine column s + 3i, through the box of band b, stack s.
    static Crossing rowCrossing(int b, int s, int i);
    static Crossing columnCrossing(int b, int s, int i);
    void findIntersectionOn(int box, const Crossing &crossing);
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

    std::array<int, kCells> m_candMask{};
    std::array<std::uint8_t, kCells> m_value{};
    int m_placedCount = 0;
    std::array<int, 9> m_boxOpen{};
    std::array<std::array<int, 20>, kCells> m_peers{};
    std::array<Colour, kCells> m_highlight{};
    std::string m_text;
    std::string m_cellList;
    HintOutcome m_outcome = HintOutcome::Found;
    bool m_searching = false;
    bool m_hintShown = false;
    Pending m_pending;
    int m_difficultyScore = 0;
    std::array<int, kTechniqueSlots> m_techniqueCount{};

    HintLadder m_ladder = HintLadder::Described;
    std::array<int, kCells> m_removedHighlight{};
    std::array<int, kFullTechniqueCount> m_fullCount{};
    std::string_view m_hardestName = "none";
    int m_hardestWeight = 0;
    PuzzleCheck m_check = PuzzleCheck::Unknown;
    std::string m_solution; ///< the one solution, row-major board order, once checked
    std::unique_ptr<ForcingScratch, ForcingScratchDeleter> m_forcing;

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
