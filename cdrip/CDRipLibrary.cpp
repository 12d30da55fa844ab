#include "cdrip/CDRipLibrary.h"

namespace {

template <typename Call>
bool Resolve(TSharedLibrary& library, const char* name, Call& call)
{
    call = reinterpret_cast<Call>(library.Symbol(name));
    return call != nullptr;
}

}  // namespace

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
    if (path.isEmpty() || !library_.Open(path))
        return false;
    Calls calls;
    loaded_ = Resolve(library_, "CR_GetCDRipVersion", calls.getCDRipVersion) &&
              Resolve(library_, "CR_Init", calls.init) &&
              Resolve(library_, "CR_GetCDROMParameters", calls.getCDROMParameters) &&
              Resolve(library_, "CR_GetActiveCDROM", calls.getActiveCDROM) &&
              Resolve(library_, "CR_SetActiveCDROM", calls.setActiveCDROM) &&
              Resolve(library_, "CR_SetCDROMParameters", calls.setCDROMParameters) &&
              Resolve(library_, "CR_ReadToc", calls.readToc) &&
              Resolve(library_, "CR_GetNumTocEntries", calls.getNumTocEntries) &&
              Resolve(library_, "CR_GetTocEntry", calls.getTocEntry) &&
              Resolve(library_, "CR_OpenRipper", calls.openRipper) &&
              Resolve(library_, "CR_RipChunk", calls.ripChunk) &&
              Resolve(library_, "CR_GetLastJitterErrorPosition", calls.getLastJitterErrorPosition) &&
              Resolve(library_, "CR_GetPercentCompleted", calls.getPercentCompleted) &&
              Resolve(library_, "CR_GetNumberOfJitterErrors", calls.getNumberOfJitterErrors) &&
              Resolve(library_, "CR_CloseRipper", calls.closeRipper);
    if (!loaded_) {
        library_.Close();
        return false;
    }
    Resolve(library_, "CR_GetLastErrorText", calls.getLastErrorText);
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
