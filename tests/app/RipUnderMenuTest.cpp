// A rip in the window goes on while a menu or a modal window is open: the loop that runs then reads,
// encodes and writes the track, and a Stop chosen in the menu ends the run once the menu has closed.
#include <QFileInfo>
#include <QTimer>
#include <vector>

#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "tests/app/JobUnderMenuFixture.h"

namespace {

// Track 1 in twenty chunks of 5 % each, the last one ending the range; the rip of the selected row reads only it.
std::string TwentyChunks()
{
    std::string range = "range\n  open ok 9408\n";
    for (int percent = 5; percent <= 100; percent += 5)
        range += "  chunk " + std::to_string(percent < 100 ? CR_CHUNK_READ : CR_RANGE_DONE) + " 9408 " + std::to_string(percent) + "\n";
    return std::string(kThreeTracks) + range;
}

// What one progress event saw.
struct TSeen {
    int Percent;
    bool MenuOpen;
    bool ModalOpen;
    qint64 FileSize;
};

class RipUnderMenu : public JobUnderMenu {
protected:
    void OpenSelectedRow()
    {
        Open(TwentyChunks());
        form->TeSComboBox2->SetItemIndex(1);
        form->TeSComboBox2->OnChange(form->TeSComboBox2);
        form->StringGrid1->SetRow(1);
        GuardAgainstHanging();
    }

    // Records every progress event and calls act with its percentage after the window's own handler.
    void OnProgress(std::function<void(int)> act)
    {
        TProgressEvent shown = form->CDRIP1->OnProgress();
        form->CDRIP1->SetOnProgress([this, shown, act](TObject* sender, std::uint16_t percent) {
            shown(sender, percent);
            seen.push_back({percent, TTeItemView::Innermost() != nullptr, QApplication::activeModalWidget() != nullptr,
                            QFileInfo(Out("Track01.mp3")).size()});
            act(percent);
        });
    }

    int SeenWhere(bool TSeen::*open) const
    {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [open](const TSeen& s) { return s.*open; }));
    }

    std::vector<TSeen> seen;
};

TEST_F(RipUnderMenu, TheTrackIsReadAndWrittenWhileTheOperationMenuIsOpen)
{
    OpenSelectedRow();
    bool openAtTheEnd = false;
    qint64 sizeAtTheEnd = -1;
    OnProgress([&](int percent) {
        if (percent == 5)
            QTimer::singleShot(0, [&] { ClickBarItem("CustomItem3"); });
        if (percent == 100)
            // The track's tail runs in the same step: the file is whole when the menu loop next looks.
            QTimer::singleShot(0, [&] {
                openAtTheEnd = RunningLevel() != nullptr;
                sizeAtTheEnd = QFileInfo(Out("Track01.mp3")).size();
                EscapeAll();
            });
    });
    Click(dynamic_cast<TTeButton*>(FindNestedComponent(*form, QStringLiteral("TeButton2"))));

    ASSERT_EQ(seen.size(), 20u);
    EXPECT_GE(SeenWhere(&TSeen::MenuOpen), 18);
    for (std::size_t i = 1; i < seen.size(); ++i) {
        if (seen[i - 1].MenuOpen && seen[i].MenuOpen) {
            EXPECT_GE(seen[i].FileSize, seen[i - 1].FileSize) << "at " << seen[i].Percent << " %";
        }
    }
    EXPECT_GT(seen.back().FileSize, seen[2].FileSize);
    EXPECT_TRUE(openAtTheEnd);
    EXPECT_EQ(sizeAtTheEnd, QFileInfo(Out("Track01.mp3")).size());
    EXPECT_EQ(form->ProgressBar1->Position(), 100);
    EXPECT_EQ(form->Caption(), QStringLiteral("Trackwell - Ready"));
    EXPECT_FALSE(form->Ripping());
    EXPECT_EQ(Files(), Proof() + QStringList({"Track01.mp3"}));
    EXPECT_EQ(TTeItemView::Innermost(), nullptr);
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}

TEST_F(RipUnderMenu, TheAboutWindowChosenInTheHelpMenuDoesNotStopTheRip)
{
    OpenSelectedRow();
    TOwned<TForm> about = GiveAboutWindow();
    bool aboutOpenAtTheEnd = false;
    OnProgress([&](int percent) {
        if (percent == 5)
            QTimer::singleShot(0, [&] { ClickBarItem("CustomItem10"); });
        ChooseAboutOnceTheHelpMenuRuns();
        if (percent == 100)
            QTimer::singleShot(0, [&] {
                aboutOpenAtTheEnd = about->Visible();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            });
    });
    Click(dynamic_cast<TTeButton*>(FindNestedComponent(*form, QStringLiteral("TeButton2"))));

    ASSERT_EQ(seen.size(), 20u);
    EXPECT_GE(SeenWhere(&TSeen::ModalOpen), 12);
    EXPECT_TRUE(aboutOpenAtTheEnd);
    EXPECT_FALSE(about->Visible());
    EXPECT_EQ(form->Caption(), QStringLiteral("Trackwell - Ready"));
    EXPECT_EQ(Files(), Proof() + QStringList({"Track01.mp3"}));
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}

TEST_F(RipUnderMenu, StopChosenInTheOpenMenuEndsTheRun)
{
    OpenSelectedRow();
    OnProgress([&](int percent) {
        if (percent == 5)
            QTimer::singleShot(0, [&] { ClickBarItem("CustomItem3"); });
        if (percent == 25 && RunningLevel() != nullptr)
            QTimer::singleShot(0, [&] { QTest::mouseClick(RunningLevel()->Window(), Qt::LeftButton, {}, CenterOf(Item("CustomItem8"))); });
    });
    Click(dynamic_cast<TTeButton*>(FindNestedComponent(*form, QStringLiteral("TeButton2"))));

    ASSERT_FALSE(seen.empty());
    EXPECT_LT(seen.back().Percent, 100);
    EXPECT_GE(seen.back().Percent, 25);
    EXPECT_FALSE(form->CDRIP1->LastRipWhole());
    EXPECT_EQ(form->Caption(), QStringLiteral("Trackwell - Ready"));
    EXPECT_FALSE(form->Ripping());
    EXPECT_FALSE(form->StopRequested());
    EXPECT_EQ(TTeItemView::Innermost(), nullptr);
    EXPECT_EQ(Files(), Proof() + QStringList({"Track01.mp3"}));
}

}  // namespace
