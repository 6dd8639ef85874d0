// The print selection window in a player's session: choose, press OK, and the page of the
// board lands in the private folder and is handed to the browser.
#include "print/print_select_window.hpp"

#include "support/play_session.hpp"

namespace kestrel {
namespace {

class PrintSelectTest : public PlaySession
{
protected:
    /// Opens the window from the tool button; `player` acts in it.
    void printFromToolButton(const std::function<void(Tfrmprintselect &)> &player)
    {
        fake.whileModal([&](std::string_view window) {
            ASSERT_EQ(window, "Tfrmprintselect");
            player(form.frmprintselect());
        });
        form.trigger(ControlId::btprintableBoard);
    }
    std::string pagePath() const { return fake.privateDirectory() + "/print_temp.htm"; }
};

TEST_F(PrintSelectTest, OkWritesTheChosenPageAndOpensIt)
{
    form.newGame(Level::Gentle);
    place(openCells()[0]);
    AfterOk after = AfterOk::StayOpen;
    printFromToolButton([&](Tfrmprintselect &window) {
        window.style = PrintStyle::WithCandidates;
        window.paper = PaperSize::A2;
        after = window.SpeedButton1Click();
    });
    EXPECT_EQ(after, AfterOk::Close);
    const std::optional<std::string> bytes = fake.fileBytes(pagePath());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, pageText(Tfrmprintc.generate(board())));
    EXPECT_EQ(fake.shellOpens(), std::vector<std::string>{pagePath()});
    EXPECT_TRUE(fake.shownOfKind("error").empty());
}

TEST_F(PrintSelectTest, ChoicesAreKeptBetweenOpenings)
{
    form.newGame(Level::VeryEasy);
    EXPECT_EQ(form.frmprintselect().style, PrintStyle::Normal);
    EXPECT_EQ(form.frmprintselect().paper, PaperSize::A4);
    printFromToolButton([](Tfrmprintselect &window) {
        window.style = PrintStyle::WithCandidates;
        window.paper = PaperSize::A3;
    }); // cancelled
    EXPECT_TRUE(fake.shellOpens().empty());
    printFromToolButton([](Tfrmprintselect &window) { window.SpeedButton1Click(); });
    EXPECT_EQ(fake.fileBytes(pagePath()), pageText(Tfrmprintb.generate(board())));
}

TEST_F(PrintSelectTest, APageThatCannotBeWrittenIsReportedAndTheWindowStays)
{
    form.newGame(Level::VeryEasy);
    for (const bool folderFails : {false, true}) {
        SCOPED_TRACE(folderFails ? "no private folder" : "the write fails");
        fake.clearLog();
        if (folderFails)
            fake.failPrivateDirectory();
        else
            fake.failWritesUnder(fake.privateDirectory());
        EXPECT_EQ(form.frmprintselect().SpeedButton1Click(), AfterOk::StayOpen);
        ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
        EXPECT_EQ(fake.lastShown().text, form.text("msg_print_write_failed"));
        EXPECT_FALSE(fake.lastShown().text.empty());
        EXPECT_TRUE(fake.shellOpens().empty());
    }
}

TEST_F(PrintSelectTest, AHandlerThatFailsToStartIsReportedWithThePath)
{
    form.newGame(Level::VeryEasy);
    fake.failShellOpens();
    EXPECT_EQ(form.frmprintselect().SpeedButton1Click(), AfterOk::Close);
    ASSERT_EQ(fake.shownOfKind("error").size(), 1u);
    EXPECT_NE(fake.lastShown().text.find(pagePath()), std::string::npos) << fake.lastShown().text;
    EXPECT_TRUE(fake.fileBytes(pagePath()).has_value());
}

TEST_F(PrintSelectTest, TextsComeFromTheLanguageTable)
{
    const Tfrmprintselect &window = form.frmprintselect();
    EXPECT_EQ(window.caption, kApplicationTitle);
    EXPECT_EQ(window.styleGroupCaption, "Select Print Style");
    EXPECT_EQ(window.candidatesCaption, "With Candidates");
    EXPECT_EQ(window.paperItems[2], "Big  (A2)");
    form.loadLanguage(Language::Chinese);
    EXPECT_EQ(window.paperGroupCaption, "纸张大小");
    EXPECT_EQ(window.okCaption, "确定");
}

} // namespace
} // namespace kestrel
