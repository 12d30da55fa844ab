// The exported CR_ functions: thin C entry points onto TRipLibrary.
#include "CDRip.h"
#include "RipLibrary.h"
#include "TextCopy.h"

using cdrip::CopyText;
using cdrip::TRipLibrary;

namespace {
constexpr int32_t kVersion = 100;
}

extern "C" {

int32_t CR_GetCDRipVersion(void) { return kVersion; }
int32_t CR_Init(void) { return TRipLibrary::Instance().Init(); }
int32_t CR_GetCDROMParameters(CR_DriveParameters* parameters) { return TRipLibrary::Instance().GetParameters(parameters); }
int32_t CR_GetActiveCDROM(void) { return TRipLibrary::Instance().ActiveDrive(); }
int32_t CR_SetActiveCDROM(int32_t drive) { return TRipLibrary::Instance().SetActiveDrive(drive); }
int32_t CR_SetCDROMParameters(const CR_DriveParameters* parameters) { return TRipLibrary::Instance().SetParameters(parameters); }
int32_t CR_ReadToc(void) { return TRipLibrary::Instance().ReadToc(); }
int32_t CR_GetNumTocEntries(void) { return TRipLibrary::Instance().TocEntryCount(); }
CR_TocEntry CR_GetTocEntry(int32_t index) { return TRipLibrary::Instance().TocEntry(index); }
int32_t CR_OpenRipper(int32_t* bufferSize, int32_t firstSector, int32_t lastSector)
{
    return TRipLibrary::Instance().OpenRange(bufferSize, firstSector, lastSector);
}
int32_t CR_RipChunk(uint8_t* buffer, int32_t* bytesRead) { return TRipLibrary::Instance().RipChunk(buffer, bytesRead); }
void CR_GetLastJitterErrorPosition(uint32_t* firstSector, uint32_t* lastSector)
{
    TRipLibrary::Instance().LastJitterPosition(firstSector, lastSector);
}
int32_t CR_GetPercentCompleted(void) { return TRipLibrary::Instance().PercentCompleted(); }
int32_t CR_GetNumberOfJitterErrors(void) { return TRipLibrary::Instance().JitterErrorCount(); }
int32_t CR_CloseRipper(void) { return TRipLibrary::Instance().CloseRange(); }

int32_t CR_GetRangeChecksums(CR_RangeChecksums* checksums) { return TRipLibrary::Instance().RangeChecksums(checksums); }
int32_t CR_GetReadEvents(CR_ReadEvents* events) { return TRipLibrary::Instance().ReadEvents(events); }
int32_t CR_SetRangeChecksums(int32_t enabled) { return TRipLibrary::Instance().SetRangeChecksums(enabled != 0); }
int32_t CR_SetReadOffset(int32_t samples) { return TRipLibrary::Instance().SetReadOffset(samples); }


int32_t CR_GetLastErrorText(char* buffer, int32_t size) { return CopyText(TRipLibrary::Instance().LastError(), buffer, size); }
int32_t CR_GetDiscCatalog(char* buffer, int32_t size) { return CopyText(TRipLibrary::Instance().Catalog(), buffer, size); }
int32_t CR_GetTrackExtras(int32_t index, CR_TrackExtras* extras) { return TRipLibrary::Instance().TrackExtras(index, extras); }
int32_t CR_GetDiscText(int32_t track, int32_t field, char* buffer, int32_t size)
{
    return CopyText(TRipLibrary::Instance().Text(track, field), buffer, size);
}

}
