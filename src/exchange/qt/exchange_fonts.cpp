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
    font.setPointSize(9);
    return font;
}

} // namespace kestrel
