// Save as picture: the format follows the name the player typed, and the board is taken at
// the click.
#include "app/picture_export.hpp"

#include "support/play_session.hpp"

namespace kestrel {
namespace {

TEST(PictureExport, FormatAndExtensionFollowTheName)
{
    struct Case
    {
        std::string_view chosen;
        std::string_view written;
        PictureFormat format;
    };
    const Case cases[] = {
        {"/home/player/board.jpg", "/home/player/board.jpg", PictureFormat::Jpeg},
        {"/home/player/board.JPG", "/home/player/board.JPG", PictureFormat::Jpeg},
        {"/home/player/board.Jpeg", "/home/player/board.Jpeg", PictureFormat::Jpeg},
        {"/home/player/board.bmp", "/home/player/board.bmp", PictureFormat::Bmp},
        {"/home/player/board.BMP", "/home/player/board.BMP", PictureFormat::Bmp},
        {"/home/player/board.png", "/home/player/board.png", PictureFormat::Bmp},
        {"/home/player/board", "/home/player/board.jpg", PictureFormat::Jpeg},
        {"/home/my.pictures/board", "/home/my.pictures/board.jpg", PictureFormat::Jpeg},
        {"C:\\my.pictures\\board", "C:\\my.pictures\\board.jpg", PictureFormat::Jpeg},
        {"/home/player/boardjpg", "/home/player/boardjpg.jpg", PictureFormat::Jpeg},
        {"/home/player/board.xjpg", "/home/player/board.xjpg", PictureFormat::Bmp},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.chosen));
        const std::string written = withPictureExtension(c.chosen);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(pictureFormatFor(written), c.format);
    }
}

class SavePictureTest : public PlaySession
{
};

TEST_F(SavePictureTest, TheBoardIsTakenBeforeTheDialogAndSavedUnderTheChosenName)
{
    form.newGame(Level::Gentle);
    fake.answerSave("/home/player/board.JPG");
    form.trigger(ControlId::btsavepic);
    const Shown dialog = fake.lastShown();
    EXPECT_EQ(dialog.kind, "save");
    EXPECT_EQ(dialog.detail, "JPEG Image File (*.jpg);;Bitmaps (*.bmp)");
    EXPECT_EQ(
        fake.windowCalls(),
        (std::vector<std::string>{"grabBoardFrame", "savePicture /home/player/board.JPG jpeg"}));
    EXPECT_EQ(fake.fileBytes("/home/player/board.JPG"), "JPEG 1");

    fake.answerSave("/home/player/board");
    form.trigger(ControlId::btsavepic);
    EXPECT_EQ(fake.fileBytes("/home/player/board.jpg"), "JPEG 2");
    fake.answerSave("/home/player/board.bmp");
    form.trigger(ControlId::btsavepic);
    EXPECT_EQ(fake.fileBytes("/home/player/board.bmp"), "BMP 3");
    EXPECT_TRUE(fake.shownOfKind("error").empty());
}

TEST_F(SavePictureTest, CancellingSavesNothing)
{
    fake.answerSave(std::nullopt);
    form.trigger(ControlId::btsavepic);
    EXPECT_EQ(fake.windowCalls(), std::vector<std::string>{"grabBoardFrame"});
    EXPECT_TRUE(fake.shownOfKind("error").empty());
}

TEST_F(SavePictureTest, AFailedWriteIsReportedAndLeavesNoFile)
{
    fake.failWritesUnder("/home/player/locked");
    fake.addDirectory("/home/player/locked");
    fake.answerSave("/home/player/locked/board.jpg");
    form.trigger(ControlId::btsavepic);
    ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_NE(fake.lastShown().text.find("/home/player/locked/board.jpg"), std::string::npos);
    EXPECT_FALSE(fake.fileBytes("/home/player/locked/board.jpg").has_value());
}

TEST_F(SavePictureTest, NoBoardFrameIsReportedBeforeAnyDialog)
{
    fake.removeBoardFrame();
    form.trigger(ControlId::btsavepic);
    ASSERT_EQ(fake.shown().size(), 1u);
    EXPECT_EQ(fake.lastShown().kind, "error");
    EXPECT_EQ(fake.lastShown().text, form.text("msg_picture_grab_failed"));
}

} // namespace
} // namespace kestrel
