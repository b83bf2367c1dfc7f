// Number text against the C library: FormatLength beside snprintf("%2.2f") and
// ReadLeadingNumber beside strtod, on the same values in the same run.
#include "core/TextFormat.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// Lengths and luminances of the sizes the program shows: 0.01 to a few thousand.
std::vector<double> SampleValues()
{
    std::vector<double> values;
    double dValue = 0.0137;
    for (int i = 0; i < 256; ++i)
    {
        values.push_back(static_cast<double>(static_cast<float>(dValue)));
        dValue = dValue * 1.047 + 0.3;
        if (dValue > 5000.0)
            dValue = 0.0137 * (i + 1);
    }
    return values;
}

std::vector<std::string> SampleTexts()
{
    std::vector<std::string> texts;
    for (double dValue : SampleValues())
        texts.push_back(FormatLength(dValue));
    return texts;
}

void BM_FormatLength(benchmark::State& state)
{
    const std::vector<double> values = SampleValues();
    std::size_t i = 0;
    for (auto _ : state)
    {
        std::string text = FormatLength(values[i++ & 255]);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatLength);

void BM_SnprintfBaseline(benchmark::State& state)
{
    const std::vector<double> values = SampleValues();
    std::size_t i = 0;
    for (auto _ : state)
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%2.2f", values[i++ & 255]);
        std::string text = buffer;
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_SnprintfBaseline);

void BM_ReadLeadingNumber(benchmark::State& state)
{
    const std::vector<std::string> texts = SampleTexts();
    std::size_t i = 0;
    for (auto _ : state)
    {
        double dValue = ReadLeadingNumber(texts[i++ & 255]);
        benchmark::DoNotOptimize(dValue);
    }
}
BENCHMARK(BM_ReadLeadingNumber);

void BM_StrtodBaseline(benchmark::State& state)
{
    const std::vector<std::string> texts = SampleTexts();
    std::size_t i = 0;
    for (auto _ : state)
    {
        double dValue = std::strtod(texts[i++ & 255].c_str(), nullptr);
        benchmark::DoNotOptimize(dValue);
    }
}
BENCHMARK(BM_StrtodBaseline);

} // namespace
