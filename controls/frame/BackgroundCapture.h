#pragma once
// What lies on the screen behind a window, for its shadow and blending: kept for the window's
// rectangle and carried along when the window moves, so that only the newly uncovered part is read
// from the screen (the rest of the screen there shows the window itself).
#include <QImage>
#include <functional>

#include "framework/Types.h"
#include "graphics/Bitmap.h"

// Reads rect (screen coordinates) of the screen; a null image where the platform gives none.
using TScreenGrab = std::function<QImage(const TRect& rect)>;

// The screen through QScreen::grabWindow of the screen that holds rect.
QImage GrabScreen(const TRect& rect);

class TBackgroundCapture {
public:
    explicit TBackgroundCapture(TScreenGrab grab = GrabScreen) : grab_(std::move(grab)) {}

    // The picture behind rect: the part that overlaps the previous rectangle is kept, the rest read
    // from the screen, or taken from fallback (the window's own last picture, in window
    // coordinates) where the screen cannot be read. Nothing happens for an unchanged rectangle.
    void Capture(const TRect& rect, const std::function<QImage()>& fallback);
    const TteBitmap& Picture() const { return picture_; }
    const TRect& Bounds() const { return bounds_; }
    bool Empty() const { return bounds_.IsEmpty() || picture_.Empty(); }

private:
    TScreenGrab grab_;
    TteBitmap picture_;
    TRect bounds_;
};
