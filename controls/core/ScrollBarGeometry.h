#pragma once
// Where the parts of a scroll bar lie, and which position a point along its axis stands for: the
// arithmetic of the themed scroll bar, apart from its input and painting so that the bar, the
// drop-down list's bar and the tests share it.
#include "framework/Types.h"

enum class TTeScrollOrientation : std::uint8_t { ksoHorizontal, ksoVertical };

// What the geometry depends on.
struct TScrollBarRange {
    int Min = 0;
    int Max = 100;
    int PageSize = 0;
    int Position = 0;
};

// The parts of a scroll bar in its own pixels. An empty Thumb means the thumb has no room.
struct TScrollBarLayout {
    TRect FirstButton;   // up or left
    TRect SecondButton;  // down or right
    TRect Track;
    TRect Thumb;
    TRect PageBefore;
    TRect PageAfter;
    // Along the axis.
    int TrackStart = 0;
    int TrackEnd = 0;
    int ThumbLength = 0;
};

// bounds is the whole bar (0, 0, width, height); thumbSize the platform's thumb metric.
TScrollBarLayout LayOutScrollBar(const TRect& bounds, TTeScrollOrientation orientation, int borderWidth,
                                 bool showButtons, int thumbSize, const TScrollBarRange& range);

// The positions a scroll bar moves through: Max - Min without a page, else Max - Min - PageSize + 1.
int ScrollPositionRange(const TScrollBarRange& range);

// The position the pixel p along the axis stands for, kept within Min and Max - PageSize + 1.
int ScrollPositionAt(const TScrollBarLayout& layout, const TScrollBarRange& range, int p);
