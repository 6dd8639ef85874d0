#include "platform/text_codec.hpp"

#include <cstdint>

namespace kestrel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

enum class ByteOrder { LittleEndian, BigEndian };

// UTF-16 code units to UTF-8. A surrogate that is not part of a proper pair, and an odd
// byte left at the end, each become U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, ByteOrder order)
{
    auto unitAt = [&](std::size_t i) -> char16_t {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return order == ByteOrder::LittleEndian ? static_cast<char16_t>(first | (second << 8))
                                                : static_cast<char16_t>((first << 8) | second);
    };
    auto isHigh = [](char16_t u) {
        return u >= 0xD800 && u <= 0xDBFF;
    };
    auto isLow = [](char16_t u) {
        return u >= 0xDC00 && u <= 0xDFFF;
    };

    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t k = 0; k < units; ++k) {
        const char16_t unit = unitAt(2 * k);
        if (isHigh(unit) && k + 1 < units && isLow(unitAt(2 * (k + 1)))) {
            const char16_t low = unitAt(2 * (k + 1));
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00));
            ++k;
        } else if (isHigh(unit) || isLow(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, kReplacement);
    return out;
}

bool startsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

} // namespace

std::vector<std::string> decodeLines(std::string_view bytes)
{
    std::string converted;
    std::string_view text = bytes;
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        text = bytes.substr(3);
    } else if (startsWith(bytes, "\xFF\xFE")) {
        converted = utf16ToUtf8(bytes.substr(2), ByteOrder::LittleEndian);
        text = converted;
    } else if (startsWith(bytes, "\xFE\xFF")) {
        converted = utf16ToUtf8(bytes.substr(2), ByteOrder::BigEndian);
        text = converted;
    }

    // CR and LF never occur inside a multi-byte UTF-8 sequence, so splitting bytes is safe.
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string encodeLines(const std::vector<std::string> &lines)
{
    std::string out;
    for (const std::string &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace kestrel
