// The help window on the shipped pages: contents, links, back and forward, the pages of the
// interface language with English where a page is missing, and a walk over every link of
// every page in every language.
#include "platform/qt/help_window.hpp"
#include "platform/qt/qt_platform.hpp"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace kestrel;

namespace {

const QString kHelpDir = QStringLiteral(KESTREL_HELP_DIR);

QString readPage(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString shownFile(const HelpWindow &window)
{
    return QFileInfo(window.browser()->source().toLocalFile()).fileName();
}

QString shownFolder(const HelpWindow &window)
{
    return QFileInfo(window.browser()->source().toLocalFile()).dir().dirName();
}

QString page(const char *language, const char *name)
{
    return QDir(kHelpDir).filePath(QLatin1String(language) + QLatin1Char('/')
                                   + QLatin1String(name));
}

std::string folder(const char *language)
{
    return QDir(kHelpDir).filePath(QLatin1String(language)).toStdString();
}

QStringList languageFolders()
{
    return QDir(kHelpDir)
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .filter(QRegularExpression(QStringLiteral("^[a-z]{2}$")));
}

QStringList toolbarTexts(const HelpWindow &window)
{
    QStringList texts;
    for (const QAction *action : window.findChild<QToolBar *>()->actions())
        texts << action->text();
    return texts;
}

} // namespace

TEST(HelpLinks, EveryLinkOfEveryShippedPageInEveryLanguageResolvesToAShippedFile)
{
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    static const QRegularExpression styleSheet(
        QStringLiteral("<link(?=[^>]*rel=\"stylesheet\")(?=[^>]*type=\"text/css\")"
                       "(?=[^>]*href=\"\\.\\./style\\.css\")[^>]*>"));
    const QStringList languages = languageFolders();
    ASSERT_TRUE(languages.contains(QStringLiteral("en")));
    ASSERT_TRUE(languages.contains(QStringLiteral("zh")));
    for (const QString &language : languages) {
        const QDir dir(QDir(kHelpDir).filePath(language));
        const QStringList pages = dir.entryList({QStringLiteral("*.htm")}, QDir::Files);
        ASSERT_GE(pages.size(), 3) << language.toStdString();
        for (const QString &name : pages) {
            const std::string where = (language + QLatin1Char('/') + name).toStdString();
            const QString html = readPage(dir.filePath(name));
            ASSERT_FALSE(html.isEmpty()) << where;
            // The browser loads a style sheet only when the link names its type.
            EXPECT_TRUE(html.contains(styleSheet)) << where << " does not link ../style.css";
            for (auto it = reference.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                EXPECT_FALSE(target.contains(QLatin1Char(':')))
                    << where << " links outside the help: " << target.toStdString();
                const QString file = target.section(QLatin1Char('#'), 0, 0);
                if (file.isEmpty())
                    continue; // an anchor of the same page
                EXPECT_TRUE(QFile::exists(dir.filePath(file)))
                    << where << " -> " << target.toStdString();
            }
        }
    }
}

TEST(HelpLinks, EveryPageTheProgramOpensByNameIsShippedInEnglishAndChinese)
{
    for (const char *language : {"en", "zh"})
        for (const char *name :
             {"index.htm", "Candidates.htm", "Color.htm", "playing.htm", "techniques.htm"})
            EXPECT_TRUE(QFile::exists(page(language, name))) << language << "/" << name;
}

TEST(HelpWindow, ListsTheContentsPageAndEveryPageItLinksTo)
{
    HelpWindow window;
    ASSERT_TRUE(window.showPage(page("en", "Candidates.htm")));
    EXPECT_EQ(shownFile(window), QStringLiteral("Candidates.htm"));
    QStringList listed;
    for (int row = 0; row < window.contents()->count(); ++row)
        listed << QFileInfo(window.contents()->item(row)->data(Qt::UserRole).toUrl().toLocalFile())
                      .fileName();
    EXPECT_EQ(listed.value(0), QStringLiteral("index.htm"));
    EXPECT_TRUE(listed.contains(QStringLiteral("Candidates.htm")));
    EXPECT_TRUE(listed.contains(QStringLiteral("Color.htm")));
    EXPECT_EQ(listed.removeDuplicates(), 0) << "each page listed once";
    ASSERT_NE(window.contents()->currentItem(), nullptr);
    EXPECT_EQ(window.contents()->currentItem()->data(Qt::UserRole).toUrl(),
              window.browser()->source())
        << "the shown page is the selected entry";
}

TEST(HelpWindow, ContentsEntriesNavigateAndBackAndForwardRetrace)
{
    HelpWindow window;
    ASSERT_TRUE(window.showPage(page("en", "index.htm")));
    QListWidgetItem *colour = nullptr;
    for (int row = 0; row < window.contents()->count(); ++row)
        if (window.contents()->item(row)->data(Qt::UserRole).toUrl().fileName()
            == QStringLiteral("Color.htm"))
            colour = window.contents()->item(row);
    ASSERT_NE(colour, nullptr);
    emit window.contents()->itemClicked(colour);
    EXPECT_EQ(shownFile(window), QStringLiteral("Color.htm"));
    EXPECT_FALSE(window.windowTitle().isEmpty());
    window.browser()->backward();
    EXPECT_EQ(shownFile(window), QStringLiteral("index.htm"));
    window.browser()->forward();
    EXPECT_EQ(shownFile(window), QStringLiteral("Color.htm"));
}

TEST(HelpWindow, AMissingPageIsReportedAndNotShown)
{
    HelpWindow window;
    EXPECT_FALSE(window.showPage(page("en", "no-such-page.htm")));
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindow, ALanguageChangeShowsTheSamePageInTheNewLanguageWithAFreshHistory)
{
    HelpWindow window;
    window.setLanguage({{folder("zh"), folder("en")}, "后退", "前进", "目录"});
    ASSERT_TRUE(window.showPage(page("zh", "index.htm")));
    emit window.browser()->anchorClicked(QUrl(QStringLiteral("Color.htm")));
    EXPECT_EQ(shownFolder(window), QStringLiteral("zh"));
    EXPECT_EQ(shownFile(window), QStringLiteral("Color.htm"));
    EXPECT_TRUE(window.browser()->isBackwardAvailable());
    EXPECT_EQ(toolbarTexts(window).value(0), QStringLiteral("后退"));

    window.setLanguage({{folder("en")}, "Back", "Forward", "Contents"});
    EXPECT_EQ(shownFolder(window), QStringLiteral("en"));
    EXPECT_EQ(shownFile(window), QStringLiteral("Color.htm"));
    EXPECT_FALSE(window.browser()->isBackwardAvailable()) << "Back would lead to Chinese";
    EXPECT_EQ(toolbarTexts(window),
              (QStringList{QStringLiteral("Back"), QStringLiteral("Forward"),
                           QStringLiteral("Contents")}));
    ASSERT_GT(window.contents()->count(), 1);
    for (int row = 0; row < window.contents()->count(); ++row)
        EXPECT_EQ(QFileInfo(window.contents()->item(row)->data(Qt::UserRole).toUrl().toLocalFile())
                      .dir()
                      .dirName(),
                  QStringLiteral("en"))
            << "the contents are the English ones";
}

TEST(HelpWindow, APageTheLanguageLacksIsTakenFromEnglishForLinksAndContents)
{
    // A language with only its contents page, which links to pages that exist in English.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("ja")));
    QFile index(root.filePath(QStringLiteral("ja/index.htm")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("<html><head><title>目次</title></head><body>"
                "<a href=\"Color.htm\">色</a> <a href=\"playing.htm\">遊び方</a></body></html>");
    index.close();

    HelpWindow window;
    window.setLanguage(
        {{root.filePath(QStringLiteral("ja")).toStdString(), folder("en")}, {}, {}, {}});
    ASSERT_TRUE(window.showPage(root.filePath(QStringLiteral("ja/index.htm"))));
    ASSERT_EQ(window.contents()->count(), 3);
    EXPECT_EQ(QFileInfo(window.contents()->item(1)->data(Qt::UserRole).toUrl().toLocalFile())
                  .absoluteFilePath(),
              QFileInfo(page("en", "Color.htm")).absoluteFilePath());
    emit window.browser()->anchorClicked(QUrl(QStringLiteral("playing.htm#keys")));
    EXPECT_EQ(QFileInfo(window.browser()->source().toLocalFile()).absoluteFilePath(),
              QFileInfo(page("en", "playing.htm")).absoluteFilePath());
    EXPECT_EQ(window.browser()->source().fragment(), QStringLiteral("keys"));
    emit window.browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(shownFile(window), QStringLiteral("playing.htm")) << "nothing from the network";
}

TEST(HelpWindow, TheShellShowsHelpPagesInItsOwnWindowInTheLanguageItWasTold)
{
    QtShell shell;
    EXPECT_EQ(shell.helpWindow(), nullptr);
    shell.setHelpLanguage({{folder("zh"), folder("en")}, "后退", "前进", "目录"});
    ASSERT_TRUE(shell.showHelp(page("zh", "Color.htm").toStdString()));
    ASSERT_NE(shell.helpWindow(), nullptr);
    EXPECT_TRUE(shell.helpWindow()->isVisible());
    EXPECT_EQ(shownFile(*shell.helpWindow()), QStringLiteral("Color.htm"));
    EXPECT_EQ(toolbarTexts(*shell.helpWindow()).value(2), QStringLiteral("目录"));

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    EXPECT_TRUE(
        shell.helpWindow()->grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/help_color.png")));
    shell.setHelpLanguage({{folder("en")}, "Back", "Forward", "Contents"});
    EXPECT_EQ(shownFolder(*shell.helpWindow()), QStringLiteral("en"));
    ASSERT_TRUE(shell.showHelp(page("en", "index.htm").toStdString()));
    EXPECT_TRUE(shell.helpWindow()->grab().save(
        QStringLiteral(KESTREL_SCREENSHOT_DIR "/help_contents.png")));
}
