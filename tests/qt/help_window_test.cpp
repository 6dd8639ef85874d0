// The help window on the shipped pages: contents, links, back and forward, and a walk over
// every link of every page.
#include "platform/qt/help_window.hpp"
#include "platform/qt/qt_platform.hpp"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>

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

} // namespace

TEST(HelpLinks, EveryLinkOfEveryShippedPageResolvesToAShippedFile)
{
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    const QStringList pages = QDir(kHelpDir).entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_GE(pages.size(), 3);
    for (const QString &page : pages) {
        const QString html = readPage(QDir(kHelpDir).filePath(page));
        ASSERT_FALSE(html.isEmpty()) << page.toStdString();
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_FALSE(target.contains(QLatin1Char(':')))
                << page.toStdString() << " links outside the help: " << target.toStdString();
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            if (file.isEmpty())
                continue; // an anchor of the same page
            EXPECT_TRUE(QFile::exists(QDir(kHelpDir).filePath(file)))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(HelpWindow, ListsTheContentsPageAndEveryPageItLinksTo)
{
    HelpWindow window;
    ASSERT_TRUE(window.showPage(QDir(kHelpDir).filePath(QStringLiteral("Candidates.htm"))));
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
    ASSERT_TRUE(window.showPage(QDir(kHelpDir).filePath(QStringLiteral("index.htm"))));
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
    EXPECT_FALSE(window.showPage(QDir(kHelpDir).filePath(QStringLiteral("no-such-page.htm"))));
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindow, TheShellShowsHelpPagesInItsOwnWindow)
{
    QtShell shell;
    EXPECT_EQ(shell.helpWindow(), nullptr);
    ASSERT_TRUE(shell.showHelp(QDir(kHelpDir).filePath(QStringLiteral("Color.htm")).toStdString()));
    ASSERT_NE(shell.helpWindow(), nullptr);
    EXPECT_TRUE(shell.helpWindow()->isVisible());
    EXPECT_EQ(shownFile(*shell.helpWindow()), QStringLiteral("Color.htm"));

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    EXPECT_TRUE(
        shell.helpWindow()->grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/help_color.png")));
    ASSERT_TRUE(shell.showHelp(QDir(kHelpDir).filePath(QStringLiteral("index.htm")).toStdString()));
    EXPECT_TRUE(shell.helpWindow()->grab().save(
        QStringLiteral(KESTREL_SCREENSHOT_DIR "/help_contents.png")));
}
