// The themed message box: it shows the text under the caption with an OK button that draws through
// the given link, closes by OK, Enter or Escape, and as the application's error display it shows
// an escaped error and lets the program go on.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

#include "controls/frame/TeForm.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeLabel.h"
#include "controls/window/TeMessageBox.h"
#include "framework/Application.h"
#include "framework/Exception.h"
#include "tests/controls/FrameFixtures.h"

namespace {

template <typename T>
T* FindIn(const TForm& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* found = dynamic_cast<T*>(form.Components(i)))
            return found;
    return nullptr;
}

// The box most recently made: the forms list keeps creation order.
TForm& LatestForm()
{
    return *Application->Forms(Application->FormCount() - 1);
}

// Runs act once the box is up inside its modal loop; a box left open is cancelled so the test ends.
void WhenShown(std::function<void(TForm& box)> act)
{
    QTimer::singleShot(0, [act] {
        TForm& box = LatestForm();
        // The keys go where the user would type: the box must have become the active window.
        EXPECT_TRUE(QTest::qWaitForWindowActive(box.Handle()));
        act(box);
        if (box.Visible() && box.ModalResult() == mrNone)
            box.SetModalResult(mrCancel);
    });
}

}  // namespace

TEST(MessageBox, HoldsTheTextAndAnOkButtonDrawnThroughTheLink)
{
    auto tiger = Tiger();
    TOwned<TFixedLink> link = MakeOwned<TFixedLink>(tiger.get());
    TOwned<TForm> box{CreateMessageBox(nullptr, QStringLiteral("Trackwell"), QStringLiteral("Write error"), link.get())};
    EXPECT_EQ(box->Caption(), QStringLiteral("Trackwell"));
    TTeLabel* text = FindIn<TTeLabel>(*box);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Caption(), QStringLiteral("Write error"));
    EXPECT_EQ(text->ThemeLink(), link.get());
    TTeButton* ok = FindIn<TTeButton>(*box);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(ok->ThemeLink(), link.get());
    ASSERT_NE(FindIn<TTeForm>(*box), nullptr);
    EXPECT_EQ(FindIn<TTeForm>(*box)->ThemeLink(), link.get());
    EXPECT_TRUE(FindIn<TTeForm>(*box)->Themed());
    // Text and button lie inside the client area, the button below the text.
    EXPECT_LE(text->Left() + text->Width(), box->ClientWidth());
    EXPECT_GE(ok->Top(), text->Top() + text->Height());
    EXPECT_LE(ok->Top() + ok->Height(), box->ClientHeight());
}

TEST(MessageBox, ALongTextWrapsInsteadOfWideningTheBoxPastTheScreen)
{
    const QString longText = QStringLiteral("Cannot create the file ") + QString(40, u'x') + QStringLiteral(" in ") +
                             QStringLiteral("/a/folder/that/goes/on/and/on ") + QStringLiteral("and a few more words to make it wrap twice or more");
    TOwned<TForm> box{CreateMessageBox(nullptr, QStringLiteral("Trackwell"), longText, nullptr)};
    TTeLabel* text = FindIn<TTeLabel>(*box);
    EXPECT_LE(box->ClientWidth(), 420);
    EXPECT_GT(text->Height(), 2 * QFontMetrics(QApplication::font()).height());
}

TEST(MessageBox, OkEnterAndEscapeCloseItWithOkAndTheFramesCloseCancels)
{
    const struct {
        const char* how;
        std::function<void(TForm&)> act;
        TModalResult expected;
    } ways[] = {
        {"OK clicked",
         [](TForm&) {
             QWidget* ok = QApplication::focusWidget();
             QTest::mouseClick(ok, Qt::LeftButton);
         },
         mrOk},
        {"Enter", [](TForm&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, mrOk},
        {"Escape", [](TForm&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, mrOk},
        {"frame's close", [](TForm& box) { FindIn<TTeForm>(box)->DoClose(); }, mrCancel},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        bool focusOnOk = false;
        WhenShown([&](TForm& box) {
            focusOnOk = FindIn<TTeButton>(box)->Handle() == QApplication::focusWidget();
            way.act(box);
        });
        EXPECT_EQ(ShowMessageBox(QStringLiteral("Trackwell"), QStringLiteral("Read error"), nullptr), way.expected);
        EXPECT_TRUE(focusOnOk);
    }
}

TEST(MessageBox, TheErrorDisplayShowsAnEscapedErrorInABoxAndTheWindowBehindGoesOn)
{
    TFramedForm window;
    std::optional<TTeErrorDisplay> display{std::in_place};
    QString shown;
    bool modal = false;
    WhenShown([&](TForm& box) {
        shown = FindIn<TTeLabel>(box)->Caption();
        modal = box.Modal();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    Application->Guard(nullptr, [] { throw Exception(QStringLiteral("beEncodeChunk failed ")); });
    display.reset();
    EXPECT_EQ(shown, QStringLiteral("beEncodeChunk failed "));
    EXPECT_TRUE(modal);
    EXPECT_TRUE(window.form.Visible());
    EXPECT_TRUE(window.form.Handle()->isEnabled());
    EXPECT_EQ(Application->Forms(Application->FormCount() - 1), &window.form);
}
