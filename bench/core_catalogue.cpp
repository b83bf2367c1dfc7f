// Reading the own projector catalogue against the JSON library's own parse of the same
// text: a dealer's file of 20,000 projectors, read into projectors and checked, beside
// nlohmann::json::parse building its document of it, in the same run.
#include "core/ProjectorCatalogue.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace
{

// 20,000 projectors of every kind of field: given and derived throw pairs, shift in
// both conventions and as lens fields, some with distance range, class and picture.
const std::string& DealerFile()
{
    static const std::string text = []
    {
        std::vector<SOwnProjector> list(20000);
        for (int i = 0; i < 20000; ++i)
        {
            SOwnProjector& p = list[i];
            p.szName = "Dealer Model " + std::to_string(i);
            p.szClass = i % 3 == 0 ? "DLP" : "";
            p.nWidthPx = i % 2 == 0 ? 1920 : 1400;
            p.nHeightPx = i % 2 == 0 ? 1200 : 1050;
            p.dPitchUm = 7.6 + (i % 50) * 0.1;
            p.dLumens = 1000 + i % 9000;
            p.throws[1] = SThrowPair{1.2 + (i % 7) * 0.01, 1.5 + (i % 11) * 0.01};
            if (i % 4 == 0)
                p.throws[0] = SThrowPair{1.6, 2.0};
            if (i % 5 == 0)
                p.lens = SLensFields{16.9, {3.5, 3.5}, {0, 3.8}};
            else
                p.shift = SShiftPercent{55, 10, 20.5, 20.5,
                                        i % 2 ? EShiftOf::Image : EShiftOf::HalfImage};
            if (i % 2 == 0)
                p.distance = SDistanceRange{1.5, 25};
            if (i % 3 == 1)
                p.szPicture = "pictures/model-" + std::to_string(i) + ".png";
        }
        return ProjectorCatalogueJson(list);
    }();
    return text;
}

void BM_ReadOwnCatalogue(benchmark::State& state)
{
    const std::string& text = DealerFile();
    for (auto _ : state)
    {
        SCatalogueRead read = ParseProjectorCatalogue(text, "projectors.json");
        if (read.error || read.projectors.size() != 20000)
            state.SkipWithError("the generated file did not read");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadOwnCatalogue)->Unit(benchmark::kMillisecond);

void BM_NlohmannParseBaseline(benchmark::State& state)
{
    const std::string& text = DealerFile();
    for (auto _ : state)
    {
        nlohmann::json doc = nlohmann::json::parse(text);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_NlohmannParseBaseline)->Unit(benchmark::kMillisecond);

// The rows of all 20,000, as the catalogue will hold them after the built-in ones.
void BM_DeriveOwnRows(benchmark::State& state)
{
    const SCatalogueRead read = ParseProjectorCatalogue(DealerFile(), "projectors.json");
    std::vector<SOwnProjectorRows> rows(read.projectors.size());
    for (auto _ : state)
    {
        for (std::size_t i = 0; i < read.projectors.size(); ++i)
            rows[i] = DeriveProjectorRows(read.projectors[i]);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_DeriveOwnRows)->Unit(benchmark::kMillisecond);

} // namespace
