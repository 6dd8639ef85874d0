// The Qt side of the platform seam against the real file system, in throwaway folders.
#include "platform/qt/qt_platform.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kestrel;

namespace {

std::string utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(QtPlatformTextFiles, WritesCrLfLinesAndReadsThemBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtTextFiles files;
    const QString path = dir.filePath(QStringLiteral("games.dat"));
    const std::vector<std::string> lines{"first", "", "\xE6\x95\xB0\xE7\x8B\xAC"};

    ASSERT_TRUE(files.writeLines(utf8(path), lines));
    EXPECT_EQ(readBytes(path), QByteArray("first\r\n\r\n\xE6\x95\xB0\xE7\x8B\xAC\r\n"));
    EXPECT_EQ(files.readLines(utf8(path)), lines);

    // A second write replaces the file whole.
    ASSERT_TRUE(files.writeLines(utf8(path), {"x"}));
    EXPECT_EQ(readBytes(path), QByteArray("x\r\n"));
    EXPECT_TRUE(files.exists(utf8(path)));
    EXPECT_FALSE(files.isDirectory(utf8(path)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left behind
}

TEST(QtPlatformTextFiles, ReadsUtf16WithByteOrderMark)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("utf16.txt"));
    // FF FE, then "a\u00e9" CR LF "b" in UTF-16LE.
    writeBytes(path,
               QByteArray("\xFF\xFE"
                          "a\0\xE9\0\r\0\n\0b\0",
                          12));

    QtTextFiles files;
    EXPECT_EQ(files.readLines(utf8(path)), (std::vector<std::string>{"a\xC3\xA9", "b"}));
    EXPECT_EQ(files.readLines(utf8(dir.filePath(QStringLiteral("missing.txt")))), std::nullopt);
    EXPECT_EQ(files.readLines(utf8(dir.path())), std::nullopt);
}

TEST(QtPlatformTextFiles, WriteIntoMissingFolderFailsAndCreatesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtTextFiles files;
    const QString missing = dir.filePath(QStringLiteral("missing"));

    EXPECT_FALSE(files.writeLines(utf8(missing + QStringLiteral("/games.dat")), {"x"}));
    EXPECT_FALSE(files.exists(utf8(missing)));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(QtPlatformTextFiles, MakeDirectoryAndEnterIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtTextFiles files;
    const std::string data = utf8(dir.filePath(QStringLiteral("data")));

    EXPECT_TRUE(files.makeDirectory(data + "/replay")); // missing parents are made too
    EXPECT_TRUE(files.isDirectory(data));
    EXPECT_TRUE(files.makeDirectory(data)); // already there
    files.writeLines(data + "/taken", {"x"});
    EXPECT_FALSE(files.makeDirectory(data + "/taken")) << "a file stands in the way";

    const QString previous = QDir::currentPath();
    EXPECT_TRUE(files.setCurrentDirectory(data));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(QString::fromStdString(data)).canonicalPath());
    EXPECT_FALSE(files.setCurrentDirectory(data + "/missing"));
    QDir::setCurrent(previous);
}

TEST(QtPlatformSettingsStore, ReadWriteAndHasKey)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    const std::string key = "SOFTWARE\\SudokuKestrel";
    {
        QtSettingsStore store(path);
        EXPECT_FALSE(store.hasKey(key));
        EXPECT_EQ(store.readValue(key, "reg_Board_color1"), "");

        EXPECT_TRUE(store.writeValue(key, "reg_Board_color1", "13891060"));
        EXPECT_TRUE(store.writeValue(key, "reg_HighLight_color", "$00D9F7F7"));
        EXPECT_TRUE(store.hasKey(key));
        EXPECT_FALSE(store.hasKey("SOFTWARE\\Other"));
        EXPECT_EQ(store.readValue(key, "reg_Board_color1"), "13891060");
        EXPECT_EQ(store.readValue(key, "reg_Font_color_Fix"), "");
    }
    // A new store on the same file sees what was written.
    QtSettingsStore reopened(path);
    EXPECT_TRUE(reopened.hasKey(key));
    EXPECT_EQ(reopened.readValue(key, "reg_HighLight_color"), "$00D9F7F7");
}

TEST(QtPlatformSettingsStore, UnwritableFileRefusesWrites)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The settings file would have to live inside a plain file, which no user can arrange.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    writeBytes(blocker, "x");
    QtSettingsStore store(blocker + QStringLiteral("/settings.ini"));

    EXPECT_FALSE(store.writeValue("SOFTWARE\\SudokuKestrel", "reg_Board_color1", "0"));
}

TEST(QtPlatformSettingsStore, ValuesWrittenTogetherStayOldWhenTheFileCannotBeReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string key = "SOFTWARE\\SudokuKestrel";
    QtSettingsStore store(folder + QStringLiteral("/settings.ini"));
    ASSERT_TRUE(store.writeValues(key, {{"reg_Board_color1", "1"}, {"reg_Board_color2", "2"}}));

    // The folder goes, and a plain file takes its place: the settings file cannot be replaced.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    writeBytes(folder, "x");
    EXPECT_FALSE(
        store.writeValues(key, {{"reg_Board_color1", "10"}, {"reg_Font_color_Fix", "30"}}));
    EXPECT_EQ(store.readValue(key, "reg_Board_color1"), "1");
    EXPECT_EQ(store.readValue(key, "reg_Board_color2"), "2");
    EXPECT_EQ(store.readValue(key, "reg_Font_color_Fix"), "");
}

TEST(QtPlatformPaths, DataDirectoryOverrides)
{
    EXPECT_EQ(QtPaths("/custom/data/").dataDirectory(), "/custom/data");

    const QByteArray previous = qgetenv("KESTREL_DATA_DIR");
    qputenv("KESTREL_DATA_DIR", "/from/environment");
    EXPECT_EQ(QtPaths().dataDirectory(), "/from/environment");
    qunsetenv("KESTREL_DATA_DIR");
    const std::string standard = QtPaths().dataDirectory();
#ifdef Q_OS_LINUX
    const std::string expected
        = utf8(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
               + QStringLiteral("/sudokuKestrel"));
    EXPECT_EQ(standard, expected);
    // The game names its organisation and application; the folder must not move with them.
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("SudokuKestrel"));
    QCoreApplication::setApplicationName(QStringLiteral("SudokuKestrel"));
    EXPECT_EQ(QtPaths().dataDirectory(), expected);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
#else
    EXPECT_TRUE(standard.ends_with("/sudokuKestrel")) << standard;
#endif
    if (!previous.isEmpty())
        qputenv("KESTREL_DATA_DIR", previous);

    QtPaths paths;
    EXPECT_TRUE(QDir(QString::fromStdString(paths.tempDirectory())).exists());
    EXPECT_FALSE(paths.programDirectory().empty());
}
