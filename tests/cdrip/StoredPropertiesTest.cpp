// The ripping component and the coder as a stored description holds them: every stored property in
// order, defaults left out, references and events bound by name, and the text form read back.
#include <QString>
#include <gtest/gtest.h>

#include "cdrip/CDRIP.h"
#include "coder/LameCoder.h"
#include "framework/ClassRegistry.h"
#include "framework/ComponentStream.h"
#include "framework/Method.h"
#include "tests/cdrip/ScriptedLibrary.h"

namespace {

// The window that owns both components and offers their handlers by name.
class TRipWindow : public TComponent {
public:
    explicit TRipWindow(TComponent* owner) : TComponent(owner)
    {
        methods.Add<void(TObject*, std::uint16_t)>("CDRIP1BeginTrack", [this](TObject*, std::uint16_t n) {
            calls << QString("begin %1").arg(n);
        });
        methods.Add<void(TObject*, std::uint16_t)>("CDRIP1Progress", [](TObject*, std::uint16_t) {});
        methods.Add<void(TObject*, std::uint16_t, const QString&)>("LameCoder1EndFile",
                                                                    [](TObject*, std::uint16_t, const QString&) {});
    }
    const TMethodTable* MethodTable() const override { return &methods; }

    TMethodTable methods;
    QStringList calls;
};

class StoredProperties : public ScriptedLibrary {
protected:
    static void SetUpTestSuite()
    {
        ScriptedLibrary::SetUpTestSuite();
        RegisterClass<TRipWindow>("TRipWindow");
        RegisterCDRIPComponents();
        RegisterLameCoderComponents();
    }
};

const char* const Description = R"(object Form1: TRipWindow
  object LameCoder1: TLameCoder
    SampleRate = 22050
    Bitrate = 256
    Mode = MONO
    CRC = False
    EnableVBR = True
    VBRQuality = 3
    InputFiles = (
      '/music/a.wav')
    OnEndFile = LameCoder1EndFile
  end
  object CDRIP1: TCDRIP
    Coder = LameCoder1
    CDRomNum = 0
    DriveTable.DriveType = GENERIC
    DriveTable.ReadMethod = READMMC
    DriveTable.SetSpeed = SPEEDMMC
    DriveTable.Endian = LITTLEENDIAN
    DriveTable.EnableMode = ENABLENONE
    DriveTable.Density = 16777216
    DriveTable.Atapi = True
    OutputFormat = MONO22050
    WriteWAV = True
    OnBeginTrack = CDRIP1BeginTrack
    OnProgress = CDRIP1Progress
    Version = '111'
    Speed = 32
  end
end
)";

TEST_F(StoredProperties, TheWindowsComponentsReadAndWriteBackTheirDescription)
{
    Script("drive\n  parameters ok\n  toc ok\n  track 0 audio\n  leadout 500\n");
    TRipWindow window(nullptr);
    StringToComponent(Description, &window);

    auto* coder = dynamic_cast<TLameCoder*>(window.FindComponent("LameCoder1"));
    auto* cdrip = dynamic_cast<TCDRIP*>(window.FindComponent("CDRIP1"));
    ASSERT_TRUE(coder && cdrip);
    EXPECT_EQ(cdrip->Coder(), coder);
    EXPECT_EQ(cdrip->OutputFormat(), TOutputFormat::MONO22050);
    EXPECT_TRUE(cdrip->JitterCorrect()) << "left out: its default";
    EXPECT_FALSE(cdrip->Encode());
    EXPECT_TRUE(cdrip->WriteWAV());
    EXPECT_EQ(cdrip->DriveTable()->Density, 16777216);
    EXPECT_EQ(cdrip->Speed(), 32);
    EXPECT_EQ(coder->SampleRate(), 22050u);
    EXPECT_EQ(coder->Mode(), TLameMode::MONO);
    EXPECT_TRUE(coder->WriteVBRHeader()) << "EnableVBR sets the header too";
    EXPECT_EQ(coder->OutputFiles(), QStringList({"/music/a.mp3"}));
    cdrip->OnBeginTrack()(cdrip, 3);
    EXPECT_EQ(window.calls, QStringList({"begin 3"}));

    // Written back, the description is the one read, with the values the components derived.
    const QString written = ComponentToString(window);
    EXPECT_TRUE(written.contains("OnEndFile = LameCoder1EndFile")) << written.toStdString();
    EXPECT_TRUE(written.contains("WriteVBRHeader = True")) << written.toStdString();
    EXPECT_TRUE(written.contains("OutputFiles = (")) << written.toStdString();
    EXPECT_FALSE(written.contains("JitterCorrect")) << written.toStdString();
    TRipWindow again(nullptr);
    StringToComponent(written, &again);
    EXPECT_EQ(ComponentToString(again), written);
}

TEST_F(StoredProperties, DefaultsAreLeftOutAndTheDriveTableOnlyWhenThereIsOne)
{
    Script("init fail\n");
    TRipWindow window(nullptr);
    auto* cdrip = new TCDRIP(&window);
    cdrip->SetName("CDRIP1");
    auto* coder = new TLameCoder(&window);
    coder->SetName("LameCoder1");
    const QString written = ComponentToString(window);
    for (const char* absent : {"DriveTable", "OutputFormat", "Encode", "SampleRate", "Bitrate",
                               "MaxBitrate", "Quality", "CRC", "Mode", "VBRQuality", "DefaultExt", "Coder ="})
        EXPECT_FALSE(written.contains(absent)) << absent << "\n" << written.toStdString();

    // A stored drive description is read even when the library gave none.
    StringToComponent("object Form1: TRipWindow\n  object CDRIP1: TCDRIP\n    DriveTable.Density = 5\n  end\nend\n",
                      &window);
    ASSERT_NE(cdrip->DriveTable(), nullptr);
    EXPECT_EQ(cdrip->DriveTable()->Density, 5);
}

}  // namespace
