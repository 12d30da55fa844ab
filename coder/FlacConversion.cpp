#include "coder/FlacConversion.h"

#include <memory>
#include <vector>

#include "coder/FlacEncoder.h"
#include "coder/LameError.h"
#include "coder/SameFile.h"
#include "coder/WavLayout.h"
#include "framework/Stream.h"

namespace {

// About a second and a half of CD audio per block.
constexpr std::int64_t kBlockFrames = 65536;

}  // namespace

TFileConversion ConvertToFlac(const QString& input, const QString& output, int level,
                              const std::function<bool(std::uint16_t percent)>& progress)
{
    if (IsSameFile(output, input))
        throw ELameError(QStringLiteral("\"%1\" would be written over the input file \"%2\"; nothing was converted").arg(output, input));
    TFileStream in(input, TFileMode::fmOpenRead);
    const TWavLayout layout = ReadWavLayout(in, input);
    // Raw audio is what the ripper writes without a header: CD audio.
    const std::uint32_t sampleRate = layout.IsWave ? layout.SampleRate : 44100;
    const std::uint16_t channels = layout.IsWave ? layout.Channels : 2;
    const std::int64_t frameBytes = 2 * std::int64_t{channels};
    const std::int64_t frames = layout.DataLength / frameBytes;

    TFileStream out(output, TFileMode::fmCreate);
    TFlacEncoder encoder(out, sampleRate, channels, level, static_cast<std::uint64_t>(frames));
    std::vector<std::int16_t> block(static_cast<std::size_t>(kBlockFrames * channels));
    in.SetPosition(layout.DataOffset);
    TFileConversion result;
    for (std::int64_t done = 0; done < frames;) {
        const std::int64_t count = std::min(kBlockFrames, frames - done);
        if (in.Read(block.data(), count * frameBytes) < count * frameBytes)
            throw ELameError(QStringLiteral("Read Error"));
        encoder.Encode(block.data(), static_cast<std::size_t>(count));
        done += count;
        if (progress && !progress(static_cast<std::uint16_t>(done * 100 / frames))) {
            encoder.Finish();
            return result;
        }
    }
    encoder.Finish();
    result.Finished = true;
    result.ShortInput = layout.DataLength < layout.DeclaredLength;
    return result;
}
