#pragma once
// Where a control places its text: across (TAlignment) and down (TTextLayout); and where a control
// places itself in its parent (TAlign).
#include <QStringList>
#include <cstdint>

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

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

inline const QStringList& AlignNames()
{
    static const QStringList names{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
    return names;
}
