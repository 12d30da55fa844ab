// The MP3 coder and its version numbers as a stored description names them.
#include "coder/LameCoder.h"
#include "framework/PropInfo.h"

void RegisterLameCoderComponents()
{
    RegisterClass<TLameCoder>("TLameCoder");

    RegisterProperties<TLameVersion>()
        .Integer("DLLMajorVersion", &TLameVersion::DLLMajorVersion, &TLameVersion::SetDLLMajorVersion)
        .Integer("DLLMinorVersion", &TLameVersion::DLLMinorVersion, &TLameVersion::SetDLLMinorVersion)
        .Integer("MajorVersion", &TLameVersion::MajorVersion, &TLameVersion::SetMajorVersion)
        .Integer("MinorVersion", &TLameVersion::MinorVersion, &TLameVersion::SetMinorVersion);

    RegisterProperties<TLameCoder, TComponent>()
        .Integer("SampleRate", &TLameCoder::SampleRate, &TLameCoder::SetSampleRate, 44100)
        .Integer("Bitrate", &TLameCoder::Bitrate, &TLameCoder::SetBitrate, 128)
        .Integer("MaxBitrate", &TLameCoder::MaxBitrate, &TLameCoder::SetMaxBitrate, 320)
        .Enumeration("Quality", &TLameCoder::Quality, &TLameCoder::SetQuality,
                     {"NORMAL_QUALITY", "LOW_QUALITY", "HIGH_QUALITY", "VOICE_QUALITY"}, MPEG_QUALITY::NORMAL_QUALITY)
        .Boolean("Private", &TLameCoder::Private, &TLameCoder::SetPrivate, false)
        .Boolean("CRC", &TLameCoder::CRC, &TLameCoder::SetCRC, true)
        .Enumeration("Mode", &TLameCoder::Mode, &TLameCoder::SetMode, {"STEREO", "JSTEREO", "DUALCHANNEL", "MONO"},
                     TLameMode::STEREO)
        .Boolean("Copyright", &TLameCoder::Copyright, &TLameCoder::SetCopyright, false)
        .Boolean("Original", &TLameCoder::Original, &TLameCoder::SetOriginal, false)
        .Boolean("WriteVBRHeader", &TLameCoder::WriteVBRHeader, &TLameCoder::SetWriteVBRHeader, false)
        .Boolean("EnableVBR", &TLameCoder::EnableVBR, &TLameCoder::SetEnableVBR, false)
        .Integer("VBRQuality", &TLameCoder::VBRQuality, &TLameCoder::SetVBRQuality, 4)
        .Strings("InputFiles", &TLameCoder::InputFiles, &TLameCoder::SetInputFiles)
        .Strings("OutputFiles", &TLameCoder::OutputFiles, &TLameCoder::SetOutputFiles)
        .Object("LameVersion", [](const TLameCoder& coder) { return &coder.LameVersion(); })
        .String("DefaultExt", &TLameCoder::DefaultExt, &TLameCoder::SetDefaultExt, AudioFileExtension(TAudioFileFormat::afMp3))
        .String("Mp3FileName", &TLameCoder::Mp3FileName, &TLameCoder::SetMp3FileName)
        .Event("OnBeginProcess", &TLameCoder::OnBeginProcess)
        .Event("OnBeginFile", &TLameCoder::OnBeginFile)
        .Event("OnEndFile", &TLameCoder::OnEndFile)
        .Event("OnEndProcess", &TLameCoder::OnEndProcess)
        .Event("OnProgress", &TLameCoder::OnProgress);
}
