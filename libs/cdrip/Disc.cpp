#include "Disc.h"

#include "CueSheet.h"
#include "DriveDisc.h"
#include "ImageDisc.h"
#include "DiscError.h"
#include "TocCheck.h"
#include "TocFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace cdrip {

namespace {

std::string LowerExtension(const std::string& device)
{
    std::string extension = std::filesystem::path(device).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}

std::unique_ptr<TDisc> TDisc::Open(const std::string& device)
{
    // libcdio's image drivers find a cue sheet's data only in a .bin named like the sheet and read one file; our
    // reader takes every sheet as rippers write them and gives the files' bytes exactly, so it reads them all.
    const std::string extension = LowerExtension(device);
    if (extension == ".cue")
        return std::make_unique<TImageDisc>(device, ReadCueSheet(device));
    if (extension == ".toc")
        return std::make_unique<TImageDisc>(device, ReadTocFile(device));
    return std::make_unique<TDriveDisc>(device);
}

TDisc::TDisc(const std::string& device, std::vector<CR_TocEntry> toc) : FToc(std::move(toc))
{
    if (const std::string damage = TocDamage(FToc); !damage.empty())
        throw EDiscError(device + ": " + damage);
}

std::string TDisc::Isrc(int track) const
{
    return track >= 0 && static_cast<size_t>(track) < FExtras.Isrcs.size() ? FExtras.Isrcs[static_cast<size_t>(track)] : std::string();
}

uint32_t TDisc::PregapStart(int track) const
{
    const uint32_t start = FToc.at(static_cast<size_t>(track)).FirstSector;
    if (static_cast<size_t>(track) >= FExtras.PregapStarts.size())
        return start;
    const uint32_t pregap = FExtras.PregapStarts[static_cast<size_t>(track)];
    return pregap < start ? pregap : start;
}

std::string TDisc::Text(int track, int field) const
{
    const auto text = FExtras.Texts.find({track, field});
    return text != FExtras.Texts.end() ? text->second : std::string();
}

bool TDisc::TouchesDataTrack(uint32_t first, uint32_t last) const
{
    for (size_t i = 0; i + 1 < FToc.size(); ++i)
        if ((FToc[i].Flags & CR_TOC_AUDIO) == 0 && FToc[i].FirstSector <= last && FToc[i + 1].FirstSector > first)
            return true;
    return false;
}

}
