// The design reader on any bytes, and the button loading what it accepted. Oracles: an accepted
// design saves and reads back as the same design, its entries in the same order (and saves to the
// same text again); a refused one, or a button refusing a stored value, gives one bounded line.
#include <cstdint>
#include <string>
#include <string_view>

#include "design/design_json.h"
#include "forms/design_property_store.h"
#include "fuzz/oracles.h"
#include "gdi/text_engine.h"
#include "qt/png_codec.h"
#include "stylerbutton/core/offscreen_container.h"
#include "stylerbutton/core/property_value.h"
#include "stylerbutton/core/styler_button.h"

namespace {

using namespace tolvane;
using fuzz::IsBoundedLine;
using fuzz::Require;

class NoTextEngine final : public gdi::TextEngine {
  public:
    double TextWidth(const gdi::Surface&, std::string_view) override { return 0; }
    double TextHeight(const gdi::Surface&, std::string_view) override { return 0; }
    void Print(gdi::Surface&, int, int, std::string_view) override {}
};

// Loads every button of the design into a small offscreen button, its pictures decoded by QImage.
void LoadButtons(design::Design& design, std::string_view input) {
    NoTextEngine text;
    const qt::QtPngCodec pictures;
    for (const design::DesignControl& control : design.Controls()) {
        if (control.Type != styler::kStylerButtonTypeName) {
            continue;
        }
        design::DesignControl copy = control;
        styler::OffscreenContainer container(32, 16, text, nullptr);
        styler::StylerButton button(container);
        try {
            auto store = styler::DesignPropertyStore::ForControl(copy, pictures);
            button.LoadProperties(store);
        } catch (const styler::PropertyValueError& error) {
            Require(IsBoundedLine(error.what()), "a button's refusal is not one bounded line",
                    input);
        } catch (const design::DesignError& error) {
            Require(IsBoundedLine(error.what()), "a button's refusal is not one bounded line",
                    input);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    design::Design design;
    try {
        design = design::ParseDesign(input, "fuzz.json");
    } catch (const design::DesignError& error) {
        Require(IsBoundedLine(error.what()), "a refusal is not one bounded line", input);
        return 0;
    }
    const std::string saved = design::SerializeDesign(design);
    design::Design again;
    try {
        again = design::ParseDesign(saved, "fuzz.json");
    } catch (const design::DesignError& error) {
        Require(false, error.what(), input);
    }
    Require(again == design, "a saved design reads back as another design", input);
    Require(design::SerializeDesign(again) == saved, "a design saves to other text the second time",
            input);
    LoadButtons(design, input);
    return 0;
}
