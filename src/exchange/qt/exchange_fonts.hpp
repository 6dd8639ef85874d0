#pragma once
// Fonts of the exchange windows.

#include <QFont>

namespace kestrel {

/// The text areas' "Courier New", 8 points; where that face is missing, font matching falls
/// back to a fixed-width face so that the layouts stay aligned.
QFont exchangeTextFont();

/// The common window font of the interface (宋体, 9 points).
QFont exchangeWindowFont();

} // namespace kestrel
