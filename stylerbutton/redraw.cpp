#include "app/gdi/region.h"
#include "app/runtime/rounding.h"
#include "stylerbutton/styler_button.h"

namespace tolvane::styler {

namespace {

// Runs the steps of one repaint. A step that fails is skipped and the next one runs, so a
// painting failure never reaches the caller; Failed tells whether any step so far has failed.
class RepaintSteps {
  public:
    template <class Step>
    void Run(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            failed_ = true;
        }
    }
    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

}  // namespace

void StylerButton::Redraw() {
    ++redraw_count_;
    RepaintSteps steps;

    // A rounding below 1 becomes 1, written back without telling the container.
    steps.Run([&] {
        if (rounded_value_ <= 0) {
            rounded_value_ = 1;
        }
    });

    // The window takes the rounded shape; its corners are one pixel smaller than the outlines'.
    steps.Run([&] {
        const gdi::Surface& surface = container_.Surface();
        const std::int32_t width = runtime::RoundToInt32(surface.Width());
        const std::int32_t height = runtime::RoundToInt32(surface.Height());
        const std::int32_t corner = runtime::CheckedSub<std::int32_t>(rounded_value_, 1);
        container_.SetWindowRgn(gdi::CreateRoundRectRgn(0, 0, width, height, corner, corner));
    });

    // The button's font becomes the surface's, but only when it is usable and nothing has failed
    // so far in this repaint; otherwise the surface keeps its font and painting goes on.
    steps.Run([&] {
        if (font_ && !steps.Failed()) {
            container_.Surface().SetFont(font_);
        }
    });

    // The theme's background in the look of the state flags, the focus dots, then the icon and
    // the caption are painted here, each as a step of its own through steps.Run.
}

}  // namespace tolvane::styler
