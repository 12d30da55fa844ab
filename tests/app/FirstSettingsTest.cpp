// The window starts from the settings a command-line rip starts from: its settings controls show them and its coder
// holds them, so the stored controls cannot drift from the one definition both read.
#include "cdrip/StoredRipSettings.h"
#include "coder/LameCoder.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeTrackBar.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TEST_F(MainWindow, SettingsControlsShowTheFirstEncoderSettingsTheCoderHolds)
{
    Open(std::string(kThreeTracks));
    const TFirstEncoderSettings& first = kFirstEncoderSettings;
    EXPECT_EQ(form->ComboBox1->Text(), QString::number(first.SampleRate));
    EXPECT_EQ(form->ComboBox2->Text(), QString::number(first.Bitrate));
    EXPECT_EQ(form->ComboBox4->ItemIndex(), static_cast<int>(first.Mode));
    EXPECT_EQ(form->CheckBox6->Checked(), first.EnableVBR);
    EXPECT_EQ(form->CheckBox3->Checked(), first.Copyright);
    EXPECT_EQ(form->CheckBox5->Checked(), first.CRC);
    EXPECT_EQ(form->CheckBox4->Checked(), first.Original);
    EXPECT_EQ(form->TrackBar1->Position(), first.VBRQuality);

    const TLameCoder& coder = *form->LameCoder1;
    EXPECT_EQ(coder.SampleRate(), first.SampleRate);
    EXPECT_EQ(coder.Bitrate(), first.Bitrate);
    EXPECT_EQ(coder.Mode(), first.Mode);
    EXPECT_EQ(coder.EnableVBR(), first.EnableVBR);
    EXPECT_EQ(coder.Copyright(), first.Copyright);
    EXPECT_EQ(coder.CRC(), first.CRC);
    EXPECT_EQ(coder.Original(), first.Original);
    EXPECT_EQ(coder.VBRQuality(), first.VBRQuality);
}

}  // namespace
