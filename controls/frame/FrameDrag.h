#pragma once
// The press -> drag -> release machine of the frame's caption and edges: the part under the mouse, the
// part pressed and the buttons that pressed it, the window following the mouse where the platform does
// not move or size it itself, and the outline a border-mode drag shows in place of the window until
// the release.
#include <memory>
#include <optional>

#include "framework/Control.h"
#include "framework/Types.h"
#include "theme/ThemeRecords.h"

class QRubberBand;

class TFrameDrag {
public:
    TFrameDrag();
    ~TFrameDrag();

    TteFormHit Hot() const { return hot_; }
    TteFormHit Pressed() const { return pressed_; }
    // The window follows the mouse.
    bool Moving() const { return moving_; }
    bool LeftDown() const { return buttons_.Contains(TShiftStateFlag::ssLeft); }
    // A button pressed on the frame is held: the frame keeps the mouse until it is released.
    bool ButtonDown() const { return !buttons_.Empty(); }
    // Where the left press was, and the window's bounds then.
    TPoint PressPoint() const { return pressScreen_; }
    const TRect& PressBounds() const { return pressBounds_; }
    // The outline window of border-mode drags (nullptr before the first one).
    QRubberBand* OutlineBand() const { return outlineBand_.get(); }
    // The bounds the outline shows, applied on release; nothing while none shows.
    const std::optional<TRect>& Outline() const { return outline_; }

    // part is under the mouse now; false when it already was.
    bool SetHot(TteFormHit part);
    // The right button went down or came up on the frame.
    void PressRight() { buttons_ = {TShiftStateFlag::ssRight}; }
    void ReleaseRight() { buttons_ = {}; }
    // The left button went down on part (which becomes the hot part too) at screenPoint, the window at
    // bounds; true when part moves or sizes the window.
    bool PressLeft(TteFormHit part, bool doubleClick, TPoint screenPoint, const TRect& bounds);
    // The platform moves or sizes the window itself: nothing stays pressed.
    void HandOver();
    // The window follows the mouse from now on.
    void Follow();
    // A border-mode drag shows its outline at bounds instead of moving the window.
    void ShowOutline(const TRect& bounds);

    struct TRelease {
        TteFormHit Pressed = TteFormHit::kfhNothing;
        bool WasMoving = false;
        // The bounds a border-mode drag ends at.
        std::optional<TRect> Outline;
    };
    // The left button came up: the press ends and the outline hides.
    TRelease ReleaseLeft();

private:
    TteFormHit hot_ = TteFormHit::kfhNothing;
    TteFormHit pressed_ = TteFormHit::kfhNothing;
    TShiftState buttons_;
    bool moving_ = false;
    TPoint pressScreen_;
    TRect pressBounds_;
    std::optional<TRect> outline_;
    std::unique_ptr<QRubberBand> outlineBand_;
};

// The bounds of a window sized by part (an edge or corner) by (dx, dy) from start: the left and top
// edges stop where the window would get smaller than minimum.
TRect SizedBounds(TteFormHit part, const TRect& start, int dx, int dy, TSize minimum);
