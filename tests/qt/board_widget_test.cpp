#include "board/qt/board_widget.hpp"

#include "core/board.hpp"

#include <QDir>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel {
namespace {

// Writes every event as one line ("cellPressed E5 L", "candidateEntered B2 9").
class RecordingEvents : public BoardEvents
{
public:
    std::vector<std::string> log;

    void cellPressed(int row, int col, MouseButton button) override
    {
        log.push_back("cellPressed " + name(row, col) + " " + letter(button));
    }
    void candidatePressed(int row, int col, int digit, MouseButton button) override
    {
        log.push_back("candidatePressed " + name(row, col) + " " + std::to_string(digit) + " "
                      + letter(button));
    }
    void cellEntered(int row, int col) override { log.push_back("cellEntered " + name(row, col)); }
    void cellLeft(int row, int col) override { log.push_back("cellLeft " + name(row, col)); }
    void candidateEntered(int row, int col, int digit) override
    {
        log.push_back("candidateEntered " + name(row, col) + " " + std::to_string(digit));
    }
    void candidateLeft(int row, int col, int digit) override
    {
        log.push_back("candidateLeft " + name(row, col) + " " + std::to_string(digit));
    }

private:
    static std::string name(int row, int col) { return cellName(row, col).data(); }
    static std::string letter(MouseButton b)
    {
        return b == MouseButton::Left ? "L" : b == MouseButton::Right ? "R" : "M";
    }
};

// The owner's part of hovering, as the game window does it: the model's frame flags follow
// the mouse, then the board is repainted.
class HoverOwner : public BoardEvents
{
public:
    HoverOwner(TPICSD33 &board, BoardWidget &widget) : m_board(board), m_widget(widget) { }

    void cellPressed(int, int, MouseButton) override { }
    void candidatePressed(int, int, int, MouseButton) override { }
    void cellEntered(int row, int col) override { setCell(row, col, true); }
    void cellLeft(int row, int col) override { setCell(row, col, false); }
    void candidateEntered(int row, int col, int digit) override { setSub(row, col, digit, true); }
    void candidateLeft(int row, int col, int digit) override { setSub(row, col, digit, false); }

private:
    void setCell(int row, int col, bool on)
    {
        m_board.cell(row, col).setIsEnter(on);
        m_widget.refreshFromModel();
    }
    void setSub(int row, int col, int digit, bool on)
    {
        m_board.cell(row, col).hxsPanels[digit].setIsEnter(on);
        m_widget.refreshFromModel();
    }

    TPICSD33 &m_board;
    BoardWidget &m_widget;
};

QPoint cellCentre(int row, int col)
{
    const PixelPos o = TPICSD33::cellOrigin(row, col);
    return {o.x + TPicNode::kSize / 2, o.y + TPicNode::kSize / 2};
}

QPoint candidateCentre(int row, int col, int digit)
{
    const PixelPos o = TPICSD33::cellOrigin(row, col);
    const PixelPos s = TPicNode::subPanelOffset(digit);
    return {o.x + s.x + TPicNode::kSubSize / 2, o.y + s.y + TPicNode::kSubSize / 2};
}

// A small game in progress: givens, placed digits, open cells with candidates.
void setUpPosition(TPICSD33 &board)
{
    const std::string givens
        = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    for (int k = 0; k < 81; ++k) {
        TPicNode &node = board.cell(k / 9 + 1, k % 9 + 1);
        const char ch = givens[static_cast<std::size_t>(k)];
        node.state = ch == '.' ? CellState::Open : CellState::Given;
        node.hxs = ch == '.' ? "" : std::string(1, ch);
    }
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (board.cell(r, c).state == CellState::Open)
                board.cell(r, c).hxs = board.allowedHxs(r, c);
    board.cell(1, 3).state = CellState::Placed; // placed digits
    board.cell(1, 3).hxs = "4";
    board.cell(5, 5).state = CellState::Placed;
    board.cell(5, 5).hxs = "5";
    board.cell(3, 7).state = CellState::Placed;
    board.cell(3, 7).hxs = "1";
    board.cell(2, 2).hxs = "159"; // keypad corners and centre
    board.refreshByState();
}

class BoardWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setUpPosition(board);
        widget.setEvents(&events);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        // Start with the mouse away from the board, whatever showing the window reported.
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&widget, &leave);
        events.log.clear();
    }

    TPICSD33 board;
    BoardWidget widget{&board};
    RecordingEvents events;
};

TEST_F(BoardWidgetTest, ClicksReachTheCellOrCandidateUnderTheMouse)
{
    const struct
    {
        QPoint pos;
        Qt::MouseButton button;
        const char *expected;
    } cases[] = {
        {cellCentre(1, 1), Qt::LeftButton, "cellPressed A1 L"},
        {cellCentre(5, 5), Qt::RightButton, "cellPressed E5 R"},
        {cellCentre(9, 9), Qt::LeftButton, "cellPressed I9 L"},
        {cellCentre(3, 7), Qt::MiddleButton, "cellPressed C7 M"},
        {candidateCentre(2, 2, 1), Qt::LeftButton, "candidatePressed B2 1 L"},
        {candidateCentre(2, 2, 5), Qt::RightButton, "candidatePressed B2 5 R"},
        {candidateCentre(2, 2, 9), Qt::LeftButton, "candidatePressed B2 9 L"},
        // Digit 3 of B2 is hidden: its area belongs to the cell.
        {candidateCentre(2, 2, 3), Qt::RightButton, "cellPressed B2 R"},
        // The gap between two sub-panels belongs to the cell as well.
        {candidateCentre(2, 2, 1) + QPoint(7, 0), Qt::LeftButton, "cellPressed B2 L"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        events.log.clear();
        QTest::mouseClick(&widget, c.button, {}, c.pos);
        EXPECT_EQ(events.log, std::vector<std::string>{c.expected});
    }
}

TEST_F(BoardWidgetTest, MarginsAndBoxLinesHitNothing)
{
    EXPECT_TRUE(widget.hitTest({0, 0}).isNothing()); // a click at a null point means the centre
    for (const QPoint p : {QPoint(1, 1), QPoint(1, 200), QPoint(140, 50), QPoint(141, 50),
                           QPoint(50, 280), QPoint(421, 421), QPoint(420, 10)}) {
        SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
        EXPECT_TRUE(widget.hitTest(p).isNothing());
        QTest::mouseClick(&widget, Qt::LeftButton, {}, p);
    }
    EXPECT_TRUE(events.log.empty()) << testing::PrintToString(events.log);
    EXPECT_EQ(widget.hitTest({2, 2}), (HitTarget{1, 1, 0}));
    EXPECT_EQ(widget.hitTest({419, 419}), (HitTarget{9, 9, 0}));
}

TEST_F(BoardWidgetTest, DisabledBoardTakesNoInput)
{
    board.enabled = false;
    QTest::mouseClick(&widget, Qt::LeftButton, {}, cellCentre(4, 4));
    QTest::mouseMove(&widget, cellCentre(4, 4));
    EXPECT_TRUE(events.log.empty()) << testing::PrintToString(events.log);
}

TEST_F(BoardWidgetTest, HoverReportsOneThingAtATime)
{
    QTest::mouseMove(&widget, cellCentre(2, 2)); // digit 5 of B2 sits at the centre
    QTest::mouseMove(&widget, candidateCentre(2, 2, 3)); // hidden: the cell body
    QTest::mouseMove(&widget, candidateCentre(2, 2, 9));
    QTest::mouseMove(&widget, candidateCentre(2, 2, 9) + QPoint(1, 1)); // same sub-panel
    QTest::mouseMove(&widget, cellCentre(2, 3));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);

    const std::vector<std::string> expected = {
        "candidateEntered B2 5", "candidateLeft B2 5", "cellEntered B2", "cellLeft B2",
        "candidateEntered B2 9", "candidateLeft B2 9", "cellEntered B3", "cellLeft B3",
    };
    EXPECT_EQ(events.log, expected);
}

TEST_F(BoardWidgetTest, OwnerHoverSetsTheFrameOfTheRightPanel)
{
    HoverOwner owner(board, widget);
    widget.setEvents(&owner);

    QTest::mouseMove(&widget, cellCentre(7, 2)); // a given
    EXPECT_TRUE(board.cell(7, 2).isEnter());

    QTest::mouseMove(&widget, candidateCentre(2, 2, 1));
    EXPECT_FALSE(board.cell(7, 2).isEnter());
    EXPECT_FALSE(board.cell(2, 2).isEnter());
    EXPECT_TRUE(board.cell(2, 2).hxsPanels[1].isEnter());
    widget.grab(); // paints the candidate's open frame

    QTest::mouseMove(&widget, cellCentre(2, 1));
    EXPECT_FALSE(board.cell(2, 2).hxsPanels[1].isEnter());
    EXPECT_TRUE(board.cell(2, 1).isEnter());

    // The frame is drawn inside the panel: red at (1, 1) of the cell, not at (0, 0).
    const QImage image = widget.grab().toImage();
    const PixelPos o = TPICSD33::cellOrigin(2, 1);
    EXPECT_EQ(image.pixelColor(o.x + 1, o.y + 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(o.x + 43, o.y + 43), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(o.x, o.y), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(o.x + 44, o.y + 44), QColor(Qt::red));
}

TEST_F(BoardWidgetTest, ScreenshotOfAGameInProgress)
{
    board.UNFoucsColor1 = 0x00D9F7F7;
    board.UNFoucsColor2 = 0x00FFBBBB;
    board.FONTSize1 = 20;
    board.FONTSize2 = 20;
    board.FONTSize3 = 10;
    board.FONTColor3 = 0;
    board.cell(4, 4).isError = true;
    board.refreshByState();
    board.cell(6, 6).setIsEnter(true);
    board.cell(2, 2).hxsPanels[9].setIsEnter(true);

    const QImage image = widget.grab().toImage();
    EXPECT_EQ(image.size(), QSize(422, 422));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(141, 100), QColor(Qt::black)); // line between boxes
    EXPECT_EQ(image.pixelColor(cellCentre(1, 4) + QPoint(0, 20)), QColor(0xBB, 0xBB, 0xFF));

    ASSERT_TRUE(QDir().mkpath(KESTREL_SCREENSHOT_DIR));
    EXPECT_TRUE(image.save(KESTREL_SCREENSHOT_DIR "/board.png"));
}

} // namespace
} // namespace kestrel
