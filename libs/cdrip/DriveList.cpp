#include "DriveList.h"

#include <cdio/cdio.h>

#include <algorithm>
#include <cstdlib>

namespace cdrip {

std::vector<std::string> FindDrives()
{
    std::vector<std::string> drives;
    if (const char* named = std::getenv("TRACKWELL_DEVICE"); named != nullptr && *named != '\0')
        drives.emplace_back(named);
    if (char** found = cdio_get_devices(DRIVER_DEVICE)) {
        for (char** device = found; *device != nullptr; ++device)
            if (std::find(drives.begin(), drives.end(), *device) == drives.end())
                drives.emplace_back(*device);
        cdio_free_device_list(found);
    }
    return drives;
}

}
