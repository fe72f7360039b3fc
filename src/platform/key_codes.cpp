// The table from toolkit keys to virtual-key codes and typed characters.
#include "platform/key_codes.h"

#include <Qt>
#include <unordered_map>

namespace drz::platform {

namespace {

const std::unordered_map<int, int>& NamedKeys() {
    static const std::unordered_map<int, int> table = {
        {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},          {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Print, 44},
        {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46}, {Qt::Key_Menu, 93},    {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145}, {Qt::Key_Plus, 0xBB}, {Qt::Key_Comma, 0xBC}, {Qt::Key_Minus, 0xBD},
        {Qt::Key_Period, 0xBE},
    };
    return table;
}

}  // namespace

int VirtualKeyOf(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // the same codes as 'A'..'Z'
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    const auto it = NamedKeys().find(qtKey);
    return it == NamedKeys().end() ? 0 : it->second;
}

int TypedCharacterOf(int qtKey, const QString& text) {
    switch (qtKey) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Delete:
            return -1;
        default:
            break;
    }
    if (text.isEmpty()) return -1;
    const char16_t c = text.at(0).unicode();
    return c <= 0xFF ? static_cast<int>(c) : -1;
}

}  // namespace drz::platform
