// The fake's own less obvious behaviour: the suites of the window logic lean on it.
#include "support/fake_platform.hpp"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace kestrel;

TEST(FakePlatform, ScriptedAnswersAreTakenInOrderAndLogged)
{
    FakePlatform fake;
    Platform &p = fake.platform();
    fake.answerConfirm(true);
    fake.answerConfirm(false);
    fake.answerSave(std::nullopt);
    fake.answerSave("/home/player/game.txt");

    EXPECT_TRUE(p.dialogs.confirm("Restart?", "Sudoku"));
    EXPECT_FALSE(p.dialogs.confirm("Really?", "Sudoku"));
    EXPECT_EQ(p.dialogs.saveFile("Save", "/home/player", "Text (*.txt)"), std::nullopt);
    EXPECT_EQ(p.dialogs.saveFile("Save", "/home/player", "Text (*.txt)"), "/home/player/game.txt");
    EXPECT_TRUE(fake.allAnswersUsed());

    ASSERT_EQ(fake.shown().size(), 4u);
    EXPECT_EQ(fake.shown()[1], (Shown{"confirm", "Really?", "Sudoku"}));
    EXPECT_EQ(fake.lastShown(), (Shown{"save", "/home/player", "Save", "Text (*.txt)"}));
    EXPECT_EQ(fake.shownOfKind("confirm").size(), 2u);
}

TEST(FakePlatform, UnscriptedConfirmationFailsTheTestAndAnswersNo)
{
    FakePlatform fake;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = fake.confirm("Delete this game?", "Games"),
                            "Delete this game?");
    EXPECT_FALSE(answer);
}

TEST(FakePlatform, FailedWriteKeepsTheOldBytes)
{
    FakePlatform fake;
    fake.addFile("/data/games.dat", "old\r\n");
    fake.failWritesUnder("/data/");

    EXPECT_FALSE(fake.writeLines("/data/games.dat", {"new"}));
    EXPECT_EQ(fake.fileBytes("/data/games.dat"), "old\r\n");
    EXPECT_TRUE(fake.writeLines("/home/player/other.txt", {"new"}));
    EXPECT_EQ(fake.fileBytes("/home/player/other.txt"), "new\r\n");
}

TEST(FakePlatform, FilesNeedTheirFolderAndRelativePathsFollowTheCurrentDirectory)
{
    FakePlatform fake;
    const std::string data = fake.dataDirectory();

    EXPECT_FALSE(fake.writeLines(data + "/games.dat", {"x"}));
    fake.failMakeDirectory(data);
    EXPECT_FALSE(fake.makeDirectory(data + "/replay")) << "its parent cannot be made";
    FakePlatform fresh;
    ASSERT_TRUE(fresh.makeDirectory(data + "/replay")) << "missing parents are made too";
    EXPECT_TRUE(fresh.isDirectory(data));
    fake.addDirectory(data + "/replay");

    ASSERT_TRUE(fake.setCurrentDirectory(data));
    EXPECT_TRUE(fake.writeLines("replay\\one.txt", {"a", "b"}));
    EXPECT_EQ(fake.readLines(data + "/replay/one.txt"), (std::vector<std::string>{"a", "b"}));

    fake.failSetCurrentDirectory(data + "/replay");
    EXPECT_FALSE(fake.setCurrentDirectory("replay"));
    EXPECT_EQ(fake.currentDirectory(), data);
}
