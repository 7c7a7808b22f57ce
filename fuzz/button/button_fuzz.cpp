// A StylerButton of any size up to 600 x 600 driven by any sequence of property changes, input,
// hover polls and repaints, with handlers that change properties from inside its events.
// Oracles beyond the sanitizers: the window region stays inside the button, a stored property
// that cannot be read back is refused with one bounded line, and a saved button loads back into
// a new one that saves the same properties and paints the same pixels and region.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gdi/font.h"
#include "gdi/surface.h"
#include "gdi/text_engine.h"
#include "fuzz/oracles.h"
#include "stylerbutton/core/memory_property_store.h"
#include "stylerbutton/core/offscreen_container.h"
#include "stylerbutton/core/property_table.h"
#include "stylerbutton/core/primitives.h"
#include "stylerbutton/core/property_value.h"
#include "stylerbutton/core/styler_button.h"

namespace {

using namespace tolvane;
using namespace tolvane::styler;
using fuzz::IsBoundedLine;
using fuzz::Require;

// Text 7 pixels per byte and 12 high whatever the font, so pixels depend only on the button;
// printing fills the text's box, clipped to the surface as a real engine clips.
class BoxTextEngine final : public gdi::TextEngine {
  public:
    double TextWidth(const gdi::Surface&, std::string_view text) override {
        return 7.0 * static_cast<double>(text.size());
    }
    double TextHeight(const gdi::Surface&, std::string_view) override { return 12.0; }
    void Print(gdi::Surface& surface, int x, int y, std::string_view text) override {
        const int width = static_cast<int>(std::min<std::size_t>(text.size(), 1000)) * 7;
        for (int row = std::max(y, 0); row < std::min(y + 12, surface.Height()); ++row) {
            for (int column = std::max(x, 0); column < std::min(x + width, surface.Width());
                 ++column) {
                surface.PSet(column, row, surface.ForeColor());
            }
        }
    }
};

int Side(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 120) : in.ConsumeIntegralInRange(0, 600);
}

// Mostly the values the setters are meant for, sometimes any value at all.
std::int32_t Int32(FuzzedDataProvider& in, std::int32_t low, std::int32_t high) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(low, high)
                            : in.ConsumeIntegral<std::int32_t>();
}
std::int16_t Int16(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int16_t>(-40, 40)
                            : in.ConsumeIntegral<std::int16_t>();
}
float Coordinate(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? static_cast<float>(in.ConsumeIntegralInRange(-20, 620))
                            : in.ConsumeFloatingPoint<float>();
}

gdi::FontRef AnyFont(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        return nullptr;
    }
    return std::make_shared<gdi::Font>(gdi::Font{
        in.ConsumeRandomLengthString(40), in.ConsumeFloatingPoint<double>(),
        in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeBool(), in.ConsumeBool(),
        in.ConsumeBool()});
}

PictureRef AnyPicture(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        return nullptr;
    }
    auto picture = std::make_shared<gdi::Surface>(in.ConsumeIntegralInRange(0, 80),
                                                  in.ConsumeIntegralInRange(0, 80));
    const gdi::Colour a = in.ConsumeIntegral<gdi::Colour>();
    const gdi::Colour b = in.ConsumeBool() ? 0xFF00FF : in.ConsumeIntegral<gdi::Colour>();
    const std::uint32_t pattern = in.ConsumeIntegral<std::uint32_t>();
    for (int y = 0; y < picture->Height(); ++y) {
        for (int x = 0; x < picture->Width(); ++x) {
            picture->PSet(x, y, (pattern >> ((x + 3 * y) % 32)) & 1 ? a : b);
        }
    }
    return picture;
}

void SetOneProperty(StylerButton& button, FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 18)) {
        case 0: button.SetCaptionAlignment(Int32(in, 0, 10)); break;
        case 1: button.SetIconAlignment(Int32(in, 0, 3)); break;
        case 2: button.SetCaption(in.ConsumeRandomLengthString(200)); break;
        case 3: button.SetForeColor(in.ConsumeIntegral<gdi::Colour>()); break;
        case 4: button.SetCaptionDisableColor(in.ConsumeIntegral<gdi::Colour>()); break;
        case 5: button.SetCaptionEffectColor(in.ConsumeIntegral<gdi::Colour>()); break;
        case 6: button.SetCaptionEffect(Int32(in, 0, 6)); break;
        case 7: button.SetCaptionOffsetX(Int16(in)); break;
        case 8: button.SetCaptionOffsetY(Int16(in)); break;
        case 9: button.SetShadowOffsetX(Int16(in)); break;
        case 10: button.SetShadowOffsetY(Int16(in)); break;
        case 11: button.SetIconDisableColor(in.ConsumeIntegral<gdi::Colour>()); break;
        case 12: button.SetTheme(Int32(in, 0, 4)); break;
        case 13: button.SetFocusDottedRect(Int16(in)); break;
        case 14: button.SetEnabled(in.ConsumeBool() ? 0 : Int16(in)); break;
        case 15: button.SetFont(AnyFont(in)); break;
        case 16: button.SetIconTransparentColour(in.ConsumeIntegral<gdi::Colour>()); break;
        case 17: button.SetIcon(AnyPicture(in)); break;
        default: button.SetRoundedValue(Int32(in, -5, 80)); break;
    }
}

void Act(StylerButton& button, OffscreenContainer& container, FuzzedDataProvider& in) {
    const auto mouse = [&](auto event) {
        const auto mask = static_cast<std::int16_t>(in.ConsumeIntegralInRange(0, 7));
        const auto shift = static_cast<std::int16_t>(in.ConsumeIntegralInRange(0, 7));
        const float x = Coordinate(in);
        (button.*event)(mask, shift, x, Coordinate(in));
    };
    switch (in.ConsumeIntegralInRange(0, 14)) {
        case 0: mouse(&StylerButton::OnMouseDown); break;
        case 1: mouse(&StylerButton::OnMouseMove); break;
        case 2: mouse(&StylerButton::OnMouseUp); break;
        case 3: button.OnClick(); break;
        case 4: button.OnDoubleClick(); break;
        case 5: button.OnKeyDown(Int16(in), Int16(in)); break;
        case 6: button.OnKeyPress(in.ConsumeBool() ? 13 : Int16(in)); break;
        case 7: button.OnKeyUp(in.ConsumeBool() ? 32 : Int16(in), Int16(in)); break;
        case 8: button.OnFocusReceived(); break;
        case 9: button.OnFocusLost(); break;
        case 10: button.OnPaint(); break;
        case 11:
            container.PointerOver = in.ConsumeBool();
            button.OnHoverTimerTick();
            break;
        case 12:
            // The method refuses sizes it cannot draw with a bounded message.
            try {
                button.DrawGradientFourColour(
                    button.UserControl(), Int32(in, -50, 650), Int32(in, -50, 650),
                    Int32(in, -50, 650), Int32(in, -50, 650), in.ConsumeIntegral<gdi::Colour>(),
                    in.ConsumeIntegral<gdi::Colour>(), in.ConsumeIntegral<gdi::Colour>(),
                    in.ConsumeIntegral<gdi::Colour>());
            } catch (const GradientSizeError& error) {
                Require(IsBoundedLine(error.what()), "a gradient refusal is not one bounded line",
                        {});
            }
            break;
        default: SetOneProperty(button, in); break;
    }
}

// The region stays in the button. Only a shape box of no width or no height gives, as on Windows,
// the column left of the button or the row above it, which the window clips away.
void RequireRegionInside(const OffscreenContainer& container, std::string_view input) {
    const gdi::Surface& surface = const_cast<OffscreenContainer&>(container).Surface();
    for (const auto& span : container.Region().Spans()) {
        const bool inside = span.Y >= 0 && span.Y < surface.Height() && span.XBegin >= 0 &&
                            span.XEnd <= surface.Width();
        const bool leftOf = span.XBegin == -1 && span.XEnd == 0 && span.Y >= -1 &&
                            span.Y < surface.Height();
        const bool above = span.Y == -1 && span.XBegin >= -1 && span.XEnd <= surface.Width();
        Require(inside || leftOf || above, "the window region leaves the button", input);
    }
}

bool SameStore(const MemoryPropertyStore& a, const MemoryPropertyStore& b) {
    if (a.Entries().size() != b.Entries().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Entries().size(); ++i) {
        if (a.Entries()[i].first != b.Entries()[i].first ||
            !SameValue(a.Entries()[i].second, b.Entries()[i].second)) {
            return false;
        }
    }
    return true;
}

// A store holding any value under a few of the button's keys: loading it either succeeds or is
// refused with one bounded line.
void LoadAnyStore(FuzzedDataProvider& in, gdi::TextEngine& text, std::string_view input) {
    static constexpr std::string_view kKeys[] = {
        keys::CaptionAlignment, keys::IconAlignment, keys::Caption, keys::ForeColor,
        keys::CaptionEffect, keys::CaptionOffsetX, keys::Theme, keys::FocusDottedRect,
        keys::Enabled, keys::Font, keys::Icon, keys::RoundedValue, "roundedvalue"};
    MemoryPropertyStore store;
    for (int i = in.ConsumeIntegralInRange(0, 6); i > 0; --i) {
        const std::string_view key = kKeys[in.ConsumeIntegralInRange<std::size_t>(0, 12)];
        switch (in.ConsumeIntegralInRange(0, 6)) {
            case 0: store.Set(key, std::monostate{}); break;
            case 1: store.Set(key, in.ConsumeRandomLengthString(300)); break;
            case 2: store.Set(key, in.ConsumeIntegral<std::int32_t>()); break;
            case 3: store.Set(key, in.ConsumeIntegral<std::int16_t>()); break;
            case 4: store.Set(key, in.ConsumeBool()); break;
            case 5: store.Set(key, AnyFont(in)); break;
            default: store.Set(key, AnyPicture(in)); break;
        }
    }
    OffscreenContainer container(Side(in), Side(in), text, nullptr);
    StylerButton button(container);
    try {
        button.LoadProperties(store);
    } catch (const PropertyValueError& error) {
        Require(IsBoundedLine(error.what()), "a load refusal is not one bounded line", input);
    }
    RequireRegionInside(container, input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    FuzzedDataProvider in(data, size);
    BoxTextEngine text;
    if (in.ConsumeIntegralInRange(0, 3) == 0) {
        LoadAnyStore(in, text, input);
        return 0;
    }

    const int width = Side(in);
    const int height = Side(in);
    const auto container_font = std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134});
    OffscreenContainer container(width, height, text, container_font);
    StylerButton button(container);
    button.ApplyDefaults();
    // Handlers that change the button from inside its own events.
    const std::int32_t theme_on_click = Int32(in, 0, 4);
    const auto key_ascii = static_cast<std::int16_t>(in.ConsumeIntegralInRange(-1, 13));
    button.Events().Click = [&] { button.SetTheme(theme_on_click); };
    button.Events().KeyPress = [&](std::int16_t& ascii) {
        if (key_ascii >= 0) {
            ascii = key_ascii;
        }
    };
    button.Events().MouseEnters = [&](std::int32_t, std::int32_t) { button.SetEnabled(-1); };
    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        Act(button, container, in);
        RequireRegionInside(container, input);
    }

    // Saved, then loaded into a new button: the same properties, the same picture and region.
    MemoryPropertyStore saved;
    button.SaveProperties(saved);
    OffscreenContainer copy_container(width, height, text, container_font);
    StylerButton copy(copy_container);
    copy.LoadProperties(saved);
    MemoryPropertyStore saved_again;
    copy.SaveProperties(saved_again);
    Require(SameStore(saved, saved_again), "a loaded button saves other properties", input);

    // The surface's background and pen colours are the surface's, not the button's: the Blue
    // Glass look leaves its white background behind for the next look, and pixels no fill covers
    // show it. They are not saved, so both surfaces start from the same ones.
    button.Teardown();
    for (OffscreenContainer* host : {&container, &copy_container}) {
        host->Surface().SetForeColor(0);
        host->Surface().SetBackColor(0);
    }
    button.OnPaint();
    copy.OnPaint();
    const auto& pixels = container.Surface().Pixels();
    const auto& copied = copy_container.Surface().Pixels();
    Require(std::equal(pixels.begin(), pixels.end(), copied.begin(), copied.end()),
            "a loaded button paints other pixels", input);
    Require(container.Region() == copy_container.Region(), "a loaded button has another region",
            input);
    return 0;
}
