// The visual-style theme parses an INI text of about 50 KB and, on every rebuild, reads every key of
// about 90 sections; both happen on the GUI thread while a theme is applied or tinted.
#include <benchmark/benchmark.h>

#include "framework/IniFile.h"

namespace {

constexpr int kSections = 90;
constexpr int kKeys = 20;

QString StyleText()
{
    QString text;
    for (int s = 0; s < kSections; ++s) {
        text += QStringLiteral("[Element%1.Part]\r\n").arg(s);
        for (int k = 0; k < kKeys; ++k)
            text += QStringLiteral("SomeKeyName%1 = 12, 34, 56, 78 ; a value of typical length\r\n").arg(k);
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

static void BM_IniParseStyleText(benchmark::State& state)
{
    TStringList lines;
    lines.SetText(StyleText());
    TMemIniFile ini;
    for (auto _ : state)
        ini.SetStrings(lines);
    state.SetBytesProcessed(state.iterations() * lines.Text().size());
}
BENCHMARK(BM_IniParseStyleText)->Unit(benchmark::kMillisecond);

static void BM_IniReadEverySection(benchmark::State& state)
{
    TStringList lines;
    lines.SetText(StyleText());
    TMemIniFile ini;
    ini.SetStrings(lines);
    TStringList keys;
    for (auto _ : state)
        for (int s = 0; s < kSections; ++s) {
            const QString section = QStringLiteral("element%1.part").arg(s);
            ini.ReadSection(section, keys);
            for (int k = 0; k < keys.Count(); ++k)
                benchmark::DoNotOptimize(ini.ReadString(section, keys.Strings(k), QString()));
        }
    state.SetItemsProcessed(state.iterations() * kSections * kKeys);
}
BENCHMARK(BM_IniReadEverySection)->Unit(benchmark::kMillisecond);
