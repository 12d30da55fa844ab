#pragma once
// The MP3 encoder library's calls, loaded at run time; an absent library fails every call.
#include <QString>
#include <cstdint>

#include "framework/SharedLibrary.h"
#include "libs/lame_enc/LameEnc.h"

class TLameEncLibrary {
public:
    // Opened on first use from $TRACKWELL_LAME_LIBRARY, else liblame_enc.so beside the executable.
    static TLameEncLibrary& Instance();

    // Switches to another file (an empty path leaves the library absent); answers whether it loaded.
    bool Load(const QString& path);
    bool IsLoaded() const { return loaded_; }
    const QString& ErrorText() const { return library_.ErrorText(); }

    void Version(BE_Version* version);
    std::uint32_t InitStream(const BE_Config* config, std::uint32_t& samples, std::uint32_t& bufferSize,
                             std::uint32_t& stream);
    std::uint32_t EncodeChunk(std::uint32_t stream, std::uint32_t sampleCount, const std::int16_t* samples,
                              std::uint8_t* output, std::uint32_t& produced);
    std::uint32_t DeinitStream(std::uint32_t stream, std::uint8_t* output, std::uint32_t& produced);
    std::uint32_t CloseStream(std::uint32_t stream);
    // The finished stream's info tag frame; a library without this optional call answers failure.
    std::uint32_t GetInfoTag(std::uint32_t stream, std::uint8_t* buffer, std::uint32_t bufferSize,
                             std::uint32_t& tagBytes);

private:
    TLameEncLibrary();

    struct Calls {
        decltype(&beVersion) version = nullptr;
        decltype(&beInitStream) initStream = nullptr;
        decltype(&beEncodeChunk) encodeChunk = nullptr;
        decltype(&beDeinitStream) deinitStream = nullptr;
        decltype(&beCloseStream) closeStream = nullptr;
        decltype(&beGetInfoTag) getInfoTag = nullptr;
    };

    TSharedLibrary library_;
    Calls calls_;
    bool loaded_ = false;
};
