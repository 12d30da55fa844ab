#include "LayoutBuilder.h"

namespace cdrip {

TLayoutBuilder::TFile TLayoutBuilder::AddFile(const std::string& name, TDataFileKind kind)
{
    const std::filesystem::path path = FLines.Sheet().parent_path() / name;
    TFile file;
    try {
        file.Data = ProbeDataFile(path, kind);
    } catch (const EDiscError& error) {
        FLines.Fail(error.what());
    }
    const uint64_t sectors = (file.Data.Bytes + kSectorBytes - 1) / kSectorBytes;
    if (sectors > kMostSectors)
        FLines.Fail(path.string() + ": larger than any disc");
    file.Sectors = static_cast<uint32_t>(sectors);
    file.Index = static_cast<int>(FLayout.Files.size());
    FLayout.Files.push_back(path);
    return file;
}

void TLayoutBuilder::AppendFile(const TFile& file, uint64_t byteOffset, uint32_t sectors, bool swapBytes)
{
    if (sectors == 0)
        return;
    const uint64_t wanted = sectors * kSectorBytes;
    if (byteOffset >= file.Data.Bytes || wanted - kSectorBytes >= file.Data.Bytes - byteOffset)
        FLines.Fail(FLayout.Files[static_cast<size_t>(file.Index)].string() + " holds " + std::to_string(file.Data.Bytes)
            + " bytes, too few for " + std::to_string(sectors) + " sectors from byte " + std::to_string(byteOffset));
    if (FPosition + uint64_t{sectors} > kMostSectors)
        FLines.Fail("the disc grows longer than 99 minutes");
    FLayout.Extents.push_back({FPosition, sectors, file.Index, file.Data.Offset + byteOffset,
        std::min(wanted, file.Data.Bytes - byteOffset), swapBytes});
    FPosition += sectors;
}

void TLayoutBuilder::AppendSilence(uint32_t sectors)
{
    if (FPosition + uint64_t{sectors} > kMostSectors)
        FLines.Fail("the disc grows longer than 99 minutes");
    if (sectors == 0)
        return;
    FLayout.Extents.push_back({FPosition, sectors, -1, 0, 0, false});
    FPosition += sectors;
}

void TLayoutBuilder::StartTrack(uint32_t sector, bool audio)
{
    const size_t tracks = FLayout.Toc.size();
    if (tracks > 0 && sector <= FLayout.Toc.back().FirstSector)
        FLines.Fail("track " + std::to_string(tracks + 1) + " starts at " + SectorTimeText(sector) + ", not after track "
            + std::to_string(tracks) + "'s start " + SectorTimeText(FLayout.Toc.back().FirstSector));
    if (tracks == 99)
        FLines.Fail("more than 99 tracks");
    FLayout.Toc.push_back({sector, static_cast<uint8_t>(audio ? CR_TOC_AUDIO : 0), 0});
}

TImageLayout TLayoutBuilder::Finish()
{
    if (FLayout.Toc.empty())
        FLines.Fail("no track");
    if (FPosition <= FLayout.Toc.back().FirstSector)
        FLines.Fail("track " + std::to_string(FLayout.Toc.size()) + " starts at "
            + SectorTimeText(FLayout.Toc.back().FirstSector) + ", where its data ends");
    FLayout.Toc.push_back({FPosition, 0, 0});
    return std::move(FLayout);
}

}
