#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

#include "framework/Application.h"
#include "framework/ComponentRef.h"
#include "framework/Form.h"

TEST(Form, ClientAreaSitsInsideTheFrameMargins)
{
    const auto form = MakeOwned<TForm>(nullptr);
    form->SetBounds(10, 20, 300, 200);
    form->SetFrameMargins(4, 23, 4, 4);
    EXPECT_EQ(form->ClientBounds(), Rect(4, 23, 296, 196));
    EXPECT_EQ(form->ClientWidget()->geometry(), QRect(4, 23, 292, 173));
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 292, 173));
    // Setting the client size grows the window around it.
    form->SetClientSize(642, 414);
    EXPECT_EQ(form->Width(), 650);
    EXPECT_EQ(form->Height(), 441);
    EXPECT_EQ(form->BoundsRect(), Rect(10, 20, 660, 461));
    EXPECT_EQ(form->ClientWidget()->geometry(), QRect(4, 23, 642, 414));
    // A resize from outside keeps the client inside the margins.
    form->Show();
    form->Handle()->resize(400, 300);
    EXPECT_EQ(form->ClientWidget()->geometry(), QRect(4, 23, 392, 273));
    EXPECT_TRUE(form->Handle()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(Form, ClientIsFilledWithTheFormColour)
{
    const auto form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(8, 8);
    EXPECT_EQ(form->Color(), clBtnFace);
    form->SetColor(clTeal);
    const QImage image = form->ClientWidget()->grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3), ToQColor(clTeal));
}

TEST(Form, CloseFollowsTheAnswersOfCloseQueryAndOnClose)
{
    struct Case {
        bool canClose;
        TCloseAction action;
        bool visibleAfter;
    };
    const Case cases[] = {
        {true, TCloseAction::caHide, false},
        {true, TCloseAction::caNone, true},
        {false, TCloseAction::caHide, true},
    };
    for (const Case& c : cases) {
        const auto form = MakeOwned<TForm>(nullptr);
        bool asked = false;
        form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = c.canClose; };
        form->OnClose = [&](TObject*, TCloseAction& action) {
            asked = true;
            EXPECT_EQ(action, TCloseAction::caHide);
            action = c.action;
        };
        form->Show();
        // The platform's close request takes the same road.
        QCloseEvent request;
        QCoreApplication::sendEvent(form->Handle(), &request);
        EXPECT_EQ(form->Visible(), c.visibleAfter);
        EXPECT_EQ(asked, c.canClose);
    }
}

TEST(Form, CloseWithFreeReleasesTheFormLater)
{
    auto* form = new TForm(nullptr);
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    form->Close();
    EXPECT_FALSE(destroyed);
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
}

TEST(Form, ReleaseWaitsForTheLoopThatRanTheHandler)
{
    // A conversion's loop or a rip's wait for its posted steps inside the handler keeps the interface alive.
    const std::pair<const char*, std::function<void()>> waits[] = {
        {"ProcessMessages", [] { Application->ProcessMessages(); }},
        {"HandleMessagesUntil", [] {
             bool done = false;
             QObject context;
             QMetaObject::invokeMethod(&context, [&done] { done = true; TApplication::WakeUp(); }, Qt::QueuedConnection);
             Application->HandleMessagesUntil([&done] { return done; });
         }},
    };
    for (const auto& [name, wait] : waits) {
        SCOPED_TRACE(name);
        auto* form = new TForm(nullptr);
        const TComponentRef<TForm> alive(form);
        QEventLoop loop;
        form->OnDestroy = [&](TObject*) { loop.quit(); };
        bool aliveAfterNestedLoop = false;
        QTimer::singleShot(0, [&] {
            form->Release();
            wait();
            aliveAfterNestedLoop = alive != nullptr;
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(aliveAfterNestedLoop);
        EXPECT_EQ(alive.Get(), nullptr);
    }
}

TEST(Form, ReleasedFormFreedMeanwhileIsLeftAlone)
{
    auto* form = new TForm(nullptr);
    int destroyed = 0;
    form->OnDestroy = [&](TObject*) { ++destroyed; };
    form->Release();
    form->Free();
    Application->ProcessMessages();
    EXPECT_EQ(destroyed, 1);
}

TEST(Form, ShowModalRunsUntilAResultIsAcceptedAndHidesTheForm)
{
    const auto form = MakeOwned<TForm>(nullptr);
    int queries = 0;
    // The first attempt to end is refused: the loop goes on until the second.
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(form->Modal());
        EXPECT_TRUE(form->Visible());
        form->SetModalResult(mrOk);
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(form->ModalResult(), mrNone);
            form->Close();
        });
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
    form->Show();
    EXPECT_THROW(form->ShowModal(), Exception);
}

TEST(Form, OwnedControlsGoBeforeTheWindow)
{
    // A control holding a widget inside the client area must still find it when it is freed.
    struct Control : TComponent {
        Control(TForm* form, bool& sawWidget) : TComponent(form), widget(new QWidget(form->ClientWidget())), sawWidget_(sawWidget) {}
        ~Control() override
        {
            sawWidget_ = widget->parentWidget() != nullptr;
            delete widget;
        }
        QWidget* widget;
        bool& sawWidget_;
    };
    bool sawWidget = false;
    auto* form = new TForm(nullptr);
    new Control(form, sawWidget);
    form->Free();
    EXPECT_TRUE(sawWidget);
}
