#include "app/MainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/AboutWindow.h"
#include "app/LookMenu.h"
#include "app/OutputFolder.h"
#include "app/WebAddresses.h"
#include "app/WindowOptions.h"
#include "app/WindowRip.h"
#include "cdrip/CDRIP.h"
#include "cdrip/StoredRipSettings.h"
#include "coder/LameCoder.h"
#include "controls/frame/TeForm.h"
#include "controls/menus/TeMenuBar.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "controls/widgets/TeTrackBar.h"
#include "framework/Application.h"
#include "framework/ComponentStream.h"
#include "framework/Label.h"
#include "framework/ListBox.h"
#include "framework/OpenDialog.h"
#include "framework/Shell.h"
#include "theme/ThemeEngine.h"
#include "theme/ThemeLink.h"

namespace {

const QString kMainWindowDescription = QStringLiteral(":/forms/MainWindow.twc");

template <typename T>
T* Find(const TComponent& root, const QString& name)
{
    auto* component = dynamic_cast<T*>(FindNestedComponent(root, name));
    if (component == nullptr)
        throw Exception(QStringLiteral("The main window's description has no %1").arg(name));
    return component;
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    AddHandlers();
    ReadComponentResource(*this, kMainWindowDescription);
    FindComponents();
    // The ripping component starts from the values a command-line rip starts from.
    ApplyStoredRipValues(*CDRIP1);
    LookMenu = new TLookMenu(this, *TeForm1, *TeThemeEngine1, *TeThemeLink1, WindowOptions().Theme);
    KeepClientSize();
    outputFolder_ = QDir::fromNativeSeparators(::OutputFolder(WindowOptions().OutputFolder));
}

TForm1::~TForm1() = default;

void TForm1::AddHandlers()
{
    methods_.Add("FormCreate", this, &TForm1::FormCreate);
    methods_.Add("FormClose", this, &TForm1::FormClose);
    methods_.Add("TeSComboBox1Change", this, &TForm1::TeSComboBox1Change);
    methods_.Add("ComboBox1Change", this, &TForm1::ComboBox1Change);
    methods_.Add("ComboBox2Change", this, &TForm1::ComboBox2Change);
    methods_.Add("TeSComboBox3Change", this, &TForm1::TeSComboBox3Change);
    methods_.Add("TeSComboBox4Change", this, &TForm1::TeSComboBox4Change);
    methods_.Add("ComboBox5Change", this, &TForm1::ComboBox5Change);
    methods_.Add("CheckBox6Click", this, &TForm1::CheckBox6Click);
    methods_.Add("CheckBox7Click", this, &TForm1::CheckBox7Click);
    methods_.Add("TrackBar1Change", this, &TForm1::TrackBar1Change);
    methods_.Add("CheckBox3Click", this, &TForm1::CheckBox3Click);
    methods_.Add("TeCheckBox4Click", this, &TForm1::TeCheckBox4Click);
    methods_.Add("CheckBox5Click", this, &TForm1::CheckBox5Click);
    methods_.Add("CheckBox8Click", this, &TForm1::CheckBox8Click);
    methods_.Add("TeButton1Click", this, &TForm1::TeButton1Click);
    methods_.Add("TeButton2Click", this, &TForm1::TeButton2Click);
    methods_.Add("TeButton4Click", this, &TForm1::TeButton4Click);
    methods_.Add("TeButton5Click", this, &TForm1::TeButton5Click);
    methods_.Add("CDRIP1BeginTrack", this, &TForm1::CDRIP1BeginTrack);
    methods_.Add("CDRIP1EndTrack", this, &TForm1::CDRIP1EndTrack);
    methods_.Add("CDRIP1Progress", this, &TForm1::CDRIP1Progress);
    methods_.Add("Button3Click", this, &TForm1::Button3Click);
    methods_.Add("Button4Click", this, &TForm1::Button4Click);
    methods_.Add("Button5Click", this, &TForm1::Button5Click);
    methods_.Add("LameCoder1BeginFile", this, &TForm1::LameCoder1BeginFile);
    methods_.Add("LameCoder1Progress", this, &TForm1::LameCoder1Progress);
    methods_.Add("LameCoder1EndProcess", this, &TForm1::LameCoder1EndProcess);
    methods_.Add("CustomItem1Click", this, &TForm1::CustomItem1Click);
    methods_.Add("CustomItem7Click", this, &TForm1::CustomItem7Click);
    methods_.Add("CustomItem12Click", this, &TForm1::CustomItem12Click);
    methods_.Add("CustomItem13Click", this, &TForm1::CustomItem13Click);
    methods_.Add("CustomItem18Click", this, &TForm1::CustomItem18Click);
    methods_.Add("CustomItem14Click", this, &TForm1::CustomItem14Click);
}

void TForm1::FindComponents()
{
    TeMenuBar2 = Find<TTeMenuBar>(*this, "TeMenuBar2");
    StringGrid1 = Find<TTeStringGrid>(*this, "StringGrid1");
    ProgressBar1 = Find<TTeProgressBar>(*this, "ProgressBar1");
    TeSComboBox1 = Find<TTeSComboBox>(*this, "TeSComboBox1");
    TeSComboBox2 = Find<TTeSComboBox>(*this, "TeSComboBox2");
    ComboBox1 = Find<TTeSComboBox>(*this, "ComboBox1");
    ComboBox2 = Find<TTeSComboBox>(*this, "ComboBox2");
    ComboBox3 = Find<TTeSComboBox>(*this, "ComboBox3");
    ComboBox4 = Find<TTeSComboBox>(*this, "ComboBox4");
    ComboBox5 = Find<TTeSComboBox>(*this, "ComboBox5");
    CheckBox3 = Find<TTeCheckBox>(*this, "CheckBox3");
    CheckBox4 = Find<TTeCheckBox>(*this, "CheckBox4");
    CheckBox5 = Find<TTeCheckBox>(*this, "CheckBox5");
    CheckBox6 = Find<TTeCheckBox>(*this, "CheckBox6");
    CheckBox7 = Find<TTeCheckBox>(*this, "CheckBox7");
    CheckBox8 = Find<TTeCheckBox>(*this, "CheckBox8");
    TrackBar1 = Find<TTeTrackBar>(*this, "TrackBar1");
    Label7 = Find<TLabel>(*this, "Label7");
    ListBox2 = Find<TListBox>(*this, "ListBox2");
    Label6 = Find<TLabel>(*this, "Label6");
    OpenDialog1 = Find<TOpenDialog>(*this, "OpenDialog1");
    LameCoder1 = Find<TLameCoder>(*this, "LameCoder1");
    CDRIP1 = Find<TCDRIP>(*this, "CDRIP1");
    TeThemeEngine1 = Find<TTeThemeEngine>(*this, "TeThemeEngine1");
    TeThemeLink1 = Find<TTeThemeLink>(*this, "TeThemeLink1");
    TeForm1 = Find<TTeForm>(*this, "TeForm1");
}

void TForm1::Loaded()
{
    TForm::Loaded();
    clientWidth_ = ClientWidth();
    clientHeight_ = ClientHeight();
}

void TForm1::KeepClientSize()
{
    // The description's client size is what its controls were laid out in; the themed frame takes
    // its margins around it.
    SetClientSize(clientWidth_, clientHeight_);
}

void TForm1::FormCreate(TObject*)
{
    // The value label follows the track bar from the start, not only from its first move.
    Label7->SetCaption(QString::number(TrackBar1->Position()));
    TeSComboBox1->SetItemIndex(0);
    CDRIP1->SetEncode(true);
    try {
        EnsureOutputFolder(outputFolder_);
    } catch (const Exception&) {
        // A folder that cannot be made shows when a rip writes into it.
    }
    const int tracks = static_cast<int>(CDRIP1->TrackList().size());
    if (tracks > 0) {
        FillGrid();
        StringGrid1->SetRowCount(tracks + 1);
        InitialiseSettings();
    }
    CDRIP1->SetWriteWAV(false);
    CDRIP1->SetEncode(true);
}

void TForm1::FillGrid()
{
    const QStringList& tracks = CDRIP1->TrackList();
    for (int i = 0; i < tracks.size(); ++i) {
        StringGrid1->SetCells(0, 0, QStringLiteral("Track"));
        StringGrid1->SetCells(1, 0, QStringLiteral("Output File Name"));
        StringGrid1->SetCells(0, i + 1, tracks.at(i));
        StringGrid1->SetCells(1, i + 1, outputFolder_ + u'/' + tracks.at(i) + u'.' + TeSComboBox1->Text());
    }
}

void TForm1::FormClose(TObject*, TCloseAction&)
{
    if (!restarting_)
        CustomItem12Click(this);
}

void TForm1::TeSComboBox1Change(TObject*)
{
    const bool wav = TeSComboBox1->Text() == QLatin1String("WAV");
    CDRIP1->SetWriteWAV(wav);
    CDRIP1->SetEncode(!wav);
    if (!CDRIP1->TrackList().isEmpty())
        FillGrid();
}

void TForm1::TeButton2Click(TObject*)
{
    // The rip pumps messages, so Start stays clickable; a second run would start inside the first.
    if (ripping_ || CDRIP1->TrackList().isEmpty())
        return;
    if (TeSComboBox2->ItemIndex() == 0)
        StringGrid1->SetRow(1);
    ripping_ = true;
    struct TRipDone {
        bool& ripping;
        std::unique_ptr<TWindowRip>& rip;
        ~TRipDone()
        {
            ripping = false;
            rip.reset();
        }
    } done{ripping_, rip_};
    // The rip log and cue sheet go beside the files, as a command-line rip writes them.
    rip_ = std::make_unique<TWindowRip>(*CDRIP1, outputFolder_);
    try {
        rip_->Rip(StringGrid1->Row());
    } catch (const Exception& error) {
        rip_->Fail(error);
    }
    rip_->Finish();
}

void TForm1::TeButton4Click(TObject*)
{
    stopRequested_ = true;
    CDRIP1->Stop();
}

void TForm1::TeButton1Click(TObject*)
{
    Shell().StartProgram(QCoreApplication::applicationFilePath(), WindowOptions().Arguments(), ProgramFolder());
    restarting_ = true;
    Close();
}

void TForm1::TeButton5Click(TObject*)
{
    Shell().OpenFolder(outputFolder_);
}

void TForm1::CDRIP1BeginTrack(TObject*, std::uint16_t trackNum)
{
    SetCaption(Application->Title() + QStringLiteral(" - Begin ripping Track") + QString::number(trackNum));
}

void TForm1::CDRIP1EndTrack(TObject*, std::uint16_t trackNum)
{
    SetCaption(Application->Title() + QStringLiteral(" - End ripping Track") + QString::number(trackNum));
    const bool moreRows = TeSComboBox2->ItemIndex() == 0 && StringGrid1->Row() + 1 < StringGrid1->RowCount();
    if (rip_)
        rip_->TrackEnded(trackNum, stopRequested_, moreRows);
    if (!CDRIP1->TrackList().isEmpty()) {
        if (rip_ && !stopRequested_ && moreRows) {
            StringGrid1->SetRow(StringGrid1->Row() + 1);
            rip_->Rip(StringGrid1->Row());
            stopRequested_ = false;
            return;
        }
        SetCaption(Application->Title() + QStringLiteral(" - Ready"));
    }
    stopRequested_ = false;
}

void TForm1::CDRIP1Progress(TObject*, std::uint16_t percent)
{
    ProgressBar1->SetPosition(percent);
}

void TForm1::Button3Click(TObject*)
{
    if (!OpenDialog1->Execute())
        return;
    LameCoder1->SetInputFiles(OpenDialog1->Files());
    ListBox2->Items()->Clear();
    for (const QString& file : OpenDialog1->Files())
        ListBox2->Items()->Add(file);
}

void TForm1::Button4Click(TObject*)
{
    LameCoder1->Process();
}

void TForm1::Button5Click(TObject*)
{
    LameCoder1->Cancel();
}

void TForm1::LameCoder1BeginFile(TObject*, std::uint16_t, const QString& fileName)
{
    Label6->SetCaption(QStringLiteral("Process file ") + fileName);
}

void TForm1::LameCoder1Progress(TObject*, std::uint16_t percent)
{
    ProgressBar1->SetPosition(percent);
}

void TForm1::LameCoder1EndProcess(TObject*)
{
    ProgressBar1->SetPosition(0);
}

void TForm1::CustomItem1Click(TObject*)
{
    Close();
}

void TForm1::CustomItem7Click(TObject*)
{
    // "Rip -> To WAV": the format its caption names, then Start.
    TeSComboBox1->SetItemIndex(TeSComboBox1->Items()->IndexOf(QStringLiteral("WAV")));
    TeSComboBox1Change(TeSComboBox1);
    TeButton2Click(this);
}

void TForm1::CustomItem12Click(TObject*)
{
    Shell().OpenUrl(HomePageAddress());
}

void TForm1::CustomItem13Click(TObject*)
{
    Shell().OpenUrl(SupportPageAddress());
}

void TForm1::CustomItem18Click(TObject*)
{
    // The sibling program, when it is installed beside this one.
    const QString sibling = QDir(ProgramFolder()).filePath(QStringLiteral("vidmoor"));
    if (QFileInfo(sibling).isExecutable())
        Shell().StartProgram(sibling, {}, ProgramFolder());
    else
        CustomItem12Click(this);
}

void TForm1::CustomItem14Click(TObject*)
{
    if (aboutWindow_ != nullptr)
        ShowAboutWindow(*aboutWindow_);
}
