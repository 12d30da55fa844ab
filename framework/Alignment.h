#pragma once
// Where a control places its text: across (TAlignment) and down (TTextLayout).
#include <QStringList>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

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
