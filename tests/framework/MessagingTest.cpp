#include <gtest/gtest.h>

#include <QStringList>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/MessageWindow.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "tests/support/PlatformFakes.h"

namespace {

// Logs each message it receives as "<name>:<msg>" and answers msg + 1; WM_USER + 99 raises.
class Receiver : public TComponent {
public:
    Receiver(QStringList& log, QString name) : TComponent(nullptr), log_(log), name_(std::move(name)) {}

    void Dispatch(TMessage& message) override
    {
        log_ << QStringLiteral("%1:%2").arg(name_).arg(message.Msg - WM_USER);
        if (message.Msg == WM_USER + 99)
            throw Exception(QStringLiteral("handler failed"));
        message.Result = message.Msg + 1;
    }

private:
    QStringList& log_;
    QString name_;
};

// A form that logs the messages reaching its own handling.
class LoggingForm : public TForm {
public:
    LoggingForm(QStringList& log) : TForm(nullptr), log_(log) {}

    void Dispatch(TMessage& message) override
    {
        log_ << QStringLiteral("form:%1").arg(message.Msg - WM_USER);
        message.Result = static_cast<std::intptr_t>(message.WParam + message.LParam);
    }

private:
    QStringList& log_;
};

}  // namespace

TEST(Messaging, SentMessagesAreHandledAtOnceAndAnswerTheResult)
{
    QStringList log;
    Receiver receiver(log, "r");
    const auto form = MakeOwned<LoggingForm>(log);
    EXPECT_EQ(Perform(&receiver, WM_USER + 1), WM_USER + 2);
    EXPECT_EQ(SendMessage(form->Handle(), WM_USER + 2, 40, 2), 42);
    QObject plain;
    EXPECT_EQ(SendMessage(&plain, WM_USER + 3), 0);
    EXPECT_EQ(log, QStringList({"r:1", "form:2"}));
}

TEST(Messaging, PostedMessagesArriveLaterInPostingOrder)
{
    QStringList log;
    Receiver receiver(log, "r");
    const auto form = MakeOwned<LoggingForm>(log);
    PostMessage(&receiver, WM_USER + 1);
    PostMessage(form->Handle(), WM_USER + 2);
    PostMessage(&receiver, WM_USER + 3);
    EXPECT_TRUE(log.isEmpty());
    Application->ProcessMessages();
    EXPECT_EQ(log, QStringList({"r:1", "form:2", "r:3"}));
}

TEST(Messaging, MessagesPostedToDestroyedTargetsAreDropped)
{
    QStringList log;
    auto* gone = new Receiver(log, "gone");
    Receiver staying(log, "staying");
    auto* goneForm = new LoggingForm(log);
    PostMessage(gone, WM_USER + 1);
    PostMessage(&staying, WM_USER + 2);
    PostMessage(goneForm->Handle(), WM_USER + 3);
    PostMessage(gone, WM_USER + 4);
    delete gone;
    goneForm->Free();
    // A component made now may take the freed address; the old messages must not reach it.
    Receiver successor(log, "successor");
    Application->ProcessMessages();
    EXPECT_EQ(log, QStringList({"staying:2"}));
}

TEST(Messaging, FailingPostedHandlerIsReportedAndTheLoopGoesOn)
{
    TRecordingErrorDisplay display;
    Application->SetTitle("Trackwell");
    QStringList log;
    Receiver receiver(log, "r");
    TMessageWindow window([&](TMessage& message) {
        log << QStringLiteral("window:%1").arg(message.Msg - WM_USER);
        throw std::runtime_error("window handler failed");
    });
    PostMessage(&receiver, WM_USER + 99);
    PostMessage(&window, WM_USER + 5);
    PostMessage(&receiver, WM_USER + 1);
    Application->ProcessMessages();
    EXPECT_EQ(log, QStringList({"r:99", "window:5", "r:1"}));
    EXPECT_EQ(display.texts, QStringList({"handler failed", "window handler failed"}));
    EXPECT_EQ(display.titles, QStringList({"Trackwell", "Trackwell"}));
}
