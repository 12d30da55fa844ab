#pragma once
// Names for the kind, part and state numbers that controls hand to the theme's element families.
// The theme interface keeps its byte parameters (a theme kind may be asked for any number); callers
// write these names and convert with ThemeByte, theme kinds read them back with ThemeEnum. Families
// whose only kind is 0 have no kind type. A "NotProduced" name is a number no control passes that a
// theme kind still draws in a way of its own.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <type_traits>
#include <utility>

// The byte a theme operation or drawing record takes for a named kind, part or state.
template <class E>
    requires std::is_enum_v<E>
constexpr std::uint8_t ThemeByte(E value)
{
    return static_cast<std::uint8_t>(value);
}

// The named kind, part or state a theme kind reads back from a byte. Every byte is a value of its
// family's enum, so a number without a name stays itself and falls to a switch's default.
template <class E>
    requires std::is_enum_v<E> && std::is_same_v<std::underlying_type_t<E>, std::uint8_t>
constexpr E ThemeEnum(std::uint8_t byte)
{
    return static_cast<E>(byte);
}

// What a theme kind draws for each value of a family (a picture index, a colour, a child's name),
// filled from (name, entry) pairs: a value the table does not list, and a byte past its end, read
// as the fallback.
template <class E, class T>
    requires std::is_enum_v<E>
class TteEnumTable {
public:
    // Past every family's largest name.
    static constexpr std::size_t kSize = 16;

    constexpr TteEnumTable(T fallback, std::initializer_list<std::pair<E, T>> entries) : fallback_(fallback)
    {
        entries_.fill(fallback);
        for (const auto& [name, entry] : entries) {
            if (ThemeByte(name) >= kSize)
                throw std::out_of_range("a name past the table");  // a compile error in a constant table
            entries_[ThemeByte(name)] = entry;
        }
    }

    constexpr T operator[](E value) const
    {
        return ThemeByte(value) < kSize ? entries_[ThemeByte(value)] : fallback_;
    }

private:
    std::array<T, kSize> entries_{};
    T fallback_;
};

// The kind controls pass to a family that has no kind type.
constexpr std::uint8_t kThemeOnlyKind = 0;

// Label text state (no theme kind draws differently by it).
enum class TteLabelState : std::uint8_t { klsNormal = 0, klsDisabled = 2 };

enum class TtePanelKind : std::uint8_t { kpkRaised = 0, kpkLowered = 1 };

// Push, speed and spin buttons; speed-button arrows use the spin kinds. Controls mark the default
// button by its state; the flat kind dots kind 2 as a default button.
enum class TteButtonKind : std::uint8_t {
    kbkPushButton = 0,
    kbkDefaultButton = 2,
    kbkSpinUp = 4,
    kbkSpinDown = 5,
    kbkSpinLeft = 6,
    kbkSpinRight = 7,
};
enum class TteButtonState : std::uint8_t {
    kbsNormal = 0,
    kbsHot = 1,
    kbsPressed = 2,
    kbsDisabled = 3,
    kbsFocused = 4,
    kbsNotProduced5 = 5,
    kbsDefault = 6,
    kbsNotProduced7 = 7,
    kbsNotProduced8 = 8,
    kbsNotProduced9 = 9,
};

enum class TteCheckBoxKind : std::uint8_t { kcbkCheckBox = 0, kcbkRadioButton = 1 };
// The mark box: one row of four per check state (4, 9 and 14 are not produced); radio buttons use
// only the checked and unchecked rows.
enum class TteCheckState : std::uint8_t {
    kcsCheckedNormal = 0,
    kcsCheckedHot = 1,
    kcsCheckedPressed = 2,
    kcsCheckedDisabled = 3,
    kcsUncheckedNormal = 5,
    kcsUncheckedHot = 6,
    kcsUncheckedPressed = 7,
    kcsUncheckedDisabled = 8,
    kcsMixedNormal = 10,
    kcsMixedHot = 11,
    kcsMixedPressed = 12,
    kcsMixedDisabled = 13,
};
// A check state read as its row (bytes past 14 give rows past mixed) and its column.
enum class TteCheckRow : std::uint8_t { kcrChecked = 0, kcrUnchecked = 1, kcrMixed = 2 };
enum class TteCheckColumn : std::uint8_t {
    kccNormal = 0,
    kccHot = 1,
    kccPressed = 2,
    kccDisabled = 3,
    kccNotProduced = 4,
};
constexpr TteCheckRow CheckRowOf(TteCheckState state) { return ThemeEnum<TteCheckRow>(ThemeByte(state) / 5); }
constexpr TteCheckColumn CheckColumnOf(TteCheckState state)
{
    return ThemeEnum<TteCheckColumn>(ThemeByte(state) % 5);
}
// The state of the check box's text call.
enum class TteCheckTextState : std::uint8_t {
    kctsNormal = 0,
    kctsHot = 1,
    kctsPressed = 2,
    kctsDisabled = 3,
    kctsFocused = 4,
};

// Arrow buttons and thumbs.
enum class TteScrollBarPart : std::uint8_t {
    ksbpUpArrow = 0,
    ksbpDownArrow = 1,
    ksbpLeftArrow = 4,
    ksbpRightArrow = 5,
    ksbpHorzThumb = 8,
    ksbpVertThumb = 9,
};
enum class TteScrollBarTrack : std::uint8_t { ksbtVertical = 0, ksbtHorizontal = 1 };
// Not the button order: pressed comes before hot.
enum class TteScrollBarState : std::uint8_t { ksbsNormal = 0, ksbsPressed = 1, ksbsHot = 2, ksbsDisabled = 3 };

// Frames of the bar, and its filled part (the rectangle is the filled portion only).
enum class TteProgressBarPart : std::uint8_t {
    kpbpVertFrame = 0,
    kpbpHorzFrame = 1,
    kpbpVertChunks = 2,
    kpbpHorzChunks = 3,
    kpbpVertSmooth = 4,
    kpbpHorzSmooth = 5,
};

enum class TteTrackBarTrack : std::uint8_t { ktbtVertical = 0, ktbtHorizontal = 1 };
enum class TteTrackBarTrackState : std::uint8_t { ktbtsEnabled = 0, ktbtsDisabled = 1 };
// Which way the thumb points.
enum class TteTrackBarThumb : std::uint8_t {
    ktbtVertBoth = 0,
    ktbtVertRight = 1,
    ktbtVertLeft = 2,
    ktbtHorzBoth = 3,
    ktbtHorzDown = 4,
    ktbtHorzUp = 5,
};
enum class TteTrackBarThumbState : std::uint8_t {
    ktbtsNormal = 0,
    ktbtsHot = 1,
    ktbtsPressed = 2,
    ktbtsFocused = 3,
    ktbtsDisabled = 4,
};

// List-view column header sections.
enum class TteHeaderPart : std::uint8_t { khpFirst = 0, khpMiddle = 1, khpLast = 2 };
enum class TteHeaderState : std::uint8_t {
    khsNormal = 0,
    khsPressed = 1,
    khsDraggedOut = 2,
    khsDragging = 3,
    khsHot = 4,
    khsUnderDrag = 5,
    khsDisabled = 6,
};

// The status panel's state byte is its kind (1 is drawn like 0).
enum class TteStatusPanel : std::uint8_t { kspPanel = 0, kspNotProduced1 = 1, kspGripPanel = 2, kspGrip = 3 };

// 1-3 and 7 and above are drawn like the edit box.
enum class TteEditKind : std::uint8_t {
    kekEdit = 0,
    kekCombo = 4,
    kekComboButtonLeft = 5,
    kekComboButtonRight = 6,
};
// 3 is drawn like normal; the selection state fills only.
enum class TteEditState : std::uint8_t {
    kesNormal = 0,
    kesHot = 1,
    kesFocused = 2,
    kesNotProduced3 = 3,
    kesDisabled = 4,
    kesReadOnly = 5,
    kesSelection = 6,
};
// The edit button's record carries its state in Part and its arrow in State.
enum class TteEditButtonState : std::uint8_t { kebsNormal = 0, kebsHot = 1, kebsPressed = 2, kebsDisabled = 4 };
// The skin kind draws 2-9 as the edit box's own button.
enum class TteEditButtonArrow : std::uint8_t { kebaDropDown = 0, kebaUp = 2, kebaDown = 3, kebaNotProduced9 = 9 };

enum class TteGroupBoxState : std::uint8_t { kgbsNormal = 0, kgbsDisabled = 1 };

// The selection state fills only.
enum class TteMemoState : std::uint8_t {
    kmsNormal = 0,
    kmsHot = 1,
    kmsFocused = 2,
    kmsDisabled = 3,
    kmsReadOnly = 4,
    kmsSelection = 5,
};

enum class TteMenuKind : std::uint8_t { kmkBar = 0, kmkPopup = 1 };
// The last three are the buttons of a maximized child window in the bar.
enum class TteMenuItemPart : std::uint8_t {
    kmipItem = 0,
    kmipSeparator = 1,
    kmipScrollUp = 3,
    kmipScrollDown = 4,
    kmipMinimize = 7,
    kmipRestore = 8,
    kmipClose = 9,
};
// Selected: the item's popup is open, or it is pressed.
enum class TteMenuItemState : std::uint8_t { kmisNormal = 0, kmisHot = 1, kmisSelected = 2, kmisDisabled = 3 };

// Controls pass the control kind to every operation of the tool bar family; theme kinds draw a tool
// bar of kind 2 as one that stands in for a popup menu.
enum class TteToolBarKind : std::uint8_t { ktbkControl = 1, ktbkPopupMenu = 2 };
// 6-8 are drawn as a button; 10-12 are the child-window buttons.
enum class TteToolButtonPart : std::uint8_t {
    ktbpButton = 0,
    ktbpSeparator = 1,
    ktbpSplitButton = 3,
    ktbpSplitDropDown = 4,
    ktbpDropDown = 5,
    ktbpNotProduced6 = 6,
    ktbpNotProduced7 = 7,
    ktbpNotProduced8 = 8,
    ktbpMinimize = 10,
    ktbpRestore = 11,
    ktbpClose = 12,
    ktbpGripper = 13,
    ktbpVertGripper = 14,
};
// 4 and 5 are both checked; 7 is drawn as pressed.
enum class TteToolButtonState : std::uint8_t {
    ktbsNormal = 0,
    ktbsHot = 1,
    ktbsPressed = 2,
    ktbsDisabled = 3,
    ktbsChecked = 4,
    ktbsAlsoChecked = 5,
    ktbsHotChecked = 6,
    ktbsAsPressed = 7,
};

enum class TteRollPanelButton : std::uint8_t { krpbRollUp = 1, krpbRollDown = 2, krpbHide = 3 };
// The states of the small buttons: roll-panel, tab-row scroll buttons.
enum class TteSmallButtonState : std::uint8_t { ksbsNormal = 0, ksbsHot = 1, ksbsPressed = 2, ksbsDisabled = 3 };

// Tab positions in four groups of three: top, left, right, bottom; within a group the first code is
// any tab, the next the first visible tab and the last the last visible tab.
enum class TteTabPart : std::uint8_t {
    ktpTop = 0,
    ktpTopFirst = 1,
    ktpTopLast = 2,
    ktpLeft = 3,
    ktpLeftFirst = 4,
    ktpLeftLast = 5,
    ktpRight = 6,
    ktpRightFirst = 7,
    ktpRightLast = 8,
    ktpBottom = 9,
    ktpBottomFirst = 10,
    ktpBottomLast = 11,
};
enum class TteTabState : std::uint8_t {
    ktsNormal = 0,
    ktsHot = 1,
    ktsDisabled = 2,
    ktsSelected = 3,
    ktsSelectedHot = 4,
    ktsSelectedDisabled = 5,
};
enum class TteTabScrollButton : std::uint8_t { ktsbClose = 0, ktsbLeft = 1, ktsbDown = 2, ktsbUp = 3, ktsbRight = 4 };

// List box, list view and tree items.
enum class TteListItemState : std::uint8_t {
    klisNormal = 0,
    klisHot = 1,
    klisSelected = 2,
    klisFocused = 3,
    klisDisabled = 4,
};
// A grid cell's record carries its state in Part (2 is not produced) and its kind in State.
enum class TteGridCellState : std::uint8_t {
    kgcsNormal = 0,
    kgcsSelected = 1,
    kgcsNotProduced2 = 2,
    kgcsHighlighted = 3,
    kgcsDisabled = 4,
};
enum class TteGridCellKind : std::uint8_t { kgckOrdinary = 0, kgckFixed = 1 };

// The form grip's state byte.
enum class TteFormGripState : std::uint8_t { kfgsFixed = 0, kfgsSizeable = 1 };
