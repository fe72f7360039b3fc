// The event wait: queued input in order, menu commands, keys with their release rules, mouse, closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <vector>

#include "platform/window.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

class EventWaitTest : public ::testing::Test {
protected:
    void SetUp() override { w.Open(0, 0, kScreenWidth, 963); }

    QWidget* View() { return WindowParts(w).view; }

    void Key(QEvent::Type type, int key, const QString& text = {}, bool autoRepeat = false,
             Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent e(type, key, mods, text, autoRepeat);
        QCoreApplication::sendEvent(View(), &e);
    }
    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(pos), View()->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(View(), &e);
    }
    // Everything queued until the wait would block for more than `ms`.
    std::vector<InputEvent> Drain(int ms = 80) {
        std::vector<InputEvent> events;
        w.PostInput({0x7777, 0, 0, 0});  // a marker behind everything recorded so far
        QTimer::singleShot(ms, [] {});
        for (;;) {
            const InputEvent e = w.WaitEvent();
            if (e.message == 0x7777) break;
            events.push_back(e);
        }
        return events;
    }
    void Settle(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    MainWindow w;
};

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

TEST_F(EventWaitTest, KeyPressTypesAndReleaseReportsTheVirtualKey) {
    Key(QEvent::KeyPress, Qt::Key_L, "l");
    Key(QEvent::KeyRelease, Qt::Key_L, "l");
    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].message, kChar);
    EXPECT_EQ(events[0].param, 'l');
    EXPECT_EQ(events[1].message, kKeyUp);
    EXPECT_EQ(events[1].param, 'L');
}

TEST_F(EventWaitTest, AReleaseCarriesTheModifiersHeldAtItsPress) {
    Key(QEvent::KeyPress, Qt::Key_Z, "\x1a", false, Qt::ControlModifier | Qt::ShiftModifier);
    Key(QEvent::KeyRelease, Qt::Key_Z, {}, false, Qt::NoModifier);  // Ctrl and Shift were let go first
    Key(QEvent::KeyPress, Qt::Key_Y, "y");
    Key(QEvent::KeyRelease, Qt::Key_Y, "y", false, Qt::ControlModifier);  // Ctrl pressed only after Y
    const auto events = Drain();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1].param, 'Z');
    EXPECT_EQ(events[1].modifiers, kControlHeld | kShiftHeld);
    EXPECT_EQ(events[3].modifiers, 0);
}

TEST_F(EventWaitTest, EscapeIsTwentySeven) {
    Key(QEvent::KeyPress, Qt::Key_Escape);
    Key(QEvent::KeyRelease, Qt::Key_Escape);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].message, kChar);
    EXPECT_EQ(events[0].param, 27);
    EXPECT_EQ(events[1].message, kKeyUp);
    EXPECT_EQ(events[1].param, 27);
}

TEST_F(EventWaitTest, ReleaseWithoutSeenPressIsDropped) {
    Key(QEvent::KeyRelease, Qt::Key_Return);  // the key that answered a dialog
    Key(QEvent::KeyPress, Qt::Key_A, "a");
    Key(QEvent::KeyRelease, Qt::Key_A, "a");
    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].message, kChar);
    EXPECT_EQ(events[1].param, 'A');
}

TEST_F(EventWaitTest, AutoRepeatReleaseFollowedByPressIsDropped) {
    Key(QEvent::KeyPress, Qt::Key_D, "d");
    Key(QEvent::KeyRelease, Qt::Key_D, "d");  // not marked as repeated, but the key is still held
    Key(QEvent::KeyPress, Qt::Key_D, "d");
    Key(QEvent::KeyRelease, Qt::Key_D, "d", true);  // marked as repeated
    Key(QEvent::KeyPress, Qt::Key_D, "d", true);
    Key(QEvent::KeyRelease, Qt::Key_D, "d");  // the real release
    const auto events = Drain();
    int ups = 0, chars = 0;
    for (const InputEvent& e : events) {
        ups += e.message == kKeyUp;
        chars += e.message == kChar;
    }
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(chars, 3);
    EXPECT_EQ(events.back().message, kKeyUp);
}

TEST_F(EventWaitTest, ReleaseIsHeldBackOnlyBriefly) {
    Key(QEvent::KeyPress, Qt::Key_S, "s");
    Key(QEvent::KeyRelease, Qt::Key_S, "s");
    EXPECT_EQ(w.WaitEvent().message, kChar);
    QElapsedTimer t;
    t.start();
    const InputEvent up = w.WaitEvent();  // blocks until the hold time is over
    EXPECT_EQ(up.message, kKeyUp);
    EXPECT_GE(t.elapsed(), InputRecorder::kReleaseHoldMs - 5);
    EXPECT_LT(t.elapsed(), 1000);
}

TEST_F(EventWaitTest, ReleaseAfterTheHoldTimeIsAReleaseAndANewPressTypesAgain) {
    Key(QEvent::KeyPress, Qt::Key_N, "n");
    Key(QEvent::KeyRelease, Qt::Key_N, "n");
    Settle(InputRecorder::kReleaseHoldMs + 30);
    Key(QEvent::KeyPress, Qt::Key_N, "n");
    Key(QEvent::KeyRelease, Qt::Key_N, "n");
    const auto events = Drain();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1].message, kKeyUp);
    EXPECT_EQ(events[3].message, kKeyUp);
}

TEST_F(EventWaitTest, ReleaseOfOneKeyStaysBeforeThePressOfAnother) {
    Key(QEvent::KeyPress, Qt::Key_K, "k");
    Key(QEvent::KeyRelease, Qt::Key_K, "k");
    Key(QEvent::KeyPress, Qt::Key_O, "o");
    Key(QEvent::KeyRelease, Qt::Key_O, "o");
    const auto events = Drain();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1].message, kKeyUp);
    EXPECT_EQ(events[1].param, 'K');
    EXPECT_EQ(events[2].param, 'o');
    EXPECT_EQ(events[3].param, 'O');
}

TEST_F(EventWaitTest, AltCombinationsBelongToTheMenu) {
    Key(QEvent::KeyPress, Qt::Key_D, "d", false, Qt::AltModifier);
    Key(QEvent::KeyRelease, Qt::Key_D, "d", false, Qt::AltModifier);
    EXPECT_TRUE(Drain().empty());
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
