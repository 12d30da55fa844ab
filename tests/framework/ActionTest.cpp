// Actions: executing and updating through their handlers, the links of the controls that show
// them, and the action list's pictures.
#include <gtest/gtest.h>

#include "framework/Action.h"

TEST(Action, ExecuteRunsTheHandlerOnlyWhileEnabledAfterAnUpdate)
{
    TActionList list(nullptr);
    auto* action = new TAction(&list);
    int runs = 0;
    bool allow = true;
    EXPECT_FALSE(action->Execute());
    action->OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, action);
        ++runs;
    };
    action->OnUpdate = [&](TObject*) { action->SetEnabled(allow); };
    EXPECT_TRUE(action->Execute());
    allow = false;
    EXPECT_FALSE(action->Execute());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(list.ActionCount(), 1);
    EXPECT_EQ(list.Actions(0), action);
    EXPECT_EQ(action->ActionList(), &list);
}

TEST(Action, LinksAreToldOfEveryRealChange)
{
    TAction action(nullptr);
    int changes = 0;
    TChangeLink<TAction> link([&] { ++changes; });
    link.Set(&action);
    const struct {
        const char* Name;
        std::function<void()> Change;
    } cases[] = {
        {"caption", [&] { action.SetCaption("&Rip"); }},  {"checked", [&] { action.SetChecked(true); }},
        {"enabled", [&] { action.SetEnabled(false); }},   {"visible", [&] { action.SetVisible(false); }},
        {"image", [&] { action.SetImageIndex(2); }},      {"shortcut", [&] { action.SetShortCut(0x4052); }},
        {"hint", [&] { action.SetHint("Rips"); }},        {"help", [&] { action.SetHelpContext(7); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const int before = changes;
        c.Change();
        EXPECT_EQ(changes, before + 1);
        c.Change();
        EXPECT_EQ(changes, before + 1) << "an unchanged value tells nobody";
    }
}

TEST(Action, TheListsPicturesReachItsActionsLinks)
{
    TActionList list(nullptr);
    auto* action = new TAction(&list);
    int changes = 0;
    TChangeLink<TAction> link([&] { ++changes; });
    link.Set(action);
    {
        TImageList images(nullptr);
        list.SetImages(&images);
        EXPECT_EQ(action->Images(), &images);
        EXPECT_EQ(changes, 1);
        images.AddMasked(QImage(16, 16, QImage::Format_ARGB32), RGB(0, 0, 0));
        EXPECT_EQ(changes, 2);
    }
    // Freed: the list lets go of it and the actions' controls hear of it.
    EXPECT_EQ(list.Images(), nullptr);
    EXPECT_EQ(changes, 3);
}

TEST(Action, AClickRunsTheControlsOwnHandlerUnlessItIsTheActions)
{
    TAction action(nullptr);
    action.OnExecute = TNotifyEvent(QStringLiteral("RipExecute"), [](TObject*) {});
    EXPECT_FALSE(RunsOwnClick(TNotifyEvent(), &action));
    EXPECT_TRUE(RunsOwnClick([](TObject*) {}, &action));
    EXPECT_TRUE(RunsOwnClick(TNotifyEvent(QStringLiteral("OtherClick"), [](TObject*) {}), &action));
    EXPECT_FALSE(RunsOwnClick(TNotifyEvent(QStringLiteral("RipExecute"), [](TObject*) {}), &action));
    EXPECT_TRUE(RunsOwnClick([](TObject*) {}, nullptr));
}
