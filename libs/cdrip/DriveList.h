// Drive list: the drive or image named by TRACKWELL_DEVICE first, then the drives libcdio finds.
#pragma once

#include <string>
#include <vector>

namespace cdrip {

std::vector<std::string> FindDrives();

}
