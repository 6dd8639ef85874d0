#pragma once
// How the main window's client area is laid out at a size other than its designed one. The
// board grows with the window, keeping its square cells; the side panel and the lower toolbar
// move aside to make room and keep their designed sizes, as do the upper toolbar and the
// controls in them. The status line runs the whole width at the bottom.
//
//   designed: 593 x 540      board frame Panel1 at (6, 31), 466 x 462
//   scale s = min(grown width / 466, grown height / 462), never below 1
//   Panel1 and everything inside it: every coordinate times s
//   side panel (right of the board): x + 466 (s - 1);  ToolBar2: y + 462 (s - 1)

#include "app/main_controls.hpp"

namespace kestrel {

/// The client area's designed size.
inline constexpr int kDesignedClientWidth = 593;
inline constexpr int kDesignedClientHeight = 540;

/// The scale of the board in a client area of `width` x `height` pixels (1 at the designed
/// size and below it).
double boardScale(int width, int height);

/// Where control `id` stands inside its parent in a client area of `width` x `height`.
/// Menu items and toolbar spacers keep their (empty) rectangles.
ControlRect placeControl(ControlId id, int width, int height);

/// `r` with every coordinate multiplied by `scale` (rounded to whole pixels).
ControlRect scaled(const ControlRect &r, double scale);

} // namespace kestrel
