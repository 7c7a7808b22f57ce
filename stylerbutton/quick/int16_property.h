#pragma once

#include <QObject>

namespace tolvane::styler {

// Whether an int that QML assigns to one of the button's 16-bit values fits -32768..32767. When
// it does not, warns with the QML location of `owner`, the property and the value: the value is
// refused and the property keeps its own, since narrowing would store another number than the
// one asked for.
bool FitsInt16(const QObject* owner, const char* property, int value);

}  // namespace tolvane::styler
