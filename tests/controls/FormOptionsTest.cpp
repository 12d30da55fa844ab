// The frame's option objects: their limits, what an assignment copies, and the stored properties
// of the frame (defaults are not stored).
#include <gtest/gtest.h>

#include "controls/frame/TeForm.h"
#include "controls/window/FormProperties.h"
#include "framework/ComponentStream.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/PropInfo.h"

TEST(FormOptions, SettersKeepValuesInTheirRanges)
{
    TTeGravitation gravitation;
    gravitation.SetSize(0);
    EXPECT_EQ(gravitation.Size(), 1);
    gravitation.SetSize(99);
    EXPECT_EQ(gravitation.Size(), 50);

    TTeBlending blending;
    blending.SetValue(-5);
    EXPECT_EQ(blending.Value(), 0);
    blending.SetValue(300);
    EXPECT_EQ(blending.Value(), 255);

    TTeShadow shadow;
    shadow.SetEnabled(true);
    shadow.SetSize(30);
    EXPECT_EQ(shadow.Size(), 20);
    EXPECT_TRUE(shadow.Shows());
    shadow.SetSize(0);
    EXPECT_FALSE(shadow.Enabled());
    EXPECT_FALSE(shadow.Shows());

    // The show effect keeps the ranges of the effect record it plays.
    TTeAnimation animation;
    animation.SetResolution(0);
    animation.SetTileCount(25);
    animation.SetTime(10);
    EXPECT_EQ(animation.Resolution(), 1);
    EXPECT_EQ(animation.TileCount(), 20);
    EXPECT_EQ(animation.Time(), 50);
    animation.SetResolution(11);
    animation.SetTime(10000);
    EXPECT_EQ(animation.Resolution(), 10);
    EXPECT_EQ(animation.Time(), 9000);

    TTeDragging dragging;
    dragging.SetDragMode(TTeFormDragMode::kfdmSystemSettings);
    dragging.ResolveSystemSettings();
    EXPECT_EQ(dragging.DragMode(), TTeFormDragMode::kfdmFullDrag);  // the classic desktop drags whole windows
}

TEST(FormOptions, AssignmentCopiesWhatEachClassSays)
{
    TTeGravitation source;
    source.SetEnabled(false);
    source.SetSize(7);
    source.SetSnapToForms(true);
    source.SetSnapToDesktop(false);
    TTeGravitation target;
    target.Assign(&source);
    EXPECT_FALSE(target.Enabled());
    EXPECT_EQ(target.Size(), 7);
    // Only Enabled and Size travel.
    EXPECT_FALSE(target.SnapToForms());
    EXPECT_TRUE(target.SnapToDesktop());

    TTeFormOptions options;
    options.Shadow().SetEnabled(true);
    options.Animation().SetDirection(TTeDirection::kdRotate180);
    TTePopupMenuOptions menu;
    menu.Assign(&options);
    EXPECT_TRUE(menu.Shadow().Enabled());
    EXPECT_EQ(menu.Animation().Rotation(), 2);
    EXPECT_THROW(target.Assign(&options), Exception);
}

TEST(FormOptions, AnimationDirectionsBecomeRotations)
{
    const struct {
        TTeDirection direction;
        int rotation;
    } cases[] = {{TTeDirection::kdNone, 0}, {TTeDirection::kdNoRotate, 0}, {TTeDirection::kdRotate90, 1},
                 {TTeDirection::kdRotate180, 2}, {TTeDirection::kdRotate270, 3}};
    for (const auto& c : cases) {
        TTeAnimation animation;
        animation.SetDirection(c.direction);
        EXPECT_EQ(animation.Rotation(), c.rotation);
        EXPECT_EQ(static_cast<int>(animation.Record().Rotation()), c.rotation);
        EXPECT_EQ(animation.Direction(), c.direction);
    }
}

TEST(FormOptions, TheShowEffectTravelsThroughTheTextFormAsAnObjectOfTheFrame)
{
    RegisterTeFormProperties();
    TOwned<TTeForm> frame = MakeOwned<TTeForm>(nullptr);
    frame->SetName(QStringLiteral("TeForm1"));
    EXPECT_FALSE(ComponentToString(*frame).contains(QStringLiteral("Animation")));
    EXPECT_EQ(frame->Animation().Record().Effect(), TTeAnimation::RandomEffect());

    frame->Animation().SetEnabled(true);
    frame->Animation().SetEffectKind(QStringLiteral("Slide"));
    frame->Animation().SetDirection(TTeDirection::kdRotate270);
    frame->Animation().SetTileCount(3);
    frame->Animation().SetTime(700);
    const QString text = ComponentToString(*frame);
    EXPECT_FALSE(text.contains(QStringLiteral("Animation.Resolution"))) << text.toStdString();
    TOwned<TTeForm> read = MakeOwned<TTeForm>(nullptr);
    StringToComponent(text, read.get());
    const TteAnimationRec& record = read->Animation().Record();
    EXPECT_TRUE(record.Enabled());
    EXPECT_EQ(record.Effect(), QStringLiteral("Slide"));
    EXPECT_EQ(record.Rotation(), TteRotation::krRotate270);
    EXPECT_EQ(record.TileCount(), 3);
    EXPECT_EQ(record.Time(), 700);
    EXPECT_EQ(record.Resolution(), 1);
}

TEST(FormOptions, OnlyChangedFramePropertiesAreStored)
{
    RegisterTeFormProperties();
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    auto* frame = new TTeForm(form.get());
    const auto stored = [&](const char* name) {
        const TPropInfo* info = GetPropInfo(*frame, QString::fromLatin1(name));
        EXPECT_NE(info, nullptr) << name;
        return info != nullptr && info->IsStored(*frame);
    };
    for (const char* name : {"BorderIcons", "BorderStyle", "Performance", "StayOnTop", "ThemeObject", "WindowState",
                             "MinimizeApplication", "Active"})
        EXPECT_FALSE(stored(name)) << name;
    frame->SetBorderIcons({TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                           TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray});
    frame->SetBorderStyle(TTeBorderStyle::kbsDialog);
    frame->SetThemeObject(QStringLiteral("Main"));
    for (const char* name : {"BorderIcons", "BorderStyle", "ThemeObject"})
        EXPECT_TRUE(stored(name)) << name;
    // A dialog frame is not sizeable.
    EXPECT_FALSE(frame->Dragging().Sizeable());
    EXPECT_EQ(std::get<std::int64_t>(GetPropInfo(*frame, "BorderIcons")->Get(*frame)), 0b1100111);
}
