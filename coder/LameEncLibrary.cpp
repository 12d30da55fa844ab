#include "coder/LameEncLibrary.h"

#include <cstring>

namespace {

// Any non-zero result is an error; an absent library answers this one.
constexpr std::uint32_t NoLibrary = BE_ERR_INVALID_HANDLE;

}  // namespace

TLameEncLibrary& TLameEncLibrary::Instance()
{
    static TLameEncLibrary instance;
    return instance;
}

TLameEncLibrary::TLameEncLibrary()
{
    Load(TSharedLibrary::DefaultPath("TRACKWELL_LAME_LIBRARY", QStringLiteral(LAMEENC_LIBRARY_NAME)));
}

bool TLameEncLibrary::Load(const QString& path)
{
    loaded_ = false;
    calls_ = {};
    Calls calls;
    loaded_ = library_.OpenWithAll(path, [this, &calls] {
        return library_.Resolve("beVersion", calls.version) &&
               library_.Resolve("beInitStream", calls.initStream) &&
               library_.Resolve("beEncodeChunk", calls.encodeChunk) &&
               library_.Resolve("beDeinitStream", calls.deinitStream) &&
               library_.Resolve("beCloseStream", calls.closeStream);
    });
    if (!loaded_)
        return false;
    library_.Resolve("beGetInfoTag", calls.getInfoTag);  // optional
    calls_ = calls;
    return true;
}

void TLameEncLibrary::Version(BE_Version* version)
{
    std::memset(version, 0, sizeof *version);
    if (loaded_)
        calls_.version(version);
}

std::uint32_t TLameEncLibrary::InitStream(const BE_Config* config, std::uint32_t& samples, std::uint32_t& bufferSize,
                                          std::uint32_t& stream)
{
    samples = bufferSize = stream = 0;
    return loaded_ ? calls_.initStream(config, &samples, &bufferSize, &stream) : NoLibrary;
}

std::uint32_t TLameEncLibrary::EncodeChunk(std::uint32_t stream, std::uint32_t sampleCount,
                                           const std::int16_t* samples, std::uint8_t* output, std::uint32_t& produced)
{
    produced = 0;
    return loaded_ ? calls_.encodeChunk(stream, sampleCount, samples, output, &produced) : NoLibrary;
}

std::uint32_t TLameEncLibrary::DeinitStream(std::uint32_t stream, std::uint8_t* output, std::uint32_t& produced)
{
    produced = 0;
    return loaded_ ? calls_.deinitStream(stream, output, &produced) : NoLibrary;
}

std::uint32_t TLameEncLibrary::CloseStream(std::uint32_t stream)
{
    return loaded_ ? calls_.closeStream(stream) : NoLibrary;
}

std::uint32_t TLameEncLibrary::GetInfoTag(std::uint32_t stream, std::uint8_t* buffer, std::uint32_t bufferSize,
                                          std::uint32_t& tagBytes)
{
    tagBytes = 0;
    return calls_.getInfoTag != nullptr ? calls_.getInfoTag(stream, buffer, bufferSize, &tagBytes) : NoLibrary;
}
