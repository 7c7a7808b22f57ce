#include "qt/notify_signal.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QObject>

namespace tolvane::qt {

void EmitNotifySignal(QObject& object, const char* property_name) {
    const QMetaObject& meta = *object.metaObject();
    const int index = meta.indexOfProperty(property_name);
    if (index >= 0) {
        const QMetaMethod signal = meta.property(index).notifySignal();
        if (signal.isValid()) {
            signal.invoke(&object, Qt::DirectConnection);
        }
    }
}

}  // namespace tolvane::qt
