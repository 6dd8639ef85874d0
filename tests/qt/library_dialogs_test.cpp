// Offscreen checks of the Save window and the game list: sizes, what they show over a dozen
// saved games, a double click that loads a game, and screenshots in Chinese and English.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "library/save_window.hpp"
#include "support/fake_platform.hpp"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class LibraryDialogsTest : public testing::Test
{
protected:
    LibraryDialogsTest()
    {
        installFontSubstitutions();
        form.FormCreate();
        form.applyBoardAppearance();
        window = std::make_unique<MainWindow>(form, fake);
        window->show();
        QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    }

    QDialog *dialog(const char *name)
    {
        return qobject_cast<QDialog *>(window->secondaryWindows().at(name));
    }
    // A dozen games, Chinese and Latin names, every level.
    void saveDozen()
    {
        const char *names[] = {"周末挑战",    "Morning coffee", "地铁上的一局", "Hard one",
                               "数独 第三关", "Gentle start",   "未完成的游戏", "Train ride",
                               "骨灰级难题",  "Sunday",         "新的一局",     "Last try"};
        for (int i = 0; i < 12; ++i) {
            form.newGame(static_cast<Level>(i % 5));
            Tfrmsave save(
                form.game(), fake, fake, form.gameStorePath(),
                [this](std::string_view key) { return form.text(key); }, "Sudoku");
            ASSERT_TRUE(save.FormCreate());
            save.nameText = names[i];
            save.levelIndex = i % 6;
            save.Button1Click();
        }
    }
    void shoot(QWidget *widget, const QString &file)
    {
        widget->show();
        QTest::qWait(20);
        ASSERT_TRUE(widget->grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/") + file));
    }

    FakePlatform fake;
    TForm1 form{fake.platform()};
    std::unique_ptr<MainWindow> window;
};

TEST_F(LibraryDialogsTest, BothWindowsShowTheirTextsAndTheSavedGames)
{
    saveDozen();
    const std::pair<Language, QString> languages[]
        = {{Language::Chinese, QStringLiteral("zh")}, {Language::English, QStringLiteral("en")}};
    for (const auto &[language, suffix] : languages) {
        form.loadLanguage(language);
        const auto player = [&](std::string_view name) {
            QDialog *shown = dialog(std::string(name).c_str());
            ASSERT_NE(shown, nullptr);
            shown->show();
            if (name == "Tfrmsave") {
                EXPECT_EQ(shown->size(), QSize(349, 236));
                EXPECT_EQ(shown->findChild<QLineEdit *>()->text(), QStringLiteral("New Game"));
                shoot(shown, QStringLiteral("save_%1.png").arg(suffix));
            } else {
                EXPECT_EQ(shown->size(), QSize(377, 335));
                auto *grid = shown->findChild<QTableWidget *>();
                EXPECT_EQ(grid->rowCount(), 12);
                EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("周末挑战"));
                shoot(shown, QStringLiteral("gamelist_%1.png").arg(suffix));
            }
            shown->hide();
        };
        fake.whileModal(player);
        form.trigger(ControlId::btsave);
        fake.whileModal(player);
        form.trigger(ControlId::btDisplayYourGameList);
    }
    EXPECT_EQ(dialog("Tfrmsave")->windowTitle(), QStringLiteral("Save Your Game"));
    EXPECT_EQ(dialog("Tfrmgamelist")->windowTitle(), QStringLiteral("Choose a sudoku"));
}

TEST_F(LibraryDialogsTest, ADoubleClickLoadsTheGameAndClosesTheList)
{
    saveDozen();
    form.newGame(Level::VeryEasy);
    fake.whileModal([&](std::string_view) {
        QDialog *shown = dialog("Tfrmgamelist");
        shown->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
        auto *grid = shown->findChild<QTableWidget *>();
        const QRect cell = grid->visualItemRect(grid->item(3, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_FALSE(shown->isVisible());
    });
    form.trigger(ControlId::btDisplayYourGameList);
    // "Hard one" was saved at level 3.
    EXPECT_EQ(form.game().board().nd, Level::Tough);
}

} // namespace
} // namespace kestrel
