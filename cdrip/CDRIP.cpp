#include "cdrip/CDRIP.h"

#include "cdrip/CDRipLibrary.h"
#include "coder/LameCoder.h"

TCDRIP::TCDRIP(TComponent* owner) : TComponent(owner)
{
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    try {
        version_ = QString::number(library.GetCDRipVersion());
        if (library.Init() != CR_FAILURE) {
            if (library.GetCDROMParameters(&parameters_) != CR_FAILURE) {
                cdRomNum_ = library.GetActiveCDROM();
                driveTable_ = std::make_unique<TDriveTableClass>();
                ReadParameters();
                jitterCorrect_ = true;
                parameters_.JitterCorrection = -1;
            }
            if (library.ReadToc() != CR_FAILURE)
                ReadTracks();
        }
    } catch (...) {
        throw ECDRIPError(QStringLiteral("Initialization failure"));
    }
    jitterErrorCount_ = 0;
}

TCDRIP::~TCDRIP()
{
    SetCoder(nullptr);
}

void TCDRIP::ReadParameters()
{
    driveTable_->DriveType = static_cast<TDriveType>(parameters_.DriveType);
    driveTable_->ReadMethod = static_cast<TReadMethod>(parameters_.ReadMethod);
    driveTable_->SetSpeed = static_cast<TSetSpeed>(parameters_.SetSpeed);
    driveTable_->Endian = static_cast<TEndian>(parameters_.Endian);
    driveTable_->EnableMode = static_cast<TEnableMode>(parameters_.EnableMode);
    driveTable_->Density = parameters_.Density;
    driveTable_->Atapi = parameters_.Atapi != 0;
    outputFormat_ = static_cast<TOutputFormat>(parameters_.OutputFormat & 0xFF);
    speed_ = parameters_.ReadSpeed;
}

void TCDRIP::ReadTracks()
{
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    trackNames_.clear();
    tracks_.clear();
    trackCount_ = library.GetNumTocEntries();
    for (int i = 0; i < trackCount_; ++i) {
        const CR_TocEntry entry = library.GetTocEntry(i);
        const CR_TocEntry next = library.GetTocEntry(i + 1);
        auto track = std::make_unique<TTrack>();
        track->TrackNumber = i + 1;
        track->StartSector = entry.FirstSector;
        track->EndSector = next.FirstSector - 1;
        track->TrackType = entry.Flags == CR_TOC_AUDIO ? QStringLiteral("Audio") : QStringLiteral("Data");
        trackNames_.append(QStringLiteral("Track") + PadTrackNumber(i + 1));
        tracks_.push_back(std::move(track));
    }
}

void TCDRIP::SetCDRomNum(std::int32_t value)
{
    if (value == cdRomNum_)
        return;
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    try {
        if (library.SetActiveCDROM(value) != CR_FAILURE && library.GetCDROMParameters(&parameters_) != CR_FAILURE) {
            if (!driveTable_)
                driveTable_ = std::make_unique<TDriveTableClass>();
            ReadParameters();
            cdRomNum_ = value;
        }
        if (library.ReadToc() != CR_FAILURE)
            ReadTracks();
    } catch (...) {
        throw ECDRIPError(QStringLiteral("Initialization failure"));
    }
}

void TCDRIP::SetDriveTable(const TDriveTableClass& value)
{
    if (!driveTable_)
        driveTable_ = std::make_unique<TDriveTableClass>();
    driveTable_->Assign(&value);
}

void TCDRIP::SetOutputFormat(TOutputFormat value)
{
    if (value != outputFormat_)
        parameters_.OutputFormat = static_cast<std::int32_t>(value);
    outputFormat_ = value;
    UpdateCoderFormat();
}

void TCDRIP::SetJitterCorrect(bool value)
{
    if (value == jitterCorrect_)
        return;
    jitterCorrect_ = value;
    parameters_.JitterCorrection = value ? -1 : 0;
}

void TCDRIP::SetCoder(TLameCoder* coder)
{
    if (coder_ != nullptr && coder_ != coder)
        coder_->RemoveFreeNotification(this);
    coder_ = coder;
    if (coder_ != nullptr)
        coder_->FreeNotification(this);
    UpdateCoderFormat();
}

void TCDRIP::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == coder_)
        coder_ = nullptr;
}

void TCDRIP::UpdateCoderFormat()
{
    if (coder_ == nullptr)
        return;
    coder_->SetMode(OutputFormatChannels(outputFormat_) == 1 ? TLameMode::MONO : TLameMode::STEREO);
    coder_->SetSampleRate(OutputFormatSampleRate(outputFormat_));
}

bool TCDRIP::ApplyParameters()
{
    try {
        return TCDRipLibrary::Instance().SetCDROMParameters(&parameters_) != CR_FAILURE;
    } catch (...) {
        throw ECDRIPError(QStringLiteral("Error setting parameters"));
    }
}

QString TCDRIP::PadTrackNumber(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
