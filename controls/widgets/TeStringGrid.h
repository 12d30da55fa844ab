#pragma once
// The themed string grid: the framework's grid whose frame, background, cells and cell text the
// theme draws, whose colour is the theme's grid colour, and whose platform scroll bars are covered
// by themed ones kept in step with them. Without a theme it is the framework's grid.
#include <QString>

#include "controls/core/ControlTheme.h"
#include "controls/widgets/SubScrollBar.h"
#include "framework/StringGrid.h"

class TteCustomThemeLink;
class TteTheme;

class TTeStringGrid : public TStringGrid {
public:
    explicit TTeStringGrid(TComponent* owner);
    ~TTeStringGrid() override;

    TteCustomThemeLink* ThemeLink() const { return theme_.Link(); }
    void SetThemeLink(TteCustomThemeLink* link);
    const QString& ThemeObject() const { return theme_.Object(); }
    void SetThemeObject(const QString& name);
    TteTheme* Theme() const { return theme_.Theme(); }

    bool IsHot() const { return hot_; }
    TTeSubScrollBar* SubScrollBar() const { return subScrollBar_; }

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void Dispatch(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    void PaintFrame(const TRect& rect) override;
    void ParentChanged() override;
    void ScrollRangesChanged() override;

private:
    // Colour and drawing from the theme (the grid's colour entry; the framework's drawing only
    // when the theme does not draw grids).
    void TakeThemeLook();
    void ThemeChanged(const TMessage& message);

    bool hot_ = false;
    TControlTheme theme_{*this};
    TComponentRef<TTeSubScrollBar> subScrollBar_;
};

void RegisterThemedGridProperties();
