// Skin objects on their own: layout by alignment, state pushed down the tree, caption buttons shown
// by window state, pictures laid in nine parts at two sizes, window regions and tinting.
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "graphics/Pixel.h"
#include "tests/support/GoldenImage.h"
#include "tests/themes/SkinFixture.h"
#include "themes/SkinObjectClasses.h"

namespace {

TSeSkinObject* Child(TSeSkinObject* parent, const char* name, TSeAlign align, int w, int h)
{
    auto* child = new TSeSkinObject(parent);
    child->SetName(QLatin1String(name));
    child->SetAlign(align);
    child->SetWidth(w);
    child->SetHeight(h);
    return child;
}

TEST(SkinObjectsTest, RealignPlacesChildrenByTheirAlignmentInPassOrder)
{
    TOwned<TSeSkinObject> root(new TSeSkinObject(nullptr));
    TSeSkinObject* client = Child(root.get(), "Client", TSeAlign::saClient, 0, 0);
    TSeSkinObject* top = Child(root.get(), "Top", TSeAlign::saMostTop, 0, 20);
    root->SetBounds({0, 0, 100, 100});
    EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 100, 20}));
    EXPECT_EQ(client->BoundsRect(), (TRect{0, 20, 100, 100}));

    // Most-aligned children take their edge before the plain ones, whatever their order.
    TSeSkinObject* left = Child(root.get(), "Left", TSeAlign::saLeft, 10, 0);
    TSeSkinObject* mostLeft = Child(root.get(), "MostLeft", TSeAlign::saMostLeft, 5, 0);
    TSeSkinObject* bottom = Child(root.get(), "Bottom", TSeAlign::saBottom, 0, 8);
    TSeSkinObject* center = Child(root.get(), "Center", TSeAlign::saCenter, 11, 7);
    TSeSkinObject* corner = Child(root.get(), "Corner", TSeAlign::saTopRightAngle, 6, 6);
    root->SetBounds({10, 10, 110, 90});
    EXPECT_EQ(top->BoundsRect(), (TRect{10, 10, 110, 30}));
    EXPECT_EQ(mostLeft->BoundsRect(), (TRect{10, 30, 15, 90}));
    EXPECT_EQ(bottom->BoundsRect(), (TRect{15, 82, 110, 90}));
    EXPECT_EQ(left->BoundsRect(), (TRect{15, 30, 25, 82}));
    EXPECT_EQ(client->BoundsRect(), (TRect{25, 30, 110, 82}));
    EXPECT_EQ(center->BoundsRect(), (TRect{62, 52, 73, 59}));
    // Placed in the object's own coordinates.
    EXPECT_EQ(corner->BoundsRect(), (TRect{94, 0, 100, 6}));

    // Hidden children leave their room to the others.
    top->SetVisible(false);
    root->SetBounds({0, 0, 100, 80});
    EXPECT_EQ(client->BoundsRect(), (TRect{15, 0, 100, 72}));
}

TEST(SkinObjectsTest, CornerChildrenFollowTheirCornerWhenTheObjectMoves)
{
    TOwned<TSeSkinObject> root(new TSeSkinObject(nullptr));
    TSeSkinObject* topLeft = Child(root.get(), "TL", TSeAlign::saTopLeft, 0, 0);
    TSeSkinObject* topRight = Child(root.get(), "TR", TSeAlign::saTopRight, 0, 0);
    TSeSkinObject* bottomLeft = Child(root.get(), "BL", TSeAlign::saBottomLeft, 0, 0);
    root->SetBounds({0, 0, 50, 40});
    topLeft->SetBounds({2, 3, 6, 7});
    topRight->SetBounds({40, 2, 48, 6});
    bottomLeft->SetBounds({1, 30, 5, 38});
    root->SetBounds({10, 5, 80, 65});
    EXPECT_EQ(topLeft->BoundsRect(), (TRect{12, 8, 16, 12}));
    EXPECT_EQ(topRight->BoundsRect(), (TRect{70, 7, 78, 11}));
    EXPECT_EQ(bottomLeft->BoundsRect(), (TRect{1, 50, 5, 58}));
}

TEST(SkinObjectsTest, WindowStatesHideTheCaptionButtonsThatDoNotApply)
{
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    TSeSkinObject* form = skin->FindObject(QStringLiteral("Form"));
    const auto visible = [&](const char* name) { return form->FindObject(QLatin1String(name))->Visible(); };
    form->SetState(SkinState::Normal);
    EXPECT_TRUE(visible("Maximize"));
    EXPECT_FALSE(visible("Restore"));
    EXPECT_FALSE(visible("RollDown"));
    form->SetState(SkinState::Minimized);
    for (const char* hidden : {"Minimize", "Maximize", "RollUp", "RollDown"})
        EXPECT_FALSE(visible(hidden)) << hidden;
    EXPECT_TRUE(visible("Close"));
    // The state reaches every object of the tree.
    EXPECT_EQ(form->FindObject(QStringLiteral("Title"))->State(), SkinState::Minimized);

    // The buttons shown decide as well: Restore answers to the maximized window's bit 6.
    form->SetState(SkinState::Normal);
    form->SetState(SkinState::Maximized);
    form->SetButtons((1 << 1) | (1 << 6));
    EXPECT_TRUE(visible("Close"));
    EXPECT_TRUE(visible("Restore"));
    EXPECT_FALSE(visible("Minimize"));
    EXPECT_FALSE(visible("Maximize"));
}

TEST(SkinObjectsTest, HitTestFindsTheDeepestVisibleObjectButNeverATransparentOne)
{
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    TSeSkinObject* form = skin->FindObject(QStringLiteral("Form"));
    form->SetState(SkinState::Normal);
    form->SetButtons(0xFFFF);
    form->SetBounds({0, 0, 300, 200});
    const TSeSkinObject* close = form->FindObject(QStringLiteral("Close"));
    EXPECT_EQ(form->HitTest({close->Left() + 2, close->Top() + 2}), close);
    EXPECT_EQ(form->HitTest({150, 10})->Name(), QStringLiteral("Title"));
    EXPECT_EQ(form->HitTest({1, 100})->Name(), QStringLiteral("Left"));
    EXPECT_EQ(form->HitTest({300, 10}), nullptr);
    form->FindObject(QStringLiteral("Title"))->SetKind(TSeKind::skTranparent);
    EXPECT_EQ(form->HitTest({150, 10})->Name(), QStringLiteral("Caption"));
}

// A 12 × 12 picture: a 3-pixel frame in four colours around a two-colour checker, for margins and tiling.
struct TNinePartFixture {
    TNinePartFixture()
    {
        auto art = std::make_unique<TteBitmap>();
        art->SetName(QStringLiteral("Art"));
        art->SetSize(12, 12);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                TteColor c = ((x / 2 + y / 2) % 2) ? 0xFF3070C0 : 0xFFE0E8F0;
                if (y < 3)
                    c = 0xFFC03030;
                else if (y >= 9)
                    c = 0xFF30A040;
                else if (x < 3)
                    c = 0xFFD0A020;
                else if (x >= 9)
                    c = 0xFF8040B0;
                art->SetPixel(x, y, c);
            }
        art->SetPixel(0, 0, TransparentKey);
        bitmaps.Add(std::move(art));
    }
    TOwned<TSeBitmapObject> Object(TscTileStyle center, TscTileStyle border, int margin)
    {
        TOwned<TSeBitmapObject> object(new TSeBitmapObject(nullptr));
        object->Bitmap().SetName(QStringLiteral("Art"));
        object->Bitmap().SetRect({0, 0, 12, 12});
        object->SetTileStyle(center);
        object->SetBorderTileStyle(border);
        object->SetMarginLeft(margin);
        object->SetMarginTop(margin);
        object->SetMarginRight(margin);
        object->SetMarginBottom(margin);
        object->BindBitmaps(&bitmaps);
        return object;
    }
    TteBitmapList bitmaps;
};

TEST(SkinObjectsTest, BitmapObjectsLayTheirPictureInNinePartsAtTwoSizes)
{
    TNinePartFixture art;
    const struct {
        TscTileStyle Center, Border;
        int Margin;
    } looks[] = {
        {TscTileStyle::tsStretch, TscTileStyle::tsStretch, 3},
        {TscTileStyle::tsTile, TscTileStyle::tsTile, 3},
        {TscTileStyle::tsStretch, TscTileStyle::tsTile, 0},
        {TscTileStyle::tsTile, TscTileStyle::tsTile, 0},
        {TscTileStyle::tsCenter, TscTileStyle::tsTile, 0},
    };
    TteBitmap sheet;
    sheet.SetSize(5 * 44, 2 * 34);
    sheet.Fill(0xFF000000);
    for (int i = 0; i < 5; ++i) {
        TOwned<TSeBitmapObject> object = art.Object(looks[i].Center, looks[i].Border, looks[i].Margin);
        object->SetBounds({i * 44 + 2, 2, i * 44 + 2 + 20, 2 + 17});
        object->Paint(sheet.Canvas(), {});
        object->SetBounds({i * 44 + 2, 36, i * 44 + 2 + 41, 36 + 30});
        object->Paint(sheet.Canvas(), {});
    }
    EXPECT_TRUE(MatchesGolden(sheet.ToImage(), QStringLiteral("themes/golden/skin_nine_parts.png")));
}

TEST(SkinObjectsTest, AFrameOfAlignedChildrenAtTwoSizes)
{
    // A nine-part picture that also draws itself under its children, which take its edges and its
    // middle by their alignment.
    TNinePartFixture art;
    TOwned<TSeBitmapObject> frame = art.Object(TscTileStyle::tsTile, TscTileStyle::tsStretch, 3);
    frame->SetDrawIfOwner(true);
    const struct {
        const char* Name;
        TSeAlign Align;
        int Width, Height;
        TColor Color;
    } parts[] = {
        {"Left", TSeAlign::saLeft, 3, 0, 0x000000C0},      {"Caption", TSeAlign::saMostTop, 0, 6, 0x00404040},
        {"Right", TSeAlign::saRight, 2, 0, 0x0000C000},    {"Bottom", TSeAlign::saBottom, 0, 4, 0x00C00000},
        {"Middle", TSeAlign::saCenter, 6, 4, 0x00C000C0},
    };
    for (const auto& part : parts)
        Child(frame.get(), part.Name, part.Align, part.Width, part.Height)->SetColor(part.Color);
    TteBitmap sheet;
    sheet.SetSize(100, 46);
    sheet.Fill(0xFF000000);
    for (const TRect& bounds : {TRect{2, 2, 32, 26}, TRect{36, 2, 98, 44}}) {
        frame->SetBounds(bounds);
        frame->Paint(sheet.Canvas(), {});
    }
    EXPECT_TRUE(MatchesGolden(sheet.ToImage(), QStringLiteral("themes/golden/skin_aligned_frame.png")));
}

TEST(SkinObjectsTest, AMaskedBitmapObjectShapesTheWindowByItsKeyPixels)
{
    TNinePartFixture art;
    TOwned<TSeBitmapObject> object = art.Object(TscTileStyle::tsStretch, TscTileStyle::tsStretch, 3);
    object->SetBounds({5, 5, 35, 25});
    const std::optional<QRegion> region = object->GetRegion();
    ASSERT_TRUE(region);
    EXPECT_FALSE(region->contains(QPoint(5, 5)));
    EXPECT_TRUE(region->contains(QPoint(6, 5)));
    EXPECT_TRUE(region->contains(QPoint(34, 24)));
    EXPECT_EQ(region->boundingRect(), QRect(5, 5, 30, 20));
    object->SetMasked(false);
    EXPECT_EQ(*object->GetRegion(), QRegion(5, 5, 30, 20));
    object->SetKind(TSeKind::skNoMask);
    EXPECT_FALSE(object->GetRegion());
}

TEST(SkinObjectsTest, TintShiftsColoursAndFontsOfTheWholeTreeButNotTheNoColourValue)
{
    TOwned<TSeActiveObject> root(new TSeActiveObject(nullptr));
    root->SetColor(0x000000FF);
    root->SetActiveColor(0x0000FF00);
    TSeSkinObject* child = Child(root.get(), "Child", TSeAlign::saNone, 0, 0);
    child->SetColor(kSkinNoColor);
    child->Font().SetColor(0x00FF0000);
    root->TintHue(120);
    EXPECT_NE(root->Color(), 0x000000FFu);
    EXPECT_NE(root->ActiveColor(), 0x0000FF00u);
    EXPECT_EQ(child->Color(), kSkinNoColor);
    EXPECT_NE(child->Font().Color(), 0x00FF0000u);
}

}  // namespace

// A menu's text leaves the canvas with a clear brush; the next object with a colour (the menu bar's
// frame) still fills its area.
TEST(SkinObjectsTest, AColouredObjectFillsItsAreaWhateverBrushTheCanvasWasLeftWith)
{
    TteBitmap sheet;
    sheet.SetSize(20, 10);
    sheet.Fill(0xFF000000);
    sheet.Canvas().Brush()->SetStyle(TBrushStyle::bsClear);
    TOwned<TSeSkinObject> frame = MakeOwned<TSeSkinObject>(nullptr);
    frame->SetColor(0x00ECE4DD);
    frame->SetBounds({0, 0, 20, 10});
    frame->Paint(sheet.Canvas(), {});
    EXPECT_EQ(sheet.ToImage().pixel(10, 5) & 0xFFFFFF, 0xDDE4ECu);
}
