#include "logic/qt/candidate_pad_dialog.hpp"

#include "app/language_table.hpp"
#include "logic/candidate_pad.hpp"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class CandidatePadDialogTest : public ::testing::Test
{
protected:
    CandidatePadDialogTest()
    {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                board.cell(r, c).state = CellState::Open;
        board.cell(2, 1).state = CellState::Given; // the row of (2, 5) holds 1 and 2
        board.cell(2, 1).hxs = "1";
        board.cell(2, 9).state = CellState::Placed;
        board.cell(2, 9).hxs = "2";
        board.cell(2, 5).hxs = "13";
        pad.onClosed = [this] {
            ++closes;
        };
        pad.open(2, 5);
        dialog.syncFromModel();
    }

    TPicNode &target() { return board.cell(2, 5); }

    TPICSD33 board;
    Tfrmtile pad{board, [] {
                     return true;
                 }};
    CandidatePadDialog dialog{pad};
    QSignalSpy changed{&dialog, &CandidatePadDialog::changed};
    int closes = 0;
};

TEST_F(CandidatePadDialogTest, OpeningShowsTheCellsCandidatesAtTheirKeypadPlaces)
{
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.size(), QSize(68, 104));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::Tool));
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(dialog.digitButton(d)->isChecked(), d == 1 || d == 3) << d;
    EXPECT_EQ(dialog.digitButton(6)->geometry(), QRect(46, 37, 20, 20));
}

TEST_F(CandidatePadDialogTest, ClickingAToggleWritesItOnce)
{
    QTest::mouseClick(dialog.digitButton(7), Qt::LeftButton);
    EXPECT_EQ(target().hxs, "137");
    EXPECT_TRUE(dialog.digitButton(7)->isChecked());

    QTest::mouseClick(dialog.digitButton(3), Qt::LeftButton);
    EXPECT_EQ(target().hxs, "17");
    EXPECT_FALSE(dialog.digitButton(3)->isChecked());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(CandidatePadDialogTest, DigitKeysToggleAndEscHidesThePad)
{
    QTest::keyClick(&dialog, Qt::Key_5);
    EXPECT_EQ(target().hxs, "135");
    EXPECT_TRUE(dialog.digitButton(5)->isChecked());
    QTest::keyClick(&dialog, Qt::Key_Space); // any other key: no toggle
    EXPECT_EQ(target().hxs, "135");

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(pad.padOpen);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(CandidatePadDialogTest, AutomaticFillsTheAllowedDigitsAndHides)
{
    QTest::mouseClick(dialog.automaticButton(), Qt::LeftButton);
    EXPECT_EQ(target().hxs, "3456789");
    EXPECT_TRUE(dialog.digitButton(9)->isChecked());
    EXPECT_FALSE(dialog.digitButton(1)->isChecked());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(pad.padOpen);
    EXPECT_EQ(closes, 1);
}

TEST_F(CandidatePadDialogTest, WindowManagerCloseGoesThroughThePad)
{
    dialog.close();
    EXPECT_FALSE(pad.visible);
    EXPECT_EQ(closes, 1);
    dialog.close();
    EXPECT_EQ(closes, 1);
}

TEST_F(CandidatePadDialogTest, Screenshot)
{
    LanguageTable english;
    english.load(Language::English);
    pad.applyLanguage([&](std::string_view key) { return english.lookup(key); });
    dialog.syncFromModel();
    EXPECT_EQ(dialog.automaticButton()->text(), QStringLiteral("Automatic"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Show Candidates"));

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    const QImage shot = dialog.grab().toImage();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(68, 104));
    EXPECT_TRUE(shot.save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/candidate_pad.png")));
}

} // namespace
} // namespace kestrel
