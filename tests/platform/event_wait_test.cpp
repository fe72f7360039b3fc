// The event wait: queued input in order, menu commands, mouse, closing.
#include <gtest/gtest.h>

#include "platform/event_wait_fixture.h"

namespace drz::platform {
namespace {

using test_support::EventWaitTest;

TEST_F(EventWaitTest, PostedInputComesBackInOrder) {
    w.PostInput({kKeyUp, 'L', 0, 0});
    w.PostInput({kLeftButtonDown, 1, 300, 400});
    w.PostInput({kChar, '5', 0, 0});
    EXPECT_EQ(w.WaitEvent().param, 'L');
    const InputEvent click = w.WaitEvent();
    EXPECT_EQ(click.message, kLeftButtonDown);
    EXPECT_EQ(w.MouseX(), 300);
    EXPECT_EQ(w.MouseY(), 400);
    EXPECT_EQ(w.WaitEvent().message, kChar);
    EXPECT_EQ(w.LastEvent().param, '5');
    EXPECT_EQ(w.MouseX(), 300) << "a key event leaves the pointer where it was";
}

TEST_F(EventWaitTest, MenuChoiceArrivesAsMenuCommand) {
    const MenuHandle bar = w.CreateMenuBar();
    const MenuHandle popup = w.CreatePopup();
    w.AppendItem(popup, 8, "&Neues Spiel");
    w.AppendPopup(bar, popup, "&Dreizehner");
    w.InstallMenuBar(bar);
    WindowParts(w).menus.FindItem(8)->trigger();
    const InputEvent e = w.WaitEvent();
    EXPECT_EQ(e.message, kMenuCommand);
    EXPECT_EQ(e.param, 8);
}

TEST_F(EventWaitTest, NoMenuCommandWhileTheBarIsOff) {
    const MenuHandle bar = w.CreateMenuBar();
    w.AppendItem(bar, 99, "&Beenden");
    w.InstallMenuBar(bar);
    w.SetMenuEnabled(false);
    WindowParts(w).menus.FindItem(99)->trigger();
    EXPECT_TRUE(Drain().empty());
    w.SetMenuEnabled(true);
    WindowParts(w).menus.FindItem(99)->trigger();
    EXPECT_EQ(w.WaitEvent().param, 99);
}

TEST_F(EventWaitTest, MouseButtonsAndMovesInPicturePixels) {
    std::vector<std::pair<int, int>> moves;
    w.SetMouseMoveHandler([&](int x, int y) { moves.emplace_back(x, y); });
    Mouse(QEvent::MouseMove, {100, 200}, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, {101, 201}, Qt::LeftButton);
    EXPECT_TRUE(w.LeftButtonDown());
    Mouse(QEvent::MouseButtonRelease, {101, 201}, Qt::LeftButton);
    EXPECT_FALSE(w.LeftButtonDown());
    Mouse(QEvent::MouseButtonPress, {50, 60}, Qt::RightButton);
    EXPECT_TRUE(w.AnyButtonDown());
    Mouse(QEvent::MouseButtonRelease, {50, 60}, Qt::RightButton);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].message, kLeftButtonDown);
    EXPECT_EQ(events[0].x, 101);
    EXPECT_EQ(events[0].y, 201);
    EXPECT_EQ(events[1].message, kRightButtonDown);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.front(), std::make_pair(100, 200));
    EXPECT_EQ(w.MouseX(), 50);
    EXPECT_EQ(w.MouseY(), 60);
}

TEST_F(EventWaitTest, MovesReachTheHandlerBeforeTheClickThatFollowsThem) {
    int hoverAtClick = -1, hover = 0;
    w.SetMouseMoveHandler([&](int x, int) { hover = x; });
    Mouse(QEvent::MouseMove, {10, 10}, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {40, 10}, Qt::NoButton);  // after the click: must not be seen before it
    const InputEvent click = w.WaitEvent();
    hoverAtClick = hover;
    EXPECT_EQ(click.message, kLeftButtonDown);
    EXPECT_EQ(hoverAtClick, 10);
    Drain();
    EXPECT_EQ(hover, 40);
}

TEST_F(EventWaitTest, WaitingForTheButtonsBlocksUntilTheRelease) {
    Mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
    QTimer::singleShot(40, [&] { Mouse(QEvent::MouseButtonRelease, {6, 6}, Qt::RightButton); });
    QElapsedTimer t;
    t.start();
    w.WaitButtonsReleased();
    EXPECT_GE(t.elapsed(), 30);
    EXPECT_FALSE(w.AnyButtonDown());
    EXPECT_EQ(w.WaitEvent().message, kRightButtonDown) << "the press is still there for the game";
}

TEST_F(EventWaitTest, CloseRequestRunsTheCloseHandlerInsideTheWait) {
    int asked = 0;
    w.SetCloseHandler([&] { ++asked; });
    w.RequestClose();
    w.PostInput({kKeyUp, 'A', 0, 0});
    EXPECT_EQ(w.WaitEvent().param, 'A');
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w.IsOpen()) << "declining leaves the window as it was";
}

TEST_F(EventWaitTest, TheCloseBoxIsACloseRequest) {
    int asked = 0;
    w.SetCloseHandler([&] { ++asked; });
    WindowParts(w).frame->close();  // as the window manager's close box does
    EXPECT_TRUE(WindowParts(w).frame->isVisible());
    EXPECT_EQ(asked, 0) << "the handler never runs inside the toolkit's close event";
    w.PostInput({kChar, 'x', 0, 0});
    w.WaitEvent();
    EXPECT_EQ(asked, 1);
}

TEST_F(EventWaitTest, MinimisingTheWindowIsAnEventOnceRestoringIsNone) {
    WindowParts(w).frame->showMinimized();
    WindowParts(w).frame->showMinimized();  // still minimised: nothing more
    WindowParts(w).frame->showNormal();
    const std::vector<InputEvent> events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].message, kWindowMinimized);
}

TEST_F(EventWaitTest, ProgramExitFromTheCloseHandlerLeavesTheWait) {
    w.SetCloseHandler([&] {
        w.Close();
        throw ProgramExit();
    });
    w.RequestClose();
    w.PostInput({kKeyUp, 'Z', 0, 0});
    EXPECT_THROW(w.WaitEvent(), ProgramExit);
    EXPECT_FALSE(w.IsOpen());
    EXPECT_FALSE(WindowParts(w).frame->isVisible());
}

TEST_F(EventWaitTest, GoneWindowEndsEveryWait) {
    w.PostInput({kKeyUp, 'A', 0, 0});
    w.Close();
    EXPECT_THROW(w.WaitEvent(), ProgramExit) << "input left over is not handed out any more";
    EXPECT_THROW(w.WaitEvent(), ProgramExit);
}

TEST(EventWaitUnopened, ScriptedInputArrivesWithoutAWindowThenTheWaitEnds) {
    MainWindow w;
    w.PostInput({kKeyUp, 'A', 0, 0});
    EXPECT_EQ(w.WaitEvent().param, 'A');
    EXPECT_THROW(w.WaitEvent(), ProgramExit) << "nothing more can come";
}

TEST_F(EventWaitTest, WithoutCloseHandlerTheCloseBoxEndsTheProgram) {
    w.RequestClose();
    EXPECT_THROW(w.WaitEvent(), ProgramExit);
}

TEST_F(EventWaitTest, WaitBlocksUntilInputArrivesFromTheToolkit) {
    QTimer::singleShot(40, [&] { w.PostInput({kKeyUp, 'H', 0, 0}); });
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(w.WaitEvent().param, 'H');
    EXPECT_GE(t.elapsed(), 30);
}

TEST_F(EventWaitTest, PauseKeepsInputForLater) {
    Key(QEvent::KeyPress, Qt::Key_A, "a");
    QElapsedTimer t;
    t.start();
    Pause(60);
    EXPECT_GE(t.elapsed(), 55);
    EXPECT_EQ(w.WaitEvent().param, 'a');
}

}  // namespace
}  // namespace drz::platform
