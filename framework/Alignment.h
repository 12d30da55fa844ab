#pragma once
// Horizontal alignment of a control's text.
#include <QStringList>
#include <cstdint>

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

inline const QStringList& AlignmentNames()
{
    static const QStringList names{"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}
