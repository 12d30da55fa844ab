#include "DriveList.h"

#include <cdio/cdio.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace cdrip {

namespace {

// /dev/cdrom and /dev/sr0 are often one drive under two names.
std::string Canonical(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::canonical(path, error);
    return error ? path : canonical.string();
}

}

std::vector<std::string> FindDrives()
{
    std::vector<std::string> drives;
    std::vector<std::string> seen;
    const auto add = [&](const std::string& device) {
        const std::string canonical = Canonical(device);
        if (std::find(seen.begin(), seen.end(), canonical) != seen.end())
            return;
        seen.push_back(canonical);
        drives.push_back(device);
    };
    if (const char* named = std::getenv("TRACKWELL_DEVICE"); named != nullptr && *named != '\0')
        add(named);
    if (char** found = cdio_get_devices(DRIVER_DEVICE)) {
        for (char** device = found; *device != nullptr; ++device)
            add(*device);
        cdio_free_device_list(found);
    }
    return drives;
}

}
