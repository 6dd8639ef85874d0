#include "app/window_layout.hpp"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

constexpr ControlRect kBoardFrame{6, 31, 466, 462};

int rounded(double v)
{
    return static_cast<int>(std::lround(v));
}

/// True for the controls inside the board frame (Panel1 and what it holds).
bool isInBoardFrame(ControlId id)
{
    for (std::optional<ControlId> at = id; at; at = controlRow(*at).parent)
        if (*at == ControlId::Panel1)
            return true;
    return false;
}

} // namespace

double boardScale(int width, int height)
{
    const double byWidth
        = static_cast<double>(width - kDesignedClientWidth + kBoardFrame.width) / kBoardFrame.width;
    const double byHeight = static_cast<double>(height - kDesignedClientHeight + kBoardFrame.height)
        / kBoardFrame.height;
    return std::max(1.0, std::min(byWidth, byHeight));
}

ControlRect scaled(const ControlRect &r, double scale)
{
    return {rounded(r.x * scale), rounded(r.y * scale), rounded(r.width * scale),
            rounded(r.height * scale)};
}

ControlRect placeControl(ControlId id, int width, int height)
{
    const ControlRow &row = controlRow(id);
    ControlRect r = row.geometry;
    if (row.kind == ControlKind::MenuItem || id == ControlId::Form1)
        return r;
    const double s = boardScale(width, height);
    const int grownWidth = rounded(kBoardFrame.width * s) - kBoardFrame.width;
    const int grownHeight = rounded(kBoardFrame.height * s) - kBoardFrame.height;
    if (id == ControlId::Panel1)
        return {r.x, r.y, r.width + grownWidth, r.height + grownHeight};
    if (id == ControlId::lbl1) {
        // The site label keeps its size and stays in the frame's lower right corner.
        const ControlRect panel = placeControl(ControlId::Panel2, width, height);
        const ControlRect designed = controlRow(ControlId::Panel2).geometry;
        return {r.x + panel.width - designed.width, r.y + panel.height - designed.height, r.width,
                r.height};
    }
    if (isInBoardFrame(id))
        return scaled(r, s);
    if (row.parent)
        return r; // inside a toolbar or a group: placed by its parent
    if (id == ControlId::ToolBar1)
        return r;
    if (id == ControlId::ToolBar2)
        return {r.x, r.y + grownHeight, r.width, r.height};
    if (id == ControlId::sb1)
        return {r.x, r.y + grownHeight, std::max(r.width, width), r.height};
    // The side panel: right of the board frame.
    return {r.x + grownWidth, r.y, r.width, r.height};
}

} // namespace kestrel
