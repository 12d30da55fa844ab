// A WAV-to-MP3 conversion in the window goes on while a menu or a modal window is open: the loop that runs
// then encodes the files and finishes each, and Cancel still ends it.
#include <QFileInfo>
#include <QTimer>
#include <vector>

#include "coder/LameCoder.h"
#include "controls/widgets/TeProgressBar.h"
#include "framework/OpenDialog.h"
#include "tests/app/JobUnderMenuFixture.h"
#include "tests/support/AudioFiles.h"

namespace {

// What one event of the coder saw.
struct TSeen {
    int File;
    int Percent;
    bool MenuOpen;
    bool ModalOpen;
};

class ConversionUnderMenu : public JobUnderMenu {
protected:
    // Two one-second WAV files of twenty chunks each, chosen through "Open WAV file".
    void ChooseTwoFiles()
    {
        Open(std::string(kThreeTracks));
        for (const QString& name : {QStringLiteral("one.wav"), QStringLiteral("two.wav")}) {
            ASSERT_TRUE(audio::WriteFile(Out(name), audio::Wav(44100, 2, audio::SinePcm(44100, 2, 44100))));
            inputs.append(Out(name));
        }
        SetFileChooser([this](const TOpenDialog&) { return inputs; });
        Click(Button("Button3"));
        SetFileChooser({});
        GuardAgainstHanging();
    }

    // Records the coder's progress and end-of-file events; act runs after each with what it saw.
    void Watch(std::function<void(const TSeen&)> onProgress, std::function<void(const TSeen&)> onEndFile)
    {
        TProgressEvent shown = form->LameCoder1->OnProgress();
        form->LameCoder1->SetOnProgress([this, shown, onProgress](TObject* sender, std::uint16_t percent) {
            shown(sender, percent);
            progress.push_back(Now(percent));
            onProgress(progress.back());
        });
        form->LameCoder1->SetOnEndFile([this, onEndFile](TObject*, std::uint16_t index, const QString& name) {
            ends.push_back(Now(100));
            sizesAtEnd.push_back(QFileInfo(name).size());
            EXPECT_EQ(index, ends.size() - 1);
            onEndFile(ends.back());
        });
        form->LameCoder1->SetOnBeginFile([this, begin = form->LameCoder1->OnBeginFile()](TObject* sender, std::uint16_t index,
                                                                                         const QString& name) {
            begin(sender, index, name);
            file = index;
        });
    }

    TSeen Now(int percent) const
    {
        return {file, percent, TTeItemView::Innermost() != nullptr, QApplication::activeModalWidget() != nullptr};
    }

    TWinControl* Button(const char* name) { return dynamic_cast<TWinControl*>(FindNestedComponent(*form, QString::fromLatin1(name))); }

    int SeenWhere(bool TSeen::*open) const
    {
        return static_cast<int>(std::count_if(progress.begin(), progress.end(), [open](const TSeen& s) { return s.*open; }));
    }

    QStringList inputs;
    int file = -1;
    std::vector<TSeen> progress;
    std::vector<TSeen> ends;
    std::vector<qint64> sizesAtEnd;
};

TEST_F(ConversionUnderMenu, BothFilesAreEncodedAndFinishedWhileTheOperationMenuIsOpen)
{
    ChooseTwoFiles();
    Watch(
        [&](const TSeen& seen) {
            if (seen.File == 0 && progress.size() == 1)
                QTimer::singleShot(0, [&] { ClickBarItem("CustomItem3"); });
        },
        [&](const TSeen& seen) {
            if (seen.File == 1)
                QTimer::singleShot(0, &EscapeAll);
        });
    Click(Button("Button4"));

    ASSERT_EQ(progress.size(), 40u);
    EXPECT_GE(SeenWhere(&TSeen::MenuOpen), 37);
    ASSERT_EQ(ends.size(), 2u);
    // Each MP3 is flushed and closed under the menu: what it holds then is what it keeps.
    EXPECT_TRUE(ends[0].MenuOpen);
    EXPECT_TRUE(ends[1].MenuOpen);
    EXPECT_EQ(sizesAtEnd[0], QFileInfo(Out("one.mp3")).size());
    EXPECT_EQ(sizesAtEnd[1], QFileInfo(Out("two.mp3")).size());
    EXPECT_GT(sizesAtEnd[1], 10000);
    // The end of the whole conversion comes once the menu has closed.
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_EQ(TTeItemView::Innermost(), nullptr);
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}

TEST_F(ConversionUnderMenu, TheAboutWindowChosenInTheHelpMenuDoesNotStopTheConversion)
{
    ChooseTwoFiles();
    TOwned<TForm> about = GiveAboutWindow();
    Watch(
        [&](const TSeen&) {
            if (progress.size() == 1)
                QTimer::singleShot(0, [&] { ClickBarItem("CustomItem10"); });
            ChooseAboutOnceTheHelpMenuRuns();
        },
        [&](const TSeen& seen) {
            if (seen.File == 1)
                QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
        });
    Click(Button("Button4"));

    ASSERT_EQ(progress.size(), 40u);
    EXPECT_GE(SeenWhere(&TSeen::ModalOpen), 30);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_TRUE(ends[0].ModalOpen);
    EXPECT_TRUE(ends[1].ModalOpen);
    EXPECT_FALSE(about->Visible());
    EXPECT_EQ(sizesAtEnd[1], QFileInfo(Out("two.mp3")).size());
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}

// A click outside an open menu only closes it, as menus do; the next click on Cancel ends the conversion.
TEST_F(ConversionUnderMenu, CancelClickedOnceTheMenuIsClosedEndsTheConversion)
{
    ChooseTwoFiles();
    bool cancelClicked = false;
    bool menuOpenAtSecondClick = true;
    std::size_t progressAtCancel = 0;
    Watch(
        [&](const TSeen& seen) {
            if (progress.size() == 1)
                QTimer::singleShot(0, [&] { ClickBarItem("CustomItem3"); });
            if (!cancelClicked && seen.MenuOpen && seen.Percent >= 25) {
                cancelClicked = true;
                QTimer::singleShot(0, [&] {
                    Click(Button("Button5"));
                    QTimer::singleShot(0, [&] {
                        menuOpenAtSecondClick = TTeItemView::Innermost() != nullptr;
                        Click(Button("Button5"));
                        progressAtCancel = progress.size();
                    });
                });
            }
        },
        [](const TSeen&) {});
    Click(Button("Button4"));

    ASSERT_TRUE(cancelClicked);
    EXPECT_FALSE(menuOpenAtSecondClick);
    // The chunk that was being encoded is the last one; nothing of the flush or the second file follows.
    EXPECT_EQ(progress.size(), progressAtCancel);
    EXPECT_LT(progress.back().Percent, 100);
    EXPECT_EQ(progress.back().File, 0);
    EXPECT_TRUE(ends.empty());
    EXPECT_TRUE(QFile::exists(Out("one.mp3")));
    EXPECT_FALSE(QFile::exists(Out("two.mp3")));
    // No end of the conversion: the bar keeps the last percentage.
    EXPECT_EQ(form->ProgressBar1->Position(), progress.back().Percent);
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}

}  // namespace
