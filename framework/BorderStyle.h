#pragma once
// Whether a control draws the classic sunken border around its content.
#include <QStringList>
#include <cstdint>

enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };

inline const QStringList& BorderStyleNames()
{
    static const QStringList names{"bsNone", "bsSingle"};
    return names;
}
