#include "qt/qt_input_codes.h"

#include <algorithm>
#include <iterator>

#include "qt/mouse_buttons.h"

namespace tolvane::qt {

namespace {

struct KeyCode {
    int qt_key;
    std::int16_t virtual_key;
};

// Keys whose virtual-key code is not their own character code. Shifted punctuation and shifted
// digits give the code of the key that carries them on a US layout, since Qt names the character
// and Windows the key.
constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Backspace, 8},      {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},        {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},        {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},         {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},           {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},         {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},        {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},        {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},           {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},          {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},         {Qt::Key_Down, 40},
    {Qt::Key_Select, 41},        {Qt::Key_Printer, 42},
    {Qt::Key_Execute, 43},       {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},        {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},          {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},       {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},          {Qt::Key_Sleep, 95},
    {Qt::Key_NumLock, 144},      {Qt::Key_ScrollLock, 145},
    {Qt::Key_Exclam, '1'},       {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},   {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},      {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},        {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},        {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},       {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},        {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},  {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},   {Qt::Key_QuoteDbl, 222},
};

// Keys of the numeric keypad with Num Lock on; with it off the keypad sends navigation keys,
// which keep their own codes.
constexpr KeyCode kKeypadCodes[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

constexpr std::int16_t kVirtualKeyNumpad0 = 96;
constexpr std::int16_t kVirtualKeyF1 = 112;
constexpr int kFunctionKeys = 24;

std::int16_t Lookup(const KeyCode* begin, const KeyCode* end, int qt_key) {
    const KeyCode* found =
        std::find_if(begin, end, [qt_key](const KeyCode& code) { return code.qt_key == qt_key; });
    return found == end ? std::int16_t{0} : found->virtual_key;
}

}  // namespace

std::int16_t VirtualKeyCode(int qt_key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
        const int digit = qt_key - Qt::Key_0;
        return static_cast<std::int16_t>(keypad ? kVirtualKeyNumpad0 + digit : qt_key);
    }
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) {
        return static_cast<std::int16_t>(qt_key);
    }
    if (qt_key >= Qt::Key_F1 && qt_key < Qt::Key_F1 + kFunctionKeys) {
        return static_cast<std::int16_t>(kVirtualKeyF1 + (qt_key - Qt::Key_F1));
    }
    if (keypad) {
        if (const std::int16_t code =
                Lookup(std::begin(kKeypadCodes), std::end(kKeypadCodes), qt_key)) {
            return code;
        }
    }
    return Lookup(std::begin(kKeyCodes), std::end(kKeyCodes), qt_key);
}

std::vector<std::int16_t> KeyCharacterCodes(int qt_key, Qt::KeyboardModifiers modifiers,
                                            const QString& text) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (qt_key == Qt::Key_Tab || qt_key == Qt::Key_Backtab || (alt && !ctrl)) {
        return {};
    }
    // Keys whose character does not depend on the layout; Ctrl+Enter is a line feed.
    switch (qt_key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {static_cast<std::int16_t>(ctrl ? 10 : 13)};
        case Qt::Key_Escape:
            return {27};
        case Qt::Key_Backspace:
            return {static_cast<std::int16_t>(ctrl ? 127 : 8)};
        case Qt::Key_Delete:
            return {};
        default:
            break;
    }
    if (ctrl && !alt) {
        // Ctrl with a letter gives its control character; with another key, only what the
        // platform reports as a control character (Ctrl+[ is Escape, for instance).
        if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) {
            return {static_cast<std::int16_t>(qt_key - Qt::Key_A + 1)};
        }
        if (qt_key == Qt::Key_Space) {
            return {32};
        }
        if (text.size() == 1 && text.at(0).unicode() < 32) {
            return {static_cast<std::int16_t>(text.at(0).unicode())};
        }
        return {};
    }
    std::vector<std::int16_t> codes;
    codes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        if (character.unicode() != 0x7F) {  // Delete produces no character
            codes.push_back(static_cast<std::int16_t>(character.unicode()));
        }
    }
    return codes;
}

WindowsKey WindowsKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    WindowsKey key{
        VirtualKeyCode(event.key(), modifiers), ShiftMask(modifiers), {}, event.isAutoRepeat()};
    if (event.type() == QEvent::KeyPress) {
        key.Characters = KeyCharacterCodes(event.key(), modifiers, event.text());
    }
    return key;
}

}  // namespace tolvane::qt
