#include "ImageSectorSource.h"

#include "DiscError.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cdrip {

TImageSectorSource::TImageSectorSource(const TImageLayout& layout) : FLayout(layout)
{
    for (const std::filesystem::path& path : layout.Files) {
        const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0) {
            const std::string reason = std::strerror(errno);
            for (const int opened : FFiles)
                close(opened);
            throw EDiscError(path.string() + ": cannot be opened (" + reason + ")");
        }
        // Ranges are read front to back; the kernel may read further ahead.
        posix_fadvise(file, 0, 0, POSIX_FADV_SEQUENTIAL);
        FFiles.push_back(file);
    }
}

TImageSectorSource::~TImageSectorSource()
{
    for (const int file : FFiles)
        close(file);
}

TReadOutcome TImageSectorSource::Read(uint32_t first, uint32_t count, uint8_t* out)
{
    const std::vector<TImageExtent>& extents = FLayout.Extents;
    auto extent = std::upper_bound(extents.begin(), extents.end(), first,
        [](uint32_t sector, const TImageExtent& e) { return sector < e.FirstSector; });
    if (extent == extents.begin())
        return TReadOutcome::roFailed;
    --extent;
    while (count > 0) {
        if (extent == extents.end() || first >= extent->FirstSector + extent->Sectors)
            return TReadOutcome::roFailed;
        const uint32_t run = std::min(count, extent->FirstSector + extent->Sectors - first);
        if (!ReadExtent(*extent, first, run, out))
            return TReadOutcome::roFailed;
        first += run;
        count -= run;
        out += run * kSectorBytes;
        ++extent;
    }
    return TReadOutcome::roRead;
}

bool TImageSectorSource::ReadExtent(const TImageExtent& extent, uint32_t sector, uint32_t count, uint8_t* out) const
{
    const uint64_t wanted = count * kSectorBytes;
    if (extent.File < 0) {
        std::memset(out, 0, wanted);
        return true;
    }
    const uint64_t skip = (sector - extent.FirstSector) * kSectorBytes;
    const uint64_t held = std::min(wanted, extent.Bytes - std::min(extent.Bytes, skip));
    const int file = FFiles[static_cast<size_t>(extent.File)];
    for (uint64_t done = 0; done < held;) {
        const ssize_t got = pread(file, out + done, held - done, static_cast<off_t>(extent.Offset + skip + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<uint64_t>(got);
    }
    // The short last sector of a file that does not end on a sector boundary.
    std::memset(out + held, 0, wanted - held);
    if (extent.SwapBytes)
        for (uint64_t i = 0; i + 1 < held; i += 2)
            std::swap(out[i], out[i + 1]);
    return true;
}

}
