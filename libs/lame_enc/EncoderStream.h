// TEncoderStream: one LAME encoding stream configured from the library's configuration record.
#pragma once

#include "LameEnc.h"

#include <lame.h>

#include <cstdint>
#include <memory>

namespace lameenc {

class TEncoderStream {
public:
    // On success stream holds the new stream; otherwise the BE_ERR_ code says why.
    static uint32_t Create(const BE_Config& config, std::unique_ptr<TEncoderStream>& stream);
    ~TEncoderStream();
    TEncoderStream(const TEncoderStream&) = delete;
    TEncoderStream& operator=(const TEncoderStream&) = delete;

    uint32_t SamplesPerChunk() const { return FSamplesPerChunk; }
    uint32_t OutputBufferSize() const { return FOutputBufferSize; }

    uint32_t Encode(uint32_t samples, const int16_t* input, uint8_t* output, uint32_t* outputBytes);
    uint32_t Finish(uint8_t* output, uint32_t* outputBytes);
    uint32_t InfoTag(uint8_t* buffer, uint32_t bufferSize, uint32_t* tagBytes) const;

private:
    TEncoderStream(lame_global_flags* flags, int channels);
    int EncodeFrames(const int16_t* input, int frames, uint8_t* output, int capacity);

    lame_global_flags* FFlags;
    int FChannels;
    uint32_t FSamplesPerChunk;
    uint32_t FOutputBufferSize;
    bool FFinished = false;
    bool FHasPending = false;
    int16_t FPending[2] = {0, 0};
};

}
