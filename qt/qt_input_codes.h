#pragma once

#include <cstdint>
#include <vector>

#include <QKeyEvent>

namespace tolvane::qt {

// Qt's keys in the terms Windows key handlers take them, virtual-key codes and character codes,
// as the StylerButton's Qt hosts (widget and Qt Quick item) pass them on. (Mouse buttons and the
// Shift mask are qt/mouse_buttons.h.)

// The Windows virtual-key code of a Qt key: letters 'A'..'Z' (65..90) whatever the case, digits
// 48..57 (96..105 on the keypad), Space 32, Enter 13, Escape 27, Tab 9, Backspace 8, arrows
// 37..40, F1..F24 112..135, Shift 16, Ctrl 17, Alt 18, and the others of the standard keyboard.
// Punctuation takes the code of its key on a US layout (';' and ':' give 186). 0 when the key
// has no virtual-key code.
std::int16_t VirtualKeyCode(int qt_key, Qt::KeyboardModifiers modifiers);

// The character codes a key press produces, as a Windows window receives them, one per UTF-16
// unit: Enter 13 (either Enter key), Escape 27, Backspace 8, Space 32, letters and digits their
// ASCII codes, Ctrl+A..Ctrl+Z 1..26. A key that produces no character (arrows, F-keys, Delete,
// Shift alone) and Alt with a key give none; so does Tab, which moves the focus. A character
// beyond 0x7FFF keeps its 16-bit pattern (negative).
std::vector<std::int16_t> KeyCharacterCodes(int qt_key, Qt::KeyboardModifiers modifiers,
                                            const QString& text);

// A key event in those terms: its virtual-key code (0: none), the Shift mask
// (qt/mouse_buttons.h), the characters it types (a press's; none for a release) and whether it
// repeats a held key.
struct WindowsKey {
    std::int16_t Code;
    std::int16_t Shift;
    std::vector<std::int16_t> Characters;
    bool AutoRepeat;
};
WindowsKey WindowsKeyOf(const QKeyEvent& event);

}  // namespace tolvane::qt
