#include "stylerbutton/core/property_table.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

namespace {

// Sets a flag for the lifetime of the guard and clears it again, also when a read fails.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
};

}  // namespace

// Theme is assigned while Enabled is still false, so it brings its disable colours along; the
// last two assignments replace them.
void StylerButton::ApplyDefaults() {
    for (const PropertyInfo* property : PropertiesInDefaultsOrder()) {
        property->Access.Set(*this, property->StoreKey,
                             Resolve(*property, property->NewInstance, container_));
    }
    StartOrStopHoverPoll();
}

void StylerButton::LoadProperties(PropertyStore& store) {
    {
        // The CaptionAlignment and Theme setters would otherwise reset the caption offsets and
        // the disable colours read before them.
        FlagGuard loading(loading_);
        ReadProperties(store);
    }
    StartOrStopHoverPoll();
}

void StylerButton::ReadProperties(PropertyStore& store) {
    for (const PropertyInfo& property : PropertyTable()) {
        const PropertyValue fallback = Resolve(property, property.StoreDefault, container_);
        property.Access.Set(*this, property.StoreKey, store.Read(property.StoreKey, fallback));
    }
}

void StylerButton::SaveProperties(PropertyStore& store) const {
    for (const PropertyInfo* property : PropertiesInSaveOrder()) {
        store.Write(property->StoreKey, property->Access.Get(*this),
                    Resolve(*property, property->StoreDefault, container_));
    }
}

void StylerButton::Teardown() {
    container_.StopHoverTimer();
    pressed_ = BoolFalse;
    mouse_over_ = BoolFalse;
    has_focus_ = BoolFalse;
    container_.Surface().Clear();
}

void StylerButton::StartOrStopHoverPoll() {
    if (container_.RunMode()) {
        container_.StartHoverTimer();
    } else {
        container_.StopHoverTimer();
    }
}

}  // namespace tolvane::styler
