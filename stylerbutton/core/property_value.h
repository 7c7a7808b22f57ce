#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "gdi/colour.h"
#include "gdi/font.h"
#include "stylerbutton/core/picture.h"

namespace tolvane::styler {

// A value as a property store holds it: nothing, text (UTF-8), a 32-bit integer (colours are
// kept as their 32-bit pattern, so 0x80000005 is stored as -2147483643), a 16-bit integer, a
// boolean, a font reference or a picture reference.
using PropertyValue = std::variant<std::monostate, std::string, std::int32_t, std::int16_t, bool,
                                   gdi::FontRef, PictureRef>;

// Raised when a stored value cannot become the type of the property it is read for. The message
// names the key and the value, e.g.
//   property "Theme": stored value "abc" is not a 32-bit integer
class PropertyValueError : public std::runtime_error {
  public:
    PropertyValueError(std::string key, std::string value, const std::string& problem);

    const std::string& Key() const { return key_; }
    // The stored value as the message shows it: text in quotes, numbers in decimal.
    const std::string& Value() const { return value_; }

  private:
    std::string key_;
    std::string value_;
};

// The value written out for messages: "abc" in quotes (escaped and cut short as messages quote
// any value), 40000, True, nothing, font "宋体" 9 pt, picture 16 x 16.
std::string DescribeValue(const PropertyValue& value);

// Whether two stored values are the same, as a store decides whether a value equals its default:
// the same kind and the same content; fonts compare by their attributes (or are both none),
// pictures by reference.
bool SameValue(const PropertyValue& a, const PropertyValue& b);

// Conversions of a stored value to a property's type, all in one place. key only names the
// property in the error. Every conversion not listed raises PropertyValueError.
//
// ToText:    text as is; integers in decimal ("-5"); booleans "True" / "False"; nothing "".
// ToInt32:   integers as is; booleans -1 / 0; text that is a whole decimal number with an optional
//            sign and surrounding blanks (" -12 " reads as -12) and fits 32 bits.
//            Nothing, fonts, pictures, fractions ("1.5"), hex and other text are errors.
// ToInt16:   as ToInt32, then the value must lie within -32768..32767 (40000 is an error).
// ToColour:  as ToInt32, the 32-bit pattern taken as the colour (-1 gives 0xFFFFFFFF).
// ToBoolean: booleans; integers and numeric text, non-zero being true; text "True" / "False" in
//            any letter case. Returns the stored form, -1 or 0.
// ToFont:    a font reference as is; nothing gives no font.
// ToPicture: a picture reference as is; nothing gives no picture.
std::string ToText(std::string_view key, const PropertyValue& value);
std::int32_t ToInt32(std::string_view key, const PropertyValue& value);
std::int16_t ToInt16(std::string_view key, const PropertyValue& value);
gdi::Colour ToColour(std::string_view key, const PropertyValue& value);
std::int16_t ToBoolean(std::string_view key, const PropertyValue& value);
gdi::FontRef ToFont(std::string_view key, const PropertyValue& value);
PictureRef ToPicture(std::string_view key, const PropertyValue& value);

// The stored form of a colour: its 32-bit pattern as a signed integer.
inline PropertyValue ColourValue(gdi::Colour colour) {
    return PropertyValue{static_cast<std::int32_t>(colour)};
}

}  // namespace tolvane::styler
