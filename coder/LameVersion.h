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
    // A stored description may carry other numbers; nothing but the description reads them.
    void SetDLLMajorVersion(std::uint8_t value) { dllMajor_ = value; }
    void SetDLLMinorVersion(std::uint8_t value) { dllMinor_ = value; }
    void SetMajorVersion(std::uint8_t value) { major_ = value; }
    void SetMinorVersion(std::uint8_t value) { minor_ = value; }

private:
    std::uint8_t dllMajor_ = 0;
    std::uint8_t dllMinor_ = 0;
    std::uint8_t major_ = 0;
    std::uint8_t minor_ = 0;
};
