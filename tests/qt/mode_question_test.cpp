// The real question box over the main window: answering it must finish what the player's
// press started, and the hint window must stand clear of the board.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "logic/qt/hint_dialog.hpp"
#include "platform/qt/qt_platform.hpp"
#include "support/fake_platform.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(ModeQuestion, YesInTheRealQuestionBoxSwitchesToPencilAndPaper)
{
    installFontSubstitutions();
    FakePlatform fake;
    QtDialogs dialogs;
    Platform platform{dialogs, fake, fake, fake, fake, fake, fake};
    TForm1 form(platform);
    MersenneRandom random(5);
    form.game().setRandomSource(random);
    form.FormCreate();
    MainWindow window(form, dialogs);
    dialogs.setParentWidget(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // All Candidates with one candidate removed by the player: leaving asks first.
    form.newGame(Level::VeryEasy);
    form.game().radioClick(Mode::AllCandidates);
    for (int r = 1; r <= 9 && form.game().candidateClassification() != 3; ++r)
        for (int c = 1; c <= 9 && form.game().candidateClassification() != 3; ++c)
            if (form.game().board().cell(r, c).state == CellState::Open
                && form.game().board().cell(r, c).hxs.size() >= 2)
                form.game().candidateClick(r, c, form.game().board().cell(r, c).hxs[0] - '0',
                                           MouseButton::Right);
    ASSERT_EQ(form.game().candidateClassification(), 3);
    window.syncFromModel();

    auto *pencil = qobject_cast<QRadioButton *>(window.controlObject(ControlId::rb_none));
    ASSERT_NE(pencil, nullptr);
    // While the box is up the button's release arrives and is lost; then the player says Yes.
    bool answered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        QTest::mouseRelease(pencil, Qt::LeftButton);
        box->button(QMessageBox::Yes)->click();
        answered = true;
        poll.stop();
    });
    poll.start(20);
    QTest::mousePress(pencil, Qt::LeftButton);
    poll.stop();

    ASSERT_TRUE(answered) << "the question was asked in a real box";
    EXPECT_EQ(form.game().mode(), Mode::PencilAndPaper);
    EXPECT_TRUE(pencil->isChecked());
    EXPECT_FALSE(
        qobject_cast<QRadioButton *>(window.controlObject(ControlId::rb_all))->isChecked());
}

TEST(HintWindowPlace, BelowTheMainWindowsFrameOrBesideItNeverOverTheBoard)
{
    const QSize hint(400, 200);
    const QRect screen(0, 0, 1920, 1080);
    struct Case
    {
        const char *name;
        QRect main;
        QPoint expected;
    };
    const Case cases[] = {
        {"room below", QRect(100, 50, 600, 620), QPoint(100, 670)},
        {"no room below: to the right", QRect(100, 400, 600, 620), QPoint(700, 400)},
        {"no room below or right: to the left", QRect(1300, 400, 600, 620), QPoint(900, 400)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint at = hintWindowPosition(c.main, hint, screen);
        EXPECT_EQ(at, c.expected);
        EXPECT_FALSE(QRect(at, hint).intersects(c.main)) << "covers the main window";
    }
}

} // namespace
} // namespace kestrel
