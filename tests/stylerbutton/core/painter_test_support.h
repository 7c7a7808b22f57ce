#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "gdi/surface.h"
#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler::testing {

// Text of fixed metrics that records every Print (position, text and the surface's foreground
// colour at that moment) and marks it with a solid box of box_width x box_height pixels in that
// colour, so that layer order can be read from the pixels.
class RecordingTextEngine : public gdi::TextEngine {
  public:
    struct Printed {
        int X = 0;
        int Y = 0;
        std::string Text;
        gdi::Colour Colour = 0;
        friend bool operator==(const Printed&, const Printed&) = default;
    };

    double TextWidth(const gdi::Surface&, std::string_view) override {
        ++width_calls;
        return text_width;
    }
    double TextHeight(const gdi::Surface&, std::string_view) override {
        ++height_calls;
        return text_height;
    }
    void Print(gdi::Surface& surface, int x, int y, std::string_view text) override {
        printed.push_back({x, y, std::string(text), surface.ForeColor()});
        for (int row = 0; row < box_height; ++row) {
            for (int column = 0; column < box_width; ++column) {
                surface.PSet(x + column, y + row, surface.ForeColor());
            }
        }
    }

    double text_width = 41;
    double text_height = 12;
    int box_width = 2;
    int box_height = 2;
    int width_calls = 0;
    int height_calls = 0;
    std::vector<Printed> printed;
};

// A button with the properties of a new instance on a surface of the given size, with the
// recording text engine and no hover poll. The state flags are set through the button's input.
class ButtonFixture {
  public:
    ButtonFixture(int width, int height, std::int32_t theme) : container(width, height) {
        container.run_mode = false;
        container.text_engine = &text;
        container.own_window_at = [this](ScreenPoint) { return pointer_over_; };
        button.ApplyDefaults();
        button.SetTheme(theme);
    }

    void Hover(bool over) {
        pointer_over_ = over;
        button.OnHoverTimerTick();
    }
    void Focus(bool focused) { focused ? button.OnFocusReceived() : button.OnFocusLost(); }
    void Press(bool pressed) {
        pressed ? button.OnMouseDown(LeftButton, 0, 1, 1) : button.OnMouseUp(LeftButton, 0, 1, 1);
    }

    // The paint handler: clears the surface to `background` and repaints.
    const gdi::Surface& Repaint(gdi::Colour background = kBackground) {
        container.Surface().SetBackColor(background);
        text.printed.clear();
        button.OnPaint();
        return container.Surface();
    }
    gdi::Surface& Surface() { return container.Surface(); }

    // A colour no look uses, for pixels a repaint must leave alone.
    static constexpr gdi::Colour kBackground = 0x123456;

    RecordingTextEngine text;
    FakeContainer container;
    StylerButton button{container};

  private:
    bool pointer_over_ = false;
};

// Whether two surfaces hold the same pixels; names the first few that differ.
inline ::testing::AssertionResult SamePixels(const gdi::Surface& actual,
                                             const gdi::Surface& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return ::testing::AssertionFailure() << "sizes differ";
    }
    std::string differences;
    int count = 0;
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if (actual.Point(x, y) != expected.Point(x, y) && ++count <= 5) {
                char line[64];
                std::snprintf(line, sizeof line, " (%d,%d) is %06X, expected %06X;", x, y,
                              actual.Point(x, y), expected.Point(x, y));
                differences += line;
            }
        }
    }
    if (count == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << count << " pixels differ:" << differences;
}

// A picture of the given size filled with `fill`.
inline std::shared_ptr<gdi::Surface> MakePicture(int width, int height, gdi::Colour fill) {
    return std::make_shared<gdi::Surface>(width, height, fill);
}

}  // namespace tolvane::styler::testing
