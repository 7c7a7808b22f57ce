// Reading a stored design (design::ParseDesign, the step after the file is read) from generated
// designs of growing size, reported per megabyte: with a reader that is linear in the number of
// controls and properties the rate stays flat as the design grows. Two shapes, each up to 80,000
// integer properties (about 3 MB of indented JSON): many controls of 20 properties and 4 placement
// entries each, as a form full of buttons would have, and one control holding them all.
// Arguments: controls, properties per control. Build in Release.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "design/design_json.h"

namespace {

using tolvane::design::Design;
using tolvane::design::DesignControl;

// The design as the writer saves it.
std::string GeneratedDesign(int controls, int properties_per_control) {
    Design design;
    for (int c = 0; c < controls; ++c) {
        DesignControl control{"StylerButton" + std::to_string(c), "Tolvane.StylerButton", {}, {}};
        control.Placement.Set("left", std::int32_t{c});
        control.Placement.Set("top", std::int32_t{c});
        control.Placement.Set("width", std::int32_t{1575});
        control.Placement.Set("height", std::int32_t{495});
        std::vector<tolvane::design::DesignProperties::Entry> properties;
        for (int p = 0; p < properties_per_control; ++p) {
            properties.emplace_back("Property" + std::to_string(p),
                                    std::int32_t{c * properties_per_control + p});
        }
        control.Properties =
            tolvane::design::DesignProperties::FromDistinctKeys(std::move(properties));
        design.Add(std::move(control));
    }
    return tolvane::design::SerializeDesign(design);
}

void ReadDesign(benchmark::State& state) {
    const std::string json =
        GeneratedDesign(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvane::design::ParseDesign(json, "generated.json"));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(json.size()));
    state.counters["properties"] = static_cast<double>(state.range(0) * state.range(1));
}

BENCHMARK(ReadDesign)
    ->Args({250, 20})
    ->Args({1000, 20})
    ->Args({4000, 20})
    ->Args({1, 5000})
    ->Args({1, 20000})
    ->Args({1, 80000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
