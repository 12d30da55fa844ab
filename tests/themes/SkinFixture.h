#pragma once
// Our own skin and its bytes, for the skin source, object and theme tests.
#include <QByteArray>

#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "themes/SkinFilters.h"
#include "themes/SkinObjects.h"
#include "themes/SkinSource.h"
#include "tools/skin/SkinArt.h"

using TSkinSourcePtr = std::unique_ptr<TSeSkinSource, TComponentDeleter>;

inline TSkinSourcePtr NewSource() { return TSkinSourcePtr(new TSeSkinSource()); }

inline QByteArray SkinBytes(const TSeSkinSource& source, const TSeSkinFilter& filter)
{
    TMemoryStream stream;
    source.SaveToStream(stream, filter);
    return stream.Bytes();
}

inline QByteArray OurSkinBytes(const TSeSkinFilter& filter) { return SkinBytes(*BuildTrackwellSkin(), filter); }

// A memory stream holding the bytes, at position 0.
struct TBytesStream : TMemoryStream {
    explicit TBytesStream(const QByteArray& bytes)
    {
        WriteBuffer(bytes.constData(), bytes.size());
        SetPosition(0);
    }
};

// An object with its children in the binary form: equal bytes, equal trees.
inline QByteArray ObjectBytes(const TSeSkinObject& object)
{
    TMemoryStream stream;
    WriteSkinObject(stream, object, true);
    return stream.Bytes();
}
