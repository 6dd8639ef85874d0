#pragma once
// Conversion of the model's $00BBGGRR colours for painting.

#include "core/grid.hpp"

#include <QColor>

namespace kestrel {

/// The model colour `c` ($00BBGGRR: red in the low byte, blue in the third) as an opaque QColor.
inline QColor toQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace kestrel
