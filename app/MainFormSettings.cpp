// The encoder settings of the main window: each control hands its value to the coder as it changes.
#include "app/MainForm.h"

#include "cdrip/StoredRipSettings.h"
#include "coder/LameCoder.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeTrackBar.h"
#include "framework/Label.h"

namespace {

std::uint32_t SelectedNumber(const TTeSComboBox* box)
{
    return box->Text().toUInt();
}

}  // namespace

void TForm1::InitialiseSettings()
{
    // The boxes show the settings every rip starts from; the check boxes and the track bar are stored showing them.
    const TFirstEncoderSettings& first = kFirstEncoderSettings;
    ComboBox1->SetItemIndex(ComboBox1->Items()->IndexOf(QString::number(first.SampleRate)));
    ComboBox2->SetItemIndex(ComboBox2->Items()->IndexOf(QString::number(first.Bitrate)));
    ComboBox3->SetItemIndex(0);
    ComboBox4->SetItemIndex(static_cast<int>(first.Mode));
    ComboBox5->SetItemIndex(0);
    TeSComboBox2->SetItemIndex(0);
    ApplyFirstEncoderSettings(*LameCoder1);
}

void TForm1::ComboBox1Change(TObject*)
{
    LameCoder1->SetSampleRate(SelectedNumber(ComboBox1));
}

void TForm1::ComboBox2Change(TObject*)
{
    LameCoder1->SetBitrate(SelectedNumber(ComboBox2));
}

void TForm1::TeSComboBox3Change(TObject*)
{
    LameCoder1->SetMaxBitrate(SelectedNumber(ComboBox3));
}

void TForm1::TeSComboBox4Change(TObject*)
{
    LameCoder1->SetMode(static_cast<TLameMode>(ComboBox4->ItemIndex()));
}

void TForm1::ComboBox5Change(TObject*)
{
    LameCoder1->SetQuality(static_cast<MPEG_QUALITY>(ComboBox5->ItemIndex()));
}

void TForm1::CheckBox6Click(TObject*)
{
    LameCoder1->SetEnableVBR(CheckBox6->Checked());
}

void TForm1::CheckBox7Click(TObject*)
{
    LameCoder1->SetWriteVBRHeader(CheckBox7->Checked());
}

void TForm1::TrackBar1Change(TObject*)
{
    LameCoder1->SetVBRQuality(TrackBar1->Position());
    Label7->SetCaption(QString::number(TrackBar1->Position()));
}

void TForm1::CheckBox3Click(TObject*)
{
    LameCoder1->SetCopyright(CheckBox3->Checked());
}

void TForm1::TeCheckBox4Click(TObject*)
{
    LameCoder1->SetOriginal(CheckBox4->Checked());
}

void TForm1::CheckBox5Click(TObject*)
{
    LameCoder1->SetCRC(CheckBox5->Checked());
}

void TForm1::CheckBox8Click(TObject*)
{
    LameCoder1->SetPrivate(CheckBox8->Checked());
}
