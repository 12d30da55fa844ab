// An error during a rip reaches the user in a message box drawn in the window's own look; once it
// is closed the window answers its controls again.
#include <QApplication>
#include <QTimer>

#include "controls/frame/TeForm.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeLabel.h"
#include "controls/window/TeMessageBox.h"
#include "framework/ComponentStream.h"
#include "tests/app/MainWindowFixture.h"
#include "theme/ThemeLink.h"

namespace {

template <typename T>
T* FindIn(const TComponent& root)
{
    for (int i = 0; i < root.ComponentCount(); ++i)
        if (auto* found = dynamic_cast<T*>(root.Components(i)))
            return found;
    return nullptr;
}

}  // namespace

TEST_F(MainWindow, ARipErrorShowsAThemedBoxAndTheWindowWorksAfterIt)
{
    Open(std::string(kThreeTracks) + "range\n  open ok 9408\n  chunk 0 9408 50\n  chunk 1 9408 60\n" + Ranges(1));
    const TTeErrorDisplay themed(form->TeThemeLink1);
    form->CDRIP1->SetOnProgress([](TObject*, std::uint16_t) { throw Exception("Read error"); });
    QString shown;
    bool drawnInTheWindowsLook = false;
    bool windowBlocked = false;
    // The rip processes events before its error (the rip proof asks the database meanwhile): act once the box is up.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TForm& box = *Application->Forms(Application->FormCount() - 1);
        if (&box == form)
            return;
        poll.stop();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box.Handle()));
        shown = FindIn<TTeLabel>(box)->Caption();
        const TTeForm* frame = FindIn<TTeForm>(box);
        drawnInTheWindowsLook = frame->ThemeLink() == static_cast<TteCustomThemeLink*>(form->TeThemeLink1) && frame->Themed();
        windowBlocked = QApplication::activeModalWidget() == box.Handle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    poll.start(5);
    Click(dynamic_cast<TTeButton*>(FindNestedComponent(*form, QStringLiteral("TeButton2"))));
    EXPECT_EQ(shown, QStringLiteral("Read error"));
    EXPECT_TRUE(drawnInTheWindowsLook);
    EXPECT_TRUE(windowBlocked);
    EXPECT_FALSE(form->Ripping());
    EXPECT_EQ(Application->Forms(Application->FormCount() - 1), form);

    // The window is usable again: its buttons act.
    Click(dynamic_cast<TTeButton*>(FindNestedComponent(*form, QStringLiteral("TeButton5"))));
    EXPECT_EQ(shell.calls, QStringList({"explore " + folder.path()}));
}
