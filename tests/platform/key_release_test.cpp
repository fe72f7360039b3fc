// Keys through the event wait: typed characters, virtual keys, modifiers and the release rules.
#include <gtest/gtest.h>

#include "platform/event_wait_fixture.h"

namespace drz::platform {
namespace {

using test_support::EventWaitTest;

// A press types its character, its release reports the virtual key: a letter, and Escape as 27.
TEST_F(EventWaitTest, KeyPressTypesAndReleaseReportsTheVirtualKey) {
    Key(QEvent::KeyPress, Qt::Key_L, "l");
    Key(QEvent::KeyRelease, Qt::Key_L, "l");
    Key(QEvent::KeyPress, Qt::Key_Escape);
    Key(QEvent::KeyRelease, Qt::Key_Escape);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 4u);
    const int expected[][2] = {{kChar, 'l'}, {kKeyUp, 'L'}, {kChar, 27}, {kKeyUp, 27}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(events[i].message, expected[i][0]) << i;
        EXPECT_EQ(events[i].param, expected[i][1]) << i;
    }
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

}  // namespace
}  // namespace drz::platform
