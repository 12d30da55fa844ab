#include "controls/core/ScrollBarGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves to even.
int RoundToInt(double value)
{
    return static_cast<int>(std::lrint(value));
}

// A rectangle from positions along and across the axis.
TRect AxisRect(TTeScrollOrientation orientation, int start, int end, int crossStart, int crossEnd)
{
    if (orientation == TTeScrollOrientation::ksoVertical)
        return Rect(crossStart, start, crossEnd, end);
    return Rect(start, crossStart, end, crossEnd);
}

}  // namespace

int ScrollPositionRange(const TScrollBarRange& range)
{
    if (range.PageSize == 0)
        return range.Max - range.Min;
    return range.Max - range.Min - range.PageSize + 1;
}

TScrollBarLayout LayOutScrollBar(const TRect& bounds, TTeScrollOrientation orientation, int borderWidth,
                                 bool showButtons, int thumbSize, const TScrollBarRange& range)
{
    const bool vertical = orientation == TTeScrollOrientation::ksoVertical;
    const int length = vertical ? bounds.Height() : bounds.Width();
    const int across = vertical ? bounds.Width() : bounds.Height();
    const int b = borderWidth;
    int buttonLength = thumbSize;
    if (length - 2 * b < 2 * thumbSize)
        buttonLength = (length - 2 * b) / 2;

    TScrollBarLayout layout;
    if (showButtons) {
        layout.FirstButton = AxisRect(orientation, b, b + buttonLength, b, across - b);
        layout.SecondButton = AxisRect(orientation, length - b - buttonLength, length - b, b, across - b);
    }
    const int inset = b + (showButtons ? buttonLength : 0);
    layout.TrackStart = inset;
    layout.TrackEnd = length - inset;
    layout.Track = AxisRect(orientation, layout.TrackStart, layout.TrackEnd, b, across - b);
    const int trackLength = layout.TrackEnd - layout.TrackStart;
    if (trackLength <= 0)
        return layout;

    int thumbLength = thumbSize;
    if (range.PageSize > 0) {
        thumbLength = RoundToInt(static_cast<double>(trackLength) * range.PageSize / (range.Max - range.Min + 1));
        thumbLength = std::max(thumbLength, thumbSize / 3 * 2);
    }
    if (thumbLength >= trackLength)
        thumbLength = 0;
    layout.ThumbLength = thumbLength;
    if (thumbLength == 0)
        return layout;

    const int positions = ScrollPositionRange(range);
    int thumbStart = layout.TrackStart;
    if (range.Max - range.Min - range.PageSize + 1 <= 0 || positions <= 0)
        thumbStart = layout.TrackStart;
    else if (range.Position > range.Max - range.PageSize + 1)
        thumbStart = layout.TrackEnd - thumbLength;
    else
        thumbStart = layout.TrackStart +
                     RoundToInt(static_cast<double>(range.Position - range.Min) * (trackLength - thumbLength) / positions);
    layout.Thumb = AxisRect(orientation, thumbStart, thumbStart + thumbLength, b, across - b);
    layout.PageBefore = AxisRect(orientation, layout.TrackStart, thumbStart, b, across - b);
    layout.PageAfter = AxisRect(orientation, thumbStart + thumbLength, layout.TrackEnd, b, across - b);
    return layout;
}

int ScrollPositionAt(const TScrollBarLayout& layout, const TScrollBarRange& range, int p)
{
    const int positions = ScrollPositionRange(range);
    const int free = layout.TrackEnd - layout.TrackStart - layout.ThumbLength;
    int position = 0;
    if (free != 0 && positions >= 1)
        position = RoundToInt(static_cast<double>(p - layout.TrackStart) * positions / free + range.Min);
    position = std::max(position, range.Min);
    return std::min(position, range.Max - range.PageSize + 1);
}
