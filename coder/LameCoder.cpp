#include "coder/LameCoder.h"

#include <QtEndian>
#include <cstring>

#include "coder/ChangeFileExt.h"
#include "coder/LameEncLibrary.h"
#include "coder/RunningJob.h"
#include "coder/SameFile.h"
#include "coder/WavLayout.h"
#include "framework/PostedSteps.h"
#include "framework/Stream.h"

namespace {

std::int32_t Flag(bool value)
{
    return value ? -1 : 0;
}

QString ModeName(TLameMode mode)
{
    static const char* const names[] = {"stereo", "joint stereo", "dual channel", "mono"};
    return QString::fromLatin1(names[static_cast<std::uint32_t>(mode)]);
}

// The largest read a conversion makes in one go.
constexpr std::uint32_t MaxChunkSize = 65535;

}  // namespace

TLameCoder::TLameCoder(TComponent* owner) : TComponent(owner), lameVersion_(std::make_unique<TLameVersion>()) {}

TLameCoder::~TLameCoder() = default;

void TLameCoder::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TLameCoder*>(source);
    if (other == nullptr) {
        TComponent::Assign(source);
        return;
    }
    sampleRate_ = other->sampleRate_;
    mode_ = other->mode_;
    bitrate_ = other->bitrate_;
    maxBitrate_ = other->maxBitrate_;
    quality_ = other->quality_;
    private_ = other->private_;
    crc_ = other->crc_;
    copyright_ = other->copyright_;
    original_ = other->original_;
    writeVBRHeader_ = other->writeVBRHeader_;
    enableVBR_ = other->enableVBR_;
    vbrQuality_ = other->vbrQuality_;
}

void TLameCoder::SetMode(TLameMode value)
{
    if (static_cast<std::uint32_t>(value) <= static_cast<std::uint32_t>(TLameMode::MONO))
        mode_ = value;
}

void TLameCoder::SetEnableVBR(bool value)
{
    enableVBR_ = value;
    writeVBRHeader_ = value;
}

void TLameCoder::SetInputFiles(const QStringList& files)
{
    inputFiles_ = files;
    outputFiles_.clear();
    for (const QString& file : files)
        outputFiles_.append(ChangeFileExt(file, defaultExt_));
}

TPcmFormat TLameCoder::OwnFormat() const
{
    return {sampleRate_, static_cast<std::uint16_t>(mode_ == TLameMode::MONO ? 1 : 2)};
}

std::uint32_t TLameCoder::InitStream()
{
    return InitStream(OwnFormat());
}

std::uint32_t TLameCoder::InitStream(const TPcmFormat& input)
{
    BE_Config config{};
    config.Config = BE_CONFIG_LAME;
    config.StructVersion = BE_CONFIG_STRUCT_VERSION;
    config.StructSize = BE_CONFIG_STRUCT_SIZE;
    // The stream is described by what it is fed; the coder's rate and mode are what the MP3 becomes.
    config.SampleRate = input.SampleRate;
    config.ReSampleRate = sampleRate_;
    config.InputChannels = input.Channels;
    config.Mode = static_cast<std::int32_t>(mode_);
    config.Bitrate = bitrate_;
    config.MaxBitrate = maxBitrate_;
    config.Quality = static_cast<std::int32_t>(quality_);
    config.MpegVersion = 1;
    config.Private = Flag(private_);
    config.CRC = Flag(crc_);
    config.Copyright = Flag(copyright_);
    config.Original = Flag(original_);
    config.WriteVBRHeader = Flag(writeVBRHeader_);
    config.EnableVBR = Flag(enableVBR_);
    config.VBRQuality = vbrQuality_;
    const std::uint32_t result =
        TLameEncLibrary::Instance().InitStream(&config, samplesPerChunk_, outputBufferSize_, streamHandle_);
    if (result == 0)
        outputBuffer_.assign(outputBufferSize_, 0);
    return result;
}

void TLameCoder::OpenStream(const TPcmFormat& input)
{
    if (const std::uint32_t result = InitStream(input); result != 0) {
        CloseStream();
        throw ELameError(QStringLiteral("beInitStream failed %1: the encoder refuses these settings (%2 Hz, %3 "
                                        "kbit/s, %4, fed %5 Hz in %6 channel%7)")
                             .arg(result)
                             .arg(sampleRate_)
                             .arg(bitrate_)
                             .arg(ModeName(mode_))
                             .arg(input.SampleRate)
                             .arg(input.Channels)
                             .arg(input.Channels == 1 ? "" : "s"));
    }
}

std::uint32_t TLameCoder::EncodeChunk(const std::int16_t* samples, std::uint8_t* output, std::uint32_t& produced)
{
    return EncodeChunk(samplesPerChunk_, samples, output, produced);
}

std::uint32_t TLameCoder::EncodeChunk(std::uint32_t count, const std::int16_t* samples, std::uint8_t* output,
                                      std::uint32_t& produced)
{
    return TLameEncLibrary::Instance().EncodeChunk(streamHandle_, count, samples, output, produced);
}

std::uint32_t TLameCoder::DeinitStream(std::uint8_t* output, std::uint32_t& produced)
{
    return TLameEncLibrary::Instance().DeinitStream(streamHandle_, output, produced);
}

bool TLameCoder::WriteInfoTag(TStream& file)
{
    if (!(writeVBRHeader_ || enableVBR_) || outputBuffer_.empty())
        return true;
    std::uint32_t tagBytes = 0;
    // A library without the call, or a stream without a tag, leaves the placeholder frame as it is.
    if (TLameEncLibrary::Instance().GetInfoTag(streamHandle_, outputBuffer_.data(),
                                               static_cast<std::uint32_t>(outputBuffer_.size()), tagBytes) != 0 ||
        tagBytes == 0)
        return true;
    const std::int64_t position = file.Position();
    file.SetPosition(0);
    const bool whole = file.Write(outputBuffer_.data(), tagBytes) == tagBytes;
    file.SetPosition(position);
    return whole;
}

void TLameCoder::CloseStream()
{
    outputBuffer_ = {};
    TLameEncLibrary::Instance().CloseStream(streamHandle_);
}

// A conversion as steps posted to whatever event loop runs: each opens a file and encodes its first chunk,
// encodes one more chunk, or finishes a file and goes on with the next, so a menu or a modal window opened
// meanwhile keeps it going. Events are handled after each chunk, and Cancel is looked at after them.
class TLameCoder::TConversion {
public:
    explicit TConversion(TLameCoder& coder) : coder_(coder) {}

    // Answers whether another step follows; a step that fails has released its files and closed the stream.
    bool Step()
    {
        try {
            return Advance();
        } catch (...) {
            CloseFile();
            throw;
        }
    }

    // Whether every file was converted (not cancelled).
    bool Whole() const { return whole_; }

private:
    // The file being converted: its files, layout and position.
    struct TFile {
        std::unique_ptr<TFileStream> Input;
        std::unique_ptr<TFileStream> Output;
        TWavLayout Layout;
        std::vector<char> Buffer;
        std::int64_t Position = 0;
    };

    bool Advance()
    {
        if (chunkDone_ && coder_.cancelled_) {
            CloseFile();
            return false;
        }
        for (;;) {
            if (!file_) {
                if (index_ == coder_.inputFiles_.size()) {
                    whole_ = true;
                    return false;
                }
                OpenFile();
            }
            if (file_->Position != file_->Layout.DataLength) {
                EncodeChunk();
                chunkDone_ = true;
                return true;
            }
            FinishFile();
        }
    }

    void OpenFile()
    {
        const QString& inputName = coder_.inputFiles_.at(index_);
        if (index_ >= coder_.outputFiles_.size())
            throw ELameError(QStringLiteral("No output file is named for \"%1\"").arg(inputName));
        auto file = std::make_unique<TFile>();
        file->Input = std::make_unique<TFileStream>(inputName, TFileMode::fmOpenRead);
        file->Layout = ReadWavLayout(*file->Input, inputName);
        const TWavLayout& layout = file->Layout;
        // A WAV file is fed at its own rate and channel count, raw PCM as the coder is set.
        coder_.OpenStream(layout.IsWave ? TPcmFormat{layout.SampleRate, layout.Channels} : coder_.OwnFormat());
        // From here on whatever fails closes the stream after the files are released.
        file_ = std::move(file);

        if (coder_.onBeginFile_)
            coder_.onBeginFile_(&coder_, static_cast<std::uint16_t>(index_), inputName);
        file_->Output = std::make_unique<TFileStream>(coder_.outputFiles_.at(index_), TFileMode::fmCreate);
        const std::uint32_t chunkSize = layout.IsWave ? coder_.samplesPerChunk_ * layout.BlockAlign
                                        : coder_.mode_ == TLameMode::MONO ? coder_.samplesPerChunk_
                                                                          : 2 * coder_.samplesPerChunk_;
        if (chunkSize > MaxChunkSize)
            throw ELameError(QStringLiteral("The encoder's chunk of %1 bytes is too large").arg(chunkSize));
        file_->Buffer.resize(chunkSize);
        file_->Input->SetPosition(layout.DataOffset);
    }

    void EncodeChunk()
    {
        TFile& file = *file_;
        const std::int64_t chunkSize = static_cast<std::int64_t>(file.Buffer.size());
        const std::int64_t dataLength = file.Layout.DataLength;
        const std::int64_t count = file.Position + chunkSize < dataLength ? chunkSize : dataLength - file.Position;
        if (file.Input->Read(file.Buffer.data(), count) < count)
            throw ELameError(QStringLiteral("Read Error"));
        std::uint32_t produced = 0;
        const std::uint32_t result =
            coder_.EncodeChunk(static_cast<std::uint32_t>(count / 2), reinterpret_cast<const std::int16_t*>(file.Buffer.data()),
                               coder_.outputBuffer_.data(), produced);
        if (result != 0)
            throw ELameError(QStringLiteral("beEncodeChunk failed %1").arg(result));
        if (file.Output->Write(coder_.outputBuffer_.data(), produced) < produced)
            throw ELameError(QStringLiteral("Write Error"));
        file.Position += count;
        if (coder_.onProgress_)
            coder_.onProgress_(&coder_, static_cast<std::uint16_t>(static_cast<double>(file.Position) / dataLength * 100));
    }

    // The file's tail, in the step after its last chunk: the MP3 is whole before the next file begins.
    void FinishFile()
    {
        std::uint32_t produced = 0;
        coder_.DeinitStream(coder_.outputBuffer_.data(), produced);
        if (file_->Output->Write(coder_.outputBuffer_.data(), produced) < produced || !coder_.WriteInfoTag(*file_->Output))
            throw ELameError(QStringLiteral("Write error"));
        const TWavLayout layout = file_->Layout;
        CloseFile();
        chunkDone_ = false;
        const int index = index_++;
        if (layout.DataLength < layout.DeclaredLength)
            coder_.shortInputs_.append(coder_.inputFiles_.at(index));
        if (coder_.onEndFile_)
            coder_.onEndFile_(&coder_, static_cast<std::uint16_t>(index), coder_.outputFiles_.at(index));
    }

    // Releases the open file's streams, then closes the encoder stream.
    void CloseFile()
    {
        if (!file_)
            return;
        file_.reset();
        coder_.CloseStream();
    }

    TLameCoder& coder_;
    std::unique_ptr<TFile> file_;
    int index_ = 0;
    bool chunkDone_ = false;
    bool whole_ = false;
};

void TLameCoder::Process()
{
    if (TRunningJob::Active())
        return;
    RefuseOverwritingInputs();
    ProcessRefused();
}

void TLameCoder::ProcessRefused()
{
    if (TRunningJob::Active())
        return;
    cancelled_ = false;
    shortInputs_.clear();
    bool whole = false;
    {
        TRunningJob job;
        if (onBeginProcess_)
            onBeginProcess_(this);
        TConversion conversion(*this);
        RunPostedSteps([&conversion] { return conversion.Step(); });
        whole = conversion.Whole();
    }
    if (whole && onEndProcess_)
        onEndProcess_(this);
}

void TLameCoder::RefuseOverwritingInputs() const
{
    for (const QString& output : outputFiles_)
        for (const QString& input : inputFiles_)
            if (IsSameFile(output, input))
                throw ELameError(QStringLiteral("\"%1\" would be written over the input file \"%2\"; nothing was "
                                                "converted")
                                     .arg(output, input));
}
