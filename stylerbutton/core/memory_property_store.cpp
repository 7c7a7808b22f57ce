#include "stylerbutton/core/memory_property_store.h"

#include <algorithm>

namespace tolvane::styler {

PropertyValue MemoryPropertyStore::Read(std::string_view key, const PropertyValue& defaultValue) {
    const PropertyValue* stored = Find(key);
    return stored != nullptr ? *stored : defaultValue;
}

void MemoryPropertyStore::Write(std::string_view key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
    if (SameValue(value, defaultValue)) {
        Erase(key);
    } else {
        Set(key, value);
    }
}

void MemoryPropertyStore::Set(std::string_view key, PropertyValue value) {
    const auto found = Locate(key);
    if (found == entries_.end()) {
        entries_.emplace_back(std::string(key), std::move(value));
    } else {
        found->first = std::string(key);
        found->second = std::move(value);
    }
}

void MemoryPropertyStore::Erase(std::string_view key) {
    const auto found = Locate(key);
    if (found != entries_.end()) {
        entries_.erase(found);
    }
}

const PropertyValue* MemoryPropertyStore::Find(std::string_view key) const {
    const auto found =
        std::ranges::find_if(entries_, [&](const Entry& e) { return KeysMatch(e.first, key); });
    return found == entries_.end() ? nullptr : &found->second;
}

std::vector<MemoryPropertyStore::Entry>::iterator MemoryPropertyStore::Locate(
    std::string_view key) {
    return std::ranges::find_if(entries_, [&](const Entry& e) { return KeysMatch(e.first, key); });
}

}  // namespace tolvane::styler
