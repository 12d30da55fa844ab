#include "theme/ThemeRecords.h"

#include "framework/TextLayout.h"

TteTextInfo MakeTextInfo(const TRect& rect, const QString& text, unsigned format)
{
    // Alignments run top, middle, bottom within each column: left 0-2, centre 3-5, right 6-8.
    int column = 0;
    if ((format & DT_CENTER) != 0)
        column = 3;
    else if ((format & DT_RIGHT) != 0)
        column = 6;
    int row = 0;
    if ((format & DT_VCENTER) != 0)
        row = 1;
    else if ((format & DT_BOTTOM) != 0)
        row = 2;

    std::uint8_t flags = 0;
    if ((format & DT_RTLREADING) != 0)
        flags |= kTextRtlReading;
    if ((format & DT_NOPREFIX) != 0)
        flags |= kTextNoPrefix;
    if ((format & DT_SINGLELINE) != 0)
        flags |= kTextSingleLine;
    if ((format & DT_WORDBREAK) != 0)
        flags |= kTextWordBreak;
    return MakeTextInfo(rect, text, static_cast<TteTextAlignment>(column + row), flags, TteTextRotation::ktrNone);
}

TteTextInfo MakeTextInfo(const TRect& rect, const QString& text, TteTextAlignment alignment, std::uint8_t flags,
                         TteTextRotation rotation)
{
    TteTextInfo info;
    info.Rect = rect;
    info.Text = text;
    info.Alignment = alignment;
    info.Flags = flags;
    info.Rotation = rotation;
    return info;
}
