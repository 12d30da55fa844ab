// How the CD library's C interface hands texts out.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace cdrip {

// Copies text into buffer cut to size - 1 bytes and zero-terminated (nothing for a null buffer or a size of 0);
// returns the text's full length, so a caller can ask for it first.
inline int32_t CopyText(const std::string& text, char* buffer, int32_t size)
{
    if (buffer != nullptr && size > 0) {
        const size_t copied = std::min(text.size(), static_cast<size_t>(size) - 1);
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int32_t>(text.size());
}

}
