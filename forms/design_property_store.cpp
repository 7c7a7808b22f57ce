#include "forms/design_property_store.h"

#include <memory>

namespace tolvane::styler {

namespace {

PictureRef DecodePicture(std::string_view key, const design::DesignPicture& picture,
                         const gdi::PngCodec& pictures) {
    std::optional<gdi::Surface> surface = pictures.Decode(picture.Png);
    if (!surface) {
        throw PropertyValueError(std::string(key),
                                 "PNG data of " + std::to_string(picture.Png.size()) + " bytes",
                                 "is not a readable PNG picture");
    }
    return std::make_shared<const gdi::Surface>(std::move(*surface));
}

}  // namespace

DesignPropertyStore DesignPropertyStore::ForControl(design::DesignControl& control,
                                                    const gdi::PngCodec& pictures) {
    if (!KeysMatch(control.Type, kStylerButtonTypeName)) {
        throw design::DesignError("control \"" + control.Name + "\" is a \"" + control.Type +
                                  "\", not a \"" + std::string(kStylerButtonTypeName) + "\"");
    }
    return DesignPropertyStore(control.Properties, pictures);
}

PropertyValue DesignPropertyStore::Read(std::string_view key, const PropertyValue& defaultValue) {
    const design::DesignValue* stored = properties_.Find(key);
    return stored != nullptr ? ToPropertyValue(key, *stored, pictures_) : defaultValue;
}

void DesignPropertyStore::Write(std::string_view key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
    if (SameValue(value, defaultValue)) {
        properties_.Erase(key);
    } else {
        properties_.Set(key, ToDesignValue(value, pictures_));
    }
}

PropertyValue ToPropertyValue(std::string_view key, const design::DesignValue& value,
                              const gdi::PngCodec& pictures) {
    struct {
        std::string_view key;
        const gdi::PngCodec& pictures;
        PropertyValue operator()(std::monostate) const { return std::monostate{}; }
        PropertyValue operator()(const std::string& text) const { return text; }
        PropertyValue operator()(std::int32_t number) const { return number; }
        PropertyValue operator()(bool flag) const { return flag; }
        PropertyValue operator()(const gdi::Font& font) const {
            return std::make_shared<gdi::Font>(font);
        }
        PropertyValue operator()(const design::DesignPicture& picture) const {
            return DecodePicture(key, picture, pictures);
        }
    } visitor{key, pictures};
    return std::visit(visitor, value);
}

design::DesignValue ToDesignValue(const PropertyValue& value, const gdi::PngCodec& pictures) {
    struct {
        const gdi::PngCodec& pictures;
        design::DesignValue operator()(std::monostate) const { return std::monostate{}; }
        design::DesignValue operator()(const std::string& text) const { return text; }
        design::DesignValue operator()(std::int32_t number) const { return number; }
        design::DesignValue operator()(std::int16_t number) const { return std::int32_t{number}; }
        design::DesignValue operator()(bool flag) const { return flag; }
        design::DesignValue operator()(const gdi::FontRef& font) const {
            return font ? design::DesignValue(*font) : design::DesignValue(std::monostate{});
        }
        design::DesignValue operator()(const PictureRef& picture) const {
            return picture ? design::DesignValue(design::DesignPicture{pictures.Encode(*picture)})
                           : design::DesignValue(std::monostate{});
        }
    } visitor{pictures};
    return std::visit(visitor, value);
}

}  // namespace tolvane::styler
