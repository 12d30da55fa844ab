// The check every table of contents passes before it is listed: tracks in order, the lead-out after them.
#pragma once

#include "CDRip.h"

#include <string>
#include <vector>

namespace cdrip {

// Empty when the entries (tracks, then the lead-out) are in order; else why not, in words.
std::string TocDamage(const std::vector<CR_TocEntry>& toc);

}
