#include "platform/qt/qt_platform.hpp"

#include "platform/qt/help_window.hpp"
#include "platform/text_codec.hpp"

#include <QClipboard>
#include <QColor>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QInputDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrel {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStdString(const QString &text)
{
    return text.toUtf8().toStdString();
}

// Colours travel as $00BBGGRR: red in the low byte.
QColor toQColor(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

Colour fromQColor(const QColor &colour)
{
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8)
        | (static_cast<Colour>(colour.blue()) << 16);
}

QString boxTitle(std::string_view title)
{
    return title.empty() ? QGuiApplication::applicationDisplayName() : toQString(title);
}

std::optional<std::string> chosenPath(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return toStdString(path);
}

// QSettings separates groups with "/"; the program's keys are written with "\".
QString settingsPath(std::string_view key, std::string_view name = {})
{
    QString path = toQString(key);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.empty())
        path += QLatin1Char('/') + toQString(name);
    return path;
}

} // namespace

// --- QtDialogs ----------------------------------------------------------------------------

void QtDialogs::inform(std::string_view text, std::string_view title)
{
    QMessageBox::information(m_parent, boxTitle(title), toQString(text));
}

void QtDialogs::showError(std::string_view text, std::string_view title)
{
    QMessageBox::critical(m_parent, boxTitle(title), toQString(text));
}

bool QtDialogs::confirm(std::string_view text, std::string_view title)
{
    return QMessageBox::question(m_parent, boxTitle(title), toQString(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::openFile(std::string_view title, std::string_view directory,
                                               std::string_view filter)
{
    return chosenPath(QFileDialog::getOpenFileName(m_parent, toQString(title), toQString(directory),
                                                   toQString(filter)));
}

std::optional<std::string> QtDialogs::saveFile(std::string_view title, std::string_view directory,
                                               std::string_view filter)
{
    // The program asks its own overwrite question where it wants one.
    return chosenPath(QFileDialog::getSaveFileName(m_parent, toQString(title), toQString(directory),
                                                   toQString(filter), nullptr,
                                                   QFileDialog::DontConfirmOverwrite));
}

std::optional<std::string> QtDialogs::inputText(std::string_view title, std::string_view prompt,
                                                std::string_view initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, toQString(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(initial), &accepted);
    if (!accepted)
        return std::nullopt;
    return toStdString(text);
}

std::optional<Colour> QtDialogs::pickColour(Colour initial)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

// --- QtWindowHost -------------------------------------------------------------------------

void QtWindowHost::registerWindow(std::string_view name, QWidget *window)
{
    m_windows[std::string(name)] = window;
}

QWidget *QtWindowHost::window(std::string_view name) const
{
    const auto it = m_windows.find(name);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void QtWindowHost::registerWindowMaker(std::string_view name, std::function<QDialog *()> make)
{
    m_makers[std::string(name)] = std::move(make);
}

void QtWindowHost::showModal(std::string_view name)
{
    if (const auto maker = m_makers.find(name); maker != m_makers.end()) {
        const std::unique_ptr<QDialog> dialog(maker->second());
        if (dialog)
            dialog->exec();
        return;
    }
    QWidget *widget = window(name);
    if (auto *dialog = qobject_cast<QDialog *>(widget))
        dialog->exec();
    else if (widget)
        widget->show();
}

void QtWindowHost::showModeless(std::string_view name)
{
    if (QWidget *widget = window(name)) {
        widget->show();
        widget->raise();
    }
}

void QtWindowHost::close(std::string_view name)
{
    if (QWidget *widget = window(name))
        widget->hide();
}

void QtWindowHost::place(std::string_view name, int left, int top)
{
    if (QWidget *widget = window(name))
        widget->move(left, top);
}

namespace {

// The grab of the board frame, kept from the click until it is saved.
class QtPicture final : public Picture
{
public:
    explicit QtPicture(QImage image) : m_image(std::move(image)) { }

    bool save(std::string_view path, PictureFormat format) const override
    {
        // QSaveFile writes beside the target and renames on commit: a failed write leaves no
        // partial file and an old file as it was.
        QSaveFile file(toQString(path));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QImageWriter writer(&file, format == PictureFormat::Jpeg ? "jpeg" : "bmp");
        if (!writer.write(m_image)) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }

private:
    QImage m_image;
};

} // namespace

bool QtWindowHost::runLater(int milliseconds, std::function<void()> callback)
{
    // A single shot on the application's event loop: it runs between events, never inside
    // another handler.
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(callback));
    return true;
}

std::unique_ptr<Picture> QtWindowHost::grabBoardFrame()
{
    if (!m_boardFrame)
        return nullptr;
    // Rendered at one device pixel per pixel, so the picture has exactly the frame's width
    // and height on any screen scale; what the frame paints (labels, board, marks, highlights,
    // conflict colours) is what the screen shows.
    QImage image(m_boardFrame->size(), QImage::Format_RGB32);
    image.fill(m_boardFrame->palette().window().color());
    m_boardFrame->render(&image);
    return std::make_unique<QtPicture>(std::move(image));
}

// --- QtClipboard --------------------------------------------------------------------------

std::string QtClipboard::text() const
{
    return toStdString(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

// --- QtSettingsStore ----------------------------------------------------------------------

QtSettingsStore::QtSettingsStore()
{
#ifdef Q_OS_WIN
    // Rooted at the hive so that a key names the same registry key it names elsewhere.
    m_settings
        = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
    m_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("SudokuKestrel"),
                                             QStringLiteral("SudokuKestrel"));
#endif
}

QtSettingsStore::QtSettingsStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{ }

bool QtSettingsStore::hasKey(std::string_view key) const
{
    m_settings->beginGroup(settingsPath(key));
    const bool found = !m_settings->allKeys().isEmpty();
    m_settings->endGroup();
    return found;
}

std::string QtSettingsStore::readValue(std::string_view key, std::string_view name) const
{
    return toStdString(m_settings->value(settingsPath(key, name)).toString());
}

bool QtSettingsStore::writeValue(std::string_view key, std::string_view name,
                                 std::string_view value)
{
    if (!m_settings->isWritable())
        return false;
    m_settings->setValue(settingsPath(key, name), toQString(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool QtSettingsStore::writeValues(std::string_view key, const Values &values)
{
    if (!m_settings->isWritable())
        return false;
    std::vector<std::pair<QString, QVariant>> before;
    for (const auto &[name, value] : values) {
        const QString path = settingsPath(key, name);
        before.emplace_back(path, m_settings->value(path));
        m_settings->setValue(path, toQString(value));
    }
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    for (const auto &[path, value] : before) {
        if (value.isValid())
            m_settings->setValue(path, value);
        else
            m_settings->remove(path);
    }
    return false;
}

// --- QtPaths ------------------------------------------------------------------------------

namespace {

std::string withoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return toStdString(path);
}

// The per-user application-data folder itself (~/.local/share, %APPDATA%, …): AppDataLocation
// with the organisation and application folders Qt appends to it taken off again.
QString applicationDataRoot()
{
    // Taken apart as text: QDir::cdUp refuses folders that do not exist yet.
    QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QCoreApplication::organizationName().isEmpty())
        path = QFileInfo(path).path();
    if (!QCoreApplication::applicationName().isEmpty())
        path = QFileInfo(path).path();
    return path;
}

} // namespace

QtPaths::QtPaths(std::optional<std::string> dataDirectory)
{
    if (dataDirectory) {
        m_dataDirectory = withoutTrailingSeparator(toQString(*dataDirectory));
    } else if (const QString fromEnvironment = qEnvironmentVariable("KESTREL_DATA_DIR");
               !fromEnvironment.isEmpty()) {
        m_dataDirectory = withoutTrailingSeparator(fromEnvironment);
    } else {
        m_dataDirectory = toStdString(applicationDataRoot() + QStringLiteral("/sudokuKestrel"));
    }
}

std::string QtPaths::programDirectory() const
{
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
}

std::string QtPaths::tempDirectory() const
{
    if (!m_tempDirectory)
        m_tempDirectory = std::make_unique<QTemporaryDir>();
    if (m_tempDirectory->isValid())
        return withoutTrailingSeparator(m_tempDirectory->path());
    return withoutTrailingSeparator(QDir::tempPath());
}

// --- QtTextFiles --------------------------------------------------------------------------

std::optional<std::vector<std::string>> QtTextFiles::readLines(std::string_view path) const
{
    QFile file(toQString(path));
    if (QFileInfo(file).isDir()) {
        m_lastError = "Is a directory";
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_lastError = toStdString(file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_lastError = toStdString(file.errorString());
        return std::nullopt;
    }
    return decodeLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool QtTextFiles::writeLines(std::string_view path, const std::vector<std::string> &lines)
{
    // QSaveFile writes beside the target and renames on commit; on any failure the old file
    // is left as it was.
    QSaveFile file(toQString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        m_lastError = toStdString(file.errorString());
        return false;
    }
    const std::string bytes = encodeLines(lines);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size()))
        != static_cast<qint64>(bytes.size())) {
        m_lastError = toStdString(file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_lastError = toStdString(file.errorString());
        return false;
    }
    return true;
}

bool QtTextFiles::exists(std::string_view path) const
{
    return QFileInfo::exists(toQString(path));
}

bool QtTextFiles::isDirectory(std::string_view path) const
{
    return QFileInfo(toQString(path)).isDir();
}

bool QtTextFiles::makeDirectory(std::string_view path)
{
    const QString directory = toQString(path);
    QDir().mkpath(directory);
    return QFileInfo(directory).isDir();
}

bool QtTextFiles::setCurrentDirectory(std::string_view path)
{
    return QDir::setCurrent(toQString(path));
}

std::optional<QString> QtTextFiles::privateDirectory() const
{
    QString base = m_privateBase ? toQString(*m_privateBase) : QString();
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty() || !QDir().mkpath(base))
        return std::nullopt;
    const QString folder = base + QStringLiteral("/sudokuKestrel");
#ifdef Q_OS_UNIX
    // Made owner-only; an existing folder is taken only when it is a real folder of this user
    // (lstat: a link there is refused, not followed), and is made owner-only again.
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat status
    {
    };
    if (::lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || status.st_uid != ::geteuid())
        return std::nullopt;
    if ((status.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return std::nullopt;
#else
    // The per-user folders of Windows are the user's own.
    if (QFileInfo(folder).isSymLink() || !QDir().mkpath(folder))
        return std::nullopt;
#endif
    return folder;
}

std::optional<std::string> QtTextFiles::writePrivateLines(std::string_view name,
                                                          const std::vector<std::string> &lines)
{
    const std::optional<QString> folder = privateDirectory();
    if (!folder)
        return std::nullopt;
    const QString target = *folder + QLatin1Char('/') + toQString(name);
    // A fresh owner-only file beside the target (created exclusively, so nothing planted is
    // opened), renamed over whatever stands under the name: rename replaces a link instead of
    // following it. QSaveFile is not used here because it writes through a link.
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return std::nullopt;
    const std::string bytes = encodeLines(lines);
    if (temporary.write(bytes.data(), static_cast<qint64>(bytes.size()))
            != static_cast<qint64>(bytes.size())
        || !temporary.flush())
        return std::nullopt;
    temporary.close();
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(QFile::encodeName(temporary.fileName()).toStdString()),
        std::filesystem::path(QFile::encodeName(target).toStdString()), error);
    if (error)
        return std::nullopt; // the temporary file is removed with `temporary`
    temporary.setAutoRemove(false);
    return toStdString(target);
}

// --- QtShell ------------------------------------------------------------------------------

bool QtShell::open(std::string_view fileOrUrl)
{
    const QString text = toQString(fileOrUrl);
    const QUrl asUrl(text);
    // A scheme of one letter is a Windows drive ("C:/…"), not an address.
    if (asUrl.isValid() && asUrl.scheme().size() > 1)
        return QDesktopServices::openUrl(asUrl);
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QDesktopServices::openUrl(QUrl::fromUserInput(text));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath()));
}

QtShell::QtShell() = default;
QtShell::~QtShell() = default;

bool QtShell::showHelp(std::string_view page)
{
    if (!m_helpWindow) {
        m_helpWindow = std::make_unique<HelpWindow>();
        if (m_helpLanguage)
            m_helpWindow->setLanguage(*m_helpLanguage);
    }
    return m_helpWindow->showPage(toQString(page));
}

void QtShell::setHelpLanguage(const HelpLanguage &help)
{
    m_helpLanguage = help;
    if (m_helpWindow)
        m_helpWindow->setLanguage(help);
}

// --- QtPlatform ---------------------------------------------------------------------------

QtPlatform::QtPlatform(QWidget *dialogParent, std::optional<std::string> dataDirectory)
    : m_dialogs(dialogParent), m_paths(std::move(dataDirectory))
{ }

} // namespace kestrel
