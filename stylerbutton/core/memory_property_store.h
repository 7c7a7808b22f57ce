#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "stylerbutton/core/property_store.h"

namespace tolvane::styler {

// A property store kept in memory, in the order the keys were first stored. Write leaves out a
// value equal to its default (and drops an entry stored earlier under the key), so an unchanged
// property costs nothing; Set stores unconditionally, for filling a store by hand.
class MemoryPropertyStore : public PropertyStore {
  public:
    using Entry = std::pair<std::string, PropertyValue>;

    PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) override;
    void Write(std::string_view key, const PropertyValue& value,
               const PropertyValue& defaultValue) override;

    // Stores value under key, replacing an entry whose key differs only in letter case.
    void Set(std::string_view key, PropertyValue value);
    // Removes the entry under key, if any.
    void Erase(std::string_view key);

    // The stored value under key, or nullptr.
    const PropertyValue* Find(std::string_view key) const;
    bool Contains(std::string_view key) const { return Find(key) != nullptr; }
    const std::vector<Entry>& Entries() const { return entries_; }

  private:
    std::vector<Entry>::iterator Locate(std::string_view key);

    std::vector<Entry> entries_;
};

}  // namespace tolvane::styler
