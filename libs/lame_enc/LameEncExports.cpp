// The exported be functions: a table of open streams keyed by 32-bit handles.
#include "EncoderStream.h"
#include "LameEnc.h"

#include <cstring>
#include <map>
#include <mutex>

using lameenc::TEncoderStream;

namespace {

constexpr uint8_t kMajorVersion = 1;
constexpr uint8_t kMinorVersion = 0;

class TStreamTable {
public:
    static TStreamTable& Instance()
    {
        static TStreamTable table;
        return table;
    }

    uint32_t Add(std::unique_ptr<TEncoderStream> stream)
    {
        std::lock_guard lock(FLock);
        // Handle 0 is never given out, so a zeroed handle is always invalid.
        do
            ++FNext;
        while (FNext == 0 || FStreams.count(FNext) != 0);
        FStreams.emplace(FNext, std::move(stream));
        return FNext;
    }

    TEncoderStream* Find(uint32_t handle)
    {
        std::lock_guard lock(FLock);
        auto it = FStreams.find(handle);
        return it == FStreams.end() ? nullptr : it->second.get();
    }

    bool Remove(uint32_t handle)
    {
        std::lock_guard lock(FLock);
        return FStreams.erase(handle) != 0;
    }

private:
    std::mutex FLock;
    std::map<uint32_t, std::unique_ptr<TEncoderStream>> FStreams;
    uint32_t FNext = 0;
};

}

extern "C" {

void beVersion(BE_Version* version)
{
    if (version == nullptr)
        return;
    std::memset(version, 0, sizeof *version);
    version->DLLMajorVersion = kMajorVersion;
    version->DLLMinorVersion = kMinorVersion;
    lame_version_t lame{};
    get_lame_version_numerical(&lame);
    version->MajorVersion = static_cast<uint8_t>(lame.major);
    version->MinorVersion = static_cast<uint8_t>(lame.minor);
}

uint32_t beInitStream(const BE_Config* config, uint32_t* samplesPerChunk, uint32_t* outputBufferSize, uint32_t* stream)
{
    if (config == nullptr || samplesPerChunk == nullptr || outputBufferSize == nullptr || stream == nullptr)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    std::unique_ptr<TEncoderStream> created;
    const uint32_t result = TEncoderStream::Create(*config, created);
    if (result != BE_ERR_SUCCESSFUL)
        return result;
    *samplesPerChunk = created->SamplesPerChunk();
    *outputBufferSize = created->OutputBufferSize();
    *stream = TStreamTable::Instance().Add(std::move(created));
    return BE_ERR_SUCCESSFUL;
}

uint32_t beEncodeChunk(uint32_t stream, uint32_t samples, const int16_t* input, uint8_t* output, uint32_t* outputBytes)
{
    TEncoderStream* encoder = TStreamTable::Instance().Find(stream);
    return encoder == nullptr ? BE_ERR_INVALID_HANDLE : encoder->Encode(samples, input, output, outputBytes);
}

uint32_t beDeinitStream(uint32_t stream, uint8_t* output, uint32_t* outputBytes)
{
    TEncoderStream* encoder = TStreamTable::Instance().Find(stream);
    return encoder == nullptr ? BE_ERR_INVALID_HANDLE : encoder->Finish(output, outputBytes);
}

uint32_t beCloseStream(uint32_t stream)
{
    return TStreamTable::Instance().Remove(stream) ? BE_ERR_SUCCESSFUL : BE_ERR_INVALID_HANDLE;
}

uint32_t beGetInfoTag(uint32_t stream, uint8_t* buffer, uint32_t bufferSize, uint32_t* tagBytes)
{
    TEncoderStream* encoder = TStreamTable::Instance().Find(stream);
    return encoder == nullptr ? BE_ERR_INVALID_HANDLE : encoder->InfoTag(buffer, bufferSize, tagBytes);
}

}
