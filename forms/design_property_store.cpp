#include "forms/design_property_store.h"

#include <memory>

#include <QBuffer>
#include <QImage>

#include "qt/surface_image.h"

namespace tolvane::styler {

namespace {

PictureRef DecodePicture(std::string_view key, const design::DesignPicture& picture) {
    const QImage image = QImage::fromData(picture.Png, "PNG");
    if (image.isNull()) {
        throw PropertyValueError(std::string(key),
                                 "PNG data of " + std::to_string(picture.Png.size()) + " bytes",
                                 "is not a readable PNG picture");
    }
    return std::make_shared<const gdi::Surface>(ImageToSurface(image));
}

design::DesignPicture EncodePicture(const gdi::Surface& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    SurfaceToImage(picture).save(&buffer, "PNG");
    return design::DesignPicture{png};
}

}  // namespace

DesignPropertyStore DesignPropertyStore::ForControl(design::DesignControl& control) {
    if (!KeysMatch(control.Type, kStylerButtonTypeName)) {
        throw design::DesignError("control \"" + control.Name + "\" is a \"" + control.Type +
                                 "\", not a \"" + std::string(kStylerButtonTypeName) + "\"");
    }
    return DesignPropertyStore(control.Properties);
}

PropertyValue DesignPropertyStore::Read(std::string_view key, const PropertyValue& defaultValue) {
    const design::DesignValue* stored = properties_.Find(key);
    return stored != nullptr ? ToPropertyValue(key, *stored) : defaultValue;
}

void DesignPropertyStore::Write(std::string_view key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
    if (SameValue(value, defaultValue)) {
        properties_.Erase(key);
    } else {
        properties_.Set(key, ToDesignValue(value));
    }
}

PropertyValue ToPropertyValue(std::string_view key, const design::DesignValue& value) {
    struct {
        std::string_view key;
        PropertyValue operator()(std::monostate) const { return std::monostate{}; }
        PropertyValue operator()(const std::string& text) const { return text; }
        PropertyValue operator()(std::int32_t number) const { return number; }
        PropertyValue operator()(bool flag) const { return flag; }
        PropertyValue operator()(const gdi::Font& font) const {
            return std::make_shared<gdi::Font>(font);
        }
        PropertyValue operator()(const design::DesignPicture& picture) const {
            return DecodePicture(key, picture);
        }
    } visitor{key};
    return std::visit(visitor, value);
}

design::DesignValue ToDesignValue(const PropertyValue& value) {
    struct {
        design::DesignValue operator()(std::monostate) const { return std::monostate{}; }
        design::DesignValue operator()(const std::string& text) const { return text; }
        design::DesignValue operator()(std::int32_t number) const { return number; }
        design::DesignValue operator()(std::int16_t number) const { return std::int32_t{number}; }
        design::DesignValue operator()(bool flag) const { return flag; }
        design::DesignValue operator()(const gdi::FontRef& font) const {
            return font ? design::DesignValue(*font) : design::DesignValue(std::monostate{});
        }
        design::DesignValue operator()(const PictureRef& picture) const {
            return picture ? design::DesignValue(EncodePicture(*picture))
                           : design::DesignValue(std::monostate{});
        }
    } visitor;
    return std::visit(visitor, value);
}

}  // namespace tolvane::styler
