#pragma once
// The program's main window: read from its stored description (a resource of the program), it lists
// the disc's tracks with their output files, rips them, converts WAV files, and holds the encoder
// settings and the menu.
#include <QString>
#include <cstdint>
#include <memory>

#include "framework/ComponentRef.h"
#include "framework/Form.h"
#include "framework/Method.h"

class TButton;
class TCDRIP;
class TLabel;
class TLameCoder;
class TListBox;
class TLookMenu;
class TOpenDialog;
class TTeCheckBox;
class TTeForm;
class TTeMenuBar;
class TTeProgressBar;
class TTeSComboBox;
class TTeStringGrid;
class TTeThemeEngine;
class TTeThemeLink;
class TTeTrackBar;
class TWindowRip;

class TForm1 : public TForm {
public:
    // Reads the stored description; the handlers are bound by name. The disc is read while
    // CDRIP1 is made; FormCreate runs when the application fires OnCreate.
    explicit TForm1(TComponent* owner);

    const TMethodTable* MethodTable() const override { return &methods_; }
    void Loaded() override;

    // The folder the rips go to (shown with '/').
    const QString& OutputFolder() const { return outputFolder_; }
    bool StopRequested() const { return stopRequested_; }
    // A rip started by this window is running.
    bool Ripping() const { return ripping_; }

    // Start-up and closing.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // What is ripped and how.
    void TeSComboBox1Change(TObject* sender);

    // The encoder settings.
    void ComboBox1Change(TObject* sender);
    void ComboBox2Change(TObject* sender);
    void TeSComboBox3Change(TObject* sender);
    void TeSComboBox4Change(TObject* sender);
    void ComboBox5Change(TObject* sender);
    void CheckBox6Click(TObject* sender);
    void CheckBox7Click(TObject* sender);
    void TrackBar1Change(TObject* sender);
    void CheckBox3Click(TObject* sender);
    void TeCheckBox4Click(TObject* sender);
    void CheckBox5Click(TObject* sender);
    void CheckBox8Click(TObject* sender);

    // The rip commands and the ripping component's events.
    void TeButton1Click(TObject* sender);
    void TeButton2Click(TObject* sender);
    void TeButton4Click(TObject* sender);
    void TeButton5Click(TObject* sender);
    void CDRIP1BeginTrack(TObject* sender, std::uint16_t trackNum);
    void CDRIP1EndTrack(TObject* sender, std::uint16_t trackNum);
    void CDRIP1Progress(TObject* sender, std::uint16_t percent);

    // The WAV conversion and the coder's events.
    void Button3Click(TObject* sender);
    void Button4Click(TObject* sender);
    void Button5Click(TObject* sender);
    void LameCoder1BeginFile(TObject* sender, std::uint16_t num, const QString& fileName);
    void LameCoder1Progress(TObject* sender, std::uint16_t percent);
    void LameCoder1EndProcess(TObject* sender);

    // The menu.
    void CustomItem1Click(TObject* sender);
    void CustomItem7Click(TObject* sender);
    void CustomItem12Click(TObject* sender);
    void CustomItem13Click(TObject* sender);
    void CustomItem18Click(TObject* sender);
    void CustomItem14Click(TObject* sender);

    // The about window "About..." shows (made at start-up right after this window).
    void SetAboutWindow(TForm* about) { aboutWindow_ = about; }

    TTeMenuBar* TeMenuBar2 = nullptr;
    TTeStringGrid* StringGrid1 = nullptr;
    TTeProgressBar* ProgressBar1 = nullptr;
    TTeSComboBox* TeSComboBox1 = nullptr;
    TTeSComboBox* TeSComboBox2 = nullptr;
    TTeSComboBox* ComboBox1 = nullptr;
    TTeSComboBox* ComboBox2 = nullptr;
    TTeSComboBox* ComboBox3 = nullptr;
    TTeSComboBox* ComboBox4 = nullptr;
    TTeSComboBox* ComboBox5 = nullptr;
    TTeCheckBox* CheckBox3 = nullptr;
    TTeCheckBox* CheckBox4 = nullptr;
    TTeCheckBox* CheckBox5 = nullptr;
    TTeCheckBox* CheckBox6 = nullptr;
    TTeCheckBox* CheckBox7 = nullptr;
    TTeCheckBox* CheckBox8 = nullptr;
    TTeTrackBar* TrackBar1 = nullptr;
    TLabel* Label7 = nullptr;
    TListBox* ListBox2 = nullptr;
    TLabel* Label6 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TLameCoder* LameCoder1 = nullptr;
    TCDRIP* CDRIP1 = nullptr;
    TTeThemeEngine* TeThemeEngine1 = nullptr;
    TTeThemeLink* TeThemeLink1 = nullptr;
    TTeForm* TeForm1 = nullptr;
    // The looks the system menu offers (made here, not stored).
    TLookMenu* LookMenu = nullptr;

protected:
    ~TForm1() override;

private:
    void AddHandlers();
    void FindComponents();
    // Grid rows 1.. with the tracks and the files they go to (the format's name as extension).
    void FillGrid();
    // The settings controls' first selections, and the coder given the same settings.
    void InitialiseSettings();
    // Restores the client size the description gives after the frame took its margins.
    void KeepClientSize();

    TMethodTable methods_;
    TComponentRef<TForm> aboutWindow_;
    QString outputFolder_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool stopRequested_ = false;
    bool restarting_ = false;
    bool ripping_ = false;
    std::unique_ptr<TWindowRip> rip_;  // the running rip
};

// Registers every class the program's stored windows name.
void RegisterWindowClasses();
