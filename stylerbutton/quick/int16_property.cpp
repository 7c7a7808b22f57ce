#include "stylerbutton/quick/int16_property.h"

#include <cstdint>
#include <limits>

#include <QQmlInfo>

namespace tolvane::styler {

bool FitsInt16(const QObject* owner, const char* property, int value) {
    if (value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max()) {
        return true;
    }
    qmlWarning(owner).nospace() << property << " " << value
                                << " is out of range (-32768 to 32767); the value is kept";
    return false;
}

}  // namespace tolvane::styler
