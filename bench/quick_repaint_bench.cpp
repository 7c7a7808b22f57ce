// One repaint of the close button (105 x 33, "关闭" in 宋体 9 pt, ThemeSilver hovered: the most
// expensive look) in its two Qt hosts, at the screen's device pixel ratio (run it with
// QT_SCALE_FACTOR=2 for ratio 2): StylerButtonWidget painting itself into a new picture
// (Invalidate, then QWidget::grab: the paint row, the copy of the surface and its drawing) and the
// Qt Quick item in a window of its size rendering a new frame (Invalidate, then
// QQuickWindow::grabWindow: the paint row in the item's polish, the copy into the image, the
// texture and the scene graph's drawing of it). BM_Quick reports its time per repaint over the
// widget's as the counter widget_ratio. On the offscreen platform Qt Quick renders in software.
// Build in Release and compare the real times.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>

#include <QApplication>
#include <QCursor>
#include <QQuickWindow>
#include <QTest>
#include <QWidget>

#include "gdi/font.h"
#include "stylerbutton/core/styler_button.h"
#include "stylerbutton/qt/styler_button_widget.h"
#include "stylerbutton/quick/styler_button_item.h"

namespace {

using namespace tolvane::styler;
using Clock = std::chrono::steady_clock;

const QSize kSize(105, 33);
constexpr QPoint kInside(20, 10);

void Style(StylerButton& button) {
    button.SetTheme(ThemeSilver);
    button.SetCaption("关闭");
    button.SetFont(std::make_shared<tolvane::gdi::Font>(tolvane::gdi::Font{"宋体", 9.0, 400, 134}));
}

// The last measured time of one widget repaint, in nanoseconds.
double widget_repaint_ns = 0;

double NanosecondsEach(Clock::duration elapsed, benchmark::IterationCount iterations) {
    return static_cast<double>(
               std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count()) /
           static_cast<double>(iterations);
}

// Each repaint must have run the button's Redraw once.
void CheckRepaints(benchmark::State& state, const StylerButton& button, std::uint64_t before) {
    if (button.RedrawCount() - before != static_cast<std::uint64_t>(state.iterations())) {
        state.SkipWithError("a repaint did not redraw the button");
    }
}

void BM_Widget(benchmark::State& state) {
    QWidget window;
    window.resize(kSize);
    auto* widget = new StylerButtonWidget("StylerButton1", &window);
    widget->resize(kSize);
    widget->Button().ApplyDefaults();
    Style(widget->Button());
    window.show();
    QCursor::setPos(widget->mapToGlobal(kInside));
    QCoreApplication::processEvents();
    widget->Button().OnHoverTimerTick();
    const std::uint64_t redraws = widget->Button().RedrawCount();
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        widget->Invalidate();
        benchmark::DoNotOptimize(widget->grab());
    }
    widget_repaint_ns = NanosecondsEach(Clock::now() - start, state.iterations());
    CheckRepaints(state, widget->Button(), redraws);
}

void BM_Quick(benchmark::State& state) {
    QQuickWindow window;
    window.resize(kSize);
    auto* item = new StylerButtonItem(window.contentItem());
    item->setSize(kSize);
    Style(item->Button());
    window.show();
    QTest::mouseMove(&window, kInside);
    item->Button().OnHoverTimerTick();
    const std::uint64_t redraws = item->Button().RedrawCount();
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        item->Invalidate();
        benchmark::DoNotOptimize(window.grabWindow());
    }
    const double quick_ns = NanosecondsEach(Clock::now() - start, state.iterations());
    CheckRepaints(state, item->Button(), redraws);
    if (widget_repaint_ns > 0) {
        state.counters["widget_ratio"] = quick_ns / widget_repaint_ns;
    }
}

// In this order: the widget's time is the ratio's denominator.
BENCHMARK(BM_Widget)->UseRealTime();
BENCHMARK(BM_Quick)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
