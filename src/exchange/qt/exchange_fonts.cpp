#include "exchange/qt/exchange_fonts.hpp"

namespace kestrel {

QFont exchangeTextFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(8);
    return font;
}

QFont exchangeWindowFont()
{
    QFont font(QStringLiteral("宋体"));
    // 9 points at the 96 dots per inch the window layouts were drawn for.
    font.setPixelSize(12);
    return font;
}

} // namespace kestrel
