// The frame's window states as the user drives them: caption buttons, the platform's restore, the
// tray icon's double click; where a restore returns, the bounds kept and given back, events and the
// tray query that refuse, a state stored in the window's description, the application's minimize.
#include <QTest>
#include <optional>
#include <gtest/gtest.h>

#include "controls/core/TeHook.h"
#include "controls/frame/WindowStates.h"
#include "controls/window/ControlComponents.h"
#include "framework/Application.h"
#include "framework/ComponentStream.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "tests/controls/FrameFixtures.h"
#include "tests/support/PlatformFakes.h"

namespace {

using TState = TTeWindowState;

// A framed window with every caption button, whose tray icon is a recording one.
struct TStatesWindow {
    TRecordingTrayFactory trays;
    TFramedForm framed;
    TTeForm& frame{*framed.frame};
    const TRect normal{framed.form.BoundsRect()};
    // The frame's top and bottom together: the height of a rolled-up window.
    const int frameHeight{framed.form.Height() - framed.form.ClientHeight()};

    explicit TStatesWindow(TTeBorderIcons icons = kDefaultBorderIcons) : framed(240, 120, nullptr, icons) {}
    ~TStatesWindow()
    {
        if (Application->Minimized())
            Application->Restore();
    }

    TRecordingTrayIcon& Tray() { return *trays.icons.last(); }
    bool TrayShown() const { return !trays.icons.isEmpty() && trays.icons.last()->visible; }
    QWidget* Window() const { return framed.Window(); }
    void Click(TTeBorderIcon icon) { QTest::mouseClick(Window(), Qt::LeftButton, {}, framed.Centre(icon)); }
    TRect Rolled(const TRect& from) const { return Rect(from.Left, from.Top, from.Right, from.Top + frameHeight); }
};

enum class TOp { kMaximize, kMinimize, kRollup, kTray, kPlatformRestore, kTrayDoubleClick };

void Perform(TStatesWindow& window, TOp op)
{
    switch (op) {
    case TOp::kMaximize:
        window.Click(TTeBorderIcon::kbiMaximize);
        break;
    case TOp::kMinimize:
        window.Click(TTeBorderIcon::kbiMinimize);
        break;
    case TOp::kRollup:
        window.Click(TTeBorderIcon::kbiRollup);
        break;
    case TOp::kTray:
        window.Click(TTeBorderIcon::kbiTray);
        break;
    case TOp::kPlatformRestore:
        // The task bar brings the window back.
        window.Window()->showNormal();
        break;
    case TOp::kTrayDoubleClick:
        window.Tray().OnDblClick(&window.Tray());
        break;
    }
}

enum class TBounds { kNormal, kMaximized, kRolledNormal, kRolledMaximized, kAway };

// Keeps the window out of the notification area by answering the query.
class TTrayRefuser : public TTeHook {
public:
    explicit TTrayRefuser(TComponent* owner) : TTeHook(owner) {}
    int Queries = 0;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg != kQueryTray)
            return TTeHook::Dispatch(message);
        ++Queries;
        message.Result = 1;
        MarkHandled();
    }
};

}  // namespace

TEST(WindowStates, EachOperationFromEachStateEndsWhereItShould)
{
    using enum TOp;
    const struct {
        const char* name;
        std::vector<TOp> ops;
        TState state;
        TBounds bounds;
    } cases[] = {
        {"maximize", {kMaximize}, TState::kwsMaximized, TBounds::kMaximized},
        {"maximize twice", {kMaximize, kMaximize}, TState::kwsNormal, TBounds::kNormal},
        {"roll up", {kRollup}, TState::kwsRollup, TBounds::kRolledNormal},
        {"roll up twice", {kRollup, kRollup}, TState::kwsNormal, TBounds::kNormal},
        {"roll up the maximized", {kMaximize, kRollup}, TState::kwsRollup, TBounds::kRolledMaximized},
        {"... and roll down", {kMaximize, kRollup, kRollup}, TState::kwsMaximized, TBounds::kMaximized},
        {"... and restore", {kMaximize, kRollup, kRollup, kMaximize}, TState::kwsNormal, TBounds::kNormal},
        {"maximize the rolled-up", {kRollup, kMaximize}, TState::kwsMaximized, TBounds::kMaximized},
        {"... and restore it rolled up", {kRollup, kMaximize, kMaximize}, TState::kwsRollup, TBounds::kRolledNormal},
        {"minimize", {kMinimize}, TState::kwsMinimized, TBounds::kAway},
        {"minimize and restore", {kMinimize, kPlatformRestore}, TState::kwsNormal, TBounds::kNormal},
        {"maximized, minimized, restored", {kMaximize, kMinimize, kPlatformRestore}, TState::kwsMaximized,
         TBounds::kMaximized},
        {"rolled up, minimized, restored", {kRollup, kMinimize, kPlatformRestore}, TState::kwsRollup,
         TBounds::kRolledNormal},
        {"to the tray", {kTray}, TState::kwsTray, TBounds::kAway},
        {"tray and back", {kTray, kTrayDoubleClick}, TState::kwsNormal, TBounds::kNormal},
        {"maximized, tray, back", {kMaximize, kTray, kTrayDoubleClick}, TState::kwsMaximized, TBounds::kMaximized},
        {"... and restore", {kMaximize, kTray, kTrayDoubleClick, kMaximize}, TState::kwsNormal, TBounds::kNormal},
        {"rolled up, tray, back", {kRollup, kTray, kTrayDoubleClick}, TState::kwsRollup, TBounds::kRolledNormal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStatesWindow window;
        const TRect maximized = window.frame.GetMaximizedRect();
        for (TOp op : c.ops)
            Perform(window, op);
        EXPECT_EQ(window.frame.WindowState(), c.state);
        EXPECT_EQ(window.Window()->isMinimized(), c.state == TState::kwsMinimized);
        EXPECT_EQ(window.Window()->isVisible(), c.state != TState::kwsTray);
        EXPECT_EQ(window.TrayShown(), c.state == TState::kwsTray);
        EXPECT_EQ(window.frame.HotPart(), TteFormHit::kfhNone);
        const TRect bounds = window.framed.form.BoundsRect();
        switch (c.bounds) {
        case TBounds::kNormal:
            EXPECT_EQ(bounds, window.normal);
            break;
        case TBounds::kMaximized:
            EXPECT_EQ(bounds, maximized);
            break;
        case TBounds::kRolledNormal:
            EXPECT_EQ(bounds, window.Rolled(window.normal));
            break;
        case TBounds::kRolledMaximized:
            EXPECT_EQ(bounds, window.Rolled(maximized));
            break;
        case TBounds::kAway:
            break;
        }
    }
}

TEST(WindowStates, RollingDownKeepsTheWindowWhereItWasMovedWithItsFormerHeight)
{
    TStatesWindow window;
    window.Click(TTeBorderIcon::kbiRollup);
    window.framed.form.SetBounds(150, 170, window.normal.Width(), window.frameHeight);
    window.Click(TTeBorderIcon::kbiRollup);
    EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
    EXPECT_EQ(window.framed.form.BoundsRect(), Rect(150, 170, 150 + window.normal.Width(), 170 + window.normal.Height()));
}

TEST(WindowStates, ARefusingEventOrTrayQueryChangesNothing)
{
    const struct {
        const char* name;
        TTeFormActionEvent TTeDefaultForm::*event;
        TTeBorderIcon button;
    } cases[] = {
        {"maximize", &TTeDefaultForm::OnMaximize, TTeBorderIcon::kbiMaximize},
        {"minimize", &TTeDefaultForm::OnMinimize, TTeBorderIcon::kbiMinimize},
        {"roll up", &TTeDefaultForm::OnRollup, TTeBorderIcon::kbiRollup},
        {"tray", &TTeDefaultForm::OnMinToTray, TTeBorderIcon::kbiTray},
        {"tray query", nullptr, TTeBorderIcon::kbiTray},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStatesWindow window;
        int asked = 0;
        TTrayRefuser* refuser = nullptr;
        if (c.event != nullptr) {
            window.frame.*c.event = [&](TObject*, bool& callDefault) {
                ++asked;
                callDefault = false;
            };
        } else {
            window.frame.OnMinToTray = [&](TObject*, bool&) { ++asked; };
            refuser = new TTrayRefuser(&window.framed.form);
            refuser->SetControl(&window.framed.form);
        }
        window.Click(c.button);
        EXPECT_EQ(asked, c.event != nullptr ? 1 : 0);
        if (refuser != nullptr) {
            EXPECT_EQ(refuser->Queries, 1);
        }
        EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
        EXPECT_EQ(window.framed.form.BoundsRect(), window.normal);
        EXPECT_TRUE(window.Window()->isVisible());
        EXPECT_FALSE(window.Window()->isMinimized());
        EXPECT_FALSE(window.TrayShown());
    }
}

TEST(WindowStates, TheTrayTipKeepsSixtyThreeCharacters)
{
    for (const int length : {63, 64, 100}) {
        SCOPED_TRACE(length);
        TStatesWindow window;
        window.frame.SetMinimizeApplication(false);
        const QString caption(length, QLatin1Char('c'));
        window.framed.form.SetCaption(caption);
        window.Click(TTeBorderIcon::kbiTray);
        EXPECT_EQ(window.Tray().tip, caption.left(63));
    }
}

TEST(WindowStates, TheApplicationHidesInTheTrayWithItsTitleAndComesBackWhole)
{
    TStatesWindow window;
    TShownForm other;
    const QString title = Application->Title();
    Application->SetTitle(QStringLiteral("Trackwell"));
    window.Click(TTeBorderIcon::kbiTray);
    Application->SetTitle(title);
    EXPECT_EQ(window.Tray().tip, QStringLiteral("Trackwell"));
    EXPECT_FALSE(other.form.Visible());
    EXPECT_FALSE(window.framed.form.Visible());

    window.Tray().OnDblClick(&window.Tray());
    EXPECT_TRUE(other.form.Visible());
    EXPECT_TRUE(window.framed.form.Visible());
    EXPECT_FALSE(window.Tray().visible);
}

TEST(WindowStates, WithoutANotificationAreaTheTrayButtonMinimizes)
{
    TStatesWindow window;
    window.trays.available = false;
    window.Click(TTeBorderIcon::kbiTray);
    EXPECT_EQ(window.frame.WindowState(), TState::kwsMinimized);
    EXPECT_TRUE(window.Window()->isMinimized());
    EXPECT_FALSE(window.TrayShown());
    window.Window()->showNormal();
    EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
    EXPECT_EQ(window.framed.form.BoundsRect(), window.normal);
}

TEST(WindowStates, TheApplicationsMinimizeAndRestoreReachTheFramedWindowsInAnyOrderOfGoing)
{
    int programMinimizes = 0;
    Application->OnMinimize = [&](TObject*) { ++programMinimizes; };
    const auto activate = [](TStatesWindow& window) {
        window.Window()->activateWindow();
        return QTest::qWaitForWindowActive(window.Window());
    };
    std::optional<TStatesWindow> first(std::in_place);
    ASSERT_TRUE(activate(*first));
    std::optional<TStatesWindow> second(std::in_place);
    ASSERT_TRUE(activate(*second));
    // The window chained first goes first: the one chained after it still hears the application.
    first.reset();
    Application->Minimize();
    EXPECT_EQ(second->frame.WindowState(), TState::kwsMinimized);
    EXPECT_EQ(programMinimizes, 1);
    Application->Restore();
    EXPECT_EQ(second->frame.WindowState(), TState::kwsNormal);
    EXPECT_EQ(second->framed.form.BoundsRect(), second->normal);

    second.reset();
    Application->OnMinimize(Application);
    EXPECT_EQ(programMinimizes, 2);
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
}

TEST(WindowStates, AStoredStateIsAppliedAfterTheFirstShow)
{
    RegisterControlComponents();
    const struct {
        const char* stored;
        TState state;
    } cases[] = {
        {"kwsMaximized", TState::kwsMaximized},
        {"kwsMinimized", TState::kwsMinimized},
        {"kwsRollup", TState::kwsRollup},
        {"kwsTray", TState::kwsTray},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TRecordingTrayFactory trays;
        TOwned<TForm> form = MakeOwned<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        auto* frame = new TTeForm(form.get());
        StringToComponent(QStringLiteral("object TeForm1: TTeForm\n  WindowState = %1\nend\n")
                              .arg(QString::fromLatin1(c.stored)),
                          frame);
        EXPECT_EQ(frame->WindowState(), TState::kwsNormal);
        EXPECT_EQ(frame->States().Pending(), c.state);
        const TRect normal = frame->States().NormalBounds().value_or(form->BoundsRect());
        form->Show();
        ProcessPending();
        EXPECT_EQ(frame->WindowState(), c.state);
        EXPECT_EQ(frame->States().Pending(), TState::kwsNormal);
        if (c.state == TState::kwsTray)
            trays.icons.last()->OnDblClick(trays.icons.last());
        else
            SendMessage(form->Handle(), WM_SYSCOMMAND, SC_RESTORE);
        EXPECT_EQ(frame->WindowState(), TState::kwsNormal);
        EXPECT_EQ(form->BoundsRect(), normal);
        EXPECT_TRUE(form->Visible());
        if (Application->Minimized())
            Application->Restore();
    }
}

// The desktop ends the session: the application quits, and a window in the tray takes its icon
// away without coming back on the screen while the desktop closes; a rolled-up window stays so.
TEST(WindowStates, TheSessionsEndTakesTheTrayIconAwayAndLeavesTheWindowsAsTheyAre)
{
    TStatesWindow rolled;
    // Made last, its recording tray is the one in use.
    TStatesWindow inTray;
    // Only this window hides, not the application's others.
    inTray.frame.SetMinimizeApplication(false);
    inTray.Click(TTeBorderIcon::kbiTray);
    rolled.Click(TTeBorderIcon::kbiRollup);
    ASSERT_TRUE(inTray.TrayShown());
    const TRect rolledBounds = rolled.framed.form.BoundsRect();
    // What the application announces when the session manager ends it.
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
    EXPECT_FALSE(inTray.TrayShown());
    EXPECT_FALSE(inTray.Window()->isVisible());
    EXPECT_EQ(inTray.frame.WindowState(), TState::kwsTray);
    EXPECT_TRUE(rolled.Window()->isVisible());
    EXPECT_EQ(rolled.frame.WindowState(), TState::kwsRollup);
    EXPECT_EQ(rolled.framed.form.BoundsRect(), rolledBounds);
}
