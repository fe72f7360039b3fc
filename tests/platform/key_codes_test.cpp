// The key table: toolkit keys to virtual-key codes and typed characters.
#include <gtest/gtest.h>

#include <Qt>

#include "platform/key_codes.h"

namespace drz::platform {
namespace {

TEST(VirtualKeys, LettersAndDigitsKeepTheirCodes) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_A, false), 'A');
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Z, false), 'Z');
    EXPECT_EQ(VirtualKeyOf(Qt::Key_0, false), '0');
    EXPECT_EQ(VirtualKeyOf(Qt::Key_9, false), '9');
    EXPECT_EQ(VirtualKeyOf(Qt::Key_5, true), 0x65) << "keypad digits";
}

TEST(VirtualKeys, NamedKeysFollowTheTable) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Escape, false), 27);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Return, false), 13);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter, true), 13);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Backspace, false), 8);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Tab, false), 9);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Space, false), 32);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Delete, false), 46);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Left, false), 37);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Up, false), 38);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Right, false), 39);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Down, false), 40);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F1, false), 112);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F12, false), 123);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Shift, false), 16);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Alt, false), 0) << "Alt belongs to the menu";
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Adiaeresis, false), 0);
}

TEST(TypedCharacters, ControlKeysTypeTheirCodes) {
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Escape, {}), 27);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Escape, "\x1b"), 27);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Return, "\r"), 13);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Backspace, {}), 8);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Tab, {}), 9);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Delete, "\x7f"), -1);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Shift, {}), -1);
}

TEST(TypedCharacters, TextGivesLatinOneCharacters) {
    EXPECT_EQ(TypedCharacterOf(Qt::Key_A, "a"), 'a');
    EXPECT_EQ(TypedCharacterOf(Qt::Key_A, "A"), 'A');
    EXPECT_EQ(TypedCharacterOf(Qt::Key_QuoteLeft, "`"), 96);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_Adiaeresis, QString::fromUtf8("ä")), 0xE4);
    EXPECT_EQ(TypedCharacterOf(Qt::Key_unknown, QString::fromUtf8("€")), -1) << "not in Latin-1";
}

}  // namespace
}  // namespace drz::platform
