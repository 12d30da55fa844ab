#pragma once
// How one menu level looks and measures: through the theme when it draws menus of the level's
// kind (bar or popup), else in the built-in look with the menu font. Also lays a level out.
#include <QString>

#include "framework/Colors.h"
#include "framework/Types.h"
#include "theme/ThemeParts.h"

class TCanvas;
class TTeItem;
class TteCustomThemeLink;
class TteTheme;

// Popup levels with scroll buttons: each button's height.
constexpr int kMenuScrollButtonHeight = 10;

// A canvas on a small image, for measuring outside a paint.
TCanvas& MenuMeasuringCanvas();

class TMenuDrawer {
public:
    TMenuDrawer(TteCustomThemeLink* link, const QString& objectName, TteMenuKind kind);

    bool Themed() const { return theme_ != nullptr; }
    TteMenuKind Kind() const { return kind_; }

    // The item's size; the canvas has the level's normal font (LayoutLevel sets it).
    TSize MeasureItem(TCanvas& canvas, const TTeItem& item) const;
    // Places the visible children of parent from origin; answers the content size. A popup level
    // with a scrollCount shows that many children from parent's FirstVisible, between its buttons.
    TSize LayoutLevel(TCanvas& canvas, TTeItem& parent, TPoint origin, int scrollCount = 0) const;

    // The popup window's client area inside its frame.
    TRect PopupClientRect(const TRect& window) const;
    // A bar's background / a popup window's frame and background.
    void DrawBar(TCanvas& canvas, const TRect& rect, TColor color) const;
    void DrawPopupFrame(TCanvas& canvas, const TRect& window) const;
    void DrawItem(TCanvas& canvas, const TTeItem& item, TteMenuItemState state) const;
    // up: the top button, else the bottom one.
    void DrawScrollButton(TCanvas& canvas, const TRect& rect, bool up, TteMenuItemState state) const;

private:
    void SetFont(TCanvas& canvas, TteMenuItemState state) const;
    // The column at an item's left for its image or check mark.
    int ImageColumn(const TTeItem& item) const;
    int ItemHeight(const TTeItem& item) const;
    // The item's image centred in rect, in the form of its state.
    void DrawImage(TCanvas& canvas, const TTeItem& item, const TRect& rect, TteMenuItemState state) const;
    void DrawBarItem(TCanvas& canvas, const TTeItem& item, TteMenuItemState state) const;
    void DrawPopupItem(TCanvas& canvas, const TTeItem& item, TteMenuItemState state) const;

    TteTheme* theme_ = nullptr;
    QString object_;
    TteMenuKind kind_;
};
