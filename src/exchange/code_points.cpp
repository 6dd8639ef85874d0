#include "exchange/code_points.hpp"

namespace kestrel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, and the lowest code point it may encode
// (anything lower is an overlong form); 0 for a byte that cannot lead.
struct Lead
{
    int length;
    char32_t minimum;
    char32_t bits;
};

Lead leadOf(unsigned char byte)
{
    if (byte < 0x80)
        return {1, 0, byte};
    if ((byte & 0xE0) == 0xC0)
        return {2, 0x80, char32_t(byte & 0x1F)};
    if ((byte & 0xF0) == 0xE0)
        return {3, 0x800, char32_t(byte & 0x0F)};
    if ((byte & 0xF8) == 0xF0)
        return {4, 0x10000, char32_t(byte & 0x07)};
    return {0, 0, 0};
}

bool isScalarValue(char32_t ch)
{
    return ch <= 0x10FFFF && (ch < 0xD800 || ch > 0xDFFF);
}

} // namespace

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const Lead lead = leadOf(static_cast<unsigned char>(text[i]));
        if (lead.length == 0 || i + std::size_t(lead.length) > text.size()) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t ch = lead.bits;
        bool wellFormed = true;
        for (int k = 1; k < lead.length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((byte & 0xC0) != 0x80) {
                wellFormed = false;
                break;
            }
            ch = (ch << 6) | (byte & 0x3F);
        }
        if (!wellFormed || ch < lead.minimum || !isScalarValue(ch)) {
            // Only the lead byte is consumed: the bytes after it are read afresh.
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(ch);
        i += std::size_t(lead.length);
    }
    return out;
}

std::string encodeUtf8(char32_t ch)
{
    if (!isScalarValue(ch))
        ch = kReplacement;
    std::string out;
    if (ch < 0x80) {
        out += char(ch);
    } else if (ch < 0x800) {
        out += char(0xC0 | (ch >> 6));
        out += char(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += char(0xE0 | (ch >> 12));
        out += char(0x80 | ((ch >> 6) & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    } else {
        out += char(0xF0 | (ch >> 18));
        out += char(0x80 | ((ch >> 12) & 0x3F));
        out += char(0x80 | ((ch >> 6) & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    }
    return out;
}

std::u32string_view trimWhiteSpace(std::u32string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isWhiteSpace(text[begin]))
        ++begin;
    while (end > begin && isWhiteSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace kestrel
