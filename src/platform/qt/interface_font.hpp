#pragma once
// A window logic's interface font on its Qt window.

#include "core/interface_font.hpp"

#include <QFont>
#include <QWidget>

namespace kestrel {

/// Gives `window` and every child without a font of its own the face and size of `font`;
/// an empty face leaves the designed font. Faces missing on the machine fall back through
/// the substitutions of app/qt/fonts.cpp and the font matching of the platform.
inline void applyInterfaceFont(QWidget &window, const InterfaceFont &font)
{
    if (font.name.empty())
        return;
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPointSize(font.pointSize);
    window.setFont(qfont);
}

} // namespace kestrel
