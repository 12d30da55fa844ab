#pragma once
// Tabs on the left read upwards and tabs on the right downwards; every theme kind turns their text alike.
#include "theme/ThemeParts.h"
#include "theme/ThemeRecords.h"

// text turned for a tab at position code info.Part (left and right tabs; others unturned).
inline TteTextInfo TabTextTurned(const TtePartInfo& info, const TteTextInfo& text)
{
    using enum TteTabPart;
    TteTextInfo turned = text;
    const auto part = ThemeEnum<TteTabPart>(info.Part);
    if (part >= ktpLeft && part <= ktpLeftLast)
        turned.Rotation = TteTextRotation::ktrCounterClockwise;
    else if (part >= ktpRight && part <= ktpRightLast)
        turned.Rotation = TteTextRotation::ktrClockwise;
    return turned;
}
