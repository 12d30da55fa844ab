#include "controls/frame/FrameDrag.h"

#include <QRubberBand>
#include <algorithm>

TFrameDrag::TFrameDrag() = default;

TFrameDrag::~TFrameDrag() = default;

bool TFrameDrag::SetHot(TteFormHit part)
{
    if (part == hot_)
        return false;
    hot_ = part;
    return true;
}

bool TFrameDrag::PressLeft(TteFormHit part, bool doubleClick, TPoint screenPoint, const TRect& bounds)
{
    buttons_ = doubleClick ? TShiftState{TShiftStateFlag::ssLeft, TShiftStateFlag::ssDouble}
                           : TShiftState{TShiftStateFlag::ssLeft};
    hot_ = pressed_ = part;
    pressScreen_ = screenPoint;
    pressBounds_ = bounds;
    const int p = static_cast<int>(part);
    return p >= static_cast<int>(TteFormHit::kfhCaption) && p <= static_cast<int>(TteFormHit::kfhBottomRight) &&
           part != TteFormHit::kfhFrame;
}

void TFrameDrag::HandOver()
{
    pressed_ = TteFormHit::kfhNothing;
    buttons_ = {};
}

void TFrameDrag::Follow()
{
    moving_ = true;
    outline_.reset();
}

void TFrameDrag::ShowOutline(const TRect& bounds)
{
    outline_ = bounds;
    // Qt cannot draw on the screen itself: the outline is a frameless rubber band window.
    if (!outlineBand_)
        outlineBand_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
    outlineBand_->setGeometry(bounds.ToQRect());
    outlineBand_->show();
}

TFrameDrag::TRelease TFrameDrag::ReleaseLeft()
{
    TRelease release{pressed_, moving_, outline_};
    pressed_ = TteFormHit::kfhNothing;
    buttons_ = {};
    moving_ = false;
    if (outline_) {
        outline_.reset();
        if (outlineBand_)
            outlineBand_->hide();
    }
    return release;
}

TRect SizedBounds(TteFormHit part, const TRect& start, int dx, int dy, TSize minimum)
{
    const bool left = part == TteFormHit::kfhLeft || part == TteFormHit::kfhTopLeft || part == TteFormHit::kfhBottomLeft;
    const bool top = part == TteFormHit::kfhTop || part == TteFormHit::kfhTopLeft || part == TteFormHit::kfhTopRight;
    const bool right = part == TteFormHit::kfhRight || part == TteFormHit::kfhTopRight || part == TteFormHit::kfhBottomRight;
    const bool bottom =
        part == TteFormHit::kfhBottom || part == TteFormHit::kfhBottomLeft || part == TteFormHit::kfhBottomRight;
    TRect r = start;
    if (top)
        r.Top = std::min(r.Top + dy, r.Bottom - minimum.cy);
    if (left)
        r.Left = std::min(r.Left + dx, r.Right - minimum.cx);
    if (right)
        r.Right += dx;
    if (bottom)
        r.Bottom += dy;
    return r;
}
