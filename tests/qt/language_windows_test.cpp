// Every window in every language: Qt's own texts follow the table, and each window is saved
// as a picture (scripts/screenshots.sh runs this under Xvfb) to be looked at for cut-off
// texts and missing glyphs.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "board/qt/appearance_dialog.hpp"
#include "platform/qt/help_window.hpp"
#include "platform/qt/qt_platform.hpp"
#include "support/fake_platform.hpp"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class LanguageWindowsTest : public testing::Test
{
protected:
    LanguageWindowsTest()
    {
        installFontSubstitutions();
        form.FormCreate();
        form.applyBoardAppearance();
        form.newGame(Level::Gentle);
        window = std::make_unique<MainWindow>(form, fake);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void choose(ControlId item)
    {
        form.trigger(item);
        window->syncFromModel();
    }

    void save(QWidget *widget, const QString &name)
    {
        const QString dir = QStringLiteral(KESTREL_SCREENSHOT_DIR "/languages");
        ASSERT_TRUE(QDir().mkpath(dir));
        widget->show();
        QTest::qWait(20);
        EXPECT_TRUE(widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
        if (widget != window.get())
            widget->hide();
    }

    FakePlatform fake;
    TForm1 form{fake.platform()};
    std::unique_ptr<MainWindow> window;
};

TEST_F(LanguageWindowsTest, QtsOwnButtonsFollowTheTable)
{
    choose(ControlId::mnChinese);
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    if (yes == QStringLiteral("&Yes"))
        GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    choose(ControlId::mnJapanese);
    const QString japaneseYes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    EXPECT_NE(japaneseYes, yes);
    EXPECT_NE(japaneseYes, QStringLiteral("&Yes"));
    choose(ControlId::mnEnglish);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

TEST_F(LanguageWindowsTest, AnOpenWindowTakesTheNewCaptionsAtOnce)
{
    QWidget *appearance = window->secondaryWindows().at("TfrmAppearance");
    appearance->show();
    choose(ControlId::mnEnglish);
    EXPECT_EQ(appearance->windowTitle(), QStringLiteral("Appearance"));
    choose(ControlId::mnChinese);
    EXPECT_EQ(appearance->windowTitle(), QStringLiteral("外观设置"));
    EXPECT_EQ(static_cast<AppearanceDialog *>(appearance)->okButton()->text(),
              QStringLiteral("确定"));
    appearance->hide();
}

TEST_F(LanguageWindowsTest, EveryWindowInEveryLanguageIsSavedAsAPicture)
{
    fake.answerConfirm(true);
    form.trigger(ControlId::btsolve); // fills the solution window
    form.frmsolover().openWindow();
    form.frmtile().open(1, 1);
    form.frmtile().visible = false;
    const std::map<std::string, QWidget *> &windows = window->secondaryWindows();
    for (const auto &[item, code] :
         {std::pair{ControlId::mnChinese, "zh"}, std::pair{ControlId::mnEnglish, "en"},
          std::pair{ControlId::mnJapanese, "ja"}}) {
        choose(item);
        const QString prefix = QString::fromLatin1(code) + QLatin1Char('_');
        save(window.get(), prefix + QStringLiteral("main"));
        for (const auto &[name, widget] : windows)
            save(widget, prefix + QString::fromStdString(name));
        QWidget *pad = window->findChild<QDialog *>(QStringLiteral("frmtile"));
        ASSERT_NE(pad, nullptr);
        save(pad, prefix + QStringLiteral("Tfrmtile"));
    }

    // The appearance dialog on custom colours, and the main board after "OK".
    TfrmAppearance &appearance = form.frmAppearance();
    appearance.FormShow();
    appearance.checkBoxClick(AppearanceGroup::Background, false);
    fake.answerColour(0x00C0E0FF);
    appearance.swatchClick(Swatch::Panel2);
    appearance.checkBoxClick(AppearanceGroup::FontColor, false);
    fake.answerColour(0x00008000);
    appearance.swatchClick(Swatch::fpanel2);
    appearance.checkBoxClick(AppearanceGroup::Highlight, false);
    fake.answerColour(0x00FFC0C0);
    appearance.swatchClick(Swatch::highpanle);
    auto *dialog = static_cast<AppearanceDialog *>(windows.at("TfrmAppearance"));
    dialog->syncFromModel();
    save(dialog, QStringLiteral("ja_TfrmAppearance_custom"));
    appearance.Button1Click();
    form.game().redrawBoard();
    window->syncFromModel();
    EXPECT_EQ(form.game().board().UNFoucsColor2, Colour{0x00C0E0FF});
    save(window.get(), QStringLiteral("ja_main_after_ok"));
}

TEST_F(LanguageWindowsTest, TheAboutAndHelpWindowsOfEveryLanguageAreSavedAsPictures)
{
    const QString help = QStringLiteral(KESTREL_HELP_DIR);
    QtShell shell;
    for (const auto &[item, code] :
         {std::pair{ControlId::mnChinese, "zh"}, std::pair{ControlId::mnEnglish, "en"},
          std::pair{ControlId::mnJapanese, "ja"}}) {
        choose(item);
        const QString prefix = QString::fromLatin1(code) + QLatin1Char('_');

        // The About window as the main window makes it for Help > About, and frees it.
        QPointer<QDialog> shown;
        fake.whileModal([&](std::string_view name) {
            std::unique_ptr<QDialog> about(window->windowsMadeOnDemand().at(std::string(name))());
            ASSERT_NE(about, nullptr);
            shown = about.get();
            EXPECT_EQ(about->windowTitle().toStdString(), form.text("frm_about.caption"));
            const QList<QPushButton *> buttons
                = about->findChild<QDialogButtonBox *>()->findChildren<QPushButton *>();
            ASSERT_EQ(buttons.size(), 1);
            EXPECT_EQ(buttons[0]->text().toStdString(), form.text("frm_about.button1.caption"));
            save(about.get(), prefix + QStringLiteral("about"));
        });
        form.trigger(ControlId::mnAbout);
        EXPECT_TRUE(shown.isNull()) << "the window is freed after use";

        // The help on two pages, in the language's folder with English where it has none.
        const QString own = help + QLatin1Char('/') + QLatin1String(code);
        HelpLanguage language{{},
                              form.text("frmhelp.back"),
                              form.text("frmhelp.forward"),
                              form.text("frmhelp.contents")};
        if (QDir(own).exists())
            language.folders.push_back(own.toStdString());
        language.folders.push_back((help + QStringLiteral("/en")).toStdString());
        shell.setHelpLanguage(language);
        for (const char *page : {"index.htm", "Candidates.htm"}) {
            const std::string path
                = *findHelpPage(language.folders, page, [](const std::string &p) {
                      return QFile::exists(QString::fromStdString(p));
                  });
            ASSERT_TRUE(shell.showHelp(path));
            save(shell.helpWindow(),
                 prefix + QStringLiteral("help_") + QFileInfo(QLatin1String(page)).baseName());
        }
    }
}

} // namespace
} // namespace kestrel
