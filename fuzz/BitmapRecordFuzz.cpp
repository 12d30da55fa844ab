// Arbitrary bytes as a stored bitmap record: the reader must load them or raise an error, never
// crash or set aside memory that the input cannot fill; what it loads must write back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "graphics/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.Write(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    TteBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const Exception&) {
        return 0;
    }
    TMemoryStream saved;
    bitmap.SaveToStream(saved);
    saved.SetPosition(0);
    TteBitmap reloaded;
    reloaded.LoadFromStream(saved);
    const bool same = reloaded.Width() == bitmap.Width() && reloaded.Height() == bitmap.Height() &&
                      reloaded.Name() == bitmap.Name() &&
                      (bitmap.Empty() || std::memcmp(reloaded.Bits(), bitmap.Bits(),
                                                     static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 4) == 0);
    if (!same)
        __builtin_trap();
    return 0;
}
