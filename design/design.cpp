#include "design/design.h"

#include <algorithm>

#include "base/quoted.h"

namespace tolvane::design {

using base::Quoted;

const DesignValue* DesignProperties::Find(std::string_view key) const {
    for (const Entry& entry : entries_) {
        if (KeysMatch(entry.first, key)) {
            return &entry.second;
        }
    }
    return nullptr;
}

void DesignProperties::Set(std::string_view key, DesignValue value) {
    for (Entry& entry : entries_) {
        if (KeysMatch(entry.first, key)) {
            entry.second = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::string(key), std::move(value));
}

bool DesignProperties::Erase(std::string_view key) {
    return std::erase_if(entries_,
                         [&](const Entry& entry) { return KeysMatch(entry.first, key); }) > 0;
}

DesignProperties DesignProperties::FromDistinctKeys(std::vector<Entry> entries) {
    DesignProperties properties;
    properties.entries_ = std::move(entries);
    return properties;
}

const DesignControl* Design::Find(std::string_view name) const {
    for (const DesignControl& control : controls_) {
        if (KeysMatch(control.Name, name)) {
            return &control;
        }
    }
    return nullptr;
}

DesignControl* Design::Find(std::string_view name) {
    return const_cast<DesignControl*>(std::as_const(*this).Find(name));
}

const DesignControl& Design::Control(std::string_view name) const {
    if (const DesignControl* control = Find(name)) {
        return *control;
    }
    throw DesignError("the design has no control " + Quoted(name));
}

DesignControl& Design::Control(std::string_view name) {
    return const_cast<DesignControl&>(std::as_const(*this).Control(name));
}

DesignControl& Design::Add(DesignControl control) {
    if (control.Name.empty()) {
        throw DesignError("a control needs a name");
    }
    if (Find(control.Name) != nullptr) {
        throw DesignError("the design already has a control " + Quoted(control.Name));
    }
    controls_.push_back(std::move(control));
    return controls_.back();
}

Design Design::FromDistinctNames(std::vector<DesignControl> controls) {
    Design design;
    design.controls_ = std::move(controls);
    return design;
}

}  // namespace tolvane::design
