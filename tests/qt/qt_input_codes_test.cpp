#include "qt/qt_input_codes.h"

#include <gtest/gtest.h>

namespace tolvane::qt {
namespace {

TEST(QtInputCodesTest, VirtualKeyCodes) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    } cases[] = {
        {Qt::Key_A, {}, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, {}, 48},
        {Qt::Key_9, {}, 57},
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_Space, {}, 32},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_Tab, {}, 9},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Backspace, {}, 8},
        {Qt::Key_Left, {}, 37},
        {Qt::Key_Up, {}, 38},
        {Qt::Key_Right, {}, 39},
        {Qt::Key_Down, {}, 40},
        {Qt::Key_F1, {}, 112},
        {Qt::Key_F12, {}, 123},
        {Qt::Key_F24, {}, 135},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_Delete, {}, 46},
        {Qt::Key_Insert, {}, 45},
        {Qt::Key_Home, {}, 36},
        {Qt::Key_End, {}, 35},
        {Qt::Key_PageUp, {}, 33},
        {Qt::Key_PageDown, {}, 34},
        {Qt::Key_Home, Qt::KeypadModifier, 36},  // keypad 7 with Num Lock off
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Minus, {}, 189},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},  // Shift+1
        {Qt::Key_Colon, Qt::ShiftModifier, 186},
        {Qt::Key_Semicolon, {}, 186},
        {Qt::Key_QuoteDbl, Qt::ShiftModifier, 222},
        {Qt::Key_unknown, {}, 0},
        {Qt::Key_Adiaeresis, {}, 0},
        {Qt::Key_F25, {}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyCode(c.key, c.modifiers), c.code) << std::hex << c.key;
    }
}

TEST(QtInputCodesTest, CharacterCodes) {
    using Codes = std::vector<std::int16_t>;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        Codes codes;
    } cases[] = {
        {Qt::Key_Return, {}, "\r", {13}},
        {Qt::Key_Return, {}, "\n", {13}},  // whatever text the platform sends
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", {13}},
        {Qt::Key_Return, Qt::ControlModifier, "", {10}},
        {Qt::Key_Space, {}, " ", {32}},
        {Qt::Key_A, {}, "a", {97}},
        {Qt::Key_A, Qt::ShiftModifier, "A", {65}},
        {Qt::Key_5, {}, "5", {53}},
        {Qt::Key_Escape, {}, "\x1b", {27}},
        {Qt::Key_Backspace, {}, "\b", {8}},
        {Qt::Key_A, Qt::ControlModifier, "a", {1}},
        {Qt::Key_Z, Qt::ControlModifier, "\x1a", {26}},
        {Qt::Key_1, Qt::ControlModifier, "1", {}},
        {Qt::Key_A, Qt::AltModifier, "a", {}},                          // a menu key, no character
        {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@", {64}},  // AltGr on Windows
        {Qt::Key_Tab, {}, "\t", {}},
        {Qt::Key_Delete, {}, "\x7f", {}},
        {Qt::Key_Left, {}, "", {}},
        {Qt::Key_F1, {}, "", {}},
        {Qt::Key_Shift, Qt::ShiftModifier, "", {}},
        {Qt::Key_unknown, {}, QString::fromUtf8("关"), {static_cast<std::int16_t>(0x5173)}},
        {Qt::Key_unknown, {}, QString(QChar(0xFF01)), {static_cast<std::int16_t>(0xFF01)}},
        {Qt::Key_unknown, {}, "ab", {97, 98}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyCharacterCodes(c.key, c.modifiers, c.text), c.codes)
            << std::hex << c.key << " " << c.text.toStdString();
    }
}

}  // namespace
}  // namespace tolvane::qt
