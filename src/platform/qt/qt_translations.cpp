#include "platform/qt/qt_translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kestrel {

QtTranslations::QtTranslations(QString directory) : m_directory(std::move(directory))
{
    if (m_directory.isEmpty())
        m_directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QtTranslations::~QtTranslations()
{
    remove();
}

void QtTranslations::remove()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
}

bool QtTranslations::apply(std::string_view localeName)
{
    remove();
    const QString locale
        = QString::fromUtf8(localeName.data(), static_cast<qsizetype>(localeName.size()));
    if (locale.isEmpty() || locale == QLatin1String("en"))
        return true;
    // "qtbase" holds the message box buttons and the standard dialogs.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale, m_directory))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}

} // namespace kestrel
