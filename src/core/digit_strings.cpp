#include "core/digit_strings.hpp"

namespace kestrel {

std::string padLeft(int width, std::string_view s, char c)
{
    std::string out;
    if (static_cast<int>(s.size()) < width)
        out.assign(static_cast<std::size_t>(width) - s.size(), c);
    out.append(s);
    return out;
}

std::string padRight(int width, std::string_view s, char c)
{
    std::string out(s);
    if (static_cast<int>(s.size()) < width)
        out.append(static_cast<std::size_t>(width) - s.size(), c);
    return out;
}

std::string sortedDigits(std::string_view s)
{
    std::string out;
    for (char d = '1'; d <= '9'; ++d)
        if (s.find(d) != std::string_view::npos)
            out.push_back(d);
    return out;
}

bool isDigitChar(std::string_view s)
{
    return s.size() == 1 && s[0] >= '1' && s[0] <= '9';
}

int countOf(std::string_view sub, std::string_view s)
{
    if (sub.empty())
        return 0;
    int count = 0;
    for (auto pos = s.find(sub); pos != std::string_view::npos; pos = s.find(sub, pos + 1))
        ++count;
    return count;
}

std::string removeDigits(std::string_view s, std::string_view t)
{
    std::string out(s);
    for (auto it = t.rbegin(); it != t.rend(); ++it) {
        const auto pos = out.find(*it);
        if (pos != std::string::npos)
            out.erase(pos, 1);
    }
    return out;
}

std::string replaceAll(std::string text, std::string_view what, std::string_view with)
{
    if (what.empty())
        return text;
    for (auto pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + with.size()))
        text.replace(pos, what.size(), with);
    return text;
}

std::string_view trimmed(std::string_view s)
{
    auto isBlank = [](char ch) {
        return static_cast<unsigned char>(ch) <= 32;
    };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace kestrel
