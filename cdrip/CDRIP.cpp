#include "cdrip/CDRIP.h"

#include <algorithm>

#include "cdrip/CDRipLibrary.h"
#include "coder/LameCoder.h"

namespace {

// Why entries (the tracks' starts, then the lead-out) cannot be a disc's table; empty when they can.
QString TocDamage(const std::vector<CR_TocEntry>& entries)
{
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        const std::uint32_t start = entries[i].FirstSector;
        const std::uint32_t next = entries[i + 1].FirstSector;
        if (next > start)
            continue;
        if (i + 2 < entries.size())
            return QStringLiteral("track %1 starts at sector %2, not after track %3 (sector %4)")
                .arg(i + 2)
                .arg(next)
                .arg(i + 1)
                .arg(start);
        return QStringLiteral("the disc ends at sector %1, before track %2 starts (sector %3)").arg(next).arg(i + 1).arg(start);
    }
    return {};
}

}  // namespace

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
            ReadToc();
        } else {
            tocError_ = library.LastErrorText();
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

void TCDRIP::ReadToc()
{
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    if (library.ReadToc() == CR_FAILURE) {
        tocError_ = library.LastErrorText();
        return;
    }
    const std::int32_t count = std::max(library.GetNumTocEntries(), 0);
    std::vector<CR_TocEntry> entries;
    for (int i = 0; i <= count; ++i)
        entries.push_back(library.GetTocEntry(i));
    // A table whose tracks do not follow each other would list negative lengths and rip nonsense.
    if (const QString damage = TocDamage(entries); !damage.isEmpty()) {
        tocError_ = QStringLiteral("The table of contents of %1 is damaged: %2").arg(DriveName(), damage);
        return;
    }

    tocError_.clear();
    trackNames_.clear();
    tracks_.clear();
    trackCount_ = count;
    for (int i = 0; i < count; ++i) {
        auto track = std::make_unique<TTrack>();
        track->TrackNumber = i + 1;
        track->StartSector = entries[i].FirstSector;
        track->EndSector = entries[i + 1].FirstSector - 1;
        track->TrackType = entries[i].Flags == CR_TOC_AUDIO ? QStringLiteral("Audio") : QStringLiteral("Data");
        trackNames_.append(QStringLiteral("Track") + PadTrackNumber(i + 1));
        tracks_.push_back(std::move(track));
    }
}

QString TCDRIP::DriveName() const
{
    const QString id = QString::fromLocal8Bit(parameters_.DriveId, qstrnlen(parameters_.DriveId, sizeof parameters_.DriveId));
    return id.isEmpty() ? QStringLiteral("the drive") : QLatin1Char('"') + id + QLatin1Char('"');
}

void TCDRIP::SetCDRomNum(std::int32_t value)
{
    if (value == cdRomNum_)
        return;
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    try {
        if (library.SetActiveCDROM(value) != CR_FAILURE && library.GetCDROMParameters(&parameters_) != CR_FAILURE) {
            EnsureDriveTable();
            ReadParameters();
            cdRomNum_ = value;
        }
        ReadToc();
    } catch (...) {
        throw ECDRIPError(QStringLiteral("Initialization failure"));
    }
}

void TCDRIP::SetDriveTable(const TDriveTableClass& value)
{
    EnsureDriveTable()->Assign(&value);
}

TDriveTableClass* TCDRIP::EnsureDriveTable()
{
    if (!driveTable_)
        driveTable_ = std::make_unique<TDriveTableClass>();
    return driveTable_.get();
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

TLameCoder* TCDRIP::Coder() const
{
    return coder_;
}

void TCDRIP::SetCoder(TLameCoder* coder)
{
    coder_ = coder;
    UpdateCoderFormat();
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
