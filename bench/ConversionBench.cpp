// Converting a 30-second WAV file to MP3 through the coder component, as the window's "Convert" does: the
// cost of handing each chunk to the event loop as a posted step, next to the encoding itself.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "coder/LameCoder.h"
#include "coder/LameEncLibrary.h"
#include "framework/HeadlessGui.h"
#include "tests/support/AudioFiles.h"

namespace {

void BM_ConvertWavToMp3(benchmark::State& state)
{
    EnsureGuiApplication();
    if (!TLameEncLibrary::Instance().IsLoaded()) {
        state.SkipWithError("encoder library missing");
        return;
    }
    QTemporaryDir folder;
    const QString wav = folder.filePath(QStringLiteral("song.wav"));
    const QByteArray file = audio::Wav(44100, 2, audio::SinePcm(44100, 2, 30 * 44100));
    if (!audio::WriteFile(wav, file)) {
        state.SkipWithError("cannot write the WAV file");
        return;
    }
    TLameCoder coder(nullptr);
    coder.SetInputFiles({wav});
    for (auto _ : state)
        coder.Process();
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ConvertWavToMp3)->Unit(benchmark::kMillisecond);

}  // namespace
