// Offscreen checks of the main window's wiring: layout, keys and a screenshot.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "board/qt/mouse_progress_bar.hpp"
#include "support/fake_platform.hpp"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class MainWindowTest : public testing::Test
{
protected:
    MainWindowTest()
    {
        installFontSubstitutions();
        form.FormCreate();
        form.applyBoardAppearance();
        window = std::make_unique<MainWindow>(form, fake);
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T> T *widget(ControlId id)
    {
        auto *w = qobject_cast<T *>(window->controlObject(id));
        EXPECT_NE(w, nullptr) << controlRow(id).name;
        return w;
    }

    FakePlatform fake;
    TForm1 form{fake.platform()};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ClientAreaHasItsDesignedFixedSizeAndPlaces)
{
    EXPECT_EQ(window->clientArea()->size(), QSize(593, 540));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    const QPoint boardTopLeft = window->boardWidget()->mapTo(window->clientArea(), QPoint(0, 0));
    EXPECT_EQ(boardTopLeft, QPoint(6 + 1 + 25, 31 + 1 + 20));
    EXPECT_EQ(window->boardWidget()->size(), QSize(422, 422));
    EXPECT_EQ(widget<QWidget>(ControlId::ProgressBar1)->geometry(), QRect(480, 432, 11, 57));
    EXPECT_EQ(widget<QWidget>(ControlId::disnote9)->geometry(), QRect(71, 133, 29, 28));
    EXPECT_EQ(widget<QWidget>(ControlId::bthelp2)->geometry(), QRect(565, 217, 19, 17));
}

TEST_F(MainWindowTest, EveryControlOfTheLogicHasAWidgetOrAction)
{
    for (const ControlRow &row : mainControlTable()) {
        if (row.kind == ControlKind::ToolButton && row.isSeparator)
            continue; // toolbar spacers are only gaps
        EXPECT_NE(window->controlObject(row.id), nullptr) << row.name;
    }
}

TEST_F(MainWindowTest, MenusFollowTheLogicsCaptionsAndVisibility)
{
    auto *about = qobject_cast<QAction *>(window->controlObject(ControlId::mnAbout));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text().toStdString(), form.control(ControlId::mnAbout).caption);
    EXPECT_FALSE(qobject_cast<QAction *>(window->controlObject(ControlId::mne1))->isVisible());
    EXPECT_TRUE(qobject_cast<QAction *>(window->controlObject(ControlId::mnc1))->isVisible());
    EXPECT_FALSE(
        qobject_cast<QAction *>(window->controlObject(ControlId::mnCreatetxt))->isVisible());
    EXPECT_TRUE(qobject_cast<QAction *>(window->controlObject(ControlId::N1))->isSeparator());
}

TEST_F(MainWindowTest, TabCyclesDigitsWithoutMovingFocus)
{
    QWidget *focusBefore = QApplication::focusWidget();
    for (int expected : {1, 2, 3}) {
        QTest::keyClick(window.get(), Qt::Key_Tab);
        EXPECT_EQ(form.game().selectedDigit(), expected);
        EXPECT_TRUE(widget<QToolButton>(digitButton(expected))->isChecked());
    }
    EXPECT_EQ(QApplication::focusWidget(), focusBefore);
}

TEST_F(MainWindowTest, MainKeyboardDigitSelectsButKeypadDigitDoesNot)
{
    QTest::keyClick(window.get(), Qt::Key_7);
    EXPECT_EQ(form.game().selectedDigit(), 7);
    QTest::keyClick(window.get(), Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(form.game().selectedDigit(), 7);
}

TEST_F(MainWindowTest, ClickingADigitButtonSelectsIt)
{
    QTest::mouseClick(widget<QToolButton>(ControlId::disnote6), Qt::LeftButton);
    EXPECT_EQ(form.game().selectedDigit(), 6);
    QTest::mouseClick(widget<QToolButton>(ControlId::disnote2), Qt::LeftButton);
    EXPECT_EQ(form.game().selectedDigit(), 2);
    EXPECT_FALSE(widget<QToolButton>(ControlId::disnote6)->isChecked());
}

TEST_F(MainWindowTest, ClickingACellThroughTheWindowPlacesTheSelectedDigit)
{
    MersenneRandom random(7);
    form.game().setRandomSource(random);
    QTest::mouseClick(widget<QToolButton>(ControlId::btCreateVeryEasy), Qt::LeftButton);
    ASSERT_TRUE(form.game().board().enabled);
    QTest::keyClick(window.get(), Qt::Key_5);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (form.game().board().cell(r, c).state != CellState::Open
                || form.game().board().allowedHxs(r, c).find('5') == std::string::npos)
                continue;
            const PixelPos origin = TPICSD33::cellOrigin(r, c);
            const QPoint centre(origin.x + 23, origin.y + 23);
            QTest::mouseClick(window->boardWidget(), Qt::LeftButton, {}, centre);
            EXPECT_EQ(form.game().board().cell(r, c).hxs, "5");
            EXPECT_EQ(form.game().board().cell(r, c).state, CellState::Placed);
            EXPECT_EQ(form.game().board().cell(r, c).color, form.game().board().highcolor);
            EXPECT_EQ(form.game().progressBar(5).position,
                      qobject_cast<Tmousepb *>(window->controlObject(ControlId::ProgressBar5))
                          ->position());
            return;
        }
    }
    FAIL() << "no open cell takes a 5";
}

TEST_F(MainWindowTest, RightClickOnAnOpenCellOpensTheCandidatePadBesideIt)
{
    MersenneRandom random(3);
    form.game().setRandomSource(random);
    QTest::mouseClick(widget<QToolButton>(ControlId::btCreateVeryEasy), Qt::LeftButton);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (form.game().board().cell(r, c).state != CellState::Open)
                continue;
            const PixelPos origin = TPICSD33::cellOrigin(r, c);
            QTest::mouseClick(window->boardWidget(), Qt::RightButton, {},
                              QPoint(origin.x + 23, origin.y + 23));
            auto *pad = window->findChild<QDialog *>(QStringLiteral("frmtile"));
            ASSERT_NE(pad, nullptr);
            EXPECT_TRUE(pad->isVisible());
            EXPECT_EQ(pad->pos(),
                      window->frameGeometry().topLeft() + QPoint(46 * c + 20, 46 * r + 90));
            QTest::keyClick(pad, Qt::Key_3);
            QTest::keyClick(pad, Qt::Key_8);
            EXPECT_EQ(form.game().board().cell(r, c).hxs, "38");
            QTest::keyClick(pad, Qt::Key_Escape);
            EXPECT_FALSE(pad->isVisible());
            return;
        }
    }
}

TEST_F(MainWindowTest, WritesScreenshotsOfAVeryEasyGameInEachMode)
{
    MersenneRandom random(11);
    form.game().setRandomSource(random);
    QTest::mouseClick(widget<QToolButton>(ControlId::btCreateVeryEasy), Qt::LeftButton);
    // A few entries of the player: three correct digits.
    int placed = 0;
    for (int r = 1; r <= 9 && placed < 3; ++r) {
        for (int c = 1; c <= 9 && placed < 3; ++c) {
            if (form.game().board().cell(r, c).state != CellState::Open)
                continue;
            form.game().disnote11Click(form.game().record().node(r, c).value);
            form.cellClick(r, c, MouseButton::Left);
            ++placed;
        }
    }
    QTest::keyClick(window.get(), Qt::Key_4);
    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    const std::pair<ControlId, const char *> modes[] = {{ControlId::rb_none, "game_pencil.png"},
                                                        {ControlId::rb_all, "game_all.png"},
                                                        {ControlId::rb_one, "game_part.png"}};
    for (const auto &[radio, file] : modes) {
        QTest::mouseClick(widget<QRadioButton>(radio), Qt::LeftButton);
        ASSERT_TRUE(widget<QRadioButton>(radio)->isChecked()) << file;
        ASSERT_TRUE(window->grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/") + file));
    }
    EXPECT_EQ(form.game().mode(), Mode::PartCandidates);
    EXPECT_EQ(form.game().selectedDigit(), 4);
}

TEST_F(MainWindowTest, WritesAScreenshotOfTheStartedWindow)
{
    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    const QString path = QStringLiteral(KESTREL_SCREENSHOT_DIR "/main.png");
    const QPixmap shot = window->grab();
    ASSERT_TRUE(shot.save(path));
    // The board area is black between cells: the screenshot shows a painted board.
    const QPoint board = window->boardWidget()->mapTo(window.get(), QPoint(0, 0));
    EXPECT_EQ(shot.toImage().pixelColor(board + QPoint(0, 0)), QColor(Qt::black));
}

} // namespace
} // namespace kestrel
