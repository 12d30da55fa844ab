// The main window driven through its controls: what it rips, into which files, what the caption and
// the progress bar say, the shell actions, and the encoder settings it hands to the coder.
#include <QEvent>
#include <QObject>

#include "app/WebAddresses.h"
#include "coder/LameCoder.h"
#include "controls/menus/TeItem.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "controls/widgets/TeTrackBar.h"
#include "framework/ComponentStream.h"
#include "framework/Label.h"
#include "framework/OpenDialog.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/AudioFiles.h"

namespace {

// Every caption the window takes, in order.
class CaptionLog : public QObject {
public:
    explicit CaptionLog(QWidget* window) : window_(window) { window->installEventFilter(this); }
    QStringList captions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange)
            captions << window_->windowTitle();
        return false;
    }

private:
    QWidget* window_;
};

template <typename T>
T* Control(TForm1* form, const char* name)
{
    return dynamic_cast<T*>(FindNestedComponent(*form, QString::fromLatin1(name)));
}

// Chooses item index in a combo box as the user does, firing its OnChange.
void Choose(TTeSComboBox* box, int index)
{
    box->SetItemIndex(index);
    if (box->OnChange)
        box->OnChange(box);
}

}  // namespace

TEST_F(MainWindow, AllTracksRipsEveryTrackWithItsCaptionsAndFiles)
{
    Open(std::string(kThreeTracks) + Ranges(3));
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_EQ(form->StringGrid1->Cells(0, 0), "Track");
    EXPECT_EQ(form->StringGrid1->Cells(1, 0), "Output File Name");
    EXPECT_EQ(form->StringGrid1->Cells(0, 3), "Track03");
    EXPECT_EQ(form->StringGrid1->Cells(1, 1), Out("Track01.MP3"));

    CaptionLog log(form->Handle());
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_EQ(log.captions, QStringList({"Trackwell - Begin ripping Track1", "Trackwell - End ripping Track1",
                                         "Trackwell - Begin ripping Track2", "Trackwell - End ripping Track2",
                                         "Trackwell - Begin ripping Track3", "Trackwell - End ripping Track3",
                                         "Trackwell - Ready"}));
    EXPECT_EQ(Files(), Proof() + QStringList({"Track01.mp3", "Track02.mp3", "Track03.mp3"}));
    EXPECT_GT(audio::DecodeMp3(Out("Track02.mp3")).Frames(), 0);
    // After a rip the bar keeps the last percentage the rip gave.
    EXPECT_EQ(form->ProgressBar1->Position(), 100);
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}

TEST_F(MainWindow, SelectedTrackRipsOnlyTheSelectedRow)
{
    Open(std::string(kThreeTracks) + Ranges(1));
    Choose(form->TeSComboBox2, 1);
    form->StringGrid1->SetRow(2);
    CaptionLog log(form->Handle());
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_EQ(log.captions, QStringList({"Trackwell - Begin ripping Track2", "Trackwell - End ripping Track2",
                                         "Trackwell - Ready"}));
    EXPECT_EQ(Files(), Proof() + QStringList({"Track02.mp3"}));
}

TEST_F(MainWindow, StopEndsTheRunAndAPendingStopEndsTheNextRunAfterItsFirstTrack)
{
    // Track 2 has three chunks; Stop is clicked when its first one is in.
    Open(std::string(kThreeTracks) + Ranges(1) +
         "range\n  open ok 9408\n  chunk 0 9408 30\n  chunk 0 9408 60\n  chunk 0 9408 100\n" + Ranges(1));
    CaptionLog log(form->Handle());
    TProgressEvent shown = form->CDRIP1->OnProgress();
    form->CDRIP1->SetOnProgress([&](TObject* sender, std::uint16_t percent) {
        shown(sender, percent);
        if (form->Caption().endsWith("Track2") && percent == 30)
            Click(Control<TTeButton>(form, "TeButton4"));
    });
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_EQ(log.captions.mid(2), QStringList({"Trackwell - Begin ripping Track2", "Trackwell - End ripping Track2",
                                                "Trackwell - Ready"}));
    EXPECT_EQ(Files(), Proof() + QStringList({"Track01.mp3", "Track02.mp3"}));
    EXPECT_EQ(form->ProgressBar1->Position(), 30);
    EXPECT_FALSE(form->StopRequested());

    // Stop while nothing rips stays pending.
    Click(Control<TTeButton>(form, "TeButton4"));
    log.captions.clear();
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_EQ(log.captions, QStringList({"Trackwell - Begin ripping Track1", "Trackwell - End ripping Track1",
                                         "Trackwell - Ready"}));
}

TEST_F(MainWindow, StartDuringARipStartsNoSecondRun)
{
    // A nested Start would put the run back at row 1 while track 2 rips.
    Open(std::string(kThreeTracks) + Ranges(3));
    CaptionLog log(form->Handle());
    TProgressEvent shown = form->CDRIP1->OnProgress();
    form->CDRIP1->SetOnProgress([&](TObject* sender, std::uint16_t percent) {
        shown(sender, percent);
        Click(Control<TTeButton>(form, "TeButton2"));
        Control<TTeItem>(form, "CustomItem6")->OnClick(nullptr);
    });
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_EQ(log.captions.filter("Begin"), QStringList({"Trackwell - Begin ripping Track1", "Trackwell - Begin ripping Track2",
                                                         "Trackwell - Begin ripping Track3"}));
    EXPECT_FALSE(form->Ripping());
}

TEST_F(MainWindow, NoDiscLeavesThirteenEmptyRowsAndOnlyTheFormatChosen)
{
    Open("drive\n  parameters ok\n  toc fail\n");
    EXPECT_EQ(form->StringGrid1->RowCount(), 13);
    for (int row = 0; row < 13; ++row)
        EXPECT_TRUE(form->StringGrid1->Cells(0, row).isEmpty() && form->StringGrid1->Cells(1, row).isEmpty());
    EXPECT_EQ(form->TeSComboBox1->Text(), "MP3");
    for (TTeSComboBox* box : {form->TeSComboBox2, form->ComboBox1, form->ComboBox2, form->ComboBox3, form->ComboBox4,
                              form->ComboBox5})
        EXPECT_EQ(box->ItemIndex(), -1) << box->Name().toStdString();
    EXPECT_TRUE(form->CDRIP1->Encode());
    EXPECT_FALSE(form->CDRIP1->WriteWAV());

    // Start with no tracks does nothing.
    CaptionLog log(form->Handle());
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_TRUE(log.captions.isEmpty());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(MainWindow, WavRenamesTheColumnAndTheNextRipWritesAWav)
{
    Open(std::string(kThreeTracks) + Ranges(1));
    Choose(form->TeSComboBox1, 1);
    EXPECT_EQ(form->StringGrid1->Cells(1, 2), Out("Track02.WAV"));
    Choose(form->TeSComboBox2, 1);
    form->StringGrid1->SetRow(1);
    Click(Control<TTeButton>(form, "TeButton2"));
    ASSERT_EQ(Files(), Proof() + QStringList({"Track01.wav"}));
    const QByteArray wav = audio::ReadFile(Out("Track01.wav"));
    EXPECT_TRUE(wav.startsWith("RIFF"));
    EXPECT_EQ(wav.size(), 44 + 2 * 9408);
}

TEST_F(MainWindow, ToWavItemChoosesWavAndRips)
{
    Open(std::string(kThreeTracks) + Ranges(3));
    Control<TTeItem>(form, "CustomItem7")->OnClick(nullptr);
    EXPECT_EQ(form->TeSComboBox1->Text(), "WAV");
    EXPECT_EQ(Files(), Proof() + QStringList({"Track01.wav", "Track02.wav", "Track03.wav"}));
}

TEST_F(MainWindow, SettingsStartAsStoredAndReachTheCoderAtOnce)
{
    Open(std::string(kThreeTracks));
    TLameCoder* coder = form->LameCoder1;
    EXPECT_EQ(coder->SampleRate(), 44100u);
    EXPECT_EQ(coder->Bitrate(), 256u);
    EXPECT_EQ(coder->MaxBitrate(), 320u);
    EXPECT_TRUE(coder->CRC());
    EXPECT_EQ(coder->VBRQuality(), 3);
    EXPECT_EQ(form->TeSComboBox2->Text(), "All CD tracks");
    // The value label shows the bar's position from the start.
    EXPECT_EQ(form->Label7->Caption(), "3");

    Choose(form->ComboBox1, 2);
    EXPECT_EQ(coder->SampleRate(), 22050u);
    Choose(form->ComboBox4, 3);
    EXPECT_EQ(coder->Mode(), TLameMode::MONO);
    Click(form->CheckBox6);
    EXPECT_TRUE(coder->EnableVBR());
    EXPECT_TRUE(coder->WriteVBRHeader());
    EXPECT_FALSE(form->CheckBox7->Checked());
    form->TrackBar1->SetPosition(7);
    EXPECT_EQ(coder->VBRQuality(), 7);
    EXPECT_EQ(form->Label7->Caption(), "7");
}

TEST_F(MainWindow, ConversionTakesTheChosenFilesAndResetsTheBar)
{
    Open(std::string(kThreeTracks));
    const QString wav = Out("song.wav");
    ASSERT_TRUE(audio::WriteFile(wav, audio::Wav(44100, 2, audio::SinePcm(44100, 2, 44100))));
    SetFileChooser([&](const TOpenDialog& dialog) {
        EXPECT_EQ(dialog.NameFilters(), QStringList({"WAV Files (*.wav)"}));
        return QStringList{wav};
    });
    form->Button3Click(nullptr);
    SetFileChooser({});
    EXPECT_EQ(form->LameCoder1->OutputFiles(), QStringList({Out("song.mp3")}));
    form->Button4Click(nullptr);
    EXPECT_TRUE(QFile::exists(Out("song.mp3")));
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_EQ(Control<TLabel>(form, "Label6")->Caption(), "Process file " + wav);
}

TEST_F(MainWindow, ShellActions)
{
    Open(std::string(kThreeTracks));
    const QString program = QCoreApplication::applicationFilePath();
    const QString programFolder = QCoreApplication::applicationDirPath();
    Click(Control<TTeButton>(form, "TeButton5"));
    Control<TTeItem>(form, "CustomItem13")->OnClick(nullptr);
    Control<TTeItem>(form, "CustomItem18")->OnClick(nullptr);
    EXPECT_EQ(shell.calls, QStringList({"explore " + folder.path(), "open " + SupportPageAddress(),
                                        "open " + HomePageAddress()}));
    shell.calls.clear();
    // "Open CD" starts the program again with the same options and leaves without the home page.
    Click(Control<TTeButton>(form, "TeButton1"));
    EXPECT_EQ(shell.calls, QStringList({"start " + program + " --output " + folder.path() + " in " + programFolder}));
    EXPECT_FALSE(form->Visible());
}

TEST_F(MainWindow, ExitOpensTheHomePage)
{
    Open(std::string(kThreeTracks));
    Control<TTeItem>(form, "CustomItem1")->OnClick(nullptr);
    EXPECT_EQ(shell.calls, QStringList({"open " + HomePageAddress()}));
    EXPECT_FALSE(form->Visible());
}

TEST_F(MainWindow, ARipErrorIsShownAndTheWindowStaysUsable)
{
    // The first range cannot be read past its first chunk: the library fails.
    Open(std::string(kThreeTracks) + "range\n  open ok 9408\n  chunk 0 9408 50\n  chunk 1 9408 60\n" + Ranges(1));
    form->CDRIP1->SetOnProgress([](TObject*, std::uint16_t) { throw Exception("Read error"); });
    Click(Control<TTeButton>(form, "TeButton2"));
    EXPECT_EQ(errors.texts, QStringList({"Read error"}));
    EXPECT_EQ(form->Caption(), "Trackwell - Begin ripping Track1");
    EXPECT_FALSE(form->Ripping());
}
