// Reading a window's stored description happens at every start: a tree of components with a
// stored theme of about 120 KB in it.
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/ComponentStream.h"
#include "framework/PropInfo.h"

namespace {

class TBenchPart : public TComponent {
public:
    using TComponent::TComponent;
    int Left = 0;
    QString Caption;
    QByteArray Data;
};

std::unique_ptr<TBenchPart> MakeWindow()
{
    RegisterClass<TBenchPart>("TBenchPart");
    RegisterProperties<TBenchPart, TComponent>()
        .Integer("Left", [](const TBenchPart& p) { return p.Left; }, [](TBenchPart& p, int v) { p.Left = v; }, 0)
        .String("Caption", [](const TBenchPart& p) { return p.Caption; }, [](TBenchPart& p, const QString& v) { p.Caption = v; })
        .Binary("Data", [](const TBenchPart& p) { return p.Data; }, [](TBenchPart& p, const QByteArray& v) { p.Data = v; });
    auto window = std::make_unique<TBenchPart>(nullptr);
    window->SetName("Window");
    window->Data = QByteArray(121642, Qt::Uninitialized);
    for (qsizetype i = 0; i < window->Data.size(); ++i)
        window->Data[i] = static_cast<char>(i * 131);
    for (int i = 0; i < 50; ++i) {
        auto* part = new TBenchPart(window.get());
        part->SetName(QStringLiteral("Part%1").arg(i));
        part->Left = i * 7;
        part->Caption = QStringLiteral("Caption of part %1").arg(i);
    }
    return window;
}

void BM_ReadBinaryDescription(benchmark::State& state)
{
    const auto window = MakeWindow();
    TMemoryStream stream;
    WriteComponent(stream, *window);
    for (auto _ : state) {
        stream.SetPosition(0);
        delete ReadComponent(stream);
    }
    state.SetBytesProcessed(state.iterations() * stream.Size());
}
BENCHMARK(BM_ReadBinaryDescription);

void BM_ReadTextDescription(benchmark::State& state)
{
    const auto window = MakeWindow();
    const QString text = ComponentToString(*window);
    for (auto _ : state)
        delete StringToComponent(text);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadTextDescription);

}  // namespace
