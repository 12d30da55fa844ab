// Colour text conversion runs for every entry of every stored colour table.
#include <benchmark/benchmark.h>

#include "framework/Colors.h"

static void BM_ColorToStringAndBack(benchmark::State& state)
{
    TColor color = 0;
    for (auto _ : state) {
        const QString text = ColorToString(color);
        benchmark::DoNotOptimize(StringToColor(text));
        color = (color + 0x010203) & 0xFFFFFF;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ColorToStringAndBack);
