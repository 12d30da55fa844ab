// The frame's concerns on their own: the drag machine, the painting cache and the menu keys.
#include <gtest/gtest.h>

#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QRubberBand>

#include "controls/frame/FrameDrag.h"
#include "controls/frame/FrameMenuKeys.h"
#include "controls/frame/FrameMenus.h"
#include "controls/frame/FramePaintCache.h"
#include "framework/Form.h"

namespace {

using H = TteFormHit;

TEST(FrameDrag, SizedBoundsMoveOnlyThePressedEdgesAndStopAtTheMinimum)
{
    const TRect start = Rect(100, 100, 400, 300);
    const TSize minimum{120, 80};
    struct Case {
        H Part;
        int Dx, Dy;
        TRect Expected;
    } const cases[] = {
        {H::kfhRight, 30, 50, Rect(100, 100, 430, 300)},
        {H::kfhBottom, 30, 50, Rect(100, 100, 400, 350)},
        {H::kfhBottomRight, -10, -20, Rect(100, 100, 390, 280)},
        {H::kfhLeft, -30, 50, Rect(70, 100, 400, 300)},
        {H::kfhTopLeft, 20, 10, Rect(120, 110, 400, 300)},
        // The left and top edges stop where the window reaches its minimum.
        {H::kfhLeft, 500, 0, Rect(280, 100, 400, 300)},
        {H::kfhTop, 0, 500, Rect(100, 220, 400, 300)},
        {H::kfhTopRight, 40, 500, Rect(100, 220, 440, 300)},
        {H::kfhBottomLeft, 500, 5, Rect(280, 100, 400, 305)},
        // Not an edge: nothing moves.
        {H::kfhCaption, 40, 40, start},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SizedBounds(c.Part, start, c.Dx, c.Dy, minimum), c.Expected) << static_cast<int>(c.Part);
}

TEST(FrameDrag, OnlyTheCaptionAndTheEdgesStartADrag)
{
    struct Case {
        H Part;
        bool Drags;
    } const cases[] = {{H::kfhNothing, false}, {H::kfhCaption, true},     {H::kfhLeft, true},
                       {H::kfhFrame, false},   {H::kfhBottomRight, true}, {H::kfhClose, false},
                       {H::kfhSysMenu, false}};
    for (const Case& c : cases) {
        TFrameDrag drag;
        EXPECT_EQ(drag.PressLeft(c.Part, false, {5, 5}, Rect(0, 0, 10, 10)), c.Drags) << static_cast<int>(c.Part);
        EXPECT_EQ(drag.Pressed(), c.Part);
        EXPECT_EQ(drag.Hot(), c.Part);
        EXPECT_TRUE(drag.LeftDown());
    }
}

TEST(FrameDrag, ReleaseEndsThePressAndHandsOverTheOutline)
{
    TFrameDrag drag;
    drag.PressLeft(H::kfhCaption, false, {10, 20}, Rect(0, 0, 200, 100));
    drag.Follow();
    EXPECT_TRUE(drag.Moving());
    drag.ShowOutline(Rect(30, 40, 230, 140));
    ASSERT_NE(drag.OutlineBand(), nullptr);

    const TFrameDrag::TRelease release = drag.ReleaseLeft();
    EXPECT_EQ(release.Pressed, H::kfhCaption);
    EXPECT_TRUE(release.WasMoving);
    EXPECT_EQ(release.Outline, Rect(30, 40, 230, 140));
    EXPECT_EQ(drag.Pressed(), H::kfhNothing);
    EXPECT_FALSE(drag.Moving());
    EXPECT_FALSE(drag.ButtonDown());
    EXPECT_FALSE(drag.Outline().has_value());
    EXPECT_FALSE(drag.OutlineBand()->isVisible());
    // A new drag starts without the old outline.
    drag.PressLeft(H::kfhCaption, false, {0, 0}, Rect(0, 0, 200, 100));
    drag.Follow();
    EXPECT_FALSE(drag.ReleaseLeft().Outline.has_value());
}

TEST(FrameDrag, HandingOverToThePlatformLeavesNothingPressed)
{
    TFrameDrag drag;
    drag.PressLeft(H::kfhRight, true, {0, 0}, Rect(0, 0, 10, 10));
    drag.HandOver();
    EXPECT_EQ(drag.Pressed(), H::kfhNothing);
    EXPECT_FALSE(drag.ButtonDown());
    EXPECT_FALSE(drag.Moving());
    EXPECT_EQ(drag.Hot(), H::kfhRight);
}

TEST(FramePaintCache, ThePersistentBufferIsPaintedOncePerKey)
{
    TFramePaintCache cache;
    cache.SizePersistent(40, 30);
    int paints = 0;
    const auto paint = [&](TteBitmap& buffer) {
        EXPECT_EQ(&buffer, &cache.Persistent());
        ++paints;
    };
    TFrameKey key;
    key.Width = 40;
    key.Height = 30;
    cache.PaintPersistent(key, paint);
    cache.PaintPersistent(key, paint);
    EXPECT_EQ(paints, 1);

    key.Hot = H::kfhClose;
    cache.PaintPersistent(key, paint);
    EXPECT_EQ(paints, 2);

    // A theme change dates every frame painted before it.
    cache.FrameChanged();
    key.Generation = cache.Generation();
    cache.PaintPersistent(key, paint);
    EXPECT_EQ(paints, 3);

    cache.ForgetPersistent();
    cache.PaintPersistent(key, paint);
    cache.SizePersistent(50, 30);
    EXPECT_EQ(cache.Persistent().Width(), 50);
    cache.PaintPersistent(key, paint);
    EXPECT_EQ(paints, 5);
}

TEST(FramePaintCache, AFailedPaintLeavesTheBufferToBePaintedAgain)
{
    TFramePaintCache cache;
    cache.SizePersistent(10, 10);
    TFrameKey key;
    key.Width = 10;
    EXPECT_THROW(cache.PaintPersistent(key, [](TteBitmap&) { throw 1; }), int);
    int paints = 0;
    cache.PaintPersistent(key, [&](TteBitmap&) { ++paints; });
    EXPECT_EQ(paints, 1);
}

TEST(FramePaintCache, TheSmallIconIsRenderedAgainOnlyForAnotherIcon)
{
    TFramePaintCache cache;
    QPixmap red(32, 32);
    red.fill(Qt::red);
    const QIcon first(red);
    const TteBitmap& bitmap = cache.SmallIcon(first, 16);
    ASSERT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(QColor(bitmap.ToImage().pixel(8, 8)), QColor(Qt::red));
    QPixmap blue(32, 32);
    blue.fill(Qt::blue);
    // The same icon is not rendered again, even at another size.
    EXPECT_EQ(cache.SmallIcon(first, 24).Width(), 16);
    EXPECT_EQ(QColor(cache.SmallIcon(QIcon(blue), 16).ToImage().pixel(8, 8)), QColor(Qt::blue));
}

// The menus as the frame sees them, with what was asked of them.
class TRecordingMenus : public TFrameMenus {
public:
    bool LoopRunning = false;
    bool BarTakes = true;
    int ShortCuts = 0;
    QList<QChar> Entered;

    bool MenuLoopRunning() const override { return LoopRunning; }
    bool MenuBarShortCut(TComponent&, const QKeyEvent&) override
    {
        ++ShortCuts;
        return BarTakes;
    }
    bool EnterMenuBar(TComponent&, QChar character) override
    {
        Entered.append(character);
        return true;
    }
    bool EnterMenuBarByAccelerator(TComponent&, QChar) override { return true; }
    void ShowSystemMenu(TPoint) override {}
};

TEST(FrameMenuKeys, TheMenuBarSeesShortcutsFirstAndTheFormsOwnHandlerAfter)
{
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    TOwned<TComponent> bar = MakeOwned<TComponent>(nullptr);
    int formHandled = 0;
    form->OnShortCut = [&](TObject*, const QKeyEvent&, bool& handled) {
        ++formHandled;
        handled = true;
    };
    TRecordingMenus menus;
    TFrameMenuKeys keys(menus);
    keys.SetMenuBar(bar.get());
    keys.Chain(*form);
    const QKeyEvent key(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier);
    bool handled = false;
    form->OnShortCut(form.get(), key, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(menus.ShortCuts, 1);
    EXPECT_EQ(formHandled, 0);

    menus.BarTakes = false;
    handled = false;
    form->OnShortCut(form.get(), key, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(formHandled, 1);

    // An open menu has the keys to itself: the bar is not asked, nor entered by the next Alt.
    menus.LoopRunning = true;
    form->OnShortCut(form.get(), key, handled);
    EXPECT_EQ(menus.ShortCuts, 2);
    menus.LoopRunning = false;
    EXPECT_FALSE(keys.KeyMenu(QChar()));
    EXPECT_TRUE(menus.Entered.isEmpty());

    menus.BarTakes = true;
    form->OnShortCut(form.get(), key, handled);
    EXPECT_TRUE(keys.KeyMenu(QChar(u'f')));
    EXPECT_EQ(menus.Entered, QList<QChar>{QChar(u'f')});

    // Unchained, the form's own handler is back alone.
    keys.Unchain(form.get());
    form->OnShortCut(form.get(), key, handled);
    EXPECT_EQ(menus.ShortCuts, 3);
    EXPECT_EQ(formHandled, 3);
}

TEST(FrameMenuKeys, NothingEntersAFreedMenuBar)
{
    TRecordingMenus menus;
    TFrameMenuKeys keys(menus);
    {
        TOwned<TComponent> bar = MakeOwned<TComponent>(nullptr);
        keys.SetMenuBar(bar.get());
    }
    EXPECT_EQ(keys.MenuBar(), nullptr);
    EXPECT_FALSE(keys.KeyMenu(QChar()));
    EXPECT_TRUE(menus.Entered.isEmpty());
}

}  // namespace
