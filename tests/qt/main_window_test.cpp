// Offscreen checks of the main window's wiring: layout, keys and a screenshot.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "app/window_layout.hpp"
#include "board/qt/mouse_progress_bar.hpp"
#include "core/board.hpp"
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

TEST_F(MainWindowTest, ClientAreaOpensAtItsDesignedSizeAndPlaces)
{
    EXPECT_EQ(window->clientArea()->size(), QSize(593, 540));
    EXPECT_EQ(window->minimumSize(), window->size()) << "never smaller than designed";
    EXPECT_GT(window->maximumSize().width(), window->width()) << "but it can grow";
    const QPoint boardTopLeft = window->boardWidget()->mapTo(window->clientArea(), QPoint(0, 0));
    EXPECT_EQ(boardTopLeft, QPoint(6 + 1 + 25, 31 + 1 + 20));
    EXPECT_EQ(window->boardWidget()->size(), QSize(422, 422));
    EXPECT_EQ(widget<QWidget>(ControlId::ProgressBar1)->geometry(), QRect(480, 432, 11, 44));
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

TEST_F(MainWindowTest, MainKeyboardAndKeypadDigitsSelect)
{
    QTest::keyClick(window.get(), Qt::Key_7);
    EXPECT_EQ(form.game().selectedDigit(), 7);
    QTest::keyClick(window.get(), Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(form.game().selectedDigit(), 4);
}

TEST_F(MainWindowTest, ArrowsAndEnterPlaceTheSelectedDigitAtTheCursor)
{
    MersenneRandom random(7);
    form.game().setRandomSource(random);
    QTest::mouseClick(widget<QToolButton>(ControlId::btCreateVeryEasy), Qt::LeftButton);
    const TPICSD33 &board = form.game().board();
    // The first open cell of row A, reached from A1 with the arrow keys.
    int col = 1;
    while (board.cell(1, col).state != CellState::Open)
        ++col;
    QTest::keyClick(window.get(), Qt::Key_Down); // shows the cursor on A1
    for (int c = 1; c < col; ++c)
        QTest::keyClick(window.get(), Qt::Key_Right);
    ASSERT_TRUE(board.cursor.visible);
    ASSERT_EQ(board.cursor.col, col);
    const int digit = form.game().record().node(1, col).value;
    QTest::keyClick(window.get(), static_cast<Qt::Key>(Qt::Key_0 + digit));
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(board.cell(1, col).hxs, std::to_string(digit));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(board.cell(1, col).state, CellState::Open) << "Ctrl+Z is Back";
}

// Every cell and every shown candidate is found at its designed centre times the scale.
void expectHitTestsAtScale(const BoardWidget &boardWidget, const TPICSD33 &board, double scale)
{
    auto at = [scale](int x, int y) {
        return QPoint(static_cast<int>(x * scale), static_cast<int>(y * scale));
    };
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &cell = board.cell(r, c);
            const PixelPos origin = TPICSD33::cellOrigin(r, c);
            for (int d = 1; d <= 9; ++d) {
                if (!cell.hxsPanels[static_cast<std::size_t>(d)].visible)
                    continue;
                const PixelPos sub = TPicNode::subPanelOffset(d);
                EXPECT_EQ(boardWidget.hitTest(at(origin.x + sub.x + 6, origin.y + sub.y + 6)),
                          (HitTarget{r, c, d}))
                    << r << c << d;
            }
            // The cell's lower right corner is never a candidate.
            EXPECT_EQ(boardWidget.hitTest(at(origin.x + 44, origin.y + 44)), (HitTarget{r, c, 0}))
                << r << c;
        }
    }
}

TEST_F(MainWindowTest, EnlargedTheBoardPaintsAndHitTestsAtItsScale)
{
    MersenneRandom random(7);
    form.game().setRandomSource(random);
    QTest::mouseClick(widget<QToolButton>(ControlId::btCreateVeryEasy), Qt::LeftButton);
    form.game().radioClick(Mode::AllCandidates);
    window->syncFromModel();
    const TPICSD33 &board = form.game().board();
    BoardWidget *boardWidget = window->boardWidget();
    const QSize designed = window->size();

    // Twice the window: the board takes what the side panel and the toolbars leave.
    window->resize(designed * 2);
    QApplication::processEvents();
    const QSize client = window->clientArea()->size();
    EXPECT_NEAR(boardWidget->paintScale(), boardScale(client.width(), client.height()), 0.01);
    EXPECT_GT(boardWidget->paintScale(), 2.0);
    expectHitTestsAtScale(*boardWidget, board, boardWidget->paintScale());

    // Grown by the board frame's own size: exactly twice the board.
    window->resize(designed + QSize(466, 462));
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(boardWidget->paintScale(), 2.0);
    EXPECT_EQ(boardWidget->size(), QSize(844, 844));
    EXPECT_EQ(widget<QWidget>(ControlId::grpshowcandidates)->size(), QSize(107, 168))
        << "the side panel keeps its size";
    expectHitTestsAtScale(*boardWidget, board, 2.0);
    const QImage image = boardWidget->grab().toImage();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            // Away from the bevel, the caption and the candidates the cell shows its colour.
            const PixelPos origin = TPICSD33::cellOrigin(r, c);
            const Colour colour = board.cell(r, c).color;
            const QColor expected(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
            EXPECT_EQ(image.pixelColor(2 * (origin.x + 44), 2 * (origin.y + 44)), expected)
                << r << "," << c;
        }
    }
    // A box line, two pixels at the designed size, is four pixels of black now.
    const int line = 2 * (TPICSD33::cellOrigin(1, 4).x - 2);
    for (int x = line; x < line + 4; ++x)
        EXPECT_EQ(image.pixelColor(x, 100), QColor(Qt::black)) << x;
    // A click at twice a given's designed centre reaches that cell and hides the cursor.
    QTest::keyClick(window.get(), Qt::Key_Down);
    ASSERT_TRUE(board.cursor.visible);
    int col = 1;
    while (board.cell(1, col).state != CellState::Given)
        ++col;
    const PixelPos origin = TPICSD33::cellOrigin(1, col);
    QTest::mouseClick(boardWidget, Qt::LeftButton, {},
                      QPoint(2 * (origin.x + 23), 2 * (origin.y + 23)));
    EXPECT_FALSE(board.cursor.visible);
    EXPECT_EQ(board.cursor.col, col) << "the click left the cursor on its cell";

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    window->grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/main_window_enlarged.png"));
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
