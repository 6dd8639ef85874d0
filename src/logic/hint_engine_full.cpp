// The engine's side of the second ladder: where the first ladder is stuck, check the puzzle
// once per load, run the second ladder's rungs (hint_full.hpp) and show what they found with
// the same highlights, pending placement and score as the first ladder's hints.
#include "core/solver.hpp"
#include "logic/hint_engine.hpp"

namespace kestrel {

namespace {

constexpr std::array<std::string_view, HintEngine::kTechniqueSlots> kSlotNames = {
    "HiddenSingle",
    "NakedSingle",
    "Intersection",
    "NakedSubset",
    "HiddenSubset",
    "UniqueRectangleCorner",
    "UniqueRectangleExtraDigit",
    "UniqueRectangleSplitPair",
    "ChainMixed",
    "ChainOneDigit",
    "ChainTwoCandidate",
    "Stuck",
};

/// `text` with every "{name}" replaced by `value`.
void replaceAll(std::string &text, std::string_view name, std::string_view value)
{
    for (std::size_t at = text.find(name); at != std::string::npos;
         at = text.find(name, at + value.size()))
        text.replace(at, name.size(), value);
}

/// Index of engine cell e in a row-major board-order grid.
constexpr int gridIndex(int e) noexcept
{
    return (HintEngine::boardRow(e) - 1) * 9 + HintEngine::boardCol(e) - 1;
}

} // namespace

std::string_view HintEngine::techniqueName(HintTechnique technique) noexcept
{
    return kSlotNames[static_cast<std::size_t>(technique)];
}

void HintEngine::noteHardest(std::string_view name, int weight)
{
    if (weight >= m_hardestWeight) {
        m_hardestWeight = weight;
        m_hardestName = name;
    }
}

void HintEngine::checkPuzzle()
{
    if (m_check != PuzzleCheck::Unknown)
        return;
    const UniqueOutcome outcome = countSolutions(valuesText());
    switch (outcome.result) {
    case UniqueResult::Unique:
        m_check = PuzzleCheck::Unique;
        m_solution = outcome.first;
        break;
    case UniqueResult::Several:
        m_check = PuzzleCheck::Several;
        break;
    default:
        m_check = PuzzleCheck::NoSolution;
        break;
    }
}

bool HintEngine::runFullLadder()
{
    int open = 0;
    for (int mask : m_candMask)
        open += mask > 0 ? 1 : 0;
    // A solved grid or an emptied cell is reported as the first ladder reports it.
    if (m_placedCount == kCells || open + m_placedCount != kCells)
        return true;
    checkPuzzle();
    const auto say = [this](HintOutcome outcome, std::string_view key, std::string_view zh) {
        m_outcome = outcome;
        m_text = lookup ? lookup(key) : std::string(zh);
        return false;
    };
    if (m_check == PuzzleCheck::Several)
        return say(HintOutcome::SeveralSolutions, "frmsolover.hint.several",
                   "这道题不止一个解, 无法再用逻辑推下去!");
    if (m_check == PuzzleCheck::NoSolution)
        return say(HintOutcome::NoSolution, "frmsolover.hint.nosolution", "这道题无解!");
    for (int e = 0; e < kCells; ++e) {
        const int digit = m_solution[static_cast<std::size_t>(gridIndex(e))] - '0';
        if (m_candMask[e] && !(m_candMask[e] & (1 << (digit - 1))))
            return say(HintOutcome::NoSolution, "frmsolover.hint.candidates",
                       "候选数中已删去了正确答案, 请检查!");
    }
    if (!m_forcing)
        m_forcing.reset(makeForcingScratch());
    Deduction deduction;
    ValueGrid values{};
    for (int e = 0; e < kCells; ++e)
        values[e] = m_value[e];
    if (findFullLadderStep(m_candMask, values, *m_forcing, m_solution, deduction))
        applyDeduction(deduction);
    return true;
}

bool HintEngine::showFullTechnique(FullTechnique technique)
{
    if (m_placedCount == kCells)
        return false;
    checkPuzzle();
    if (m_check != PuzzleCheck::Unique)
        return false;
    if (!m_forcing)
        m_forcing.reset(makeForcingScratch());
    Deduction deduction;
    ValueGrid values{};
    for (int e = 0; e < kCells; ++e)
        values[e] = m_value[e];
    const bool forcing = technique >= FullTechnique::ForcingChainContradiction
        && technique <= FullTechnique::NestedForcingChainUnit;
    if (forcing
            ? !findForcingKind(technique, m_candMask, values, *m_forcing, deduction)
            : !findFullTechnique(technique, m_candMask, values, *m_forcing, m_solution, deduction))
        return false;
    // What was shown before goes, as a new search would clear it.
    clearHighlights();
    m_removedHighlight.fill(0);
    m_text.clear();
    m_pending.active = false;
    applyDeduction(deduction);
    m_hintShown = true;
    m_searching = false;
    m_outcome = HintOutcome::Found;
    return true;
}

void HintEngine::applyDeduction(const Deduction &deduction)
{
    for (int e = 0; e < kCells; ++e) {
        if (deduction.colour[e])
            highlightCell(e, deduction.colour[e]);
        if (deduction.removals[e]) {
            m_removedHighlight[e] = deduction.removals[e] & m_candMask[e];
            m_candMask[e] &= ~deduction.removals[e];
        }
    }
    if (deduction.placeCell >= 0) {
        setPendingPlacement(deduction.placeDigit, deduction.placeCell);
        highlightCell(deduction.placeCell, kHintMagenta);
    }
    const FullTechniqueInfo &info = fullTechniqueInfo(deduction.technique);
    showText(fullText(deduction));
    m_difficultyScore += info.weight;
    ++m_fullCount[static_cast<std::size_t>(deduction.technique)];
    noteHardest(info.name, info.weight);
}

std::string HintEngine::fullText(const Deduction &deduction) const
{
    const FullTechniqueInfo &info = fullTechniqueInfo(deduction.technique);
    std::string text = lookup ? lookup(info.key) : std::string(info.fallback);
    std::string removes;
    if (deduction.placeCell >= 0) {
        removes = cellName(deduction.placeCell) + "=" + std::to_string(deduction.placeDigit);
    } else {
        for (int e = 0; e < kCells; ++e) {
            if (!deduction.removals[e])
                continue;
            if (!removes.empty())
                removes += ", ";
            removes += cellName(e) + "(" + digitsComma(digitsOf(deduction.removals[e])) + ")";
        }
    }
    replaceAll(text, "{digit}", deduction.digits);
    replaceAll(text, "{cells}", deduction.cells);
    replaceAll(text, "{chain}", deduction.chain);
    replaceAll(text, "{removes}", removes);
    return text;
}

} // namespace kestrel
