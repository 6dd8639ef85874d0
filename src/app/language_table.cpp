#include "app/language_table.hpp"

// Defined by the build from src/app/lang/<stem>.txt.
std::string_view embeddedLanguageTable(std::string_view stem);

namespace kestrel {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: keys are ASCII, and folding bytes of a UTF-8 sequence would
// corrupt them.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::string_view shippedLanguageText(Language language)
{
    switch (language) {
    case Language::English:
        return embeddedLanguageTable("en");
    case Language::Chinese:
        return embeddedLanguageTable("zh");
    case Language::Japanese:
        return embeddedLanguageTable("ja");
    }
    return {};
}

std::string_view languageCode(Language language)
{
    switch (language) {
    case Language::English:
        return "en";
    case Language::Chinese:
        return "zh";
    case Language::Japanese:
        return "ja";
    }
    return {};
}

std::optional<Language> languageFromCode(std::string_view code)
{
    for (const Language language : {Language::English, Language::Chinese, Language::Japanese})
        if (equalsIgnoringAsciiCase(code, languageCode(language)))
            return language;
    return std::nullopt;
}

std::string_view qtLocaleName(Language language)
{
    switch (language) {
    case Language::English:
        return "en";
    case Language::Chinese:
        return "zh_CN";
    case Language::Japanese:
        return "ja";
    }
    return {};
}

void LanguageTable::loadText(std::string_view text)
{
    m_lines.clear();
    if (text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());

    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        const std::string_view line
            = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        if (!line.empty())
            m_lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        // CR LF counts as one break; a lone CR or LF as one each.
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    }
}

void LanguageTable::load(Language language)
{
    loadText(shippedLanguageText(language));
}

std::string LanguageTable::lookup(std::string_view key) const
{
    for (const std::string &line : m_lines) {
        const std::size_t separator = line.find('=');
        if (separator == std::string::npos)
            continue;
        const std::string_view lineKey(line.data(), separator);
        if (equalsIgnoringAsciiCase(lineKey, key))
            return line.substr(separator + 1);
    }
    return {};
}

} // namespace kestrel
