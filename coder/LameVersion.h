#pragma once
// The encoder library's version numbers, read from the library when the object is made.
#include <cstdint>

#include "framework/Persistent.h"

class TLameVersion : public TPersistent {
public:
    TLameVersion();

    void Assign(const TPersistent* source) override;

    std::uint8_t DLLMajorVersion() const { return dllMajor_; }
    std::uint8_t DLLMinorVersion() const { return dllMinor_; }
    std::uint8_t MajorVersion() const { return major_; }
    std::uint8_t MinorVersion() const { return minor_; }

private:
    std::uint8_t dllMajor_ = 0;
    std::uint8_t dllMinor_ = 0;
    std::uint8_t major_ = 0;
    std::uint8_t minor_ = 0;
};
