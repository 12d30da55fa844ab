// How a themed control finds its theme, takes its bounds from it and follows its notifications.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "controls/core/ThemeSelection.h"
#include "framework/Messaging.h"
#include "tests/controls/ControlFixtures.h"
#include "theme/ThemeManager.h"

namespace {

// Leaves no current theme behind, whatever a test does.
struct TNoThemeAfter {
    ~TNoThemeAfter() { ClearCurrentTheme(); }
};

}  // namespace

TEST(ControlTheme, TheThemedQueryFallsBackAsTheLinkAndTheCurrentThemeAllow)
{
    TNoThemeAfter cleanup;
    const QString knownObject = QStringLiteral("Known");
    const struct {
        const char* name;
        bool link;                    // the control has a link
        bool linkSupplies;            // and the link supplies a theme
        QSet<QString> linkThemed;     // what the link's theme draws
        bool current;                 // there is a current theme
        QSet<QString> currentThemed;  // what it draws
        const char* object;
        bool expected;
    } cases[] = {
        {"current theme draws the object", false, false, {}, true, {"Known"}, "Known", true},
        {"current theme draws only the default object", false, false, {}, true, {"default"}, "Other", true},
        {"current theme draws neither", false, false, {}, true, {"Known"}, "Other", false},
        {"no theme at all", false, false, {}, false, {}, "Known", false},
        {"link without a theme falls back to the current theme", true, false, {}, true, {"default"}, "Other", true},
        {"link theme draws the object", true, true, {"Known"}, true, {}, "Known", true},
        {"link theme does not: no second try", true, true, {"default"}, true, {"Other"}, "Other", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.current)
            SetCurrentTheme(new TListedTheme(c.currentThemed));
        else
            ClearCurrentTheme();
        TListedTheme linkTheme(c.linkThemed);
        TFixedLink link(c.linkSupplies ? &linkTheme : nullptr);
        TSampleControl control;
        control.SetThemeObject(QString::fromLatin1(c.object));
        if (c.link)
            control.SetThemeLink(&link);
        EXPECT_EQ(IsButtonThemed(0, control.ThemeObject(), control.ThemeLink()), c.expected);
        EXPECT_EQ(control.Theme(), c.linkSupplies ? &linkTheme : CurrentTheme());
    }
}

TEST(ControlTheme, BoundsFromTheThemeKeepTheEdgesGivenAsMinusOne)
{
    TNoThemeAfter cleanup;
    const struct {
        const char* name;
        TRect prescribed;
        TRect expected;
    } cases[] = {
        {"all four edges", Rect(1, 2, 31, 12), Rect(1, 2, 31, 12)},
        {"left kept", Rect(-1, 2, 60, 12), Rect(10, 2, 60, 12)},
        {"right edge kept", Rect(5, 2, -1, 12), Rect(5, 2, 40, 12)},
        {"top and bottom kept", Rect(5, -1, 60, -1), Rect(5, 20, 60, 50)},
        {"every edge kept", Rect(-1, -1, -1, -1), Rect(10, 20, 40, 50)},
        {"an empty rectangle leaves the bounds", Rect(0, 0, 0, 0), Rect(10, 20, 40, 50)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetCurrentTheme(new TListedTheme({}, {{QStringLiteral("Placed"), c.prescribed}}));
        TSampleControl control;
        control.SetBounds(10, 20, 30, 30);
        control.SetThemeObject(QStringLiteral("Placed"));
        EXPECT_EQ(control.BoundsRect(), c.expected);

        TSampleGraphic graphic;
        graphic.SetBounds(10, 20, 30, 30);
        graphic.SetThemeObject(QStringLiteral("Placed"));
        EXPECT_EQ(graphic.BoundsRect(), c.expected);
    }
}

TEST(ControlTheme, EachNotificationIsAnsweredByItsReason)
{
    TNoThemeAfter cleanup;
    TShownForm shown;
    TFixedLink ownLink;
    TFixedLink otherLink;
    TSampleControl control;
    control.SetParent(&shown.form);
    control.SetThemeObject(QStringLiteral("Placed"));
    control.SetThemeLink(&ownLink);
    SetCurrentTheme(new TListedTheme({}, {{QStringLiteral("Placed"), Rect(-1, -1, 70, -1)}}));
    const auto self = [](TteCustomThemeLink* link) { return reinterpret_cast<std::intptr_t>(link); };
    const struct {
        const char* name;
        std::uint32_t msg;
        std::intptr_t wParam;
        std::intptr_t lParam;
        bool repaints;
        bool takesBounds;
    } cases[] = {
        {"theme replaced", TE_THEMECHANGE, 0, 0, true, true},
        {"theme about to change", TE_THEMECHANGE, 1, 0, false, false},
        {"theme change finished", TE_THEMECHANGE, 2, 0, false, false},
        {"theme assigned", TE_THEMECHANGE, 3, 0, true, true},
        {"theme removed", TE_THEMECHANGE, 4, 0, true, false},
        {"colours changed", TE_THEMECHANGE, 5, 0, true, false},
        {"own link changed", TE_THEMELINKCHANGE, self(&ownLink), self(&ownLink), true, true},
        {"another link changed", TE_THEMELINKCHANGE, self(&otherLink), self(&otherLink), true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        control.SetBounds(10, 10, 20, 20);
        FlushPaints();
        const int paints = control.Paints;
        Perform(&control, c.msg, c.wParam, c.lParam);
        FlushPaints();
        EXPECT_EQ(control.Paints > paints, c.repaints);
        EXPECT_EQ(control.Width() == 60, c.takesBounds);
    }
}

TEST(ControlTheme, ALinkThatGoesAwayIsForgotten)
{
    TSampleControl control;
    auto* link = new TFixedLink();
    control.SetThemeLink(link);
    delete link;
    EXPECT_EQ(control.ThemeLink(), nullptr);
}

TEST(ControlTheme, AControlIsRegisteredForNotificationsWhileItLives)
{
    auto* control = new TSampleControl();
    auto* graphic = new TSampleGraphic();
    EXPECT_TRUE(ThemeManager().IsTarget(control));
    EXPECT_TRUE(ThemeManager().IsTarget(graphic));
    delete control;
    delete graphic;
    EXPECT_FALSE(ThemeManager().IsTarget(control));
    EXPECT_FALSE(ThemeManager().IsTarget(graphic));
    // A broadcast after they went reaches nobody that is gone.
    SetCurrentTheme(new TListedTheme());
    ClearCurrentTheme();
}

TEST(ControlTheme, ColourChangesReachOnlyControlsOnTheScreen)
{
    TNoThemeAfter cleanup;
    struct TRecording : TSampleControl {
        QList<std::intptr_t> Reasons;
        void Dispatch(TMessage& message) override
        {
            if (message.Msg == TE_THEMECHANGE)
                Reasons << message.WParam;
            TSampleControl::Dispatch(message);
        }
    };
    TShownForm shown;
    TRecording onScreen;
    onScreen.SetParent(&shown.form);
    TRecording hidden;
    hidden.SetParent(&shown.form);
    hidden.SetVisible(false);
    TRecording parentless;
    SetCurrentTheme(new TListedTheme());
    for (TRecording* control : {&onScreen, &hidden, &parentless})
        control->Reasons.clear();

    SetThemeDeltaHue(10);
    EXPECT_EQ(onScreen.Reasons, QList<std::intptr_t>({5}));
    EXPECT_TRUE(hidden.Reasons.isEmpty());
    EXPECT_TRUE(parentless.Reasons.isEmpty());
}
