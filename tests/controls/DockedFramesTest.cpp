// Gravitation between the program's framed windows: a dragged window snaps to another within the
// distance, and with OwnedForm the windows docked to it follow a live drag.
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "controls/frame/SnapBounds.h"
#include "graphics/RectUtils.h"
#include "tests/controls/FrameFixtures.h"

namespace {

// Snaps to other forms only, so that the work area's edges do not interfere.
void SnapToForms(TTeForm& frame, bool owned)
{
    frame.Gravitation().SetEnabled(true);
    frame.Gravitation().SetSnapToDesktop(false);
    frame.Gravitation().SetSnapToForms(true);
    frame.Gravitation().SetOwnedForm(owned);
}

void Place(TFramedForm& framed, int left, int top)
{
    framed.form.SetBounds(left, top, framed.form.Width(), framed.form.Height());
}

// In steps of a few pixels, as a hand moves the mouse: a window snaps to another it comes near.
void DragCaption(TFramedForm& framed, QPoint by)
{
    QWidget* window = framed.Window();
    const QPoint press(60, 10);
    const QPoint start = window->mapToGlobal(press);
    QTest::mousePress(window, Qt::LeftButton, {}, press);
    // The window moves under the mouse: each point is where the mouse is on the screen.
    const int steps = std::max(std::abs(by.x()), std::abs(by.y())) / 4 + 1;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(window, window->mapFromGlobal(start + by * i / steps));
    QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(start + by));
    ProcessPending();
}

}  // namespace

TEST(DockedFrames, EdgeToEdgeMeansTouchingAlongTheSharedLine)
{
    const TRect ours{100, 100, 300, 200};
    const struct {
        TRect other;
        bool docked;
    } cases[] = {
        {{300, 120, 400, 180}, true},   // on our right
        {{0, 150, 100, 400}, true},     // on our left, overlapping below
        {{120, 200, 220, 260}, true},   // below
        {{300, 200, 400, 260}, true},   // corner to corner
        {{300, 400, 400, 500}, false},  // on the line of our right edge, far below
        {{301, 120, 400, 180}, false},  // a pixel apart
        {{150, 120, 250, 180}, false},  // overlapping
    };
    for (const auto& c : cases)
        EXPECT_EQ(EdgeToEdge(ours, c.other), c.docked) << c.other.Left << "," << c.other.Top;
}

TEST(DockedFrames, ADraggedWindowSnapsToAnotherWithinTheDistance)
{
    TFramedForm other;
    TFramedForm dragged;
    Place(other, 400, 100);
    Place(dragged, 100, 100);
    SnapToForms(*dragged.frame, false);
    // Our right edge ends 12 pixels short of the other's left: pulled onto it.
    const int gap = other.form.Left() - dragged.form.BoundsRect().Right;
    DragCaption(dragged, {gap - 12, 5});
    EXPECT_EQ(dragged.form.BoundsRect().Right, other.form.Left());
    EXPECT_EQ(dragged.form.Top(), other.form.Top()) << "tops aligned";
    // 30 pixels away (beyond 20): left where the mouse put it.
    Place(dragged, 100, 100);
    DragCaption(dragged, {gap - 30, 0});
    EXPECT_EQ(dragged.form.BoundsRect().Right, other.form.Left() - 30);
}

TEST(DockedFrames, DockedWindowsFollowALiveDragWithOwnedForm)
{
    TFramedForm owner;
    TFramedForm follower;
    TFramedForm notSnapping;
    TFramedForm farAway;
    Place(owner, 100, 100);
    const TRect o = owner.form.BoundsRect();
    Place(follower, o.Right, o.Top + 10);
    Place(notSnapping, o.Left, o.Bottom);
    Place(farAway, o.Right, o.Bottom + 300);
    SnapToForms(*owner.frame, true);
    SnapToForms(*follower.frame, false);
    SnapToForms(*farAway.frame, false);
    const TRect followerStart = follower.form.BoundsRect();
    const TRect notSnappingStart = notSnapping.form.BoundsRect();
    const TRect farStart = farAway.form.BoundsRect();

    DragCaption(owner, {40, 60});
    EXPECT_EQ(owner.form.BoundsRect(), OffsetRectBy(o, 40, 60));
    EXPECT_EQ(follower.form.BoundsRect(), OffsetRectBy(followerStart, 40, 60));
    EXPECT_EQ(notSnapping.form.BoundsRect(), notSnappingStart) << "its frame does not snap to forms";
    EXPECT_EQ(farAway.form.BoundsRect(), farStart) << "on the line of the edge, but not touching";

    // Without OwnedForm, or with outline feedback, docked windows stay.
    const TRect docked = follower.form.BoundsRect();
    owner.frame->Gravitation().SetOwnedForm(false);
    DragCaption(owner, {0, 50});
    EXPECT_EQ(follower.form.BoundsRect(), docked);
    Place(follower, owner.form.BoundsRect().Right, owner.form.Top());
    const TRect outlineStart = follower.form.BoundsRect();
    owner.frame->Gravitation().SetOwnedForm(true);
    owner.frame->Dragging().SetDragMode(TTeFormDragMode::kfdmBorder);
    DragCaption(owner, {0, 50});
    EXPECT_EQ(follower.form.BoundsRect(), outlineStart);
}
