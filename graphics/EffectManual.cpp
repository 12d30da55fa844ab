// The manual effects: the new picture slides over the old one, or pushes it out, in the
// direction the rotation names.
#include <cstdlib>

#include "graphics/AnimationRec.h"
#include "graphics/Bitmap.h"
#include "graphics/EffectCatalogue.h"
#include "graphics/MulDiv.h"
#include "graphics/RowKernels.h"

namespace {

// Where the new picture stands at percent p and how far the old one has been pushed.
struct TTravel {
    TPoint NewAt;
    TPoint Push;
};

TTravel TravelOf(const TteBitmap& work, TteRotation rotation, int p)
{
    const int w = work.Width();
    const int h = work.Height();
    switch (rotation) {
    case TteRotation::krRotate90: {  // from the bottom
        const int a = MulDiv(h, p, 100);
        return {{0, h - a}, {0, -a}};
    }
    case TteRotation::krRotate180: {  // from the right
        const int a = MulDiv(w, p, 100);
        return {{w - a, 0}, {-a, 0}};
    }
    case TteRotation::krRotate270: {  // from the top
        const int a = MulDiv(h, p, 100);
        return {{0, a - h}, {0, a}};
    }
    case TteRotation::krNone:
        break;
    }
    const int a = MulDiv(w, p, 100);  // from the left
    return {{a - w, 0}, {a, 0}};
}

// Moves the bitmap's pixels by (dx, dy) onto itself, as if through a copy: rows are taken in the
// order that reads each one before it is overwritten. The band left behind keeps its pixels.
void MovePixels(TteBitmap& bitmap, int dx, int dy)
{
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    const int count = w - std::abs(dx);
    if (count <= 0 || std::abs(dy) >= h)
        return;
    const int sourceX = dx < 0 ? -dx : 0;
    const int targetX = dx > 0 ? dx : 0;
    const auto moveRow = [&](int y) {
        RowKernels().Copy(bitmap.PixelPtr(sourceX, y - dy), bitmap.PixelPtr(targetX, y), static_cast<std::size_t>(count));
    };
    if (dy > 0) {
        for (int y = h - 1; y >= dy; --y)
            moveRow(y);
    } else {
        for (int y = 0; y < h + dy; ++y)
            moveRow(y);
    }
}

void SlideEffect(TteBitmap& work, TteBitmap& newPicture, const TteAnimationRec& rec, int p)
{
    const TTravel travel = TravelOf(work, rec.Rotation(), p);
    newPicture.SetAlphaBlend(true);
    newPicture.Draw(work, travel.NewAt.X, travel.NewAt.Y);
}

void PushEffect(TteBitmap& work, TteBitmap& newPicture, const TteAnimationRec& rec, int p)
{
    const TTravel travel = TravelOf(work, rec.Rotation(), p);
    MovePixels(work, travel.Push.X, travel.Push.Y);
    newPicture.SetAlphaBlend(true);
    newPicture.Draw(work, travel.NewAt.X, travel.NewAt.Y);
}

constexpr TteNamedEffect<TteManualProc> kManual[] = {
    {"Slide", SlideEffect},
    {"Push", PushEffect},
};

}  // namespace

std::span<const TteNamedEffect<TteManualProc>> ManualEffects()
{
    return kManual;
}
