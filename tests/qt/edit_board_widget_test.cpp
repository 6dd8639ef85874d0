#include "board/qt/edit_board_widget.hpp"

#include "core/edit_board.hpp"
#include "core/qt/solver_dialog.hpp"
#include "core/solver.hpp"
#include "support/fake_platform.hpp"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

constexpr Colour kRed = 0x000000FF;

QColor background(const QLineEdit *edit)
{
    return edit->palette().color(QPalette::Base);
}

QColor toColour(Colour c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

class EditBoardWidgetTest : public ::testing::Test
{
protected:
    EditBoardWidgetTest()
    {
        board.setWidth2(400);
        board.layoutAndPaint();
        widget.syncFromModel();
        widget.show();
    }

    void type(int row, int col, const char *keys)
    {
        QLineEdit *edit = widget.cellEdit(row, col);
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromUtf8(keys));
    }

    TSD33 board;
    EditBoardWidget widget{&board};
};

TEST_F(EditBoardWidgetTest, SameDigitTwiceInAColumnTurnsBothRedAndClearingRestores)
{
    const QColor plainTop = background(widget.cellEdit(2, 4));
    type(2, 4, "5");
    EXPECT_EQ(board.cell(2, 4).text, "5");
    EXPECT_FALSE(board.cell(2, 4).isError);

    type(7, 4, "5");
    EXPECT_TRUE(board.cell(2, 4).isError);
    EXPECT_TRUE(board.cell(7, 4).isError);
    EXPECT_EQ(background(widget.cellEdit(2, 4)), toColour(kRed));
    EXPECT_EQ(background(widget.cellEdit(7, 4)), toColour(kRed));
    EXPECT_EQ(background(widget.cellEdit(8, 4)), toColour(board.UNFoucsColor2));

    QTest::keyClick(widget.cellEdit(7, 4), Qt::Key_Backspace);
    EXPECT_EQ(board.cell(7, 4).text, "");
    EXPECT_FALSE(board.cell(2, 4).isError);
    EXPECT_EQ(background(widget.cellEdit(2, 4)), plainTop);
}

TEST_F(EditBoardWidgetTest, KeyFilterDropsLettersAndPassesDotAndEditingKeys)
{
    type(3, 3, "a");
    EXPECT_EQ(widget.cellEdit(3, 3)->text(), "");
    EXPECT_EQ(board.cell(3, 3).text, "");

    type(3, 3, "4a.0*9");
    EXPECT_EQ(widget.cellEdit(3, 3)->text(), "4.9");
    EXPECT_EQ(board.cell(3, 3).text, "4.9");

    QLineEdit *edit = widget.cellEdit(3, 3);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(board.cell(3, 3).text, ".9");
    // Several characters take the candidates size: 12 pt is 16 px.
    EXPECT_EQ(edit->font().pixelSize(), 16);
}

TEST_F(EditBoardWidgetTest, GivenCellIsReadOnlyAndRefusesTyping)
{
    board.cell(1, 1).state = 1;
    board.cell(1, 1).text = "8";
    board.layoutAndPaint();
    widget.syncFromModel();

    QLineEdit *edit = widget.cellEdit(1, 1);
    EXPECT_TRUE(edit->isReadOnly());
    type(1, 1, "3");
    EXPECT_EQ(edit->text(), "8");
    EXPECT_EQ(board.cell(1, 1).text, "8");
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(edit->font().pixelSize(), 33); // 25 pt
}

TEST_F(EditBoardWidgetTest, Screenshot)
{
    const char *givens
        = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    for (int i = 0; i < 81; ++i) {
        TSD33::TNode &node = board.cell(i / 9 + 1, i % 9 + 1);
        if (givens[i] != '.') {
            node.text = std::string(1, givens[i]);
            node.state = 1;
        }
    }
    board.cell(1, 3).text = "124";
    board.cell(1, 4).text = "6";
    board.cell(9, 4).text = "6"; // same column as (1, 4): the pair shows red
    board.onCellChange();
    widget.syncFromModel();
    EXPECT_TRUE(board.cell(1, 4).isError);
    EXPECT_TRUE(board.cell(9, 4).isError);

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    const QImage image = widget.grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/edit_board.png")));
    // The three-pixel gap after column 3 is two pixels of panel and the black line of
    // column 4; the right edge has no line.
    const QColor panel = widget.palette().color(QPalette::Window);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(130, 20), panel);
    EXPECT_EQ(image.pixelColor(132, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(399, 20), panel);
}

// The solver's developer window is an edit board with a puzzle field and four buttons; these
// prove that each button reaches its handler and that the board shows the result.
TEST(SolverWindow, ButtonsDriveTheLogicAndTheBoardFollows)
{
    FakePlatform platform;
    Tfrm_sol logic;
    SolverDialog dialog(logic, platform.platform().dialogs);
    EXPECT_EQ(dialog.windowTitle(), "Tfrm_sol");
    EXPECT_EQ(dialog.boardWidget()->size(), QSize(400, 400));
    QLineEdit *board55 = dialog.boardWidget()->cellEdit(5, 5);

    const QString puzzle = QStringLiteral(
        "530070000600195000098000060800060003400803001700020006060000280000419005000080079");
    QTest::keyClicks(dialog.puzzleEdit(), puzzle);
    EXPECT_EQ(logic.Edit1, puzzle.toStdString());

    QTest::mouseClick(dialog.button("Set Table"), Qt::LeftButton);
    EXPECT_EQ(dialog.boardWidget()->cellEdit(1, 1)->text(), "5");
    EXPECT_EQ(dialog.boardWidget()->cellEdit(1, 3)->text(), "123456789");

    QTest::mouseClick(dialog.button("solver"), Qt::LeftButton);
    ASSERT_EQ(platform.shownOfKind("inform").size(), 1u);
    EXPECT_EQ(platform.lastShown().text, "OK");
    EXPECT_EQ(dialog.boardWidget()->cellEdit(1, 3)->text(), "4");
    EXPECT_EQ(board55->text(), "5");

    QTest::mouseClick(dialog.button("clear"), Qt::LeftButton);
    EXPECT_EQ(board55->text(), "");
    EXPECT_EQ(logic.so.cell(5, 5).text, "");

    QTest::mouseClick(dialog.button("show da"), Qt::LeftButton);
    EXPECT_EQ(board55->text(), "5"); // the table still holds the solution
    EXPECT_EQ(platform.shownOfKind("inform").size(), 1u);

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/solver_dialog.png")));
}

} // namespace
} // namespace kestrel
