// The ripping component and its drive description as a stored description names them.
#include "cdrip/CDRIP.h"
#include "coder/LameCoder.h"
#include "framework/PropInfo.h"

namespace {

template <typename E>
auto DriveField(E TDriveTableClass::*field)
{
    return std::pair{[field](const TDriveTableClass& table) { return table.*field; },
                     [field](TDriveTableClass& table, E value) { table.*field = value; }};
}

}  // namespace

void RegisterCDRIPComponents()
{
    RegisterClass<TCDRIP>("TCDRIP");

    const auto [driveType, setDriveType] = DriveField(&TDriveTableClass::DriveType);
    const auto [readMethod, setReadMethod] = DriveField(&TDriveTableClass::ReadMethod);
    const auto [setSpeed, setSetSpeed] = DriveField(&TDriveTableClass::SetSpeed);
    const auto [endian, setEndian] = DriveField(&TDriveTableClass::Endian);
    const auto [enableMode, setEnableMode] = DriveField(&TDriveTableClass::EnableMode);
    const auto [density, setDensity] = DriveField(&TDriveTableClass::Density);
    const auto [atapi, setAtapi] = DriveField(&TDriveTableClass::Atapi);
    RegisterProperties<TDriveTableClass>()
        .Enumeration("DriveType", driveType, setDriveType,
                     {"GENERIC", "TOSHIBA", "TOSHIBANEW", "IBM", "NEC", "DEC", "IMS", "KODAK", "RICOH", "HP",
                      "PHILIPS", "PLASMON", "GRUNDIGCDR100IPW", "MITSUMICDR", "PLEXTOR", "SONY", "YAMAHA", "NRC",
                      "IMSCDD5", "CUSTOMDRIVE"})
        .Enumeration("ReadMethod", readMethod, setReadMethod,
                     {"READMMC", "READ10", "READNEC", "READSONY", "READMMC2", "READMMC3", "READC1", "READC2",
                      "READC3"})
        .Enumeration("SetSpeed", setSpeed, setSetSpeed,
                     {"SPEEDNONE", "SPEEDMMC", "SPEEDSONY", "SPEEDYAMAHA", "SPEEDTOSHIBA", "SPEEDPHILIPS",
                      "SPEEDNEC"})
        .Enumeration("Endian", endian, setEndian, {"BIGENDIAN", "LITTLEENDIAN"})
        .Enumeration("EnableMode", enableMode, setEnableMode, {"ENABLENONE", "ENABLESTD"})
        .Integer("Density", density, setDensity)
        .Boolean("Atapi", atapi, setAtapi);

    RegisterProperties<TCDRIP, TComponent>()
        .Reference("Coder", &TCDRIP::Coder, &TCDRIP::SetCoder)
        .Integer("CDRomNum", &TCDRIP::CDRomNum, &TCDRIP::SetCDRomNum)
        .Object("DriveTable", [](const TCDRIP& cdrip) { return const_cast<TCDRIP&>(cdrip).EnsureDriveTable(); })
        .StoredIf([](const TCDRIP& cdrip) { return cdrip.DriveTable() != nullptr; })
        .Enumeration("OutputFormat", &TCDRIP::OutputFormat, &TCDRIP::SetOutputFormat,
                     {"STEREO44100", "MONO44100", "STEREO22050", "MONO22050", "STEREO11025", "MONO11025"},
                     TOutputFormat::STEREO44100)
        .Boolean("Encode", &TCDRIP::Encode, &TCDRIP::SetEncode, false)
        .Boolean("WriteWAV", &TCDRIP::WriteWAV, &TCDRIP::SetWriteWAV, false)
        .Boolean("JitterCorrect", &TCDRIP::JitterCorrect, &TCDRIP::SetJitterCorrect, true)
        .Event("OnBeginTrack", &TCDRIP::OnBeginTrack)
        .Event("OnEndTrack", &TCDRIP::OnEndTrack)
        .Event("OnProgress", &TCDRIP::OnProgress)
        .String("Version", &TCDRIP::Version, &TCDRIP::SetVersion)
        .Integer("Speed", &TCDRIP::Speed, &TCDRIP::SetSpeed);
}
