#include "cdrip/CDRipLibrary.h"

#include <QByteArray>
#include <algorithm>

TCDRipLibrary& TCDRipLibrary::Instance()
{
    static TCDRipLibrary instance;
    return instance;
}

TCDRipLibrary::TCDRipLibrary()
{
    Load(TSharedLibrary::DefaultPath("TRACKWELL_CDRIP_LIBRARY", QStringLiteral(CDRIP_LIBRARY_NAME)));
}

bool TCDRipLibrary::Load(const QString& path)
{
    loaded_ = false;
    calls_ = {};
    Calls calls;
    loaded_ = library_.OpenWithAll(path, [this, &calls] {
        return library_.Resolve("CR_GetCDRipVersion", calls.getCDRipVersion) &&
               library_.Resolve("CR_Init", calls.init) &&
               library_.Resolve("CR_GetCDROMParameters", calls.getCDROMParameters) &&
               library_.Resolve("CR_GetActiveCDROM", calls.getActiveCDROM) &&
               library_.Resolve("CR_SetActiveCDROM", calls.setActiveCDROM) &&
               library_.Resolve("CR_SetCDROMParameters", calls.setCDROMParameters) &&
               library_.Resolve("CR_ReadToc", calls.readToc) &&
               library_.Resolve("CR_GetNumTocEntries", calls.getNumTocEntries) &&
               library_.Resolve("CR_GetTocEntry", calls.getTocEntry) &&
               library_.Resolve("CR_OpenRipper", calls.openRipper) &&
               library_.Resolve("CR_RipChunk", calls.ripChunk) &&
               library_.Resolve("CR_GetLastJitterErrorPosition", calls.getLastJitterErrorPosition) &&
               library_.Resolve("CR_GetPercentCompleted", calls.getPercentCompleted) &&
               library_.Resolve("CR_GetNumberOfJitterErrors", calls.getNumberOfJitterErrors) &&
               library_.Resolve("CR_CloseRipper", calls.closeRipper);
    });
    if (!loaded_)
        return false;
    library_.Resolve("CR_GetLastErrorText", calls.getLastErrorText);  // optional
    library_.Resolve("CR_SetReadOffset", calls.setReadOffset);        // optional
    library_.Resolve("CR_GetRangeChecksums", calls.getRangeChecksums);  // optional
    library_.Resolve("CR_GetReadEvents", calls.getReadEvents);          // optional
    library_.Resolve("CR_GetDiscCatalog", calls.getDiscCatalog);      // optional
    library_.Resolve("CR_GetTrackExtras", calls.getTrackExtras);      // optional
    library_.Resolve("CR_GetDiscText", calls.getDiscText);            // optional
    calls_ = calls;
    return true;
}

std::int32_t TCDRipLibrary::GetCDRipVersion()
{
    return loaded_ ? calls_.getCDRipVersion() : 0;
}

std::int32_t TCDRipLibrary::Init()
{
    return loaded_ ? calls_.init() : CR_FAILURE;
}

std::int32_t TCDRipLibrary::GetCDROMParameters(CR_DriveParameters* parameters)
{
    return loaded_ ? calls_.getCDROMParameters(parameters) : CR_FAILURE;
}

std::int32_t TCDRipLibrary::GetActiveCDROM()
{
    return loaded_ ? calls_.getActiveCDROM() : 0;
}

std::int32_t TCDRipLibrary::SetActiveCDROM(std::int32_t drive)
{
    return loaded_ ? calls_.setActiveCDROM(drive) : CR_FAILURE;
}

std::int32_t TCDRipLibrary::SetCDROMParameters(const CR_DriveParameters* parameters)
{
    return loaded_ ? calls_.setCDROMParameters(parameters) : CR_FAILURE;
}

std::int32_t TCDRipLibrary::ReadToc()
{
    return loaded_ ? calls_.readToc() : CR_FAILURE;
}

std::int32_t TCDRipLibrary::GetNumTocEntries()
{
    return loaded_ ? calls_.getNumTocEntries() : 0;
}

CR_TocEntry TCDRipLibrary::GetTocEntry(std::int32_t index)
{
    return loaded_ ? calls_.getTocEntry(index) : CR_TocEntry{};
}

std::int32_t TCDRipLibrary::OpenRipper(std::int32_t* bufferSize, std::int32_t firstSector, std::int32_t lastSector)
{
    *bufferSize = 0;
    return loaded_ ? calls_.openRipper(bufferSize, firstSector, lastSector) : CR_FAILURE;
}

std::int32_t TCDRipLibrary::RipChunk(std::uint8_t* buffer, std::int32_t* bytesRead)
{
    *bytesRead = 0;
    // Without a library no range is ever open; answering "done" keeps any loop finite.
    return loaded_ ? calls_.ripChunk(buffer, bytesRead) : CR_RANGE_DONE;
}

void TCDRipLibrary::GetLastJitterErrorPosition(std::uint32_t* firstSector, std::uint32_t* lastSector)
{
    *firstSector = *lastSector = 0;
    if (loaded_)
        calls_.getLastJitterErrorPosition(firstSector, lastSector);
}

std::int32_t TCDRipLibrary::GetPercentCompleted()
{
    return loaded_ ? calls_.getPercentCompleted() : 0;
}

std::int32_t TCDRipLibrary::GetNumberOfJitterErrors()
{
    return loaded_ ? calls_.getNumberOfJitterErrors() : 0;
}

std::int32_t TCDRipLibrary::CloseRipper()
{
    return loaded_ ? calls_.closeRipper() : CR_FAILURE;
}

QString TCDRipLibrary::LastErrorText()
{
    if (!loaded_ || calls_.getLastErrorText == nullptr)
        return {};
    char text[1024] = {};
    calls_.getLastErrorText(text, sizeof text);
    text[sizeof text - 1] = '\0';
    return QString::fromLocal8Bit(text);
}

std::int32_t TCDRipLibrary::SetReadOffset(std::int32_t samples)
{
    if (!loaded_)
        return CR_FAILURE;
    if (calls_.setReadOffset == nullptr)
        return samples == 0 ? CR_CHUNK_READ : CR_FAILURE;
    return calls_.setReadOffset(samples);
}

QString TCDRipLibrary::DiscCatalog()
{
    if (!loaded_ || calls_.getDiscCatalog == nullptr)
        return {};
    char text[64] = {};
    calls_.getDiscCatalog(text, sizeof text);
    text[sizeof text - 1] = '\0';
    return QString::fromLatin1(text);
}

std::int32_t TCDRipLibrary::GetTrackExtras(std::int32_t index, CR_TrackExtras* extras)
{
    *extras = CR_TrackExtras{};
    if (!loaded_ || calls_.getTrackExtras == nullptr)
        return CR_FAILURE;
    const std::int32_t status = calls_.getTrackExtras(index, extras);
    extras->Isrc[sizeof extras->Isrc - 1] = '\0';
    return status;
}

QString TCDRipLibrary::DiscText(std::int32_t track, std::int32_t field)
{
    if (!loaded_ || calls_.getDiscText == nullptr)
        return {};
    // Asked for its length first: a text cut inside a character would not be UTF-8.
    const std::int32_t length = calls_.getDiscText(track, field, nullptr, 0);
    if (length <= 0)
        return {};
    QByteArray text(length + 1, '\0');
    const std::int32_t copied = calls_.getDiscText(track, field, text.data(), static_cast<std::int32_t>(text.size()));
    text.truncate(std::min(length, copied));
    return QString::fromUtf8(text);
}

std::int32_t TCDRipLibrary::GetRangeChecksums(CR_RangeChecksums* checksums)
{
    *checksums = CR_RangeChecksums{};
    if (!loaded_ || calls_.getRangeChecksums == nullptr)
        return CR_FAILURE;
    return calls_.getRangeChecksums(checksums);
}

std::int32_t TCDRipLibrary::GetReadEvents(CR_ReadEvents* events)
{
    *events = CR_ReadEvents{};
    if (!loaded_ || calls_.getReadEvents == nullptr)
        return CR_FAILURE;
    return calls_.getReadEvents(events);
}
