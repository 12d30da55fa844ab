#include "controls/widgets/TrackBarLayout.h"

#include <algorithm>
#include <cstdint>

#include "controls/widgets/RoundEven.h"

namespace {

// Ticks on the top or left push the thumb and the track this far down or right.
constexpr int kTopTickRoom = 5;

}  // namespace

const QStringList& TrackOrientationNames()
{
    static const QStringList names{"ktoHorizontal", "ktoVertical"};
    return names;
}

const QStringList& TickMarkNames()
{
    static const QStringList names{"ktbmBoth", "ktbmBottomRight", "ktbmTopLeft"};
    return names;
}

int TTrackBarLayout::ThumbBreadth() const
{
    return RoundEven(ThumbLength() * 2.2);
}

int TTrackBarLayout::PixelOf(int value) const
{
    if (Max == Min)
        return 0;
    const double offset = static_cast<double>(UsableLength()) * (static_cast<double>(value) - Min) / (static_cast<double>(Max) - Min);
    // A pixel is a 16-bit coordinate.
    return static_cast<std::int16_t>(ThumbLength() / 2 + kMargin + RoundEven(offset));
}

int TTrackBarLayout::ValueAt(int pixel, int frequency) const
{
    const int usable = UsableLength();
    // A bar too short to move the thumb on has only its minimum.
    if (usable <= 0)
        return Min;
    int value = RoundEven(static_cast<double>(pixel - kMargin - ThumbLength() / 2) * (static_cast<double>(Max) - Min) / usable + Min);
    if (frequency > 0) {
        const int rest = value % frequency;
        if (rest > frequency / 2)
            value += frequency;
        value -= rest;
    }
    return std::clamp(value, Min, std::max(Min, Max));
}

int TTrackBarLayout::ThumbStart() const
{
    return kTrackOffset + (TicksTopLeft() ? kTopTickRoom : 0);
}

TRect TTrackBarLayout::TrackRect() const
{
    const int t = ThumbLength();
    const int b = ThumbBreadth();
    int start = kTrackOffset + (TickMarks == TTeTickMark::ktbmTopLeft ? t / 2 : t / 4) + (TicksTopLeft() ? kTopTickRoom : 0);
    int end;
    if (TickMarks == TTeTickMark::ktbmBoth) {
        end = start + b - 2 * (t / 4);
        ++start;
        --end;
    } else {
        end = start + b - t / 2 - t / 4;
    }
    return Oriented(kMargin, Length - kMargin, start, end);
}

TRect TTrackBarLayout::ThumbRect(int value) const
{
    const int along = PixelOf(value) - ThumbLength() / 2;
    const int across = ThumbStart();
    return Oriented(along, along + ThumbLength(), across, across + ThumbBreadth());
}

QList<int> TTrackBarLayout::TickValues(int frequency) const
{
    QList<int> values{Min};
    if (frequency > 0) {
        // The first multiple of frequency above Min (Min itself is there already).
        const int rest = Min % frequency;
        int value = Min - rest + (rest >= 0 ? frequency : 0);
        for (; value < Max; value += frequency)
            values.append(value);
    }
    if (Max != Min)
        values.append(Max);
    return values;
}

TRect TTrackBarLayout::Oriented(int alongStart, int alongEnd, int acrossStart, int acrossEnd) const
{
    return Vertical ? Rect(acrossStart, alongStart, acrossEnd, alongEnd) : Rect(alongStart, acrossStart, alongEnd, acrossEnd);
}

TPoint TTrackBarLayout::Oriented(int along, int across) const
{
    return Vertical ? Point(across, along) : Point(along, across);
}
