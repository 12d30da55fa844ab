#include <gtest/gtest.h>

#include <QTimer>
#include <stdexcept>

#include "framework/Application.h"
#include "framework/Form.h"
#include "tests/support/PlatformFakes.h"

namespace {

class TestForm : public TForm {
public:
    using TForm::TForm;
};

}  // namespace

TEST(Application, HandleExceptionShowsTheTextOfEveryKindOfError)
{
    TRecordingErrorDisplay display;
    Application->SetTitle("Trackwell");
    EXPECT_FALSE(Application->Guard(nullptr, [] { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); }));
    EXPECT_FALSE(Application->Guard(nullptr, [] { throw std::runtime_error("Write error"); }));
    EXPECT_FALSE(Application->Guard(nullptr, [] { throw 42; }));
    EXPECT_TRUE(Application->Guard(nullptr, [] {}));
    EXPECT_EQ(display.texts, QStringList({"'x' is not a valid integer value", "Write error", "Unknown error"}));
    EXPECT_EQ(display.titles.first(), "Trackwell");
}

TEST(Application, OnExceptionReplacesTheDisplayAndMayFailItself)
{
    TRecordingErrorDisplay display;
    QStringList seen;
    TObject sender;
    Application->OnException = [&](TObject* from, const Exception& error) {
        EXPECT_EQ(from, &sender);
        seen << error.Message();
        if (error.Message() == "second")
            throw Exception(QStringLiteral("handler broke"));
    };
    Application->Guard(&sender, [] { throw Exception(QStringLiteral("first")); });
    Application->Guard(&sender, [] { throw Exception(QStringLiteral("second")); });
    Application->OnException = nullptr;
    EXPECT_EQ(seen, QStringList({"first", "second"}));
    EXPECT_EQ(display.texts, QStringList({"handler broke"}));
}

TEST(Application, RunEndsWhenTheMainFormClosesAndFreesTheForms)
{
    Application->Initialize();
    auto* main = Application->CreateForm<TestForm>();
    auto* second = Application->CreateForm<TestForm>();
    EXPECT_EQ(Application->MainForm(), main);
    QStringList log;
    main->OnDestroy = [&](TObject*) { log << "main destroyed"; };
    second->OnDestroy = [&](TObject*) { log << "second destroyed"; };
    // Closing another form only hides it; closing the main form ends the loop.
    QTimer::singleShot(0, [&] {
        second->Show();
        second->Close();
        log << (second->Visible() ? "second visible" : "second hidden");
        log << (main->Visible() ? "main visible" : "main hidden");
        main->Close();
    });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(log, QStringList({"second hidden", "main visible", "second destroyed", "main destroyed"}));
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->FormCount(), 0);
}

TEST(Application, CreateFormFiresOnCreateThroughTheErrorHandling)
{
    TRecordingErrorDisplay display;
    struct FailingForm : TForm {
        explicit FailingForm(TComponent* owner) : TForm(owner)
        {
            OnCreate = [](TObject*) { throw Exception(QStringLiteral("Initialization failure")); };
        }
    };
    TForm* form = Application->CreateForm<FailingForm>();
    EXPECT_EQ(display.texts, QStringList({"Initialization failure"}));
    EXPECT_EQ(Application->Forms(Application->FormCount() - 1), form);
    form->Free();
}

TEST(Application, MinimizeAndRestoreTheShownFormsAsOne)
{
    const auto shown = MakeOwned<TestForm>(nullptr);
    const auto hidden = MakeOwned<TestForm>(nullptr);
    shown->Show();
    QStringList log;
    Application->OnMinimize = [&](TObject* sender) { log << (sender == Application ? "minimize" : "?"); };
    Application->OnRestore = [&](TObject*) { log << "restore"; };
    Application->Minimize();
    Application->Minimize();
    EXPECT_TRUE(Application->Minimized());
    EXPECT_TRUE(shown->Handle()->isMinimized());
    EXPECT_FALSE(hidden->Visible());
    Application->Restore();
    Application->Restore();
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
    EXPECT_FALSE(shown->Handle()->isMinimized());
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hidden->Visible());
    EXPECT_EQ(log, QStringList({"minimize", "restore"}));
}
