// The texts of a sheet's TITLE, PERFORMER and similar lines, made UTF-8 whatever the sheet was saved in.
#pragma once

#include <string>
#include <vector>

namespace cdrip {

// The words from index first on, joined by single blanks (an unquoted text comes as several words), in UTF-8: a
// text that is not valid UTF-8 was saved in Latin-1 (Windows rippers write their sheets so) and is converted.
std::string SheetText(const std::vector<std::string>& words, size_t first);

}
