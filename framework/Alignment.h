#pragma once
// Where a control places its text: across (TAlignment) and down (TTextLayout).
#include <QStringList>
#include <cstdint>

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

inline const QStringList& AlignmentNames()
{
    static const QStringList names{"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}

inline const QStringList& TextLayoutNames()
{
    static const QStringList names{"tlTop", "tlCenter", "tlBottom"};
    return names;
}
