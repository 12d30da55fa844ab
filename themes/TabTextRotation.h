#pragma once
// Tabs on the left read upwards and tabs on the right downwards; every theme kind turns their text alike.
#include "theme/ThemeRecords.h"

// text turned for a tab at position code info.Part (3-5 left, 6-8 right; others unturned).
inline TteTextInfo TabTextTurned(const TtePartInfo& info, const TteTextInfo& text)
{
    TteTextInfo turned = text;
    if (info.Part >= 3 && info.Part <= 5)
        turned.Rotation = TteTextRotation::ktrCounterClockwise;
    else if (info.Part >= 6 && info.Part <= 8)
        turned.Rotation = TteTextRotation::ktrClockwise;
    return turned;
}
