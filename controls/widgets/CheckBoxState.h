#pragma once
// The three states of a check box, and the side its mark sits on.
#include <QStringList>
#include <cstdint>

enum class TTeCheckBoxState : std::uint8_t { kcbsUnChecked, kcbsChecked, kcbsMixed };
enum class TTeLeftRight : std::uint8_t { kalLeftJustify, kalRightJustify };

inline const QStringList& CheckBoxStateNames()
{
    static const QStringList names{"kcbsUnChecked", "kcbsChecked", "kcbsMixed"};
    return names;
}

inline const QStringList& LeftRightNames()
{
    static const QStringList names{"kalLeftJustify", "kalRightJustify"};
    return names;
}
