// Alternating inference chains with grouped nodes. A node is a digit in one cell, or a digit in
// the two or three cells where a box meets a line (a group: "the digit is in one of them").
//
//   strong link  X = Y   at least one of X, Y is true: the only two nodes of a digit in a unit
//                        covering all its places, or the two digits of a bivalue cell
//   weak link    X - Y   at most one is true: one digit in two nodes that see each other, or
//                        two digits of one cell
//
// A chain A = B - C = ... = Z starts and ends with a strong link, so A or Z is true, and a
// candidate that is false whenever A is true and whenever Z is true goes. A chain that comes
// back to A as true (A is false implies A is true) places A. The search is a breadth-first walk
// over (node, true/false) from each start, so the shortest chain of a start is shown.
#include "logic/hint_engine.hpp"
#include "logic/hint_full.hpp"

#include <vector>

namespace kestrel {

namespace {

struct Node
{
    int digit;
    CellSet cells;
    bool single;
    int cell; ///< the cell of a single node
};

struct ChainGraph
{
    std::vector<Node> nodes;
    std::vector<std::vector<int>> strong;
    std::vector<std::vector<int>> weak;
};

bool allSee(CellSet a, CellSet b)
{
    const GridTables &t = gridTables();
    for (CellSet rest = a; !rest.isEmpty();) {
        const int e = rest.first();
        if (!b.minus(t.peers[e]).isEmpty())
            return false;
        CellSet one;
        one.add(e);
        rest = rest.minus(one);
    }
    return true;
}

void collectNodes(const MaskGrid &grid, ChainGraph &graph)
{
    const GridTables &t = gridTables();
    for (int e = 0; e < 81; ++e) {
        for (int d = 1; d <= 9; ++d) {
            if (grid[e] & (1 << (d - 1))) {
                CellSet one;
                one.add(e);
                graph.nodes.push_back(Node{d, one, true, e});
            }
        }
    }
    for (int d = 1; d <= 9; ++d) {
        const CellSet with = cellsWith(grid, d);
        for (int box = 18; box < 27; ++box) {
            for (int line = 0; line < 18; ++line) {
                const CellSet group = with & t.unitCells[box] & t.unitCells[line];
                if (group.count() >= 2)
                    graph.nodes.push_back(Node{d, group, false, -1});
            }
        }
    }
}

void collectLinks(const MaskGrid &grid, ChainGraph &graph)
{
    const GridTables &t = gridTables();
    const int n = static_cast<int>(graph.nodes.size());
    graph.strong.assign(static_cast<std::size_t>(n), {});
    graph.weak.assign(static_cast<std::size_t>(n), {});
    for (int i = 0; i < n; ++i) {
        const Node &x = graph.nodes[i];
        for (int j = 0; j < n; ++j) {
            const Node &y = graph.nodes[j];
            if (i == j)
                continue;
            if (x.digit != y.digit) {
                if (x.single && y.single && x.cell == y.cell) {
                    graph.weak[i].push_back(j);
                    if (std::popcount(static_cast<unsigned>(grid[x.cell])) == 2)
                        graph.strong[i].push_back(j);
                }
                continue;
            }
            if (!(x.cells & y.cells).isEmpty() || !allSee(x.cells, y.cells))
                continue;
            graph.weak[i].push_back(j);
            const CellSet both = x.cells | y.cells;
            const CellSet with = cellsWith(grid, x.digit);
            for (int u = 0; u < 27; ++u) {
                if ((t.unitCells[u] & with) == both) {
                    graph.strong[i].push_back(j);
                    break;
                }
            }
        }
    }
}

std::string nodeText(const Node &node)
{
    return std::to_string(node.digit) + "[" + cellListText(node.cells) + "]";
}

/// The chain from the start to state `s` (node * 2 + isTrue), read back through `parent`.
std::string chainText(const ChainGraph &graph, const std::vector<int> &parent, int s)
{
    std::vector<int> states;
    for (int at = s; at >= 0; at = parent[static_cast<std::size_t>(at)])
        states.push_back(at);
    std::string text;
    for (std::size_t k = states.size(); k-- > 0;) {
        const int state = states[k];
        if (!text.empty())
            text += state % 2 ? " = " : " - ";
        text += nodeText(graph.nodes[static_cast<std::size_t>(state / 2)]);
    }
    return text;
}

/// Removals of a chain from A to Z; true when there are any.
bool chainRemovals(const MaskGrid &grid, const Node &a, const Node &z, Deduction &deduction)
{
    if (a.digit == z.digit) {
        const CellSet both = a.cells | z.cells;
        return markRemovals(grid, deduction,
                            (seenByAll(both) & cellsWith(grid, a.digit)).minus(both), a.digit);
    }
    if (!a.single || !z.single)
        return false;
    if (a.cell == z.cell) {
        const int others = grid[a.cell] & ~(1 << (a.digit - 1)) & ~(1 << (z.digit - 1));
        deduction.removals[a.cell] |= static_cast<std::uint16_t>(others);
        return others != 0;
    }
    if (!gridTables().peers[a.cell].has(z.cell))
        return false;
    CellSet at, zt;
    at.add(a.cell);
    zt.add(z.cell);
    const bool one = markRemovals(grid, deduction, at, z.digit);
    const bool two = markRemovals(grid, deduction, zt, a.digit);
    return one || two;
}

void colourChain(const ChainGraph &graph, const std::vector<int> &parent, int s,
                 Deduction &deduction)
{
    for (int at = s; at >= 0; at = parent[static_cast<std::size_t>(at)])
        colourCells(deduction, graph.nodes[static_cast<std::size_t>(at / 2)].cells,
                    at % 2 ? kHintMagenta : kHintCyan);
}

} // namespace

bool findGroupedAic(const MaskGrid &grid, Deduction &deduction)
{
    // WARNING: builds its graph on the heap; the rung runs only where every cheaper one failed.
    ChainGraph graph;
    collectNodes(grid, graph);
    collectLinks(grid, graph);
    const int n = static_cast<int>(graph.nodes.size());
    std::vector<int> parent(static_cast<std::size_t>(2 * n));
    std::vector<int> depth(static_cast<std::size_t>(2 * n));
    std::vector<int> queue(static_cast<std::size_t>(2 * n));
    for (int start = 0; start < n; ++start) {
        std::fill(depth.begin(), depth.end(), -1);
        int head = 0, tail = 0;
        const int first = 2 * start; // the start assumed false
        depth[first] = 0;
        parent[first] = -1;
        queue[tail++] = first;
        while (head < tail) {
            const int s = queue[head++];
            const bool isTrue = s % 2;
            const auto &next = isTrue ? graph.weak[s / 2] : graph.strong[s / 2];
            for (const int j : next) {
                const int t = 2 * j + (isTrue ? 0 : 1);
                if (depth[t] >= 0)
                    continue;
                depth[t] = depth[s] + 1;
                parent[t] = s;
                queue[tail++] = t;
                if (!(t % 2) || depth[t] < 3)
                    continue;
                const Node &a = graph.nodes[start];
                Deduction found;
                found.technique = FullTechnique::GroupedAic;
                if (j == start) {
                    if (!a.single)
                        continue;
                    found.placeCell = a.cell;
                    found.placeDigit = a.digit;
                } else if (!chainRemovals(grid, a, graph.nodes[j], found)) {
                    continue;
                }
                colourChain(graph, parent, t, found);
                found.chain = chainText(graph, parent, t);
                found.digits = std::to_string(a.digit);
                deduction = std::move(found);
                return true;
            }
        }
    }
    return false;
}

} // namespace kestrel
