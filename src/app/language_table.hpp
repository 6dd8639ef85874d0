#pragma once
// The active interface-language table: ordered "key=value" lines. Every text the program shows
// is looked up here by key at the moment it is shown.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

/// The three tables shipped with the program.
enum class Language { English, Chinese, Japanese };

/// The shipped table's text ("key=value" lines).
std::string_view shippedLanguageText(Language language);

/// The short code a language is stored under: "en", "zh" or "ja".
std::string_view languageCode(Language language);
/// The language of a stored code (ASCII case ignored); nothing for any other text.
std::optional<Language> languageFromCode(std::string_view code);
/// The locale whose translations of Qt's own texts go with the language ("en", "zh_CN", "ja").
std::string_view qtLocaleName(Language language);

class LanguageTable
{
public:
    /// Replaces every line by the lines of `text` (CR LF, LF or CR separated; a UTF-8 BOM is
    /// skipped; empty lines are dropped).
    void loadText(std::string_view text);
    /// Replaces every line by the shipped table of `language`.
    void load(Language language);
    /// The value of the first line whose key equals `key` ignoring ASCII letter case; the key
    /// ends at the line's first "=". The empty text when there is no such line.
    std::string lookup(std::string_view key) const;
    /// Appends one "key=value" line.
    void append(std::string line) { m_lines.push_back(std::move(line)); }

    const std::vector<std::string> &lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

} // namespace kestrel
