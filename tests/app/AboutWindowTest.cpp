// The about window: built from its stored description, its links and "Update" handed to the shell,
// closed by "OK", Enter or Escape with the result OK, centred over the main window.
#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/AboutWindow.h"
#include "app/WebAddresses.h"
#include "controls/frame/TeForm.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeLabel.h"
#include "controls/window/ControlComponents.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Memo.h"
#include "framework/Panel.h"
#include "framework/Shape.h"
#include "tests/support/PlatformFakes.h"
#include "theme/ThemeLink.h"

namespace {

class AboutWindow : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlComponents();
        about.reset(CreateAboutWindow(nullptr, link.get()));
    }

    template <typename T>
    T& Get(const QString& name, const TComponent* in = nullptr)
    {
        TComponent* found = (in != nullptr ? in : about.get())->FindComponent(name);
        auto* typed = dynamic_cast<T*>(found);
        if (typed == nullptr)
            throw std::runtime_error(("no " + name).toStdString());
        return *typed;
    }

    // Clicks the client area at point, on whatever widget lies there, as the mouse would.
    void ClickAt(QPoint point)
    {
        QWidget* target = about->ClientWidget()->childAt(point);
        ASSERT_NE(target, nullptr);
        const QPoint local = target->mapFrom(about->ClientWidget(), point);
        QTest::mouseMove(target, local);
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
    }

    // The middle of a label where it is while the window is shown (links move clear of wide captions).
    QPoint CentreOf(const char* name)
    {
        const auto& label = Get<TTeLabel>(QString::fromLatin1(name));
        return {label.Left() + label.Width() / 2, label.Top() + label.Height() / 2};
    }

    // Shows the window modally; once it is up, act runs inside its loop. Answers the modal result.
    int ShowAnd(std::function<void()> act)
    {
        QTimer::singleShot(0, [&] {
            act();
            // A window left open by act is closed so that the test ends.
            if (about->Visible() && about->ModalResult() == mrNone)
                about->SetModalResult(mrCancel);
        });
        return ShowAboutWindow(*about);
    }

    TOwned<TTeThemeLink> link = MakeOwned<TTeThemeLink>(nullptr);
    TOwned<TForm> about;
    TRecordingShell shell;
    TRecordingErrorDisplay errors;
};

}  // namespace

TEST_F(AboutWindow, ComesFromItsStoredDescriptionWithEveryComponentInItsPlace)
{
    EXPECT_FALSE(about->Visible());
    EXPECT_EQ(about->Caption(), QStringLiteral("About..."));
    EXPECT_EQ(about->ClientWidth(), 299);
    EXPECT_EQ(about->ClientHeight(), 234);

    auto& panel = Get<TPanel>("Panel1");
    EXPECT_EQ(panel.BoundsRect(), Rect(0, 0, 299, 52));
    EXPECT_EQ(panel.Color(), clWhite);
    EXPECT_EQ(panel.BevelOuter(), TBevelCut::bvLowered);
    EXPECT_EQ(panel.BevelInner(), TBevelCut::bvNone);
    auto& logo = Get<TImage>("Image6", &panel);
    EXPECT_EQ(logo.Parent(), &panel);
    EXPECT_EQ(logo.Width(), 88);
    EXPECT_TRUE(logo.Center());
    EXPECT_TRUE(logo.Transparent());
    EXPECT_FALSE(logo.Picture().isNull());
    auto& name = Get<TTeLabel>("TeLabel16", &panel);
    EXPECT_EQ(name.Parent(), &panel);
    EXPECT_EQ(name.Caption(), QStringLiteral("Trackwell"));
    EXPECT_EQ(Point(name.Left(), name.Top()), Point(97, 7));
    EXPECT_TRUE(name.FontOptions()->Bold());

    const struct {
        const char* name;
        TPoint place;
        QString caption;
        bool bold;
        bool link;
    } labels[] = {
        {"TeLabel9", Point(97, 27), "version 1.0", true, false},
        {"TeLabel12", Point(12, 64), "Home page:", true, false},
        {"TeLabel13", Point(87, 65), "Trackwell home page", false, true},
        {"TeLabel14", Point(12, 85), "Contact us:", true, false},
        {"TeLabel15", Point(87, 85), SupportMailAddress(), false, true},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        auto& label = Get<TTeLabel>(l.name);
        EXPECT_EQ(label.ParentForm(), about.get());
        // A link keeps its stored place unless its caption's font is wider than the stored one.
        if (l.link)
            EXPECT_GE(label.Left(), l.place.X);
        else
            EXPECT_EQ(label.Left(), l.place.X);
        EXPECT_EQ(label.Top(), l.place.Y);
        EXPECT_EQ(label.Caption(), l.caption);
        EXPECT_EQ(label.FontOptions()->Bold(), l.bold);
        EXPECT_EQ(label.FontOptions()->Underline(), l.link);
        EXPECT_EQ(label.Cursor(), l.link ? TCursor::crHandPoint : TCursor::crDefault);
    }
    EXPECT_EQ(Get<TTeLabel>("TeLabel13").OnClick.MethodName(), QStringLiteral("TeLabel13Click"));
    EXPECT_EQ(Get<TTeLabel>("TeLabel15").OnClick.MethodName(), QStringLiteral("TeLabel15Click"));

    auto& line = Get<TShape>("Shape1");
    EXPECT_EQ(line.BoundsRect(), Rect(12, 113, 284, 114));
    EXPECT_EQ(line.Pen()->Color(), clSilver);
    auto& memo = Get<TMemo>("Memo1");
    EXPECT_EQ(memo.BoundsRect(), Rect(12, 123, 281, 193));
    EXPECT_TRUE(memo.ReadOnly());
    EXPECT_EQ(memo.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(memo.Color(), TColor(15002603));
    EXPECT_EQ(memo.Font()->Name(), QStringLiteral("Microsoft Sans Serif"));
    EXPECT_EQ(memo.Lines().size(), 5);

    auto& update = Get<TTeButton>("TeButton2");
    EXPECT_EQ(update.BoundsRect(), Rect(53, 196, 137, 221));
    EXPECT_EQ(update.Caption(), QStringLiteral("Update"));
    EXPECT_EQ(update.OnClick.MethodName(), QStringLiteral("TeButton2Click"));
    auto& ok = Get<TTeButton>("TeButton3");
    EXPECT_EQ(ok.BoundsRect(), Rect(147, 196, 231, 221));
    EXPECT_EQ(ok.Caption(), QStringLiteral("OK"));
    EXPECT_TRUE(ok.Default());
    EXPECT_EQ(ok.ModalResult(), mrOk);

    for (const char* frame : {"TeForm1", "TeForm2"}) {
        SCOPED_TRACE(frame);
        auto& skinner = Get<TTeForm>(frame);
        EXPECT_EQ(skinner.ThemeLink(), link.get());
        EXPECT_EQ(skinner.BorderIcons(), (TTeBorderIcons{TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu,
                                                         TTeBorderIcon::kbiMinimize, TTeBorderIcon::kbiRollup,
                                                         TTeBorderIcon::kbiTray}));
        EXPECT_FALSE(skinner.Dragging().Sizeable());
        EXPECT_FALSE(skinner.Gravitation().OwnedForm());
        EXPECT_FALSE(skinner.SystemMenuLinkMerge());
        EXPECT_EQ(skinner.Performance(), TTeFormPerformance::ksfpNoBuffer);
    }
}

// The notice is a digest of the shipped licence: the same holder and the same licence by name.
TEST_F(AboutWindow, TheNoticeNamesTheHolderAndLicenceOfTheLicenceFile)
{
    QFile file(QStringLiteral(TRACKWELL_LICENSE_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList licence = QString::fromUtf8(file.readAll()).split(u'\n');
    const QStringList notice = Get<TMemo>("Memo1").Lines();
    ASSERT_GE(notice.size(), 2);
    EXPECT_TRUE(licence.contains(notice.at(0))) << notice.at(0).toStdString();
    EXPECT_TRUE(notice.at(1).startsWith(licence.at(0) + u':')) << notice.at(1).toStdString();
    EXPECT_TRUE(notice.join(u' ').contains(QStringLiteral("WITHOUT WARRANTY OF ANY KIND")));
}

TEST_F(AboutWindow, TheLinksAndUpdateOpenTheProgramsOwnAddresses)
{
    ShowAnd([&] {
        ClickAt(CentreOf("TeLabel13"));  // the home page link
        ClickAt(CentreOf("TeLabel15"));  // the mail address
        ClickAt(QPoint(60, 200));  // "Update"
        ClickAt(QPoint(20, 70));   // "Home page:" is no link
    });
    EXPECT_EQ(shell.calls, (QStringList{"open " + HomePageAddress(), "open " + SupportMailLink(),
                                        "open " + HomePageAddress()}));
    EXPECT_TRUE(HomePageAddress().endsWith(QStringLiteral("/web/index.html")));
    EXPECT_TRUE(SupportMailLink().startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(errors.texts.isEmpty());
}

TEST_F(AboutWindow, AnAddressTheDesktopCannotOpenIsToldToTheUser)
{
    shell.succeed = false;
    ShowAnd([&] { ClickAt(CentreOf("TeLabel15")); });
    ASSERT_EQ(errors.texts.size(), 1);
    EXPECT_EQ(errors.texts[0], "Cannot open " + SupportMailLink());
}

TEST_F(AboutWindow, OkEnterAndEscapeCloseItWithTheResultOk)
{
    const struct {
        const char* how;
        std::function<void()> act;
    } ways[] = {
        {"OK clicked", [this] { ClickAt(QPoint(180, 205)); }},
        {"Enter", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"Escape", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        about->SetModalResult(mrNone);
        EXPECT_EQ(ShowAnd(way.act), mrOk);
        EXPECT_FALSE(about->Visible());
    }
    EXPECT_TRUE(shell.calls.isEmpty());
}

// A caption wider than its stored room (a wide face, a bold theme font) pushes both links right of
// it; they never move left of their stored place.
TEST_F(AboutWindow, TheLinksStayClearOfTheirCaptionsInAnyFont)
{
    const auto linkLefts = [this] {
        QList<int> lefts;
        ShowAnd([&] { lefts = {Get<TTeLabel>("TeLabel13").Left(), Get<TTeLabel>("TeLabel15").Left()}; });
        return lefts;
    };
    const auto clearOf = [this](const char* caption) {
        const auto& label = Get<TTeLabel>(caption);
        return label.Left() + label.Width();
    };
    for (int left : linkLefts())
        EXPECT_GE(left, std::max({87, clearOf("TeLabel12") + 6, clearOf("TeLabel14") + 6}));

    Get<TTeLabel>("TeLabel12").SetCaption(QStringLiteral("The program's home page:"));
    const int wide = clearOf("TeLabel12");
    ASSERT_GT(wide, 87);
    EXPECT_EQ(linkLefts(), QList<int>({wide + 6, wide + 6}));
}

TEST_F(AboutWindow, ItIsCentredOverTheMainWindow)
{
    TForm* main = Application->CreateForm<TForm>();
    main->SetBounds(100, 80, 642, 440);
    int left = 0;
    int top = 0;
    ShowAnd([&] {
        left = about->Left();
        top = about->Top();
    });
    EXPECT_EQ(left, 100 + (642 - about->Width()) / 2);
    EXPECT_EQ(top, 80 + (440 - about->Height()) / 2);
    main->Free();
}
