#pragma once
// Qt's own texts — the standard buttons of message boxes ("Yes", "No", "OK", "Cancel") and the
// colour, file and input dialogs — in the interface language, from the translations Qt ships
// (Debian's qt6-translations-l10n puts them in Qt's translations folder).

#include <QString>
#include <QTranslator>

#include <memory>
#include <string_view>

namespace kestrel {

class QtTranslations
{
public:
    /// Qt's translations folder, or `directory` instead (tests).
    explicit QtTranslations(QString directory = {});
    ~QtTranslations();
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

    /// Installs Qt's translation for `localeName` ("zh_CN", "ja") in the application in place
    /// of the previous one; "en" (Qt's own language) or an empty name only removes it. Every
    /// widget then receives a LanguageChange event. False when no translation file was found
    /// for the locale (Qt's texts stay English).
    bool apply(std::string_view localeName);

private:
    void remove();

    QString m_directory;
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace kestrel
