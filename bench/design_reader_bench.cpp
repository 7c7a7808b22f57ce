// Reading a stored design (design::ParseDesign, the step after the file is read) from generated
// designs of growing size, reported per megabyte: with a reader that is linear in the number of
// controls and properties the rate stays flat as the design grows. Two shapes, each up to 80,000
// integer properties (about 3 MB of indented JSON): many controls of 20 properties and 4 placement
// entries each, as a form full of buttons would have, and one control holding them all.
// Arguments: controls, properties per control. Build in Release.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "design/design_store.h"

namespace {

QByteArray GeneratedDesign(int controls, int properties_per_control) {
    QJsonArray list;
    for (int c = 0; c < controls; ++c) {
        QJsonObject properties;
        for (int p = 0; p < properties_per_control; ++p) {
            properties.insert(QStringLiteral("Property%1").arg(p), c * properties_per_control + p);
        }
        list.append(QJsonObject{
            {QStringLiteral("name"), QStringLiteral("StylerButton%1").arg(c)},
            {QStringLiteral("type"), QStringLiteral("Tolvane.StylerButton")},
            {QStringLiteral("placement"), QJsonObject{{QStringLiteral("left"), c},
                                                      {QStringLiteral("top"), c},
                                                      {QStringLiteral("width"), 1575},
                                                      {QStringLiteral("height"), 495}}},
            {QStringLiteral("properties"), properties},
        });
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("controls"), list}})
        .toJson(QJsonDocument::Indented);
}

void ReadDesign(benchmark::State& state) {
    const QByteArray json =
        GeneratedDesign(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvane::design::ParseDesign(json, "generated.json"));
    }
    state.SetBytesProcessed(state.iterations() * json.size());
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
