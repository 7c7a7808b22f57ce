#pragma once

class QObject;

namespace tolvane::qt {

// Emits the NOTIFY signal of the property `property_name` of `object`, directly, as a setter
// would; nothing when the object has no such property or the property no NOTIFY signal.
void EmitNotifySignal(QObject& object, const char* property_name);

}  // namespace tolvane::qt
