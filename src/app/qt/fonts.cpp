#include "app/qt/fonts.hpp"

#include <QFont>
#include <QStringList>

namespace kestrel {

void installFontSubstitutions()
{
    // The Chinese interface font; WenQuanYi Micro Hei carries every CJK glyph the tables use.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // Liberation Sans has Arial's metrics.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace kestrel
