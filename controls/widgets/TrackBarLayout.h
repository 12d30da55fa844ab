#pragma once
// Where the parts of a track bar lie: the mapping between values and pixels along its axis, and the
// track, thumb and tick positions across it. "Along" is x for a horizontal bar and y for a vertical
// one; "across" is the other coordinate.
#include <QList>
#include <QStringList>
#include <cstdint>

#include "framework/Types.h"

enum class TTeTrackOrientation : std::uint8_t { ktoHorizontal, ktoVertical };
// The sides that carry tick marks.
enum class TTeTickMark : std::uint8_t { ktbmBoth, ktbmBottomRight, ktbmTopLeft };

const QStringList& TrackOrientationNames();
const QStringList& TickMarkNames();

struct TTrackBarLayout {
    bool Vertical = false;
    // The control's size along the axis.
    int Length = 0;
    int Min = 0;
    int Max = 10;
    int ThumbHalfWidth = 4;
    TTeTickMark TickMarks = TTeTickMark::ktbmBottomRight;
    bool ShowTicks = true;

    // Free space kept at both ends of the axis, and the distance of the thumb from the top (or left).
    static constexpr int kMargin = 9;
    static constexpr int kTrackOffset = 7;

    // Along the axis.
    int ThumbLength() const { return 2 * ThumbHalfWidth + 1; }
    // Across the axis: 2.2 times the thumb's length.
    int ThumbBreadth() const;
    // The pixels a value can take: the length less the margins and one thumb.
    int UsableLength() const { return Length - 2 * kMargin - ThumbLength(); }

    // The thumb's centre for value; 0 for an empty range.
    int PixelOf(int value) const;
    // The value under pixel, snapped to the nearest multiple of frequency (halves go down) and
    // kept inside Min..Max.
    int ValueAt(int pixel, int frequency) const;

    // Across the axis: where the thumb starts (moved away from ticks on the top or left).
    int ThumbStart() const;
    // The track from one margin to the other, behind the body of the thumb.
    TRect TrackRect() const;
    // The thumb centred on value's pixel.
    TRect ThumbRect(int value) const;
    // The values that get a tick: every multiple of frequency in Min..Max, and Min and Max.
    QList<int> TickValues(int frequency) const;

    bool TicksTopLeft() const { return ShowTicks && TickMarks != TTeTickMark::ktbmBottomRight; }
    bool TicksBottomRight() const { return ShowTicks && TickMarks != TTeTickMark::ktbmTopLeft; }

    // A rectangle given along and across the axis, in the control's coordinates.
    TRect Oriented(int alongStart, int alongEnd, int acrossStart, int acrossEnd) const;
    TPoint Oriented(int along, int across) const;
};
