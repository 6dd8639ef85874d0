// The frame of the second ladder: the technique table, cell sets, unit tables and the order in
// which the rungs run.
#include "logic/hint_full.hpp"

#include "logic/hint_engine.hpp"

#include <bit>

namespace kestrel {

namespace {

// Weights are HoDoKu's default scores: Forcing Chain 500 for the chains on singles, Forcing Net 700
// for the dynamic ones (HoDoKu's nets follow more than one implication at a time, as these do).
// HoDoKu has no nested chains; they sit above its nets and far below its Brute Force (10000). In
// each reach the two kinds past the contradiction cost more because a player needs more branches
// to follow; the trial costs most.
constexpr std::array<FullTechniqueInfo, kFullTechniqueCount> kInfo = {{
    {"RemotePair", "frmsolover.hint.remotepair",
     "远程数对: {cells} 都是 {digit}, 隔奇数步相连, 删除 {removes}", 110},
    {"Skyscraper", "frmsolover.hint.skyscraper", "摩天楼: 数字 {digit} 在 {cells}, 删除 {removes}",
     130},
    {"X-Wing", "frmsolover.hint.xwing", "X-Wing: 数字 {digit} 在 {cells}, 删除 {removes}", 140},
    {"TwoStringKite", "frmsolover.hint.kite", "双线风筝: 数字 {digit} 在 {cells}, 删除 {removes}",
     150},
    {"Swordfish", "frmsolover.hint.swordfish", "剑鱼: 数字 {digit} 在 {cells}, 删除 {removes}",
     150},
    {"W-Wing", "frmsolover.hint.wwing", "W-Wing: {cells} 都是 {digit}, 删除 {removes}", 150},
    {"SimpleColouring", "frmsolover.hint.colouring",
     "单数字染色: 数字 {digit}, {chain}, 删除 {removes}", 150},
    {"XY-Wing", "frmsolover.hint.xywing", "XY-Wing: {cells}, 删除 {removes}", 160},
    {"Jellyfish", "frmsolover.hint.jellyfish", "水母: 数字 {digit} 在 {cells}, 删除 {removes}",
     160},
    {"XYZ-Wing", "frmsolover.hint.xyzwing", "XYZ-Wing: {cells}, 删除 {removes}", 180},
    {"GroupedAIC", "frmsolover.hint.aic", "交替推理链: {chain}, 删除 {removes}", 300},
    {"ALS-XZ", "frmsolover.hint.alsxz", "ALS-XZ: {cells}, 共同数字 {digit}, 删除 {removes}", 300},
    {"ForcingChainContradiction", "frmsolover.hint.forcing.contradiction",
     "强制链: 假设 {cells} 是 {digit}, {chain}, 矛盾, 删除 {removes}", 500},
    {"ForcingChainCell", "frmsolover.hint.forcing.cell",
     "格强制链: {cells} 的每个候选数都得出同一结论: {removes}", 550},
    {"ForcingChainUnit", "frmsolover.hint.forcing.unit",
     "区域强制链: 数字 {digit} 在 {cells} 的每个位置都得出同一结论: {removes}", 600},
    {"DynamicForcingChainContradiction", "frmsolover.hint.forcing.dynamic.contradiction",
     "动态强制链: 假设 {cells} 是 {digit}, 用唯一数、区块和数对数组推下去, {chain} 矛盾, 删除 "
     "{removes}",
     700},
    {"DynamicForcingChainCell", "frmsolover.hint.forcing.dynamic.cell",
     "动态格强制链: {cells} 的每个候选数用唯一数、区块和数对数组推下去都得出同一结论: {removes}",
     750},
    {"DynamicForcingChainUnit", "frmsolover.hint.forcing.dynamic.unit",
     "动态区域强制链: 数字 {digit} 在 {cells} 的每个位置用唯一数、区块和数对数组推下去都得出同一结"
     "论: {removes}",
     800},
    {"NestedForcingChainContradiction", "frmsolover.hint.forcing.nested.contradiction",
     "嵌套强制链: 假设 {cells} 是 {digit}, 推下去并在其中再用一层强制链删数, {chain} 矛盾, 删除 "
     "{removes}",
     900},
    {"NestedForcingChainCell", "frmsolover.hint.forcing.nested.cell",
     "嵌套格强制链: {cells} 的每个候选数推下去 (其中再用一层强制链) 都得出同一结论: {removes}",
     950},
    {"NestedForcingChainUnit", "frmsolover.hint.forcing.nested.unit",
     "嵌套区域强制链: 数字 {digit} 在 {cells} 的每个位置推下去 (其中再用一层强制链) "
     "都得出同一结论: "
     "{removes}",
     1000},
    {"Trial", "frmsolover.hint.trial",
     "试探 (由求解器搜索得出, 并非逻辑推理): {cells} 填 {digit} 后无解, 删除 {removes}", 2000},
}};

} // namespace

const FullTechniqueInfo &fullTechniqueInfo(FullTechnique technique) noexcept
{
    return kInfo[static_cast<std::size_t>(technique)];
}

int CellSet::count() const noexcept
{
    return std::popcount(lo) + std::popcount(hi);
}

int CellSet::first() const noexcept
{
    return lo ? std::countr_zero(lo) : 64 + std::countr_zero(hi);
}

bool Deduction::removesSomething() const noexcept
{
    for (const std::uint16_t mask : removals)
        if (mask)
            return true;
    return false;
}

GridTables::GridTables() noexcept
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            units[i][j] = 9 * i + j;
            units[9 + i][j] = i + 9 * j;
            units[18 + i][j] = 27 * (i / 3) + i % 3 + 9 * (j / 3) + 3 * (j % 3);
        }
    }
    for (int u = 0; u < 27; ++u) {
        for (const int e : units[u]) {
            unitCells[u].add(e);
            unitsOf[e][u / 9] = u;
        }
    }
    for (int e = 0; e < 81; ++e) {
        for (const int u : unitsOf[e])
            peers[e] = peers[e] | unitCells[u];
        peers[e] = peers[e].minus(
            CellSet{e < 64 ? std::uint64_t(1) << e : 0, e < 64 ? 0 : std::uint64_t(1) << (e - 64)});
    }
}

const GridTables &gridTables() noexcept
{
    static const GridTables tables;
    return tables;
}

CellSet cellsWith(const MaskGrid &grid, int d) noexcept
{
    CellSet cells;
    const int bit = 1 << (d - 1);
    for (int e = 0; e < 81; ++e)
        if (grid[e] & bit)
            cells.add(e);
    return cells;
}

CellSet seenByAll(CellSet cells) noexcept
{
    const GridTables &t = gridTables();
    CellSet seen{~std::uint64_t(0), (std::uint64_t(1) << 17) - 1};
    for (int e = 0; e < 81; ++e)
        if (cells.has(e))
            seen = seen & t.peers[e];
    return seen;
}

std::string cellListText(CellSet cells)
{
    std::string text;
    for (int e = 0; e < 81; ++e) {
        if (!cells.has(e))
            continue;
        if (!text.empty())
            text += ", ";
        text += HintEngine::cellName(e);
    }
    return text;
}

bool markRemovals(const MaskGrid &grid, Deduction &deduction, CellSet cells, int d)
{
    const int bit = 1 << (d - 1);
    bool any = false;
    for (int e = 0; e < 81; ++e) {
        if (cells.has(e) && (grid[e] & bit)) {
            deduction.removals[e] |= static_cast<std::uint16_t>(bit);
            any = true;
        }
    }
    return any;
}

void colourCells(Deduction &deduction, CellSet cells, Colour colour)
{
    for (int e = 0; e < 81; ++e)
        if (cells.has(e))
            deduction.colour[e] = colour;
}

bool findFullTechnique(FullTechnique technique, const MaskGrid &grid, const ValueGrid &values,
                       ForcingScratch &scratch, std::string_view solution81, Deduction &deduction)
{
    // Each rung starts from an empty deduction: a rung that gave up half way leaves marks.
    deduction = Deduction{};
    switch (technique) {
    case FullTechnique::RemotePair:
        return findRemotePair(grid, deduction);
    case FullTechnique::Skyscraper:
        return findSkyscraper(grid, deduction);
    case FullTechnique::XWing:
        return findFish(grid, 2, deduction);
    case FullTechnique::TwoStringKite:
        return findTwoStringKite(grid, deduction);
    case FullTechnique::Swordfish:
        return findFish(grid, 3, deduction);
    case FullTechnique::WWing:
        return findWWing(grid, deduction);
    case FullTechnique::SimpleColouring:
        return findSimpleColouring(grid, deduction);
    case FullTechnique::XYWing:
        return findXYWing(grid, deduction);
    case FullTechnique::Jellyfish:
        return findFish(grid, 4, deduction);
    case FullTechnique::XYZWing:
        return findXYZWing(grid, deduction);
    case FullTechnique::GroupedAic:
        return findGroupedAic(grid, deduction);
    case FullTechnique::AlsXz:
        return findAlsXz(grid, deduction);
    case FullTechnique::ForcingChainContradiction:
        return findForcingChain(grid, values, scratch, deduction);
    case FullTechnique::DynamicForcingChainContradiction:
        return findDynamicForcingChain(grid, values, scratch, deduction);
    case FullTechnique::NestedForcingChainContradiction:
        return findNestedForcingChain(grid, values, scratch, deduction);
    case FullTechnique::Trial:
        return !solution81.empty() && findTrial(grid, solution81, deduction);
    default:
        // The cell and unit kinds of a reach are found by its contradiction rung.
        return false;
    }
}

bool findFullLadderStep(const MaskGrid &grid, const ValueGrid &values, ForcingScratch &scratch,
                        std::string_view solution81, Deduction &deduction)
{
    for (int t = 0; t < kFullTechniqueCount; ++t)
        if (findFullTechnique(static_cast<FullTechnique>(t), grid, values, scratch, solution81,
                              deduction))
            return true;
    return false;
}

} // namespace kestrel
